// The lines of a delivery note made from a proforma: a proforma line with quantity still open, the
// goods shipped for it (the same kind: the same HARGA4), and a quantity within what is open and what
// the warehouse holds.
#include <string>

#include "console/message.h"
#include "documents/line_value.h"
#include "frame/open_table.h"
#include "frame/order_scope.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "sales/goods_lookup.h"
#include "sales/proforma_note.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

size_t Index(ProformaNoteColumn column) { return static_cast<size_t>(column - 1); }

void SetFigure(console::ValueRow* line, ProformaNoteColumn column, double value) {
  (*line)[Index(column)] = xbase::Value::Num(value);
}
void SetWord(console::ValueRow* line, ProformaNoteColumn column, std::string_view text, int width) {
  (*line)[Index(column)] = xbase::Value::Text(xbase::PadR(text, static_cast<size_t>(width)).substr(0, static_cast<size_t>(width)));
}

// A proforma line: its quantity, realisation, price and discounts.
struct ProformaLine {
  bool found = false;
  double quantity = 0, realised = 0, price = 0, d1 = 0, d2 = 0;
  std::string line;
};

bool FindProformaLine(frame::Session& session, std::string_view proforma, std::string_view code, ProformaLine* out) {
  xbase::WorkArea* lines = nullptr;
  if (!frame::Checked(session, frame::RequireArea(session, "pro_in2", &lines))) return false;
  frame::OrderScope scope(*lines);
  xbase::Status s = lines->SetOrder("PRO_IN22");
  if (s.ok()) s = lines->Seek(lines->PadToField("NOMOR", proforma) + lines->PadToField("KODE", code));
  if (!frame::Checked(session, s)) return false;
  out->found = lines->found();
  if (!out->found) return true;
  out->quantity = lines->Number("QUANTITY");
  out->realised = lines->Number("REALISASI");
  out->price = lines->Number("HARGA");
  out->d1 = lines->Number("DISCOUNT");
  out->d2 = lines->Number("DISCOUNT2");
  out->line = lines->Text("URUT");
  return true;
}

// "?": the proforma's lines to choose from; the code chosen, or empty.
std::string ChooseProformaLine(frame::Session& session, std::string_view proforma) {
  xbase::WorkArea* lines = session.tables().Area("pro_in2");
  if (lines == nullptr) return "";
  frame::OrderScope scope(*lines);
  std::vector<uint32_t> records;
  if (!lines->SetOrder("PRO_IN22").ok() || !lines->SeekAll(lines->PadToField("NOMOR", proforma), &records).ok()) return "";
  std::vector<std::string> items, codes;
  for (uint32_t record : records) {
    if (!lines->GoTo(record).ok()) return "";
    codes.push_back(lines->Text("KODE"));
    items.push_back(lines->Text("KODE") + " " + xbase::Str(lines->Number("QUANTITY"), 9) + " " +
                    xbase::Str(lines->Number("REALISASI"), 9));
  }
  const int chosen = pickers::ChoiceBox(session.console(), items, 6, 20, 20, 60, "W+/b", "Kode        Quantity Realisasi", 8);
  return chosen == 0 ? "" : codes[static_cast<size_t>(chosen - 1)];
}

class NoteCell {
 public:
  NoteCell(frame::Session& session, ProformaNote* note, int line)
      : session_(session), note_(*note), index_(static_cast<size_t>(line - 1)), line_(note->lines[index_]) {}

  bool Run(int column, xbase::Value* typed) {
    const auto current = static_cast<ProformaNoteColumn>(column);
    const xbase::Value before = line_[Index(current)];
    line_[Index(current)] = *typed;
    bool ok = true;
    switch (current) {
      case kPnWarehouse: ok = WarehouseCell(); break;
      case kPnCode: ok = CodeCell(); break;
      case kPnShipped: ok = ShippedCell(); break;
      case kPnCartons:
      case kPnPacks:
      case kPnPieces: ok = QuantityCell(true); break;
      case kPnQuantity: ok = QuantityCell(false); break;
      default: break;
    }
    *typed = line_[Index(current)];
    if (!ok) line_[Index(current)] = before;
    return ok;
  }

