// Loading and saving an invoice's reversing-journal lines, with the settled totals they move.
#include <string>
#include <vector>

#include "console/message.h"
#include "documents/document_counter.h"
#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "documents/stored_lines.h"
#include "frame/status_display.h"
#include "receivables/journal.h"
#include "receivables/keyed_seek.h"
#include "receivables/receipt.h"
#include "receivables/receivables.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using xbase::Value;

constexpr const char* kCounterPrefix = "NTDB";

const std::string& Text(const console::ValueRow& line, size_t column) { return line[column].text(); }
double Number(const console::ValueRow& line, size_t column) { return line[column].number(); }

console::ValueRow LedgerLine(size_t n, xbase::Date date, std::string_view receipt, std::string_view code,
                             std::string_view instrument, double debet, double kredit, std::string_view notes) {
  return {Value::Num(static_cast<double>(n), 2, 0), Value::FromDate(date),  Value::Text(std::string(receipt)),
          Value::Text(std::string(code)),           Value::Text(std::string(instrument)), Value::Num(debet, 16, 2),
          Value::Num(kredit, 16, 2),                Value::Text(std::string(notes))};
}

// The invoice row itself, then every receipt line naming it with its receipt's date.
xbase::Status LoadLedger(const frame::OpenedTables& tables, Journal* journal) {
  const xbase::WorkArea& invoice = tables["Piutdbt"];
  journal->ledger = {LedgerLine(1, invoice.DateOf("TANGGAL"), "", "", "", invoice.Number("DEBET"), 0,
                                invoice.Text("KTR"))};
  xbase::WorkArea& lines = tables["Piutkr2"];
  std::vector<uint32_t> rows;
  xbase::Status s = lines.SetOrder("PIUTKR22");
  if (s.ok()) s = lines.SeekAll(journal->nota, &rows);
  for (uint32_t row : rows) {
    if (s = lines.GoTo(row); !s.ok()) break;
    bool found = false;
    s = SeekKey(tables["Piutkr1"], "PIUTKR11", ReceiptKey(lines.Text("KDCB"), lines.Text("NOMOR")), &found);
    if (!s.ok()) break;
    const xbase::Date date = found ? tables["Piutkr1"].DateOf("TANGGAL") : xbase::Date();
    journal->ledger.push_back(LedgerLine(journal->ledger.size() + 1, date, lines.Text("NOMOR"),
                                         lines.Text("KD_TT"), lines.Text("NO_BUKTI"), 0, lines.Number("KREDIT"),
                                         lines.Text("NOTES")));
  }
  return s;
}

}  // namespace

console::ValueRow BlankJournalLine(size_t n, std::string_view number) {
  return {Value::Num(static_cast<double>(n), 2, 0), Value::Text(xbase::PadR(number, 10)),
          Value::FromDate(xbase::Date()),           Value::Text("  "),
          Value::Text(std::string(20, ' ')),        Value::Num(0, 16, 2),
          Value::Num(0, 16, 2),                     Value::Text(std::string(30, ' '))};
}

bool JournalLineCounts(const console::ValueRow& line) {
  return !line[kJournalDate].date().empty() && (Number(line, kJournalDebet) != 0 || Number(line, kJournalKredit) != 0);
}

xbase::Status ProposedJournalNumber(const frame::OpenedTables& tables, std::string_view branch, std::string* number) {
  bool found = false;
  const std::string key = kCounterPrefix + xbase::PadR(branch, 6);
  const xbase::Status s = SeekKey(tables["Setup"], "SETUP", key, &found);
  if (!s.ok()) return s;
  documents::CounterKind kind;
  kind.digits = 10;
  *number = documents::NextNumber(kind, found ? tables["Setup"].Text("KET") : "");
  return s;
}

xbase::Status LoadJournal(const frame::OpenedTables& tables, Journal* journal, bool* found) {
  journal->nota = xbase::PadR(journal->nota, 20);
  journal->ledger.clear();
  journal->lines.clear();
  xbase::Status s = SeekExact(tables["Piutdbt"], "PIUTDBT1", "NOTA", journal->nota, found);
  if (!s.ok() || !*found) return s;
  journal->branch = tables["Piutdbt"].Text("KDCB");
  if (s = LoadLedger(tables, journal); !s.ok()) return s;
  xbase::WorkArea& rows = tables["Piutjbl"];
  std::vector<uint32_t> records;
  if (s = rows.SetOrder("PIUTJBL2"); s.ok()) s = rows.SeekAll(journal->nota, &records);
  for (uint32_t record : records) {
    if (s = rows.GoTo(record); !s.ok()) return s;
    console::ValueRow line = BlankJournalLine(journal->lines.size() + 1, rows.Text("NOMOR"));
    line[kJournalDate] = Value::FromDate(rows.DateOf("TANGGAL"));
    line[kJournalCode] = Value::Text(std::string(xbase::Left(rows.Text("KD_TT"), 2)));
    line[kJournalInstrument] = Value::Text(rows.Text("NO_BUKTI"));
    line[kJournalDebet] = Value::Num(rows.Number("DEBET"), 16, 2);
    line[kJournalKredit] = Value::Num(rows.Number("KREDIT"), 16, 2);
    line[kJournalNotes] = Value::Text(rows.Text("NOTES"));
    journal->lines.push_back(std::move(line));
  }
  std::string proposed;
  if (s.ok()) s = ProposedJournalNumber(tables, journal->branch, &proposed);
  if (s.ok()) journal->lines.push_back(BlankJournalLine(journal->lines.size() + 1, proposed));
  return s;
}

