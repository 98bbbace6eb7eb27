// CDTTAG: the stock-taking tags of a number and a code prefix, valued at the selling price.
#include <algorithm>

#include "frame/question_box.h"
#include "frame/report_pages.h"
#include "frame/status_display.h"
#include "pickers/pickers.h"
#include "stock/report_text.h"
#include "stock/stock_screens.h"
#include "xbase/work_area.h"

namespace stock {
namespace {

constexpr std::string_view kColumns =
    " NO. NOMOR      KODE       NAMA                        HARGA GUDANG LOKASI    QUANTITY    CARTON             NILAI";

xbase::Status TagPages(const frame::OpenedTables& tables, std::string_view number, std::string_view code, int per_page,
                       frame::ReportPages* pages) {
  xbase::WorkArea& tags = tables["opname"];
  xbase::WorkArea& goods = tables["mastbrj"];
  const std::string rule(kColumns.size(), '=');
  int n = 0;
  double cartons = 0, value = 0;
  const auto close = [&] {
    pages->back().push_back({rule, "", 0});
    pages->back().push_back({xbase::PadL("JUMLAH : ", 86) + Fig(cartons, " 9,999,999") + Fig(value, " 99,999,999,999.99"), "", 0});
  };
  xbase::Status s = tags.SetOrder("OPNAME1");
  if (s.ok()) s = tags.Seek(std::string(number), true);
  while (s.ok() && !tags.eof() && tags.Text("NOMOR").starts_with(number)) {
    const std::string item = tags.Text("KODE");
    if (item.starts_with(code)) {
      if (n % per_page == 0) {
        if (n > 0) close();
        pages->push_back({{"", "", 0}, {rule, "", 0}, {std::string(kColumns), "", 0}, {rule, "", 0}});
      }
      s = goods.SetOrder("MASTBRJ1");
      if (s.ok()) s = goods.Seek(goods.PadToField("KODE", item));
      const bool known = s.ok() && goods.found();
      const double price = known ? goods.Number("HARGA4") : 0, pieces = tags.Number("JUMLAH");
      const double boxes = Cartons(pieces, known ? goods.Number("DOS") : 0);
      cartons += boxes;
      value += price * pieces;
      pages->back().push_back({Fig(++n, "9999 ") + tags.Text("NOMOR") + " " + item + " " +
                                   Cut(known ? goods.Text("NAMA") : "", 20) + Fig(price, " 9,999,999.99 ") +
                                   tags.Text("GUDANG") + " " + tags.Text("LOKASI") + Fig(pieces, " 999,999,999") +
                                   Fig(boxes, " 9,999,999") + Fig(price * pieces, " 99,999,999,999.99"),
                               "", 0});
    }
    if (s.ok()) s = tags.Skip();
  }
  if (n > 0) close();
  return s;
}

}  // namespace

xbase::Status CDTTAG(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, {{"mastbrj"}, {"opname"}});
  if (!tables) return xbase::Status::OK();
  std::string number(10, ' '), code(10, ' ');
  double per_page = 50;
  while (frame::AskInBox(session, {"CETAK DATA TAG"},
                         {{"NOMOR   :", &number, "@!"},
                          {"KODE    :", &code, "@!", [&] { return pickers::GETKODEBRG(session, &code); }},
                          {"BRS/HAL :", &per_page, "999"}})) {
    frame::ReportPages pages;
    if (!frame::Checked(session, TagPages(tables, xbase::RTrim(number), xbase::RTrim(code),
                                        std::max(1, static_cast<int>(per_page)), &pages))) {
      continue;
    }
    frame::ReportLayout layout = StockLayout(static_cast<int>(kColumns.size()), "stk tag", 5, 5);
    frame::PrintPages(session, pages, layout);
  }
  return session.tables().CloseAll();
}

}  // namespace stock
