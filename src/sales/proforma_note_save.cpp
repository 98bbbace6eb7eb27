// The proforma behind a delivery note, the customer it may go to, and the save of the note: the
// delivery note and its lines, the stock of the goods shipped, the receivable, the proforma's note
// record and the realisations.
#include <cctype>
#include <cmath>
#include <map>
#include <string>

#include "console/keys.h"
#include "console/message.h"
#include "console/table_access.h"
#include "documents/field_values.h"
#include "documents/line_value.h"
#include "documents/record_writes.h"
#include "documents/save_scope.h"
#include "documents/shared_postings.h"
#include "documents/stock_posting.h"
#include "frame/open_table.h"
#include "frame/order_scope.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "sales/document_records.h"
#include "sales/goods_lookup.h"
#include "sales/note_receivable.h"
#include "sales/proforma.h"
#include "sales/proforma_note.h"
#include "sales/sales.h"
#include "xbase/keyed_read.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace sales {

using documents::D;
using documents::L;
using documents::N;
using documents::T;

namespace {

bool Stored(const console::ValueRow& line) { return !xbase::IsBlank(PnWord(line, kPnCode)) && PnFigure(line, kPnQuantity) != 0; }

// The outlet group a customer is a member of; blank for none.
std::string OutletGroup(frame::Session& session, std::string_view customer) {
  xbase::WorkArea* members = session.tables().Area("otl_mbr");
  if (members == nullptr) return "";
  frame::OrderScope scope(*members);
  if (!members->SetOrder("OTL_MBR2").ok() || !members->Seek(members->PadToField("MEMBER", customer)).ok() ||
      !members->found()) {
    return "";
  }
  return members->Text("KODE");
}

struct NoteTables {
  xbase::WorkArea *notes = nullptr, *note_lines = nullptr, *receivables = nullptr, *out = nullptr, *out_lines = nullptr;
  xbase::Status Find(frame::Session& session) {
    xbase::Status s = frame::RequireArea(session, "srtjln1", &notes);
    if (s.ok()) s = frame::RequireArea(session, "srtjln2", &note_lines);
    if (s.ok()) s = frame::RequireArea(session, "piutdbt", &receivables);
    if (s.ok()) s = frame::RequireArea(session, "pro_ot1", &out);
    if (s.ok()) s = frame::RequireArea(session, "pro_ot2", &out_lines);
    return s;
  }
};

// The writes of one note, in their fixed order.
xbase::Status WriteNote(frame::Session& session, const ProformaNote& note, const NoteTables& tables) {
  console::Console& con = session.console();
  const double value = ProformaNoteValue(note);
  NoteHead head;
  head.invoice = note.number;
  head.date = head.shipping_date = note.date;
  head.order = note.proforma;
  head.customer = note.customer;
  head.type = note.type;
  head.salesman = note.salesman;
  head.branch = note.branch;
  head.tempo = note.tempo;
  head.term = note.term;
  head.order_date = note.ordered;
  head.remark1 = note.remark;
  head.remark2 = "TIDAK UNTUK TAGIHAN";
  head.discount1 = note.discount1;
  head.discount2 = note.discount2;
  head.code_id = note.code_id;
  xbase::Status s = NoteHeadRecord().Append(
      con, *tables.notes, head,
      {{"PROFORMA", L(true)}, {"TG_INPUT", D(session.Today())}, {"OPERATOR", T(session.MMEMBER.nik)}});
  int position = 0;
  for (const console::ValueRow& line : note.lines) {
    if (!s.ok()) break;
    if (!Stored(line)) continue;
    NoteItem item;
    item.code = PnWord(line, kPnShipped);
    item.warehouse = PnWord(line, kPnWarehouse);
    item.name = PnWord(line, kPnName);
    item.order_line = PnWord(line, kPnLine);
    item.quantity = PnFigure(line, kPnQuantity);
    item.price = PnFigure(line, kPnPrice);
    item.disc1 = PnFigure(line, kPnDisc1);
    item.disc2 = PnFigure(line, kPnDisc2);
    item.average = PnFigure(line, kPnAverage);
    Goods goods;
    SeekGoods(session, item.code, &goods);
    item.split = documents::SplitCartons(item.quantity, goods.dos, goods.pak);
    // The line and its stock movement carry the goods that left, so the stock regeneration agrees.
    s = NoteItemRecord().Append(con, *tables.note_lines, item,
                                {{"INVOICE", T(note.number)}, {"URUT", T(xbase::Str(++position, 3))}});
    if (s.ok()) s = documents::UPMASTERBARANG(session, item.code, item.warehouse, 0, item.quantity);
  }
  if (s.ok() && value != 0) {
    s = AppendNoteReceivable(session, *tables.receivables,
                             {note.number, note.branch, note.customer, note.type, note.salesman, note.remark,
                              note.code_id, note.date, note.tempo, value});
  }
  if (s.ok()) {
    s = ProformaNoteRecord().Append(
        con, *tables.out, note, {{"NILAI_SJ", N(value)}, {"AUDIT", D(session.Today())}, {"OPERATOR", T(session.MMEMBER.nik)}});
  }
  for (const console::ValueRow& line : note.lines) {
    if (!s.ok()) break;
    if (xbase::IsBlank(PnWord(line, kPnCode)) && PnFigure(line, kPnPieces) == 0) continue;
    s = ProformaNoteLineRecord().Append(con, *tables.out_lines, line,
                                        {{"NOMOR", T(note.number)}, {"NO_REFF", T(note.proforma)}});
    if (s.ok()) {
      s = UPDATEEKSPROFORMA(session, note.proforma, PnWord(line, kPnCode), PnWord(line, kPnLine),
                            PnFigure(line, kPnQuantity), 0);
    }
  }
  return s;
}

// Every record the note's save changes, named before its locks: the note and proforma-note tables
// locked whole (their numbers are checked under the locks), the appends, the stock of each line, the
// proforma lines it realises and the customer's balance.
xbase::Status NameNote(documents::SaveScope& save, frame::Session& session, const ProformaNote& note,
                       const NoteTables& tables) {
  for (xbase::WorkArea* area : {tables.notes, tables.out}) save.Table(*area);
  for (xbase::WorkArea* area : {tables.notes, tables.note_lines, tables.receivables, tables.out, tables.out_lines}) {
    save.Append(*area);
  }
  xbase::WorkArea* proforma_lines = nullptr;
  xbase::Status s = frame::RequireArea(session, "pro_in2", &proforma_lines);
  if (!s.ok()) return s;
  frame::OrderScope order(*proforma_lines);
  s = proforma_lines->SetOrder("PRO_IN22");
  for (const console::ValueRow& line : note.lines) {
    if (s.ok() && Stored(line)) s = documents::NameStockMove(save, session, PnWord(line, kPnShipped), PnWord(line, kPnWarehouse));
    if (!s.ok() || (xbase::IsBlank(PnWord(line, kPnCode)) && PnFigure(line, kPnPieces) == 0)) continue;
    s = proforma_lines->Seek(proforma_lines->PadToField("NOMOR", note.proforma) +
                             proforma_lines->PadToField("KODE", PnWord(line, kPnCode)));
    if (s.ok() && proforma_lines->found()) save.Update(*proforma_lines, proforma_lines->recno());
  }
  if (s.ok() && ProformaNoteValue(note) != 0) s = documents::NameBalance(save, session, note.customer);
  return s;
}

// The note's number checked again under the locks: free as a note, as a proforma note and as a
// receivable.
bool NumberStillFree(frame::Session& session, const ProformaNote& note, xbase::WorkArea& receivables) {
  if (!CEKEXIST(session, note.number)) return false;
  frame::OrderScope scope(receivables);
  xbase::Status s = receivables.SetOrder("PIUTDBT1");
  if (s.ok()) s = receivables.Seek(receivables.PadToField("NOTA", xbase::RTrim(note.number)));
  if (!frame::Checked(session, s)) return false;
  return !receivables.found() || pickers::Refuse(session, "Surat Jalan sudah terdaftar");
}

}  // namespace

