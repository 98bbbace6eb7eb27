// Writing a confirmed sales order: the checks that can be made before the first write, made again
// under the locks of the order and note tables, then the order, its delivery notes, the stock
// movements, the receivables and the customer balance, record by record in their fixed order.
#include <string>
#include <vector>

#include "console/message.h"
#include "console/table_access.h"
#include "documents/line_value.h"
#include "documents/record_writes.h"
#include "documents/shared_postings.h"
#include "pickers/picker_support.h"
#include "sales/note_receivable.h"
#include "sales/sales.h"
#include "sales/sales_order.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

using documents::FieldValues;

xbase::Value T(std::string_view text) { return xbase::Value::Text(std::string(text)); }
xbase::Value N(double number) { return xbase::Value::Num(number); }
xbase::Value D(xbase::Date date) { return xbase::Value::FromDate(date); }
xbase::Value L(bool flag) { return xbase::Value::Logical(flag); }

// The tables the save writes, by the aliases the screen opened them under.
struct SaveTables {
  xbase::WorkArea* orders = nullptr;       // SLSODR1
  xbase::WorkArea* order_lines = nullptr;  // SLSODR2
  xbase::WorkArea* notes = nullptr;        // SRTJLN1
  xbase::WorkArea* note_lines = nullptr;   // SRTJLN2
  xbase::WorkArea* receivables = nullptr;  // PIUTDBT
  xbase::WorkArea* monitor = nullptr;      // BMONITOR
  xbase::WorkArea* goods = nullptr;        // MASTBRJ

  xbase::Status Find(frame::Session& session) {
    xbase::Status s = documents::RequireArea(session, "slsodr1", &orders);
    if (s.ok()) s = documents::RequireArea(session, "slsodr2", &order_lines);
    if (s.ok()) s = documents::RequireArea(session, "srtjln1", &notes);
    if (s.ok()) s = documents::RequireArea(session, "srtjln2", &note_lines);
    if (s.ok()) s = documents::RequireArea(session, "piutdbt", &receivables);
    if (s.ok()) s = documents::RequireArea(session, "bmonitor", &monitor);
    if (s.ok()) s = documents::RequireArea(session, "mastbrj", &goods);
    return s;
  }
};

// True when `key` is a key of index file `order` of the area.
xbase::Status Holds(xbase::WorkArea& area, std::string_view order, const std::string& key, bool* held) {
  xbase::Status s = area.SetOrder(order);
  if (s.ok()) s = area.Seek(key);
  *held = s.ok() && area.found();
  return s;
}

// A delivered line as it goes on a note: its pieces, their split and its value after every discount.
struct NoteLine {
  size_t order_line = 0;  // position in the order, from 0
  double quantity = 0;
  documents::CartonSplit split;
  double value = 0;
};

// The notes of the order: the delivered lines in order, 18 to a note.
std::vector<std::vector<NoteLine>> PlanNotes(const SalesOrder& order, xbase::WorkArea& goods, xbase::Status* status) {
  std::vector<std::vector<NoteLine>> notes;
  for (size_t i = 0; i < order.lines.size(); ++i) {
    const console::ValueRow& line = order.lines[i];
    if (!Delivered(line)) continue;
    if (notes.empty() || notes.back().size() == static_cast<size_t>(kLinesPerNote)) notes.emplace_back();
    NoteLine planned;
    planned.order_line = i;
    planned.quantity = Figure(line, kDelivered);
    if (xbase::Status s = goods.SetOrder("MASTBRJ1"); !s.ok()) *status = s;
    if (xbase::Status s = goods.Seek(goods.PadToField("KODE", Word(line, kCode))); !s.ok()) *status = s;
    planned.split = documents::SplitCartons(planned.quantity, goods.Number("DOS"), goods.Number("PAK"));
    planned.value = documents::AfterDiscounts(
        documents::LineValue(planned.quantity, Figure(line, kPrice), Figure(line, kDisc1), Figure(line, kDisc2)),
        order.header.discount1, order.header.discount2);
    notes.back().push_back(planned);
  }
  return notes;
}

double NoteAmount(const std::vector<NoteLine>& note) {
  double amount = 0;
  for (const NoteLine& line : note) amount += line.value;
  return amount;
}

