// This workstation's printer margins and lines per page, kept in its SETUP margin row.
#include "frame/setmrgn.h"

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/table_access.h"
#include "frame/budget.h"
#include "frame/open_table.h"

namespace frame {
namespace {

constexpr int kFieldColumn = 44;
constexpr std::string_view kLines[] = {"   Set Margin Printer    ", "", " Baris/Halaman", "   . Portrait  :",
                                       "   . LandScape :", "", " Margin", " . Left LndScp :", " . Left Ptrait :",
                                       " . Top         :", " . Bottom      :", ""};

// The form's values, as the fields edit them.
struct MarginFields {
  double lines_portrait, lines_landscape, left_landscape, left_portrait, top, bottom;
};

}  // namespace

xbase::Status SaveMargins(console::Console& con, xbase::WorkArea& setup, std::string_view workstation,
                          const PrinterMargins& margins) {
  const std::string key = MarginKey(workstation);
  xbase::Status status = setup.SetOrder(1);
  if (status.ok()) status = setup.Seek(setup.PadToField("SETUP", key));
  if (status.ok()) status = setup.found() ? console::LOCK_REC(con, setup) : console::APP_REC(con, setup);
  if (status.ok()) status = setup.Put("SETUP", xbase::Value::Text(key));
  if (status.ok()) status = setup.Put("KET", xbase::Value::Text(FormatMargins(margins)));
  const xbase::Status unlocked = setup.Unlock();
  return status.ok() ? unlocked : status;
}

xbase::Status SETMRGN(Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string_view colour = con.Pick("W+/bg", "W/w");
  console::ISHADOW(con, 4, 27, 17, 53, colour);
  int row = 5;
  for (std::string_view line : kLines) con.Say(row++, 28, line, con.Colour(colour));

  const PrinterMargins& now = session.margins;
  MarginFields fields{double(now.lines_portrait), double(now.lines_landscape), now.left_landscape,
                      now.left_portrait, now.top, now.bottom};
  for (;;) {
    console::GetList form;
    form.Add(8, kFieldColumn, &fields.lines_portrait, "99");
    form.Add(9, kFieldColumn, &fields.lines_landscape, "99");
    form.Add(12, kFieldColumn, &fields.left_landscape, "99.99");
    form.Add(13, kFieldColumn, &fields.left_portrait, "99.99");
    form.Add(14, kFieldColumn, &fields.top, "99.99");
    form.Add(15, kFieldColumn, &fields.bottom, "99.99");
    form.Read(con);
    const int answer = console::Alert(con, "setting margin printer", {"simpan", "exit"});
    if (answer == 2) return xbase::Status::OK();
    if (answer == 1) break;
  }
  session.margins = {fields.left_landscape, fields.left_portrait, fields.top, fields.bottom,
                     static_cast<int>(fields.lines_landscape), static_cast<int>(fields.lines_portrait), true};
  xbase::WorkArea* setup = nullptr;
  if (!OpenTable(session, "setup", false, "SETUPMRGN", &setup)) return xbase::Status::OK();
  const xbase::Status saved = SaveMargins(con, *setup, session.workstation(), session.margins);
  const xbase::Status closed = session.tables().Close("SETUPMRGN");
  return saved.ok() ? closed : saved;
}

}  // namespace frame
