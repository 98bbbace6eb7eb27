// The lines of the note and order-revision screens: adding lines, the check of every cell with the
// stock it may take, the price and the amount it fills in, and the footer.
#include "sales/note_lines.h"

#include <algorithm>

#include "console/field_format.h"
#include "console/message.h"
#include "documents/line_value.h"
#include "documents/selling_price.h"
#include "documents/trade_discount.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "sales/goods_lookup.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {
namespace note {

namespace {
size_t Index(Column column) { return static_cast<size_t>(column - 1); }
}  // namespace

double Figure(const console::ValueRow& line, Column column) {
  const xbase::Value& value = line[Index(column)];
  return value.is_number() ? value.number() : 0;
}

std::string Word(const console::ValueRow& line, Column column) {
  const xbase::Value& value = line[Index(column)];
  return value.is_text() ? value.text() : std::string();
}

void SetFigure(console::ValueRow* line, Column column, double value) {
  (*line)[Index(column)] = xbase::Value::Num(value);
}

void SetWord(console::ValueRow* line, Column column, std::string_view text) {
  (*line)[Index(column)] = xbase::Value::Text(std::string(text));
}

}  // namespace note

namespace {

constexpr char kStockShort[] = "Stock Tidak Cukup";
constexpr char kNegativeQuantity[] = "Quantity tidak boleh minus";
constexpr char kDiscountRange[] = "Discount harus antara 0 sampai 100";

}  // namespace

std::string CeilingMessage(double ceiling) {
  return "Discount maksimal " + std::string(xbase::AllTrim(xbase::Str(ceiling, 6, 2)));
}

namespace {

// The check of one cell, working on the line with the typed value in its cell.
class NoteCellCheck {
 public:
  NoteCellCheck(frame::Session& session, NoteDocument* doc, int line)
      : session_(session), doc_(*doc), index_(static_cast<size_t>(line - 1)), line_(doc->lines[index_]) {}

  bool Run(int column, xbase::Value* typed) {
    current_ = static_cast<note::Column>(column);
    const xbase::Value before = line_[static_cast<size_t>(current_ - 1)];
    previous_code_ = Word(line_, note::kCode);
    line_[static_cast<size_t>(current_ - 1)] = *typed;
    bool ok = true;
    switch (current_) {
      case note::kWarehouse: ok = WarehouseCell(); break;
      case note::kCode: ok = CodeCell(); break;
      case note::kCartons:
      case note::kPacks:
      case note::kPieces: ok = QuantitiesCell(); break;
      case note::kQuantity: ok = QuantityCell(); break;
      case note::kDisc1: ok = DiscountCell(doc_.header.ceilings[0]); break;
      case note::kDisc2: ok = DiscountCell(doc_.header.ceilings[1]); break;
      default: break;
    }
    *typed = line_[static_cast<size_t>(current_ - 1)];
    if (!ok && !zeroed_) line_[static_cast<size_t>(current_ - 1)] = before;
    return ok;
  }

 private:
  bool WarehouseCell() {
    std::string warehouse = Word(line_, note::kWarehouse);
    if (xbase::IsBlank(warehouse) && xbase::IsBlank(Word(line_, note::kCode))) return true;
    if (!xbase::IsBlank(warehouse) && !pickers::CEKGUDANG(session_, &warehouse, false)) {
      return pickers::Refuse(session_, "Gudang " + std::string(xbase::RTrim(warehouse)) + " tidak terdaftar");
    }
    SetWord(&line_, note::kWarehouse, xbase::PadR(warehouse, kWarehouseWidth));
    if (xbase::IsBlank(Word(line_, note::kCode))) return true;
    StockRow stock;
    if (!FindStock(session_, Word(line_, note::kWarehouse), Word(line_, note::kCode), &stock)) return false;
    if (!stock.found) return MissingStock();
    KeepWithinStock(stock);
    return true;
  }

