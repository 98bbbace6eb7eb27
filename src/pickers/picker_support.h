// Small steps the lookups share: the refusal message, the SETUP rows of a key family and the
// choice box over them.
#ifndef PALUNDA_PICKERS_PICKER_SUPPORT_H_
#define PALUNDA_PICKERS_PICKER_SUPPORT_H_

#include <string>
#include <string_view>
#include <vector>

#include "frame/session.h"
#include "xbase/status.h"

namespace pickers {

// Shows `text` with PESAN in "gr+/r" and gives false.
bool Refuse(frame::Session& session, std::string_view text);

// The rows of `setup` whose key begins with `prefix`, in key order: their keys and values.
struct SetupEntry {
  std::string key;
  std::string ket;
};

// Reads the rows of the open `setup` whose key begins with `prefix` into *rows (none is OK), or gives
// the failure of the read (SETUP not open, a damaged index, a record that cannot be read) with *rows
// empty. A failed read must never pass for a setting that is not there: the caller shows it or passes
// it up.
[[nodiscard]] xbase::Status SetupRows(frame::Session& session, std::string_view prefix, std::vector<SetupEntry>* rows);

// SetupRows for the first row only: *found tells whether there is one; *key and *ket (optional)
// receive its key and value.
[[nodiscard]] xbase::Status SetupRow(frame::Session& session, std::string_view prefix, bool* found,
                                     std::string* key = nullptr, std::string* ket = nullptr);

// A choice box: a shadowed window in `colour` with `head` on its first line, a line above the list
// and the list of `items` from row `list_top`; the number chosen, 0 after Esc or with no items. The
// screen is put back.
int ChoiceBox(console::Console& con, const std::vector<std::string>& items, int top, int left, int bottom, int right,
              std::string_view colour, std::string_view head, int list_top);

}  // namespace pickers

#endif  // PALUNDA_PICKERS_PICKER_SUPPORT_H_
