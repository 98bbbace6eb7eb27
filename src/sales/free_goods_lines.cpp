// The lines of a free-goods note: the check of every cell with the stock it may take, the price of
// the customer's level and the value after every discount.
#include <string>

#include "console/message.h"
#include "documents/line_value.h"
#include "documents/selling_price.h"
#include "frame/supervisor_override.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "sales/free_goods.h"
#include "sales/goods_lookup.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

constexpr int kWarehouseWidth = 6;
constexpr int kCodeWidth = 10;
constexpr int kNameWidth = 20;

size_t Index(FreeGoodsColumn column) { return static_cast<size_t>(column - 1); }

void SetFigure(console::ValueRow* line, FreeGoodsColumn column, double value) {
  (*line)[Index(column)] = xbase::Value::Num(value);
}

void Recompute(console::ValueRow* line, double header_discount) {
  SetFigure(line, kFgValue,
            documents::AfterDiscounts(documents::LineValue(FgFigure(*line, kFgQuantity), FgFigure(*line, kFgPrice),
                                                           FgFigure(*line, kFgDisc1), FgFigure(*line, kFgDisc2)),
                                      header_discount, 0));
}

// The check of one cell, working on the line with the typed value in its cell.
class FreeGoodsCell {
 public:
  FreeGoodsCell(frame::Session& session, FreeGoodsNote* note, int line)
      : session_(session), note_(*note), index_(static_cast<size_t>(line - 1)), line_(note->lines[index_]) {}

  bool Run(int column, xbase::Value* typed) {
    const auto current = static_cast<FreeGoodsColumn>(column);
    const xbase::Value before = line_[Index(current)];
    previous_code_ = FgWord(line_, kFgCode);
    line_[Index(current)] = *typed;
    bool ok = true;
    switch (current) {
      case kFgWarehouse: ok = WarehouseCell(); break;
      case kFgCode: ok = CodeCell(); break;
      case kFgCartons:
      case kFgPacks:
      case kFgPieces: ok = QuantityCell(true); break;
      case kFgQuantity: ok = QuantityCell(false); break;
      case kFgPrice: ok = FgFigure(line_, kFgPrice) >= 0 || pickers::Refuse(session_, "Harga tidak boleh minus"); break;
      case kFgDisc1:
      case kFgDisc2: {
        const double value = FgFigure(line_, current);
        ok = (value >= 0 && value <= 100) || pickers::Refuse(session_, "Discount harus antara 0 sampai 100");
        break;
      }
      default: break;
    }
    if (ok) Recompute(&line_, note_.discount);
    *typed = line_[Index(current)];
    if (!ok && !zeroed_) line_[Index(current)] = before;
    return ok;
  }

 private:
  bool WarehouseCell() {
    std::string warehouse = FgWord(line_, kFgWarehouse);
    if (!pickers::CEKGUDANG(session_, &warehouse, false)) {
      return pickers::Refuse(session_, "Gudang " + std::string(xbase::RTrim(warehouse)) + " tidak terdaftar");
    }
    line_[Index(kFgWarehouse)] = xbase::Value::Text(xbase::PadR(warehouse, kWarehouseWidth));
    return true;
  }

  bool CodeCell() {
    std::string code = FgWord(line_, kFgCode);
    const std::string warehouse = FgWord(line_, kFgWarehouse);
    if (code.find('?') != std::string::npos && !pickers::PickStock(session_, warehouse, &code)) return false;
    code = xbase::PadR(code, kCodeWidth);
    line_[Index(kFgCode)] = xbase::Value::Text(code);
    if (xbase::IsBlank(code)) return true;
    StockRow stock;
    if (!FindStock(session_, warehouse, code, &stock)) return false;
    if (!stock.found) {
      return pickers::Refuse(session_, "Kode " + std::string(xbase::RTrim(code)) + " digudang " +
                                           std::string(xbase::RTrim(warehouse)) + " tidak terdaftar");
    }
    if (code == previous_code_) return true;
    Goods goods;
    xbase::WorkArea* master = SeekGoods(session_, code, &goods);
    const bool known = master != nullptr && goods.found;
    line_[Index(kFgName)] = xbase::Value::Text(xbase::PadR(known ? master->Text("NAMA") : "", kNameWidth));
    SetFigure(&line_, kFgAverage, known ? master->Number("HRG_RATA") : 0);
    const std::string_view field = documents::LevelPriceField(note_.price_level);
    const double price = known && !field.empty() ? master->Number(field) : 0;
    SetFigure(&line_, kFgPrice, price);
    if (price == 0) return pickers::Refuse(session_, documents::MissingPriceMessage(note_.price_level));
    return true;
  }

