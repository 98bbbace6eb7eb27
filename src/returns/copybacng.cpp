// The duplication of a negotiation minute: an earlier one (approved or not) saved whole under a new
// number of its branch, with the new PEC, offer and calculation numbers typed.
#include <string>

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "returns/negotiation.h"
#include "returns/negotiation_screens.h"
#include "returns/return_procedures.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace returns {
namespace {

void DrawBox(console::Console& con, std::string_view colour) {
  console::SHADOW(con, 5, 10, 17, 69, colour);
  console::TENGAH(con, 6, " DUPLIKASI BAC NEGOSIASI", colour);
  const console::Attr attr = con.Colour(colour);
  const char* labels[] = {"NO. BAC LAMA            :", "CABANG PEMBUAT          :", "TANGGAL                 :",
                          "NO. BAC BARU            :", "TANGGAL                 :", "NO. PEC                 :",
                          "NO. SURAT PENAWARAN PST :", "NO. SURAT PENAWARAN CBG :", "NO. KALKULASI HARGA     :"};
  for (int i = 0; i < 9; ++i) con.Say(7 + i + (i >= 3 ? 1 : 0), 12, labels[i], attr);
}

}  // namespace

xbase::Status COPYBACNG(frame::Session& session, const Arguments&) {
  const frame::OpenedTables tables = OpenNegotiationTables(session);
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  for (;;) {
    DrawBox(con, colour);
    std::string old_number(10, ' ');
    Minute old;
    console::GetList ask;
    ask.Add(7, 38, &old_number, "@!").valid = [&] { return TakeStoredMinute(session, tables, &old_number, &old); };
    if (ask.Read(con).escaped || xbase::IsBlank(old_number)) break;
    const console::Attr shown = con.colours().enhanced;
    con.Say(8, 38, old.branch, shown);
    con.Say(9, 38, xbase::Dtoc(old.date), shown);
    Minute copy = DuplicateOf(old, session.Today());
    console::GetList form;
    form.Add(12, 38, &copy.date);
    form.Add(13, 38, &copy.pec, "@!").valid = [&] { return TakePec(session, &copy.pec); };
    form.Add(14, 38, &copy.offer_head, "@!");
    form.Add(15, 38, &copy.offer_branch, "@!");
    form.Add(16, 38, &copy.calculation, "@!");
    if (form.Read(con).escaped) continue;
    if (!ToldSave(session, SaveMinute(session, tables, &copy))) continue;
    con.Say(11, 38, copy.number, shown);
    console::Alert(con, "BAC Nomor : " + std::string(xbase::RTrim(old_number)) + " berhasil diDuplikasi ke Nomor : " +
                            copy.number);
  }
  return frame::CloseTables(session, xbase::Status::OK());
}

}  // namespace returns
