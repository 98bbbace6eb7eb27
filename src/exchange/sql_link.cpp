// The link to the head office's MySQL database that the invoice transfer writes through: a seam, so
// the statements can be built and checked without a server.
#include "exchange/sql_link.h"

namespace exchange {

xbase::Status QUERYCOMMAND(SqlLink& link, const std::vector<SqlStatement>& statements) {
  xbase::Status s = link.Execute({"SAVEPOINT batch", {}});
  for (const SqlStatement& statement : statements) {
    if (!s.ok()) break;
    s = link.Execute(statement);
  }
  if (s.ok()) return s;
  // A lost connection fails the rollback too; the transaction then dies with the connection.
  link.Execute({"ROLLBACK TO SAVEPOINT batch", {}}).IgnoreError();
  return s;
}

}  // namespace exchange
