// The register of payment instruments: giros, transfers, cash receipts and deduction vouchers, and their revisions.
#include "frame/status_display.h"
#include "receivables/table_steps.h"
#include "receivables/tgiro.h"

#include <string>
#include <vector>

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/key_help.h"
#include "console/message.h"
#include "console/table_access.h"
#include "documents/document_counter.h"
#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "documents/seen_records.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "pickers/pickers.h"
#include "receivables/keyed_seek.h"
#include "receivables/receivables.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using xbase::Value;

// One kind of instrument: the argument of TRMGIRO, its KET, the screen's title and number label.
struct InstrumentKind {
  const char* argument;
  const char* ket;
  const char* title;
  const char* number_label;
};
constexpr InstrumentKind kKinds[] = {
    {"BT", "TRSO", "PENDATAAN PENERIMAAN TRANSFER", "NOMOR TRANSFER"},
    {"BG", "GIRO", "PENDATAAN PENERIMAAN GIRO", "NOMOR & BANK"},
    {"CS", "CSHO", "PENDATAAN PENERIMAAN UANG CASH", "NOMOR CASH"},
    {"VC", "VCHR", "PENDATAAN VOUCHER POTONGAN PIUTANG", "NO. VOUCHER"},
};

constexpr AliasedTable kInstrumentTables[] = {
    {"SETUP", "setup"},     {"MASTCUS", "Mastcus"}, {"MASTACC", "account"}, {"PRO_IN1", "pro_in1"},
    {"PIUTKR2", "piutkr2"}, {"PIUTJBL", "piutjbl"}, {"GIROKR2", "girokr2"}, {"GIRODBT", "GIRODBT"},
    {"GIRO_PI", "giro_pi"}, {"GIRO_RL", "giro_rl"}};

constexpr int kValueCol = 31;
constexpr int kTopRow = 5;

// The instrument on the form.
struct Instrument {
  std::string branch = std::string(6, ' ');
  std::string number = std::string(20, ' ');
  std::string customer = std::string(10, ' ');
  std::string account = std::string(10, ' ');
  std::string company = std::string(4, ' ');
  std::string notes = std::string(20, ' ');
  xbase::Date due;
  xbase::Date received;
  double amount = 0;
  double used = 0;  // KREDIT when it was loaded
  bool is_new = true;
  InstrumentLists lists;
  // The stored row as it was loaded, for the save to see another workstation's save since.
  documents::SeenRecords seen;
};

// The fields of the row the form writes; KREDIT, which settlements move meanwhile, is not one of them.
const std::vector<std::string> kWrittenFields = {"KDCB", "KET", "RELASI", "ACCOUNT", "TANGGAL", "TG_TERIMA", "NOTES",
                                                  "DEBET", "CODE_ID"};

bool IsGiro(const InstrumentKind& kind) { return std::string_view(kind.ket) == "GIRO"; }
bool IsVoucher(const InstrumentKind& kind) { return std::string_view(kind.ket) == "VCHR"; }

std::string AmountText(double amount) { return xbase::Transform(Value::Num(amount), "9,999,999,999.99"); }

void DrawForm(console::Console& con, const InstrumentKind& kind, std::string_view colour) {
  console::SHADOW(con, 2, 8, 16, 71, colour);
  console::TENGAH(con, 3, kind.title, colour);
  const console::Attr attr = con.Colour(colour);
  const std::string labels[] = {"KODE CABANG", kind.number_label, "RELASI",     "ACC. BANK DI GL", "Tg. JT TEMPO",
                                "Tg. TERIMA",  "Kode Perush.",    "JENIS",      "KETERANGAN",      "JUMLAH"};
  int row = kTopRow;
  for (const std::string& label : labels) con.Say(row++, 11, xbase::PadR(label, 18) + ":", attr);
  con.Say(kTopRow + 7, kValueCol, kind.ket, attr);
}

