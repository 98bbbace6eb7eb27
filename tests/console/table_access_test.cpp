// Opening tables held elsewhere, appending and locking records between two sessions.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "console/keys.h"
#include "console/table_access.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"

namespace console {

using support::ConsoleRig;

namespace {

// A scripted terminal that runs a step when a key is asked for the first time.
class SteppingTerminal : public ScriptedTerminal {
 public:
  SteppingTerminal(std::vector<int> keys, std::function<void()> step) : ScriptedTerminal(std::move(keys)), step_(std::move(step)) {}
  int ReadKey(int timeout_ms) override {
    if (step_) std::exchange(step_, nullptr)();
    return ScriptedTerminal::ReadKey(timeout_ms);
  }

 private:
  std::function<void()> step_;
};

class TableAccessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Workstation().CreateTable("mastcus", {{"RELASI", 'C', 6}, {"NAMA", 'C', 20}}).ok());
  }
  xbase::Session Workstation() { return xbase::Session(xbase::SearchPath({folder_.path()})); }

  support::TempFolder folder_;
};

TEST_F(TableAccessTest, BukafileRetriesWhileAnotherHoldsTheTableAndGivesUpOnEsc) {
  xbase::Session other = Workstation();
  xbase::WorkArea* held = nullptr;
  ASSERT_TRUE(other.Use("MASTCUS", "", xbase::OpenMode::kExclusive, &held).ok());

  ConsoleRig rig({key::kNone, key::kEsc});
  xbase::Session mine = Workstation();
  xbase::WorkArea* area = nullptr;
  EXPECT_FALSE(BUKAFILE(rig.con, mine, "mastcus", false, 1, "", &area));
  EXPECT_EQ(area, nullptr);
  EXPECT_EQ(mine.Area("MASTCUS"), nullptr);
  EXPECT_EQ(ScriptedTerminal::Text(rig.term.screens()[1], 24, 0, 56),
            "Mencoba membuka file mastcus.Dbf, tekan [Esc]=batal.... ");
  EXPECT_EQ(rig.con.Text(24, 0, 10), "          ");

  // Once the other workstation lets go, the next try opens it.
  ManualClock clock({xbase::Date::FromYmd(2024, 1, 31), 0});
  SteppingTerminal term({'x'}, [&] { ASSERT_TRUE(other.Close("MASTCUS").ok()); });
  Console con(term, clock);
  EXPECT_TRUE(BUKAFILE(con, mine, "mastcus", false, 5, "cus", &area));
  ASSERT_NE(area, nullptr);
  EXPECT_EQ(mine.Area("CUS"), area);
}

TEST_F(TableAccessTest, AMissingTableIsNotRetried) {
  ConsoleRig rig({' '});
  xbase::Session mine = Workstation();
  EXPECT_FALSE(BUKAFILE(rig.con, mine, "nothere", false, 5));
  EXPECT_EQ(rig.term.screens().size(), 1u);
  EXPECT_NE(rig.term.Text(24).find("nothere"), std::string::npos);
}

TEST_F(TableAccessTest, LockRecShowsTheRetryLineUntilTheLockIsFreeOrEsc) {
  xbase::Session first = Workstation();
  xbase::Session second = Workstation();
  xbase::WorkArea* a = nullptr;
  xbase::WorkArea* b = nullptr;
  ASSERT_TRUE(first.Use("mastcus", "", xbase::OpenMode::kShared, &a).ok());
  ASSERT_TRUE(second.Use("mastcus", "", xbase::OpenMode::kShared, &b).ok());
  ConsoleRig rig;
  ASSERT_TRUE(APP_REC(rig.con, *a).ok());
  ASSERT_TRUE(a->Put("RELASI", xbase::Value::Text("C001")).ok());
  EXPECT_EQ(a->recno(), 1u);
  // The new record is locked: the other session cannot take it now.
  ASSERT_TRUE(b->GoTo(1).ok());
  EXPECT_TRUE(b->Lock().IsLocked());

  // The retry line shows while the first session holds the record; its unlock lets the next try in.
  ManualClock clock({xbase::Date::FromYmd(2024, 1, 31), 0});
  SteppingTerminal term({key::kNone}, [&] { ASSERT_TRUE(a->Unlock().ok()); });
  Console con(term, clock);
  con.Say(24, 0, "before", 0x07);
  EXPECT_TRUE(LOCK_REC(con, *b).ok());
  ASSERT_EQ(term.screens().size(), 1u);
  const std::string line = "Mencoba mengunci record 1 file MASTCUS.Dbf, tekan [Esc]=batal....";
  EXPECT_EQ(ScriptedTerminal::Text(term.screens()[0], 24, 0, static_cast<int>(line.size())), line);
  EXPECT_EQ(con.Text(24, 0, 6), "before");
  xbase::Value code;
  ASSERT_TRUE(b->Get("RELASI", &code).ok());
  EXPECT_EQ(code.text(), "C001  ");
  ASSERT_TRUE(b->Unlock().ok());
  // With no current record there is nothing to wait for.
  ASSERT_TRUE(b->GoTo(0).ok());
  EXPECT_FALSE(LOCK_REC(con, *b).ok());

  // Esc on the retry line gives up: the lock is refused and the row put back.
  ASSERT_TRUE(a->GoTo(1).ok());
  ASSERT_TRUE(a->Lock().ok());
  ASSERT_TRUE(b->GoTo(1).ok());
  ConsoleRig giving_up({key::kNone, key::kNone, key::kEsc});
  const xbase::Status status = LOCK_REC(giving_up.con, *b);
  EXPECT_TRUE(status.IsLocked()) << status.ToString();
  EXPECT_EQ(giving_up.term.screens().size(), 3u);
  EXPECT_EQ(giving_up.term.keys_left(), 0u);
  EXPECT_FALSE(b->table().IsLocked(1));
  EXPECT_EQ(giving_up.con.Text(24, 0, 7), "       ");
}

}  // namespace
}  // namespace console
