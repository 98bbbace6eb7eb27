// Loading and saving a payment receipt: its header in PIUTKR1, its lines in PIUTKR2, and the settled
// totals of the invoices and instruments the lines name.
#include <algorithm>
#include <string>
#include <vector>

#include "console/message.h"
#include "console/table_access.h"
#include "documents/document_counter.h"
#include "documents/save_scope.h"
#include "documents/stored_lines.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivables/keyed_seek.h"
#include "receivables/receipt.h"
#include "receivables/receivables.h"
#include "receivables/table_steps.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using xbase::Value;

// A new receipt's number: the "NOTT" + branch counter.
documents::CounterKind ReceiptCounter() { return {"NOTT", 10}; }

// The tables of the receipt screens, under the aliases the routines find them by.
constexpr AliasedTable kReceiptTables[] = {
    {"SETUP", "Setup"},     {"MASTCUS", "mastcus"}, {"MASTJNS", "mastjns"}, {"GIRODBT", "GIRODBT"},
    {"PIUTDBT", "Piutdbt"}, {"PIUTJBL", "Piutjbl"}, {"PIUTKR1", "Piutkr1"}, {"PIUTKR2", "Piutkr2"},
    {"GIROKR1", "GIROKR1"}, {"GIROKR2", "GIROKR2"}, {"OTL_MBR", "otl_mbr"}, {"GIRO_RL", "giro_rl"}};

// "?" in the number: the receipt picked from the list, seeded with the branch and the text before it.
bool PickReceipt(frame::Session& session, const frame::OpenedTables& tables, Receipt* receipt) {
  const size_t mark = receipt->number.find('?');
  frame::PickSpec pick;
  pick.alias = "Piutkr1";
  pick.expressions = {"nomor", "tanggal", "notes"};
  pick.heads = {"Nomor", "Tanggal", "Note"};
  std::string code = receipt->branch + receipt->number.substr(0, mark) + "?";
  xbase::Status s = tables["Piutkr1"].SetOrder("PIUTKR11");
  bool escaped = false;
  if (s.ok()) s = frame::PickCode(session, pick, &code, nullptr, &escaped);
  frame::ShowFailure(session, s);
  if (!s.ok() || escaped) return false;
  receipt->number = xbase::PadR(code, 10);
  return true;
}

// The correction checks of a stored receipt: printed, or past the day limit of corrections.
bool MayCorrect(frame::Session& session, xbase::WorkArea& header) {
  if (header.Logical("CETAK") && !session.MMEMBER.HasRight("/SPV")) {
    console::PESAN(session.console(), "TT sudah dicetak tidak boleh dikoreksi");
    return false;
  }
  const int limit = static_cast<int>(xbase::Val(session.ZHARIBATAS).value);
  if (session.ZTGLBATAS - header.DateOf("TGINPUT") >= limit && !session.MMEMBER.HasRight("/EDP")) {
    console::PESAN(session.console(), "batas waktu koreksi TT maximal " + session.ZHARIBATAS + " hari");
    return false;
  }
  return true;
}

// The stored lines of the receipt, numbered from 1, with their invoices' data.
xbase::Status LoadLines(const frame::OpenedTables& tables, Receipt* receipt) {
  xbase::WorkArea& lines = tables["Piutkr2"];
  std::vector<uint32_t> rows;
  xbase::Status s = lines.SetOrder("PIUTKR21");
  if (s.ok()) s = lines.SeekAll(ReceiptKey(receipt->branch, receipt->number), &rows);
  for (size_t n = 0; s.ok() && n < rows.size(); ++n) {
    if (s = lines.GoTo(rows[n]); !s.ok()) break;
    console::ValueRow line = BlankLine(n + 1);
    line[kNota] = Value::Text(lines.Text("NOTA"));
    line[kCode] = Value::Text(lines.Text("KD_TT"));
    line[kInstrument] = Value::Text(lines.Text("NO_BUKTI"));
    line[kNote] = Value::Text(xbase::PadR(lines.Text("NOTES"), 20));
    line[kAmount] = Value::Num(lines.Number("KREDIT"), 16, 2);
    bool found = false;
    s = SeekExact(tables["Piutdbt"], "PIUTDBT1", "NOTA", lines.Text("NOTA"), &found);
    if (found) TakeInvoiceData(tables["Piutdbt"], &line);
    receipt->lines.push_back(std::move(line));
  }
  return s;
}

