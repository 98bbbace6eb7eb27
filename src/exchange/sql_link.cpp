// The link to the head office's MySQL database that the invoice transfer writes through: a seam, so
// the statements can be built and checked without a server.
#include "exchange/sql_link.h"

namespace exchange {

xbase::Status QUERYCOMMAND(SqlLink& link, const std::vector<std::string>& statements) {
  xbase::Status s = link.Connect();
  if (!s.ok()) return s;
  s = link.Execute("Start Transaction");
  for (const std::string& statement : statements) {
    if (!s.ok()) break;
    s = link.Execute(statement);
  }
  const xbase::Status ended = link.Execute(s.ok() ? "Commit" : "Rollback");
  link.Close();
  return s.ok() ? ended : s;
}

}  // namespace exchange
