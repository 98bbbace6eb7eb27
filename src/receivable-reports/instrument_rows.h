// Payment instruments as the instrument lists read and print them, and an instrument's balance.
#ifndef PALUNDA_RECEIVABLE_REPORTS_INSTRUMENT_ROWS_H_
#define PALUNDA_RECEIVABLE_REPORTS_INSTRUMENT_ROWS_H_

#include <string>
#include <string_view>

#include "frame/session.h"
#include "receivable-reports/card_reports.h"
#include "receivable-reports/list_reports.h"
#include "receivable-reports/receivable_book.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace receivable_reports {

// The current GIRODBT row with its customer's name; amount is DEBET.
xbase::Status ReadInstrument(const xbase::WorkArea& girodbt, CustomerLookup& customers, InstrumentRow* row);

// DEBET of the current GIRODBT row less its uses dated up to `date`: GIROKDT rows of its number,
// receipt lines naming it (by receipt date), plus its reversing-journal rows (DEBET - KREDIT).
xbase::Status InstrumentBalance(frame::Session& session, ReceivableBook& book, const xbase::WorkArea& girodbt,
                                xbase::Date date, double* balance);

// The giro lists' window: branch, customer, period, lines per page; false after Esc.
bool AskGiroListLimits(frame::Session& session, std::string_view title, ListLimits* limits);

// A giro list's report text titled `title` with or without the clearing-date column.
ReportText GiroListText(const std::string& title, const ListLimits& limits, bool cleared);
// Adds a giro list's line (running number, number, dates, notes, amount, customer, name); the
// clearing date is left out when empty.
void AddGiroLine(ReportText* report, int number, const InstrumentRow& row, xbase::Date cleared, bool with_cleared);
// The "TOTAL :" lines of a giro list.
void AddGiroTotal(ReportText* report, double total, bool with_cleared);

// The screen of a giro list: opens its tables, asks the limits under `window` and prints the list
// built by `build` into the text made by `text`, until Esc.
xbase::Status RunGiroList(frame::Session& session, std::string_view window, const std::string& title,
                          ReportText (*text)(const ListLimits&),
                          xbase::Status (*build)(frame::Session&, const ListLimits&, ReportText*));

}  // namespace receivable_reports

#endif  // PALUNDA_RECEIVABLE_REPORTS_INSTRUMENT_ROWS_H_