// The refusal of a line that would settle nothing: its invoice, or the instrument its code needs, is
// gone. Checked under the save's locks.
xbase::Status LinesStillSettle(frame::Session& session, const frame::OpenedTables& tables, const Receipt& receipt) {
  for (const console::ValueRow& line : receipt.lines) {
    if (!LineCounts(line)) continue;
    bool found = false;
    xbase::Status s = SeekExact(tables["Piutdbt"], "PIUTDBT1", "NOTA", LineText(line, kNota), &found);
    std::string missing;
    if (s.ok() && !found) missing = "Nota " + std::string(xbase::AllTrim(LineText(line, kNota)));
    bool needs = false;
    if (s.ok() && found) s = NeedsInstrument(session, LineText(line, kCode), &needs);
    if (s.ok() && needs) {
      s = SeekExact(tables["GIRODBT"], "GIRODBT1", "NOMOR", LineText(line, kInstrument), &found);
      if (s.ok() && !found) missing = "Nomor " + std::string(xbase::AllTrim(LineText(line, kInstrument)));
    }
    if (!s.ok()) return s;
    if (!missing.empty()) return xbase::Status::InvalidArgument(missing + " tidak ada lagi, TT tidak disimpan");
  }
  return xbase::Status::OK();
}

// Every record the save changes, named before its locks: the counter row of a new receipt, the header,
// the stored lines (and an append), and the invoice and instrument each stored and each new line
// settles.
xbase::Status NameReceipt(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                          const Receipt& receipt) {
  xbase::WorkArea& header = tables["Piutkr1"];
  xbase::WorkArea& lines = tables["Piutkr2"];
  bool found = false;
  xbase::Status s;
  if (xbase::IsBlank(receipt.number)) {
    s = documents::NameCounter(save, tables["Setup"], ReceiptCounter(), xbase::PadR(receipt.branch, 6));
    save.Append(header);
  } else {
    s = SeekKey(tables["Piutkr1"], "PIUTKR11", ReceiptKey(receipt.branch, receipt.number), &found);
    if (s.ok() && found) {
      save.Update(header, header.recno());
    } else {
      save.Append(header);
    }
  }
  save.Append(lines);
  std::vector<uint32_t> rows;
  if (s.ok()) s = lines.SetOrder("PIUTKR21");
  if (s.ok() && !xbase::IsBlank(receipt.number)) {
    s = documents::StoredRows(session.tables(), lines, ReceiptKey(receipt.branch, receipt.number), &rows);
  }
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    save.Update(lines, rows[i]);
    if (s = lines.GoTo(rows[i]); s.ok() && !lines.deleted()) {
      s = NameSettlement(save, session, lines.Text("NOTA"), lines.Text("NO_BUKTI"));
    }
  }
  for (size_t k = 0; s.ok() && k < receipt.lines.size(); ++k) {
    const console::ValueRow& line = receipt.lines[k];
    if (LineCounts(line)) s = NameSettlement(save, session, LineText(line, kNota), LineText(line, kInstrument));
  }
  return s;
}

// Writes the header: updated or appended while some line has an amount, deleted when none has.
xbase::Status WriteHeader(frame::Session& session, const frame::OpenedTables& tables, const Receipt& receipt,
                          bool has_amount) {
  xbase::WorkArea& header = tables["Piutkr1"];
  xbase::Status s = header.SetOrder("PIUTKR11");
  if (s.ok()) s = header.Seek(ReceiptKey(receipt.branch, receipt.number));
  if (!s.ok()) return s;
  if (!has_amount) {
    if (!header.found()) return s;
    if (s = console::LOCK_REC(session.console(), header); s.ok()) s = header.Delete();
    return Unlocked(header, s);
  }
  if (header.found()) {
    s = console::LOCK_REC(session.console(), header);
  } else if (s = console::APP_REC(session.console(), header); s.ok()) {
    s = header.Put("KDCB", Value::Text(receipt.branch));
    if (s.ok()) s = header.Put("NOMOR", Value::Text(receipt.number));
    if (s.ok()) s = header.Put("TGINPUT", Value::FromDate(session.Today()));
    if (s.ok()) s = header.Put("OPERATOR", Value::Text(session.MMEMBER.nik));
  }
  if (s.ok()) s = header.Put("TANGGAL", Value::FromDate(receipt.date));
  if (s.ok()) s = header.Put("NOTES", Value::Text(receipt.notes));
  return Unlocked(header, s);
}

