#include "memos/memo_screens.h"
#include "memos/memos.h"

namespace memos {

void RegisterMemosProcedures(frame::ProcedureRegistry& registry) {
  registry.Register({"ISIMEMO", "Memo Admin ke Gudang", kMenuGroup, ISIMEMO});
}

}  // namespace memos
