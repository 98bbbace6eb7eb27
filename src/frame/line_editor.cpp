// The key loop of a document's line editor over an array browse.
#include "frame/line_editor.h"

#include <algorithm>

#include "console/keys.h"

namespace frame {
namespace {

namespace key = console::key;

void EdgeTone(console::Console& con, int hertz) { con.Tone(hertz, 55); }

void MoveRight(console::ArrayBrowse& browse, int last) {
  if (browse.column() < last) browse.Navigate(key::kRight);
}

// After an edit: right to the next column that can be edited (or the last).
void MoveToNextEditable(console::ArrayBrowse& browse, int last) {
  for (int before = -1; browse.column() != before;) {
    before = browse.column();
    MoveRight(browse, last);
    if (!browse.read_only(browse.column())) break;
  }
}

// Edits the current cell, then moves on unless the edit was left with Esc.
void Edit(console::Console& con, console::ArrayBrowse& browse, int last, const LineEditorHooks& hooks) {
  const int column = browse.column();
  bool escaped = false;
  browse.EditCell(con, hooks.check, &escaped);
  if (escaped) return;
  if (hooks.after_edit) {
    hooks.after_edit(column);
  } else {
    MoveToNextEditable(browse, last);
  }
}

}  // namespace

void RunLineEditor(console::Console& con, console::ArrayBrowse& browse, int first, int last,
                   const LineEditorHooks& hooks) {
  browse.set_column(std::max(browse.column(), first));
  for (;;) {
    browse.Stabilize(con);
    browse.Hilite(con);
    if (hooks.show) hooks.show();
    const int pressed = con.WaitKey();
    const int column = browse.column();
    switch (pressed) {
      case key::kUp:
        if (browse.row() == 1) EdgeTone(con, hooks.top_tone); else browse.Skip(-1);
        break;
      case key::kDown:
        if (browse.row() >= browse.row_count()) EdgeTone(con, hooks.bottom_tone); else browse.Skip(1);
        break;
      case key::kLeft:
        if (column <= first) EdgeTone(con, hooks.left_tone); else browse.Navigate(pressed);
        break;
      case key::kRight: MoveRight(browse, last); break;
      case key::kHome:
      case key::kCtrlPgUp: browse.GoTop(); break;
      case key::kEnd:
      case key::kCtrlPgDn: browse.GoBottom(); break;
      case key::kPgUp:
      case key::kPgDn:
      case key::kCtrlLeft:
      case key::kCtrlRight: browse.Navigate(pressed); break;
      case key::kEnter:
        if (column >= last && hooks.enter_on_last) {
          hooks.enter_on_last();
        } else if (browse.read_only(column)) {
          MoveRight(browse, last);
        } else {
          Edit(con, browse, last, hooks);
        }
        break;
      default:
        if (pressed >= 32 && pressed <= 255) {
          if (browse.read_only(column)) break;
          con.PushKeys({pressed});  // the typed character goes into the cell
          Edit(con, browse, last, hooks);
        } else if (hooks.other_key && hooks.other_key(pressed)) {
          return;
        }
        break;
    }
    browse.set_column(std::clamp(browse.column(), first, last));
  }
}

}  // namespace frame
