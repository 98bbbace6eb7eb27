// The boxes of the recap screens: a shadowed box in the centre with a title and labelled fields,
// read as one form; and the checks of the fields they share.
#ifndef PALUNDA_RECAPS_REPORT_BOX_H_
#define PALUNDA_RECAPS_REPORT_BOX_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "console/get.h"
#include "frame/session.h"

namespace recaps {

// One labelled field of a box.
struct BoxField {
  std::string label;
  console::GetField::Target target;
  std::string picture;
  std::function<bool()> valid = {};
};

// Draws the box with its title and labels, then reads the fields; false after Esc. The screen under
// the box is put back afterwards.
bool AskInBox(frame::Session& session, const std::vector<std::string>& title, std::vector<BoxField> fields);

// The check of a branch field: an empty code takes every branch (the name then empty); another must
// be a row of `Cabang` (open), whose name goes to *name.
bool BranchValid(frame::Session& session, std::string* code, std::string* name);

// Asks "(Y/T)" questions through PESAN: true when the key pressed is Y.
bool Confirmed(frame::Session& session, std::string_view question);

}  // namespace recaps

#endif  // PALUNDA_RECAPS_REPORT_BOX_H_
