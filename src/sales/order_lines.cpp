// The lines of the order screen: adding and removing lines, the check of every cell with the stock,
// the proposed delivery, the price and the amount it fills in, and the footer.
#include <cmath>

#include "console/field_format.h"
#include "console/message.h"
#include "documents/line_value.h"
#include "documents/selling_price.h"
#include "documents/trade_discount.h"
#include "frame/line_arrays.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "sales/goods_stock.h"
#include "sales/sales_order.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

constexpr char kStockShort[] = "Stock Tidak Cukup";
constexpr char kNegativeQuantity[] = "Quantity tidak boleh minus";
constexpr char kDiscountRange[] = "Discount harus antara 0 sampai 100";

size_t Index(OrderColumn column) { return static_cast<size_t>(column - 1); }

// The stock that line `line` (from 0) may still deliver: the row's quantity less what the other
// lines of the same warehouse and goods deliver.
double FreeStock(const console::ValueTable& lines, size_t line, std::string_view warehouse, std::string_view code,
                 double stock) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i == line) continue;
    if (Word(lines[i], kWarehouse) == warehouse && Word(lines[i], kCode) == code) stock -= Figure(lines[i], kDelivered);
  }
  return stock;
}

// What leaves now: all that is ordered when the free stock is larger, else the whole cartons of a
// positive free stock, else nothing.
double Proposal(double free, double quantity, double dos) {
  if (free > quantity) return quantity;
  if (free > 0) return documents::WholeTimes(free, dos) * dos;
  return 0;
}

void ZeroQuantities(console::ValueRow* line) {
  for (OrderColumn column : {kCartons, kPacks, kPieces, kQuantity, kDelivered, kAmount}) SetFigure(line, column, 0);
}

void Recompute(console::ValueRow* line) {
  SetFigure(line, kAmount,
            documents::LineValue(Figure(*line, kDelivered), Figure(*line, kPrice), Figure(*line, kDisc1),
                                 Figure(*line, kDisc2)));
}

void OrderedQuantity(console::ValueRow* line, const Goods& goods) {
  SetFigure(line, kQuantity,
            Figure(*line, kCartons) * goods.dos + Figure(*line, kPacks) * goods.pak + Figure(*line, kPieces));
}

// The check of one cell, working on the line with the typed value in its cell.
class CellCheck {
 public:
  CellCheck(frame::Session& session, SalesOrder* order, int line)
      : session_(session), order_(*order), index_(static_cast<size_t>(line - 1)), line_(order->lines[index_]) {}

  bool zeroed() const { return zeroed_; }

  bool WarehouseCell() {
    std::string warehouse = Word(line_, kWarehouse);
    if (xbase::IsBlank(warehouse) && xbase::IsBlank(Word(line_, kCode))) return true;
    if (!xbase::IsBlank(warehouse) && !pickers::CEKGUDANG(session_, &warehouse, false)) {
      return pickers::Refuse(session_, "Gudang " + std::string(xbase::RTrim(warehouse)) + " tidak terdaftar");
    }
    line_[Index(kWarehouse)] = xbase::Value::Text(xbase::PadR(warehouse, kWarehouseWidth));
    if (xbase::IsBlank(Word(line_, kCode))) return true;
    // The goods must be in stock in the new warehouse too, and the delivery follows its stock.
    StockRow stock;
    if (!FindStock(session_, Word(line_, kWarehouse), Word(line_, kCode), &stock)) return false;
    if (!stock.found) return MissingStock();
    Goods goods;
    SeekGoods(session_, Word(line_, kCode), &goods);
    Propose(stock, goods);
    return true;
  }

