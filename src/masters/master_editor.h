// The table editor pattern of the master-data screens: browse rows 5 to 21, columns 2 to 77, their
// colours, three frozen columns and a search text of 50 characters shown 37 wide in upper case.
#ifndef PALUNDA_MASTERS_MASTER_EDITOR_H_
#define PALUNDA_MASTERS_MASTER_EDITOR_H_

#include <string>
#include <vector>

#include "frame/table_screen.h"

namespace masters {

// An editor screen of the pattern with `title` over `columns`.
frame::EditorScreen MasterEditor(std::string title, std::vector<console::EditorColumn> columns);

// An add-box field of a text of `width` characters.
frame::AddField TextField(std::string label, std::string field, int width, std::string picture = "@!");

}  // namespace masters

#endif  // PALUNDA_MASTERS_MASTER_EDITOR_H_
