// LKARTU "Kartu Stock": the stock card of a range of goods in a warehouse from a date; a text report.
#include <algorithm>

#include "frame/question_box.h"
#include "frame/status_display.h"
#include "pickers/pickers.h"
#include "stock/report_text.h"
#include "stock/movements.h"
#include "stock/stock_card.h"
#include "stock/stock_screens.h"
#include "xbase/text_functions.h"

namespace stock {

xbase::Status LKARTU(frame::Session& session, const Args&) {
  std::vector<frame::TableUse> uses = {{"MASTBRJ"}, {"MASTGDG"}, {"STOKBRG"}};
  for (const std::string_view name : MovementTables()) uses.push_back({name});
  const frame::OpenedTables tables = frame::OpenTables(session, uses);
  if (!tables) return xbase::Status::OK();
  std::string from(10, ' '), to(10, ' ');
  std::string warehouse = xbase::PadR(session.MMEMBER.warehouse, 6);
  xbase::Date date = session.Today();
  double per_page = 55;
  while (frame::AskInBox(session, {"KARTU STOCK"},
                         {{"KODE BARANG  :", &from, "@!", [&] { return pickers::GETKODEBRG(session, &from, true, &to); }},
                          {"s/d KODE     :", &to, "@!", [&] { return pickers::GETKODEBRG(session, &to); }},
                          {"GUDANG       :", &warehouse, "@!", [&] { return pickers::CEKGUDANG(session, &warehouse); }},
                          {"DARI TANGGAL :", &date, ""},
                          {"BRS/HALAMAN  :", &per_page, "999"}})) {
    StockCardAsk ask{from, to, warehouse, date, std::max(1, static_cast<int>(per_page))};
    frame::ReportPages pages;
    if (!frame::Checked(session, StockCardPages(session, tables, ask, &pages))) continue;
    frame::ReportLayout layout = StockLayout(129, "Kartu Stock per gudang", 5, 5);
    frame::PrintPages(session, pages, layout);
  }
  return session.tables().CloseAll();
}

}  // namespace stock
