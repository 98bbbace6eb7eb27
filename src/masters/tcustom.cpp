// "DATA KODE RELASI": a customer with its address, outlet group, price list, discount, terms and
// receivable ceiling, its tax number and its extended data. The group is changed only by users with
// "EDP" once a customer has one; terms and ceiling only with "EDP" or "AAO".
#include "console/box.h"
#include "console/form_backdrop.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/prompts.h"
#include "frame/status_display.h"
#include "masters/customer_form.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "xbase/keyed_read.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace masters {
namespace {

constexpr std::string_view kColour = "W+/bg";
constexpr int kEditCol = 22;
constexpr int kFirstRow = 3;

void DrawForm(console::Console& con) {
  console::ClearBehindForm(con);
  console::SHADOW(con, 1, 1, 22, 78, kColour);
  console::TENGAH(con, 2, "DATA KODE RELASI", kColour);
  static constexpr const char* kLabels[] = {
      "Kode Relasi", "Nama Relasi", "Alamat", "", "Kota", "No. Telphon", "No. Fax", "Contact Person", "Account",
      "Kelompok", "Daftar Harga", "Discount %", "Tempo Bayar", "Plafon Piutang", "NO. NPWP", "Nama Wajib Pajak",
      "Alamat", "", "Kota"};
  int row = kFirstRow;
  for (const char* label : kLabels) {
    if (*label != '\0') con.Say(row, 3, xbase::PadR(label, 17) + ":", con.Colour(kColour));
    ++row;
  }
  con.Say(17, 40, "Code Id :", con.Colour(kColour));
}

void Refuse(console::Console& con, std::string_view text) { console::PESAN(con, text, "gr+/r"); }

// The stored customer (and its extended data) into the form. Whether the customer has extended data
// decides which terms may be changed and what a save writes: a row that cannot be read is the error.
xbase::Status LoadCustomer(const xbase::WorkArea& customers, xbase::WorkArea& extension, CustomerForm* form) {
  form->stored = true;
  form->nama = customers.Text("NAMA");
  form->alamat = customers.Text("ALAMAT");
  form->alamat2 = customers.Text("ALAMAT2");
  form->kota = customers.Text("KOTA");
  form->telp = customers.Text("TELP");
  form->fax = customers.Text("FAX");
  form->kontak1 = customers.Text("KONTAK1");
  form->kdsales = customers.Text("KDSALES");
  form->kelompok = customers.Text("KELOMPOK");
  form->stored_group = form->kelompok;
  form->terima = customers.Number("TERIMA");
  form->disc = customers.Number("DISC");
  form->tempo = {customers.Number("TEMPO"), customers.Number("TEMPO2"), customers.Number("TEMPO3"),
                 customers.Number("TEMPO4")};
  form->sales = customers.Number("SALES");
  form->npwp = customers.Text("NPWP");
  form->code_id = customers.Text("CODE_ID");
  xbase::Status s = extension.SetOrder(1);
  if (s.ok()) s = xbase::SeekFound(extension, extension.PadToField("RELASI", form->relasi), &form->has_ext);
  if (!s.ok() || !form->has_ext) return s;
  form->company = extension.Text("CODE_ID");
  form->unit = extension.Text("KDCB");
  form->country = extension.Text("COUNTRY_ID");
  for (size_t i = 0; i < kAccountFields.size(); ++i) form->accounts[i] = extension.Text(kAccountFields[i]);
  return s;
}

// The taxpayer of the form's NPWP into the form; *found false when DT_NPWP lacks it. The taxpayer is
// saved with the customer, so a row that cannot be read is the error, never a blank taxpayer.
xbase::Status LoadTaxpayer(xbase::WorkArea& numbers, CustomerForm* form, bool* found) {
  *found = false;
  if (xbase::IsBlank(form->npwp)) return xbase::Status::OK();
  xbase::Status s = numbers.SetOrder(1);
  if (s.ok()) s = xbase::SeekFound(numbers, form->npwp, found);
  if (!s.ok() || !*found) return s;
  form->wp_nama = numbers.Text("NAMA");
  form->wp_alamat1 = numbers.Text("ALAMAT1");
  form->wp_alamat2 = numbers.Text("ALAMAT2");
  form->wp_kota = numbers.Text("KOTA");
  return s;
}

// VMASTCUS: "?" or "/" picks a customer; an existing code loads its values, a new one starts empty.
bool VMASTCUS(frame::Session& session, const frame::OpenedTables& tables, CustomerForm* form) {
  frame::PickSpec pick;
  pick.alias = "mastcus";
  pick.by_name = true;
  bool found = false;
  if (xbase::Status s = frame::PickAndSeek(session, pick, &form->relasi, &found); !s.ok()) {
    Refuse(session.console(), s.message());
    return false;
  }
  const std::string code = xbase::PadR(form->relasi, 9);
  *form = CustomerForm{};
  form->relasi = code;
  if (xbase::IsBlank(code)) return true;
  bool taxpayer = false;
  xbase::Status s = found ? LoadCustomer(tables["mastcus"], tables["relasi_ext"], form) : xbase::Status::OK();
  if (s.ok() && found) s = LoadTaxpayer(tables["dt_npwp"], form, &taxpayer);
  if (s.ok()) s = SeeCustomer(session, tables, form);
  if (frame::Checked(session, s)) return true;
  // Nothing of a customer half read is left to be saved over the stored one.
  *form = CustomerForm{};
  form->relasi = code;
  return false;
}

// CACC: "?" picks an account; empty is accepted, another code must be an account.
bool CACC(frame::Session& session, std::string* account) {
  frame::PickSpec pick;
  pick.alias = "account";
  pick.expressions = {"Account", "Descrip", "Jenis"};
  bool found = false;
  const xbase::Status s = frame::PickAndSeek(session, pick, account, &found);
  if (s.ok() && (xbase::IsBlank(*account) || found)) return true;
  Refuse(session.console(), s.ok() ? "Account " + std::string(xbase::AllTrim(*account)) + " tidak terdaftar" : s.message());
  return false;
}

// GKELOMPOK: the group must be an outlet group ("?" lists them); a group other than the stored one
// brings its terms and price list.
bool GKELOMPOK(frame::Session& session, CustomerForm* form) {
  if (xbase::IsBlank(form->kelompok) || !pickers::GETCUSTOMKEL(session, &form->kelompok)) {
    Refuse(session.console(), "kelompok relasi Salah");
    return false;
  }
  form->kelompok = xbase::PadR(form->kelompok, 4);
  if (form->kelompok != form->stored_group) {
    std::string ket;
    bool found = false;
    const xbase::Status s = pickers::SetupRow(session, "OUTLET" + form->kelompok, &found, nullptr, &ket);
    if (!frame::Checked(session, s)) return false;
    TakeGroupTerms(ket, form);
  }
  return true;
}

// GETDATAWP: "?" picks a tax number; a known one fills the taxpayer, an unknown one is told.
bool GETDATAWP(frame::Session& session, const frame::OpenedTables& tables, CustomerForm* form) {
  if (xbase::IsBlank(form->npwp)) return true;
  frame::PickSpec pick;
  pick.alias = "dt_npwp";
  pick.expressions = {"npwp", "left(nama,40)", "kota"};
  bool found = false;
  if (xbase::Status s = frame::PickAndSeek(session, pick, &form->npwp, &found); !s.ok()) {
    Refuse(session.console(), s.message());
    return false;
  }
  bool taxpayer = false;
  if (found && !frame::Checked(session, LoadTaxpayer(tables["dt_npwp"], form, &taxpayer))) return false;
  if (!taxpayer) Refuse(session.console(), "NWPW belum terdaftar");
  return true;
}

// The two parts of the form: code to account, then group to the tax number, each field as the user's
// rights allow. Both parts are shown whenever a customer is loaded.
class CustomerFields {
 public:
  CustomerFields(frame::Session& session, const frame::OpenedTables& tables, CustomerForm* form)
      : session_(session), tables_(tables), con_(session.console()) {
    identity_.Add(kFirstRow, kEditCol, &form->relasi, "@!").valid = [this, form] {
      const bool valid = VMASTCUS(session_, tables_, form);
      Show();
      return valid;
    };
    std::string* const texts[] = {&form->nama, &form->alamat, &form->alamat2, &form->kota,
                                  &form->telp, &form->fax,    &form->kontak1};
    int row = kFirstRow + 1;
    for (std::string* text : texts) identity_.Add(row++, kEditCol, text);
    identity_.Add(row, kEditCol, &form->kdsales, "@!").valid = [this, form] { return CACC(session_, &form->kdsales); };

    const bool edp = session.MMEMBER.HasRight(kRightEdp);
    const bool terms = edp || session.MMEMBER.HasRight(kRightAao);
    console::GetField& group = terms_.Add(12, kEditCol, &form->kelompok, "@!");
    group.when = [form, edp] { return xbase::IsBlank(form->stored_group) || edp; };
    group.valid = [this, form] {
      const bool valid = GKELOMPOK(session_, form);
      terms_.Display(con_);
      return valid;
    };
    terms_.Add(13, kEditCol, &form->terima, "999").when = [form, edp] { return form->has_ext && edp; };
    terms_.Add(14, kEditCol, &form->disc, "999.99").when = [form, edp] { return !form->has_ext || edp; };
    for (size_t i = 0; i < form->tempo.size(); ++i) {
      terms_.Add(15, kEditCol + 5 * static_cast<int>(i), &form->tempo[i], "999").when = [terms] { return terms; };
    }
    terms_.Add(16, kEditCol, &form->sales, "999,999,999,999").when = [terms] { return terms; };
    terms_.Add(17, kEditCol, &form->npwp, "@!").valid = [this, form] {
      const bool valid = GETDATAWP(session_, tables_, form);
      terms_.Display(con_);
      return valid;
    };
    terms_.Add(18, kEditCol, &form->wp_nama, "@S54");
    terms_.Add(19, kEditCol, &form->wp_alamat1, "@S54");
    terms_.Add(20, kEditCol, &form->wp_alamat2, "@S54");
    terms_.Add(21, kEditCol, &form->wp_kota);
    terms_.Add(17, 50, &form->code_id, "@!");
  }

