// The form and line editor shared by the screens that work on one delivery note or on a saved
// order's lines: the title and header rows, the twelve line columns, the keys and the footer.
#include "sales/note_screen.h"

#include <cctype>

#include "console/array_browse.h"
#include "console/keys.h"
#include "console/message.h"
#include "frame/line_arrays.h"
#include "frame/line_editor.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

namespace key = console::key;

// The whole row, so that a new document's footer covers every figure of the last one.
constexpr char kFooter[] = "Sisa Barang : ......... pcs = ....... Box              Netto : .................";

const std::vector<std::string> kHeads = {"NO",       "GDG",   "KODE",  "NAMA",  "Q. BOX", "Q. PAK",
                                         "Q. PCS",   "QUANTITY", "HARGA", "DISC1", "DISC2", "JUMLAH"};
const std::vector<std::string> kPictures = {"99",     "@!",        "@!",           "@!",     "999999",
                                            "999999", "999999",    "999999999",    "9,999,999.99", "999.99",
                                            "999.99", "99,999,999,999.99"};

}  // namespace

std::string_view NoteColours(console::Console& con) { return con.Pick("W+/b,N/W,,,W+/b", "W/n,N/W,,,W/n"); }

void DrawNoteForm(console::Console& con, console::Attr attr, std::string_view title,
                  const std::vector<std::string>& header_rows) {
  con.Clear(0, 0, 23, 79, attr);
  console::TENGAH(con, 1, title, con.Pick("W+/b", "W+/n"));
  int row = 2;
  for (const std::string& line : header_rows) con.Say(row++, 0, line, attr);
  const std::string rule(80, '\xC4');
  con.Say(8, 0, rule, attr);
  con.Say(22, 0, rule, attr);
  con.Say(23, 0, kFooter, attr);
}

void ClearNoteLines(console::Console& con, console::Attr attr) {
  con.Clear(9, 0, 21, 79, attr);
  con.Say(23, 0, kFooter, attr);
}

void EditNoteLines(frame::Session& session, NoteDocument* doc, const NoteEditorHooks& hooks) {
  console::Console& con = session.console();
  int idx = 1;
  const console::KeyHelp help{{"Esc", " F10", " Del"}, {") Batal,", ") Simpan", ") Hapus"}, "W+/b", "Gr+/b"};
  console::ArrayBrowse browse = console::BUATOBJECT(con, &doc->lines, kHeads, kPictures, {9, 0, 21, 79},
                                                    std::string(con.Pick("W+/b,N/W", "W/n,N/W")), 24, help, &idx);
  for (int column : {note::kLineNo, note::kName, note::kPrice, note::kAmount}) browse.set_read_only(column, true);

  frame::LineEditorHooks editor;
  editor.check = [&](xbase::Value* typed) { return CheckNoteCell(session, typed, browse.column(), doc, idx); };
  editor.show = [&] { ShowNoteFooter(session, *doc, idx); };
  editor.enter_on_last = [&] {
    const console::ValueRow& line = doc->lines[static_cast<size_t>(idx - 1)];
    browse.set_column(note::kCode);  // pans back to the code before the cursor goes to the warehouse
    browse.set_column(note::kWarehouse);
    if (xbase::IsBlank(Word(line, note::kCode)) || Figure(line, note::kQuantity) == 0) return;
    if (idx == browse.row_count()) {
      AddNoteLine(&doc->lines, Figure(line, note::kDisc1), Figure(line, note::kDisc2), Word(line, note::kWarehouse));
    }
    browse.Skip(1);
  };
  editor.other_key = [&](int pressed) {
    switch (pressed) {
      case key::kDel:
        if (browse.row_count() > 1 && (!hooks.may_delete || hooks.may_delete(idx))) {
          frame::HAPUS_(static_cast<size_t>(idx), &doc->lines);
          browse.Skip(0);
        }
        return false;
      case key::kEsc:
        if (browse.row_count() == 1) return true;
        return std::toupper(console::PESAN(con, "Yakin akan diCancel (Y/T)")) == 'Y';
      case key::kF10: return hooks.save();
      default: return false;
    }
  };
  frame::RunLineEditor(con, browse, note::kWarehouse, note::kAmount, editor);
  doc->lines.clear();
}

}  // namespace sales