namespace {

// The stored journal rows, the counter row, and the invoice and instruments every old and new line settles.
xbase::Status NameJournal(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                          const Journal& journal) {
  xbase::WorkArea& rows = tables["Piutjbl"];
  xbase::WorkArea& setup = tables["Setup"];
  std::vector<uint32_t> records;
  xbase::Status s = documents::NameStoredRows(save, session.tables(), rows, "PIUTJBL2", journal.nota, &records);
  if (s.ok()) {
    s = documents::NameKeyedRecord(save, setup, "SETUP",
                                   setup.PadToField("SETUP", kCounterPrefix + xbase::PadR(journal.branch, 6)));
  }
  if (s.ok()) s = NameSettlement(save, session, journal.nota, "");
  xbase::ShowDeleted show(&session.tables());
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = rows.GoTo(records[i]); s.ok() && !rows.deleted())
      s = NameSettlement(save, session, journal.nota, rows.Text("NO_BUKTI"));
  }
  for (size_t k = 0; s.ok() && k < journal.lines.size(); ++k) {
    if (JournalLineCounts(journal.lines[k])) {
      s = NameSettlement(save, session, journal.nota, Text(journal.lines[k], kJournalInstrument));
    }
  }
  return s;
}

xbase::Status WriteJournal(frame::Session& session, const frame::OpenedTables& tables, const Journal& journal) {
  xbase::WorkArea& rows = tables["Piutjbl"];
  std::vector<uint32_t> records;
  xbase::Status s = rows.SetOrder("PIUTJBL2");
  if (s.ok()) s = documents::StoredRows(session.tables(), rows, journal.nota, &records);
  if (!s.ok()) return s;
  const std::string counter = kCounterPrefix + xbase::PadR(journal.branch, 6);
  documents::LineRewrite how;
  how.keep = [&](size_t k) { return JournalLineCounts(journal.lines[k]); };
  // A line moves the settled totals by DEBET - KREDIT; taking it back moves them by KREDIT - DEBET.
  how.reverse = [&] {
    return UPDATEPIUTANGDANGIRO(session, journal.nota, rows.Text("NO_BUKTI"), rows.Number("DEBET"),
                                rows.Number("KREDIT"));
  };
  how.write = [&](size_t k, bool appended) {
    const console::ValueRow& line = journal.lines[k];
    xbase::Status w = appended ? rows.Put("NOTA", Value::Text(journal.nota)) : xbase::Status::OK();
    if (w.ok()) w = rows.Put("NOMOR", line[kJournalNumber]);
    if (w.ok()) w = rows.Put("TANGGAL", line[kJournalDate]);
    if (w.ok()) w = rows.Put("KD_TT", line[kJournalCode]);
    if (w.ok()) w = rows.Put("NO_BUKTI", line[kJournalInstrument]);
    if (w.ok()) w = rows.Put("DEBET", line[kJournalDebet]);
    if (w.ok()) w = rows.Put("KREDIT", line[kJournalKredit]);
    if (w.ok()) w = rows.Put("NOTES", line[kJournalNotes]);
    if (w.ok()) w = rows.Put("URUT", Value::Text(xbase::Str(static_cast<double>(k + 1), 3)));
    return w;
  };
  how.apply = [&](size_t k) {
    const console::ValueRow& line = journal.lines[k];
    xbase::Status a = documents::RaiseCounter(session.console(), tables["Setup"], counter,
                                              xbase::AllTrim(Text(line, kJournalNumber)));
    if (a.ok()) {
      a = UPDATEPIUTANGDANGIRO(session, journal.nota, Text(line, kJournalInstrument), Number(line, kJournalKredit),
                               Number(line, kJournalDebet));
    }
    return a;
  };
  return documents::RewriteLines(session.console(), rows, records, journal.lines.size(), how);
}

}  // namespace

xbase::Status SaveJournal(frame::Session& session, const frame::OpenedTables& tables, const Journal& journal) {
  documents::SaveScope save(session.console());
  xbase::Status s = NameJournal(save, session, tables, journal);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return s;
  }
  s = save.BeginWrites();
  if (s.ok()) s = WriteJournal(session, tables, journal);
  s = save.CommitWrites(s);
  frame::ShowFailure(session, s);
  return s;
}

JournalSums SumJournal(const Journal& journal) {
  JournalSums sums;
  for (const console::ValueRow& line : journal.ledger) {
    sums.debet += Number(line, kLedgerDebet);
    sums.kredit += Number(line, kLedgerKredit);
  }
  for (const console::ValueRow& line : journal.lines) {
    sums.debet += Number(line, kJournalDebet);
    sums.kredit += Number(line, kJournalKredit);
  }
  return sums;
}

}  // namespace receivables
