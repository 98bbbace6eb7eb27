#include "recaps/report_box.h"

#include <algorithm>
#include <cctype>

#include "console/box.h"
#include "console/message.h"
#include "pickers/pickers.h"
#include "xbase/text_functions.h"

namespace recaps {

bool AskInBox(frame::Session& session, const std::vector<std::string>& title, std::vector<BoxField> fields) {
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

bool BranchValid(frame::Session& session, std::string* code, std::string* name) {
  name->clear();
  if (xbase::IsBlank(*code)) return true;
  if (!pickers::CARICABANG_(session, code, name)) return false;
  *name = std::string(xbase::RTrim(*name));
  return true;
}

bool Confirmed(frame::Session& session, std::string_view question) {
  const int key = console::PESAN(session.console(), question);
  return key >= 0 && key < 256 && std::toupper(key) == 'Y';
}

}  // namespace recaps
