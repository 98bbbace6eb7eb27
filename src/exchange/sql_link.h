// The link to the head office's MySQL database that the invoice transfer writes through: a seam, so
// the statements can be built and checked without a server. Every value goes to the server bound to a
// placeholder of its statement, never inside the statement's text.
#ifndef PALUNDA_EXCHANGE_SQL_LINK_H_
#define PALUNDA_EXCHANGE_SQL_LINK_H_

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/workstation_settings.h"
#include "xbase/status.h"

namespace exchange {

// The database the transfer writes to.
inline constexpr const char* kMappingDatabase = "mapping_clipper";

// A value bound to one "?" of a statement.
struct SqlValue {
  enum class Kind { kText, kNumber, kDate };
  Kind kind = Kind::kText;
  std::string text;  // UTF-8 text; a number as decimal digits (blanks around it allowed); a date as Y-M-D
  bool operator==(const SqlValue&) const = default;
};

// A statement with its placeholders and the values bound to them, in order.
struct SqlStatement {
  std::string text;
  std::vector<SqlValue> values;
};

class SqlLink {
 public:
  virtual ~SqlLink() = default;
  // CONECTOMYSQL: connects and selects the transfer's database.
  virtual xbase::Status Connect() = 0;
  virtual bool connected() const = 0;
  // Runs one statement with its values bound. A refusal because a row of the same key is already
  // there comes back as InUse; any other refusal as InvalidArgument with the server's text.
  virtual xbase::Status Execute(const SqlStatement& statement) = 0;
  virtual void Close() = 0;
};

// The link through the MariaDB client library with the [MySQL] settings of Palunda.ini.
std::unique_ptr<SqlLink> MariaDbLink(const platform::MySqlSettings& settings);

// QUERYCOMMAND: runs the statements in order inside the open transaction, under a savepoint: the
// first one the server refuses takes back the list's earlier statements (the transaction stays open
// for what follows) and its refusal comes back.
xbase::Status QUERYCOMMAND(SqlLink& link, const std::vector<SqlStatement>& statements);

}  // namespace exchange

#endif  // PALUNDA_EXCHANGE_SQL_LINK_H_
