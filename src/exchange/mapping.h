// Sending the printed invoices and returns of a date range, with the masters they name, to the head
// office's MySQL database: two batches per document, each in a transaction on a fresh connection.
#ifndef PALUNDA_EXCHANGE_MAPPING_H_
#define PALUNDA_EXCHANGE_MAPPING_H_

#include <functional>
#include <memory>
#include <string>

#include "exchange/mysql_statements.h"
#include "exchange/sql_link.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace exchange {

// Makes a fresh link for each batch.
using LinkMaker = std::function<std::unique_ptr<SqlLink>()>;

// What one run sent.
struct MappingResult {
  int sent = 0;       // documents whose batch the server took
  int failed = 0;     // documents whose batch was refused or not sent
  std::string error;  // the first refusal
};

// INSERTINVOICE: the master batch then the document batch of `document`, each by QUERYCOMMAND; the
// masters are taken from the open MASTBRJ, MASTCUS, RELASI_EXT, DT_NPWP and MASTSLS.
xbase::Status INSERTINVOICE(frame::Session& session, const SqlDocument& document, const LinkMaker& link);

// Sends the printed invoices and returns dated from `first` to `last` (the tables of the transfer are
// opened here and closed at the end).
xbase::Status SendToDatabase(frame::Session& session, xbase::Date first, xbase::Date last, const LinkMaker& link,
                             MappingResult* result);

}  // namespace exchange

#endif  // PALUNDA_EXCHANGE_MAPPING_H_