  bool CodeCell() {
    std::string code = Word(line_, note::kCode);
    if (code.find('?') != std::string::npos && !pickers::PickStock(session_, Word(line_, note::kWarehouse), &code)) {
      return false;
    }
    code = xbase::PadR(code, kCodeWidth);
    SetWord(&line_, note::kCode, code);
    if (xbase::IsBlank(code) && xbase::IsBlank(previous_code_)) return true;
    if (code != previous_code_ && DeliveredOn(doc_, line_) != 0) {
      return pickers::Refuse(session_, "Barang baris ini sudah dikirim " + std::string(xbase::AllTrim(xbase::Str(DeliveredOn(doc_, line_), 9))) +
                                           " pcs, kodenya tidak boleh diganti");
    }
    if (doc_.order_lines && !UniqueCode(code)) return false;
    StockRow stock;
    if (!FindStock(session_, Word(line_, note::kWarehouse), code, &stock)) return false;
    if (!stock.found) return ZeroAndRefuse();
    if (code != previous_code_) {
      Goods goods;
      xbase::WorkArea* master = SeekGoods(session_, code, &goods);
      // Name, cost and price go on the line before the price is tested.
      SetWord(&line_, note::kName, xbase::PadR(goods.found ? master->Text("NAMA") : "", kNameWidth));
      SetFigure(&line_, note::kAverage, goods.found ? master->Number("HRG_RATA") : 0);
      const OrderHeader& header = doc_.header;
      documents::SellingPrice price;
      if (goods.found) {
        price = documents::PriceForCustomer(*master, header.price_level, header.group, header.include,
                                            session_.POTONGPPN);
      }
      SetFigure(&line_, note::kPrice, price.price);
      Pieces(goods);
      if (price.missing) {
        RecomputeLine(&line_);
        return pickers::Refuse(session_, documents::MissingPriceMessage(header.price_level));
      }
    }
    KeepWithinStock(stock);
    return true;
  }

  bool QuantitiesCell() {
    if (Figure(line_, current_) < 0) return pickers::Refuse(session_, kNegativeQuantity);
    StockRow stock;
    if (!FindStock(session_, Word(line_, note::kWarehouse), Word(line_, note::kCode), &stock)) return false;
    if (!stock.found) return ZeroAndRefuse();
    Goods goods;
    SeekGoods(session_, Word(line_, note::kCode), &goods);
    Pieces(goods);
    KeepWithinStock(stock);
    return true;
  }

  bool QuantityCell() {
    const double wanted = Figure(line_, note::kQuantity);
    if (wanted < 0) return pickers::Refuse(session_, kNegativeQuantity);
    if (!doc_.order_lines && !xbase::IsBlank(Word(line_, note::kCode))) {
      StockRow stock;
      if (!FindStock(session_, Word(line_, note::kWarehouse), Word(line_, note::kCode), &stock)) return false;
      if (wanted > Free(stock)) {
        // The most that may leave goes into the cell, which stays open; confirming it passes.
        SetFigure(&line_, note::kQuantity, std::max(Free(stock), 0.0));
        console::PESAN(session_.console(), kStockShort, "Gr+/r");
        return false;
      }
    }
    RecomputeLine(&line_);
    return true;
  }

  bool DiscountCell(double ceiling) {
    const double value = Figure(line_, current_);
    if (value < 0 || value > 100) return pickers::Refuse(session_, kDiscountRange);
    if (!documents::CHKTRADE(value, ceiling)) return pickers::Refuse(session_, CeilingMessage(ceiling));
    RecomputeLine(&line_);
    return true;
  }

  // An order holds each goods code once.
  bool UniqueCode(const std::string& code) {
    for (size_t i = 0; i < doc_.lines.size(); ++i) {
      if (i == index_ || Word(doc_.lines[i], note::kCode) != code) continue;
      return pickers::Refuse(session_, "kode " + std::string(xbase::RTrim(code)) + " telah diisikan pada urutan ke " +
                                           std::to_string(i + 1));
    }
    return true;
  }

  // The stock the line may take: the row's, with what the stored note took out of it, less the
  // other lines of the same warehouse and goods.
  double Free(const StockRow& stock) const {
    const std::string warehouse = Word(line_, note::kWarehouse), code = Word(line_, note::kCode);
    double free = stock.quantity;
    if (const auto own = doc_.own_stock.find(warehouse + code); own != doc_.own_stock.end()) free += own->second;
    for (size_t i = 0; i < doc_.lines.size(); ++i) {
      if (i != index_ && Word(doc_.lines[i], note::kWarehouse) == warehouse && Word(doc_.lines[i], note::kCode) == code) {
        free -= Figure(doc_.lines[i], note::kQuantity);
      }
    }
    return free;
  }

