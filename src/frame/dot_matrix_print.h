// Printing a report on the dot-matrix printer: the print form (page range, copies, stop after
// each page) and the ESC/P byte stream of each page, sent through the workstation's sink.
#ifndef PALUNDA_FRAME_DOT_MATRIX_PRINT_H_
#define PALUNDA_FRAME_DOT_MATRIX_PRINT_H_

#include <string>
#include <vector>

#include "console/clock.h"
#include "frame/report_engine.h"
#include "frame/session.h"

namespace frame {

// Lines wider than this are cut on the dot matrix.
inline constexpr int kDotMatrixColumns = 237;

// CETAKLAPORAN: the bytes of page `page` of `pages`: each line as the left margin's blanks, its
// opening codes, its text (the first 237 - margin characters in reports wider than 237, else
// without trailing blanks), its closing codes and CR LF; on the report's last page the signature
// box when asked for; then the condensed footer and a form feed.
std::string DotMatrixPage(const ReportPage& lines, const ReportLayout& layout, int page, int pages,
                          const console::ClockReading& now);

// CETAKPRINTER: the dot-matrix print form and the print. True only when the pages asked for
// reached the printer; Esc, a range of 0, any answer but Enter to the question, a missing page
// table or a sink that refuses give false (after a message where there is something to say).
bool CETAKPRINTER(Session& session, const std::string& base, int pages, const ReportLayout& layout);

// Sends the raw bytes of a form (already laid out with its own codes) as one dot-matrix job named
// `title`. True when they reached the printer, after saying where; a refusal is shown on row 24.
bool PrintRawForm(Session& session, const std::string& title, const std::string& bytes);

// Sends the pages of a form one job each, asking "tekan sembarang tombol u/ lanjut" between two
// pages (the next sheet goes in). True only when every page reached the printer.
bool PrintRawPages(Session& session, const std::string& title, const std::vector<std::string>& pages);

}  // namespace frame

#endif  // PALUNDA_FRAME_DOT_MATRIX_PRINT_H_