// Loads the stored instrument the GIRODBT area stands on.
xbase::Status LoadInstrument(frame::Session& session, const frame::OpenedTables& tables, Instrument* form) {
  xbase::WorkArea& row = tables["GIRODBT"];
  form->is_new = false;
  form->number = row.Text("NOMOR");
  form->customer = row.Text("RELASI");
  form->account = row.Text("ACCOUNT");
  form->company = row.Text("CODE_ID");
  form->notes = row.Text("NOTES");
  form->due = row.DateOf("TANGGAL");
  form->received = row.DateOf("TG_TERIMA");
  form->amount = row.Number("DEBET");
  form->used = row.Number("KREDIT");
  form->seen.Clear();
  xbase::Status s =
      form->seen.Take(session.tables(), row, "GIRODBT1", row.PadToField("NOMOR", form->number), kWrittenFields);
  return s.ok() ? LoadInstrumentLists(tables, form->number, &form->lists) : s;
}

// The number check: "?" picks; a stored number of this kind and branch loads the instrument; an
// unknown one is accepted only as a new giro. Blank is a new counted instrument.
bool CheckNumber(frame::Session& session, const frame::OpenedTables& tables, const InstrumentKind& kind,
                 Instrument* form) {
  console::Console& con = session.console();
  if (xbase::IsBlank(form->number)) return true;
  frame::PickSpec pick;
  pick.alias = "GIRODBT";
  pick.expressions = {"nomor", "ket", "kdcb", "relasi", "debet"};
  pick.heads = {"Nomor", "Jenis", "Cabang", "Relasi", "Nilai"};
  if (!frame::Checked(session, frame::PickCode(session, pick, &form->number))) return false;
  const std::string number(xbase::AllTrim(form->number));
  bool found = false;
  xbase::WorkArea& row = tables["GIRODBT"];
  if (!frame::Checked(session, SeekExact(row, "GIRODBT1", "NOMOR", number, &found))) return false;
  if (!found) {
    if (IsGiro(kind)) return true;
    console::Alert(con, std::string("penerimaan ") + kind.ket + "no " + number + " belum terdaftar");
    return false;
  }
  if (xbase::AllTrim(row.Text("KET")) != kind.ket) {
    console::Alert(con, std::string("bukan penerimaan ") + kind.ket);
    return false;
  }
  if (xbase::PadR(row.Text("KDCB"), 6) != xbase::PadR(form->branch, 6)) {
    console::Alert(con, "penerimaan ini milik cabang " + row.Text("KDCB"));
    return false;
  }
  if (!frame::Checked(session, LoadInstrument(session, tables, form))) return false;
  return true;
}

// The account must be a general-ledger account of JENIS "D"; only vouchers may leave it blank.
bool CheckAccount(frame::Session& session, xbase::WorkArea& accounts, const InstrumentKind& kind,
                  std::string* account) {
  if (xbase::IsBlank(*account)) return IsVoucher(kind);
  frame::PickSpec pick;
  pick.alias = "account";
  pick.expressions = {"account", "descrip", "jenis"};
  pick.heads = {"Perkiraan", "Nama", "Gruop"};
  bool found = false;
  if (!frame::PickCode(session, pick, account).ok()) return false;
  if (!SeekExact(accounts, "MASTACC1", "ACCOUNT", *account, &found).ok() || !found) return false;
  return xbase::AllTrim(accounts.Text("JENIS")) == "D";
}

// The nominal value is not 0, and not below what the instrument already settled.
bool CheckAmount(frame::Session& session, const Instrument& form) {
  if (form.amount == 0) return false;
  if (form.amount >= form.used) return true;
  console::PESAN(session.console(), "Nilai tidak boleh kurang dari yang sudah terpakai " +
                                        std::string(xbase::AllTrim(AmountText(form.used))));
  return false;
}

