// UPSTOCK and UPSTOCKGUDANG: the stock of the goods and of each warehouse moved by a receipt or return, with the
// moving average price.
#include <string>

#include "console/table_access.h"
#include "documents/named_records.h"
#include "documents/record_writes.h"
#include "documents/shared_postings.h"
#include "frame/order_scope.h"
#include "purchasing/purchasing.h"

namespace purchasing {
namespace {

// The descriptive fields a new goods row copies from the logistics item master.
constexpr const char* kCopiedFields[] = {"GOLONGAN", "INDUK", "NAMA", "NAMA2", "SATUAN", "HARGA",
                                         "HARGA1",   "HARGA2", "HARGA4", "PAK", "DOS"};

// The moving average after a movement, from the quantity and average before it; 0 when the
// movement leaves no quantity.
double MovingAverage(double quantity, double average, double in, double out, double price) {
  const double left = quantity + in - out;
  return left == 0 ? 0 : (quantity * average + in * price - out * price) / left;
}

// Seeks `key` on the index file `order` of `area`.
xbase::Status SeekOn(xbase::WorkArea& area, std::string_view order, const std::string& key) {
  xbase::Status s = area.SetOrder(order);
  return s.ok() ? area.Seek(key) : s;
}

// The goods master row: appended from the source of new goods (the logistics master, or the goods a
// transfer carries), else moved and averaged.
xbase::Status PostGoods(console::Console& con, xbase::WorkArea& goods, xbase::WorkArea& logistics, std::string_view code, double in,
                        double out, double gross, double net, double* average) {
  // The source of new goods is on the index named like its alias.
  const std::string order = logistics.alias();
  frame::OrderScope goods_order(goods);
  frame::OrderScope logistics_order(logistics);
  // A code missing from the logistics master leaves it at the end, where its fields read blank.
  xbase::Status s = SeekOn(logistics, order, logistics.PadToField("KODE", code));
  if (s.ok()) s = SeekOn(goods, "MASTBRJ1", goods.PadToField("KODE", code));
  if (!s.ok()) return s;
  if (!goods.found()) {
    documents::FieldValues fields = {{"KODE", xbase::Value::Text(std::string(code))}};
    for (const char* field : kCopiedFields) {
      xbase::Value value;
      if (s = logistics.Get(field, &value); !s.ok()) return s;
      fields.emplace_back(field, value);
    }
    fields.emplace_back("HRG_BELI", xbase::Value::Num(net));
    fields.emplace_back("HRG_RATA", xbase::Value::Num(net));
    fields.emplace_back("JUMLAH", xbase::Value::Num(in - out));
    return documents::AppendRecord(con, goods, fields);
  }
  if (s = console::LOCK_REC(con, goods); !s.ok()) return s;
  const double quantity = goods.Number("JUMLAH");
  *average = MovingAverage(quantity, goods.Number("HRG_RATA"), in, out, net);
  documents::FieldValues fields;
  if (gross != 0) fields.emplace_back("HRG_RATA", xbase::Value::Num(*average));
  fields.emplace_back("JUMLAH", xbase::Value::Num(quantity + in - out));
  return documents::PutAndRelease(goods, fields);
}

}  // namespace

xbase::Status UPSTOCKGUDANG(frame::Session& session, std::string_view code, std::string_view warehouse, double in,
                            double out, double price) {
  xbase::WorkArea* stock = nullptr;
  xbase::Status s = documents::RequireArea(session, "stokbrg", &stock);
  if (!s.ok()) return s;
  frame::OrderScope scope(*stock);
  s = SeekOn(*stock, "STOKBRG1", stock->PadToField("KODE", code) + stock->PadToField("GUDANG", warehouse));
  if (!s.ok()) return s;
  if (!stock->found()) {
    return documents::AppendRecord(session.console(), *stock, {{"KODE", xbase::Value::Text(std::string(code))},
                                   {"GUDANG", xbase::Value::Text(std::string(warehouse))},
                                   {"JUMLAH", xbase::Value::Num(in - out)},
                                   {"HRG_BELI", xbase::Value::Num(price)},
                                   {"HRG_POKOK", xbase::Value::Num(price)},
                                   {"HRG_RATA", xbase::Value::Num(price)}});
  }
  if (s = console::LOCK_REC(session.console(), *stock); !s.ok()) return s;
  const double quantity = stock->Number("JUMLAH");
  documents::FieldValues fields = {{"JUMLAH", xbase::Value::Num(quantity + in - out)}};
  if (price != 0) {
    fields.emplace_back("HRG_RATA", xbase::Value::Num(MovingAverage(quantity, stock->Number("HRG_RATA"), in, out, price)));
  }
  return documents::PutAndRelease(*stock, fields);
}

xbase::Status UPSTOCK(frame::Session& session, std::string_view warehouse, std::string_view code, double in,
                      double out, double price, double disc1, double disc2, double cash1, double cash2,
                      double* average, std::string_view source) {
  const double net = price * (100 - disc1) / 100 * (100 - disc2) / 100 * (100 - cash1) / 100 * (100 - cash2) / 100;
  *average = net;
  xbase::WorkArea* goods = nullptr;
  xbase::WorkArea* logistics = nullptr;
  xbase::Status s = documents::RequireArea(session, "mastbrj", &goods);
  if (s.ok()) s = documents::RequireArea(session, source, &logistics);
  if (s.ok()) s = PostGoods(session.console(), *goods, *logistics, code, in, out, price, net, average);
  if (s.ok()) s = UPSTOCKGUDANG(session, code, warehouse, in, out, net);
  return s;
}

xbase::Status NameStockPost(documents::SaveScope& save, frame::Session& session, std::string_view warehouse,
                            std::string_view code) {
  xbase::WorkArea* goods = nullptr;
  xbase::WorkArea* stock = nullptr;
  xbase::Status s = documents::RequireArea(session, "mastbrj", &goods);
  if (s.ok()) s = documents::RequireArea(session, "stokbrg", &stock);
  if (s.ok()) s = documents::NameKeyedRecord(save, *goods, "MASTBRJ1", goods->PadToField("KODE", code));
  if (s.ok()) {
    s = documents::NameKeyedRecord(save, *stock, "STOKBRG1",
                                   stock->PadToField("KODE", code) + stock->PadToField("GUDANG", warehouse));
  }
  return s;
}

}  // namespace purchasing
