// The checks of the fields the boxes of the recap screens share.
#ifndef PALUNDA_RECAPS_REPORT_BOX_H_
#define PALUNDA_RECAPS_REPORT_BOX_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/question_box.h"
#include "frame/session.h"

namespace recaps {

using frame::AskInBox;
using frame::BoxField;

// The check of a branch field: an empty code takes every branch (the name then empty); another must
// be a row of `Cabang` (open), whose name goes to *name.
bool BranchValid(frame::Session& session, std::string* code, std::string* name);

// Asks "(Y/T)" questions through PESAN: true when the key pressed is Y.
bool Confirmed(frame::Session& session, std::string_view question);

}  // namespace recaps

#endif  // PALUNDA_RECAPS_REPORT_BOX_H_
