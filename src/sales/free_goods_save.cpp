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
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "frame/supervisor_override.h"
#include "pickers/picker_support.h"
#include "sales/document_records.h"
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

// The writes of one note, in their fixed order; `discount2` is the type's second header discount.
xbase::Status WriteNote(frame::Session& session, const FreeGoodsNote& note, double discount2, xbase::WorkArea& notes,
                        xbase::WorkArea& note_lines, xbase::WorkArea& fgoods) {
  console::Console& con = session.console();
  NoteHead head;
  head.invoice = note.number;
  head.date = head.order_date = head.shipping_date = note.date;
  head.order = "FREE GOODS";
  head.customer = note.customer;
  head.type = note.type;
  head.salesman = note.salesman;
  head.branch = note.branch;
  head.tempo = note.tempo;
  head.remark1 = "PO " + std::string(xbase::RTrim(note.order));
  head.discount1 = note.discount;
  head.discount2 = discount2;
  head.code_id = note.code_id;
  xbase::Status s = NoteHeadRecord().Append(con, notes, head,
                                            {{"TG_INPUT", D(session.Today())}, {"OPERATOR", T(session.MMEMBER.nik)}});
  int position = 0;
  for (const console::ValueRow& line : note.lines) {
    if (!s.ok()) break;
    const double quantity = FgFigure(line, kFgQuantity);
    if (!Stored(line) || quantity == 0) continue;
    NoteItem item;
    item.code = FgWord(line, kFgCode);
    item.warehouse = FgWord(line, kFgWarehouse);
    item.name = "FREE GOODS";
    item.quantity = quantity;
    item.price = FgFigure(line, kFgPrice);
    item.disc1 = FgFigure(line, kFgDisc1);
    item.disc2 = FgFigure(line, kFgDisc2);
    item.average = FgFigure(line, kFgAverage);
    Goods goods;
    SeekGoods(session, item.code, &goods);
    item.split = documents::SplitCartons(quantity, goods.dos, goods.pak);
    s = NoteItemRecord().Append(con, note_lines, item,
                                {{"INVOICE", T(note.number)}, {"URUT", T(xbase::Str(++position, 3))}});
    if (s.ok()) s = documents::UPMASTERBARANG(session, item.code, item.warehouse, 0, quantity);
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
  xbase::Status s = frame::RequireArea(session, "srtjln1", &notes);
  if (s.ok()) s = frame::RequireArea(session, "srtjln2", &note_lines);
  if (s.ok()) s = frame::RequireArea(session, "fgoods", &fgoods);
  double discount2 = 0;
  if (s.ok()) s = JATAHDISCOUNTFREEGOODS(session, note.type, &discount2);
  if (!frame::Checked(session, s)) return false;
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
  if (s.ok()) s = WriteNote(session, note, discount2, *notes, *note_lines, *fgoods);
  s = save.CommitWrites(s);
  if (s.ok()) return true;
  return pickers::Refuse(session, "Gagal menyimpan: " + s.message());
}

}  // namespace sales
