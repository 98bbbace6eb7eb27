// The key loop of a document's line editor over an array browse: the cursor keys move and scroll
// within the editable columns, Enter or a typed character edits the current cell through the
// screen's check, and the screen decides what Enter on the last column and its other keys do.
#ifndef PALUNDA_FRAME_LINE_EDITOR_H_
#define PALUNDA_FRAME_LINE_EDITOR_H_

#include <functional>

#include "console/array_browse.h"
#include "console/console.h"
#include "console/get.h"

namespace frame {

struct LineEditorHooks {
  // The check of the current cell's new value; it may change the value and the other cells of the
  // line. False keeps the cell open.
  console::ValueCheck check;
  // Enter on the last column; the hook moves the cursor where it should go next.
  std::function<void()> enter_on_last;
  // Any other key (Del, Esc, F10, ...); true ends the editor.
  std::function<bool(int key)> other_key;
  // Drawn after the browse at every key: the footer of the current line.
  std::function<void()> show;
  // After an edit of `column` that was not left with Esc; the hook moves the cursor where it should
  // go next. Without it the cursor moves right.
  std::function<void(int column)> after_edit;
  // The tones (Hz) of Up on the first row, Down on the last and Left on the first column.
  int top_tone = 440;
  int bottom_tone = 440;
  int left_tone = 440;
};

// Runs the editor until other_key ends it. The cursor stays within columns first..last: Up on the
// first row, Down on the last and Left on the first column sound a short tone, Right on the last
// stays; Home and Ctrl+PgUp go to the first row, End and Ctrl+PgDn to the last. Enter on a
// read-only column only moves right; after an edit that was not left with Esc the cursor moves
// right to the next editable column, or where after_edit puts it.
void RunLineEditor(console::Console& con, console::ArrayBrowse& browse, int first, int last,
                   const LineEditorHooks& hooks);

}  // namespace frame

#endif  // PALUNDA_FRAME_LINE_EDITOR_H_
