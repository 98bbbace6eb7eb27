// The table editor of the settings tables (SETUP, TBBM) with its add and search boxes.
#ifndef PALUNDA_FRAME_SETTINGS_EDITOR_H_
#define PALUNDA_FRAME_SETTINGS_EDITOR_H_

#include <string>
#include <vector>

#include "console/table_editor.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"
#include "xbase/work_area.h"

namespace frame {

// One field of the add box: its label, the table field, its picture and its starting value.
struct AddField {
  std::string label;
  std::string field;
  std::string picture;
  xbase::Value blank;  // a text of the field's width, or a number
};

// The add box (F2): asks the fields until the key (the first) is left empty; each answer "Y" to
// "Yakin data akan disimpan (Y/T)" overwrites the row of that key (sought on the controlling
// order) or appends one.
xbase::Status TAMBAHDATA(Session& session, xbase::WorkArea& area, const std::vector<AddField>& fields);

// The search box (F4): a soft seek on the controlling order for the trimmed text typed.
xbase::Status MENCARI(Session& session, xbase::WorkArea& area);

// The editor of settings table `table` in a frame titled `title`, run until Esc; F2 adds rows of
// `add_fields`, F4 searches.
xbase::Status RunSettingsEditor(Session& session, const std::string& table, const std::string& title,
                                const std::vector<console::EditorColumn>& columns, console::Window window,
                                const std::string& footer, const std::vector<AddField>& add_fields);

}  // namespace frame

#endif  // PALUNDA_FRAME_SETTINGS_EDITOR_H_
