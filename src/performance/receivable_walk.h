// The receivables of the incentive and receivable evaluations: each invoice's balance at the
// period start and its settlement lines of the period.
#ifndef PALUNDA_PERFORMANCE_RECEIVABLE_WALK_H_
#define PALUNDA_PERFORMANCE_RECEIVABLE_WALK_H_

#include <functional>
#include <string>
#include <vector>

#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"

namespace performance {

// What a receivable is to a period: an earlier invoice due by its end (the target receivables),
// an earlier invoice due after it, or an invoice of the period.
enum class ReceivableKind { kTarget, kEarlierCash, kPeriodCash };

struct Receivable {
  std::string invoice, customer, type, salesman, branch;
  xbase::Date date, due;
  double opening = 0;  // DEBET and the later debits less credits and settlements before the period
  ReceivableKind kind = ReceivableKind::kTarget;
  // True when only 35 % of the opening balance counts as target: types beginning with one of
  // `types` ("KS", "RT" or "R") or no due date.
  bool Reduced(const std::vector<std::string_view>& types) const;
};

struct Settlement {
  std::string code;    // KD_TT
  std::string option;  // OPSI of the code's MASTJNS row
  double amount = 0;   // KREDIT
  xbase::Date date;    // of the receipt
};

struct ReceivableFilter {
  xbase::Date from, to;
  std::string customer;           // prefix
  std::string type;               // prefix
  std::string excluded_types;     // a receivable whose type occurs in it is left out
  std::string excluded_customers; // a customer whose code begins with one of these characters is left out
};

// The tables ForEachReceivable reads (PIUTDBT, PIUTJBL, PIUTKR1, PIUTKR2, MASTJNS).
std::vector<frame::TableUse> ReceivableTableUses();

// Every receivable of the filter dated up to the end, with its settlement lines of the period (the
// tables of ReceivableTableUses among `tables`); false after a message on row 24 when a table could
// not be read.
bool ForEachReceivable(frame::Session& session, const frame::OpenedTables& tables, const ReceivableFilter& filter,
                       const std::function<void(const Receivable&, const std::vector<Settlement>&)>& visit);

// True when a sale type occurs in the list of excluded types.
bool TypeExcluded(std::string_view type, std::string_view excluded);
// True when a customer's code begins with one of the characters of `excluded`.
bool CustomerExcluded(std::string_view customer, std::string_view excluded);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_RECEIVABLE_WALK_H_
