// The key loop of a document's line editor: edges that sound a tone, rows by Home and End, read-only
// columns passed over, a check that corrects the value it refuses, and the keys left to the screen.
#include "frame/line_editor.h"

#include <gtest/gtest.h>

#include "console/keys.h"
#include "support/scripted_session.h"

namespace frame {
namespace {

namespace key = console::key;
using xbase::Value;

TEST(LineEditorTest, CursorStaysWithinTheEditableColumnsAndRows) {
  support::ConsoleRig rig({key::kLeft, key::kUp, key::kDown, key::kDown, key::kHome, key::kRight, key::kRight,
                           key::kRight, key::kEnter, key::kEnd, key::kRight, '5', key::kEnter, key::kEnter,
                           key::kLeft, key::kLeft, key::kEnter, 'X', key::kEsc, key::kF10});
  console::ValueTable rows = {{Value::Num(1), Value::Text("AAA"), Value::Num(0), Value::Num(9)},
                              {Value::Num(2), Value::Text("BBB"), Value::Num(0), Value::Num(9)}};
  int idx = 1;
  console::ArrayBrowse browse(&rows, {"NO", "KODE", "QTY", "JML"}, {"99", "@!", "999", "999"}, {5, 0, 12, 79},
                              "W/n,N/W", 1, &idx);
  browse.set_read_only(4, true);
  int last_enters = 0;
  std::vector<int> others;
  LineEditorHooks hooks;
  // Quantities above 4 are cut to 4 and must be confirmed.
  hooks.check = [](Value* value) {
    if (!value->is_number() || value->number() <= 4) return true;
    *value = Value::Num(4);
    return false;
  };
  hooks.enter_on_last = [&] {
    ++last_enters;
    browse.set_column(2);
  };
  hooks.other_key = [&](int pressed) {
    others.push_back(pressed);
    return pressed == key::kF10;
  };
  RunLineEditor(rig.con, browse, 2, 4, hooks);

  // Left on the first editable column, Up on the first row, Down on the last: three tones.
  EXPECT_EQ(rig.term.tones().size(), 3u);
  EXPECT_EQ(last_enters, 1);
  EXPECT_EQ(rows[1][2].number(), 4);  // End went to row 2; 5 was cut to 4, then confirmed
  EXPECT_EQ(rows[1][1].text(), "BBB");  // the edit left with Esc changed nothing
  EXPECT_EQ(rows[0][2].number(), 0);
  EXPECT_EQ(others, (std::vector<int>{key::kF10}));
  EXPECT_EQ(rig.term.keys_left(), 0u);
}

TEST(LineEditorTest, AfterAnEditTheScreenPlacesTheCursorAndEdgesSoundTheirOwnTones) {
  support::ConsoleRig rig({key::kUp, key::kLeft, 'Z', key::kEnter, key::kEsc, key::kDown, key::kF10});
  console::ValueTable rows = {{Value::Num(1), Value::Text("AAA"), Value::Num(0)},
                              {Value::Num(2), Value::Text("BBB"), Value::Num(0)}};
  int idx = 1;
  console::ArrayBrowse browse(&rows, {"NO", "KODE", "QTY"}, {"99", "@!", "999"}, {5, 0, 12, 79}, "W/n,N/W", 1, &idx);
  std::vector<int> edited;
  LineEditorHooks hooks;
  hooks.after_edit = [&](int column) {
    edited.push_back(column);
    browse.Skip(1);  // down, staying in the column
  };
  hooks.top_tone = 400;
  hooks.bottom_tone = 300;
  hooks.left_tone = 200;
  hooks.other_key = [](int pressed) { return pressed == key::kF10; };
  RunLineEditor(rig.con, browse, 2, 3, hooks);
  EXPECT_EQ(rows[0][1].text(), "ZAA");
  EXPECT_EQ(edited, (std::vector<int>{2}));
  EXPECT_EQ(rig.term.tones(), (std::vector<std::pair<int, int>>{{400, 55}, {200, 55}, {300, 55}}));
}

}  // namespace
}  // namespace frame
