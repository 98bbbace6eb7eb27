// A private MariaDB server for the tests of the transfer to the head office's database.
#include "support/private_mariadb.h"

#include <mysql.h>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

extern char** environ;

namespace support {
namespace {

namespace fs = std::filesystem;

constexpr const char* kServer = "/usr/sbin/mariadbd";
constexpr const char* kInstall = "/usr/bin/mariadb-install-db";

// Small and quick: the tests write a few thousand rows at most.
const std::vector<std::string> kServerOptions = {"--innodb-buffer-pool-size=16M", "--innodb-log-file-size=4M",
                                                 "--innodb-flush-log-at-trx-commit=2"};

// Runs `args` and waits; the exit status, or -1 when it could not start.
int RunAndWait(std::vector<std::string> args, const std::string& output) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string LastLine(const std::string& file) {
  std::ifstream log(file);
  std::string line, last;
  while (std::getline(log, line)) {
    if (!line.empty()) last = line;
  }
  return last;
}

std::string UserName() {
  const passwd* user = getpwuid(geteuid());
  return user != nullptr ? user->pw_name : "root";
}

MYSQL* Administrator(const std::string& socket, std::string* why, const std::string& database = "") {
  MYSQL* mysql = mysql_init(nullptr);
  const char* schema = database.empty() ? nullptr : database.c_str();
  if (mysql_real_connect(mysql, "localhost", "root", "", schema, 0, socket.c_str(), 0) == nullptr) {
    *why = mysql_error(mysql);
    mysql_close(mysql);
    return nullptr;
  }
  return mysql;
}

}  // namespace

PrivateMariaDb::~PrivateMariaDb() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
  }
  std::error_code ignored;
  if (!folder_.empty()) fs::remove_all(folder_, ignored);
}

bool PrivateMariaDb::Start(std::string* why) {
  if (access(kServer, X_OK) != 0) return *why = std::string(kServer) + " is not installed (package mariadb-server)", false;
  if (folder_.empty()) {
    if (access(kInstall, X_OK) != 0) return *why = std::string(kInstall) + " is not installed (package mariadb-server)", false;
    char folder[] = "/tmp/palunda-mariadb-XXXXXX";
    if (mkdtemp(folder) == nullptr) return *why = "no temporary folder", false;
    folder_ = folder;
    std::vector<std::string> install = {kInstall, "--no-defaults", "--datadir=" + folder_ + "/data",
                                        "--user=" + UserName(), "--auth-root-authentication-method=normal",
                                        "--skip-test-db"};
    install.insert(install.end(), kServerOptions.begin(), kServerOptions.end());
    if (RunAndWait(install, folder_ + "/install.log") != 0) {
      return *why = "mariadb-install-db failed: " + LastLine(folder_ + "/install.log"), false;
    }
  }
  std::vector<std::string> args = {kServer, "--no-defaults", "--datadir=" + folder_ + "/data",
                                   "--socket=" + socket(), "--skip-networking", "--pid-file=" + folder_ + "/mysqld.pid",
                                   "--log-error=" + folder_ + "/error.log", "--user=" + UserName()};
  args.insert(args.end(), kServerOptions.begin(), kServerOptions.end());
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  if (posix_spawn(&pid_, kServer, nullptr, nullptr, argv.data(), environ) != 0) {
    pid_ = -1;
    return *why = "mariadbd could not be started", false;
  }
  for (int tries = 0; tries < 600; ++tries) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return *why = "mariadbd stopped at once: " + LastLine(folder_ + "/error.log"), false;
    }
    std::string refused;
    if (MYSQL* mysql = Administrator(socket(), &refused); mysql != nullptr) {
      mysql_close(mysql);
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return *why = "mariadbd did not answer within 30 seconds", false;
}

void PrivateMariaDb::Kill() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
  std::error_code ignored;
  fs::remove(socket(), ignored);
}

bool PrivateMariaDb::Run(const std::vector<std::string>& statements, std::string* why) const {
  MYSQL* mysql = Administrator(socket(), why);
  if (mysql == nullptr) return false;
  bool ran = true;
  for (const std::string& statement : statements) {
    if (mysql_real_query(mysql, statement.data(), statement.size()) != 0) {
      *why = statement + ": " + mysql_error(mysql);
      ran = false;
      break;
    }
    if (MYSQL_RES* rows = mysql_store_result(mysql); rows != nullptr) mysql_free_result(rows);
  }
  mysql_close(mysql);
  return ran;
}

std::vector<std::string> PrivateMariaDb::Rows(const std::string& query, const std::string& database) const {
  std::vector<std::string> rows;
  std::string why;
  MYSQL* mysql = Administrator(socket(), &why, database);
  if (mysql == nullptr) return {"no connection: " + why};
  mysql_set_character_set(mysql, "utf8mb4");
  if (mysql_real_query(mysql, query.data(), query.size()) != 0) {
    rows.push_back(std::string("refused: ") + mysql_error(mysql));
  } else if (MYSQL_RES* result = mysql_store_result(mysql); result != nullptr) {
    const unsigned int columns = mysql_num_fields(result);
    while (MYSQL_ROW row = mysql_fetch_row(result)) {
      const unsigned long* lengths = mysql_fetch_lengths(result);
      std::string line;
      for (unsigned int i = 0; i < columns; ++i) {
        if (i > 0) line += "|";
        line += row[i] == nullptr ? std::string("NULL") : std::string(row[i], lengths[i]);
      }
      rows.push_back(line);
    }
    mysql_free_result(result);
  }
  mysql_close(mysql);
  return rows;
}

}  // namespace support
