// GL02: the take-out form; printing it takes the goods and materials out of stock.
#include "console/message.h"
#include "frame/prompts.h"
#include "pickers/pickers.h"
#include "stock/gift_wrap_forms.h"
#include "stock/stock_screens.h"
#include "xbase/text_functions.h"

namespace stock {

xbase::Status GL02(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, GiftWrapTables())) return xbase::Status::OK();
  console::Console& con = session.console();
  std::string branch(6, ' ');
  for (;;) {
    std::string number(10, ' ');
    xbase::Date date;
    std::vector<FormEntry> entries;
    const auto number_valid = [&] {
      if (!PickDocument(session, "kd_gl11", {"KDCB", "NOMOR", "TANGGAL", "TG_INPUT", "CETAK"},
                        {"Cabang", "Nomor", "Tanggal", "Tg Input", "Cetak"}, branch, &number)) {
        return false;
      }
      bool found = false;
      if (!frame::Shown(session, TakeOutEntries(session, branch, number, &date, &entries, &found))) return false;
      if (!found) console::PESAN(con, "Nomor pemgambilan kertas kado lembaran tidak ada");
      return found;
    };
    if (!AskBranchAndNumber(session, " CETAK BUKTI PENGAMBILAN ", &branch, &number,
                            [&] { return pickers::GETCB(session, branch); }, number_valid)) {
      break;
    }
    if (!frame::AnsweredYes(con, "Cetak Form & Approval (Y/T)")) continue;
    if (!frame::Shown(session, PostTakeOut(session, branch, number, date, entries))) continue;
    PrintGiftWrapForm(session, false, number, date, entries);
  }
  return session.tables().CloseAll();
}

}  // namespace stock
