// The form and line editor shared by the screens that work on one delivery note or on a saved
// order's lines: the title and header rows, the twelve line columns, the keys and the footer.
#ifndef PALUNDA_SALES_NOTE_SCREEN_H_
#define PALUNDA_SALES_NOTE_SCREEN_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "frame/session.h"
#include "sales/note_lines.h"

namespace sales {

// The form: title (row 1), header rows from row 2, the rules around the lines and the footer.
void DrawNoteForm(console::Console& con, console::Attr attr, std::string_view title,
                  const std::vector<std::string>& header_rows);
// The lines and the footer's figures blanked for the next document; the header keeps what it shows.
void ClearNoteLines(console::Console& con, console::Attr attr);

struct NoteEditorHooks {
  std::function<bool()> save;                // F10; true ends the editor
  std::function<bool(int line)> may_delete;  // Del on a line (from 1) when more than one is left
};

// Edits the document's lines until they are saved or dropped; the lines are emptied at the end.
void EditNoteLines(frame::Session& session, NoteDocument* doc, const NoteEditorHooks& hooks);

// The header colours of the sales screens: the form, the field edited, the fields not edited.
std::string_view NoteColours(console::Console& con);

}  // namespace sales

#endif  // PALUNDA_SALES_NOTE_SCREEN_H_
