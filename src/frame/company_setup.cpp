#include "frame/company_setup.h"

#include <algorithm>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "frame/code_pick.h"
#include "frame/key_seek.h"
#include "frame/open_table.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

const std::string kSet1 = "\xE0SET1";
const std::string kSet2 = "\xE0SET2";
const std::string kDirRow = "\xEF" "DIR";

constexpr int kLabelCol = 6;
constexpr int kEditCol = 28;

std::string SlotKey(int slot) { return kSet1 + xbase::StrZero(slot, 2); }

// `text` padded to `width`; a longer text is kept whole, without its trailing blanks.
std::string KeptWhole(std::string_view text, int width) {
  return xbase::PadR(text, std::max(width, static_cast<int>(xbase::RTrim(text).size())));
}

// The row of `key` locked for writing: the existing one, or a new one carrying the key.
xbase::Status LockRow(console::Console& con, xbase::WorkArea& setup, const std::string& key, bool exists) {
  if (exists) return console::LOCK_REC(con, setup);
  xbase::Status s = console::APP_REC(con, setup);
  return s.ok() ? setup.Put("SETUP", xbase::Value::Text(key)) : s;
}

xbase::Status PutKet(console::Console& con, xbase::WorkArea& setup, const std::string& key, bool exists,
                     const std::string& ket) {
  xbase::Status s = LockRow(con, setup, key, exists);
  if (s.ok()) s = setup.Put("KET", xbase::Value::Text(ket));
  const xbase::Status unlocked = setup.Unlock();
  return s.ok() ? unlocked : s;
}

// The form's edit fields at column 28, scrolling: the name shown 35 wide, the address lines 40, the
// other values 20 and the folder 35, so that a value stored longer still fits the form.
void AddFields(console::GetList* form, CompanyValues* values) {
  for (int slot = 1; slot <= 12; ++slot) {
    const int row = slot <= 4 ? 4 + slot : 5 + slot;
    const int shown = slot == 1 ? 35 : slot <= 4 ? 40 : 20;
    form->Add(row, kEditCol, &values->text[static_cast<size_t>(slot)], "@S" + std::to_string(shown));
  }
  form->Add(18, kEditCol, &values->text[13], "@!S35");
  form->Add(19, kEditCol, &values->date);
}

// After a save: STP takes the values, the search path goes through the data sub-folder and the
// extra folders, and the sub-folder's LOGSETUP row takes the date.
void Apply(Session& session, const CompanyValues& values, const std::vector<KeyedRecord>& dirs) {
  xbase::WorkArea* setup = session.tables().Area("setup");
  for (int slot = 1; slot <= 13; ++slot) {
    session.STP.text[static_cast<size_t>(slot)] =
        KeptWhole(values.text[static_cast<size_t>(slot)], CompanySetup::kWidths[static_cast<size_t>(slot)]);
  }
  session.STP.date = values.date;
  for (const KeyedRecord& dir : dirs) {
    setup->GoTo(dir.recno);
    const std::string folder(xbase::AllTrim(Text(*setup, "KET")));
    if (!folder.empty() && (";" + session.SEARCHPATH_ + ";").find(";" + folder + ";") == std::string::npos) {
      session.SEARCHPATH_ += (session.SEARCHPATH_.empty() ? "" : ";") + folder;
    }
  }
  const std::string typed(xbase::AllTrim(values.text[13]));
  if (xbase::WorkArea* log = session.tables().Area("logsetup"); log != nullptr) {
    bool found = false;
    if (SeekKey(*log, IndexKey("LOGSETUP"), PadToField(*log, "LOGEDPATH", typed), &found).ok() && found &&
        console::LOCK_REC(session.console(), *log).ok()) {
      log->Put("LOGEDDATE", xbase::Value::FromDate(values.date));
      log->Unlock();
    }
  }
  session.STP.text[13] = session.DRVDATA_ + typed;
  session.SetSearchPath(session.DRVDATA_ + ";" + session.STP.text[13] + ";" + session.SEARCHPATH_);
}

}  // namespace

int CompanyValueWidth(int slot) {
  if (slot == 1) return 35;
  if (slot <= 4) return 60;
  if (slot <= 12) return 20;
  return 50;
}

