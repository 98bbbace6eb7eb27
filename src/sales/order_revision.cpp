// The load of a saved order and the write of its revision.
#include "sales/order_revision.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "console/message.h"
#include "console/table_access.h"
#include "documents/field_values.h"
#include "documents/save_scope.h"
#include "documents/shared_postings.h"
#include "documents/stored_lines.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "sales/delivery_note.h"
#include "sales/document_records.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {

using documents::N;
using documents::T;

namespace {

std::string Shown(const NoteDocument& doc) { return std::string(xbase::AllTrim(doc.header.order)); }

xbase::Status LoadLine(const xbase::WorkArea& row, NoteDocument* doc) {
  AddNoteLine(&doc->lines, 0, 0, "");
  console::ValueRow& line = doc->lines.back();
  if (xbase::Status s = RevisedOrderLineRecord().Read(row, &line); !s.ok()) return s;
  note::SetFigure(&line, note::kRecord, static_cast<double>(row.recno()));
  RecomputeLine(&line);
  doc->delivered[row.recno()] = row.Number("QTY_KIRIM");
  return xbase::Status::OK();
}

// The write of one revision, under the lock of the order's header row.
class OrderRevisionWrite {
 public:
  OrderRevisionWrite(frame::Session& session, const NoteDocument& doc) : session_(session), doc_(doc) {}

  bool Run() {
    xbase::Status s = frame::RequireArea(session_, "slsodr1", &orders_);
    if (s.ok()) s = frame::RequireArea(session_, "slsodr2", &lines_);
    bool held = false;
    if (s.ok()) s = Holds(*orders_, "SLSODR11", orders_->PadToField("NOMOR", doc_.header.order), &held);
    if (!frame::Checked(session_, s)) return false;
    if (!held) return pickers::Refuse(session_, "Nomor Sales Order " + Shown(doc_) + " tidak terdaftar");
    // Every lock before the first write: the order's row, and its lines' table whole (the stored
    // rows are read under the lock).
    const uint32_t order_row = orders_->recno();
    documents::SaveScope save(session_.console());
    save.Update(*orders_, order_row);
    save.Table(*lines_);
    save.Append(*lines_);
    s = save.Lock();
    if (!s.ok()) return documents::NothingSaved(session_, s);
    // The lock re-read the row: another workstation may have deleted the order meanwhile.
    if (s = orders_->GoTo(order_row); !frame::Checked(session_, s)) return false;
    if (orders_->deleted()) return pickers::Refuse(session_, "Nomor Sales Order " + Shown(doc_) + " tidak terdaftar");
    // Nor is another workstation's save since the load written over.
    s = doc_.seen.Unchanged(session_.tables(),
                            "Sales Order " + Shown(doc_) + " diubah di komputer lain, panggil ulang datanya");
    if (!s.ok()) return documents::NothingSaved(session_, save, s);
    s = StoredRows();
    bool ok = s.ok() && DeliveriesKept(&s);
    if (ok && s.ok()) s = save.BeginWrites();
    if (ok && s.ok()) s = Header();
    if (ok && s.ok()) s = Lines();
    s = ok ? save.CommitWrites(s) : s;
    if (!s.ok()) {
      console::PESAN(session_.console(), "Gagal menyimpan ralat SO " + Shown(doc_) + ": " + s.message());
      return false;
    }
    return ok;
  }

 private:
  xbase::Status StoredRows() {
    xbase::Status s = lines_->SetOrder("SLSODR21");
    if (s.ok()) s = documents::StoredRows(session_.tables(), *lines_, lines_->PadToField("NOMOR", doc_.header.order), &rows_);
    for (const console::ValueRow& line : doc_.lines) {
      const auto record = static_cast<uint32_t>(note::Figure(line, note::kRecord));
      if (record != 0 && !xbase::IsBlank(note::Word(line, note::kCode))) carried_[record] = &line;
    }
    return s;
  }

  // A stored row with deliveries keeps its goods and is not freed: checked on the rows as they stand.
  bool DeliveriesKept(xbase::Status* s) {
    xbase::ShowDeleted show(&session_.tables());
    for (uint32_t record : rows_) {
      if (*s = lines_->GoTo(record); !s->ok()) return false;
      last_urut_ = std::max(last_urut_, xbase::Val(lines_->Text("URUT")).value);
      if (lines_->deleted() || lines_->Number("QTY_KIRIM") == 0) continue;
      const auto line = carried_.find(record);
      if (line == carried_.end() || note::Word(*line->second, note::kCode) != lines_->Text("KODE")) {
        return pickers::Refuse(session_, "Barang " + std::string(xbase::RTrim(lines_->Text("KODE"))) +
                                             " sudah dikirim, tidak boleh dihapus atau diganti");
      }
    }
    return true;
  }

  xbase::Status Header() { return OrderHeadRecord().Write(*orders_, doc_.header); }

  // The line on its row, URUT as `urut`.
  xbase::Status Put(const console::ValueRow& line, std::string_view urut) {
    console::ValueRow stored = line;
    note::SetWord(&stored, note::kOrderLine, urut);
    return RevisedOrderLineRecord().Write(*lines_, stored);
  }

  // The line numbers of new lines follow the highest the order ever had, so that a delivered line's
  // number is never given to another line.
  std::string NextUrut() { return xbase::Str(++last_urut_, 3); }

