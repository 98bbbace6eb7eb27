// The product recaps of a branch written through a product tree: against target at a date, or month
// by month through a year; over the PATRON lines or grouped by brand licence.
#ifndef PALUNDA_RECAPS_PRODUCT_REPORT_H_
#define PALUNDA_RECAPS_PRODUCT_REPORT_H_

#include <string>

#include "frame/session.h"
#include "xbase/status.h"

namespace recaps {

struct ProductReport {
  std::string box_title;
  bool monthly = false;     // asks a year and writes the months of two years; else a date and targets
  bool by_licence = false;  // licences of LICENS1 with their LICENS2 items; else the PATRON tree
  std::string file_title;   // names the workbook
  std::string heading;      // the first title line, followed by the branch code and name
  int grand_total_fill = 0;
  int leaf_total_fill = 0;  // the "JUMLAH " rows of the detail
};

// Runs the report's box until Esc: per answer the figures once, then a workbook per "OUTPUT EXCELL".
xbase::Status RunProductReport(frame::Session& session, const ProductReport& report);

}  // namespace recaps

#endif  // PALUNDA_RECAPS_PRODUCT_REPORT_H_
