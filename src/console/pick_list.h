// The "?" pick list over the current table, with incremental search on its search line.
#ifndef PALUNDA_CONSOLE_PICK_LIST_H_
#define PALUNDA_CONSOLE_PICK_LIST_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "console/record_browse.h"
#include "xbase/status.h"
#include "xbase/value.h"
#include "xbase/work_area.h"

namespace console {

struct PickListOptions {
  // The browse window; the raised frame goes one row and column outside it, two below and
  // to the right, and the search line is the row below the window.
  int top = 0, left = 0, bottom = 0, right = 0;
  // The field expressions shown, and their heads (the expressions themselves when empty).
  std::vector<std::string> expressions;
  std::vector<std::string> heads;
  // The expression (from 1) whose value is returned.
  int result = 1;
  // The text sought first.
  std::string seek;
  std::string colour = "W+/b";
  std::string mono = "W+/w";
  // Columns computed by the caller (a field of a related table), shown after the expressions'.
  std::vector<RecordColumn> computed;
};

// Position the area on a key of its controlling index (a soft seek); true when found.
using Seeker = std::function<bool(std::string_view key)>;

// Browse the area's records from the seek text (the last record when it is not found). Typed
// characters (32..126) extend the search text, Backspace shortens it, and each change seeks the
// upper-cased text again; the line "Dicari :" + the text shows it. Enter or Esc ends; *chosen
// takes the chosen expression's value on the record left current (also after Esc: the caller
// tells by the last key), *search the search text. The screen and colours are put back.
xbase::Status BANTUAN(Console& con, xbase::WorkArea& area, const PickListOptions& options, const Seeker& seek,
                      xbase::Value* chosen, std::string* search = nullptr);

}  // namespace console

#endif  // PALUNDA_CONSOLE_PICK_LIST_H_