  // A note line whose pieces the stock cannot cover delivers nothing.
  void KeepWithinStock(const StockRow& stock) {
    if (!doc_.order_lines && Free(stock) - Figure(line_, note::kQuantity) < 0) SetFigure(&line_, note::kQuantity, 0);
    RecomputeLine(&line_);
  }

  void Pieces(const Goods& goods) {
    SetFigure(&line_, note::kQuantity,
              Figure(line_, note::kCartons) * goods.dos + Figure(line_, note::kPacks) * goods.pak + Figure(line_, note::kPieces));
  }

  bool MissingStock() {
    return pickers::Refuse(session_, "Kode " + std::string(xbase::RTrim(Word(line_, note::kCode))) + " di gudang " +
                                         std::string(xbase::RTrim(Word(line_, note::kWarehouse))) + " tidak terdaftar");
  }

  bool ZeroAndRefuse() {
    MissingStock();
    for (note::Column column : {note::kCartons, note::kPacks, note::kPieces, note::kQuantity, note::kAmount}) SetFigure(&line_, column, 0);
    zeroed_ = current_ != note::kCode;
    return false;
  }

  frame::Session& session_;
  NoteDocument& doc_;
  size_t index_;
  console::ValueRow& line_;
  note::Column current_ = note::kLineNo;
  std::string previous_code_;
  bool zeroed_ = false;
};

}  // namespace

void AddNoteLine(console::ValueTable* lines, double d1, double d2, std::string_view warehouse) {
  console::ValueRow line(note::kRecord, xbase::Value::Num(0));
  SetFigure(&line, note::kLineNo, static_cast<double>(lines->size() + 1));
  SetWord(&line, note::kWarehouse, xbase::PadR(warehouse, kWarehouseWidth));
  SetWord(&line, note::kCode, std::string(kCodeWidth, ' '));
  SetWord(&line, note::kName, std::string(kNameWidth, ' '));
  SetWord(&line, note::kOrderLine, "   ");
  SetFigure(&line, note::kDisc1, d1);
  SetFigure(&line, note::kDisc2, d2);
  lines->push_back(std::move(line));
}

void RecomputeLine(console::ValueRow* line) {
  SetFigure(line, note::kAmount,
            documents::LineValue(Figure(*line, note::kQuantity), Figure(*line, note::kPrice), Figure(*line, note::kDisc1),
                                 Figure(*line, note::kDisc2)));
}

bool CheckNoteCell(frame::Session& session, xbase::Value* typed, int column, NoteDocument* doc, int line) {
  NoteCellCheck check(session, doc, line);
  return check.Run(column, typed);
}

void ShowNoteFooter(frame::Session& session, const NoteDocument& doc, int line) {
  console::Console& con = session.console();
  const console::ValueRow& current = doc.lines[static_cast<size_t>(line - 1)];
  StockRow stock;
  Goods goods;
  if (!xbase::IsBlank(Word(current, note::kCode))) {
    FindStock(session, Word(current, note::kWarehouse), Word(current, note::kCode), &stock);
    SeekGoods(session, Word(current, note::kCode), &goods);
  }
  double total = 0;
  for (const console::ValueRow& each : doc.lines) total += Figure(each, note::kAmount);
  const console::Attr attr = con.colours().standard;
  con.Say(23, 14, console::FormatValue(xbase::Value::Num(stock.quantity), "999999999"), attr);
  con.Say(23, 30, console::FormatValue(xbase::Value::Num(documents::WholeTimes(stock.quantity, goods.dos)), "9999999"),
          attr);
  con.Say(23, 63,
          console::FormatValue(xbase::Value::Num(documents::AfterDiscounts(total, doc.header.discount1, doc.header.discount2)),
                               "99,999,999,999.99"),
          attr);
}

std::vector<const console::ValueRow*> FilledLines(const NoteDocument& doc) {
  std::vector<const console::ValueRow*> filled;
  for (const console::ValueRow& line : doc.lines) {
    if (!xbase::IsBlank(Word(line, note::kCode)) && (doc.order_lines || Figure(line, note::kQuantity) != 0)) filled.push_back(&line);
  }
  return filled;
}

double DeliveredOn(const NoteDocument& doc, const console::ValueRow& line) {
  const auto found = doc.delivered.find(static_cast<uint32_t>(Figure(line, note::kRecord)));
  return found == doc.delivered.end() ? 0 : found->second;
}

}  // namespace sales
