// The company setup: the company values kept in SETUP rows chr(224) + "SET1" + nn and the process
// date in the chr(224) + "SET2" rows, edited on one form.
#include "frame/setup.h"

#include <algorithm>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "frame/save_scope.h"
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

// Seeks the LOGSETUP row of a data sub-folder.
xbase::Status SeekFolderRow(xbase::WorkArea& log, const std::string& folder) {
  xbase::Status s = log.SetOrder(1);
  return s.ok() ? log.Seek(log.PadToField("LOGEDPATH", folder)) : s;
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

// The sub-folder's LOGSETUP row, when there is one, takes the process date.
xbase::Status DateFolderRow(console::Console& con, xbase::WorkArea& log, const std::string& folder, xbase::Date date) {
  xbase::Status s = SeekFolderRow(log, folder);
  if (!s.ok() || !log.found()) return s;
  if (s = console::LOCK_REC(con, log); !s.ok()) return s;
  s = log.Put("LOGEDDATE", xbase::Value::FromDate(date));
  const xbase::Status unlocked = log.Unlock();
  return s.ok() ? unlocked : s;
}

// Every row the save writes: the value rows (or SETUP's append lock for the missing ones), the date
// rows and the sub-folder's LOGSETUP row.
xbase::Status NameCompanyRows(SaveScope& save, xbase::WorkArea& setup, xbase::WorkArea& log,
                              const CompanyValues& values) {
  xbase::Status s = setup.SetOrder(1);
  for (int slot = 1; s.ok() && slot <= 13; ++slot) {
    s = setup.Seek(SlotKey(slot));
    if (s.ok() && setup.found()) save.Update(setup, setup.recno());
    if (s.ok() && !setup.found()) save.Append(setup);
  }
  std::vector<uint32_t> dates;
  if (s.ok()) s = setup.SeekAll(kSet2, &dates);
  for (const uint32_t row : dates) save.Update(setup, row);
  if (dates.empty()) save.Append(setup);
  if (s.ok()) s = SeekFolderRow(log, std::string(xbase::AllTrim(values.text[13])));
  if (s.ok() && log.found()) save.Update(log, log.recno());
  return s;
}

// Writes the values and the process date all or nothing; a lock given up or a failed write is shown
// and nothing is written.
bool SaveCompanyValues(Session& session, xbase::WorkArea& setup, xbase::WorkArea& log, const CompanyValues& values) {
  SaveScope save(session.console());
  xbase::Status s = NameCompanyRows(save, setup, log, values);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) return NothingSaved(session, s);
  s = save.BeginWrites();
  if (s.ok()) s = WriteCompanyValues(session.console(), setup, values);
  if (s.ok()) s = DateFolderRow(session.console(), log, std::string(xbase::AllTrim(values.text[13])), values.date);
  return Checked(session, save.CommitWrites(s));
}

// After a save: STP takes the values and the search path goes through the data sub-folder and the
// extra folders (the chr(239) + "DIR" rows of `setup`).
xbase::Status Apply(Session& session, xbase::WorkArea& setup, const CompanyValues& values) {
  std::vector<uint32_t> dirs;
  xbase::Status s = setup.SeekAll(kDirRow, &dirs);
  if (!s.ok()) return s;
  for (int slot = 1; slot <= 13; ++slot) {
    session.STP.text[static_cast<size_t>(slot)] =
        KeptWhole(values.text[static_cast<size_t>(slot)], CompanySetup::kWidths[static_cast<size_t>(slot)]);
  }
  session.STP.date = values.date;
  for (const uint32_t dir : dirs) {
    if (s = setup.GoTo(dir); !s.ok()) return s;
    const std::string folder(xbase::AllTrim(setup.Text("KET")));
    if (!folder.empty() && (";" + session.SEARCHPATH_ + ";").find(";" + folder + ";") == std::string::npos) {
      session.SEARCHPATH_ += (session.SEARCHPATH_.empty() ? "" : ";") + folder;
    }
  }
  session.STP.text[13] = session.DRVDATA_ + std::string(xbase::AllTrim(values.text[13]));
  session.SetSearchPath(session.DRVDATA_ + ";" + session.STP.text[13] + ";" + session.SEARCHPATH_);
  return s;
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
  std::vector<uint32_t> rows;
  xbase::Status s = setup.SetOrder(1);
  if (s.ok()) s = setup.SeekAll("\xE0SET", &rows);
  for (const uint32_t row : rows) {
    if (s = setup.GoTo(row); !s.ok()) break;
    const std::string key = setup.Text("SETUP");
    const std::string ket = setup.Text("KET");
    if (key.starts_with(kSet2)) {
      values->date = xbase::Ctod(ket);
      continue;
    }
    const int slot = static_cast<int>(xbase::Val(xbase::SubStr(key, 6, 2)).value);
    if (slot >= 1 && slot <= 13) {
      // A value stored longer than its field stays whole unless the user edits it.
      values->text[static_cast<size_t>(slot)] = KeptWhole(ket, CompanyValueWidth(slot));
    }
  }
  return s;
}

xbase::Status WriteCompanyValues(console::Console& con, xbase::WorkArea& setup, const CompanyValues& values) {
  if (xbase::Status s = setup.SetOrder(1); !s.ok()) return s;
  for (int slot = 1; slot <= 13; ++slot) {
    const std::string key = SlotKey(slot);
    xbase::Status s = setup.Seek(key);
    if (s.ok()) s = PutKet(con, setup, key, setup.found(), values.text[static_cast<size_t>(slot)]);
    if (!s.ok()) return s;
  }
  std::vector<uint32_t> dates;
  xbase::Status s = setup.SeekAll(kSet2, &dates);
  if (!s.ok()) return s;
  const std::string date = xbase::Dtoc(values.date);
  if (dates.empty()) return PutKet(con, setup, kSet2 + "14", false, date);
  for (const uint32_t row : dates) {
    if (s = setup.GoTo(row); s.ok()) s = PutKet(con, setup, setup.Text("SETUP"), true, date);
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
  xbase::WorkArea* log = nullptr;
  xbase::WorkArea* setup_area = nullptr;
  if (!OpenTable(session, "mastacc") || !OpenTable(session, "logsetup", false, {}, &log) ||
      !OpenTable(session, "Setup", false, {}, &setup_area)) {
    return tables.CloseAll();
  }
  xbase::WorkArea& setup = *setup_area;
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
    // Refused or failed, the form stays with what was typed.
    if ((answer == 'Y' || answer == 'y') && SaveCompanyValues(session, setup, *log, values)) break;
  }
  return Apply(session, setup, values);
}

}  // namespace frame