void AddDetailFields(frame::Session& session, const frame::OpenedTables& tables, const InstrumentKind& kind,
                     console::GetList* fields, Instrument* form) {
  int row = kTopRow + 2;
  fields->Add(row++, kValueCol, &form->customer, "@!").valid = [&session, form] {
    return CRLS(session, &form->customer, &form->company, form->is_new);
  };
  fields->Add(row++, kValueCol, &form->account, "@!").valid = [&session, &tables, &kind, form] {
    return CheckAccount(session, tables["account"], kind, &form->account);
  };
  fields->Add(row++, kValueCol, &form->due).valid = [form] { return !form->due.empty(); };
  fields->Add(row++, kValueCol, &form->received).valid = [&session, form] { return CHKTG(session, form->received); };
  fields->Add(row++, kValueCol, &form->company, "@!").valid = [form] { return !xbase::IsBlank(form->company); };
  ++row;  // JENIS is shown only
  fields->Add(row++, kValueCol, &form->notes, "@!");
  fields->Add(row, kValueCol, &form->amount, "9,999,999,999.99").valid = [&session, form] {
    return CheckAmount(session, *form);
  };
}

// Under the locks, with no message: a new giro whose number another workstation registered meanwhile,
// an instrument another workstation saved since it was loaded, or a nominal value that fell below what
// was settled meanwhile, is refused with its words.
xbase::Status CheckUnderLocks(xbase::Session& opened, xbase::WorkArea& row, const Instrument& form,
                              const std::string& number) {
  bool found = false;
  xbase::Status s = SeekExact(row, "GIRODBT1", "NOMOR", number, &found);
  if (!s.ok() || !found) return s;
  if (form.is_new) return xbase::Status::InvalidArgument("Nomor " + number + " sudah terdaftar");
  s = form.seen.Unchanged(opened, "Nomor " + number + " diubah di komputer lain, panggil ulang datanya");
  if (!s.ok()) return s;
  if (form.amount < row.Number("KREDIT")) {
    return xbase::Status::InvalidArgument("Nilai tidak boleh kurang dari yang sudah terpakai " +
                                          std::string(xbase::AllTrim(AmountText(row.Number("KREDIT")))));
  }
  return s;
}

// Writes the instrument under `number`: appended when it is not registered, overwritten when it is
// the one loaded.
xbase::Status WriteInstrument(frame::Session& session, const frame::OpenedTables& tables, const InstrumentKind& kind,
                              const Instrument& form, const std::string& number) {
  xbase::WorkArea& row = tables["GIRODBT"];
  bool found = false;
  xbase::Status s = SeekExact(row, "GIRODBT1", "NOMOR", number, &found);
  if (!s.ok()) return s;
  if (found) {
    s = console::LOCK_REC(session.console(), row);
  } else if (s = console::APP_REC(session.console(), row); s.ok()) {
    s = row.Put("NOMOR", Value::Text(number));
    if (s.ok()) s = row.Put("REALISASI", Value::Logical(true));
    if (s.ok()) s = row.Put("TGINPUT", Value::FromDate(session.Today()));
    if (s.ok()) s = row.Put("OPERATOR", Value::Text(session.MMEMBER.nik));
  }
  if (s.ok()) s = row.Put("KDCB", Value::Text(form.branch));
  if (s.ok()) s = row.Put("KET", Value::Text(kind.ket));
  if (s.ok()) s = row.Put("RELASI", Value::Text(form.customer));
  if (s.ok()) s = row.Put("ACCOUNT", Value::Text(form.account));
  if (s.ok()) s = row.Put("TANGGAL", Value::FromDate(form.due));
  if (s.ok()) s = row.Put("TG_TERIMA", Value::FromDate(form.received));
  if (s.ok()) s = row.Put("NOTES", Value::Text(form.notes));
  if (s.ok()) s = row.Put("DEBET", Value::Num(form.amount));
  if (s.ok()) s = row.Put("CODE_ID", Value::Text(form.company));
  if (s = Unlocked(row, s); !s.ok()) return s;
  return SaveInstrumentLists(session, tables, number, form.lists);
}