  bool CodeCell() {
    std::string code = Word(line_, kCode);
    if (code.find('?') != std::string::npos && !pickers::PickStock(session_, Word(line_, kWarehouse), &code)) {
      return false;
    }
    code = xbase::PadR(code, kCodeWidth);
    line_[Index(kCode)] = xbase::Value::Text(code);
    if (xbase::IsBlank(code) && xbase::IsBlank(previous_code_)) return true;
    StockRow stock;
    if (!FindStock(session_, Word(line_, kWarehouse), code, &stock)) return false;
    if (!stock.found) return ZeroAndRefuse();
    Goods goods;
    xbase::WorkArea* master = SeekGoods(session_, code, &goods);
    if (code != previous_code_) {
      // Name, cost and price go on the line before the price is tested.
      line_[Index(kName)] = xbase::Value::Text(xbase::PadR(goods.found ? master->Text("NAMA") : "", kNameWidth));
      SetFigure(&line_, kAverage, goods.found ? master->Number("HRG_RATA") : 0);
      const OrderHeader& header = order_.header;
      documents::SellingPrice price;
      if (goods.found) {
        price = documents::PriceForCustomer(*master, header.price_level, header.group, header.include,
                                            session_.POTONGPPN);
      }
      SetFigure(&line_, kPrice, price.price);
      OrderedQuantity(&line_, goods);
      if (price.missing) return pickers::Refuse(session_, documents::MissingPriceMessage(header.price_level));
    }
    Propose(stock, goods);
    return true;
  }

  bool QuantitiesCell() {
    if (Figure(line_, current_) < 0) return pickers::Refuse(session_, kNegativeQuantity);
    StockRow stock;
    if (!FindStock(session_, Word(line_, kWarehouse), Word(line_, kCode), &stock)) return false;
    if (!stock.found) return ZeroAndRefuse();
    Goods goods;
    SeekGoods(session_, Word(line_, kCode), &goods);
    OrderedQuantity(&line_, goods);
    Propose(stock, goods);
    return true;
  }

  bool QuantityCell() { return Figure(line_, kQuantity) >= 0 || pickers::Refuse(session_, kNegativeQuantity); }

  bool DeliveredCell() {
    const double wanted = Figure(line_, kDelivered);
    if (wanted < 0) return pickers::Refuse(session_, kNegativeQuantity);
    StockRow stock;
    if (!FindStock(session_, Word(line_, kWarehouse), Word(line_, kCode), &stock)) return false;
    if (!stock.found) return ZeroAndRefuse();
    const double free = FreeStock(order_.lines, index_, Word(line_, kWarehouse), Word(line_, kCode), stock.quantity);
    if (free - wanted < 0) {
      // The most that may leave goes into the cell, which stays open; confirming it passes.
      SetFigure(&line_, kDelivered, std::max(free, 0.0));
      console::PESAN(session_.console(), kStockShort, "Gr+/r");
      return false;
    }
    Recompute(&line_);
    return true;
  }

  bool DiscountCell(double ceiling) {
    const double value = Figure(line_, current_);
    if (value < 0 || value > 100) return pickers::Refuse(session_, kDiscountRange);
    if (!documents::CHKTRADE(value, ceiling)) return false;
    Recompute(&line_);
    return true;
  }

  // Runs the check of `column` with `typed` in its cell; the cell shows what the check left there.
  bool Run(int column, xbase::Value* typed) {
    current_ = static_cast<OrderColumn>(column);
    const xbase::Value before = line_[Index(current_)];
    previous_code_ = Word(line_, kCode);
    line_[Index(current_)] = *typed;
    bool ok = true;
    switch (current_) {
      case kWarehouse: ok = WarehouseCell(); break;
      case kCode: ok = CodeCell(); break;
      case kCartons:
      case kPacks:
      case kPieces: ok = QuantitiesCell(); break;
      case kQuantity: ok = QuantityCell(); break;
      case kDelivered: ok = DeliveredCell(); break;
      case kDisc1: ok = DiscountCell(order_.header.ceilings[0]); break;
      case kDisc2: ok = DiscountCell(order_.header.ceilings[1]); break;
      default: break;
    }
    *typed = line_[Index(current_)];
    if (!ok && !zeroed_) line_[Index(current_)] = before;
    return ok;
  }

 private:
  bool MissingStock() {
    return pickers::Refuse(session_, "Kode " + std::string(xbase::RTrim(Word(line_, kCode))) + " di gudang " +
                                         std::string(xbase::RTrim(Word(line_, kWarehouse))) + " tidak terdaftar");
  }

