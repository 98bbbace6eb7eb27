// A data folder and a scripted terminal for the login tests.
#include "login_site_helpers.h"

#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "console/keys.h"
#include "console/scripted_terminal.h"
#include "console/table_access.h"
#include "frame/frame_procedures.h"
#include "frame/login.h"
#include "schema/create_table.h"
#include "schema/open_table.h"
#include "xbase/password.h"
#include "xbase/session.h"

namespace frame {
namespace {

xbase::Value Text(std::string_view text) { return xbase::Value::Text(std::string(text)); }

}  // namespace

LoginSite::LoginSite() : data_(root_.File("data")) {
  std::filesystem::create_directories(data_);
  for (const char* table : {"LOGSETUP", "MENU", "SETUP", "TRANSAK", "USERDAT"}) {
    const xbase::Status status = schema::CreateTable(*schema::FindTable(table), data_);
    EXPECT_TRUE(status.ok()) << status.ToString();
  }
}

void LoginSite::WriteIni() const {
  const xbase::Status status = WriteConnectionSettings({"localhost", "", "", data_}, ini_path());
  EXPECT_TRUE(status.ok()) << status.ToString();
}

void LoginSite::Add(std::string_view table, const std::vector<std::pair<std::string, xbase::Value>>& fields) const {
  xbase::Session session(xbase::SearchPath({data_}));
  xbase::WorkArea* area = nullptr;
  xbase::Status status = schema::UseWithIndexes(session, table, {}, xbase::OpenMode::kExclusive, &area);
  if (status.ok()) status = area->Append();
  for (const auto& [name, value] : fields) {
    if (status.ok()) status = area->Put(name, value);
  }
  if (status.ok()) status = session.CloseAll();
  EXPECT_TRUE(status.ok()) << table << ": " << status.ToString();
}

void LoginSite::AddUser(std::string_view nik, std::string_view name, std::string_view password) const {
  Add("TRANSAK", {{"USER_ID", Text(nik)},
                  {"USER_NM", Text(name)},
                  {"PASS_ID", Text(xbase::TransformPassword(password))},
                  {"LEVEL_ID", xbase::Value::Num(1)},
                  {"KODEPROG", Text("/SPV")},
                  {"GUDANG", Text("G01")}});
}

void LoginSite::AddRight(std::string_view nik, std::string_view grup, std::string_view kode, std::string_view induk1,
                         std::string_view induk2) const {
  Add("USERDAT",
      {{"NIK", Text(nik)}, {"GRUP", Text(grup)}, {"KODE", Text(kode)}, {"INDUK1", Text(induk1)}, {"INDUK2", Text(induk2)}});
}

void LoginSite::AddMenu(std::string_view grup, std::string_view kode, std::string_view text,
                        std::string_view call) const {
  Add("MENU", {{"GRUP", Text(grup)}, {"KODE", Text(kode)}, {"KETERANGAN", Text(text)}, {"PROSEDUR", Text(call)}});
}

void LoginSite::AddSetup(std::string_view key, std::string_view ket) const {
  Add("SETUP", {{"SETUP", Text(key)}, {"KET", Text(ket)}});
}

void LoginSite::AddLogsetup(std::string_view path, std::string_view budget, bool is_default) const {
  Add("LOGSETUP",
      {{"LOGEDPATH", Text(path)}, {"BUDGET", Text(budget)}, {"DEFAULT", xbase::Value::Logical(is_default)}});
}

std::string LoginSite::Budget() const {
  xbase::Session session(xbase::SearchPath({data_}));
  xbase::WorkArea* area = nullptr;
  const xbase::Status status = session.Use("LOGSETUP", {}, xbase::OpenMode::kShared, &area);
  EXPECT_TRUE(status.ok()) << status.ToString();
  if (!status.ok() || !area->GoTop().ok()) return {};
  return area->Text("BUDGET");
}

void LoginSite::AddStandardRows() const {
  const std::string e0(1, static_cast<char>(224));
  AddSetup(e0 + "SET101", "PT CONTOH JAYA");
  AddSetup(e0 + "SET102", "Jl. Mawar 1");
  AddSetup(e0 + "SET103", "Jakarta");
  AddSetup(e0 + "SET104", "Indonesia");
  AddSetup(e0 + "SET113", "arsip");
  AddSetup("POTONGPPN", "11");

  AddUser("SYSADMIN", "Administrator", "admin");
  AddUser("BUDI", "Budi Santoso", "budi");
  AddUser("TANPA", "Tanpa Hak", "tanpa");

  for (std::string_view nik : {"SYSADMIN", "BUDI"}) {
    AddRight(nik, "ADMIN", "11", "1", "1");
    AddRight(nik, "ADMIN", "121", "1", "12");
    AddRight(nik, "ADMIN", "122", "1", "12");
    AddRight(nik, "ADMIN", "13", "1", "1");
    AddRight(nik, "ADMIN", "14", "1", "1");
    AddRight(nik, "ADMIN", "15", "1", "1");
    AddRight(nik, "ADMIN", "21", "2", "2");
    AddRight(nik, "ADMIN", "31", "3", "3");
  }
  AddRight("BUDI", "KASIR", "K1", "K", "K");
  AddRight("BUDI", "KASIR", "K2", "K", "K");

  AddMenu("ADMIN", "1", "Sistem", "");
  AddMenu("ADMIN", "11", "Password Login", "PASSTEST()");
  AddMenu("ADMIN", "12", "Setup Data", "");
  AddMenu("ADMIN", "121", "Satu", "SATU()");
  AddMenu("ADMIN", "122", "Dua", "DUA()");
  AddMenu("ADMIN", "13", "Salah Panggil", "TIDAKADA()");
  AddMenu("ADMIN", "14", "Simpan Data", "SIMPAN()");
  AddMenu("ADMIN", "15", "Keluar", "KEMBALI()");
  AddMenu("ADMIN", "2", "Laporan", "");
  AddMenu("ADMIN", "21", "Laporan Harian", "HARIAN()");
  AddMenu("ADMIN", "3", "Tabel", "");
  AddMenu("ADMIN", "31", "Tabel Hilang", "HILANG()");
  AddMenu("KASIR", "K", "Kasir", "");
  AddMenu("KASIR", "K1", "Kas Masuk", "KASMASUK()");
  AddMenu("KASIR", "K2", "Kembali", "KEMBALI()");
}

LoginRun::LoginRun() {
  site_.AddStandardRows();
  site_.WriteIni();
  RegisterFrameProcedures(rig_.registry);
  for (const char* name : {"PASSTEST", "SATU", "DUA", "SIMPAN", "HARIAN"}) {
    rig_.registry.Register({name, "", "", [this, name](Session&, const auto&) {
                              calls_.push_back(name);
                              return xbase::Status::OK();
                            }});
  }
  rig_.registry.Register({"HILANG", "", "", [this](Session& session, const auto&) {
                            calls_.push_back("HILANG");
                            if (!console::BUKAFILE(session.console(), session.tables(), "tidakada", false, 5)) {
                              return xbase::Status::NotFound("tidakada", "tabel tidak dapat dibuka");
                            }
                            return xbase::Status::OK();
                          }});
}

void LoginRun::Run(const std::vector<int>& keys, std::string_view budget) {
  site_.AddLogsetup("C:\\DATA", budget, true);
  rig_.term.AddKeys(keys);
  MULAI(rig_.session, site_.ini_path());
}

bool LoginRun::Shown(int row, std::string_view text) const { return support::ShownOnRow(rig_.term, row, std::string(text)); }

int LoginRun::LoginBoxes() const {
  int count = 0;
  for (const console::CellGrid& grid : rig_.term.screens()) {
    if (console::ScriptedTerminal::Text(grid, 7).find(" Login                    PALUNDA") != std::string::npos &&
        console::ScriptedTerminal::Text(grid, 9, 35, 10) == "          ") {
      ++count;
    }
  }
  return count;
}

}  // namespace frame
