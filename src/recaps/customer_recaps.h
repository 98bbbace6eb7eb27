// What the customer and salesman recaps share: the answers of their boxes, the unit figure of a recap
// row, and the labels of customers, outlet groups and salesmen.
#ifndef PALUNDA_RECAPS_CUSTOMER_RECAPS_H_
#define PALUNDA_RECAPS_CUSTOMER_RECAPS_H_

#include <map>
#include <utility>
#include <vector>
#include <string>
#include <string_view>

#include "frame/open_table.h"
#include "frame/session.h"
#include "recaps/matrix_sheet.h"
#include "recaps/product_lookup.h"
#include "recaps/recap_report.h"
#include "xbase/date.h"
#include "xbase/work_area.h"

namespace recaps {

// The fields a box asks besides the branch.
enum AskField : unsigned {
  kAskCustomer = 1,     // "Relasi": a customer code prefix
  kAskSalesman = 2,     // "Sales": a salesman code prefix
  kAskMerge = 4,        // "Kel. Relasi": customers of an outlet group as the group
  kAskRange = 8,        // "periode" ... "s/d"; without it "periode s/d" alone
  kAskUnit = 16,        // "Output" B (cartons) or V (value)
  kAskIncludes = 32,    // "Include TN", "Cross Doc"
  kAskExcept = 64,      // "Kecuali rls": customers left out
  kAskGroupText = 128,  // "Kelompok": a product line prefix
};

struct Answers {
  std::string branch = std::string(6, ' ');
  std::string branch_name;
  std::string customer = std::string(10, ' ');
  std::string salesman = std::string(4, ' ');
  std::string group_text = std::string(10, ' ');
  std::string except = std::string(10, ' ');
  bool merge = false;
  bool include_tn = false;
  bool include_cd = false;
  std::string unit = "B";
  xbase::Date from;
  xbase::Date to;

  // The months of the answer: from..to, or January to the month of `to`.
  MonthRange Range() const;
  // The figure of the unit asked (JL_, with TN_ and CD_ when asked) of the current recap row.
  double Figure(const xbase::WorkArea& row) const;
  // " (INCLUDE TIDAK NORMAL)" and " (INCLUDE CROSS DOC)" as asked.
  std::string IncludedText() const;
};

// Asks the branch and the fields of `fields` in a box titled `title`; false after Esc or without a
// date. `group_label` names the product line field.
bool AskAnswers(frame::Session& session, const std::string& title, unsigned fields, Answers* answers,
                const std::string& group_label = "Kelompok    :");

// The row labels of customers (or their outlet groups) and salesmen from MASTCUS, OTL_MBR, OTL_GRP
// and MASTSLS of `tables` (as OpenLabelTables opens them).
class Labels {
 public:
  explicit Labels(const frame::OpenedTables& tables) : tables_(tables) {}
  struct Label {
    std::string key, code, name, city;
  };
  // A customer, or with `merge` the outlet group it belongs to. When the customer's outlet membership
  // cannot be read, the customer himself, and status() tells the failure.
  Label Customer(const std::string& code, bool merge);
  // A salesman under his code, or with `old_code` under KD_LAMA when that is set.
  Label Salesman(const std::string& code, bool old_code = false);
  // The first read of an outlet membership that failed: the rows labelled are then not to be shown,
  // since a customer's figures may belong under his group's row.
  const xbase::Status& status() const { return status_; }

 private:
  const frame::OpenedTables& tables_;
  xbase::Status status_;
  std::map<std::string, Label> customers_[2];
  std::map<std::string, Label> salesmen_[2];
};

// The salesmen still working (TG_OUT empty) whose code begins with the trimmed `prefix` and, when
// `group` is not empty, whose KELOMPOK is empty or begins with its first two characters; as matrix
// columns keyed by code and headed by name (MASTSLS among `tables`).
xbase::Status ActiveSalesmen(const frame::OpenedTables& tables, std::string_view prefix, std::string_view group,
                             std::vector<std::pair<std::string, std::string>>* salesmen);

// The coverage lines (PATRON with PP) as matrix columns.
struct CoverageColumns {
  ProductLookup products;
  std::vector<Matrix::Column> columns;
  // Reads the product lines (PATRON and PATRON2 among `tables`).
  xbase::Status Load(const frame::OpenedTables& tables);
  // The column an item counts in, empty when its coverage line is not one of the columns.
  std::string ColumnOf(const std::string& item) const;
};

// The tables of the customer and salesman recaps (the masters their labels and product lines come
// from), and after them the report's own `tables`.
frame::OpenedTables OpenLabelTables(frame::Session& session, std::vector<frame::TableUse> tables);

}  // namespace recaps

#endif  // PALUNDA_RECAPS_CUSTOMER_RECAPS_H_
