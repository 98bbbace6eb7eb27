// SIMPAN of the customer screen: the customer row, its extended data and its tax number written all
// or nothing, then the corrected terms for the branches.
#include "console/message.h"
#include "console/table_access.h"
#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "frame/open_table.h"
#include "frame/prompts.h"
#include "masters/customer_form.h"
#include "masters/record_form.h"
#include "xbase/text_functions.h"

namespace masters {
namespace {

using xbase::Value;

// Puts the fields in order, stopping at the first failure, and unlocks.
xbase::Status PutAll(xbase::WorkArea& area, xbase::Status s, const std::vector<std::pair<const char*, Value>>& fields) {
  for (const auto& [field, value] : fields) {
    if (s.ok()) s = area.Put(field, value);
  }
  const xbase::Status unlocked = area.Unlock();
  return s.ok() ? unlocked : s;
}

std::vector<std::pair<const char*, Value>> Terms(const CustomerForm& form) {
  return {{"KELOMPOK", Value::Text(form.kelompok)}, {"TERIMA", Value::Num(form.terima)},
          {"DISC", Value::Num(form.disc)},          {"TEMPO", Value::Num(form.tempo[0])},
          {"TEMPO2", Value::Num(form.tempo[1])},    {"TEMPO3", Value::Num(form.tempo[2])},
          {"TEMPO4", Value::Num(form.tempo[3])},    {"SALES", Value::Num(form.sales)}};
}

// The customer's fields the form fills.
std::vector<std::pair<const char*, Value>> CustomerFields(const CustomerForm& form) {
  std::vector<std::pair<const char*, Value>> fields = {
      {"NAMA", Value::Text(form.nama)},       {"ALAMAT", Value::Text(form.alamat)},
      {"ALAMAT2", Value::Text(form.alamat2)}, {"KOTA", Value::Text(form.kota)},
      {"TELP", Value::Text(form.telp)},       {"FAX", Value::Text(form.fax)},
      {"KONTAK1", Value::Text(form.kontak1)}, {"KDSALES", Value::Text(form.kdsales)},
      {"NPWP", Value::Text(form.npwp)},       {"CODE_ID", Value::Text(form.code_id)}};
  const std::vector<std::pair<const char*, Value>> terms = Terms(form);
  fields.insert(fields.end(), terms.begin(), terms.end());
  return fields;
}

xbase::Status SaveCustomer(frame::Session& session, const frame::OpenedTables& tables, const CustomerForm& form,
                           bool* pkp) {
  xbase::WorkArea& customers = tables["mastcus"];
  bool appended = false;
  xbase::Status s = LockRowOf(session.console(), customers, "RELASI", form.relasi, &appended);
  const Value today = Value::FromDate(session.Today());
  if (s.ok() && appended) {
    s = customers.Put("TG_INPUT", today);
    if (s.ok()) s = customers.Put("OPERATOR", Value::Text(session.MMEMBER.nik));
    if (s.ok()) s = customers.Put("PKP", Value::Logical(true));
  }
  std::vector<std::pair<const char*, Value>> fields = CustomerFields(form);
  fields.push_back({"TG_UPDATE", today});
  *pkp = customers.Logical("PKP");
  return PutAll(customers, s, fields);
}

xbase::Status SaveExtension(frame::Session& session, const frame::OpenedTables& tables, const CustomerForm& form) {
  if (xbase::IsBlank(form.company) || xbase::IsBlank(form.unit)) return xbase::Status::OK();
  xbase::WorkArea& extension = tables["relasi_ext"];
  bool appended = false;
  const xbase::Status s = LockRowOf(session.console(), extension, "RELASI", form.relasi, &appended);
  std::vector<std::pair<const char*, Value>> fields = {
      {"CODE_ID", Value::Text(form.company)}, {"KDCB", Value::Text(form.unit)},
      {"TERITORY", Value::Text(form.unit)},  {"COUNTRY_ID", Value::Text(form.country)}};
  for (size_t i = 0; i < kAccountFields.size(); ++i) fields.push_back({kAccountFields[i], Value::Text(form.accounts[i])});
  return PutAll(extension, s, fields);
}

xbase::Status SaveTaxNumber(frame::Session& session, const frame::OpenedTables& tables, const CustomerForm& form) {
  if (xbase::IsBlank(form.npwp)) return xbase::Status::OK();
  xbase::WorkArea& numbers = tables["dt_npwp"];
  bool appended = false;
  const xbase::Status s = LockRowOf(session.console(), numbers, "NPWP", form.npwp, &appended);
  return PutAll(numbers, s,
                {{"NAMA", Value::Text(form.wp_nama)}, {"ALAMAT1", Value::Text(form.wp_alamat1)},
                 {"ALAMAT2", Value::Text(form.wp_alamat2)}, {"KOTA", Value::Text(form.wp_kota)},
                 {"TG_INPUT", Value::FromDate(session.Today())}});
}

// The customer's row and, where the form fills them, its extended data and its tax number's row.
xbase::Status NameCustomer(documents::SaveScope& save, const frame::OpenedTables& tables, const CustomerForm& form) {
  xbase::WorkArea& customers = tables["mastcus"];
  xbase::Status s = documents::NameKeyedRecord(save, customers, 1, customers.PadToField("RELASI", form.relasi));
  if (s.ok() && !xbase::IsBlank(form.company) && !xbase::IsBlank(form.unit)) {
    xbase::WorkArea& extension = tables["relasi_ext"];
    s = documents::NameKeyedRecord(save, extension, 1, extension.PadToField("RELASI", form.relasi));
  }
  if (s.ok() && !xbase::IsBlank(form.npwp)) {
    xbase::WorkArea& numbers = tables["dt_npwp"];
    s = documents::NameKeyedRecord(save, numbers, 1, numbers.PadToField("NPWP", form.npwp));
  }
  return s;
}

// The corrected terms of the customer for the branches. The taxable mark goes with them: the branches
// take every field of the row, and a row without it would clear the mark there.
xbase::Status SendCorrection(frame::Session& session, const CustomerForm& form, bool pkp) {
  xbase::WorkArea* corrections = session.tables().Area("dt_rls");
  if (corrections == nullptr && !frame::OpenTable(session, "dt_rls", false, "", &corrections)) {
    return xbase::Status::OK();
  }
  bool appended = false;
  xbase::Status s = LockRowOf(session.console(), *corrections, "RELASI", form.relasi, &appended);
  if (s.ok() && appended) s = corrections->Put("TG_INPUT", Value::FromDate(session.Today()));
  std::vector<std::pair<const char*, Value>> fields = Terms(form);
  fields.push_back({"PKP", Value::Logical(pkp)});
  return PutAll(*corrections, s, fields);
}

}  // namespace

xbase::Status SeeCustomer(frame::Session& session, const frame::OpenedTables& tables, CustomerForm* form) {
  // Only what the form writes: a sale moving the balance meanwhile takes nothing from this save.
  std::vector<std::string> written;
  for (const auto& [field, value] : CustomerFields(*form)) written.emplace_back(field);
  xbase::WorkArea& customers = tables["mastcus"];
  xbase::WorkArea& extension = tables["relasi_ext"];
  form->seen.Clear();
  xbase::Status s =
      form->seen.Take(session.tables(), customers, 1, customers.PadToField("RELASI", form->relasi), std::move(written));
  if (s.ok()) s = form->seen.Take(session.tables(), extension, 1, extension.PadToField("RELASI", form->relasi));
  return s;
}

xbase::Status SIMPAN(frame::Session& session, const frame::OpenedTables& tables, const CustomerForm& form) {
  bool pkp = true;
  documents::SaveScope save(session.console());
  xbase::Status s = NameCustomer(save, tables, form);
  if (s.ok()) s = save.Lock();
  if (s.ok()) {
    s = form.seen.Unchanged(session.tables(), "Relasi " + std::string(xbase::AllTrim(form.relasi)) +
                                                  " diubah di komputer lain, panggil ulang datanya");
  }
  if (!s.ok()) {
    documents::NothingSaved(session, save, s);
    return xbase::Status::OK();
  }
  s = save.BeginWrites();
  if (s.ok()) s = SaveCustomer(session, tables, form, &pkp);
  if (s.ok()) s = SaveExtension(session, tables, form);
  if (s.ok()) s = SaveTaxNumber(session, tables, form);
  s = save.CommitWrites(s);
  if (!s.ok() || !session.MMEMBER.HasRight(kRightEdp)) return s;
  if (!frame::AnsweredYes(session.console(), "Kirim Hasil Koreksi ke cabang (Y/T)")) return s;
  return SendCorrection(session, form, pkp);
}

}  // namespace masters