bool LoadNoteProforma(frame::Session& session, ProformaNote* note) {
  bool found = false;
  xbase::WorkArea* header = nullptr;
  if (!frame::Checked(session, PickProforma(session, &note->proforma, &found, &header))) return false;
  if (!found) return pickers::Refuse(session, "Proforma " + std::string(xbase::RTrim(note->proforma)) + " tidak terdaftar");
  if (!xbase::IsBlank(header->Text("NO_REFF"))) {
    return pickers::Refuse(session, "Proforma ini sudah di" + std::string(xbase::RTrim(header->Text("NO_REFF"))));
  }
  note->maximum = header->Number("NILAI_PI") - header->Number("NILAI_KR");
  if (note->maximum < 0) return pickers::Refuse(session, "Proforma ini sudah dibuat SJ Semua.....!!!");
  Proforma proforma;
  if (!frame::Checked(session, ProformaHeadRecord().Read(*header, &proforma))) return false;
  note->proforma = proforma.number;
  note->proforma_customer = proforma.customer;
  if (xbase::IsBlank(note->customer)) note->customer = note->proforma_customer;
  note->type = proforma.type;
  note->salesman = proforma.salesman;
  note->ordered = proforma.date;
  note->branch = proforma.branch;
  note->discount1 = proforma.discount1;
  note->discount2 = proforma.discount2;
  note->code_id = proforma.code_id;
  // The customer's term sets the due date: a customer missing from MASTCUS has none, one whose
  // record cannot be read stops the load.
  xbase::WorkArea* customers = nullptr;
  bool known = false;
  xbase::Status s = frame::RequireArea(session, "mastcus", &customers);
  if (s.ok()) s = customers->SetOrder(1);
  if (s.ok()) s = xbase::SeekFound(*customers, customers->PadToField("RELASI", note->customer), &known);
  if (!frame::Checked(session, s)) return false;
  if (known) note->term = customers->Number("TEMPO");
  note->tempo = note->date + static_cast<int>(note->term);
  return true;
}

