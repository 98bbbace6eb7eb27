// PKTOUR "LAPORAN PAKET TOUR SALESMAN": the tour-package items sold to a customer prefix, split into
// up to 14 chosen salesmen and "SALES LAIN", remembered per customer prefix.
#ifndef PALUNDA_PERFORMANCE_PKTOUR_H_
#define PALUNDA_PERFORMANCE_PKTOUR_H_

#include <string>
#include <vector>

#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace performance {

// The SETUP key of the remembered salesmen.
inline constexpr std::string_view kTourKey = "LAPPAKET";

xbase::Status PKTOUR(frame::Session& session, const std::vector<xbase::Value>& args);

// The workbook of the package items (its path in *path); `salesmen` as the form holds them.
bool TourPackage(frame::Session& session, const std::string& customer, xbase::Date from, xbase::Date to,
                 const std::vector<std::string>& salesmen, std::string* path = nullptr);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_PKTOUR_H_
