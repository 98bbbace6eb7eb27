// A deduction request in memory: its tables, its lines loaded with their invoices' data, and the
// checks of the cells typed into them.
#include <string>
#include <vector>

#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "receivables/deductions.h"
#include "receivables/keyed_seek.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using xbase::Value;

constexpr const char* kAboveInvoice = "Potongan melebihi nilai invoice";

// Fills the line from the current invoice row.
void TakeInvoice(const xbase::WorkArea& invoice, console::ValueRow* line) {
  (*line)[kDedDebet] = Value::Num(invoice.Number("DEBET"), 17, 2);
  (*line)[kDedKredit] = Value::Num(invoice.Number("KREDIT"), 17, 2);
  (*line)[kDedCustomer] = Value::Text(xbase::PadR(invoice.Text("RELASI"), 9));
  (*line)[kDedType] = Value::Text(invoice.Text("TIPE"));
  (*line)[kDedSalesman] = Value::Text(invoice.Text("SALES"));
  (*line)[kDedCompany] = Value::Text(invoice.Text("CODE_ID"));
}

// The request number other than `own` that already asks for invoice + code; empty when none.
xbase::Status OtherRequest(const frame::OpenedTables& tables, std::string_view nota,
                           std::string_view code, std::string_view own, std::string* other) {
  other->clear();
  xbase::WorkArea& lines = tables["BPOT_DTL"];
  std::vector<uint32_t> rows;
  xbase::Status s = lines.SetOrder("BPOT_DTL2");
  if (s.ok()) s = lines.SeekAll(lines.PadToField("NOTA", xbase::RTrim(nota)) + xbase::PadR(code, 2), &rows);
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = lines.GoTo(rows[i]); !s.ok()) break;
    if (lines.Text("NOMOR") != xbase::PadR(own, 10) || xbase::IsBlank(own)) {
      *other = lines.Text("NOMOR");
      break;
    }
  }
  return s;
}

// The invoice typed in line `line`: picked with "?", stored, on no other line, in no other request of
// the code; an invoice of the request's branch fills the line, a BPT voucher of invoice and code its
// percent, amount and number.
bool CheckInvoice(frame::Session& session, const frame::OpenedTables& tables, DeductionRequest* request, size_t line,
                  Value* value) {
  std::string nota = value->text();
  bool found = false;
  xbase::Status s = frame::PickCode(session, PickOf("Piutdbt", {"nota", "relasi", "tipe", "tanggal", "sales"},
                                                    {"Invoice", "Relasi", "Tepe", "tangga", "SALES"}),
                                    &nota);
  if (s.ok()) s = SeekExact(tables["Piutdbt"], "PIUTDBT1", "NOTA", nota, &found);
  if (!frame::Checked(session, s) || !found) return false;
  nota = xbase::PadR(xbase::RTrim(nota), 20);
  *value = Value::Text(nota);
  for (size_t k = 0; k < request->lines.size(); ++k) {
    if (k != line && request->lines[k][kDedNota].text() == nota) {
      return pickers::Refuse(session, "NOTA " + std::string(xbase::RTrim(nota)) + " sudah ada diurutan " +
                                          xbase::Str(static_cast<double>(k + 1), 4));
    }
  }
  std::string other;
  if (!frame::Checked(session, OtherRequest(tables, nota, request->code, request->number, &other)))
    return false;
  if (!other.empty()) {
    return pickers::Refuse(session, "NOTA " + std::string(xbase::RTrim(nota)) + " - " + request->code +
                                        ", sudah pernah diajukan dg Nomor " + std::string(xbase::RTrim(other)));
  }
  console::ValueRow& row = request->lines[line];
  row[kDedNota] = *value;
  s = SeekExact(tables["Piutdbt"], "PIUTDBT1", "NOTA", nota, &found);
  const xbase::WorkArea& invoice = tables["Piutdbt"];
  if (s.ok() && found && invoice.Text("KDCB") == xbase::PadR(request->branch, 6)) TakeInvoice(invoice, &row);
  if (s.ok()) s = SeekKey(tables["BPOT_BPT"], "BPOT_BPT2", nota + xbase::PadR(request->code, 2), &found);
  if (s.ok() && found) {
    const xbase::WorkArea& voucher = tables["BPOT_BPT"];
    row[kDedPercent] = Value::Num(voucher.Number("TARIF"), 5, 2);
    row[kDedAmount] = Value::Num(voucher.Number("NILAI"), 14, 2);
    row[kDedBpt] = Value::Text(voucher.Text("NOMOR"));
  }
  return frame::Checked(session, s);
}

}  // namespace

frame::OpenedTables OpenDeductionTables(frame::Session& session, bool approval_files) {
  std::vector<frame::TableUse> uses = {
      {"GIRODBT", "GiroDbt"},   {"MASTCUS", "mastcus"}, {"PIUTDBT", "Piutdbt"}, {"PIUTKR1", "Piutkr1"},
      {"PIUTKR2", "Piutkr2"},   {"SETUP", "Setup"},     {"BPOT_HDR", "BPOT_HDR"}, {"BPOT_DTL", "BPOT_DTL"},
      {"BPOT_BPT", "BPOT_BPT"}, {"SRTJLN1", "inv"},     {"SRTJLN2", "krt"},     {"MASTJNS", "mastjns"}};
  if (approval_files) uses.insert(uses.end(), {{"BPOT_AP1", {}, true}, {"BPOT_AP2", {}, true}});
  return frame::OpenTables(session, uses);
}

