// The pages of the stock lists that value each warehouse row twice, at the selling price and at an
// average cost: the closing stock and the stock at a date with its average.
#include "stock/stock_list.h"

#include <algorithm>

#include "frame/open_table.h"
#include "frame/question_box.h"
#include "frame/status_display.h"
#include "pickers/pickers.h"
#include "stock/report_text.h"
#include "xbase/text_functions.h"

namespace stock {

frame::ReportPages StockListPages(const std::string& title, const std::vector<StockListRow>& rows, int per_page) {
  const std::string rule(131, '=');
  const std::vector<std::string> heading = {
      title, rule,
      "                                                           ----------------JUMLAH-----------------   HARGA RATA2"
      "        NILAI RATA2",
      "  NO. KODE       NAMA                         HARGA GUDANG        QTY       CRT              NILAI             "
      "                    ",
      rule};
  const int rows_per_page = std::max(1, per_page - 1);
  frame::ReportPages pages;
  double cartons = 0, value = 0, average_value = 0;
  const auto close = [&] {
    pages.back().push_back({rule, "", 0});
    pages.back().push_back({std::string(59, ' ') + "JUMLAH : " + Fig(cartons, " 99,999,999") +
                                Fig(value, " 999,999,999,999.99") + std::string(14, ' ') +
                                Fig(average_value, " 999,999,999,999.99"),
                            "", 0});
  };
  for (size_t i = 0; i < rows.size(); ++i) {
    if (static_cast<int>(i) % rows_per_page == 0) {
      if (i > 0) close();
      pages.emplace_back();
      for (const std::string& line : heading) pages.back().push_back({line, "", 0});
    }
    const StockListRow& row = rows[i];
    const double boxes = Cartons(row.quantity, row.per_carton);
    cartons += boxes;
    value += row.quantity * row.price;
    average_value += row.quantity * row.average;
    pages.back().push_back({Fig(static_cast<double>(i + 1), "9999. ") + row.code + " " + Cut(row.name, 20) +
                                Fig(row.price, " 99,999,999.99 ") + row.warehouse + Fig(row.quantity, " 99,999,999") +
                                Fig(boxes, " 9,999,999") + Fig(row.quantity * row.price, " 999,999,999,999.99") +
                                Fig(row.average, " 99,999,999.99") + Fig(row.quantity * row.average, " 999,999,999,999.99"),
                            "", 0});
  }
  if (!pages.empty()) close();
  return pages;
}

void AskStockAtDate(frame::Session& session,
                    const std::function<xbase::Status(std::string_view code, std::string_view warehouse, xbase::Date date,
                                                      int per_page)>& report) {
  std::string code(10, ' ');
  std::string warehouse = xbase::PadR(session.MMEMBER.warehouse, 6);
  xbase::Date date = session.Today();
  double per_page = 55;
  while (frame::AskInBox(session, {"STOCK per TANGGAL"},
                         {{"KODE BARANG :", &code, "@!", [&] { return pickers::GETKODEBRG(session, &code); }},
                          {"GUDANG      :", &warehouse, "@!", [&] { return pickers::CEKGUDANG(session, &warehouse); }},
                          {"per TANGGAL :", &date, ""},
                          {"BRS/HALAMAN :", &per_page, "999"}})) {
    frame::ShowFailure(session, report(xbase::RTrim(code), xbase::RTrim(warehouse), date, std::max(2, static_cast<int>(per_page))));
  }
}

frame::ReportLayout StockListLayout() {
  frame::ReportLayout layout = StockLayout(131, "rekap jual", 2, 6);
  return layout;
}

}  // namespace stock
