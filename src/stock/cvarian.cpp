// CVARIAN: the counted stock against the stock the movements give at the stock-taking date, in
// pieces, cartons and value.
#include <algorithm>
#include <array>

#include "frame/question_box.h"
#include "frame/report_pages.h"
#include "frame/status_display.h"
#include "pickers/pickers.h"
#include "stock/opname.h"
#include "stock/report_text.h"
#include "stock/stock_screens.h"
#include "xbase/date_functions.h"

namespace stock {
namespace {

// Computer, physical and variance in pieces, cartons and value.
using Figures = std::array<double, 9>;

constexpr const char* kPictures[] = {" 9,999,999", " 9,999,999", " 9,999,999", " 9,999,999",      " 999999.99",
                                     " 999999.99", " 999,999,999,999", " 999,999,999,999", " 999,999,999,999"};

std::string FigureCells(const Figures& figures) {
  std::string cells;
  for (size_t i = 0; i < figures.size(); ++i) cells += Fig(figures[i], kPictures[i]);
  return cells;
}

Figures FiguresOf(const OpnamePair& pair) {
  const double computer = pair.at_date, physical = pair.counted, variance = physical - computer;
  return {computer, physical, variance,
          Cartons(computer, pair.per_carton), Cartons(physical, pair.per_carton), Cartons(variance, pair.per_carton),
          computer * pair.price, physical * pair.price, variance * pair.price};
}

frame::ReportPages VariancePages(const std::vector<OpnamePair>& pairs, xbase::Date date, int per_page) {
  const std::string heads1 = std::string(49, ' ') + "  ---------QUANTITY---------" + "  ----------CARTON----------" +
                             "  -------------------VALUE--------------------";
  const std::string heads2 = Cut("KODE       NAMA BARANG", 31) + xbase::PadL("HARGA", 11) + " GUDANG" +
                             "  KOMPUTER     FISIK  VARIANCE  KOMPUTER     FISIK  VARIANCE" +
                             xbase::PadL("KOMPUTER (Rp.)", 16) + xbase::PadL("FISIK (Rp.)", 16) +
                             xbase::PadL("VARIANCE (Rp.)", 16);
  const std::string rule(heads2.size(), '=');
  const std::vector<std::string> heading = {"VARIANCE STOCK FISIK vs DATA STOCK KOMPUTER ",
                                            "TANGGAL STOCK OPNAME : " + xbase::Dtoc(date), rule, heads1, heads2, rule};
  frame::ReportPages pages;
  Figures totals{};
  const auto close = [&] {
    pages.back().push_back({rule, "C", 0});
    pages.back().push_back({Cut("JUMLAH", 49) + FigureCells(totals), "C", 0});
  };
  int rows = per_page;
  for (const OpnamePair& pair : pairs) {
    if (pair.at_date == 0 && pair.counted == 0) continue;
    if (rows >= per_page) {
      if (!pages.empty()) close();
      pages.emplace_back();
      for (const std::string& line : heading) pages.back().push_back({line, "C", 0});
      rows = 0;
    }
    const Figures figures = FiguresOf(pair);
    for (size_t i = 0; i < totals.size(); ++i) totals[i] += figures[i];
    pages.back().push_back({pair.code + " " + Cut(pair.name, 20) + Fig(pair.price, " 9999999.99 ") + pair.warehouse +
                                FigureCells(figures),
                            "C", 0});
    ++rows;
  }
  if (!pages.empty()) close();
  return pages;
}

}  // namespace

xbase::Status CVARIAN(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, OpnameTables());
  if (!tables) return xbase::Status::OK();
  std::string code(10, ' '), warehouse(6, ' ');
  xbase::Date date = FirstTagDate(tables);
  double per_page = 45;
  while (frame::AskInBox(session, {"VARIAN STOCK FISIK vs KOMPUTER"},
                         {{"KODE BARANG :", &code, "@!", [&] { return pickers::GETKODEBRG(session, &code); }},
                          {"GUDANG      :", &warehouse, "@!", [&] { return pickers::CEKGUDANG(session, &warehouse); }},
                          {"TANGGAL     :", &date, ""},
                          {"BRS/HALAMAN :", &per_page, "999"}})) {
    std::vector<OpnamePair> pairs;
    if (!frame::Checked(session,
                        OpnamePairs(session, tables, xbase::RTrim(code), xbase::RTrim(warehouse), date, &pairs))) {
      continue;
    }
    frame::ReportLayout layout = StockLayout(157, "rekap jual", 2, 7);
    frame::PrintPages(session, VariancePages(pairs, date, std::max(1, static_cast<int>(per_page))), layout);
  }
  return session.tables().CloseAll();
}

}  // namespace stock
