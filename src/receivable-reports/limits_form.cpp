// The limits window of the receivables reports, the choice of output and the opening of their tables.
#include "receivable-reports/limits_form.h"

#include <algorithm>

#include "console/alert.h"
#include "console/box.h"
#include "console/message.h"
#include "frame/open_table.h"
#include "pickers/pickers.h"

namespace receivable_reports {

bool AskLimits(frame::Session& session, std::string_view title, std::vector<Limit> fields) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string_view colour = con.Pick("W+/bg", "W/w");
  constexpr int kFirstRow = 7, kColumn = 40;
  size_t label_width = title.size() / 2;
  for (const Limit& field : fields) label_width = std::max(label_width, field.label.size());
  const int left = std::max(1, kColumn - static_cast<int>(label_width) - 3);
  const int right = std::min(78, kColumn + 24);
  const int bottom = kFirstRow + static_cast<int>(fields.size());
  console::ISHADOW(con, kFirstRow - 3, left, bottom, right, colour);
  con.Say(kFirstRow - 2, left + std::max(1, (right - left + 1 - static_cast<int>(title.size())) / 2), title,
          con.Colour(colour));
  console::GetList form;
  int row = kFirstRow;
  for (Limit& field : fields) {
    con.Say(row, kColumn - 1 - static_cast<int>(field.label.size()), field.label, con.Colour(colour));
    console::GetField& get = form.Add(row++, kColumn, field.target, field.picture);
    get.valid = field.valid;
    get.colour = con.Pick("Gr+/bg,W+/r+", "W+/w,W/n");
  }
  return !form.Read(con).escaped;
}

std::function<bool()> CustomerCheck(frame::Session& session, std::string* customer) {
  return [&session, customer] {
    std::string branch;
    return pickers::LCGETCUSTOMER(session, customer, &branch);
  };
}

Media AskMedia(frame::Session& session) {
  switch (console::Alert(session.console(), "PILIHAN MEDIA LAPORAN", {"Printer", "Excel", "Keluar"})) {
    case 1: return Media::kPrinter;
    case 2: return Media::kExcel;
    default: return Media::kNone;
  }
}

int AskChoice(frame::Session& session, std::string_view question, const std::vector<std::string>& choices) {
  const int choice = console::Alert(session.console(), question, choices);
  return choice < 0 ? 0 : choice;
}

}  // namespace receivable_reports
