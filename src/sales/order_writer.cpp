// Writing a confirmed sales order: the checks that can be made before the first write; every record
// the save changes locked; the numbers checked again under the locks; then the order, its delivery
// notes, the stock movements, the receivables and the customer balance in their fixed order.
#include <string>
#include <vector>

#include "console/message.h"
#include "console/table_access.h"
#include "documents/field_values.h"
#include "documents/line_value.h"
#include "documents/save_scope.h"
#include "documents/shared_postings.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "sales/delivery_note.h"
#include "sales/document_records.h"
#include "sales/sales.h"
#include "sales/sales_order.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {

using documents::D;
using documents::T;

namespace {

// The tables the save writes, by the aliases the screen opened them under.
struct SaveTables {
  xbase::WorkArea* orders = nullptr;       // SLSODR1
  xbase::WorkArea* order_lines = nullptr;  // SLSODR2
  xbase::WorkArea* notes = nullptr;        // SRTJLN1
  xbase::WorkArea* note_lines = nullptr;   // SRTJLN2
  xbase::WorkArea* receivables = nullptr;  // PIUTDBT

  xbase::Status Find(frame::Session& session) {
    xbase::Status s = frame::RequireArea(session, "slsodr1", &orders);
    if (s.ok()) s = frame::RequireArea(session, "slsodr2", &order_lines);
    if (s.ok()) s = frame::RequireArea(session, "srtjln1", &notes);
    if (s.ok()) s = frame::RequireArea(session, "srtjln2", &note_lines);
    if (s.ok()) s = frame::RequireArea(session, "piutdbt", &receivables);
    return s;
  }
};

// The notes of the order: the delivered lines in order, 18 to a note.
std::vector<std::vector<NoteItem>> PlanNotes(frame::Session& session, const SalesOrder& order, xbase::Status* status) {
  std::vector<std::vector<NoteItem>> notes;
  for (size_t i = 0; i < order.lines.size() && status->ok(); ++i) {
    const console::ValueRow& line = order.lines[i];
    if (!Delivered(line)) continue;
    if (notes.empty() || notes.back().size() == static_cast<size_t>(kLinesPerNote)) notes.emplace_back();
    NoteItem item;
    item.code = Word(line, kCode);
    item.warehouse = Word(line, kWarehouse);
    item.name = Word(line, kName);
    item.order_line = xbase::Str(static_cast<double>(i + 1), 3);
    item.quantity = Figure(line, kDelivered);
    item.price = Figure(line, kPrice);
    item.disc1 = Figure(line, kDisc1);
    item.disc2 = Figure(line, kDisc2);
    item.average = Figure(line, kAverage);
    *status = CompleteItem(session, order.header.discount1, order.header.discount2, &item);
    notes.back().push_back(item);
  }
  return notes;
}

// The due date of the notes: the note date and the customer's term, unless SETUP "TGJT" + type +
// group holds a date (then that date, no term); "HARI" + type + group, when there is one, makes it
// the note date plus its days (no term). False with a message when the "TGJT" row is not a date, or
// after showing a failed read of SETUP.
bool DueDate(frame::Session& session, const OrderHeader& header, xbase::Date* tempo, double* term) {
  *tempo = header.note_date;
  *term = header.term;
  const std::string rule = header.type + xbase::PadR(header.group, 4);
  std::string ket;
  bool found = false;
  if (!frame::Checked(session, pickers::SetupRow(session, "TGJT" + rule, &found, nullptr, &ket))) return false;
  if (found && !xbase::IsBlank(ket)) {
    const xbase::Date date = xbase::Ctod(xbase::AllTrim(ket));
    if (date.empty()) return pickers::Refuse(session, "Setup TGJT" + rule + " bukan tanggal: " + std::string(xbase::AllTrim(ket)));
    *tempo = date;
    *term = 0;
  }
  if (!frame::Checked(session, pickers::SetupRow(session, "HARI" + rule, &found, nullptr, &ket))) return false;
  if (found) {
    *tempo = header.note_date + static_cast<int>(xbase::Val(ket).value);
    *term = 0;
  }
  return true;
}

// Every value of the order must fit the field it is stored in.
bool FiguresFit(frame::Session& session, const SalesOrder& order, const SaveTables& tables,
                const std::vector<std::vector<NoteItem>>& notes) {
  for (size_t i = 0; i < order.lines.size(); ++i) {
    const console::ValueRow& line = order.lines[i];
    if (xbase::IsBlank(Word(line, kCode))) continue;
    if (const std::string_view field = OrderLineRecord().Misfit(*tables.order_lines, line); !field.empty()) {
      return pickers::Refuse(session, "Nilai " + std::string(field) + " baris " + std::to_string(i + 1) + " terlalu besar");
    }
  }
  for (const std::vector<NoteItem>& note : notes) {
    if (!ItemsFit(session, note)) return false;
  }
  return true;
}

// How far a save came, for the report of a write that failed.
struct Progress {
  bool order = false;
  int order_lines = 0;
  int order_lines_wanted = 0;
  size_t notes_done = 0;
  bool note_begun = false;
};

std::string NoteList(const std::vector<std::string>& notes, size_t from, size_t to) {
  std::string list;
  for (size_t i = from; i < to; ++i) list += (list.empty() ? "" : ", ") + std::string(xbase::RTrim(notes[i]));
  return list;
}

// Row 24: the failure, then what was saved and what was not.
void ReportFailure(frame::Session& session, const SalesOrder& order, const std::vector<std::string>& notes,
                   const Progress& progress, const xbase::Status& status) {
  console::Console& con = session.console();
  console::PESAN(con, "Gagal menyimpan: " + status.message());
  std::string saved = "Tidak ada yang tersimpan";
  if (progress.order) {
    saved = "Tersimpan: SO " + std::string(xbase::RTrim(order.header.order)) + " (" +
            std::to_string(progress.order_lines) + " dari " + std::to_string(progress.order_lines_wanted) +
            " baris)";
    if (progress.notes_done > 0) saved += ", SJ " + NoteList(notes, 0, progress.notes_done);
  }
  size_t rest = progress.notes_done;
  if (progress.note_begun) {
    saved += "; sebagian: SJ " + NoteList(notes, rest, rest + 1);
    ++rest;
  }
  if (rest < notes.size()) saved += "; belum: SJ " + NoteList(notes, rest, notes.size());
  console::PESAN(con, saved);
}

// The writes of one save, in their fixed order.
class OrderWrite {
 public:
  OrderWrite(frame::Session& session, const SalesOrder& order, const std::vector<std::string>& numbers,
             SaveTables tables, xbase::Date tempo, double term)
      : session_(session), order_(order), header_(order.header), numbers_(numbers), tables_(tables),
        tempo_(tempo), term_(term), today_(session.Today()), operator_(session.MMEMBER.nik) {}

