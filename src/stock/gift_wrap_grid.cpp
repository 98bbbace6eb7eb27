// The line grid of the gift-wrap entries: the header box asking the branch and date, and the grid
// with its shared keys (Del removes a filled row, Esc leaves, F10 saves).
#include "stock/gift_wrap_grid.h"

#include <algorithm>

#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "documents/posting_date.h"
#include "frame/grid_cells.h"
#include "frame/line_editor.h"
#include "frame/prompts.h"
#include "pickers/pickers.h"
#include "xbase/text_functions.h"

namespace stock {

using frame::RemoveRow;

bool AskGiftWrapHeader(frame::Session& session, const std::string& title, const std::string& date_label, bool checked,
                       std::string* branch, xbase::Date* date) {
  console::Console& con = session.console();
  const console::Attr attr = con.colours().standard;
  con.Clear(0, 0, 23, 79, attr);
  console::TENGAH(con, 1, title, con.Pick("W+/b", "W+/n"));
  con.Say(3, 2, "KODE CABANG :", attr);
  con.Say(4, 2, xbase::PadR(date_label, 13), attr);
  console::GetList form;
  form.Add(3, 16, branch, "@!").valid = [&] { return xbase::IsBlank(*branch) || pickers::GETCB(session, *branch); };
  form.Add(4, 16, date, "").valid = [&] { return !checked || documents::CEKTGKIRIM(session, *date); };
  return !form.Read(con).escaped && !xbase::IsBlank(*branch);
}

void RunGiftWrapEntry(frame::Session& session, const std::string& title, const std::string& date_label, bool checked,
                      const std::function<void(const std::string& branch, xbase::Date date)>& grid) {
  std::string branch(6, ' ');
  for (;;) {
    xbase::Date date = session.Today();
    if (!AskGiftWrapHeader(session, title, date_label, checked, &branch, &date)) return;
    grid(branch, date);
  }
}

int NextEditable(const GridLayout& layout, int column) {
  const auto at = std::upper_bound(layout.editable.begin(), layout.editable.end(), column);
  return at == layout.editable.end() ? column : *at;
}

bool RunGiftWrapGrid(frame::Session& session, console::ValueTable* rows, const GridLayout& layout) {
  namespace key = console::key;
  console::Console& con = session.console();
  int idx = 1;
  const console::KeyHelp help{{"Esc", " F10", " Del"}, {") Batal,", ") Simpan", ") Hapus"}, "W+/bg", "Gr+/r"};
  console::ArrayBrowse browse = console::BUATOBJECT(con, rows, layout.heads, layout.pictures, {layout.top, 0, layout.bottom, 79},
                                                    "w+/bg,Gr+/r,br/bg,br/bg,br/bg,br/bg,Gr+/g,W+/r", 24, help, &idx);
  for (int c = 1; c <= static_cast<int>(layout.heads.size()); ++c) {
    browse.set_read_only(c, std::find(layout.editable.begin(), layout.editable.end(), c) == layout.editable.end());
  }
  browse.set_column(layout.editable.front());
  bool saved = false;
  frame::LineEditorHooks hooks;
  hooks.check = [&](xbase::Value* typed) { return layout.check(browse.column(), idx, typed); };
  hooks.show = [&] {
    if (layout.show) layout.show(idx);
  };
  hooks.after_edit = [&](int column) {
    if (layout.after_edit) {
      layout.after_edit(column, idx, browse);
    } else {
      browse.set_column(NextEditable(layout, column));
    }
  };
  hooks.enter_on_last = [&] { hooks.after_edit(browse.column()); };
  hooks.other_key = [&](int pressed) {
    switch (pressed) {
      case key::kDel:
        if (browse.row_count() > 1 && !xbase::IsBlank((*rows)[static_cast<size_t>(idx - 1)][1].text())) {
          RemoveRow(rows, idx);
          browse.Skip(0);
        }
        return false;
      case key::kEsc: return browse.row_count() == 1 || frame::AnsweredYes(con, "Yakin akan keluar (Y/T)");
      case key::kF10: saved = layout.save(); return saved;
      default: return false;
    }
  };
  hooks.top_tone = 400;
  hooks.bottom_tone = 300;
  hooks.left_tone = 200;
  frame::RunLineEditor(con, browse, layout.editable.front(), layout.editable.back(), hooks);
  return saved;
}

}  // namespace stock
