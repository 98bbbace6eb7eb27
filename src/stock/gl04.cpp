// GL04: the results form; printing it puts the results into stock. A results document may be printed
// again: its mutation is rewritten by position, so the stock stays right.
#include "console/message.h"
#include "frame/prompts.h"
#include "pickers/pickers.h"
#include "stock/gift_wrap_forms.h"
#include "stock/stock_screens.h"

namespace stock {

xbase::Status GL04(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, GiftWrapTables())) return xbase::Status::OK();
  console::Console& con = session.console();
  std::string branch(6, ' ');
  for (;;) {
    std::string number(10, ' ');
    xbase::Date date;
    std::vector<FormEntry> entries;
    const auto number_valid = [&] {
      if (!PickDocument(session, "kd_gl21", {"KDCB", "NOMOR", "TANGGAL", "TG_INPUT", "CETAK"},
                        {"Cabang", "Nomor", "Tanggal", "Tg Input", "Cetak"}, branch, &number)) {
        return false;
      }
      bool found = false;
      if (!frame::Shown(session, ResultEntries(session, branch, number, &date, &entries, &found))) return false;
      if (!found) console::PESAN(con, "Nomor hasil gulung tidak ada");
      return found;
    };
    if (!AskBranchAndNumber(session, " CETAK BUKTI PENYERAHAN HASIL GULUNG ", &branch, &number,
                            [&] { return pickers::CARICABANG(session, &branch); }, number_valid)) {
      break;
    }
    if (!frame::AnsweredYes(con, "Cetak Form & Approval (Y/T)")) continue;
    if (!frame::Shown(session, PostResults(session, branch, number, date, entries))) continue;
    PrintGiftWrapForm(session, true, number, date, entries);
  }
  return session.tables().CloseAll();
}

}  // namespace stock
