// The write of a delivery note's revision: every record it changes locked first and the stored note
// checked again under the locks; then the header rewritten in place, every stored line taken back
// (stock in, delivered quantity off its order line) and the corrected lines posted, the rows reused in
// place; then the manager link, the receivable and the customer balances.
#include <string>
#include <vector>

#include "console/message.h"
#include "console/table_access.h"
#include "documents/field_values.h"
#include "documents/record_writes.h"
#include "documents/save_scope.h"
#include "documents/shared_postings.h"
#include "documents/stock_posting.h"
#include "documents/stored_lines.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "sales/delivery_note.h"
#include "sales/document_records.h"
#include "sales/note_revision.h"
#include "sales/sales.h"
#include "sales/sales_order.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace sales {

using documents::D;
using documents::N;
using documents::T;

namespace {

std::string Amount(double value) { return std::string(xbase::AllTrim(xbase::Transform(xbase::Value::Num(value), "999,999,999,999.99"))); }

struct RevisionTables {
  xbase::WorkArea* notes = nullptr;
  xbase::WorkArea* lines = nullptr;
  xbase::WorkArea* receivables = nullptr;

  xbase::Status Find(frame::Session& session) {
    xbase::Status s = frame::RequireArea(session, "srtjln1", &notes);
    if (s.ok()) s = frame::RequireArea(session, "srtjln2", &lines);
    if (s.ok()) s = frame::RequireArea(session, "piutdbt", &receivables);
    return s;
  }
};

// The corrected lines as they go on the note: one per screen line, a line without goods or pieces
// left out (its row freed).
std::vector<NoteItem> Items(frame::Session& session, const NoteRevision& rev, std::vector<bool>* kept, xbase::Status* status) {
  std::vector<NoteItem> items;
  for (const console::ValueRow& line : rev.doc.lines) {
    NoteItem item;
    item.code = note::Word(line, note::kCode);
    item.warehouse = note::Word(line, note::kWarehouse);
    item.name = note::Word(line, note::kName);
    item.order_line = note::Word(line, note::kOrderLine);
    item.quantity = note::Figure(line, note::kQuantity);
    item.price = note::Figure(line, note::kPrice);
    item.disc1 = note::Figure(line, note::kDisc1);
    item.disc2 = note::Figure(line, note::kDisc2);
    item.average = note::Figure(line, note::kAverage);
    const bool keep = !xbase::IsBlank(item.code) && item.quantity != 0;
    kept->push_back(keep);
    // The cartons, packs and pieces stored follow the pieces delivered, however they were typed.
    if (keep && status->ok()) *status = CompleteItem(session, rev.doc.header.discount1, rev.doc.header.discount2, &item);
    items.push_back(item);
  }
  return items;
}

class RevisionWrite {
 public:
  RevisionWrite(frame::Session& session, const NoteRevision& rev, RevisionTables tables)
      : session_(session), rev_(rev), header_(rev.doc.header), tables_(tables) {}

  // The checks of what the clerk typed, then CheckStored; false with a message.
  bool Check(std::vector<NoteItem>* items, std::vector<bool>* kept) {
    xbase::Status s;
    *items = Items(session_, rev_, kept, &s);
    if (!frame::Checked(session_, s)) return false;
    std::vector<NoteItem> stored;
    for (size_t k = 0; k < items->size(); ++k) {
      if ((*kept)[k]) stored.push_back((*items)[k]);
    }
    if (stored.size() > static_cast<size_t>(kLinesPerNote)) {
      return pickers::Refuse(session_, "Satu surat jalan paling banyak " + std::to_string(kLinesPerNote) + " baris");
    }
    if (!ItemsFit(session_, stored)) return false;
    amount_ = ItemsAmount(stored);
    return frame::Checked(session_, CheckStored());
  }

  // What another workstation may change meanwhile, checked before the locks and again under them:
  // the note is there, its receivable not paid beyond the new amount nor, once paid, moved to
  // another customer. A refusal carries its message.
  xbase::Status CheckStored() {
    const std::string shown(xbase::AllTrim(rev_.doc.invoice));
    bool held = false;
    xbase::Status s = Holds(*tables_.notes, "SRTJLN11", tables_.notes->PadToField("INVOICE", rev_.doc.invoice), &held);
    if (!s.ok()) return s;
    if (!held) return xbase::Status::InvalidArgument("Nomor Sj " + shown + " tidak terdaftar");
    note_record_ = tables_.notes->recno();
    if (s = FindReceivable(); !s.ok()) return s;
    if (receivable_record_ != 0 && !receivable_deleted_) {
      if (amount_ < paid_) {
        return xbase::Status::InvalidArgument("Nilai surat jalan " + Amount(amount_) + " kurang dari yang sudah dibayar " +
                                              Amount(paid_));
      }
      if (paid_ != 0 && xbase::AllTrim(old_customer_) != xbase::AllTrim(header_.customer)) {
        return xbase::Status::InvalidArgument("Piutang SJ " + shown + " sudah dibayar, relasi tidak boleh diganti");
      }
    }
    return s;
  }

