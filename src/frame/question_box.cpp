// The box a report or a batch screen asks its questions in: a shadowed box in the centre with a
// title and labelled fields, read as one form.
#include "frame/question_box.h"

#include <algorithm>

#include "console/box.h"
#include "console/message.h"

namespace frame {

bool AskInBox(Session& session, const std::vector<std::string>& title, std::vector<BoxField> fields) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string_view colour = con.Pick("W+/b,Gr+/r", "W+/n,n/w");
  size_t label_width = 0;
  for (const BoxField& field : fields) label_width = std::max(label_width, field.label.size());
  const int rows = static_cast<int>(title.size() + fields.size()) + 3;
  const int top = (25 - rows) / 2, left = 15, right = 64;
  console::ISHADOW(con, top, left, top + rows - 1, right, colour);
  int row = top + 1;
  for (const std::string& line : title) console::TENGAH(con, row++, line, colour);
  ++row;
  console::GetList form;
  const int column = left + 3 + static_cast<int>(label_width) + 1;
  for (BoxField& field : fields) {
    con.Say(row, left + 3, field.label, con.Colour(colour));
    console::GetField& get = form.Add(row++, column, field.target, field.picture);
    get.valid = field.valid;
  }
  return !form.Read(con).escaped;
}

}  // namespace frame
