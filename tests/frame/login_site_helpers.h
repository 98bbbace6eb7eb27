// A small site for the login and menu tests: a data folder in a temporary directory with the
// login's tables, the rows the tests need, and the settings file pointing at it.
#ifndef PALUNDA_TESTS_FRAME_LOGIN_SITE_HELPERS_H_
#define PALUNDA_TESTS_FRAME_LOGIN_SITE_HELPERS_H_

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/scripted_session.h"
#include "support/temp_folder.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace frame {

class LoginSite {
 public:
  // Makes the folder with the login's tables, empty.
  LoginSite();
  LoginSite(const LoginSite&) = delete;
  LoginSite& operator=(const LoginSite&) = delete;

  // The temporary directory; the data folder is its "data" sub-folder.
  const std::string& root() const { return root_.path(); }
  const std::string& data() const { return data_; }
  // Where the settings file goes.
  std::string ini_path() const { return root_.File("Palunda.ini"); }
  // Writes the settings file for the data folder.
  void WriteIni() const;

  // Appends a row to a table of the data folder.
  void Add(std::string_view table, const std::vector<std::pair<std::string, xbase::Value>>& fields) const;
  void AddUser(std::string_view nik, std::string_view name, std::string_view password) const;
  void AddRight(std::string_view nik, std::string_view grup, std::string_view kode, std::string_view induk1,
                std::string_view induk2) const;
  void AddMenu(std::string_view grup, std::string_view kode, std::string_view text, std::string_view call) const;
  void AddSetup(std::string_view key, std::string_view ket) const;
  void AddLogsetup(std::string_view path, std::string_view budget, bool is_default) const;
  // The BUDGET of the first LOGSETUP row.
  std::string Budget() const;

  // The rows of a site without its LOGSETUP row: company values, three users, two menu groups.
  //   SYSADMIN (password "admin"): group "ADMIN" with the tops "Sistem" (entries "Password Login",
  //     "Setup Data" with sub-items "Satu" and "Dua", "Salah Panggil", "Keluar") and "Laporan".
  //   BUDI (password "budi"): groups "ADMIN" and "KASIR" (top "Kasir" with "Kas Masuk", "Kembali").
  //   TANPA (password "tanpa"): no rights.
  void AddStandardRows() const;

 private:
  support::TempFolder root_;
  std::string data_;
};

// The BUDGET of the standard site's DEFAULT LOGSETUP row: last start 01-12-2026.
inline constexpr std::string_view kBudget = "01-12-202631-12-2026    3  5 10  20";

// A test on the standard site: the program run through the scripted terminal, the entry procedures
// of the frame registered, and PASSTEST, SATU, DUA, SIMPAN, HARIAN (record their calls) and HILANG
// (needs a table that is not there).
class LoginRun : public ::testing::Test {
 protected:
  LoginRun();

  // Adds the DEFAULT LOGSETUP row with `budget` and runs the program with the keys.
  void Run(const std::vector<int>& keys, std::string_view budget = kBudget);
  // True when some screen shown while a key was read had the text on the row.
  bool Shown(int row, std::string_view text) const;
  // How many screens showed the login box waiting for a NIK.
  int LoginBoxes() const;

  LoginSite site_;
  support::SessionRig rig_;
  std::vector<std::string> calls_;
};

}  // namespace frame

#endif  // PALUNDA_TESTS_FRAME_LOGIN_SITE_HELPERS_H_
