// The limits window of the receivables reports, the choice of output and the opening of their tables.
#ifndef PALUNDA_RECEIVABLE_REPORTS_LIMITS_FORM_H_
#define PALUNDA_RECEIVABLE_REPORTS_LIMITS_FORM_H_

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "console/get.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/status.h"

namespace receivable_reports {

// One labelled field of the window.
struct Limit {
  std::string label;
  console::GetField::Target target;
  std::string picture;
  std::function<bool()> valid = {};
};

// The shadowed window titled `title` with the labels ending before column 40 and the fields at
// column 40 from row 7; false after Esc. The screen under it is put back.
bool AskLimits(frame::Session& session, std::string_view title, std::vector<Limit> fields);

// The check of a customer field that must name a customer (LCGETCUSTOMER over `mastcus`).
std::function<bool()> CustomerCheck(frame::Session& session, std::string* customer);

enum class Media { kPrinter, kExcel, kNone };
// "PILIHAN MEDIA LAPORAN": "Printer", "Excel" or "Keluar" (Esc too).
Media AskMedia(frame::Session& session);
// A two-way output question with the given choices: 1 for the first, 2 for the second, 0 for Esc.
int AskChoice(frame::Session& session, std::string_view question, const std::vector<std::string>& choices);

// Shows a failed status on row 24; true when it is OK.

// A text field of `width` blanks, for the windows' code answers.
inline std::string Blank(int width) { return std::string(static_cast<size_t>(width), ' '); }

}  // namespace receivable_reports

#endif  // PALUNDA_RECEIVABLE_REPORTS_LIMITS_FORM_H_
