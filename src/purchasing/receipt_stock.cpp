// UPSTOCK and UPSTOCKGUDANG: the stock of the goods and of each warehouse moved by a receipt or return, with the
// moving average price; the rows are written through the stock posting of documents.
#include <string>

#include "documents/named_records.h"
#include "documents/record_writes.h"
#include "documents/shared_postings.h"
#include "documents/stock_posting.h"
#include "frame/open_table.h"
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

// A goods row for new goods: the code, the descriptions of the source (blank when the source lacks
// the code), the net price as purchase and average price, the quantity.
xbase::Status AppendGoods(console::Console& con, xbase::WorkArea& goods, xbase::WorkArea& source, std::string_view code,
                          double in, double out, double net) {
  // The source of new goods is on the index named like its alias.
  const std::string order = source.alias();
  frame::OrderScope source_order(source);
  // A code missing from the source leaves it at the end, where its fields read blank.
  xbase::Status s = source.SetOrder(order);
  if (s.ok()) s = source.Seek(source.PadToField("KODE", code));
  if (!s.ok()) return s;
  documents::FieldValues fields = {{"KODE", xbase::Value::Text(std::string(code))}};
  for (const char* field : kCopiedFields) {
    xbase::Value value;
    if (s = source.Get(field, &value); !s.ok()) return s;
    fields.emplace_back(field, value);
  }
  fields.emplace_back("HRG_BELI", xbase::Value::Num(net));
  fields.emplace_back("HRG_RATA", xbase::Value::Num(net));
  fields.emplace_back("JUMLAH", xbase::Value::Num(in - out));
  return documents::AppendRecord(con, goods, fields);
}

// The goods master row: moved and averaged on the net price (the average written when the gross
// price is not 0), else appended from the source of new goods (the logistics master, or the goods a
// transfer carries).
xbase::Status PostGoods(console::Console& con, xbase::WorkArea& goods, xbase::WorkArea& source, std::string_view code,
                        double in, double out, double gross, double net, double* average) {
  bool found = false;
  const xbase::Status s = documents::PostGoodsRow(
      con, goods, code, in, out,
      [&](const xbase::WorkArea& row, bool, double before) {
        *average = MovingAverage(before, row.Number("HRG_RATA"), in, out, net);
        documents::FieldValues fields;
        if (gross != 0) fields.emplace_back("HRG_RATA", xbase::Value::Num(*average));
        return fields;
      },
      &found);
  if (!s.ok() || found) return s;
  return AppendGoods(con, goods, source, code, in, out, net);
}

}  // namespace

xbase::Status UPSTOCKGUDANG(frame::Session& session, std::string_view code, std::string_view warehouse, double in,
                            double out, double price) {
  xbase::WorkArea* stock = nullptr;
  const xbase::Status s = frame::RequireArea(session, "stokbrg", &stock);
  if (!s.ok()) return s;
  return documents::PostWarehouseRow(
      session.console(), *stock, code, warehouse, in, out, [&](const xbase::WorkArea& row, bool found, double before) {
        documents::FieldValues fields;
        if (!found) {
          for (const char* field : {"HRG_BELI", "HRG_POKOK", "HRG_RATA"}) fields.emplace_back(field, xbase::Value::Num(price));
        } else if (price != 0) {
          fields.emplace_back("HRG_RATA", xbase::Value::Num(MovingAverage(before, row.Number("HRG_RATA"), in, out, price)));
        }
        return fields;
      });
}

xbase::Status UPSTOCK(frame::Session& session, std::string_view warehouse, std::string_view code, double in,
                      double out, double price, double disc1, double disc2, double cash1, double cash2,
                      double* average, std::string_view source) {
  const double net = price * (100 - disc1) / 100 * (100 - disc2) / 100 * (100 - cash1) / 100 * (100 - cash2) / 100;
  *average = net;
  xbase::WorkArea* goods = nullptr;
  xbase::WorkArea* logistics = nullptr;
  xbase::Status s = frame::RequireArea(session, "mastbrj", &goods);
  if (s.ok()) s = frame::RequireArea(session, source, &logistics);
  if (s.ok()) s = PostGoods(session.console(), *goods, *logistics, code, in, out, price, net, average);
  if (s.ok()) s = UPSTOCKGUDANG(session, code, warehouse, in, out, net);
  return s;
}

xbase::Status NameStockPost(documents::SaveScope& save, frame::Session& session, std::string_view warehouse,
                            std::string_view code) {
  xbase::WorkArea* goods = nullptr;
  xbase::WorkArea* stock = nullptr;
  xbase::Status s = frame::RequireArea(session, "mastbrj", &goods);
  if (s.ok()) s = frame::RequireArea(session, "stokbrg", &stock);
  if (s.ok()) s = documents::NameKeyedRecord(save, *goods, "MASTBRJ1", goods->PadToField("KODE", code));
  if (s.ok()) s = documents::NameWarehouseRow(save, *stock, code, warehouse);
  return s;
}

}  // namespace purchasing
