// The document counters of the SETUP table: each kind's key and the value a new data folder starts it at.
#ifndef PALUNDA_SITE_SITE_COUNTERS_H_
#define PALUNDA_SITE_SITE_COUNTERS_H_

#include <span>
#include <string>
#include <string_view>

namespace site {

// One kind of numbered document.
struct SiteCounter {
  const char* prefix;    // the SETUP key, or its start when the branch code follows
  bool per_branch;       // the branch code follows the prefix in the key
  const char* start;     // KET of a new counter: the number before the first document
  const char* document;  // what it numbers
  // The table whose NOMOR holds the numbers, by branch in KDCB, when the numbers are checked against
  // the counter; null when they are not (several kinds share a table, or the numbers carry more).
  const char* numbered = nullptr;
};

// Every counter kind, in the order a new data folder writes them.
std::span<const SiteCounter> SiteCounters();

// The SETUP key of a counter of `branch` (the six-character branch code, padded with blanks).
std::string SiteCounterKey(const SiteCounter& kind, std::string_view branch);

}  // namespace site

#endif  // PALUNDA_SITE_SITE_COUNTERS_H_
