// The pick list over a real table and its index: seek, incremental search and the value returned.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "console/pick_list.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"
#include "xbase/ntx_orders.h"
#include "xbase/session.h"

namespace console {

using support::ConsoleRig;
using support::MakeTable;

namespace {

class PickListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeTable(session_, "patron", {"KODE", 'C', 5}, {"NAMA", 'C', 12},
              {{"C001", "CAHAYA"}, {"B002", "BINTANG"}, {"A002", "ABADI"}, {"B001", "BUDI"}, {"A001", "ANEKA"}}, &area_);
    ASSERT_TRUE(area_->orders().Create(folder_.File("patron1.ntx"), {"KODE"}).ok());
  }
  void TearDown() override { EXPECT_TRUE(session_.CloseAll().ok()); }

  // SEEK on the controlling index.
  bool Seek(std::string_view key) {
    return area_->orders().Seek(xbase::Value::Text(std::string(key))).ok() && area_->found();
  }

  support::TempFolder folder_;
  xbase::Session session_{xbase::SearchPath({folder_.path()})};
  xbase::WorkArea* area_ = nullptr;
};

TEST_F(PickListTest, IncrementalSearchMovesAndTheChosenCodeIsReturned) {
  ConsoleRig rig({'b', '0', '0', '2', key::kBackspace, key::kDown, key::kEnter});
  rig.con.Say(20, 0, "underneath", 0x07);
  PickListOptions options{8, 5, 12, 40, {"kode", "nama"}, {"Kode", "Nama"}, 1, "", "gr+/br"};
  xbase::Value chosen;
  std::string search;
  ASSERT_TRUE(BANTUAN(rig.con, *area_, options, [this](std::string_view key) { return Seek(key); }, &chosen, &search).ok());
  EXPECT_EQ(chosen.text(), "B002 ");
  EXPECT_EQ(search, "b00");

  const auto& screens = rig.term.screens();
  // The raised frame around the window, the heads, and the search line under the window.
  EXPECT_EQ(ScriptedTerminal::Text(screens[0], 7, 4, 3), "\xda\xc4\xc4");
  EXPECT_EQ(ScriptedTerminal::Text(screens[0], 8, 5, 18), "Kode  Nama        ");
  EXPECT_EQ(ScriptedTerminal::Text(screens[0], 10, 5, 13), "A001  ANEKA  ");
  EXPECT_EQ(ScriptedTerminal::Text(screens[0], 13, 5, 10), "Dicari :  ");
  EXPECT_EQ(screens[0][13 * kCols + 5].attr, 0x5E);
  // "b" finds B001 and shows on the first line; "B002" moves to it.
  EXPECT_EQ(ScriptedTerminal::Text(screens[1], 13, 5, 10), "Dicari :B ");
  EXPECT_EQ(ScriptedTerminal::Text(screens[1], 10, 5, 4), "B001");
  EXPECT_EQ(ScriptedTerminal::Text(screens[4], 13, 5, 13), "Dicari :B002 ");
  EXPECT_EQ(ScriptedTerminal::Text(screens[4], 10, 5, 4), "B002");
  EXPECT_EQ(ScriptedTerminal::Text(screens[5], 13, 5, 13), "Dicari :B00  ");
  EXPECT_EQ(ScriptedTerminal::Text(screens[5], 10, 5, 4), "B001");
  // The screen comes back.
  EXPECT_EQ(rig.con.Text(20, 0, 10), "underneath");
  EXPECT_EQ(rig.con.Text(7, 4, 3), "   ");
}

TEST_F(PickListTest, ASeekTextNotFoundStartsAtTheLastRecord) {
  ConsoleRig rig({key::kEsc});
  PickListOptions options{8, 5, 12, 40, {"kode", "nama"}, {}, 2, "Z9"};
  xbase::Value chosen;
  ASSERT_TRUE(BANTUAN(rig.con, *area_, options, [this](std::string_view key) { return Seek(key); }, &chosen).ok());
  EXPECT_EQ(chosen.text(), "CAHAYA      ");
  EXPECT_EQ(ScriptedTerminal::Text(rig.term.screens()[0], 8, 5, 11), "kode  nama ");
  EXPECT_EQ(ScriptedTerminal::Text(rig.term.screens()[0], 13, 5, 10), "Dicari :Z9");

  options.expressions = {"kode +"};
  EXPECT_FALSE(BANTUAN(rig.con, *area_, options, [](std::string_view) { return true; }, &chosen).ok());
}

}  // namespace
}  // namespace console
