// The printed forms of the returns: the lines of each form, and their printing through the report
// engine.
#ifndef PALUNDA_RETURNS_RETURN_FORMS_H_
#define PALUNDA_RETURNS_RETURN_FORMS_H_

#include <string>
#include <string_view>
#include <vector>

#include "frame/open_table.h"
#include "frame/report_engine.h"
#include "frame/session.h"
#include "returns/draft.h"
#include "returns/return_tables.h"
#include "xbase/status.h"

namespace returns {

// Prints `lines` in pages of `per_page` lines with the control letters `controls`; true when the
// report reached a printer.
bool PrintLines(frame::Session& session, const std::vector<std::string>& lines, int per_page,
                std::string_view controls, const frame::ReportLayout& layout);

// F-MK-011, the receipt of returned goods, for the return document RTJUAL1 of `tables` stands on (its
// lines from RTJUAL2, names from MASTBRJ and MASTCUS); *net receives the net value. A line, goods or
// customer that cannot be read is the error with no lines.
xbase::Status ReturnReceiptLines(const frame::OpenedTables& tables,
                                 std::vector<std::string>* lines, double* net);

// Prints F-MK-011 for the return RTJUAL1 of `tables` stands on; when it reached a printer, registers
// the instrument (GIRODBT, its code checked in MASTJNS) and marks the return printed.
xbase::Status PrintReturnReceipt(frame::Session& session, const frame::OpenedTables& tables);

// F-MK-004, the pick-up form of a draft, with the customer's name from `customers` (MASTCUS); a
// customer that cannot be read is the error with no lines.
xbase::Status PickUpLines(xbase::WorkArea& customers, const Draft& draft, std::vector<std::string>* lines);

// The listing of the requests in the request files: those dated in the range whose number and
// customer begin with the prefixes; each with the goods names, the customer's name and open balance
// (MASTBRJ, MASTCUS and PIUTDBT of `tables`); anything that cannot be read is the error with no lines.
struct RequestFilter {
  xbase::Date from, to;
  std::string number;
  std::string customer;
};
xbase::Status RequestListLines(const frame::OpenedTables& tables, const RequestFiles& files, const RequestFilter& filter,
                               std::vector<std::string>* lines);

}  // namespace returns

#endif  // PALUNDA_RETURNS_RETURN_FORMS_H_
