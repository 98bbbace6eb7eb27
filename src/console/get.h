// GET/READ: a form of edit fields on the screen, read one field after the other.
#ifndef PALUNDA_CONSOLE_GET_H_
#define PALUNDA_CONSOLE_GET_H_

#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "console/console.h"
#include "xbase/date.h"
#include "xbase/value.h"

namespace console {

// One edit field: where it stands, the variable it edits, its picture, checks and colours.
struct GetField {
  using Target = std::variant<std::string*, double*, xbase::Date*, bool*>;

  int row = 0;
  int col = 0;
  Target target;
  std::string picture;
  // VALID: checked when the field is left (not after Esc), after the variable took the typed
  // value; false keeps the cursor in the field. It may change the variable (a picked code).
  std::function<bool()> valid;
  // WHEN: checked before the field is entered; false skips it.
  std::function<bool()> when;
  // "unselected,selected" colours; empty takes the unselected and enhanced slots of the
  // current setting.
  std::string colour;
};

struct ReadResult {
  bool escaped = false;  // left with Esc
  bool updated = false;  // some variable took a changed value
  int exit_key = 0;      // the key that ended the READ
  int field = 0;         // the field (from 0) where it ended
};

struct ReadOptions {
  int start = 0;  // the field to begin at
  // Asked for every key before the field sees it; true ends the READ with that key (after the
  // current field's text is taken into its variable, without its VALID).
  std::function<bool(int key)> exit_on;
};

class GetList {
 public:
  // Add a field and return it, for its checks and colours to be set.
  GetField& Add(int row, int col, GetField::Target target, std::string picture = {});
  std::vector<GetField>& fields() { return fields_; }

  // Show every field in its unselected colour.
  void Display(Console& con) const;
  // Edit the fields: Up and Shift+Tab go back, Down, Enter and Tab go on (past the last field
  // the READ ends), PgDn, PgUp and Ctrl+W end it, Esc abandons the current field's typing and
  // ends it. A field takes what its width and picture allow and no more: once its last slot is
  // typed the cursor stays in it and a further character (or an insert that would push one
  // out) is refused with the bell; only those keys leave a field. Ins switches insert mode.
  // A VALID that fills other fields' variables (a customer's discounts) has them shown anew.
  ReadResult Read(Console& con, const ReadOptions& options = {});

  bool insert_mode() const { return insert_mode_; }

 private:
  // Shows anew, in their unselected colour, the fields other than `current` whose variables no
  // longer hold what they showed.
  void ShowChanged(Console& con, int current, std::vector<std::string>* shown) const;

  std::vector<GetField> fields_;
  bool insert_mode_ = false;
};

// The check of an edited value: it may change the value (a picked code, a value cut to what is
// allowed), which the field then shows; false keeps the field open.
using ValueCheck = std::function<bool(xbase::Value* value)>;

// Edit one value in place with a GET at a position, in the given colours; the value keeps its
// type (and a number its width and decimals). True when it took a new value; *escaped (when
// asked for) tells whether the edit was left with Esc.
bool EditValue(Console& con, int row, int col, xbase::Value* value, const std::string& picture, Attr unselected,
               Attr selected, const ValueCheck& valid = {}, bool* escaped = nullptr);

// The colours of a field: its own colour string over the current setting.
Attr FieldColour(const Console& con, const GetField& field, bool selected);
// The text a field shows for its variable's current value.
std::string FieldText(const GetField& field);

}  // namespace console

#endif  // PALUNDA_CONSOLE_GET_H_