// Pairs the stored lines with the screen lines; each settlement moves through UPDATEPIUTANGDANGIRO.
xbase::Status WriteLines(frame::Session& session, const frame::OpenedTables& tables, const Receipt& receipt) {
  xbase::WorkArea& lines = tables["Piutkr2"];
  std::vector<uint32_t> rows;
  xbase::Status s = lines.SetOrder("PIUTKR21");
  if (s.ok()) s = documents::StoredRows(session.tables(), lines, ReceiptKey(receipt.branch, receipt.number), &rows);
  if (!s.ok()) return s;
  documents::LineRewrite how;
  how.keep = [&](size_t k) { return LineCounts(receipt.lines[k]); };
  how.reverse = [&] {
    return UPDATEPIUTANGDANGIRO(session, lines.Text("NOTA"), lines.Text("NO_BUKTI"), lines.Number("KREDIT"), 0);
  };
  how.write = [&](size_t k, bool appended) {
    const console::ValueRow& line = receipt.lines[k];
    xbase::Status w = appended ? lines.Put("KDCB", Value::Text(receipt.branch)) : xbase::Status::OK();
    if (w.ok() && appended) w = lines.Put("NOMOR", Value::Text(receipt.number));
    if (w.ok()) w = lines.Put("NOTA", line[kNota]);
    if (w.ok()) w = lines.Put("KD_TT", line[kCode]);
    if (w.ok()) w = lines.Put("NO_BUKTI", line[kInstrument]);
    if (w.ok()) w = lines.Put("NOTES", line[kNote]);
    if (w.ok()) w = lines.Put("KREDIT", Value::Num(LineAmount(line)));
    if (w.ok()) w = lines.Put("URUT", Value::Text(xbase::Str(static_cast<double>(k + 1), 3)));
    return w;
  };
  how.apply = [&](size_t k) {
    const console::ValueRow& line = receipt.lines[k];
    return UPDATEPIUTANGDANGIRO(session, LineText(line, kNota), LineText(line, kInstrument), 0, LineAmount(line));
  };
  return documents::RewriteLines(session.console(), lines, rows, receipt.lines.size(), how);
}

}  // namespace

console::ValueRow BlankLine(size_t n) {
  return {Value::Num(static_cast<double>(n), 3, 0),
          Value::Text(std::string(20, ' ')),
          Value::Text("  "),
          Value::Text(std::string(20, ' ')),
          Value::Text(std::string(20, ' ')),
          Value::Num(0, 16, 2),
          Value::Text(std::string(10, ' ')),
          Value::FromDate(xbase::Date()),
          Value::Text("  "),
          Value::Text("    "),
          Value::Text("    "),
          Value::Text(std::string(20, ' '))};
}

console::ValueRow ContinuedLine(const console::ValueRow& from, size_t n) {
  console::ValueRow line = from;
  line[kLineNo] = Value::Num(static_cast<double>(n), 3, 0);
  line[kNote] = Value::Text(std::string(20, ' '));
  line[kAmount] = Value::Num(0, 16, 2);
  return line;
}

const std::string& LineText(const console::ValueRow& line, ReceiptColumn column) { return line[column].text(); }

double LineAmount(const console::ValueRow& line) { return line[kAmount].number(); }

bool LineCounts(const console::ValueRow& line) {
  return !xbase::IsBlank(LineText(line, kNota)) && LineAmount(line) != 0;
}

std::string ReceiptKey(std::string_view branch, std::string_view number) {
  return xbase::PadR(branch, 6) + xbase::PadR(number, 10);
}

frame::OpenedTables OpenReceiptTables(frame::Session& session) {
  return OpenTablesAs(session, kReceiptTables);
}

void TakeInvoiceData(xbase::WorkArea& invoice, console::ValueRow* line) {
  (*line)[kCustomer] = Value::Text(invoice.Text("RELASI"));
  (*line)[kDue] = Value::FromDate(invoice.DateOf("TEMPO"));
  (*line)[kType] = Value::Text(invoice.Text("TIPE"));
  (*line)[kCompany] = Value::Text(invoice.Text("CODE_ID"));
  (*line)[kSalesman] = Value::Text(invoice.Text("SALES"));
  (*line)[kRemark] = Value::Text(invoice.Text("CATATAN"));
}

