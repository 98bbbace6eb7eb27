// The stock-taking figures of item and warehouse pairs: the stock at the stock-taking date from the
// movement lines, the movements after it, the counted pieces of the tags, and the opname adjustment
// that books the difference.
#ifndef PALUNDA_STOCK_OPNAME_H_
#define PALUNDA_STOCK_OPNAME_H_

#include <functional>
#include <string>
#include <vector>

#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace stock {

struct OpnamePair {
  std::string code;
  std::string warehouse;
  std::string name;       // the goods' NAMA
  double price = 0;       // the goods' HARGA4
  double per_carton = 0;  // the goods' DOS
  double average = 0;     // the warehouse row's HRG_RATA, then that of the last adjustment or receipt up to the date
  double at_date = 0;     // signed movements dated on or before the date
  double later = 0;       // signed movements dated after it
  double counted = 0;     // the tags' JUMLAH
  bool has_row = false;   // a STOKBRG row exists
};

// The tables the variance report and the adjustment read (AJUST writes JUSTMEN, STOKBRG, MASTBRJ, SETUP).
// What follows takes them as the screen opened them.
std::vector<frame::TableUse> OpnameTables();

// The pairs of STOKBRG rows whose code and warehouse begin with the prefixes, then the pairs found only
// in the tags, each with its figures at `date`.
xbase::Status OpnamePairs(frame::Session& session, const frame::OpenedTables& tables, std::string_view code,
                          std::string_view warehouse, xbase::Date date, std::vector<OpnamePair>* pairs);

// The date of the first tag in code order (empty without tags).
xbase::Date FirstTagDate(const frame::OpenedTables& tables);

// The adjustment at `date`: per pair a JUSTMEN row "STOP" + yyyymmdd for a difference between the
// count and the stock at the date; the warehouse row set to the count plus the later movements; the
// goods master's quantity to the sum of its warehouse rows; SETUP "ADJUSTMENT" to the date. One save:
// the stock and goods tables are locked whole first and the pairs counted under the locks; Esc while
// waiting for them writes nothing and says so. `progress` is told each pair.
xbase::Status AdjustToCount(frame::Session& session, const frame::OpenedTables& tables, std::string_view code,
                            std::string_view warehouse, xbase::Date date,
                            const std::function<void(const OpnamePair&)>& progress = {});

}  // namespace stock

#endif  // PALUNDA_STOCK_OPNAME_H_
