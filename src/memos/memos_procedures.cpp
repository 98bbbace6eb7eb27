#include "memos/memos.h"

namespace memos {

void RegisterMemosProcedures(frame::ProcedureRegistry&) {}

}  // namespace memos