console::ValueRow BlankDeductionLine(size_t n) {
  return {Value::Num(static_cast<double>(n), 2, 0),
          Value::Text(std::string(20, ' ')),
          Value::Num(0, 17, 2),
          Value::Num(0, 5, 2),
          Value::Num(0, 14, 2),
          Value::Text(std::string(10, ' ')),
          Value::Text(std::string(50, ' ')),
          Value::Num(0, 17, 2),
          Value::Text(std::string(9, ' ')),
          Value::Text("  "),
          Value::Text("    "),
          Value::Text("    ")};
}

bool DeductionCounts(const console::ValueRow& line) {
  return !xbase::IsBlank(line[kDedNota].text()) && line[kDedAmount].number() != 0;
}

bool DeductionCodeValid(frame::Session& session, const frame::OpenedTables& tables, std::string_view code) {
  bool found = false;
  if (!frame::Checked(session, SeekExact(tables["mastjns"], "MASTJNS1", "KODE", code, &found))) return false;
  const std::string option = found ? tables["mastjns"].Text("OPSI") : std::string();
  if (option == "4" || option == "5") return true;
  return pickers::Refuse(session, "Kode potongan " + std::string(xbase::RTrim(code)) + " tidak terdaftar");
}

xbase::Status LoadRequest(frame::Session& session, const frame::OpenedTables& tables, const RequestTables& files,
                          DeductionRequest* request, bool* found) {
  request->lines.clear();
  request->seen.Clear();
  request->is_new = true;
  request->printed = false;
  xbase::Status s = SeekExact(tables[files.header], files.header_order, "NOMOR", request->number, found);
  if (s.ok() && *found) {
    const xbase::WorkArea& header = tables[files.header];
    request->is_new = false;
    request->branch = header.Text("KDCB");
    request->date = header.DateOf("TANGGAL");
    request->printed = header.Logical("CETAK");
    xbase::WorkArea& lines = tables[files.lines];
    std::vector<uint32_t> rows;
    s = lines.SetOrder(files.lines_order);
    if (s.ok()) s = lines.SeekAll(lines.PadToField("NOMOR", xbase::RTrim(request->number)), &rows);
    for (size_t n = 0; s.ok() && n < rows.size(); ++n) {
      if (s = lines.GoTo(rows[n]); !s.ok()) break;
      console::ValueRow line = BlankDeductionLine(n + 1);
      request->code = lines.Text("KDTT");
      line[kDedNota] = Value::Text(lines.Text("NOTA"));
      line[kDedPercent] = Value::Num(lines.Number("TARIF"), 5, 2);
      line[kDedAmount] = Value::Num(lines.Number("POTONGAN"), 14, 2);
      line[kDedBpt] = Value::Text(lines.Text("NO_BPT"));
      line[kDedNote] = Value::Text(lines.Text("NOTES"));
      bool invoice = false;
      s = SeekExact(tables["Piutdbt"], "PIUTDBT1", "NOTA", lines.Text("NOTA"), &invoice);
      if (invoice) TakeInvoice(tables["Piutdbt"], &line);
      request->lines.push_back(std::move(line));
    }
    xbase::WorkArea& stored = tables[files.header];
    const std::string number(xbase::RTrim(request->number));
    if (s.ok()) s = request->seen.Take(session.tables(), stored, files.header_order, stored.PadToField("NOMOR", number));
    if (s.ok()) s = request->seen.Take(session.tables(), lines, files.lines_order, lines.PadToField("NOMOR", number));
  }
  request->lines.push_back(BlankDeductionLine(request->lines.size() + 1));
  return s;
}

bool FindRequest(frame::Session& session, const frame::OpenedTables& tables, DeductionRequest* request) {
  std::string number = request->number;
  xbase::Status s = frame::PickCode(
      session, PickOf("BPOT_HDR", {"nomor", "kdcb", "tanggal"}, {"nomor", "kdcb", "tanggal"}), &number);
  request->number = xbase::PadR(xbase::Upper(xbase::RTrim(number)), 10);
  bool found = false;
  if (s.ok()) s = LoadRequest(session, tables, kRequestTables, request, &found);
  if (!frame::Checked(session, s)) return false;
  if (found) return true;
  return pickers::Refuse(session, "DRAFT POTONGAN " + std::string(xbase::RTrim(request->number)) + " belum terdaftar");
}

bool CheckDeductionCell(frame::Session& session, const frame::OpenedTables& tables, DeductionRequest* request,
                        size_t line, size_t column, Value* value) {
  console::ValueRow& row = request->lines[line];
  const double invoice_amount = row[kDedDebet].number();
  switch (column) {
    case kDedNota:
      return xbase::IsBlank(value->text()) || CheckInvoice(session, tables, request, line, value);
    case kDedPercent: {
      const double amount = invoice_amount * value->number() / 100;
      if (amount > invoice_amount) return pickers::Refuse(session, kAboveInvoice);
      row[kDedAmount] = Value::Num(amount, 14, 2);
      return true;
    }
    case kDedAmount:
      if (value->number() > invoice_amount) return pickers::Refuse(session, kAboveInvoice);
      return true;
    default:
      return true;
  }
}

}  // namespace receivables
