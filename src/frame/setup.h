// The company setup: the company values kept in SETUP rows chr(224) + "SET1" + nn and the process
// date in the chr(224) + "SET2" rows, edited on one form.
#ifndef PALUNDA_FRAME_SETUP_H_
#define PALUNDA_FRAME_SETUP_H_

#include <array>
#include <string>
#include <vector>

#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"
#include "xbase/work_area.h"

namespace frame {

// The values of the form: texts 1 to 13 (slot 0 unused) and the process date.
struct CompanyValues {
  std::array<std::string, 14> text;
  xbase::Date date;
};

// The width each value is edited with.
int CompanyValueWidth(int slot);

// Reads the values from the open `setup`; a value stored longer than its width is kept whole.
xbase::Status ReadCompanyValues(xbase::WorkArea& setup, CompanyValues* values);
// Writes value nn into the row chr(224) + "SET1" + nn (appended when missing) and the date as
// "dd-mm-yyyy" into every chr(224) + "SET2" row (chr(224) + "SET214" appended when there is none);
// a row another workstation holds is waited for on row 24 of `con`.
xbase::Status WriteCompanyValues(console::Console& con, xbase::WorkArea& setup, const CompanyValues& values);

// Draws the company form (INPUTAN).
void INPUTAN(Session& session);

// The company setup screen.
xbase::Status SETUP(Session& session, const std::vector<xbase::Value>& args);

}  // namespace frame

#endif  // PALUNDA_FRAME_SETUP_H_
