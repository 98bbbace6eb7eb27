// The figures of a tax invoice: the note or group it covers, the buyer, the merged lines, the price
// reduction, the number to propose and the serial.
#include <cmath>
#include <string>

#include "console/alert.h"
#include "documents/document_counter.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/order_scope.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "sales/tax_invoice.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

// The open work area of an alias, seeked on index `order` for `key`; null when it cannot be read.
xbase::WorkArea* Find(frame::Session& session, std::string_view alias, std::string_view order, std::string_view key) {
  xbase::WorkArea* area = nullptr;
  xbase::Status s = frame::RequireArea(session, alias, &area);
  if (s.ok()) s = area->SetOrder(order);
  if (s.ok()) s = area->Seek(key);
  return frame::Checked(session, s) ? area : nullptr;
}

// The buyer's tax identity through the customer's tax number.
void LoadBuyer(frame::Session& session, TaxInvoice* invoice) {
  xbase::WorkArea* customer = Find(session, "mastcus", "MASTCUS1", invoice->customer);
  if (customer == nullptr || !customer->found()) return;
  const std::string npwp = customer->Text("NPWP");
  xbase::WorkArea* identity = Find(session, "dt_npwp", "DT_NPWP", npwp);
  if (identity == nullptr || !identity->found() || xbase::IsBlank(npwp)) return;
  invoice->npwp = identity->Text("NPWP");
  invoice->buyer = identity->Text("NAMA");
  invoice->address1 = xbase::PadR(identity->Text("ALAMAT1"), 60).substr(0, 60);
  invoice->address2 = xbase::PadR(identity->Text("ALAMAT2"), 60).substr(0, 60);
}

// The notes the tax invoice covers: the members of the group the note heads, else the note itself.
bool CoveredNotes(frame::Session& session, TaxInvoice* invoice, std::vector<std::string>* notes) {
  xbase::WorkArea* groups = Find(session, "grupsj2", "GRUPSJ21", "");
  if (groups == nullptr) return false;
  std::vector<uint32_t> records;
  xbase::Status s = groups->SeekAll(groups->PadToField("INVOICE", xbase::RTrim(invoice->note)), &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    s = groups->GoTo(records[i]);
    if (s.ok()) notes->push_back(groups->Text("MEMBER_SJ"));
  }
  invoice->group = !notes->empty();
  if (!invoice->group) notes->push_back(invoice->note);
  return frame::Checked(session, s);
}

// The lines of one note onto the rows; its header discounts onto the reduction.
bool AddNoteLines(frame::Session& session, std::string_view number, TaxInvoice* invoice) {
  xbase::WorkArea* note = Find(session, "srtjln1", "SRTJLN11", number);
  if (note == nullptr) return false;
  xbase::WorkArea* lines = nullptr;
  xbase::WorkArea* goods = nullptr;
  xbase::Status s = frame::RequireArea(session, "srtjln2", &lines);
  if (s.ok()) s = frame::RequireArea(session, "mastbrj", &goods);
  if (!frame::Checked(session, s)) return false;
  if (!note->found()) return true;
  const double hd1 = note->Number("DISCOUNT"), hd2 = note->Number("DISCOUNT2");
  std::vector<uint32_t> records;
  s = lines->SetOrder("SRTJLN21");
  if (s.ok()) s = lines->SeekAll(note->Text("INVOICE"), &records);
  double note_sum = 0;
  const double factor = (100 + invoice->vat) / 100;
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = lines->GoTo(records[i]); !s.ok()) break;
    const double unit = lines->Number("HARGA") / factor * (100 - lines->Number("DISCOUNT")) / 100 *
                        (100 - lines->Number("DISCOUNT2")) / 100;
    const std::string code = lines->Text("KODE");
    std::string name;
    if (s = goods->SetOrder("MASTBRJ1"); s.ok()) s = goods->Seek(goods->PadToField("KODE", code));
    if (s.ok() && goods->found()) name = goods->Text("NAMA");
    AddTaxLine(&invoice->lines, code, name, lines->Number("QUANTITY"), unit);
    note_sum += lines->Number("QUANTITY") * unit;
  }
  invoice->reduction += note_sum * hd1 / 100 + note_sum * (100 - hd1) / 100 * hd2 / 100;
  return frame::Checked(session, s);
}

// *value := a SETUP value, `otherwise` without a row or with a blank one.
xbase::Status Setting(frame::Session& session, std::string_view key, std::string_view otherwise, std::string* value) {
  std::string ket;
  bool found = false;
  const xbase::Status s = pickers::SetupRow(session, key, &found, nullptr, &ket);
  *value = found && !xbase::IsBlank(ket) ? std::string(xbase::AllTrim(ket)) : std::string(otherwise);
  return s;
}

// The stored tax invoice of the note loaded onto the form for a reprint; nothing when it cannot be.
xbase::Status LoadStored(const xbase::WorkArea& stored, TaxInvoice* invoice) {
  if (xbase::Status s = TaxInvoiceRecord().Read(stored, invoice); !s.ok()) return s;
  invoice->proposed = invoice->number;
  invoice->reprint = true;
  return xbase::Status::OK();
}

}  // namespace

