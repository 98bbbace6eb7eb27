// The print of a negotiation minute: form F-MK-013 with its approved goods.
#include <string>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/open_table.h"
#include "frame/report_pages.h"
#include "frame/status_display.h"
#include "returns/negotiation.h"
#include "returns/negotiation_approval.h"
#include "returns/negotiation_forms.h"
#include "returns/return_procedures.h"
#include "xbase/text_functions.h"

namespace returns {

xbase::Status CBACN1(frame::Session& session, const Arguments&) {
  const frame::OpenedTables tables = OpenNegotiationTables(session);
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  for (;;) {
    console::SHADOW(con, 9, 20, 13, 59, colour);
    console::TENGAH(con, 10, "CETAK BAC NEGOSIASI (F-MK-013)", colour);
    con.Say(12, 22, "Nomor BAC :", con.Colour(colour));
    std::string number(10, ' ');
    Minute minute;
    console::GetList form;
    form.Add(12, 34, &number, "@!").valid = [&] { return TakeStoredMinute(session, tables, &number, &minute); };
    if (form.Read(con).escaped || xbase::IsBlank(number)) break;
    MinuteApproval approval;
    bool approved = false;
    if (!frame::Checked(session, LoadApproval(tables, number, &approval, &approved))) continue;
    frame::ReportLayout layout;
    layout.width = kMinuteFormWidth;
    layout.title = "MEMO";
    layout.left_margin = 1;
    layout.signature_box = false;
    frame::PrintPages(session, FormPages(MinuteFormLines(minute, approval), session.margins.lines_portrait), layout);
  }
  return frame::CloseTables(session, xbase::Status::OK());
}

}  // namespace returns
