// AJUST: the opname adjustment of the pairs of a code and a warehouse prefix at the stock-taking date.
#include "console/alert.h"
#include "frame/question_box.h"
#include "frame/status_display.h"
#include "pickers/pickers.h"
#include "stock/opname.h"
#include "stock/stock_screens.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace stock {

xbase::Status AJUST(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, OpnameTables());
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  std::string code(10, ' '), warehouse(6, ' ');
  xbase::Date date = FirstTagDate(tables);
  while (frame::AskInBox(session, {"AJUSTMEN STOCK OPNAME"},
                         {{"KODE BARANG :", &code, "@!", [&] { return pickers::GETKODEBRG(session, &code); }},
                          {"GUDANG      :", &warehouse, "@!", [&] { return pickers::CEKGUDANG(session, &warehouse); }},
                          {"TANGGAL     :", &date, ""}})) {
    if (console::Alert(con, "Proses Ajustmen Stock Opname;Tanggal : " + xbase::Dtoc(date), {"Proses", "Batal"}) != 1) {
      continue;
    }
    const xbase::Status s = AdjustToCount(session, tables, xbase::RTrim(code), xbase::RTrim(warehouse), date,
                                          [&](const OpnamePair& pair) {
                                            con.Say(24, 0, xbase::PadR(pair.code + " " + pair.warehouse, 79),
                                                    con.Colour("W+/n"));
                                          });
    if (!frame::Checked(session, s)) break;
  }
  return session.tables().CloseAll();
}

}  // namespace stock
