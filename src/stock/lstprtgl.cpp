// LSTPRTGL: the stock of each warehouse row at a date, from the movement lines dated up to it.
#include <algorithm>

#include "frame/report_pages.h"
#include "stock/opname.h"
#include "stock/report_text.h"
#include "stock/stock_list.h"
#include "stock/stock_screens.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace stock {
namespace {

frame::ReportPages StockAtDatePages(const std::vector<OpnamePair>& pairs, xbase::Date date, int per_page) {
  const std::string rule(90, '=');
  const std::vector<std::string> heading = {
      "STOCK PER TANGGAL : " + xbase::Dtoc(date), rule,
      "KODE       NAMA BARANG                 HARGA GUDANG  QUANTITY    CARTON              VALUE", rule};
  frame::ReportPages pages;
  double quantity = 0, cartons = 0, value = 0;
  const auto close = [&] {
    pages.back().push_back({rule, "", 0});
    pages.back().push_back({std::string(10, ' ') + " " + std::string(20, ' ') + " " + std::string(10, ' ') + " " +
                                "  JUMLAH" + Fig(quantity, " 9,999,999") + Fig(cartons, " 9,999,999") +
                                Fig(value, " 999,999,999,999.99"),
                            "", 0});
  };
  int rows = per_page;
  for (const OpnamePair& pair : pairs) {
    if (!pair.has_row || pair.at_date == 0) continue;
    if (rows >= per_page) {
      if (!pages.empty()) close();
      pages.emplace_back();
      for (const std::string& line : heading) pages.back().push_back({line, "", 0});
      rows = 0;
    }
    const double boxes = Cartons(pair.at_date, pair.per_carton);
    quantity += pair.at_date;
    cartons += boxes;
    value += pair.at_date * pair.price;
    pages.back().push_back({pair.code + " " + Cut(pair.name, 20) + Fig(pair.price, " 9,999,999.99 ") + pair.warehouse +
                                Fig(pair.at_date, " 9,999,999") + Fig(boxes, " 9,999,999") +
                                Fig(pair.at_date * pair.price, " 999,999,999,999.99"),
                            "", 0});
    ++rows;
  }
  if (!pages.empty()) close();
  return pages;
}

}  // namespace

xbase::Status LSTPRTGL(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, OpnameTables());
  if (!tables) return xbase::Status::OK();
  AskStockAtDate(session, [&](std::string_view code, std::string_view warehouse, xbase::Date date, int per_page) {
    std::vector<OpnamePair> pairs;
    const xbase::Status s = OpnamePairs(session, tables, code, warehouse, date, &pairs);
    if (s.ok()) frame::PrintPages(session, StockAtDatePages(pairs, date, per_page), StockLayout(90, "rekap jual", 2, 5));
    return s;
  });
  return session.tables().CloseAll();
}

}  // namespace stock