  void Show() {
    identity_.Display(con_);
    terms_.Display(con_);
  }
  // Code to account; false after Esc or an empty code.
  bool ReadIdentity(const CustomerForm& form) { return !identity_.Read(con_).escaped && !xbase::IsBlank(form.relasi); }
  // Group to the tax number; false after Esc.
  bool ReadTerms() { return !terms_.Read(con_).escaped; }

 private:
  frame::Session& session_;
  const frame::OpenedTables& tables_;
  console::Console& con_;
  console::GetList identity_;
  console::GetList terms_;
};

}  // namespace

void TakeGroupTerms(std::string_view ket, CustomerForm* form) {
  for (size_t i = 0; i < form->tempo.size(); ++i) {
    form->tempo[i] = xbase::Val(xbase::SubStr(ket, 1 + 3 * static_cast<int>(i), 3)).value;
  }
  form->terima = xbase::Val(xbase::SubStr(ket, 13, 2)).value;
  if (!form->has_ext && xbase::AllTrim(form->kelompok) != "MSP") form->tempo = {};
}

xbase::Status TCUSTOM(frame::Session& session, const Args&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables =
      frame::OpenTables(session, {"Setup", "mastcus", "relasi_ext", "dt_npwp", {"Mastacc", "account"}, "negaraId"});
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  con.SetColour(kColour);
  DrawForm(con);
  for (;;) {
    CustomerForm form;
    CustomerFields fields(session, tables, &form);
    fields.Show();
    if (!fields.ReadIdentity(form)) break;
    if (!fields.ReadTerms()) continue;
    // Leaving the extended data with Esc keeps what the customer had (nothing, for a new one).
    EXTRLS(session, &form);
    if (!frame::AnsweredYes(con, frame::kConfirmSave)) continue;
    frame::ShowFailure(session, SIMPAN(session, tables, form));
  }
  return session.tables().CloseAll();
}

}  // namespace masters
