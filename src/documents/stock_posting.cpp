// Stock posting: the warehouse rows and the goods master's totals, each row moved under its own lock.
#include "documents/stock_posting.h"

#include <string>
#include <utility>

#include "console/table_access.h"
#include "documents/shared_postings.h"
#include "frame/open_table.h"
#include "frame/order_scope.h"

namespace documents {
namespace {

// Stands on the item's warehouse row (found() false when there is none).
xbase::Status SeekWarehouseRow(xbase::WorkArea& stock, std::string_view code, std::string_view warehouse) {
  // Chosen by name: the callers may have opened the two index files in either order.
  xbase::Status s = stock.SetOrder("STOKBRG2");
  if (s.ok()) s = stock.Seek(stock.PadToField("GUDANG", warehouse) + stock.PadToField("KODE", code));
  return s;
}

// Stands on the goods' master row (found() false when there is none).
xbase::Status SeekGoods(xbase::WorkArea& goods, std::string_view code) {
  xbase::Status s = goods.SetOrder("MASTBRJ1");
  if (s.ok()) s = goods.Seek(goods.PadToField("KODE", code));
  return s;
}

// The row the area stands on: JUMLAH moved with the fields of `more`, under the row's lock.
xbase::Status MoveRow(console::Console& con, xbase::WorkArea& area, double in, double out,
                      const StockRowFields& more) {
  xbase::Status s = console::LOCK_REC(con, area);
  if (!s.ok()) return s;
  // The lock re-read the record: the quantity moves from what is stored now.
  const double before = area.Number("JUMLAH");
  FieldValues fields = {{"JUMLAH", xbase::Value::Num(before + in - out)}};
  if (more) {
    for (auto& field : more(area, true, before)) fields.push_back(std::move(field));
  }
  return PutAndRelease(area, fields);
}

}  // namespace

xbase::Status PostWarehouseRow(console::Console& con, xbase::WorkArea& stock, std::string_view code,
                               std::string_view warehouse, double in, double out, const StockRowFields& more) {
  frame::OrderScope scope(stock);
  const xbase::Status s = SeekWarehouseRow(stock, code, warehouse);
  if (!s.ok()) return s;
  if (stock.found()) return MoveRow(con, stock, in, out, more);
  FieldValues fields = {{"KODE", xbase::Value::Text(std::string(code))},
                        {"GUDANG", xbase::Value::Text(std::string(warehouse))},
                        {"JUMLAH", xbase::Value::Num(0 + in - out)}};
  if (more) {
    for (auto& field : more(stock, false, 0)) fields.push_back(std::move(field));
  }
  return AppendRecord(con, stock, fields);
}

xbase::Status PostGoodsRow(console::Console& con, xbase::WorkArea& goods, std::string_view code, double in,
                           double out, const StockRowFields& more, bool* found) {
  frame::OrderScope scope(goods);
  const xbase::Status s = SeekGoods(goods, code);
  if (found != nullptr) *found = s.ok() && goods.found();
  if (!s.ok() || !goods.found()) return s;
  return MoveRow(con, goods, in, out, more);
}

xbase::Status UPMASTERBARANG(frame::Session& session, std::string_view code, std::string_view warehouse, double in,
                             double out) {
  xbase::WorkArea* stock = nullptr;
  xbase::WorkArea* goods = nullptr;
  xbase::Status s = frame::RequireArea(session, "stokbrg", &stock);
  if (s.ok()) s = frame::RequireArea(session, "mastbrj", &goods);
  if (s.ok()) s = PostWarehouseRow(session.console(), *stock, code, warehouse, in, out);
  if (s.ok()) s = PostGoodsRow(session.console(), *goods, code, in, out);
  return s;
}

xbase::Status NameWarehouseRow(SaveScope& save, xbase::WorkArea& stock, std::string_view code,
                               std::string_view warehouse) {
  frame::OrderScope scope(stock);
  const xbase::Status s = SeekWarehouseRow(stock, code, warehouse);
  if (!s.ok()) return s;
  if (stock.found()) {
    save.Update(stock, stock.recno());
  } else {
    save.Append(stock);
  }
  return s;
}

xbase::Status NameStockMove(SaveScope& save, frame::Session& session, std::string_view code,
                            std::string_view warehouse) {
  xbase::WorkArea* stock = nullptr;
  xbase::WorkArea* goods = nullptr;
  xbase::Status s = frame::RequireArea(session, "stokbrg", &stock);
  if (s.ok()) s = frame::RequireArea(session, "mastbrj", &goods);
  if (s.ok()) s = NameWarehouseRow(save, *stock, code, warehouse);
  if (!s.ok()) return s;
  frame::OrderScope scope(*goods);
  if (s = SeekGoods(*goods, code); s.ok() && goods->found()) save.Update(*goods, goods->recno());
  return s;
}

}  // namespace documents