  // CheckStored under the locks; the records named before them must be the ones found now.
  xbase::Status CheckStoredAgain() {
    const uint32_t note = note_record_, receivable = receivable_record_;
    const std::string customer = old_customer_;
    xbase::Status s = CheckStored();
    if (s.ok() && (note != note_record_ || receivable != receivable_record_ || customer != old_customer_)) {
      s = xbase::Status::InvalidArgument("SJ " + std::string(xbase::AllTrim(rev_.doc.invoice)) +
                                         " diubah di komputer lain, simpan sekali lagi");
    }
    return s;
  }

  // Every record Run changes, named in the save: the note, its stored rows (and an append), the stock
  // and order lines each stored row and each new line moves, the manager link, the receivable and the
  // balances of its old and new customer.
  xbase::Status Name(documents::SaveScope& save, const std::vector<NoteItem>& items, const std::vector<bool>& kept) {
    save.Update(*tables_.notes, note_record_);
    xbase::WorkArea& lines = *tables_.lines;
    const std::string& order = header_.order;
    std::vector<uint32_t> rows;
    xbase::Status s = lines.SetOrder("SRTJLN21");
    if (s.ok()) s = documents::StoredRows(session_.tables(), lines, lines.PadToField("INVOICE", rev_.doc.invoice), &rows);
    save.Append(lines);
    for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
      save.Update(lines, rows[i]);
      if (s = lines.GoTo(rows[i]); !s.ok() || lines.deleted()) continue;
      const std::string code = lines.Text("KODE"), warehouse = lines.Text("GUDANG"), from = lines.Text("URUTAN");
      s = documents::NameStockMove(save, session_, code, warehouse);
      if (s.ok()) s = documents::NameOrderLine(save, session_, order, code, from);
    }
    for (size_t k = 0; s.ok() && k < items.size(); ++k) {
      if (!kept[k]) continue;
      s = documents::NameStockMove(save, session_, items[k].code, items[k].warehouse);
      if (s.ok()) s = documents::NameOrderLine(save, session_, order, items[k].code, items[k].order_line);
    }
    if (s.ok()) s = NameMonitor(save, session_, Head());
    if (!s.ok()) return s;
    if (receivable_record_ == 0) {
      if (amount_ == 0) return s;
      save.Append(*tables_.receivables);
      return documents::NameBalance(save, session_, header_.customer);
    }
    save.Update(*tables_.receivables, receivable_record_);
    s = documents::NameBalance(save, session_, old_customer_);
    if (s.ok()) s = documents::NameBalance(save, session_, header_.customer);
    return s;
  }

  xbase::Status Run(const std::vector<NoteItem>& items, const std::vector<bool>& kept) {
    // The note's header stays locked while its lines and receivable change, so that two revisions of
    // one note do not interleave.
    xbase::Status s = tables_.notes->GoTo(note_record_);
    if (s.ok()) s = console::LOCK_REC(session_.console(), *tables_.notes);
    if (!s.ok()) return s;
    s = Header();
    if (s.ok()) s = Lines(items, kept);
    if (s.ok()) s = WriteMonitor(session_, Head());
    if (s.ok()) s = Receivable();
    const xbase::Status unlocked = tables_.notes->Unlock();
    return s.ok() ? unlocked : s;
  }

 private:
  NoteHead Head() const { return NoteHeadOf(header_, rev_.doc.invoice, rev_.doc.due_date, rev_.stored_term); }

  // The receivable of the note, deleted rows too.
  xbase::Status FindReceivable() {
    xbase::ShowDeleted show(&session_.tables());
    xbase::WorkArea& receivables = *tables_.receivables;
    bool held = false;
    const xbase::Status s = Holds(receivables, "PIUTDBT1", receivables.PadToField("NOTA", rev_.doc.invoice), &held);
    if (!s.ok()) return s;
    receivable_record_ = held ? receivables.recno() : 0;
    receivable_deleted_ = held && receivables.deleted();
    paid_ = held ? receivables.Number("KREDIT") : 0;
    old_customer_ = held ? receivables.Text("RELASI") : "";
    return s;
  }

  // The header rewritten on its locked row; the first entry's date and operator stay.
  xbase::Status Header() {
    return NoteHeadRecord().Write(*tables_.notes, NoteHeadOf(header_, rev_.doc.invoice, rev_.doc.due_date, rev_.stored_term));
  }