 private:
  bool WarehouseCell() {
    std::string warehouse = PnWord(line_, kPnWarehouse);
    if (!pickers::CEKGUDANG(session_, &warehouse, false)) {
      return pickers::Refuse(session_, "Gudang " + std::string(xbase::RTrim(warehouse)) + " tidak terdaftar");
    }
    SetWord(&line_, kPnWarehouse, warehouse, 6);
    return true;
  }

  bool CodeCell() {
    std::string code = PnWord(line_, kPnCode);
    if (code.find('?') != std::string::npos) code = ChooseProformaLine(session_, note_.proforma);
    SetWord(&line_, kPnCode, code, 10);
    code = PnWord(line_, kPnCode);
    if (xbase::IsBlank(code)) return true;
    const std::string shown(xbase::RTrim(code));
    ProformaLine line;
    if (!FindProformaLine(session_, note_.proforma, code, &line)) return false;
    const std::string proforma(xbase::RTrim(note_.proforma));
    if (!line.found) return pickers::Refuse(session_, "kode " + shown + " tidak ada pada Proforma : " + proforma);
    if (line.quantity - line.realised - OtherLines(code) <= 0) {
      return pickers::Refuse(session_, "kode " + shown + " pada Proforma : " + proforma + " sudah terealisasi semua");
    }
    for (size_t i = 0; i < note_.lines.size(); ++i) {
      if (i != index_ && PnWord(note_.lines[i], kPnCode) == code) {
        return pickers::Refuse(session_, "Kode Barang " + shown + " sudah ada diurutan " + std::to_string(i + 1));
      }
    }
    SetFigure(&line_, kPnPrice, line.price);
    SetFigure(&line_, kPnDisc1, line.d1);
    SetFigure(&line_, kPnDisc2, line.d2);
    SetWord(&line_, kPnLine, line.line, 3);
    if (xbase::IsBlank(PnWord(line_, kPnShipped))) return Shipped(code);
    return true;
  }

  bool ShippedCell() {
    std::string code = PnWord(line_, kPnShipped);
    if (code.find('?') != std::string::npos && !pickers::PickStock(session_, PnWord(line_, kPnWarehouse), &code)) return false;
    if (xbase::IsBlank(code)) code = PnWord(line_, kPnCode);
    return Shipped(code);
  }

  // The goods shipped: in stock in the warehouse, and of the same kind as the proforma's goods.
  bool Shipped(std::string_view code) {
    SetWord(&line_, kPnShipped, code, 10);
    const std::string shipped = PnWord(line_, kPnShipped), warehouse = PnWord(line_, kPnWarehouse);
    StockRow stock;
    if (!FindStock(session_, warehouse, shipped, &stock)) return false;
    if (!stock.found) {
      return pickers::Refuse(session_, "Kode " + std::string(xbase::RTrim(shipped)) + " digudang " +
                                           std::string(xbase::RTrim(warehouse)) + " tidak terdaftar");
    }
    Goods goods;
    xbase::WorkArea* master = SeekGoods(session_, PnWord(line_, kPnCode), &goods);
    const double kind = master != nullptr && goods.found ? master->Number("HARGA4") : 0;
    master = SeekGoods(session_, shipped, &goods);
    if (master == nullptr || !goods.found || master->Number("HARGA4") != kind) {
      return pickers::Refuse(session_, "Barang harus sejenis");
    }
    SetWord(&line_, kPnName, master->Text("NAMA"), 20);
    SetFigure(&line_, kPnAverage, master->Number("HRG_RATA"));
    return true;
  }