  const Progress& progress() const { return progress_; }

  xbase::Status Run(const std::vector<std::vector<NoteItem>>& notes) {
    xbase::Status s = OrderHeaderRow();
    if (s.ok()) s = OrderLines();
    for (size_t n = 0; n < notes.size() && s.ok(); ++n) {
      progress_.note_begun = true;
      // The delivered quantities went onto the order lines with them.
      s = WriteNote(session_, NoteHeadOf(header_, numbers_[n], tempo_, term_), notes[n], false);
      if (s.ok()) {
        progress_.note_begun = false;
        progress_.notes_done = n + 1;
      }
    }
    return s;
  }

 private:
  xbase::Status OrderHeaderRow() {
    xbase::Status s = OrderHeadRecord().Append(
        session_.console(), *tables_.orders, header_,
        {{"NOMOR", T(header_.order)}, {"TG_INPUT", D(today_)}, {"OPERATOR", T(operator_)}});
    progress_.order = s.ok();
    return s;
  }

  xbase::Status OrderLines() {
    for (const console::ValueRow& line : order_.lines) progress_.order_lines_wanted += xbase::IsBlank(Word(line, kCode)) ? 0 : 1;
    for (size_t i = 0; i < order_.lines.size(); ++i) {
      const console::ValueRow& line = order_.lines[i];
      if (xbase::IsBlank(Word(line, kCode))) continue;
      const xbase::Status s = OrderLineRecord().Append(
          session_.console(), *tables_.order_lines, line,
          {{"NOMOR", T(header_.order)}, {"URUT", T(xbase::Str(static_cast<double>(i + 1), 3))}});
      if (!s.ok()) return s;
      ++progress_.order_lines;
    }
    return xbase::Status::OK();
  }

