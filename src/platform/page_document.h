// Pages for the page printer, drawn as PDF on Legal paper in DejaVu Sans Mono, a monospace font
// that has the code page's box and block characters.
#ifndef PALUNDA_PLATFORM_PAGE_DOCUMENT_H_
#define PALUNDA_PLATFORM_PAGE_DOCUMENT_H_

#include <string>
#include <vector>

#include "xbase/status.h"

namespace platform {

inline constexpr const char* kPageFont = "DejaVu Sans Mono";
inline constexpr double kLegalWidthPoints = 612;    // 8.5 inches
inline constexpr double kLegalHeightPoints = 1008;  // 14 inches

// One printed line: code page 437 text and its font size in points (12 when 0).
struct PrintLine {
  std::string text;
  double points = 0;
};
using PrintPage = std::vector<PrintLine>;

// Paper layout of a print.
struct PageSetup {
  int columns = 80;  // the report width: a line of this many characters fits between the margins
  double left_mm = 0;
  double right_mm = 0;
  double top_mm = 0;
  double bottom_mm = 0;

  // Legal paper turned sideways for reports wider than 130 columns.
  bool landscape() const { return columns > 130; }
};

// Draws each page on one Legal sheet (landscape as the setup says) from the top margin down, one
// line a font size apart, each line without its trailing blanks and narrowed where `columns`
// characters of its size would not fit between the margins; the PDF bytes go to `pdf`.
xbase::Status DrawPdf(const std::vector<PrintPage>& pages, const PageSetup& setup, std::string* pdf);

}  // namespace platform

#endif  // PALUNDA_PLATFORM_PAGE_DOCUMENT_H_
