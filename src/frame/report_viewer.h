// The report viewer: a report's pages on the screen, one at a time, with its head kept in place
// and the body scrolled up, down and sideways.
#ifndef PALUNDA_FRAME_REPORT_VIEWER_H_
#define PALUNDA_FRAME_REPORT_VIEWER_H_

#include <string>

#include "frame/report_engine.h"
#include "frame/session.h"

namespace frame {

// LAPORANTENAN: shows the report from page 1 until Esc. Up and Down move a line, PgUp and PgDn
// twenty, Left and Right a column (Ctrl: ten), Home and End to the first and last column, Ctrl+PgUp
// and Ctrl+PgDn to the previous and next page, Ctrl+Enter to a typed page; "+" and "-" change the
// frozen columns, keypad Ctrl+Plus and Ctrl+Minus the first body row; F1 shows the keys. The
// screen is put back afterwards.
void LAPORANTENAN(Session& session, const std::string& base, int pages, const ReportLayout& layout);

}  // namespace frame

#endif  // PALUNDA_FRAME_REPORT_VIEWER_H_
