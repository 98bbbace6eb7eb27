// A small site for the login and menu tests: a data folder in a temporary directory with the
// login's tables, the rows the tests need, and the settings file pointing at it.
#ifndef PALUNDA_TESTS_FRAME_LOGIN_SITE_HELPERS_H_
#define PALUNDA_TESTS_FRAME_LOGIN_SITE_HELPERS_H_

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "xbase/status.h"
#include "xbase/value.h"

namespace frame {

class LoginSite {
 public:
  // Makes the folder with the login's tables, empty.
  LoginSite();
  ~LoginSite();
  LoginSite(const LoginSite&) = delete;
  LoginSite& operator=(const LoginSite&) = delete;

  // The temporary directory; the data folder is its "data" sub-folder.
  const std::string& root() const { return root_; }
  const std::string& data() const { return data_; }
  // Where the settings file goes.
  std::string ini_path() const { return root_ + "/Palunda.ini"; }
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
  std::string root_;
  std::string data_;
};

}  // namespace frame

#endif  // PALUNDA_TESTS_FRAME_LOGIN_SITE_HELPERS_H_
