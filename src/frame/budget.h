// The posting-date window packed in LOGSETUP.BUDGET, and the margin row of a workstation in SETUP.
#ifndef PALUNDA_FRAME_BUDGET_H_
#define PALUNDA_FRAME_BUDGET_H_

#include <string>
#include <string_view>

#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace frame {

// The fields of a BUDGET text (35 characters, see ParseBudget).
struct Budget {
  xbase::Date last_start;    // positions 1-10: ZTGLBATAS
  xbase::Date process_end;   // positions 11-20: ZTGPROSES
  std::string days_after;    // positions 24-25: ZHARIBATAS, kept as text
  std::string days_before;   // positions 27-28: ZHARICETAK, kept as text
  std::string carried_30;    // positions 30-31, carried over
  std::string carried_34;    // positions 34-35, carried over
};

// Splits a BUDGET text; short texts read as blanks.
Budget ParseBudget(std::string_view text);

// The BUDGET text rewritten at the first login of a day: `today`, the process date and the four
// two-digit values re-formatted right-aligned in two places.
std::string RewriteBudget(const Budget& budget, xbase::Date today);

// The BUDGET text with positions 11-20 (the process month's last day) set to `process_end`; every other
// position keeps its bytes.
std::string WithProcessEnd(std::string_view text, xbase::Date process_end);

// Stands LOGSETUP on the first row (in its index order) whose DEFAULT is true; *found tells whether there is one.
xbase::Status FindDefaultRow(xbase::WorkArea& logsetup, bool* found);

// This workstation's printer margins and lines per page.
struct PrinterMargins {
  double left_landscape = 0;  // NLEFTMARGIN
  double left_portrait = 0;   // NRIGHTMARGIN
  double top = 0;             // NTOPMARGIN
  double bottom = 0;          // NBOTTOMMARGIN
  int lines_landscape = 45;   // NBARISLAND
  int lines_portrait = 70;    // NBARISPORT
  bool stored = false;        // read from or saved to this workstation's margin row
};

// SETUP key of a workstation's margin row: chr(238) + the first 9 characters of its name.
std::string MarginKey(std::string_view workstation);
// Reads a margin row's KET (24 characters: four "99.99" margins, two 2-digit line counts).
PrinterMargins ParseMargins(std::string_view ket);
// The KET text of a margin row.
std::string FormatMargins(const PrinterMargins& margins);

}  // namespace frame

#endif  // PALUNDA_FRAME_BUDGET_H_
