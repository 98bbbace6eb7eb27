// The record of a tax invoice and its counter: the "NOMORPAJAK" row stays locked from the check of
// the number to its raise, so two workstations never record one number twice.
#include <string>
#include <utility>

#include "console/alert.h"
#include "console/table_access.h"
#include "documents/field_values.h"
#include "documents/record_writes.h"
#include "documents/save_scope.h"
#include "frame/open_table.h"
#include "frame/order_scope.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "sales/tax_invoice.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {

using documents::D;
using documents::N;
using documents::T;

namespace {

constexpr char kCounter[] = "NOMORPAJAK";

// The fields of the note and the figures written beside the form's.
documents::FieldValues NoteFields(const TaxInvoice& invoice) {
  const double base = invoice.Base();
  return {{"NO_SJ", T(invoice.note)},     {"RELASI", T(invoice.customer)},      {"CABANG", T(invoice.branch)},
          {"NPWP", T(invoice.npwp)},      {"DPP", N(base)},                     {"PPN", N(base * invoice.vat / 100)},
          {"TD", xbase::Value::Logical(true)}};
}

// The write of the PPN_KEL row of the note: appended, rewritten, or deleted when the number was
// cleared on a reprint.
xbase::Status WriteRow(frame::Session& session, xbase::WorkArea& taxes, const TaxInvoice& invoice) {
  console::Console& con = session.console();
  xbase::Status s = taxes.SetOrder("PPN_KEL1");
  if (s.ok()) s = taxes.Seek(taxes.PadToField("NO_SJ", xbase::RTrim(invoice.note)));
  if (!s.ok()) return s;
  if (!taxes.found()) {
    if (xbase::IsBlank(invoice.number)) return s;
    documents::FieldValues extra = NoteFields(invoice);
    extra.push_back({"OPERATOR", T(session.MMEMBER.nik)});
    extra.push_back({"TG_INPUT", D(session.Today())});
    return TaxInvoiceRecord().Append(con, taxes, invoice, std::move(extra));
  }
  documents::FieldValues values;
  if (!xbase::IsBlank(invoice.number)) {
    if (s = TaxInvoiceRecord().CheckedValues(taxes, invoice, NoteFields(invoice), &values); !s.ok()) return s;
  }
  if (s = console::LOCK_REC(con, taxes); !s.ok()) return s;
  if (xbase::IsBlank(invoice.number)) {
    s = taxes.Delete();
    const xbase::Status released = taxes.Unlock();
    return s.ok() ? released : s;
  }
  return documents::PutAndRelease(taxes, values);
}

// True when another note's tax invoice holds the number.
xbase::Status UsedElsewhere(xbase::WorkArea& taxes, const TaxInvoice& invoice, bool* used) {
  frame::OrderScope scope(taxes);
  xbase::Status s = taxes.SetOrder("PPN_KEL2");
  if (s.ok()) s = taxes.Seek(taxes.PadToField("NOMOR", xbase::RTrim(invoice.number)));
  *used = s.ok() && !xbase::IsBlank(invoice.number) && taxes.found() &&
          taxes.Text("NO_SJ") != taxes.PadToField("NO_SJ", xbase::RTrim(invoice.note));
  return s;
}

}  // namespace

const documents::RecordBinding<TaxInvoice>& TaxInvoiceRecord() {
  using documents::Bind;
  static const documents::RecordBinding<TaxInvoice> kRecord = {
      Bind("NOMOR", &TaxInvoice::number),     Bind("INVOICE", &TaxInvoice::invoice), Bind("NO_PO", &TaxInvoice::order),
      Bind("TANGGAL", &TaxInvoice::date),     Bind("KIRIM", &TaxInvoice::shipping),  Bind("SALES", &TaxInvoice::salesman),
      Bind("JENIS", &TaxInvoice::kind),       Bind("STATUS", &TaxInvoice::detail),   Bind("DOCUMEN", &TaxInvoice::document),
      Bind("ID_NOM", &TaxInvoice::prefix)};
  return kRecord;
}

bool RecordTaxInvoice(frame::Session& session, const TaxInvoice& invoice) {
  console::Console& con = session.console();
  xbase::WorkArea* setup = nullptr;
  xbase::WorkArea* taxes = nullptr;
  xbase::Status s = frame::RequireArea(session, "setup", &setup);
  if (s.ok()) s = frame::RequireArea(session, "ppn_kel", &taxes);
  if (s.ok()) s = setup->SetOrder(1);
  if (s.ok()) s = setup->Seek(setup->PadToField("SETUP", kCounter));
  if (!frame::Checked(session, s)) return false;
  if (!setup->found()) {
    console::Alert(con, std::string("Setup ") + kCounter + " belum dibuat, hub. admin", {"Batal"});
    return false;
  }
  // The counter row, the note's record (or an append) and every lock before the first write.
  const uint32_t counter = setup->recno();
  documents::SaveScope save(con);
  save.Update(*setup, counter);
  save.Append(*taxes);
  s = taxes->SetOrder("PPN_KEL1");
  if (s.ok()) s = taxes->Seek(taxes->PadToField("NO_SJ", xbase::RTrim(invoice.note)));
  if (s.ok() && taxes->found()) save.Update(*taxes, taxes->recno());
  if (s.ok()) s = save.Lock();
  if (!s.ok()) return documents::NothingSaved(session, s);
  bool used = false;
  s = UsedElsewhere(*taxes, invoice, &used);
  if (s.ok() && used) {
    return pickers::Refuse(session, "Nomor " + std::string(xbase::RTrim(invoice.number)) + " sudah dipakai");
  }
  if (s.ok()) s = save.BeginWrites();
  if (s.ok()) s = WriteRow(session, *taxes, invoice);
  if (s.ok()) s = setup->GoTo(counter);
  if (s.ok() && xbase::Val(invoice.number).value > xbase::Val(setup->Text("KET")).value) {
    s = setup->Put("KET", T(xbase::PadR(xbase::AllTrim(invoice.number), 10)));
  }
  return frame::Checked(session, save.CommitWrites(s));
}

}  // namespace sales
