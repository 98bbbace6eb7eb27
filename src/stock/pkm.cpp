// PKM "Generate Stock": the stock quantities and moving average costs of goods in a warehouse rebuilt from their
// movements.
#include "console/message.h"
#include "frame/question_box.h"
#include "frame/status_display.h"
#include "pickers/pickers.h"
#include "stock/regeneration.h"
#include "stock/stock_screens.h"
#include "xbase/text_functions.h"

namespace stock {

// The movement tables are held exclusively only while a run lasts: the box that asks for the next
// run works on the goods and warehouses opened shared, so other workstations need not wait on it.
xbase::Status PKM(frame::Session& session, const Args&) {
  std::string code(10, ' ');
  std::string warehouse = xbase::PadR(session.MMEMBER.warehouse, 6);
  for (;;) {
    if (!frame::OpenTables(session, {{"MASTBRJ"}, {"MASTGDG"}})) return xbase::Status::OK();
    const bool asked = frame::AskInBox(
        session, {" GENERATE STOCK"},
        {{"KODE BARANG :", &code, "@!", [&] { return pickers::GETKODEBRG(session, &code); }},
         {"GUDANG      :", &warehouse, "@!", [&] { return pickers::CEKGUDANG(session, &warehouse); }}});
    const xbase::Status closed = session.tables().CloseAll();
    if (!asked || !frame::Checked(session, closed)) return xbase::Status::OK();
    if (!frame::OpenTables(session, RegenerationTables())) return xbase::Status::OK();
    console::Console& con = session.console();
    const xbase::Status s = Regenerate(session.tables(), xbase::RTrim(code), xbase::RTrim(warehouse),
                                       [&](const std::string& item, const std::string& place) {
                                         con.Say(24, 0, xbase::PadR(item + " " + place, 79), con.Colour("W+/n"));
                                       });
    const xbase::Status released = session.tables().CloseAll();
    if (!frame::Checked(session, s) || !frame::Checked(session, released)) return xbase::Status::OK();
  }
}

}  // namespace stock