// The due date of the notes: the note date and the customer's term, unless SETUP "TGJT" + type +
// group holds a date (then that date, no term); "HARI" + type + group, when there is one, makes it
// the note date plus its days (no term). False with a message when the "TGJT" row is not a date.
bool DueDate(frame::Session& session, const OrderHeader& header, xbase::Date* tempo, double* term) {
  *tempo = header.note_date;
  *term = header.term;
  const std::string rule = header.type + xbase::PadR(header.group, 4);
  if (std::string ket; pickers::SetupRow(session, "TGJT" + rule, nullptr, &ket) && !xbase::IsBlank(ket)) {
    const xbase::Date date = xbase::Ctod(xbase::AllTrim(ket));
    if (date.empty()) return pickers::Refuse(session, "Setup TGJT" + rule + " bukan tanggal: " + std::string(xbase::AllTrim(ket)));
    *tempo = date;
    *term = 0;
  }
  if (std::string ket; pickers::SetupRow(session, "HARI" + rule, nullptr, &ket)) {
    *tempo = header.note_date + static_cast<int>(xbase::Val(ket).value);
    *term = 0;
  }
  return true;
}

// Every figure of the order must fit the field it is stored in.
bool FiguresFit(frame::Session& session, const SalesOrder& order, const SaveTables& tables,
                const std::vector<std::vector<NoteLine>>& notes) {
  struct Stored {
    OrderColumn column;
    const char* field;
  };
  static constexpr Stored kOrderLine[] = {{kCartons, "Q_BOX"},      {kPacks, "Q_PAK"},       {kPieces, "Q_PCS"},
                                          {kQuantity, "QUANTITY"},  {kDelivered, "QTY_KIRIM"}, {kPrice, "HARGA"},
                                          {kDisc1, "DISCOUNT"},     {kDisc2, "DISCOUNT2"},   {kAverage, "HRG_RATA"}};
  auto refuse = [&](const char* field, size_t line) {
    return pickers::Refuse(session, std::string("Nilai ") + field + " baris " + std::to_string(line + 1) +
                                        " terlalu besar");
  };
  for (size_t i = 0; i < order.lines.size(); ++i) {
    const console::ValueRow& line = order.lines[i];
    if (xbase::IsBlank(Word(line, kCode))) continue;
    for (const Stored& stored : kOrderLine) {
      if (!documents::FitsField(*tables.order_lines, stored.field, Figure(line, stored.column))) {
        return refuse(stored.field, i);
      }
    }
  }
  for (const std::vector<NoteLine>& note : notes) {
    for (const NoteLine& line : note) {
      if (!documents::FitsField(*tables.note_lines, "Q_BOX", line.split.cartons)) return refuse("Q_BOX", line.order_line);
      if (!documents::FitsField(*tables.note_lines, "Q_PAK", line.split.packs)) return refuse("Q_PAK", line.order_line);
      if (!documents::FitsField(*tables.note_lines, "Q_PCS", line.split.pieces)) return refuse("Q_PCS", line.order_line);
    }
    if (!documents::FitsField(*tables.receivables, "DEBET", NoteAmount(note))) {
      return pickers::Refuse(session, "Nilai surat jalan terlalu besar");
    }
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

  xbase::Status Run(const std::vector<std::vector<NoteLine>>& notes) {
    xbase::Status s = OrderHeaderRow();
    if (s.ok()) s = OrderLines();
    for (size_t n = 0; n < notes.size() && s.ok(); ++n) {
      progress_.note_begun = true;
      s = Note(numbers_[n], notes[n]);
      if (s.ok()) {
        progress_.note_begun = false;
        progress_.notes_done = n + 1;
      }
    }
    return s;
  }

 private:
  xbase::Status OrderHeaderRow() {
    xbase::Status s = documents::AppendRecord(session_.console(),
        *tables_.orders, {{"NOMOR", T(header_.order)},        {"RELASI", T(header_.customer)},
                          {"TANGGAL", D(header_.order_date)}, {"TIPE", T(header_.type)},
                          {"SALES", T(header_.salesman)},     {"KDCB", T(header_.branch)},
                          {"KTR1", T(header_.remark1)},       {"KTR2", T(header_.remark2)},
                          {"DISCOUNT", N(header_.discount1)}, {"DISCOUNT2", N(header_.discount2)},
                          {"CODE_ID", T(header_.code_id)},    {"INCLUDE", L(header_.include)},
                          {"TG_INPUT", D(today_)},            {"OPERATOR", T(operator_)}});
    progress_.order = s.ok();
    return s;
  }

  xbase::Status OrderLines() {
    for (const console::ValueRow& line : order_.lines) progress_.order_lines_wanted += xbase::IsBlank(Word(line, kCode)) ? 0 : 1;
    for (size_t i = 0; i < order_.lines.size(); ++i) {
      const console::ValueRow& line = order_.lines[i];
      if (xbase::IsBlank(Word(line, kCode))) continue;
      const xbase::Status s = documents::AppendRecord(session_.console(),
          *tables_.order_lines,
          {{"NOMOR", T(header_.order)},                 {"KODE", T(Word(line, kCode))},
           {"GUDANG", T(Word(line, kWarehouse))},       {"Q_BOX", N(Figure(line, kCartons))},
           {"Q_PAK", N(Figure(line, kPacks))},          {"Q_PCS", N(Figure(line, kPieces))},
           {"QUANTITY", N(Figure(line, kQuantity))},    {"QTY_KIRIM", N(Figure(line, kDelivered))},
           {"HARGA", N(Figure(line, kPrice))},          {"DISCOUNT", N(Figure(line, kDisc1))},
           {"DISCOUNT2", N(Figure(line, kDisc2))},      {"KTR", T(Word(line, kName))},
           {"URUT", T(xbase::Str(static_cast<double>(i + 1), 3))}, {"HRG_RATA", N(Figure(line, kAverage))}});
      if (!s.ok()) return s;
      ++progress_.order_lines;
    }
    return xbase::Status::OK();
  }

  xbase::Status Note(const std::string& number, const std::vector<NoteLine>& lines) {
    xbase::Status s = documents::AppendRecord(session_.console(),
        *tables_.notes, {{"INVOICE", T(number)},           {"TANGGAL", D(header_.note_date)},
                         {"NOMOR", T(header_.order)},      {"RELASI", T(header_.customer)},
                         {"TIPE", T(header_.type)},        {"SALES", T(header_.salesman)},
                         {"KDCB", T(header_.branch)},      {"TEMPO", D(tempo_)},
                         {"TERM", N(term_)},               {"PESAN", D(header_.order_date)},
                         {"KIRIM", D(header_.shipping_date)}, {"KTR1", T(header_.remark1)},
                         {"KTR2", T(header_.remark2)},     {"DISCOUNT", N(header_.discount1)},
                         {"DISCOUNT2", N(header_.discount2)}, {"CODE_ID", T(header_.code_id)},
                         {"INCLUDE", L(header_.include)},  {"TG_INPUT", D(today_)},
                         {"OPERATOR", T(operator_)}});
    for (size_t k = 0; k < lines.size() && s.ok(); ++k) s = NoteLineRow(number, lines[k], k + 1);
    const double amount = NoteAmount(lines);
    if (s.ok() && amount != 0) s = Receivable(number, amount);
    if (s.ok() && !xbase::IsBlank(header_.manager)) s = Monitor(number);
    return s;
  }

  xbase::Status NoteLineRow(const std::string& number, const NoteLine& planned, size_t position) {
    const console::ValueRow& line = order_.lines[planned.order_line];
    xbase::Status s = documents::AppendRecord(session_.console(),
        *tables_.note_lines,
        {{"INVOICE", T(number)},                          {"KODE", T(Word(line, kCode))},
         {"GUDANG", T(Word(line, kWarehouse))},           {"Q_BOX", N(planned.split.cartons)},
         {"Q_PAK", N(planned.split.packs)},               {"Q_PCS", N(planned.split.pieces)},
         {"QUANTITY", N(planned.quantity)},               {"HARGA", N(Figure(line, kPrice))},
         {"DISCOUNT", N(Figure(line, kDisc1))},           {"DISCOUNT2", N(Figure(line, kDisc2))},
         {"KTR", T(Word(line, kName))},                   {"URUTAN", T(xbase::Str(static_cast<double>(planned.order_line + 1), 3))},
         {"URUT", T(xbase::Str(static_cast<double>(position), 3))}, {"HRG_RATA", N(Figure(line, kAverage))}});
    if (s.ok()) s = UPMASTERBARANG(session_, Word(line, kCode), Word(line, kWarehouse), 0, planned.quantity);
    return s;
  }

  xbase::Status Receivable(const std::string& number, double amount) {
    NoteReceivable receivable{number,           header_.branch,  header_.customer, header_.type,
                              header_.salesman, header_.remark1, header_.code_id,  header_.note_date,
                              tempo_,           amount};
    return AppendNoteReceivable(session_, *tables_.receivables, receivable);
  }

  xbase::Status Monitor(const std::string& number) {
    xbase::WorkArea& monitor = *tables_.monitor;
    bool held = false;
    xbase::Status s = Holds(monitor, "BMONITOR", monitor.PadToField("INVOICE", number), &held);
    if (!s.ok()) return s;
    const FieldValues fields = {{"TANGGAL", D(header_.note_date)}, {"KODEBM", T(header_.manager)}};
    if (!held) {
      FieldValues all = {{"INVOICE", T(number)}};
      all.insert(all.end(), fields.begin(), fields.end());
      return documents::AppendRecord(session_.console(), monitor, all);
    }
    if (s = console::LOCK_REC(session_.console(), monitor); !s.ok()) return s;
    return documents::PutAndRelease(monitor, fields);
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

// The order and note tables locked whole for the save, so that no other workstation takes one of its
// numbers between the check and the write; released when the save ends.
class NumberLocks {
 public:
  NumberLocks(console::Console& con, const SaveTables& tables) : con_(con), tables_(tables) {}
  ~NumberLocks() {
    // The records were written as they were appended; what is left to release are the locks.
    if (orders_locked_) tables_.orders->Unlock().IgnoreError();
    if (notes_locked_) tables_.notes->Unlock().IgnoreError();
  }
  NumberLocks(const NumberLocks&) = delete;
  NumberLocks& operator=(const NumberLocks&) = delete;

  xbase::Status Take() {
    xbase::Status s = console::LockTable(con_, *tables_.orders);
    orders_locked_ = s.ok();
    if (s.ok()) s = console::LockTable(con_, *tables_.notes);
    notes_locked_ = s.ok();
    return s;
  }

  // Releases both locks; a record that could not be written then shows.
  xbase::Status Release() {
    xbase::Status s = tables_.orders->Unlock();
    const xbase::Status notes = tables_.notes->Unlock();
    orders_locked_ = notes_locked_ = false;
    return s.ok() ? notes : s;
  }

 private:
  console::Console& con_;
  const SaveTables& tables_;
  bool orders_locked_ = false;
  bool notes_locked_ = false;
};

// The numbers checked again under the locks: a note or order number taken meanwhile refuses the save.
bool NumbersStillFree(frame::Session& session, const SalesOrder& order, const std::vector<std::string>& notes,
                      const SaveTables& tables, xbase::Status* status) {
  for (const std::string& number : notes) {
    bool held = false;
    if (*status = Holds(*tables.notes, "SRTJLN11", tables.notes->PadToField("INVOICE", number), &held); !status->ok()) {
      return false;
    }
    if (held) return pickers::Refuse(session, "salah satu no sj sudah terdaftar");
    if (*status = Holds(*tables.receivables, "PIUTDBT1", tables.receivables->PadToField("NOTA", number), &held);
        !status->ok()) {
      return false;
    }
    if (held) return pickers::Refuse(session, "nomor sj " + std::string(xbase::RTrim(number)) + " sudah ada di piutang");
  }
  return CEKORDEREXIST(session, order.header.order);
}

}  // namespace

bool WriteSalesOrder(frame::Session& session, const SalesOrder& order, const std::vector<std::string>& notes) {
  SaveTables tables;
  xbase::Status s = tables.Find(session);
  if (!pickers::Checked(session, s)) return false;
  const std::vector<std::vector<NoteLine>> planned = PlanNotes(order, *tables.goods, &s);
  if (!pickers::Checked(session, s)) return false;
  if (planned.size() != notes.size()) return pickers::Refuse(session, "Jumlah nomor surat jalan tidak sesuai");
  xbase::Date tempo;
  double term = 0;
  if (!DueDate(session, order.header, &tempo, &term) || !FiguresFit(session, order, tables, planned)) return false;
  NumberLocks locks(session.console(), tables);
  if (!pickers::Checked(session, locks.Take())) return false;
  if (!NumbersStillFree(session, order, notes, tables, &s)) {
    pickers::Checked(session, s);
    return false;
  }
  OrderWrite write(session, order, notes, tables, tempo, term);
  s = write.Run(planned);
  const xbase::Status released = locks.Release();
  if (s.ok()) s = released;
  if (s.ok()) return true;
  ReportFailure(session, order, notes, write.progress(), s);
  return false;
}

}  // namespace sales