// The instrument's row (or, for one numbered now, the counter and the table's append lock) and its
// stored list rows.
xbase::Status NameInstrument(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                             const documents::CounterKind& counter, const Instrument& form,
                             const std::string& number) {
  xbase::WorkArea& row = tables["GIRODBT"];
  xbase::Status s;
  if (number.empty()) {
    s = documents::NameCounter(save, tables["setup"], counter, xbase::PadR(form.branch, 6));
    save.Append(row);
  } else {
    s = documents::NameKeyedRecord(save, row, "GIRODBT1", row.PadToField("NOMOR", number));
  }
  return s.ok() ? NameInstrumentLists(save, session, tables, number) : s;
}

// "S": a new counted instrument takes the next number of its kind at its branch. Every record the save
// changes is locked before the first write. True when saved.
bool SaveInstrument(frame::Session& session, const frame::OpenedTables& tables, const InstrumentKind& kind,
                    Instrument* form) {
  console::Console& con = session.console();
  std::string number(xbase::AllTrim(form->number));
  const documents::CounterKind counter{kind.ket, 12};
  documents::SaveScope save(con);
  xbase::Status s = NameInstrument(save, session, tables, counter, *form, number);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) return documents::NothingSaved(session, s);
  if (!number.empty() && !(s = CheckUnderLocks(session.tables(), tables["GIRODBT"], *form, number)).ok()) {
    save.Release().IgnoreError();  // the refusal is what is told
    if (s.IsInvalidArgument()) {
      console::Alert(con, s.message());
    } else {
      frame::ShowFailure(session, s);
    }
    return false;
  }
  s = save.BeginWrites();
  if (s.ok() && number.empty()) {
    const auto taken = [&](const std::string& candidate, bool* held) {
      return SeekExact(tables["GIRODBT"], "GIRODBT1", "NOMOR", candidate, held);
    };
    const auto write = [&](const std::string& candidate) {
      return WriteInstrument(session, tables, kind, *form, candidate);
    };
    s = documents::NumberDocument(con, tables["setup"], counter, xbase::PadR(form->branch, 6), taken,
                                  write, &number);
  } else if (s.ok()) {
    s = WriteInstrument(session, tables, kind, *form, number);
  }
  s = save.CommitWrites(s);
  if (!s.ok()) {
    // A missing counter row was told in its alert; other failures are shown here.
    if (!s.IsNotFound()) frame::ShowFailure(session, s);
    return false;
  }
  if (form->is_new) console::Alert(con, "Penerimaaan ini tersimpan dg Nomor " + number);
  return true;
}

// True when a receipt line, a reversing-journal line or a head-office receipt line names the number.
bool StillNamed(const frame::OpenedTables& tables, std::string_view number) {
  constexpr AliasedTable kUsers[] = {
      {"piutkr2", "PIUTKR23"}, {"piutjbl", "PIUTJBL3"}, {"girokr2", "GIROKR22"}};
  for (const auto& [alias, order] : kUsers) {
    bool found = false;
    if (!SeekExact(tables[alias], order, "NO_BUKTI", number, &found).ok() || found) return true;
  }
  return false;
}

// "H": an existing instrument no line names is deleted after the question; its lists stay.
void DeleteInstrument(frame::Session& session, const frame::OpenedTables& tables, const Instrument& form) {
  console::Console& con = session.console();
  if (StillNamed(tables, form.number)) {
    console::Alert(con, "Nomor ini sudah dipakai, tidak bisa dihapus");
    return;
  }
  const int answer = console::PESAN(con, "Yakin data akan dihapus (Y/T)");
  if (answer != 'Y' && answer != 'y') return;
  bool found = false;
  xbase::WorkArea& row = tables["GIRODBT"];
  xbase::Status s = SeekExact(row, "GIRODBT1", "NOMOR", form.number, &found);
  if (s.ok() && found && (s = console::LOCK_REC(session.console(), row)).ok()) s = Unlocked(row, row.Delete());
  frame::ShowFailure(session, s);
}

