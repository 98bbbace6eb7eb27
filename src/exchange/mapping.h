// Sending the printed invoices and returns of a date range, with the masters they name, to the head
// office's MySQL database: one server transaction per document on one connection for the run.
#ifndef PALUNDA_EXCHANGE_MAPPING_H_
#define PALUNDA_EXCHANGE_MAPPING_H_

#include <string>
#include <vector>

#include "exchange/mysql_statements.h"
#include "exchange/sql_link.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace exchange {

// What one run sent.
struct MappingResult {
  int sent = 0;             // documents the server took
  int already_there = 0;    // documents already on the server, left as they were
  int refused = 0;          // documents refused or not sent (nothing of them stays on the server)
  int masters_refused = 0;  // documents that went, or were there, whose masters the server refused
  std::string error;        // the whole text of the first refusal
};

// INSERTINVOICE: the masters of `document` (from MASTBRJ, MASTCUS, RELASI_EXT, DT_NPWP and MASTSLS of
// `tables`) and the document itself in one transaction on `link`, connected first when it is not (the
// tables made when missing). Refused masters are taken back and the document goes all the same; a
// document already on the server is left as it is. A refusal is counted in `result` and closes the
// link, so the next document connects afresh; the status fails only when the local tables fail.
xbase::Status INSERTINVOICE(const frame::OpenedTables& tables, const SqlDocument& document, SqlLink& link,
                            MappingResult* result);

// Sends the printed invoices and returns dated from `first` to `last` (the tables of the transfer are
// opened here and closed at the end; the link is closed at the end).
xbase::Status SendToDatabase(frame::Session& session, xbase::Date first, xbase::Date last, SqlLink& link,
                             MappingResult* result);

// The lines of the result box: the four counts, then the first refusal.
std::vector<std::string> ResultLines(const MappingResult& result);

}  // namespace exchange

#endif  // PALUNDA_EXCHANGE_MAPPING_H_
