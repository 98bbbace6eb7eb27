// The lines of a proforma: goods once each, the price of the customer's level, the quantity from
// cartons, packs and pieces, the discounts within the group's ceilings, and the value.
#include <string>

#include "documents/line_value.h"
#include "documents/selling_price.h"
#include "documents/trade_discount.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "sales/goods_lookup.h"
#include "sales/proforma.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

constexpr int kCodeWidth = 10;
constexpr int kNameWidth = 20;

size_t Index(ProformaColumn column) { return static_cast<size_t>(column - 1); }

void SetFigure(console::ValueRow* line, ProformaColumn column, double value) {
  (*line)[Index(column)] = xbase::Value::Num(value);
}

void Recompute(console::ValueRow* line) {
  SetFigure(line, kPfValue,
            documents::LineValue(PfFigure(*line, kPfQuantity), PfFigure(*line, kPfPrice), PfFigure(*line, kPfDisc1),
                                 PfFigure(*line, kPfDisc2)));
}

class ProformaCell {
 public:
  ProformaCell(frame::Session& session, Proforma* proforma, int line)
      : session_(session), proforma_(*proforma), index_(static_cast<size_t>(line - 1)), line_(proforma->lines[index_]) {}

  bool Run(int column, xbase::Value* typed) {
    const auto current = static_cast<ProformaColumn>(column);
    const xbase::Value before = line_[Index(current)];
    const std::string previous_code = PfWord(line_, kPfCode);
    const double previous_quantity = PfFigure(line_, kPfQuantity);
    line_[Index(current)] = *typed;
    bool ok = true;
    switch (current) {
      case kPfCode: ok = CodeCell(previous_code); break;
      case kPfCartons:
      case kPfPacks:
      case kPfPieces: ok = PartsCell(previous_quantity); break;
      case kPfQuantity:
      case kPfPrice:
        ok = PfFigure(line_, current) >= 0 || pickers::Refuse(session_, "Quantity tidak boleh minus");
        break;
      case kPfDisc1: ok = DiscountCell(current, proforma_.ceilings[0]); break;
      case kPfDisc2: ok = DiscountCell(current, proforma_.ceilings[1]); break;
      default: break;
    }
    if (ok) Recompute(&line_);
    *typed = line_[Index(current)];
    if (!ok) line_[Index(current)] = before;
    return ok;
  }

 private:
  bool CodeCell(const std::string& previous) {
    std::string code = PfWord(line_, kPfCode);
    if (code.find('?') != std::string::npos) {
      std::string picked;
      if (!pickers::GETKODEBRG(session_, &code, true, &picked)) return false;
      code = picked;
    }
    code = xbase::PadR(xbase::RTrim(code), kCodeWidth);
    line_[Index(kPfCode)] = xbase::Value::Text(code);
    if (xbase::IsBlank(code)) return true;
    Goods goods;
    xbase::WorkArea* master = SeekGoods(session_, code, &goods);
    const std::string shown(xbase::RTrim(code));
    if (master == nullptr || !goods.found) return pickers::Refuse(session_, "Kode " + shown + " tidak terdaftar");
    for (size_t i = 0; i < proforma_.lines.size(); ++i) {
      if (i != index_ && PfWord(proforma_.lines[i], kPfCode) == code) {
        return pickers::Refuse(session_, "Kode Barang " + shown + " sudah ada diurutan " + std::to_string(i + 1));
      }
    }
    line_[Index(kPfName)] = xbase::Value::Text(xbase::PadR(master->Text("NAMA"), kNameWidth).substr(0, kNameWidth));
    if (code != previous || PfFigure(line_, kPfPrice) == 0) {
      const std::string_view field = documents::LevelPriceField(proforma_.price_level);
      SetFigure(&line_, kPfPrice, field.empty() ? 0 : master->Number(field));
    }
    return true;
  }

  bool PartsCell(double previous_quantity) {
    if (PfFigure(line_, kPfCartons) < 0 || PfFigure(line_, kPfPacks) < 0 || PfFigure(line_, kPfPieces) < 0) {
      return pickers::Refuse(session_, "Quantity tidak boleh minus");
    }
    Goods goods;
    SeekGoods(session_, PfWord(line_, kPfCode), &goods);
    const double quantity =
        PfFigure(line_, kPfCartons) * goods.dos + PfFigure(line_, kPfPacks) * goods.pak + PfFigure(line_, kPfPieces);
    // A zero entry leaves a quantity typed straight into its cell as it was.
    SetFigure(&line_, kPfQuantity, quantity != 0 ? quantity : previous_quantity);
    return true;
  }

  bool DiscountCell(ProformaColumn column, double ceiling) {
    const double value = PfFigure(line_, column);
    if (value < 0 || value > 100) return pickers::Refuse(session_, "Discount harus antara 0 sampai 100");
    return documents::CHKTRADE(value, ceiling);
  }

  frame::Session& session_;
  Proforma& proforma_;
  size_t index_;
  console::ValueRow& line_;
};

}  // namespace

double PfFigure(const console::ValueRow& line, ProformaColumn column) {
  const xbase::Value& value = line[Index(column)];
  return value.is_number() ? value.number() : 0;
}

std::string PfWord(const console::ValueRow& line, ProformaColumn column) {
  const xbase::Value& value = line[Index(column)];
  return value.is_text() ? value.text() : std::string();
}

void AddProformaLine(console::ValueTable* lines, double d1, double d2) {
  console::ValueRow line(kPfValue, xbase::Value::Num(0));
  SetFigure(&line, kPfLineNo, static_cast<double>(lines->size() + 1));
  line[Index(kPfCode)] = xbase::Value::Text(std::string(kCodeWidth, ' '));
  line[Index(kPfName)] = xbase::Value::Text(std::string(kNameWidth, ' '));
  SetFigure(&line, kPfDisc1, d1);
  SetFigure(&line, kPfDisc2, d2);
  lines->push_back(std::move(line));
}

bool CheckProformaCell(frame::Session& session, xbase::Value* typed, int column, Proforma* proforma, int line) {
  ProformaCell check(session, proforma, line);
  return check.Run(column, typed);
}

double ProformaNet(const Proforma& proforma) {
  double total = 0;
  for (const console::ValueRow& line : proforma.lines) total += PfFigure(line, kPfValue);
  return documents::AfterDiscounts(total, proforma.discount1, proforma.discount2);
}

}  // namespace sales
