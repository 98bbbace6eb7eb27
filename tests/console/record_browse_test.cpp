// The browse over records reached by skipping.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "console/record_browse.h"
#include "support/scripted_session.h"

namespace console {

using support::ConsoleRig;

namespace {

// Records in a list, with a current position and deleted marks.
struct ListSource {
  std::vector<std::pair<std::string, std::string>> rows;
  std::vector<bool> deleted;
  int at = 0;

  RecordSource Source() {
    RecordSource s;
    s.go_top = [this] { at = 0; };
    s.go_bottom = [this] { at = static_cast<int>(rows.size()) - 1; };
    s.skip = [this](int n) {
      const int before = at;
      at = std::clamp(at + n, 0, static_cast<int>(rows.size()) - 1);
      return at - before;
    };
    s.position = [this] { return static_cast<long>(at); };
    s.go_to = [this](long p) { at = static_cast<int>(p); };
    s.empty = [this] { return rows.empty(); };
    return s;
  }
};

std::vector<RecordColumn> Columns(ListSource& list) {
  return {{"KODE", [&list] { return list.rows[list.at].first; }, 0},
          {"NAMA", [&list] { return list.rows[list.at].second; }, 0}};
}

ListSource Customers() {
  ListSource list;
  const char* names[] = {"ANEKA", "BAHAGIA", "CAHAYA", "DELIMA", "EKA JAYA", "FAJAR"};
  for (int i = 0; i < 6; ++i) list.rows.emplace_back("C00" + std::to_string(i + 1), std::string(names[i]) + "     ");
  list.deleted.assign(6, false);
  return list;
}

TEST(RecordBrowseTest, KeepsTheCurrentLineWhileMovingAndPaging) {
  ConsoleRig rig;
  ListSource list = Customers();
  RecordBrowse browse(list.Source(), Columns(list), {5, 10, 9, 40}, "W+/b,Gr+/r");
  EXPECT_EQ(browse.page(), 3);
  browse.Stabilize(rig.con);
  EXPECT_EQ(rig.con.Text(5, 10, 16), "KODE NAMA       ");
  EXPECT_EQ(rig.con.Text(7, 10, 12), "C001 ANEKA  ");
  EXPECT_EQ(rig.con.Text(9, 10, 12), "C003 CAHAYA ");
  EXPECT_EQ(rig.con.At(7, 10).attr, 0x4E);
  EXPECT_EQ(rig.con.At(7, 15).attr, 0x1F);
  // Down three times: the list scrolls once the current record reaches the last line.
  for (int i = 0; i < 3; ++i) browse.Navigate(key::kDown);
  browse.Stabilize(rig.con);
  EXPECT_EQ(list.at, 3);
  EXPECT_EQ(browse.ScreenRow(), 9);
  EXPECT_EQ(rig.con.Text(7, 10, 4), "C002");
  EXPECT_EQ(rig.con.Text(9, 10, 4), "C004");
  EXPECT_EQ(rig.con.At(9, 10).attr, 0x4E);
  // Up keeps the window until the first line.
  browse.Navigate(key::kUp);
  browse.Stabilize(rig.con);
  EXPECT_EQ(rig.con.Text(7, 10, 4), "C002");
  EXPECT_EQ(browse.ScreenRow(), 8);
  browse.Navigate(key::kCtrlPgDn);
  browse.Stabilize(rig.con);
  EXPECT_EQ(rig.con.Text(7, 10, 4), "C004");
  EXPECT_EQ(rig.con.Text(9, 10, 4), "C006");
  browse.Navigate(key::kCtrlPgUp);
  browse.Stabilize(rig.con);
  EXPECT_EQ(rig.con.Text(7, 10, 4), "C001");
  // A seek that lands near the end: the lines above fill from the records before it.
  list.at = 5;
  browse.ResetLine();
  browse.Stabilize(rig.con);
  EXPECT_EQ(rig.con.Text(7, 10, 4), "C006");
  EXPECT_EQ(rig.con.Text(8, 10, 4), "    ");
}

TEST(RecordBrowseTest, RowColoursAndAnEmptySource) {
  ConsoleRig rig;
  ListSource list = Customers();
  list.deleted[1] = true;
  RecordBrowse browse(list.Source(), Columns(list), {5, 10, 9, 40}, "W+/b,Gr+/r,,W/b");
  browse.set_row_slot([&list] { return list.deleted[list.at] ? 3 : 0; });
  browse.Stabilize(rig.con);
  EXPECT_EQ(rig.con.At(8, 10).attr, 0x17);
  EXPECT_EQ(rig.con.At(9, 10).attr, 0x1F);
  ListSource none;
  RecordBrowse empty(none.Source(), Columns(none), {5, 10, 9, 40}, "W+/b,Gr+/r");
  empty.Stabilize(rig.con);
  EXPECT_EQ(rig.con.Text(5, 10, 10), "KODE NAMA ");
  EXPECT_EQ(rig.con.Text(7, 10, 4), "    ");
  EXPECT_TRUE(empty.Navigate(key::kDown));
}

}  // namespace
}  // namespace console
