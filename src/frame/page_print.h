// Printing on a page printer of this machine (CUPS): the printer choice, the print form, and
// each page drawn in a monospace font on Legal paper, sent as a job of its own.
#ifndef PALUNDA_FRAME_PAGE_PRINT_H_
#define PALUNDA_FRAME_PAGE_PRINT_H_

#include <string>
#include <vector>

#include "frame/report_engine.h"
#include "frame/session.h"
#include "platform/page_document.h"

namespace frame {

inline constexpr const char* kNoPrinters = "No printers installed - Cannot continue";

// The paper layout of a report `width` columns wide with this workstation's margins (in
// centimetres): the landscape or portrait left margin by the width, the top and bottom margins.
platform::PageSetup ReportPageSetup(const Session& session, int width);
// The pages a page printer gets for pages `range` of the report: two empty lines, the report's
// lines in their font sizes (12 points for 0), the signature box after the report's last page
// when asked for, and a footer in 7 points.
bool ReportPrintPages(Session& session, const std::string& base, int first, int last, int pages,
                      bool signature_box, std::vector<platform::PrintPage>* printed);

// PRINTWINDOWS: lets the user choose a printer (the default preselected) and prints the report
// through PRNTEST; true only when its pages reached the printer.
bool PRINTWINDOWS(Session& session, const std::string& base, const ReportLayout& layout, int pages);
// PRNTEST: the print form (page range, copies, the font) and the print on `printer`.
bool PRNTEST(Session& session, const std::string& printer, const std::string& base, const ReportLayout& layout,
             int pages);
// _DIRECTPRINT: prints `lines` (12 points) as one job on a chosen printer after "Yakin akan
// mencetak FORM"; true when they reached it.
bool DIRECTPRINT_(Session& session, const std::vector<std::string>& lines, bool landscape);
// The same for a form of several pages, each page's lines on a sheet of its own, as one job.
bool DirectPrintPages(Session& session, const std::vector<std::vector<std::string>>& pages, bool landscape);

}  // namespace frame

#endif  // PALUNDA_FRAME_PAGE_PRINT_H_
