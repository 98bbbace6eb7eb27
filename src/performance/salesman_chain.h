// The salesman of a document in the sales-performance reports and his superiors: the salesman's
// DTSALES row of the document's month, searched back month by month to a cut-off date, else his
// MASTSLS row; merged into his group code when asked; then the same for his superior, and so on.
#ifndef PALUNDA_PERFORMANCE_SALESMAN_CHAIN_H_
#define PALUNDA_PERFORMANCE_SALESMAN_CHAIN_H_

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "frame/open_table.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace performance {

// A code the reports count for: the salesman or group code, name, job title and superior.
struct SalesmanEntry {
  std::string code, name, title, superior;
  // GETLEVELSALES(title) + code + superior: the order the reports list the entries in.
  std::string sort_key() const;
};

class SalesmanChains {
 public:
  // Reads DTSALES and MASTSLS of `tables`; rows of months ending before `cutoff` are not searched.
  SalesmanChains(const frame::OpenedTables& tables, xbase::Date cutoff, bool merge);

  // The codes a document of `salesman` dated `date` counts for: the salesman's, then each
  // superior's; each has an entry afterwards. A superior met a second time ends the chain. After a
  // read that failed, none (see status()).
  const std::vector<std::string>& Resolve(std::string_view salesman, xbase::Date date);
  // The first read of DTSALES or MASTSLS that failed: the codes resolved are then not to be reported.
  const xbase::Status& status() const { return status_; }

  // The entry of a code, null when it was never resolved.
  const SalesmanEntry* Find(std::string_view code) const;
  // Every entry whose code begins with the trimmed `prefix` (all when it is empty), in sort-key order.
  std::vector<const SalesmanEntry*> Sorted(std::string_view prefix = {}) const;

 private:
  struct Level {
    SalesmanEntry entry;
    xbase::Date month;  // where the DTSALES row was found (the document's month without one)
  };
  xbase::Status Lookup(const std::string& salesman, xbase::Date month, Level* level);

  const frame::OpenedTables& tables_;
  xbase::Date cutoff_;
  bool merge_;
  std::map<std::string, SalesmanEntry> entries_;
  std::map<std::string, std::vector<std::string>> chains_;  // by salesman + "YYYYMM"
  xbase::Status status_;
};

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_SALESMAN_CHAIN_H_