  xbase::Status Lines() {
    xbase::ShowDeleted show(&session_.tables());
    std::vector<uint32_t> free_rows;
    for (uint32_t record : rows_) {
      xbase::Status s = lines_->GoTo(record);
      if (s.ok()) s = console::LOCK_REC(session_.console(), *lines_);
      if (!s.ok()) return s;
      const auto line = carried_.find(record);
      if (line != carried_.end()) {
        if (lines_->deleted()) s = lines_->Recall();
        if (s.ok()) s = Put(*line->second, note::Word(*line->second, note::kOrderLine));
      } else {
        if (!lines_->deleted()) s = lines_->Delete();
        free_rows.push_back(record);
      }
      const xbase::Status unlocked = lines_->Unlock();
      if (!s.ok() || !unlocked.ok()) return s.ok() ? unlocked : s;
    }
    size_t next_free = 0;
    for (const console::ValueRow& line : doc_.lines) {
      if (note::Figure(line, note::kRecord) != 0 || xbase::IsBlank(note::Word(line, note::kCode))) continue;
      xbase::Status s;
      if (next_free < free_rows.size()) {
        s = lines_->GoTo(free_rows[next_free++]);
        if (s.ok()) s = console::LOCK_REC(session_.console(), *lines_);
        if (s.ok()) s = lines_->Recall();
      } else {
        s = console::APP_REC(session_.console(), *lines_);
        if (s.ok()) s = lines_->Put("NOMOR", T(doc_.header.order));
      }
      if (s.ok()) s = lines_->Put("QTY_KIRIM", N(0));
      if (s.ok()) s = Put(line, NextUrut());
      const xbase::Status unlocked = lines_->Unlock();
      if (!s.ok() || !unlocked.ok()) return s.ok() ? unlocked : s;
    }
    return xbase::Status::OK();
  }

  frame::Session& session_;
  const NoteDocument& doc_;
  xbase::WorkArea* orders_ = nullptr;
  xbase::WorkArea* lines_ = nullptr;
  std::vector<uint32_t> rows_;
  std::map<uint32_t, const console::ValueRow*> carried_;
  double last_urut_ = 0;
};

}  // namespace

xbase::Status LoadOrderHeader(const xbase::WorkArea& order, OrderHeader* header) {
  return OrderHeadRecord().Read(order, header);
}

xbase::Status PickOrder(frame::Session& session, std::string* number, bool* found, xbase::WorkArea** order) {
  frame::PickSpec pick;
  pick.alias = "slsodr1";
  pick.expressions = {"NOMOR", "TANGGAL", "RELASI", "SALES"};
  pick.heads = {"No. Order", "Tanggal", "Relasi", "Sales"};
  return frame::PickAndSeek(session, pick, number, found, order);
}

xbase::Status ReadOrderLines(frame::Session& session, std::string_view order, NoteDocument* doc,
                             const std::function<xbase::Status(const xbase::WorkArea&)>& each) {
  xbase::WorkArea* lines = nullptr;
  std::vector<uint32_t> records;
  xbase::Status s = frame::RequireArea(session, "slsodr2", &lines);
  if (s.ok()) s = lines->SetOrder("SLSODR21");
  if (s.ok()) s = lines->SeekAll(lines->PadToField("NOMOR", order), &records);
  std::string warehouse = session.MMEMBER.warehouse;
  double d1 = 0, d2 = 0;
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = lines->GoTo(records[i]); !s.ok()) break;
    if (i == 0) {
      warehouse = lines->Text("GUDANG");
      d1 = lines->Number("DISCOUNT");
      d2 = lines->Number("DISCOUNT2");
    }
    s = each(*lines);
  }
  if (s.ok()) AddNoteLine(&doc->lines, d1, d2, warehouse);
  return s;
}

bool LCGETSALESORDER(frame::Session& session, NoteDocument* doc) {
  OrderHeader& header = doc->header;
  if (xbase::IsBlank(header.order)) return pickers::Refuse(session, "Nomor Sales Order harus diisi");
  bool found = false;
  xbase::WorkArea* order = nullptr;
  if (!frame::Checked(session, PickOrder(session, &header.order, &found, &order))) return false;
  header.order = xbase::PadR(header.order, 15);
  if (!found) return pickers::Refuse(session, "Nomor Sales Order " + Shown(*doc) + " tidak terdaftar");
  if (!frame::Checked(session, LoadOrderHeader(*order, &header))) return false;
  doc->order_lines = true;
  doc->lines.clear();
  doc->delivered.clear();
  doc->seen.Clear();
  xbase::Status s = doc->seen.Take(session.tables(), *order, "SLSODR11", order->PadToField("NOMOR", header.order));
  xbase::WorkArea* lines = nullptr;
  if (s.ok()) s = frame::RequireArea(session, "slsodr2", &lines);
  if (s.ok()) s = doc->seen.Take(session.tables(), *lines, "SLSODR21", lines->PadToField("NOMOR", header.order));
  if (s.ok()) {
    s = ReadOrderLines(session, header.order, doc, [doc](const xbase::WorkArea& row) { return LoadLine(row, doc); });
  }
  return frame::Checked(session, s);
}

bool WriteOrderRevision(frame::Session& session, const NoteDocument& doc) {
  OrderRevisionWrite write(session, doc);
  return write.Run();
}

}  // namespace sales
