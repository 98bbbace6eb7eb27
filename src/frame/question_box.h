// The box a report or a batch screen asks its questions in: a shadowed box in the centre with a
// title and labelled fields, read as one form.
#ifndef PALUNDA_FRAME_QUESTION_BOX_H_
#define PALUNDA_FRAME_QUESTION_BOX_H_

#include <functional>
#include <string>
#include <vector>

#include "console/get.h"
#include "frame/session.h"

namespace frame {

// One labelled field of a box.
struct BoxField {
  std::string label;
  console::GetField::Target target;
  std::string picture;
  std::function<bool()> valid = {};
};

// Draws the box with its title and labels, then reads the fields; false after Esc. The screen under
// the box is put back afterwards.
bool AskInBox(Session& session, const std::vector<std::string>& title, std::vector<BoxField> fields);

}  // namespace frame

#endif  // PALUNDA_FRAME_QUESTION_BOX_H_
