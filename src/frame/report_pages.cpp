// A report kept in memory as its pages of lines, handed to the report engine in one go.
#include "frame/report_pages.h"

namespace frame {

bool PrintPages(Session& session, const ReportPages& pages, const ReportLayout& layout) {
  ReportWriter report(session);
  if (!report.Start()) return false;
  for (const ReportPage& page : pages) {
    if (!report.NewPage()) return false;
    for (const ReportLine& line : page) {
      if (!report.Line(line.text, line.controls, line.font)) return false;
    }
  }
  return report.Print(layout);
}

}  // namespace frame
