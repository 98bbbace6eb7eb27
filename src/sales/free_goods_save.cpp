// The save of a free-goods note: the goods the type allows, the confirmation, the lines and the
// stock, then the note, its lines with their stock movements and the notes it was granted on. No
// receivable is written and the customer's balance does not move.
#include <map>
#include <string>

#include "console/alert.h"
#include "console/message.h"
#include "console/table_access.h"
#include "documents/field_values.h"
#include "documents/line_value.h"
#include "documents/record_writes.h"
#include "documents/save_scope.h"
#include "documents/shared_postings.h"
#include "documents/stock_posting.h"
#include "frame/supervisor_override.h"
#include "pickers/picker_support.h"
#include "sales/free_goods.h"
#include "sales/goods_lookup.h"
#include "sales/sales.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {

using documents::D;
using documents::N;
using documents::T;

namespace {

bool Stored(const console::ValueRow& line) { return !xbase::IsBlank(FgWord(line, kFgCode)); }

// The first line whose goods the warehouse cannot give (with the other lines of the same goods) is
// named; the save goes on only with a supervisor's consent.
bool StockSuffices(frame::Session& session, const FreeGoodsNote& note) {
  std::map<std::string, double> taken;
  for (const console::ValueRow& line : note.lines) {
    if (!Stored(line)) continue;
    const std::string code = FgWord(line, kFgCode), warehouse = FgWord(line, kFgWarehouse);
    double& out = taken[warehouse + code];
    out += FgFigure(line, kFgQuantity);
    StockRow stock;
    if (!FindStock(session, warehouse, code, &stock)) return false;
    if (stock.quantity - out >= 0) continue;
    console::PESAN(session.console(), "Sisa stock barang " + std::string(xbase::RTrim(code)) + " minus....", "Gr+/r");
    return frame::PERMITION(session);
  }
  return true;
}

// The writes of one note, in their fixed order.
xbase::Status WriteNote(frame::Session& session, const FreeGoodsNote& note, xbase::WorkArea& notes,
                        xbase::WorkArea& note_lines, xbase::WorkArea& fgoods) {
  console::Console& con = session.console();
  xbase::Status s = documents::AppendRecord(
      con, notes,
      {{"INVOICE", T(note.number)},     {"TANGGAL", D(note.date)},          {"PESAN", D(note.date)},
       {"KIRIM", D(note.date)},         {"NOMOR", T("FREE GOODS")},         {"RELASI", T(note.customer)},
       {"TIPE", T(note.type)},          {"SALES", T(note.salesman)},        {"KDCB", T(note.branch)},
       {"TEMPO", D(note.tempo)},        {"TERM", N(0)},                     {"KTR1", T("PO " + std::string(xbase::RTrim(note.order)))},
       {"DISCOUNT", N(note.discount)},  {"DISCOUNT2", N(JATAHDISCOUNTFREEGOODS(session, note.type))},
       {"CODE_ID", T(note.code_id)},    {"INCLUDE", xbase::Value::Logical(true)},
       {"TG_INPUT", D(session.Today())}, {"OPERATOR", T(session.MMEMBER.nik)}});
  int position = 0;
  for (const console::ValueRow& line : note.lines) {
    if (!s.ok()) break;
    const double quantity = FgFigure(line, kFgQuantity);
    if (!Stored(line) || quantity == 0) continue;
    Goods goods;
    SeekGoods(session, FgWord(line, kFgCode), &goods);
    const documents::CartonSplit split = documents::SplitCartons(quantity, goods.dos, goods.pak);
    s = documents::AppendRecord(
        con, note_lines,
        {{"INVOICE", T(note.number)},           {"KODE", T(FgWord(line, kFgCode))},
         {"GUDANG", T(FgWord(line, kFgWarehouse))}, {"Q_BOX", N(split.cartons)},
         {"Q_PAK", N(split.packs)},             {"Q_PCS", N(split.pieces)},
         {"QUANTITY", N(quantity)},             {"HARGA", N(FgFigure(line, kFgPrice))},
         {"DISCOUNT", N(FgFigure(line, kFgDisc1))}, {"DISCOUNT2", N(FgFigure(line, kFgDisc2))},
         {"KTR", T("FREE GOODS")},              {"URUT", T(xbase::Str(++position, 3))},
         {"HRG_RATA", N(FgFigure(line, kFgAverage))}});
    if (s.ok()) s = documents::UPMASTERBARANG(session, FgWord(line, kFgCode), FgWord(line, kFgWarehouse), 0, quantity);
  }
  for (size_t i = 0; s.ok() && i < note.notes.size(); ++i) {
    s = documents::AppendRecord(con, fgoods, {{"NO_FG", T(note.number)}, {"INVOICE", T(note.notes[i].invoice)},
                                              {"NILAI", N(note.notes[i].value)}});
  }
  return s;
}

}  // namespace

bool SaveFreeGoods(frame::Session& session, const FreeGoodsNote& note) {
  if (!CECKSPECHBARANG(session, note.type, note.lines)) return false;
  if (console::Alert(session.console(), "Yakin data akan disimpan", {"Ya", "Tidak"}) != 1) return false;
  int items = 0;
  for (const console::ValueRow& line : note.lines) {
    if (!Stored(line)) continue;
    if (FgFigure(line, kFgQuantity) == 0) return pickers::Refuse(session, "ada item (qty) barang yang kosong");
    ++items;
  }
  if (items > kFreeGoodsLines) return pickers::Refuse(session, "Jumlah Item tidak boleh lebih dari 18");
  if (items == 0) return pickers::Refuse(session, "ada item (qty) barang yang kosong");
  if (!StockSuffices(session, note)) return false;
  return WriteFreeGoods(session, note);
}

bool WriteFreeGoods(frame::Session& session, const FreeGoodsNote& note) {
  xbase::WorkArea *notes = nullptr, *note_lines = nullptr, *fgoods = nullptr;
  xbase::Status s = documents::RequireArea(session, "srtjln1", &notes);
  if (s.ok()) s = documents::RequireArea(session, "srtjln2", &note_lines);
  if (s.ok()) s = documents::RequireArea(session, "fgoods", &fgoods);
  if (!pickers::Checked(session, s)) return false;
  // Every lock before the first write. The note table stays locked from the last check of the
  // number to the end of the save, so no other workstation takes the number in between.
  documents::SaveScope save(session.console());
  save.Table(*notes);
  save.Append(*notes);
  save.Append(*note_lines);
  save.Append(*fgoods);
  for (const console::ValueRow& line : note.lines) {
    if (s.ok() && Stored(line) && FgFigure(line, kFgQuantity) != 0) {
      s = documents::NameStockMove(save, session, FgWord(line, kFgCode), FgWord(line, kFgWarehouse));
    }
  }
  if (s.ok()) s = save.Lock();
  if (!s.ok()) return documents::NothingSaved(session, s);
  if (!FreeGoodsNumberFree(session, note.number)) return false;  // nothing written; `save` gives the locks back
  s = save.BeginWrites();
  if (s.ok()) s = WriteNote(session, note, *notes, *note_lines, *fgoods);
  s = save.CommitWrites(s);
  if (s.ok()) return true;
  return pickers::Refuse(session, "Gagal menyimpan: " + s.message());
}

}  // namespace sales
