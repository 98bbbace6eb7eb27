// The receivables as the reports read them: invoices with their payment-receipt lines and reversing-journal rows.
#include "receivable-reports/receivable_book.h"

#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "xbase/text_functions.h"

namespace receivable_reports {

using frame::Trimmed;

SettleClass ClassOf(std::string_view code) {
  switch (code.empty() ? ' ' : code[0]) {
    case 'B': return SettleClass::kInstrument;
    case 'C': return SettleClass::kCash;
    case 'D': return SettleClass::kDeduction;
    case 'R': return SettleClass::kReturn;
    case 'F': return SettleClass::kFreeGoods;
    default: return SettleClass::kOther;
  }
}

bool Begins(std::string_view text, std::string_view prefix) {
  const std::string_view wanted = xbase::AllTrim(prefix);
  return text.substr(0, wanted.size()) == wanted;
}

xbase::Status ForEachKeyed(xbase::WorkArea& area, std::string_view order, std::string_view prefix,
                           const std::function<bool()>& visit) {
  xbase::Status s = area.SetOrder(order);
  std::vector<uint32_t> records;
  if (s.ok()) s = area.SeekAll(prefix, &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    s = area.GoTo(records[i]);
    if (s.ok() && !visit()) break;
  }
  return s;
}

xbase::Status ForEachFrom(xbase::WorkArea& area, std::string_view order, std::string_view start,
                          const std::function<bool()>& visit) {
  xbase::Status s = area.SetOrder(order);
  if (s.ok()) s = area.Seek(start, true);
  while (s.ok() && !area.eof() && visit()) s = area.Skip();
  return s;
}

xbase::Status ReceivableBook::ReceiptDate(const std::string& kdcb, const std::string& nomor, xbase::Date* date) {
  const auto key = std::make_pair(kdcb, nomor);
  if (const auto at = receipt_dates_.find(key); at != receipt_dates_.end()) {
    *date = at->second;
    return xbase::Status::OK();
  }
  xbase::WorkArea* headers = frame::AreaOf(session_, "PIUTKR1");
  if (headers == nullptr) return xbase::Status::NotFound("PIUTKR1", "not open");
  xbase::Status s = headers->SetOrder("PIUTKR11");
  if (s.ok()) s = headers->Seek(headers->PadToField("KDCB", kdcb) + headers->PadToField("NOMOR", nomor));
  if (!s.ok()) return s;
  *date = headers->found() ? headers->DateOf("TANGGAL") : xbase::Date();
  receipt_dates_.emplace(key, *date);
  return s;
}

xbase::Status ReceivableBook::ReadReceiptLine(xbase::WorkArea& lines, ReceiptLine* line) {
  line->kdcb = lines.Text("KDCB");
  line->nomor = lines.Text("NOMOR");
  line->nota = Trimmed(lines.Text("NOTA"));
  line->kd_tt = Trimmed(lines.Text("KD_TT"));
  line->no_bukti = Trimmed(lines.Text("NO_BUKTI"));
  line->notes = Trimmed(lines.Text("NOTES"));
  line->kredit = lines.Number("KREDIT");
  return ReceiptDate(line->kdcb, line->nomor, &line->date);
}

JournalLine ReceivableBook::ReadJournal(const xbase::WorkArea& journal) {
  JournalLine line;
  line.date = journal.DateOf("TANGGAL");
  line.nota = Trimmed(journal.Text("NOTA"));
  line.nomor = Trimmed(journal.Text("NOMOR"));
  line.kd_tt = Trimmed(journal.Text("KD_TT"));
  line.no_bukti = Trimmed(journal.Text("NO_BUKTI"));
  line.notes = Trimmed(journal.Text("NOTES"));
  line.debet = journal.Number("DEBET");
  line.kredit = journal.Number("KREDIT");
  return line;
}

xbase::Status ReceivableBook::ReadInvoice(xbase::WorkArea& piutdbt, Invoice* invoice) {
  invoice->nota = Trimmed(piutdbt.Text("NOTA"));
  invoice->kdcb = Trimmed(piutdbt.Text("KDCB"));
  invoice->relasi = Trimmed(piutdbt.Text("RELASI"));
  invoice->tipe = Trimmed(piutdbt.Text("TIPE"));
  invoice->sales = Trimmed(piutdbt.Text("SALES"));
  invoice->ktr = Trimmed(piutdbt.Text("KTR"));
  invoice->code_id = Trimmed(piutdbt.Text("CODE_ID"));
  invoice->date = piutdbt.DateOf("TANGGAL");
  invoice->tempo = piutdbt.DateOf("TEMPO");
  invoice->debet = piutdbt.Number("DEBET");
  invoice->approval = piutdbt.Logical("APPROVAL");
  invoice->receipts.clear();
  invoice->journal.clear();
  xbase::WorkArea* lines = frame::AreaOf(session_, "PIUTKR2");
  xbase::WorkArea* journal = frame::AreaOf(session_, "PIUTJBL");
  if (lines == nullptr || journal == nullptr) return xbase::Status::NotFound("PIUTKR2/PIUTJBL", "not open");
  xbase::Status read;
  xbase::Status s = ForEachKeyed(*lines, "PIUTKR22", lines->PadToField("NOTA", invoice->nota), [&] {
    ReceiptLine line;
    read = ReadReceiptLine(*lines, &line);
    invoice->receipts.push_back(std::move(line));
    return read.ok();
  });
  if (!s.ok() || !read.ok()) return s.ok() ? read : s;
  return ForEachKeyed(*journal, "PIUTJBL2", journal->PadToField("NOTA", invoice->nota), [&] {
    invoice->journal.push_back(ReadJournal(*journal));
    return true;
  });
}

xbase::Status ReceivableBook::ForEachInvoice(std::string_view customer,
                                             const std::function<bool(const Invoice&)>& visit) {
  xbase::WorkArea* piutdbt = frame::AreaOf(session_, "PIUTDBT");
  if (piutdbt == nullptr) return xbase::Status::NotFound("PIUTDBT", "not open");
  xbase::Status read;
  xbase::Status s = ForEachKeyed(*piutdbt, "PIUTDBT3", xbase::AllTrim(customer), [&] {
    Invoice invoice;
    read = ReadInvoice(*piutdbt, &invoice);
    return read.ok() && visit(invoice);
  });
  return s.ok() ? read : s;
}

xbase::Status ReceivableBook::InvoicesOf(std::string_view customer, std::vector<Invoice>* invoices) {
  invoices->clear();
  xbase::WorkArea* piutdbt = frame::AreaOf(session_, "PIUTDBT");
  if (piutdbt == nullptr) return xbase::Status::NotFound("PIUTDBT", "not open");
  xbase::Status read;
  xbase::Status s =
      ForEachKeyed(*piutdbt, "PIUTDBT3", piutdbt->PadToField("RELASI", xbase::AllTrim(customer)), [&] {
        Invoice invoice;
        read = ReadInvoice(*piutdbt, &invoice);
        invoices->push_back(std::move(invoice));
        return read.ok();
      });
  return s.ok() ? read : s;
}

xbase::Status ReceivableBook::FindInvoice(std::string_view nota, Invoice* invoice, bool* found) {
  xbase::WorkArea* piutdbt = frame::AreaOf(session_, "PIUTDBT");
  if (piutdbt == nullptr) return xbase::Status::NotFound("PIUTDBT", "not open");
  xbase::Status s = piutdbt->SetOrder("PIUTDBT1");
  if (s.ok()) s = piutdbt->Seek(piutdbt->PadToField("NOTA", xbase::RTrim(nota)));
  *found = s.ok() && piutdbt->found();
  if (!*found) return s;
  return ReadInvoice(*piutdbt, invoice);
}

xbase::Status ReceivableBook::InstrumentUses(std::string_view number, std::vector<ReceiptLine>* receipts,
                                             std::vector<JournalLine>* journal) {
  receipts->clear();
  journal->clear();
  xbase::WorkArea* lines = frame::AreaOf(session_, "PIUTKR2");
  xbase::WorkArea* rows = frame::AreaOf(session_, "PIUTJBL");
  if (lines == nullptr || rows == nullptr) return xbase::Status::NotFound("PIUTKR2/PIUTJBL", "not open");
  xbase::Status read;
  xbase::Status s = ForEachKeyed(*lines, "PIUTKR23", lines->PadToField("NO_BUKTI", xbase::RTrim(number)), [&] {
    ReceiptLine line;
    read = ReadReceiptLine(*lines, &line);
    receipts->push_back(std::move(line));
    return read.ok();
  });
  if (!s.ok() || !read.ok()) return s.ok() ? read : s;
  return ForEachKeyed(*rows, "PIUTJBL3", rows->PadToField("NO_BUKTI", xbase::RTrim(number)), [&] {
    journal->push_back(ReadJournal(*rows));
    return true;
  });
}

xbase::Status CustomerLookup::Find(std::string_view code, Customer* customer) {
  const std::string key(xbase::AllTrim(code));
  if (const auto at = known_.find(key); at != known_.end()) {
    *customer = at->second;
    return xbase::Status::OK();
  }
  xbase::WorkArea* mastcus = frame::AreaOf(session_, "MASTCUS");
  if (mastcus == nullptr) return xbase::Status::NotFound("MASTCUS", "not open");
  xbase::Status s = mastcus->SetOrder("MASTCUS1");
  if (s.ok()) s = mastcus->Seek(mastcus->PadToField("RELASI", key));
  if (!s.ok()) return s;
  *customer = {};
  if (!key.empty() && mastcus->found()) {
    *customer = {true, Trimmed(mastcus->Text("NAMA")), Trimmed(mastcus->Text("KOTA"))};
  }
  known_.emplace(key, *customer);
  return s;
}

xbase::Status SettlementOptions::Find(std::string_view code, std::string* option) {
  const std::string key(xbase::Left(code, 2));
  if (const auto at = known_.find(key); at != known_.end()) {
    *option = at->second;
    return xbase::Status::OK();
  }
  xbase::WorkArea* codes = frame::AreaOf(session_, "MASTJNS");
  if (codes == nullptr) return xbase::Status::NotFound("MASTJNS", "not open");
  xbase::Status s = codes->SetOrder("MASTJNS1");
  if (s.ok()) s = codes->Seek(codes->PadToField("KODE", key));
  if (!s.ok()) return s;
  *option = codes->found() ? Trimmed(codes->Text("OPSI")) : std::string();
  known_.emplace(key, *option);
  return s;
}

Settled SettledUpTo(const Invoice& invoice, xbase::Date to) {
  Settled settled;
  for (const ReceiptLine& line : invoice.receipts) {
    if (line.date <= to) settled.receipts += line.kredit;
  }
  for (const JournalLine& row : invoice.journal) {
    if (row.date <= to) settled.journal += row.debet - row.kredit;
  }
  return settled;
}

double BalanceAt(const Invoice& invoice, xbase::Date to) {
  const Settled settled = SettledUpTo(invoice, to);
  return invoice.debet - settled.receipts + settled.journal;
}

}  // namespace receivable_reports