bool CheckNoteCustomer(frame::Session& session, const ProformaNote& note) {
  xbase::WorkArea* customers = nullptr;
  if (!frame::Checked(session, frame::RequireArea(session, "mastcus", &customers))) return false;
  frame::OrderScope scope(*customers);
  xbase::Status s = customers->SetOrder(1);
  if (s.ok()) s = customers->Seek(customers->PadToField("RELASI", note.customer));
  if (!frame::Checked(session, s)) return false;
  if (xbase::IsBlank(note.customer) || !customers->found()) return pickers::Refuse(session, "Relasi tidak terdaftar");
  if (customers->Text("RELASI") == customers->PadToField("RELASI", note.proforma_customer)) return true;
  const std::string group = OutletGroup(session, note.proforma_customer);
  if (!xbase::IsBlank(group) && OutletGroup(session, note.customer) == group) return true;
  return pickers::Refuse(session, "Relasi harus satu grup......");
}

bool SaveProformaNote(frame::Session& session, const ProformaNote& note) {
  const double value = ProformaNoteValue(note);
  if (std::trunc(value) > std::trunc(note.maximum)) {
    return pickers::Refuse(session, "nilai maximal pengiriman eks SJ " + std::string(xbase::RTrim(note.proforma)) + " " +
                                        xbase::Transform(xbase::Value::Num(note.maximum), "999,999,999,999.99"));
  }
  const int answer = console::PESAN(session.console(), "Yakin Data Akan DISIMPAN (Y/T)");
  if (answer != console::key::kEnter && std::toupper(answer) != 'Y') return false;
  std::map<std::string, double> taken;
  bool any = false;
  for (const console::ValueRow& line : note.lines) {
    if (!Stored(line)) continue;
    any = true;
    const std::string key = PnWord(line, kPnWarehouse) + PnWord(line, kPnShipped);
    taken[key] += PnFigure(line, kPnQuantity);
    StockRow stock;
    if (!FindStock(session, PnWord(line, kPnWarehouse), PnWord(line, kPnShipped), &stock)) return false;
    if (stock.quantity - taken[key] < 0) {
      return pickers::Refuse(session, "Sisa stock barang " + std::string(xbase::RTrim(PnWord(line, kPnShipped))) + " minus....");
    }
  }
  if (!any) return pickers::Refuse(session, "ada item (qty) barang yang kosong");
  return WriteProformaNote(session, note);
}

bool WriteProformaNote(frame::Session& session, const ProformaNote& note) {
  NoteTables tables;
  if (!frame::Checked(session, tables.Find(session))) return false;
  // Every lock before the first write; the note tables stay locked from the last check of the
  // number to the end of the save.
  documents::SaveScope save(session.console());
  xbase::Status s = NameNote(save, session, note, tables);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) return documents::NothingSaved(session, s);
  if (!NumberStillFree(session, note, *tables.receivables)) return false;  // nothing written; `save` gives the locks back
  s = save.BeginWrites();
  if (s.ok()) s = WriteNote(session, note, tables);
  s = save.CommitWrites(s);
  if (s.ok()) return true;
  return pickers::Refuse(session, "Gagal menyimpan: " + s.message());
}

}  // namespace sales