  // The pieces of the line from its cartons, packs and pieces (or as typed), within the stock left
  // by the other lines unless a supervisor lets it pass.
  bool QuantityCell(bool from_parts) {
    if (FgFigure(line_, kFgCartons) < 0 || FgFigure(line_, kFgPacks) < 0 || FgFigure(line_, kFgPieces) < 0 ||
        FgFigure(line_, kFgQuantity) < 0) {
      return pickers::Refuse(session_, "Quantity tidak boleh minus");
    }
    const std::string code = FgWord(line_, kFgCode), warehouse = FgWord(line_, kFgWarehouse);
    Goods goods;
    SeekGoods(session_, code, &goods);
    if (from_parts) {
      SetFigure(&line_, kFgQuantity,
                FgFigure(line_, kFgCartons) * goods.dos + FgFigure(line_, kFgPacks) * goods.pak + FgFigure(line_, kFgPieces));
    }
    StockRow stock;
    if (!FindStock(session_, warehouse, code, &stock)) return false;
    double left = stock.quantity;
    for (size_t i = 0; i < note_.lines.size(); ++i) {
      const console::ValueRow& other = note_.lines[i];
      if (i != index_ && FgWord(other, kFgWarehouse) == warehouse && FgWord(other, kFgCode) == code) {
        left -= FgFigure(other, kFgQuantity);
      }
    }
    if (left - FgFigure(line_, kFgQuantity) >= 0) return true;
    console::PESAN(session_.console(), "Stock Tidak Cukup", "Gr+/r");
    if (frame::PERMITION(session_)) return true;
    SetFigure(&line_, kFgQuantity, 0);
    SetFigure(&line_, kFgValue, 0);
    zeroed_ = true;
    return false;
  }

  frame::Session& session_;
  FreeGoodsNote& note_;
  size_t index_;
  console::ValueRow& line_;
  std::string previous_code_;
  bool zeroed_ = false;
};

}  // namespace

double FgFigure(const console::ValueRow& line, FreeGoodsColumn column) {
  const xbase::Value& value = line[Index(column)];
  return value.is_number() ? value.number() : 0;
}

std::string FgWord(const console::ValueRow& line, FreeGoodsColumn column) {
  const xbase::Value& value = line[Index(column)];
  return value.is_text() ? value.text() : std::string();
}

void AddFreeGoodsLine(console::ValueTable* lines, double d1, double d2) {
  console::ValueRow line(kFgAverage, xbase::Value::Num(0));
  SetFigure(&line, kFgLineNo, static_cast<double>(lines->size() + 1));
  line[Index(kFgWarehouse)] = xbase::Value::Text(std::string(kWarehouseWidth, ' '));
  line[Index(kFgCode)] = xbase::Value::Text(std::string(kCodeWidth, ' '));
  line[Index(kFgName)] = xbase::Value::Text(std::string(kNameWidth, ' '));
  SetFigure(&line, kFgDisc1, d1);
  SetFigure(&line, kFgDisc2, d2);
  lines->push_back(std::move(line));
}

bool CheckFreeGoodsCell(frame::Session& session, xbase::Value* typed, int column, FreeGoodsNote* note, int line) {
  FreeGoodsCell check(session, note, line);
  return check.Run(column, typed);
}

double FreeGoodsTotal(const FreeGoodsNote& note) {
  double total = 0;
  for (const console::ValueRow& line : note.lines) total += FgFigure(line, kFgValue);
  return total;
}

}  // namespace sales
