// Writes the empty transfer tables into a new data folder's transfer folder.
#include "site/transfer_tables.h"

#include "exchange/exchange.h"
#include "receivables/receivables.h"
#include "returns/returns.h"
#include "schema/catalog.h"
#include "schema/create_table.h"

namespace site {

xbase::Status MakeTransferTables(const std::string& folder) {
  xbase::Status s = receivables::CreateRevisionFiles(folder);
  if (s.ok()) s = receivables::CreateGiroTransferFile(folder);
  if (s.ok()) s = receivables::CreateJournalTransferFile(folder);
  if (s.ok()) s = returns::CreateRequestFiles(folder);
  if (s.ok()) s = exchange::CreateRevisionTables(folder);
  for (const char* table : {"PEB_HDR", "PEB_DTL", "PEB_MST"}) {
    if (s.ok()) s = schema::CreateTable(*schema::FindTable(table), folder);
  }
  return s;
}

}  // namespace site