bool LCGETTT(frame::Session& session, const frame::OpenedTables& tables, Receipt* receipt, bool checks) {
  receipt->lines.clear();
  receipt->is_new = true;
  if (receipt->number.find('?') != std::string::npos && !PickReceipt(session, tables, receipt)) return false;
  receipt->number = xbase::PadR(xbase::Upper(receipt->number), 10);
  xbase::Status s;
  if (!xbase::IsBlank(receipt->number)) {
    bool found = false;
    s = SeekKey(tables["Piutkr1"], "PIUTKR11", ReceiptKey(receipt->branch, receipt->number), &found);
    if (found) {
      xbase::WorkArea& header = tables["Piutkr1"];
      receipt->is_new = false;
      receipt->date = receipt->old_date = header.DateOf("TANGGAL");
      // The stored remark comes back too, so that a correction does not blank it.
      receipt->notes = header.Text("NOTES");
      if (checks && !MayCorrect(session, header)) return false;
      s = LoadLines(tables, receipt);
      const std::string key = ReceiptKey(receipt->branch, receipt->number);
      receipt->seen.Clear();
      if (s.ok()) s = receipt->seen.Take(session.tables(), header, "PIUTKR11", key);
      if (s.ok()) s = receipt->seen.Take(session.tables(), tables["Piutkr2"], "PIUTKR21", key);
    }
  }
  if (!frame::Checked(session, s)) return false;
  receipt->lines.push_back(BlankLine(receipt->lines.size() + 1));
  return true;
}

xbase::Status SIMPANDATA(frame::Session& session, const frame::OpenedTables& tables, Receipt* receipt, bool* saved) {
  *saved = false;
  const auto counted = std::count_if(receipt->lines.begin(), receipt->lines.end(),
                                     [](const console::ValueRow& line) { return LineAmount(line) != 0; });
  if (counted > session.MAXBARIS) {
    console::PESAN(session.console(), "maximal baris per nomor TT adalah : " + xbase::Str(session.MAXBARIS, 4));
    return xbase::Status::OK();
  }
  const int answer = console::PESAN(session.console(), "Yakin data akan disimpan (Y/T)");
  if (answer != 'Y' && answer != 'y') return xbase::Status::OK();
  return SaveReceipt(session, tables, receipt, saved);
}

xbase::Status SaveReceipt(frame::Session& session, const frame::OpenedTables& tables, Receipt* receipt, bool* saved) {
  *saved = false;
  // A vanished invoice or instrument is named before each line is checked again.
  if (xbase::Status gone = LinesStillSettle(session, tables, *receipt); !gone.ok()) {
    documents::NothingSaved(session, gone);
    return xbase::Status::OK();
  }
  if (!CheckLinesAgain(session, tables, receipt)) return xbase::Status::OK();
  const bool has_amount = std::any_of(receipt->lines.begin(), receipt->lines.end(), LineCounts);
  // A new receipt without an amount writes nothing and takes no number.
  if (xbase::IsBlank(receipt->number) && !has_amount) return xbase::Status::OK();
  documents::SaveScope save(session.console());
  xbase::Status s = NameReceipt(save, session, tables, *receipt);
  if (s.ok()) s = save.Lock();
  if (s.ok()) {
    s = receipt->seen.Unchanged(session.tables(), "Tanda terima " + std::string(xbase::AllTrim(receipt->number)) +
                                                      " diubah di komputer lain, panggil ulang datanya");
  }
  if (s.ok()) s = LinesStillSettle(session, tables, *receipt);
  if (!s.ok()) {
    documents::NothingSaved(session, save, s);
    return xbase::Status::OK();
  }
  s = save.BeginWrites();
  const auto write = [&](const std::string& number) {
    receipt->number = xbase::PadR(number, 10);
    xbase::Status w = WriteHeader(session, tables, *receipt, has_amount);
    return w.ok() ? WriteLines(session, tables, *receipt) : w;
  };
  if (!xbase::IsBlank(receipt->number)) {
    if (s.ok()) s = write(receipt->number);
    if (s = save.CommitWrites(s); !s.ok()) return s;
    *saved = true;
    return xbase::Status::OK();
  }
  const auto taken = [&](const std::string& number, bool* held) {
    return SeekKey(tables["Piutkr1"], "PIUTKR11", ReceiptKey(receipt->branch, number), held);
  };
  std::string number;
  if (s.ok()) {
    s = documents::NumberDocument(session.console(), tables["Setup"], ReceiptCounter(),
                                  xbase::PadR(receipt->branch, 6),
                                  taken, write, &number);
  }
  s = save.CommitWrites(s);
  // A missing counter row was told in its alert; nothing was written.
  if (s.IsNotFound()) return xbase::Status::OK();
  if (!s.ok()) return s;
  *saved = true;
  receipt->is_new = false;
  console::PESAN(session.console(), "Tanda terima ini tersimpan dg Nomor " + std::string(xbase::RTrim(number)));
  return s;
}

}  // namespace receivables
