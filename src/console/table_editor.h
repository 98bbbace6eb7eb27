// The table editor: a browse over a table in which deleted rows stay visible in a second
// colour, F2 adds, F4 searches, Del deletes or recalls, and Enter or a typed character edits
// the cell under a record lock.
#ifndef PALUNDA_CONSOLE_TABLE_EDITOR_H_
#define PALUNDA_CONSOLE_TABLE_EDITOR_H_

#include <functional>
#include <string>
#include <vector>

#include "console/column_view.h"
#include "console/console.h"
#include "xbase/session.h"
#include "xbase/work_area.h"

namespace console {

// A column of the editor: its head (";" breaks it into lines), the field it shows and edits, and the
// picture of both; a column not editable is only shown.
struct EditorColumn {
  std::string head;
  std::string field;
  std::string picture;
  bool editable = true;
};

struct TableEditorOptions {
  Window window;
  // Slot 1 a row, slot 2 the current cell, slot 5 a deleted row.
  std::string colour = "W/n,Gr+/w,,Gr+/n,Gr+/n";
  int frozen = 3;
  // The key line and where it stands; "Del) Recall" or "Del) Hapus " follows it.
  int footer_row = 22;
  int footer_col = 2;
  std::string footer = "Esc) Selesai, F2) Tambah Data, F4) Cari, ";
  std::string footer_colour = "Gr+/n,Gr+/r";
  // F2 and F4; the browse is drawn again around the current record afterwards.
  std::function<void()> add;
  std::function<void()> search;
  // Any other key that is not a navigation key, asked before the editor's own; true when it was
  // handled, and the browse is then drawn again around the current record.
  std::function<bool(int key)> other_key;
  // Keys that end the editor as Esc does (a screen's save key).
  std::vector<int> end_keys;
};

// Run the editor over the area until Esc or one of the end keys, which it returns. Deleted rows are
// shown while it runs.
int RunTableEditor(Console& con, xbase::Session& session, xbase::WorkArea& area,
                    const std::vector<EditorColumn>& columns, const TableEditorOptions& options);

}  // namespace console

#endif  // PALUNDA_CONSOLE_TABLE_EDITOR_H_
