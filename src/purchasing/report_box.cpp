// The parameter box of the purchase reports: a box centred from row 5 with its title and labelled
// fields, read as one form.
#include "purchasing/report_box.h"

#include "console/box.h"
#include "console/message.h"

namespace purchasing {

bool AskReport(frame::Session& session, const std::string& title, const BoxColours& colours,
               std::vector<ReportField> fields) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick(colours.colour, colours.mono));
  const std::string field_colour(con.Pick(colours.fields, colours.mono_fields));
  const int bottom = fields.empty() ? 8 : fields.back().row + 2;
  console::ISHADOW(con, 5, 20, bottom, 59, colour);
  console::TENGAH(con, 6, title, colour);
  console::GetList form;
  for (ReportField& field : fields) {
    con.Say(field.row, 40 - static_cast<int>(field.label.size()), field.label, con.Colour(colour));
    console::GetField& get = form.Add(field.row, 41, field.target, field.picture);
    get.colour = field_colour;
    get.valid = field.valid;
    if (field.read_only) get.when = [] { return false; };
  }
  return !form.Read(con).escaped;
}

}  // namespace purchasing
