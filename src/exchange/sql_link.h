// The link to the head office's MySQL database that the invoice transfer writes through: a seam, so
// the statements can be built and checked without a server.
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

class SqlLink {
 public:
  virtual ~SqlLink() = default;
  // CONECTOMYSQL: connects and selects the transfer's database.
  virtual xbase::Status Connect() = 0;
  // Runs one statement; a refusal carries the server's error text.
  virtual xbase::Status Execute(std::string_view statement) = 0;
  virtual void Close() = 0;
};

// The link through the MariaDB client library with the [MySQL] settings of Palunda.ini.
std::unique_ptr<SqlLink> MariaDbLink(const platform::MySqlSettings& settings);

// QUERYCOMMAND: runs the statements in one transaction on a fresh connection: nothing is sent when the
// connection fails; the first statement the server refuses rolls the whole list back and its error
// comes back; otherwise the list is committed. The connection is closed in every case.
xbase::Status QUERYCOMMAND(SqlLink& link, const std::vector<std::string>& statements);

}  // namespace exchange

#endif  // PALUNDA_EXCHANGE_SQL_LINK_H_
