// The tables a report works on, opened through frame::OpenTables, and the SETUP rows the reports
// keep their settings in.
#ifndef PALUNDA_PERFORMANCE_REPORT_TABLES_H_
#define PALUNDA_PERFORMANCE_REPORT_TABLES_H_

#include <string>
#include <string_view>
#include <vector>

#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace performance {

using frame::OpenTables;
using frame::TableUse;

// The lists of tables a report opens, joined in order into one list for OpenTables.
std::vector<TableUse> Joined(std::initializer_list<std::vector<TableUse>> lists);
// The area of table `name` open under its name, opened with its index files when it is not, its
// first index controlling; null after the open routine's message.
xbase::WorkArea* Opened(frame::Session& session, std::string_view name);

// True when `code` begins with the trimmed `prefix` (an empty prefix takes every code).
bool BeginsWith(std::string_view code, std::string_view prefix);

// The KET of the SETUP row of `key` (SETUP opened under the alias "SETUP" when it is not), trailing
// blanks cut, blank when the row is missing; *found tells whether the row exists. A row that cannot be
// read is the error, never a missing row.
xbase::Status ReadSetupText(frame::Session& session, std::string_view key, std::string* text,
                            bool* found = nullptr);
// The number written in the KET of the SETUP row of `key`; 0 when the row is missing.
xbase::Status ReadSetupNumber(frame::Session& session, std::string_view key, double* number);
// Writes `text` into the KET of the SETUP row of `key` under its lock, appending the row when missing.
xbase::Status StoreSetupText(frame::Session& session, std::string_view key, std::string_view text);

// The number in `text` from position `start` (from 1), `width` characters long; 0 when blank.
double NumberAt(std::string_view text, int start, int width);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_REPORT_TABLES_H_
