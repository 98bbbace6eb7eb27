// The table editor pattern of the master-data screens: browse rows 5 to 21, columns 2 to 77, their
// colours, three frozen columns and a search text of 50 characters shown 37 wide in upper case.
#include "masters/master_editor.h"

namespace masters {

frame::EditorScreen MasterEditor(std::string title, std::vector<console::EditorColumn> columns) {
  frame::EditorScreen screen;
  screen.title = std::move(title);
  screen.columns = std::move(columns);
  screen.options.window = {5, 2, 21, 77};
  screen.options.colour = "W/N,Gr+/r,,w/n,N/W";
  screen.options.frozen = 3;
  screen.add.clear_after_save = true;
  screen.search = {50, "@!S37"};
  return screen;
}

frame::AddField TextField(std::string label, std::string field, int width, std::string picture) {
  return {std::move(label), std::move(field), std::move(picture),
          xbase::Value::Text(std::string(static_cast<size_t>(width), ' '))};
}

}  // namespace masters
