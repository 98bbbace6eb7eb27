// Focus items (SITEM), the daily report of a branch (LHARIAN) and the join visits of the area
// managers (BMONITOR).
#ifndef PALUNDA_PERFORMANCE_LFOKUS_H_
#define PALUNDA_PERFORMANCE_LFOKUS_H_

#include <string>
#include <vector>

#include "console/array_browse.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace performance {

xbase::Status SITEM(frame::Session& session, const std::vector<xbase::Value>& args);
// CNR: the lines of focus list `number` ("?" picks a list) as grid rows No, KODE, NAMA, GOLONGAN,
// BOX, with an empty line after them; always true.
bool CNR(frame::Session& session, std::string* number, console::ValueTable* rows);
// Saves the lines with a code of the grid as list `number`, in place of the stored ones.
xbase::Status SaveFocusList(frame::Session& session, const std::string& number, const console::ValueTable& rows);

// What the form of LHARIAN asks.
struct DailyReportParams {
  xbase::Date day;
  std::string customer, branch, warehouse;  // prefixes
  std::string excluded_salesmen;            // codes of salesmen left out
};
xbase::Status LHARIAN(frame::Session& session, const std::vector<xbase::Value>& args);
// The daily report workbook (its path in *path).
bool DailyReport(frame::Session& session, const DailyReportParams& params, std::string* path = nullptr);

// What the form of BMONITOR asks.
struct JoinVisitParams {
  xbase::Date from, to;
  std::string customer;
  bool by_group = false;  // by Induk: items grouped into their product group
};
xbase::Status BMONITOR(frame::Session& session, const std::vector<xbase::Value>& args);
// The join-visit workbook, a sheet per area manager (its path in *path).
bool JoinVisits(frame::Session& session, const JoinVisitParams& params, std::string* path = nullptr);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_LFOKUS_H_