  // What the other lines of the note take of the same proforma line.
  double OtherLines(std::string_view code) const {
    double taken = 0;
    for (size_t i = 0; i < note_.lines.size(); ++i) {
      if (i != index_ && PnWord(note_.lines[i], kPnCode) == code) taken += PnFigure(note_.lines[i], kPnQuantity);
    }
    return taken;
  }

  bool QuantityCell(bool from_parts) {
    if (PnFigure(line_, kPnCartons) < 0 || PnFigure(line_, kPnPacks) < 0 || PnFigure(line_, kPnPieces) < 0 ||
        PnFigure(line_, kPnQuantity) < 0) {
      return pickers::Refuse(session_, "Quantity tidak boleh minus");
    }
    Goods goods;
    SeekGoods(session_, PnWord(line_, kPnShipped), &goods);
    if (from_parts) {
      SetFigure(&line_, kPnQuantity,
                PnFigure(line_, kPnCartons) * goods.dos + PnFigure(line_, kPnPacks) * goods.pak + PnFigure(line_, kPnPieces));
    }
    ProformaLine line;
    if (!FindProformaLine(session_, note_.proforma, PnWord(line_, kPnCode), &line)) return false;
    const double open = std::max(0.0, line.quantity - line.realised - OtherLines(PnWord(line_, kPnCode)));
    if (PnFigure(line_, kPnQuantity) > open) {
      SetFigure(&line_, kPnQuantity, open);
      console::PESAN(session_.console(), "Quantity melebihi sisa proforma : " + xbase::Str(open, 9, 0), "Gr+/r");
    }
    StockRow stock;
    if (!FindStock(session_, PnWord(line_, kPnWarehouse), PnWord(line_, kPnShipped), &stock)) return false;
    double left = stock.quantity;
    for (size_t i = 0; i < note_.lines.size(); ++i) {
      const console::ValueRow& other = note_.lines[i];
      if (i != index_ && PnWord(other, kPnShipped) == PnWord(line_, kPnShipped) &&
          PnWord(other, kPnWarehouse) == PnWord(line_, kPnWarehouse)) {
        left -= PnFigure(other, kPnQuantity);
      }
    }
    if (left - PnFigure(line_, kPnQuantity) < 0) return pickers::Refuse(session_, "Stock Tidak Cukup");
    return true;
  }

  frame::Session& session_;
  ProformaNote& note_;
  size_t index_;
  console::ValueRow& line_;
};

}  // namespace

double PnFigure(const console::ValueRow& line, ProformaNoteColumn column) {
  const xbase::Value& value = line[Index(column)];
  return value.is_number() ? value.number() : 0;
}

std::string PnWord(const console::ValueRow& line, ProformaNoteColumn column) {
  const xbase::Value& value = line[Index(column)];
  return value.is_text() ? value.text() : std::string();
}

void AddProformaNoteLine(console::ValueTable* lines, std::string_view warehouse) {
  console::ValueRow line(kPnAverage, xbase::Value::Num(0));
  SetFigure(&line, kPnLineNo, static_cast<double>(lines->size() + 1));
  SetWord(&line, kPnWarehouse, warehouse, 6);
  SetWord(&line, kPnCode, "", 10);
  SetWord(&line, kPnShipped, "", 10);
  SetWord(&line, kPnName, "", 20);
  SetWord(&line, kPnLine, "", 3);
  lines->push_back(std::move(line));
}

bool CheckProformaNoteCell(frame::Session& session, xbase::Value* typed, int column, ProformaNote* note, int line) {
  NoteCell check(session, note, line);
  return check.Run(column, typed);
}

double ProformaNoteValue(const ProformaNote& note) {
  double total = 0;
  for (const console::ValueRow& line : note.lines) {
    total += documents::LineValue(PnFigure(line, kPnQuantity), PnFigure(line, kPnPrice), PnFigure(line, kPnDisc1),
                                  PnFigure(line, kPnDisc2));
  }
  return documents::AfterDiscounts(total, note.discount1, note.discount2);
}

}  // namespace sales