int TaxInvoice::Pages() const {
  const int rows = static_cast<int>(lines.size());
  return std::max(1, (rows + RowsPerPage() - 1) / RowsPerPage());
}

double TaxInvoice::Sum() const {
  double sum = 0;
  for (const TaxLine& line : lines) sum += line.amount;
  return sum;
}

std::string TaxSerial(const TaxInvoice& invoice) {
  const std::string number = xbase::PadR(xbase::AllTrim(invoice.number), 10);
  return "0" + std::string(xbase::AllTrim(invoice.detail)) + (xbase::AllTrim(invoice.document) == "7" ? "1" : "0") +
         "." + std::string(xbase::AllTrim(invoice.prefix)) + "-" + number.substr(0, 2) + "." + number.substr(2, 8);
}

std::string TaxNumberText(std::string_view npwp) {
  const std::string digits = xbase::PadR(xbase::AllTrim(npwp), 15);
  return digits.substr(0, 2) + "." + digits.substr(2, 3) + "." + digits.substr(5, 3) + "." + digits.substr(8, 1) + "-" +
         digits.substr(9, 3) + "." + digits.substr(12, 3);
}

void AddTaxLine(std::vector<TaxLine>* lines, std::string_view code, std::string_view name, double quantity, double unit) {
  for (TaxLine& line : *lines) {
    // Prices of one code are merged when they agree to the hundredth of a cent.
    if (line.code == code && std::abs(line.unit - unit) < 1e-4) {
      line.quantity += quantity;
      line.amount += quantity * unit;
      return;
    }
  }
  lines->push_back({std::string(code), std::string(name), quantity, unit, quantity * unit});
}

bool LoadTaxInvoice(frame::Session& session, TaxInvoice* invoice) {
  frame::PickSpec pick;
  pick.alias = "srtjln1";
  pick.expressions = {"INVOICE", "TANGGAL", "RELASI", "NOMOR"};
  pick.heads = {"No. SJ", "Tanggal", "Relasi", "No. Order"};
  bool found = false;
  xbase::WorkArea* note = nullptr;
  if (!frame::Checked(session, frame::PickAndSeek(session, pick, &invoice->note, &found, &note))) return false;
  if (!found) return pickers::Refuse(session, "Surat Jalan / Invoice tidak terdaftar");
  invoice->note = note->Text("INVOICE");
  invoice->salesman = note->Text("SALES");
  invoice->order = xbase::PadR(note->Text("NOMOR"), 15);
  invoice->customer = note->Text("RELASI");
  invoice->branch = note->Text("KDCB");
  invoice->invoice = note->Text("INVOICE");
  invoice->date = invoice->shipping = session.Today();
  invoice->reprint = false;
  invoice->npwp = invoice->buyer = invoice->address1 = invoice->address2 = "";
  LoadBuyer(session, invoice);
  std::string vat, prefix, last_number;
  xbase::Status s = Setting(session, "POTONGPPN", "10", &vat);
  if (s.ok()) s = Setting(session, "ID-FTPAJAK", "902", &prefix);
  if (s.ok()) s = Setting(session, "NOMORPAJAK", "0", &last_number);
  if (!frame::Checked(session, s)) return false;
  invoice->vat = xbase::Val(vat).value;
  invoice->prefix = xbase::PadR(prefix, 3);

  xbase::WorkArea* stored = Find(session, "ppn_kel", "PPN_KEL1", invoice->note);
  if (stored == nullptr) return false;
  if (stored->found()) {
    const std::string text = "Sudah dibuat faktur [" + std::string(xbase::RTrim(stored->Text("NOMOR"))) + "/" +
                             xbase::Dtoc(stored->DateOf("TANGGAL")) + "]";
    if (console::Alert(session.console(), text, {"Ulang", "Batal"}) != 1) return false;
    if (!frame::Checked(session, LoadStored(*stored, invoice))) return false;
  } else {
    documents::CounterKind counter;
    invoice->proposed = documents::NextNumber(counter, last_number);
    invoice->number = invoice->proposed;
  }
  invoice->lines.clear();
  invoice->reduction = 0;
  std::vector<std::string> notes;
  if (!CoveredNotes(session, invoice, &notes)) return false;
  for (const std::string& number : notes) {
    if (!AddNoteLines(session, number, invoice)) return false;
  }
  return true;
}

bool TaxNumberFree(frame::Session& session, TaxInvoice* invoice) {
  if (xbase::IsBlank(invoice->number)) return true;
  xbase::WorkArea* stored = Find(session, "ppn_kel", "PPN_KEL2", invoice->number);
  if (stored == nullptr) return false;
  if (!stored->found() || stored->Text("NO_SJ") == xbase::PadR(invoice->note, 20)) return true;
  const std::string text = "Nomor " + std::string(xbase::RTrim(invoice->number)) +
                           (invoice->reprint ? " sudah dipakai......." : " sudah dipakai");
  invoice->number = invoice->proposed;
  return pickers::Refuse(session, text);
}

}  // namespace sales