  bool ZeroAndRefuse() {
    MissingStock();
    ZeroQuantities(&line_);
    zeroed_ = current_ != kCode;
    return false;
  }

  void Propose(const StockRow& stock, const Goods& goods) {
    const double free = FreeStock(order_.lines, index_, Word(line_, kWarehouse), Word(line_, kCode), stock.quantity);
    SetFigure(&line_, kDelivered, Proposal(free, Figure(line_, kQuantity), goods.dos));
    Recompute(&line_);
  }

  frame::Session& session_;
  SalesOrder& order_;
  size_t index_;
  console::ValueRow& line_;
  OrderColumn current_ = kLineNo;
  std::string previous_code_;
  bool zeroed_ = false;
};

// The net total: the sum of the line amounts after the order's two discounts.
double NetTotal(const SalesOrder& order) {
  double total = 0;
  for (const console::ValueRow& line : order.lines) total += Figure(line, kAmount);
  return documents::AfterDiscounts(total, order.header.discount1, order.header.discount2);
}

}  // namespace

double Figure(const console::ValueRow& line, OrderColumn column) {
  const xbase::Value& value = line[Index(column)];
  return value.is_number() ? value.number() : 0;
}

std::string Word(const console::ValueRow& line, OrderColumn column) {
  const xbase::Value& value = line[Index(column)];
  return value.is_text() ? value.text() : std::string();
}

void SetFigure(console::ValueRow* line, OrderColumn column, double value) {
  (*line)[Index(column)] = xbase::Value::Num(value);
}

bool Delivered(const console::ValueRow& line) {
  return !xbase::IsBlank(Word(line, kCode)) && Figure(line, kDelivered) != 0;
}

int NotesNeeded(const console::ValueTable& lines) {
  int delivered = 0;
  for (const console::ValueRow& line : lines) delivered += Delivered(line) ? 1 : 0;
  return (delivered + kLinesPerNote - 1) / kLinesPerNote;
}

void ADD_REC(console::ValueTable* lines, double d1, double d2, std::string_view warehouse) {
  console::ValueRow line(kAverage, xbase::Value::Num(0));
  SetFigure(&line, kLineNo, static_cast<double>(lines->size() + 1));
  line[Index(kWarehouse)] = xbase::Value::Text(xbase::PadR(warehouse, kWarehouseWidth));
  line[Index(kCode)] = xbase::Value::Text(std::string(kCodeWidth, ' '));
  line[Index(kName)] = xbase::Value::Text(std::string(kNameWidth, ' '));
  SetFigure(&line, kDisc1, d1);
  SetFigure(&line, kDisc2, d2);
  lines->push_back(std::move(line));
}

void DEL_REC(console::ValueTable* lines, int line) { frame::HAPUS_(static_cast<size_t>(line), lines); }

bool CHKIJUAL(frame::Session& session, xbase::Value* typed, int column, SalesOrder* order, int line) {
  CellCheck check(session, order, line);
  return check.Run(column, typed);
}

void INFORMASI(frame::Session& session, const SalesOrder& order, int line) {
  console::Console& con = session.console();
  const console::ValueRow& current = order.lines[static_cast<size_t>(line - 1)];
  StockRow stock;
  Goods goods;
  if (!xbase::IsBlank(Word(current, kCode))) {
    FindStock(session, Word(current, kWarehouse), Word(current, kCode), &stock);
    SeekGoods(session, Word(current, kCode), &goods);
  }
  const console::Attr attr = con.colours().standard;
  con.Say(23, 14, console::FormatValue(xbase::Value::Num(stock.quantity), "999999999"), attr);
  con.Say(23, 30, console::FormatValue(xbase::Value::Num(documents::WholeTimes(stock.quantity, goods.dos)), "9999999"),
          attr);
  con.Say(23, 63, console::FormatValue(xbase::Value::Num(NetTotal(order)), "99,999,999,999.99"), attr);
}

}  // namespace sales
