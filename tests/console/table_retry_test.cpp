// Waiting for tables and locks held elsewhere.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "console/table_retry.h"
#include "support/scripted_session.h"

namespace console {

using support::ConsoleRig;

namespace {

using xbase::Status;

TEST(TableRetryTest, RetriesWhileInUseShowingTheLineOnceUntilItOpens) {
  // Two waits end without a key, a third try is refused again and a key starts the next try.
  ConsoleRig rig({key::kNone, key::kNone, 'x'});
  rig.con.Say(24, 0, "before", 0x07);
  int tries = 0;
  const bool open = OpenWithRetry(rig.con, "mastcus ", 2, [&] {
    return ++tries < 3 ? Status::InUse("mastcus.dbf", "held exclusively") : Status();
  });
  EXPECT_TRUE(open);
  EXPECT_EQ(tries, 3);
  ASSERT_EQ(rig.term.screens().size(), 3u);
  const std::string line = "Mencoba membuka file mastcus.Dbf, tekan [Esc]=batal....";
  EXPECT_EQ(ScriptedTerminal::Text(rig.term.screens()[0], 24, 0, static_cast<int>(line.size()) + 1), line + " ");
  EXPECT_EQ(rig.term.screens()[2][24 * kCols + 79].attr, 0x4E);
  EXPECT_EQ(rig.con.Text(24, 0, 6), "before");
  EXPECT_EQ(TimeText(rig.clock.Now()), "09:00:02");
}

TEST(TableRetryTest, EscGivesUpAndAMissingTableIsNotRetried) {
  ConsoleRig rig({key::kEsc});
  int tries = 0;
  EXPECT_FALSE(OpenWithRetry(rig.con, "stock", 5, [&] {
    ++tries;
    return Status::Locked("stock.dbf");
  }));
  EXPECT_EQ(tries, 1);

  ConsoleRig missing({' '});
  tries = 0;
  EXPECT_FALSE(OpenWithRetry(missing.con, "nothere", 5, [&] {
    ++tries;
    return Status::NotFound("nothere.dbf", "no such table");
  }));
  EXPECT_EQ(tries, 1);
  EXPECT_EQ(ScriptedTerminal::Text(missing.term.screens()[0], 24, 26, 28), " nothere.dbf: no such table ");
}

TEST(TableRetryTest, RetryWhileBusyStopsAtTheFirstOtherResultOrAtEsc) {
  ConsoleRig rig({key::kNone, key::kNone, key::kNone, key::kEsc});
  int tries = 0;
  bool gave_up = true;
  EXPECT_TRUE(RetryWhileBusy(rig.con, "tunggu", 1, 100, [&] { return ++tries < 4 ? Status::Locked("rec 5") : Status(); },
                             &gave_up)
                  .ok());
  EXPECT_EQ(tries, 4);
  EXPECT_FALSE(gave_up);
  EXPECT_EQ(ScriptedTerminal::Text(rig.term.screens()[0], 24, 0, 7), "tunggu ");
  EXPECT_TRUE(RetryWhileBusy(rig.con, "tunggu", 1, 100, [] { return Status::IOError("disk"); }, &gave_up).IsIOError());
  EXPECT_TRUE(RetryWhileBusy(rig.con, "tunggu", 1, 100, [] { return Status::Locked("rec 5"); }, &gave_up).IsLocked());
  EXPECT_TRUE(gave_up);
}

}  // namespace
}  // namespace console
