// The table editor screens of the settings and the master data: a browse over one table in a
// shadowed frame with its title, an add box (F2), a search box (F4) and the keys a screen adds.
#ifndef PALUNDA_FRAME_TABLE_SCREEN_H_
#define PALUNDA_FRAME_TABLE_SCREEN_H_

#include <functional>
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

// The add box (F2): its title and fields, the key first.
struct AddBox {
  std::string title = " Tambah Data ";
  std::vector<AddField> fields;
  // After a save the box asks again with empty fields; otherwise with the values just entered.
  bool clear_after_save = false;
  // A key typed that has a row fills the other fields from that row.
  bool fill_from_row = false;
};

// The search box (F4): the width of its text and the text's picture.
struct SearchBox {
  int width = 10;
  std::string picture;
};

// A table editor screen.
struct EditorScreen {
  std::string title;  // on the frame's top line from column 34
  std::vector<console::EditorColumn> columns;
  console::TableEditorOptions options;  // window, colours, footer; add, search and other_key are set here
  bool can_add = true;
  AddBox add;
  SearchBox search;
  // Keys of the screen's own (Ctrl+P, an index switch); true when the key was one of them.
  std::function<bool(int key)> other_key;
};

// The add box (F2) over `area`: asks the fields until the key (the first) is left empty; each answer
// "Y" to "Yakin data akan disimpan (Y/T)" overwrites the row of that key (sought on the controlling
// order) or appends one.
xbase::Status TAMBAHDATA(Session& session, xbase::WorkArea& area, const AddBox& box);

// The search box (F4): a soft seek on the controlling order for the trimmed text typed.
xbase::Status MENCARI(Session& session, xbase::WorkArea& area, const SearchBox& box = {});

// Runs the editor over `area` in a shadowed frame (rows 3 to 22, columns 1 to 78) until Esc or one of
// the options' end keys, which it returns; a failed add or search is shown on row 24.
int RunEditorScreen(Session& session, xbase::WorkArea& area, const EditorScreen& screen);

// Opens `table` with its indexes, runs the editor over it and closes it; a table that cannot be opened
// closes every table and ends the screen.
xbase::Status EditTable(Session& session, std::string_view table, const EditorScreen& screen);

}  // namespace frame

#endif  // PALUNDA_FRAME_TABLE_SCREEN_H_
