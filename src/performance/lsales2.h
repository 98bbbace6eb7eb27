// Sales split into chosen salesmen and "SALES LAIN": per goods group and product family (LSALES)
// and per customer (LSLBM).
#ifndef PALUNDA_PERFORMANCE_LSALES2_H_
#define PALUNDA_PERFORMANCE_LSALES2_H_

#include <string>
#include <vector>

#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace performance {

struct SalesSplitParams {
  std::string customer, type, group;  // prefixes (LSALES the type, LSLBM the customer group)
  xbase::Date from, to;
  std::vector<std::string> salesmen;  // the chosen ones, in form order
  bool value = false;                 // LSLBM: Output V (value / 1000), else cartons
};

// Figures of a row: total cartons and value / 1000, SALES LAIN's, then each chosen salesman's.
using SplitFigures = std::vector<double>;

xbase::Status LSALES(frame::Session& session, const std::vector<xbase::Value>& args);
// The goods-group table (first) and family table (second) of LSALES; false after a message.
bool SalesByGroup(frame::Session& session, const SalesSplitParams& params, std::vector<SplitFigures>* groups,
                  std::vector<SplitFigures>* families);
// The printout of both tables; true when it reached a printer.
bool PrintSalesByGroup(frame::Session& session, const SalesSplitParams& params, const std::vector<SplitFigures>& groups,
                       const std::vector<SplitFigures>& families);
// The workbook of both tables (its path in *path).
bool SalesByGroupBook(frame::Session& session, const SalesSplitParams& params, const std::vector<SplitFigures>& groups,
                      const std::vector<SplitFigures>& families, std::string* path = nullptr);

xbase::Status LSLBM(frame::Session& session, const std::vector<xbase::Value>& args);
// The text report per customer; true when it reached a printer.
bool SalesByCustomer(frame::Session& session, const SalesSplitParams& params);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_LSALES2_H_