xbase::Status ReadCompanyValues(xbase::WorkArea& setup, CompanyValues* values) {
  for (int slot = 1; slot <= 13; ++slot) values->text[static_cast<size_t>(slot)] = std::string(CompanyValueWidth(slot), ' ');
  std::vector<KeyedRecord> rows;
  xbase::Status s = KeysWithPrefix(setup, "setup", "\xE0SET", &rows);
  for (const KeyedRecord& row : rows) {
    if (!s.ok()) break;
    s = setup.GoTo(row.recno);
    const std::string ket = Text(setup, "KET");
    if (row.key.starts_with(kSet2)) {
      values->date = xbase::Ctod(ket);
      continue;
    }
    const int slot = static_cast<int>(xbase::Val(xbase::SubStr(row.key, 6, 2)).value);
    if (slot >= 1 && slot <= 13) {
      // A value stored longer than its field stays whole unless the user edits it.
      values->text[static_cast<size_t>(slot)] = KeptWhole(ket, CompanyValueWidth(slot));
    }
  }
  return s;
}

xbase::Status WriteCompanyValues(console::Console& con, xbase::WorkArea& setup, const CompanyValues& values) {
  for (int slot = 1; slot <= 13; ++slot) {
    const std::string key = SlotKey(slot);
    bool found = false;
    xbase::Status s = SeekKey(setup, "setup", key, &found);
    if (s.ok()) s = PutKet(con, setup, key, found, values.text[static_cast<size_t>(slot)]);
    if (!s.ok()) return s;
  }
  std::vector<KeyedRecord> dates;
  xbase::Status s = KeysWithPrefix(setup, "setup", kSet2, &dates);
  if (!s.ok()) return s;
  const std::string date = xbase::Dtoc(values.date);
  if (dates.empty()) return PutKet(con, setup, kSet2 + "14", false, date);
  for (const KeyedRecord& row : dates) {
    if (s = setup.GoTo(row.recno); s.ok()) s = PutKet(con, setup, row.key, true, date);
    if (!s.ok()) return s;
  }
  return xbase::Status::OK();
}

void INPUTAN(Session& session) {
  console::Console& con = session.console();
  const std::string colour(con.Pick("W+/bg", "W/w"));
  console::SHADOW(con, 2, 4, 21, 75, colour);
  static const char* const kLines[] = {
      "Set Up", "", "  Nama Perusahaan   :", "  Alamat            :", "", "", "",
      "  Setup 5           :", "  Setup 6           :", "  Setup 7           :", "  Setup 8           :",
      "  Setup 9           :", "  Setup 10          :", "  Setup 11          :", "  Setup 13          :",
      "  Direktory Default :", "  Tanggal Proses    :", ""};
  int row = 3;
  for (const char* line : kLines) {
    if (row == 3) {
      console::TENGAH(con, row, line, colour);
    } else {
      con.Say(row, kLabelCol, line, con.Colour(colour));
    }
    ++row;
  }
}

xbase::Status SETUP(Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  xbase::Session& tables = session.tables();
  for (const char* table : {"mastacc", "logsetup", "Setup"}) {
    if (!OpenTable(session, table)) {
      tables.CloseAll();
      return xbase::Status::OK();
    }
  }
  xbase::WorkArea& setup = *tables.Area("setup");
  CompanyValues values;
  xbase::Status s = ReadCompanyValues(setup, &values);
  if (!s.ok()) return s;
  console::ScreenKeeper keep(con);
  INPUTAN(session);
  for (;;) {
    console::GetList form;
    AddFields(&form, &values);
    if (form.Read(con).escaped) return tables.CloseAll();
    const int answer = console::PESAN(con, "Apakah data sudah benar (Y/T) :");
    if (answer == 'Y' || answer == 'y') break;
  }
  if (s = WriteCompanyValues(con, setup, values); !s.ok()) return s;
  std::vector<KeyedRecord> dirs;
  if (s = KeysWithPrefix(setup, "setup", kDirRow, &dirs); !s.ok()) return s;
  Apply(session, values, dirs);
  return xbase::Status::OK();
}

}  // namespace frame