const InstrumentKind* KindOf(const std::vector<Value>& args) {
  if (args.empty() || !args[0].is_text()) return nullptr;
  for (const InstrumentKind& kind : kKinds) {
    if (xbase::Upper(xbase::AllTrim(args[0].text())) == kind.argument) return &kind;
  }
  return nullptr;
}

}  // namespace

bool CRLS(frame::Session& session, std::string* customer, std::string* company, bool new_instrument) {
  if (xbase::IsBlank(*customer)) return true;
  frame::PickSpec pick;
  pick.alias = "Mastcus";
  pick.expressions = {"relasi", "nama", "alamat", "kota"};
  pick.heads = {"Relasi", "Nama", "Alamat", "Kota"};
  xbase::WorkArea* customers = frame::AreaOf(session, "Mastcus");
  if (customers == nullptr) return false;
  const int width = static_cast<int>(customer->size());
  bool found = false;
  xbase::Status s = frame::PickCode(session, pick, customer);
  if (s.ok()) s = SeekExact(*customers, "MASTCUS1", "RELASI", *customer, &found);
  *customer = xbase::PadR(*customer, width);
  if (!frame::Checked(session, s)) return false;
  if (!found) {
    console::PESAN(session.console(), "Relasi tidak terdaftar");
    return false;
  }
  if (new_instrument) *company = xbase::PadR(customers->Text("CODE_ID"), static_cast<int>(company->size()));
  return true;
}

bool CHKTG(frame::Session& session, xbase::Date date) {
  if (session.MMEMBER.HasRight("SPV")) return true;
  const auto month = [](xbase::Date d) { return d.year() * 100 + d.month(); };
  return month(date) >= month(session.ZTGPROSES);
}

xbase::Status TRMGIRO(frame::Session& session, const std::vector<Value>& args) {
  console::Console& con = session.console();
  const InstrumentKind* kind = KindOf(args);
  if (kind == nullptr) return xbase::Status::InvalidArgument("TRMGIRO", "jenis penerimaan BT, BG, CS atau VC");
  if (IsVoucher(*kind) && !session.MMEMBER.HasRight("/SPV")) return xbase::Status::OK();
  const frame::OpenedTables tables = OpenTablesAs(session, kInstrumentTables);
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  DrawForm(con, *kind, colour);
  std::string notes(20, ' ');
  bool leave = false;
  while (!leave) {
    Instrument form;
    form.received = session.Today();
    form.notes = notes;  // the remark of the previous round stays
    console::GetList head;
    head.Add(kTopRow, kValueCol, &form.branch, "@!").valid = [&] { return pickers::CARICABANG(session, &form.branch); };
    head.Add(kTopRow + 1, kValueCol, &form.number, "@!").valid = [&] {
      return CheckNumber(session, tables, *kind, &form);
    };
    console::GetList details;
    AddDetailFields(session, tables, *kind, &details, &form);
    details.Display(con);
    if (head.Read(con).escaped || (IsGiro(*kind) && xbase::IsBlank(form.number))) break;
    if (!form.is_new && !session.MMEMBER.HasRight("/SPV")) continue;
    if (form.is_new) {
      if (!frame::Checked(session, LoadInstrumentLists(tables, "", &form.lists))) continue;
    }
    for (;;) {
      if (details.Read(con).escaped) {
        leave = true;
        break;
      }
      notes = form.notes;
      if (!IsVoucher(*kind)) EditInstrumentLists(session, tables, &form.lists);
      const char choice = console::PILIHAN(
          con, {{"S", " K", " H", " B"}, {") simpan,", ") koreksi,", ") hapus,", ") batal"}, colour, "GR+/b"});
      if (choice == 'B') break;
      if (choice == 'S' && form.amount != 0 && SaveInstrument(session, tables, *kind, &form)) break;
      if (choice == 'H' && !form.is_new) {
        DeleteInstrument(session, tables, form);
        break;
      }
    }
  }
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace receivables
