// A report kept in memory as its pages of lines, handed to the report engine in one go.
#ifndef PALUNDA_FRAME_REPORT_PAGES_H_
#define PALUNDA_FRAME_REPORT_PAGES_H_

#include <vector>

#include "frame/report_engine.h"
#include "frame/session.h"

namespace frame {

using ReportPages = std::vector<ReportPage>;

// Writes the pages through the report engine and runs the output dialog: true when the report
// reached a printer.
bool PrintPages(Session& session, const ReportPages& pages, const ReportLayout& layout);

}  // namespace frame

#endif  // PALUNDA_FRAME_REPORT_PAGES_H_
