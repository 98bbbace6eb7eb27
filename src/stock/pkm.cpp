#include "console/message.h"
#include "frame/question_box.h"
#include "pickers/pickers.h"
#include "stock/regeneration.h"
#include "stock/stock_screens.h"
#include "xbase/text_functions.h"

namespace stock {

xbase::Status PKM(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, RegenerationTables())) return xbase::Status::OK();
  std::string code(10, ' ');
  std::string warehouse = xbase::PadR(session.MMEMBER.warehouse, 6);
  while (frame::AskInBox(session, {" GENERATE STOCK"},
                         {{"KODE BARANG :", &code, "@!", [&] { return pickers::GETKODEBRG(session, &code); }},
                          {"GUDANG      :", &warehouse, "@!", [&] { return pickers::CEKGUDANG(session, &warehouse); }}})) {
    console::Console& con = session.console();
    const xbase::Status s = Regenerate(session.tables(), xbase::RTrim(code), xbase::RTrim(warehouse),
                                       [&](const std::string& item, const std::string& place) {
                                         con.Say(24, 0, xbase::PadR(item + " " + place, 79), con.Colour("W+/n"));
                                       });
    if (!frame::Shown(session, s)) break;
  }
  return session.tables().CloseAll();
}

}  // namespace stock
