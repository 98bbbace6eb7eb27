// The MySQL link through the MariaDB client library.
#include <mysql.h>

#include "exchange/sql_link.h"

namespace exchange {
namespace {

class MariaDb : public SqlLink {
 public:
  explicit MariaDb(platform::MySqlSettings settings) : settings_(std::move(settings)) {}
  ~MariaDb() override { Close(); }
  MariaDb(const MariaDb&) = delete;
  MariaDb& operator=(const MariaDb&) = delete;

  xbase::Status Connect() override {
    Close();
    if (settings_.server.empty()) {
      return xbase::Status::InvalidArgument("[MySQL] Server", "the MySQL server is not set in Palunda.ini");
    }
    mysql_ = mysql_init(nullptr);
    if (mysql_ == nullptr) return xbase::Status::InvalidArgument("MySQL", "out of memory");
    unsigned int seconds = static_cast<unsigned int>(settings_.timeout_seconds);
    mysql_options(mysql_, MYSQL_OPT_CONNECT_TIMEOUT, &seconds);
    if (mysql_real_connect(mysql_, settings_.server.c_str(), settings_.user.c_str(), settings_.password.c_str(),
                           settings_.database.c_str(), static_cast<unsigned int>(settings_.port), nullptr,
                           0) == nullptr) {
      const xbase::Status refused = xbase::Status::InvalidArgument(settings_.server, mysql_error(mysql_));
      Close();
      return refused;
    }
    return xbase::Status::OK();
  }

  xbase::Status Execute(std::string_view statement) override {
    if (mysql_ == nullptr) return xbase::Status::InvalidArgument("MySQL", "not connected");
    if (mysql_real_query(mysql_, statement.data(), static_cast<unsigned long>(statement.size())) != 0) {
      return xbase::Status::InvalidArgument(settings_.server, mysql_error(mysql_));
    }
    // A statement that gives rows (none of the transfer's do) has them read and dropped.
    if (MYSQL_RES* rows = mysql_store_result(mysql_); rows != nullptr) mysql_free_result(rows);
    return xbase::Status::OK();
  }

  void Close() override {
    if (mysql_ != nullptr) mysql_close(mysql_);
    mysql_ = nullptr;
  }

 private:
  platform::MySqlSettings settings_;
  MYSQL* mysql_ = nullptr;
};

}  // namespace

std::unique_ptr<SqlLink> MariaDbLink(const platform::MySqlSettings& settings) {
  return std::make_unique<MariaDb>(settings);
}

}  // namespace exchange
