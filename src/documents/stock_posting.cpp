// UPMASTERBARANG: the stock of goods in a warehouse and their total in the goods master, moved each row under its own
// lock.
#include "documents/stock_posting.h"

#include <string>

#include "documents/record_writes.h"
#include "documents/shared_postings.h"
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

// The warehouse row: moved under its lock, or appended (locked) with the movement from 0.
xbase::Status PostWarehouseRow(console::Console& con, xbase::WorkArea& stock, std::string_view code, std::string_view warehouse, double in,
                               double out) {
  frame::OrderScope scope(stock);
  const xbase::Status s = SeekWarehouseRow(stock, code, warehouse);
  if (!s.ok()) return s;
  if (stock.found()) return MoveField(con, stock, "JUMLAH", in, out);
  return AppendRecord(con, stock, {{"KODE", xbase::Value::Text(std::string(code))},
                                         {"GUDANG", xbase::Value::Text(std::string(warehouse))},
                                         {"JUMLAH", xbase::Value::Num(0 + in - out)}});
}

// The goods master's total, when the goods are there.
xbase::Status PostGoodsTotal(console::Console& con, xbase::WorkArea& goods, std::string_view code, double in, double out) {
  frame::OrderScope scope(goods);
  const xbase::Status s = SeekGoods(goods, code);
  if (!s.ok() || !goods.found()) return s;
  return MoveField(con, goods, "JUMLAH", in, out);
}

}  // namespace

xbase::Status UPMASTERBARANG(frame::Session& session, std::string_view code, std::string_view warehouse, double in,
                             double out) {
  xbase::WorkArea* stock = nullptr;
  xbase::WorkArea* goods = nullptr;
  xbase::Status s = RequireArea(session, "stokbrg", &stock);
  if (s.ok()) s = RequireArea(session, "mastbrj", &goods);
  if (s.ok()) s = PostWarehouseRow(session.console(), *stock, code, warehouse, in, out);
  if (s.ok()) s = PostGoodsTotal(session.console(), *goods, code, in, out);
  return s;
}

xbase::Status NameStockMove(SaveScope& save, frame::Session& session, std::string_view code,
                            std::string_view warehouse) {
  xbase::WorkArea* stock = nullptr;
  xbase::WorkArea* goods = nullptr;
  xbase::Status s = RequireArea(session, "stokbrg", &stock);
  if (s.ok()) s = RequireArea(session, "mastbrj", &goods);
  if (!s.ok()) return s;
  {
    frame::OrderScope scope(*stock);
    if (s = SeekWarehouseRow(*stock, code, warehouse); !s.ok()) return s;
    if (stock->found()) {
      save.Update(*stock, stock->recno());
    } else {
      save.Append(*stock);
    }
  }
  frame::OrderScope scope(*goods);
  if (s = SeekGoods(*goods, code); s.ok() && goods->found()) save.Update(*goods, goods->recno());
  return s;
}

}  // namespace documents
