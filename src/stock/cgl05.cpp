// CGL05: the fee-note print; only a print that reached a printer is counted on the note.
#include "console/alert.h"
#include "console/message.h"
#include "frame/report_pages.h"
#include "frame/status_display.h"
#include "pickers/pickers.h"
#include "stock/fee_note.h"
#include "stock/gift_wrap_forms.h"
#include "stock/stock_screens.h"
#include "xbase/date_functions.h"
#include "xbase/work_area.h"

namespace stock {

xbase::Status CGL05(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, GiftWrapTables());
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  std::string branch(6, ' ');
  for (;;) {
    std::string number(10, ' ');
    std::vector<std::string> lines;
    const auto number_valid = [&] {
      if (!PickDocument(session, "kd_gl31", {"KDCB", "NOMOR", "TANGGAL", "CETAK"}, {"Cabang", "Nomor", "Tanggal", "Cetak"},
                        branch, &number)) {
        return false;
      }
      bool found = false;
      if (!frame::Checked(session, FeeNoteLines(tables, branch, number, &lines, &found)) || !found) return false;
      const xbase::WorkArea& note = tables["kd_gl31"];
      if (!note.Logical("CETAK")) return true;
      return console::Alert(con, "Nota pembayaran ini pernah dicetak tg " + xbase::Dtoc(note.DateOf("TG_CETAK")) + " cetak lagi",
                            {"ya", "tidak"}) == 1;
    };
    if (!AskBranchAndNumber(session, "CETAK NOTA BIAYA RAKITAN ", &branch, &number,
                            [&] { return pickers::GETCB(session, branch); }, number_valid)) {
      break;
    }
    frame::ReportPage page;
    for (size_t i = 0; i < lines.size(); ++i) page.push_back({lines[i], i == 1 ? "BHS" : "S", 0});
    if (frame::PrintPages(session, {page}, GiftWrapLayout(94))) {
      frame::ShowFailure(session, CountFeeNotePrint(session, tables, branch, number));
    }
  }
  return session.tables().CloseAll();
}

}  // namespace stock
