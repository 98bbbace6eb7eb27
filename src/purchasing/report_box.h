// The parameter box of the purchase reports: a box centred from row 5 with its title and labelled
// fields, read as one form.
#ifndef PALUNDA_PURCHASING_REPORT_BOX_H_
#define PALUNDA_PURCHASING_REPORT_BOX_H_

#include <functional>
#include <string>
#include <vector>

#include "console/get.h"
#include "frame/session.h"

namespace purchasing {

struct ReportField {
  int row;
  std::string label;  // ends at column 39; the field starts at column 41
  console::GetField::Target target;
  std::string picture = {};
  std::function<bool()> valid = {};
  bool read_only = false;  // shown, not entered
};

// The colours of a box: its own and its fields', on a colour and on a monochrome screen.
struct BoxColours {
  std::string colour, fields, mono, mono_fields;
};
inline const BoxColours kCyanBox{"W+/bg", "Gr+/bg,W+/r+", "W/w", "W+/w,W/n"};
inline const BoxColours kBlackBox{"W/n", "Gr+/n,Gr+/r", "W/n", "Gr+/n,Gr+/r"};

// Draws the box with `title` on row 6 and the fields, then reads them; false after Esc.
bool AskReport(frame::Session& session, const std::string& title, const BoxColours& colours,
               std::vector<ReportField> fields);

}  // namespace purchasing

#endif  // PALUNDA_PURCHASING_REPORT_BOX_H_
