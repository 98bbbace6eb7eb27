// Sales targets: the master target lists (MTGT), a salesman's carton targets (TGMG), targets
// against realised sales per salesman, product group and week (_TSLS) and each salesman's sales
// per product-group column (RBYSALES).
#ifndef PALUNDA_PERFORMANCE_TGTSLS_H_
#define PALUNDA_PERFORMANCE_TGTSLS_H_

#include <string>
#include <vector>

#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace performance {

// What the forms of _TSLS and RBYSALES ask.
struct SalesmanReportParams {
  std::string branch;    // KODE CABANG (_TSLS)
  std::string customer;  // customer-code prefix
  xbase::Date from, to;
  bool merge = true;     // Gabung Sales
};

// MTGT "MASTER TARGET per SALES".
xbase::Status MTGT(frame::Session& session, const std::vector<xbase::Value>& args);
// Saves the master list of branch + target code: its groups in order, the header with NOTES and
// today's date, or no header when no group is left.
xbase::Status SaveTargetList(frame::Session& session, const std::string& branch, const std::string& code,
                             const std::string& notes, const std::vector<std::string>& groups);
// The MTGT check of a group code against the others of the list (from 0, `row` being its own):
// "" when it may stand, else the refusal.
std::string TargetGroupClash(const std::vector<std::string>& groups, size_t row);

// TGMG "INPUT TARGET per SALES".
xbase::Status TGMG(frame::Session& session, const std::vector<xbase::Value>& args);
// One group's target of a salesman.
struct GroupTarget {
  std::string group;
  double cartons = 0;
  double quantity = 0;
};
// Saves the targets of a salesman for a date: rows with cartons, in place of the stored ones.
xbase::Status SaveSalesmanTargets(frame::Session& session, const std::string& branch, const std::string& salesman,
                                  xbase::Date date, const std::string& code, const std::vector<GroupTarget>& targets);
// The carton size TGMG converts with: DOS of the first item of the group, 0 without one. A member or
// item that cannot be read is the error.
xbase::Status GroupCartonSize(frame::Session& session, const std::string& group, double* size);

// _TSLS "OMSET & TARGET by SALES".
xbase::Status TSLS_(frame::Session& session, const std::vector<xbase::Value>& args);
// Compares and shows the workbook (its path in *path); false when there was nothing to show.
bool TargetAgainstSales(frame::Session& session, const SalesmanReportParams& params, std::string* path = nullptr);

// RBYSALES "REKAP GROUP By SALES".
xbase::Status RBYSALES(frame::Session& session, const std::vector<xbase::Value>& args);
// The column of a product group code: "SS ZOLA", ..., "LAIN2".
std::string GroupColumn(std::string_view group);
// Recaps and shows the workbook (its path in *path).
bool GroupsBySalesman(frame::Session& session, const SalesmanReportParams& params, std::string* path = nullptr);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_TGTSLS_H_