  frame::Session& session_;
  const SalesOrder& order_;
  const OrderHeader& header_;
  const std::vector<std::string>& numbers_;
  SaveTables tables_;
  xbase::Date tempo_;
  double term_;
  xbase::Date today_;
  std::string operator_;
  Progress progress_;
};

// Every record the save changes, named before the first lock.
xbase::Status NameChanges(documents::SaveScope& save, frame::Session& session, const SalesOrder& order,
                          const SaveTables& tables, const std::vector<std::vector<NoteItem>>& planned,
                          const std::vector<std::string>& numbers, xbase::Date tempo, double term) {
  save.Append(*tables.orders);
  save.Append(*tables.order_lines);
  xbase::Status s;
  for (size_t n = 0; n < planned.size() && s.ok(); ++n) {
    s = NameNote(save, session, NoteHeadOf(order.header, numbers[n], tempo, term), planned[n], false);
  }
  return s;
}

// The numbers checked again under the locks: a note or order number taken meanwhile refuses the save.
xbase::Status NumbersStillFree(const SalesOrder& order, const std::vector<std::string>& notes,
                               const SaveTables& tables) {
  for (const std::string& number : notes) {
    bool held = false;
    xbase::Status s = Holds(*tables.notes, "SRTJLN11", tables.notes->PadToField("INVOICE", number), &held);
    if (!s.ok()) return s;
    if (held) return xbase::Status::InvalidArgument("salah satu no sj sudah terdaftar");
    if (s = Holds(*tables.receivables, "PIUTDBT1", tables.receivables->PadToField("NOTA", number), &held); !s.ok()) {
      return s;
    }
    if (held) return xbase::Status::InvalidArgument("nomor sj " + std::string(xbase::RTrim(number)) + " sudah ada di piutang");
  }
  bool held = false;
  const xbase::Status s = Holds(*tables.orders, "SLSODR11", tables.orders->PadToField("NOMOR", order.header.order), &held);
  if (s.ok() && held) {
    return xbase::Status::InvalidArgument("Nomor Sales Order " + std::string(xbase::RTrim(order.header.order)) +
                                          " sudah terdaftar");
  }
  return s;
}

}  // namespace

bool WriteSalesOrder(frame::Session& session, const SalesOrder& order, const std::vector<std::string>& notes) {
  SaveTables tables;
  xbase::Status s = tables.Find(session);
  if (!frame::Checked(session, s)) return false;
  const std::vector<std::vector<NoteItem>> planned = PlanNotes(session, order, &s);
  if (!frame::Checked(session, s)) return false;
  if (planned.size() != notes.size()) return pickers::Refuse(session, "Jumlah nomor surat jalan tidak sesuai");
  xbase::Date tempo;
  double term = 0;
  if (!DueDate(session, order.header, &tempo, &term) || !FiguresFit(session, order, tables, planned)) return false;
  documents::SaveScope save(session.console());
  s = NameChanges(save, session, order, tables, planned, notes, tempo, term);
  if (s.ok()) s = save.Lock();
  if (s.ok()) s = NumbersStillFree(order, notes, tables);
  if (!s.ok()) return documents::NothingSaved(session, s);
  s = save.BeginWrites();
  OrderWrite write(session, order, notes, tables, tempo, term);
  if (s.ok()) s = write.Run(planned);
  s = save.CommitWrites(s);
  if (s.ok()) return true;
  ReportFailure(session, order, notes, write.progress(), s);
  return false;
}

}  // namespace sales
