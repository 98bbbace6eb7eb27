// _LSTPRTGL: the stock of each warehouse row at a date with the average cost the adjustments and
// receipts up to the date give it.
#include <algorithm>
#include <tuple>

#include "stock/movements.h"
#include "stock/stock_list.h"
#include "stock/stock_screens.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"
#include "xbase/work_area.h"

namespace stock {
namespace {

// The row of one warehouse: the quantity and printed average from its movements up to the date,
// adjustments first, then receipts, then the movements that change the quantity only.
StockListRow RowAt(const std::vector<Movement>& movements, size_t first, size_t end, xbase::Date date,
                   const xbase::WorkArea& goods, StockListRow row) {
  double average = goods.Number("HRG_RATA") == 0 ? goods.Number("HARGA4") : goods.Number("HRG_RATA");
  row.average = goods.Number("HARGA4");
  for (size_t source = 0; source < MovementSources().size(); ++source) {
    for (size_t i = first; i < end; ++i) {
      const Movement& m = movements[i];
      if (m.source != source || m.date > date) continue;
      const double quantity = Signed(m);
      if ((source == kAdjustments && quantity > 0) || source == kReceipts) {
        const double price = source == kReceipts ? m.price : m.average;
        if (row.quantity + quantity != 0) {
          average = (row.quantity * average + quantity * price) / (row.quantity + quantity);
        }
      }
      row.quantity += quantity;
      if (source == kAdjustments || source == kReceipts) row.average = average;
    }
  }
  return row;
}

xbase::Status RowsAt(frame::Session& session, const frame::OpenedTables& tables, std::string_view code,
                     std::string_view warehouse, xbase::Date date, std::vector<StockListRow>* rows) {
  std::vector<Movement> movements;
  const std::string prefix(code);
  xbase::Status s = CollectMovements(session.tables(), {prefix, prefix, std::string(warehouse)}, &movements);
  xbase::WorkArea& stock = tables["Stokbrg"];
  xbase::WorkArea& goods = tables["mastbrj"];
  if (s.ok()) s = stock.SetOrder("STOKBRG1");
  if (s.ok()) s = stock.Seek(prefix, true);
  size_t at = 0;
  while (s.ok() && !stock.eof() && stock.Text("KODE").starts_with(prefix)) {
    const std::string item = stock.Text("KODE"), place = stock.Text("GUDANG");
    if (place.starts_with(warehouse)) {
      s = goods.Seek(goods.PadToField("KODE", item));
      // Both lists run in code + warehouse order: the movements of this row follow those passed.
      while (at < movements.size() && std::tie(movements[at].code, movements[at].warehouse) < std::tie(item, place)) ++at;
      size_t end = at;
      while (end < movements.size() && movements[end].code == item && movements[end].warehouse == place) ++end;
      const StockListRow row =
          RowAt(movements, at, end, date, goods, {item, goods.Text("NAMA"), goods.Number("HARGA4"), place, 0, goods.Number("DOS"), 0});
      if (row.quantity != 0) rows->push_back(row);
      at = end;
    }
    if (s.ok()) s = stock.Skip();
  }
  return s;
}

}  // namespace

xbase::Status LSTPRTGL_(frame::Session& session, const Args&) {
  std::vector<frame::TableUse> uses = {{"mastgdg"}, {"mastbrj"}, {"Stokbrg"}};
  for (const std::string_view name : MovementTables()) uses.push_back({name});
  const frame::OpenedTables tables = frame::OpenTables(session, uses);
  if (!tables) return xbase::Status::OK();
  AskStockAtDate(session, [&](std::string_view code, std::string_view warehouse, xbase::Date date, int per_page) {
    std::vector<StockListRow> rows;
    const xbase::Status s = RowsAt(session, tables, code, warehouse, date, &rows);
    if (s.ok()) {
      frame::PrintPages(session, StockListPages("STOCK per TANGGAL : " + xbase::Dtoc(date), rows, per_page),
                        StockListLayout());
    }
    return s;
  });
  return session.tables().CloseAll();
}

}  // namespace stock
