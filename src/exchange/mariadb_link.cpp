// The MySQL link through the MariaDB client library: statements with values are prepared once per
// connection and run with their values bound, so no value is ever read as part of a statement.
#include <mysql.h>
#include <mysqld_error.h>

#include <map>

#include "exchange/sql_link.h"
#include "xbase/text_functions.h"

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
    const unsigned int seconds = static_cast<unsigned int>(settings_.timeout_seconds);
    mysql_options(mysql_, MYSQL_OPT_CONNECT_TIMEOUT, &seconds);
    mysql_options(mysql_, MYSQL_OPT_READ_TIMEOUT, &seconds);
    mysql_options(mysql_, MYSQL_OPT_WRITE_TIMEOUT, &seconds);
    mysql_options(mysql_, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    const char* socket = settings_.socket.empty() ? nullptr : settings_.socket.c_str();
    if (mysql_real_connect(mysql_, settings_.server.c_str(), settings_.user.c_str(), settings_.password.c_str(),
                           settings_.database.c_str(), static_cast<unsigned int>(settings_.port), socket,
                           0) == nullptr) {
      const xbase::Status refused = xbase::Status::InvalidArgument(settings_.server, mysql_error(mysql_));
      Close();
      return refused;
    }
    return xbase::Status::OK();
  }

  bool connected() const override { return mysql_ != nullptr; }

  xbase::Status Execute(const SqlStatement& statement) override {
    if (mysql_ == nullptr) return xbase::Status::InvalidArgument("MySQL", "not connected");
    if (statement.values.empty()) {
      if (mysql_real_query(mysql_, statement.text.data(), statement.text.size()) != 0) {
        return Refusal(mysql_errno(mysql_), mysql_error(mysql_));
      }
      // A statement that gives rows (none of the transfer's do) has them read and dropped.
      if (MYSQL_RES* rows = mysql_store_result(mysql_); rows != nullptr) mysql_free_result(rows);
      return xbase::Status::OK();
    }
    MYSQL_STMT* prepared = nullptr;
    if (xbase::Status s = Prepared(statement.text, &prepared); !s.ok()) return s;
    if (mysql_stmt_param_count(prepared) != statement.values.size()) {
      return xbase::Status::InvalidArgument("MySQL", "the statement takes " +
                                                         std::to_string(mysql_stmt_param_count(prepared)) +
                                                         " values, not " + std::to_string(statement.values.size()));
    }
    std::vector<std::string> texts;
    texts.reserve(statement.values.size());
    for (const SqlValue& value : statement.values) {
      texts.push_back(value.kind == SqlValue::Kind::kText ? value.text : std::string(xbase::AllTrim(value.text)));
    }
    std::vector<MYSQL_BIND> binds(statement.values.size());
    std::vector<unsigned long> lengths(statement.values.size());
    for (size_t i = 0; i < binds.size(); ++i) {
      lengths[i] = texts[i].size();
      binds[i].buffer_type =
          statement.values[i].kind == SqlValue::Kind::kNumber ? MYSQL_TYPE_NEWDECIMAL : MYSQL_TYPE_STRING;
      binds[i].buffer = texts[i].data();
      binds[i].buffer_length = lengths[i];
      binds[i].length = &lengths[i];
    }
    if (mysql_stmt_bind_param(prepared, binds.data()) != 0 || mysql_stmt_execute(prepared) != 0) {
      return Refusal(mysql_stmt_errno(prepared), mysql_stmt_error(prepared));
    }
    return xbase::Status::OK();
  }

  void Close() override {
    for (auto& [text, prepared] : prepared_) mysql_stmt_close(prepared);
    prepared_.clear();
    if (mysql_ != nullptr) mysql_close(mysql_);
    mysql_ = nullptr;
  }

 private:
  xbase::Status Refusal(unsigned int number, const char* text) const {
    if (number == ER_DUP_ENTRY) return xbase::Status::InUse(settings_.server, text);
    return xbase::Status::InvalidArgument(settings_.server, text);
  }

  // The statement prepared on this connection, prepared now when it is new.
  xbase::Status Prepared(const std::string& text, MYSQL_STMT** prepared) {
    if (const auto held = prepared_.find(text); held != prepared_.end()) {
      *prepared = held->second;
      return xbase::Status::OK();
    }
    MYSQL_STMT* made = mysql_stmt_init(mysql_);
    if (made == nullptr) return xbase::Status::InvalidArgument("MySQL", "out of memory");
    if (mysql_stmt_prepare(made, text.data(), text.size()) != 0) {
      const xbase::Status refused = Refusal(mysql_stmt_errno(made), mysql_stmt_error(made));
      mysql_stmt_close(made);
      return refused;
    }
    *prepared = prepared_[text] = made;
    return xbase::Status::OK();
  }

  platform::MySqlSettings settings_;
  MYSQL* mysql_ = nullptr;
  std::map<std::string, MYSQL_STMT*> prepared_;
};

}  // namespace

std::unique_ptr<SqlLink> MariaDbLink(const platform::MySqlSettings& settings) {
  return std::make_unique<MariaDb>(settings);
}

}  // namespace exchange
