// DAFTBARANG: the goods of a code prefix and group with their price and packing.
#include <algorithm>

#include "frame/question_box.h"
#include "frame/report_pages.h"
#include "frame/status_display.h"
#include "pickers/pickers.h"
#include "stock/report_text.h"
#include "stock/stock_screens.h"
#include "xbase/date_functions.h"
#include "xbase/work_area.h"

namespace stock {
namespace {

xbase::Status GoodsPages(frame::Session& session, xbase::WorkArea& goods, std::string_view code, std::string_view group,
                         int per_page, frame::ReportPages* pages) {
  const std::string rule(65, '=');
  const std::vector<std::string> heading = {"DAFTAR BARANG : " + xbase::Dtoc(session.Today()), rule,
                                            "                                                         ISI     ",
                                            "  NO. KODE       NAMA                         HARGA -------------",
                                            "                                                       BOX    PAK", rule};
  const int rows_per_page = std::max(1, per_page - 1);
  int n = 0;
  xbase::Status s = goods.SetOrder("MASTBRJ1");
  if (s.ok()) s = goods.Seek(std::string(code), true);
  while (s.ok() && !goods.eof() && goods.Text("KODE").starts_with(code)) {
    if (goods.Text("GOLONGAN").starts_with(group)) {
      if (n % rows_per_page == 0) {
        if (n > 0) pages->back().push_back({rule, "N", 0});
        pages->emplace_back();
        for (const std::string& line : heading) pages->back().push_back({line, "N", 0});
      }
      pages->back().push_back({Fig(++n, "9999. ") + goods.Text("KODE") + " " + Cut(goods.Text("NAMA"), 20) +
                                   Fig(goods.Number("HARGA4"), " 99,999,999.99") + Fig(goods.Number("DOS"), " 999999") +
                                   Fig(goods.Number("PAK"), " 999999"),
                               "N", 0});
    }
    s = goods.Skip();
  }
  if (n > 0) pages->back().push_back({rule, "N", 0});
  return s;
}

}  // namespace

xbase::Status DAFTBARANG(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, {{"mastbrj"}});
  if (!tables) return xbase::Status::OK();
  std::string code(10, ' '), group(10, ' ');
  double per_page = 55;
  while (frame::AskInBox(session, {"DAFTAR BARANG"},
                         {{"KODE    :", &code, "@!", [&] { return pickers::GETKODEBRG(session, &code); }},
                          {"GOLONG  :", &group, "@!"},
                          {"BRS/HAL :", &per_page, "999"}})) {
    frame::ReportPages pages;
    if (!frame::Checked(session, GoodsPages(session, tables["mastbrj"], xbase::RTrim(code), xbase::RTrim(group),
                                          std::max(2, static_cast<int>(per_page)), &pages))) {
      continue;
    }
    frame::ReportLayout layout = StockLayout(65, "MASTER", 2, 7);
    frame::PrintPages(session, pages, layout);
  }
  return session.tables().CloseAll();
}

}  // namespace stock
