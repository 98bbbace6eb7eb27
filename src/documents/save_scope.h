// Documents save through the frame's save scope (frame/save_scope.h): every lock before the first
// write, then the save journal.
#ifndef PALUNDA_DOCUMENTS_SAVE_SCOPE_H_
#define PALUNDA_DOCUMENTS_SAVE_SCOPE_H_

#include "frame/save_scope.h"

namespace documents {

using frame::NothingSaved;
using frame::SaveScope;

}  // namespace documents

#endif  // PALUNDA_DOCUMENTS_SAVE_SCOPE_H_
