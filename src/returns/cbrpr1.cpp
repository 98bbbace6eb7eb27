// The pick-up form of a return draft (F-MK-004) for the warehouse.
#include <string>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "returns/return_forms.h"
#include "returns/return_procedures.h"
#include "returns/return_tables.h"
#include "xbase/text_functions.h"

namespace returns {

xbase::Status CBRPR1(frame::Session& session, const Arguments&) {
  const frame::OpenedTables tables = frame::OpenTables(session, {"MASTBRJ", "MASTCUS", "DRAFTR1", "DRAFTR2"});
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  for (;;) {
    console::SHADOW(con, 9, 20, 13, 59, colour);
    console::TENGAH(con, 10, "    CETAK BPR (R1) F-MK-004   ", colour);
    con.Say(12, 22, " Nomor :", con.Colour(colour));
    std::string number(20, ' ');
    Draft draft;
    bool found = false;
    console::GetList form;
    form.Add(12, 31, &number, "@!").valid = [&] {
      frame::PickSpec pick;
      pick.alias = "DRAFTR1";
      pick.expressions = {"nomor", "relasi", "tanggal", "sales"};
      if (!frame::Checked(session, frame::PickCode(session, pick, &number))) return false;
      return xbase::IsBlank(number) || (frame::Checked(session, LoadDraft(tables, number, &draft, &found)) && found);
    };
    if (form.Read(con).escaped || xbase::IsBlank(number)) break;
    frame::ReportLayout layout;
    layout.width = 72;
    layout.title = "BPR (R1)";
    std::vector<std::string> lines;
    if (!frame::Checked(session, PickUpLines(tables["MASTCUS"], draft, &lines))) continue;
    PrintLines(session, lines, session.margins.lines_portrait, "", layout);
  }
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace returns
