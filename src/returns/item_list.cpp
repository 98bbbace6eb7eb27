// A list of a document's items edited in a browse.
#include "returns/item_list.h"

#include <optional>

#include "console/box.h"
#include "console/keys.h"
#include "frame/line_editor.h"

namespace returns {
namespace {

namespace key = console::key;

const console::KeyHelp kDefaultHelp{{"Esc", " F10", " Del"}, {") Selesai,", ") Selesai,", ") Hapus"}, "W+/b", "Gr+/b"};

void MakeRows(const ItemList& list, console::ValueTable* rows) {
  rows->clear();
  const size_t count = list.count();
  for (size_t k = 0; k < count; ++k) rows->push_back(list.row(k));
  if (rows->empty()) rows->push_back(list.row(0));
}

}  // namespace

void RunItemList(frame::Session& session, const ItemList& list) {
  console::Console& con = session.console();
  std::optional<console::ScreenKeeper> keep;
  const std::string colour(con.Pick("W+/b,N/W", "W/n,N/W"));
  const console::Window& w = list.window;
  if (!list.title.empty()) {
    keep.emplace(con);
    console::SHADOW(con, w.top - 1, w.left - 1, w.bottom + 1, w.right + 1, colour);
    const int width = w.right - w.left + 1;
    con.Say(w.top - 1, w.left + (width - static_cast<int>(list.title.size())) / 2, list.title, con.Colour(colour));
  }
  if (list.count() == 0) list.add();
  console::ValueTable rows;
  MakeRows(list, &rows);
  int index = 1;
  con.Clear(24, 0, 24, 79, con.colours().standard);
  console::ArrayBrowse browse = console::BUATOBJECT(con, &rows, list.heads, list.pictures, w, colour, 24,
                                                    list.help != nullptr ? *list.help : kDefaultHelp, &index);
  for (int column = 1; column <= static_cast<int>(list.heads.size()); ++column) {
    browse.set_read_only(column, column < list.first || column > list.last);
  }
  for (int column : list.read_only) browse.set_read_only(column, true);
  browse.set_column(list.first);
  const auto at = [&] { return static_cast<size_t>(index - 1); };
  frame::LineEditorHooks hooks;
  hooks.check = [&](xbase::Value* value) {
    if (at() >= list.count()) list.add();
    if (!list.check(at(), browse.column(), value)) return false;
    // The edited value may stand in the rows: it takes its new value before the row is replaced.
    const console::ValueRow row = list.row(at());
    *value = row[static_cast<size_t>(browse.column() - 1)];
    rows[at()] = row;
    return true;
  };
  hooks.enter_on_last = [&] {
    if (list.on_last) {
      list.on_last(at());
      MakeRows(list, &rows);
    }
    if (static_cast<size_t>(index) == list.count() && list.filled(at())) {
      list.add();
      MakeRows(list, &rows);
    }
    browse.Skip(1);
    browse.set_column(list.first);
  };
  hooks.show = [&] {
    if (list.show) list.show();
  };
  hooks.other_key = [&](int pressed) {
    if (pressed == key::kDel) {
      if (list.count() > 1 && at() < list.count()) {
        list.erase(at());
        MakeRows(list, &rows);
        if (index > static_cast<int>(rows.size())) index = static_cast<int>(rows.size());
        browse.Skip(0);
      }
      return false;
    }
    return list.leave(pressed);
  };
  frame::RunLineEditor(con, browse, list.first, list.last, hooks);
}

}  // namespace returns
