// LSTAKHIR: the closing stock of the warehouse rows of a code range, group and warehouse.
#include <algorithm>

#include "frame/question_box.h"
#include "frame/status_display.h"
#include "pickers/pickers.h"
#include "stock/stock_list.h"
#include "stock/stock_screens.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"
#include "xbase/work_area.h"

namespace stock {
namespace {

xbase::Status ClosingRows(const frame::OpenedTables& tables, std::string_view from, std::string_view to,
                          std::string_view group, std::string_view warehouse, std::vector<StockListRow>* rows) {
  xbase::WorkArea& stock = tables["stokbrg"];
  xbase::WorkArea& goods = tables["mastbrj"];
  xbase::Status s = stock.SetOrder("STOKBRG1");
  if (s.ok()) s = stock.Seek(std::string(from), true);
  while (s.ok() && !stock.eof()) {
    const std::string code = stock.Text("KODE");
    if (!to.empty() && std::string_view(code).substr(0, to.size()) > to) break;
    if (stock.Number("JUMLAH") != 0 && stock.Text("GUDANG").starts_with(warehouse)) {
      s = goods.Seek(goods.PadToField("KODE", code));
      if (s.ok() && goods.Text("GOLONGAN").starts_with(group)) {
        rows->push_back({code, goods.Text("NAMA"), goods.Number("HARGA4"), stock.Text("GUDANG"), stock.Number("JUMLAH"),
                         goods.Number("DOS"), stock.Number("HRG_RATA")});
      }
    }
    if (s.ok()) s = stock.Skip();
  }
  return s;
}

}  // namespace

xbase::Status LSTAKHIR(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, {{"mastbrj"}, {"mastgdg"}, {"stokbrg"}});
  if (!tables) return xbase::Status::OK();
  std::string from(10, ' '), to(10, ' '), group(10, ' ');
  std::string warehouse = xbase::PadR(session.MMEMBER.warehouse, 6);
  double per_page = 55;
  while (frame::AskInBox(session, {"STOCK AKHIR"},
                         {{"KODE     :", &from, "@!", [&] { return pickers::GETKODEBRG(session, &from, true, &to); }},
                          {"s/d KODE :", &to, "@!", [&] { return pickers::GETKODEBRG(session, &to); }},
                          {"GOLONG   :", &group, "@!"},
                          {"GUDANG   :", &warehouse, "@!"},
                          {"BRS/HAL  :", &per_page, "999"}})) {
    std::vector<StockListRow> rows;
    if (!frame::Checked(session, ClosingRows(tables, xbase::RTrim(from), xbase::RTrim(to), xbase::RTrim(group),
                                           xbase::RTrim(warehouse), &rows))) {
      continue;
    }
    frame::PrintPages(session,
                      StockListPages("STOCK AKHIR per : " + xbase::Dtoc(session.Today()), rows,
                                     std::max(2, static_cast<int>(per_page))),
                      StockListLayout());
  }
  return session.tables().CloseAll();
}

}  // namespace stock