  // The stored lines paired with the screen lines one by one.
  xbase::Status Lines(const std::vector<NoteItem>& items, const std::vector<bool>& kept) {
    xbase::WorkArea& lines = *tables_.lines;
    std::vector<uint32_t> rows;
    xbase::Status s = lines.SetOrder("SRTJLN21");
    if (s.ok()) s = documents::StoredRows(session_.tables(), lines, lines.PadToField("INVOICE", rev_.doc.invoice), &rows);
    if (!s.ok()) return s;
    const std::string& order = header_.order;
    documents::LineRewrite how;
    how.keep = [&](size_t k) { return static_cast<bool>(kept[k]); };
    how.reverse = [&]() {
      // Read before the postings: they move other tables only.
      const std::string code = lines.Text("KODE"), warehouse = lines.Text("GUDANG"), from = lines.Text("URUTAN");
      const double quantity = lines.Number("QUANTITY");
      xbase::Status r = documents::UPMASTERBARANG(session_, code, warehouse, quantity, 0);
      if (r.ok()) r = documents::UPSALESORDER(session_, order, code, 0, quantity, from);
      return r;
    };
    how.write = [&](size_t k, bool appended) {
      documents::FieldValues extra = {{"URUT", T(xbase::Str(static_cast<double>(k + 1), 3))}};
      if (appended) extra.insert(extra.begin(), {"INVOICE", T(rev_.doc.invoice)});
      return NoteItemRecord().Write(lines, items[k], std::move(extra));
    };
    how.apply = [&](size_t k) {
      const NoteItem& item = items[k];
      xbase::Status a = documents::UPMASTERBARANG(session_, item.code, item.warehouse, 0, item.quantity);
      if (a.ok()) a = documents::UPSALESORDER(session_, order, item.code, item.quantity, 0, item.order_line);
      return a;
    };
    xbase::ShowDeleted show(&session_.tables());
    return documents::RewriteLines(session_.console(), lines, rows, items.size(), how);
  }

  // The receivable moved from its old amount and customer to the new ones.
  xbase::Status Receivable() {
    xbase::WorkArea& receivables = *tables_.receivables;
    if (receivable_record_ == 0) {
      return amount_ != 0 ? WriteReceivable(session_, Head(), amount_) : xbase::Status::OK();
    }
    xbase::ShowDeleted show(&session_.tables());
    xbase::Status s = receivables.GoTo(receivable_record_);
    if (s.ok()) s = console::LOCK_REC(session_.console(), receivables);
    if (!s.ok()) return s;
    // The lock re-read the row: its amount and customer as they stand now.
    const double old_amount = receivables.deleted() ? 0 : receivables.Number("DEBET");
    const std::string old_customer = receivables.Text("RELASI");
    if (amount_ != 0 && receivables.deleted()) s = receivables.Recall();
    documents::FieldValues fields = {{"DEBET", N(amount_)}};
    if (amount_ != 0) {
      fields = {{"TANGGAL", D(header_.note_date)}, {"KDCB", T(header_.branch)},   {"RELASI", T(header_.customer)},
                {"TIPE", T(header_.type)},         {"SALES", T(header_.salesman)}, {"KTR", T(header_.remark1)},
                {"CODE_ID", T(header_.code_id)},   {"DEBET", N(amount_)},          {"TEMPO", D(rev_.doc.due_date)}};
    }
    if (s.ok()) {
      s = documents::PutAndRelease(receivables, fields);
    } else {
      receivables.Unlock().IgnoreError();  // the recall failed; its status is reported
    }
    if (s.ok() && old_amount != 0) s = documents::UPSALDOMASTCUS(session_, old_customer, 0, old_amount);
    if (s.ok() && amount_ != 0) s = documents::UPSALDOMASTCUS(session_, header_.customer, amount_, 0);
    return s;
  }

  frame::Session& session_;
  const NoteRevision& rev_;
  const OrderHeader& header_;
  RevisionTables tables_;
  double amount_ = 0;
  uint32_t note_record_ = 0;
  uint32_t receivable_record_ = 0;
  bool receivable_deleted_ = false;
  double paid_ = 0;
  std::string old_customer_;
};

}  // namespace

bool WriteNoteRevision(frame::Session& session, const NoteRevision& rev) {
  RevisionTables tables;
  if (!frame::Checked(session, tables.Find(session))) return false;
  RevisionWrite write(session, rev, tables);
  std::vector<NoteItem> items;
  std::vector<bool> kept;
  if (!write.Check(&items, &kept)) return false;
  documents::SaveScope save(session.console());
  xbase::Status s = write.Name(save, items, kept);
  if (s.ok()) s = save.Lock();
  if (s.ok()) s = write.CheckStoredAgain();
  if (s.ok()) {
    s = rev.doc.seen.Unchanged(session.tables(), "SJ " + std::string(xbase::AllTrim(rev.doc.invoice)) +
                                                     " diubah di komputer lain, panggil ulang datanya");
  }
  if (!s.ok()) return documents::NothingSaved(session, save, s);
  s = save.BeginWrites();
  if (s.ok()) s = write.Run(items, kept);
  s = save.CommitWrites(s);
  if (s.ok()) return true;
  console::PESAN(session.console(), "Gagal menyimpan ralat SJ " + std::string(xbase::AllTrim(rev.doc.invoice)) + ": " +
                                        s.message());
  return false;
}

}  // namespace sales
