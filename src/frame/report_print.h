// What the dot-matrix and the page printing of a report share: the page range typed as "3-",
// "2" or "1-5", the print form, the signature box and the footer of each page.
#ifndef PALUNDA_FRAME_REPORT_PRINT_H_
#define PALUNDA_FRAME_REPORT_PRINT_H_

#include <string>
#include <string_view>
#include <vector>

#include "console/clock.h"
#include "frame/session.h"

namespace frame {

// Pages first to last (from 1); nothing when first > last.
struct PageRange {
  int first = 1;
  int last = 0;
  bool empty() const { return first > last; }
};

// DARIPAGE and SAMPAIPAGE: the last "-" splits the text; the first page is the number before it
// (the whole text without one), at least 1; the last page the number after it, the report's last
// page when that is 0 or missing, the first page when there is no "-". A text whose value is 0
// names no page, and pages past the report's last are left out.
PageRange ParsePageRange(std::string_view text, int pages);
// The range a print form offers: "1-" + the number of pages followed by 5 blanks.
std::string RangePreset(int pages);

// The fields of a print form.
struct PrintChoice {
  std::string range;
  double copies = 1;
  bool stop = false;
};

// Draws the print form: a shadowed box on rows 8 to 15 with the title and three labels, centred
// from row 9 (the labels padded to the title's width).
void DrawPrintForm(Session& session, std::string_view title, const std::vector<std::string_view>& labels);
// The colour of the print form's texts and fields.
std::string_view PrintFormColour(Session& session);

// The footer of every printed page: "Halaman : p/n  dicetak Tgl. dd-mm-yyyy, hh:mm:ss".
std::string PageFooter(int page, int pages, const console::ClockReading& now);
// The signature box after the report's last page on the dot matrix (seven lines).
const std::vector<std::string>& DotMatrixSignatureBox();
// The signature box after the report's last page on the page printer (seven lines).
const std::vector<std::string>& PageSignatureBox();

// "Laporan terkirim ke " + where a print went, on row 24 until a key.
void ShowDelivery(Session& session, const std::string& place);

}  // namespace frame

#endif  // PALUNDA_FRAME_REPORT_PRINT_H_
