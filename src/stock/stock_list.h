// The pages of the stock lists that value each warehouse row twice, at the selling price and at an
// average cost: the closing stock and the stock at a date with its average.
#ifndef PALUNDA_STOCK_STOCK_LIST_H_
#define PALUNDA_STOCK_STOCK_LIST_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/report_pages.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace stock {

struct StockListRow {
  std::string code;
  std::string name;
  double price = 0;  // HARGA4
  std::string warehouse;
  double quantity = 0;
  double per_carton = 0;
  double average = 0;
};

// Numbered rows under `title` (+ the columns), one row less than `per_page` a page, each page ending
// with the rule and the running sums of cartons, value and average value.
frame::ReportPages StockListPages(const std::string& title, const std::vector<StockListRow>& rows, int per_page);

// The box of both stock-at-date reports, "STOCK per TANGGAL": code, warehouse (the user's), date
// (today) and rows a page (55); `report` runs on each answer (trimmed) until Esc, and the first
// failure it gives is shown.
void AskStockAtDate(frame::Session& session,
                    const std::function<xbase::Status(std::string_view code, std::string_view warehouse, xbase::Date date,
                                                      int per_page)>& report);

// The layout of the stock lists: "rekap jual", width 131, left margin 2, first body row 6.
frame::ReportLayout StockListLayout();

}  // namespace stock

#endif  // PALUNDA_STOCK_STOCK_LIST_H_
