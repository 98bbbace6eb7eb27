// A MariaDB server of a test program's own: a data folder made by mariadb-install-db in a temporary
// folder, reached only through a socket there (no network), started, killed and started again by the
// tests.
#ifndef PALUNDA_TESTS_SUPPORT_PRIVATE_MARIADB_H_
#define PALUNDA_TESTS_SUPPORT_PRIVATE_MARIADB_H_

#include <sys/types.h>

#include <string>
#include <vector>

namespace support {

class PrivateMariaDb {
 public:
  PrivateMariaDb() = default;
  ~PrivateMariaDb();
  PrivateMariaDb(const PrivateMariaDb&) = delete;
  PrivateMariaDb& operator=(const PrivateMariaDb&) = delete;

  // Makes the data folder (the first time) and starts mariadbd; false with the reason in `why` when
  // it cannot run. The administrator is "root" without a password.
  bool Start(std::string* why);
  // Kills the server at once (SIGKILL), as a crash or a pulled cable would.
  void Kill();
  std::string socket() const { return folder_ + "/mysqld.sock"; }

  // Runs statements as the administrator, one after another; false with the server's text in `why`
  // at the first refusal.
  bool Run(const std::vector<std::string>& statements, std::string* why) const;
  // The rows of a query as the administrator in `database` (none when empty), each row's columns
  // joined by "|" (NULL as "NULL").
  std::vector<std::string> Rows(const std::string& query, const std::string& database = "") const;

 private:
  std::string folder_;
  pid_t pid_ = -1;
};

}  // namespace support

#endif  // PALUNDA_TESTS_SUPPORT_PRIVATE_MARIADB_H_
