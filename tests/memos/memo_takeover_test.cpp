// Taking another memo's lines over into a new memo: a list that cannot be read (its index damaged while
// the screen has the table open) is refused at every try with the fault named, and the field does not
// move on with an empty or partial list.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "console/keys.h"
#include "memos/memo_screens.h"
#include "memos/memo_test_helpers.h"
#include "support/damaged_tables.h"

namespace memos {

using support::Line;
using support::Shown;
using support::T;

namespace {

using console::key::kEnter;
using console::key::kEsc;

xbase::Value D(xbase::Date date) { return xbase::Value::FromDate(date); }

// The number of key reads at which row 24 showed `text` (a message waits for one key).
int CountShown(const console::ScriptedTerminal& term, const std::string& text) {
  int count = 0;
  for (const console::CellGrid& grid : term.screens()) {
    if (console::ScriptedTerminal::Text(grid, 24).find(text) != std::string::npos) ++count;
  }
  return count;
}

// A clerk's session of its own on the memo folder, on a terminal that damages the index pages of the
// memo lines `table` once the screen has opened its tables.
struct DamagedSession {
  DamagedSession(const std::string& folder, const std::string& table, std::vector<int> keys)
      : clock({Day(8), 9 * 3600}),
        term(std::move(keys), &clock, [folder, table] { support::DamageIndexPages(folder, table); }),
        con(term, clock),
        session(con, registry, "WS-TEST") {
    session.SetSearchPath(folder);
    session.MMEMBER.nik = "ADM01";
    session.ZTGLBATAS = session.Today();
    session.ZTGPROSES = Day(31);
  }
  ~DamagedSession() { EXPECT_TRUE(session.tables().field_faults().empty()); }

  console::ManualClock clock;
  support::DamagingTerminal term;
  console::Console con;
  frame::ProcedureRegistry registry;
  frame::Session session;
};

TEST_F(MemoTest, MemoBackRefusesADriverMemoWhoseLinesCannotBeReadWhole) {
  AddMemo("MEMDRV1", "MEMDRV2", "0000000008", Day(8), false,
          {{{"INVOICE", T("SJ0001")}, {"TG_KIRIM", D(Day(9))}}, {{"INVOICE", T("SJ0002")}, {"TG_KIRIM", D(Day(9))}}});
  // The memo is refused at each Enter; with a part of it taken the field would move on to NOTE.
  DamagedSession clerk(folder.path(), "MEMDRV2", support::Keys({Line("B2"), {kEnter, kEnter}, Line("0000000008"),
                                                     {' ', kEnter, ' ', kEsc, kEsc, kEsc}}));
  ASSERT_TRUE(MEMOKEACC(clerk.session, {}).ok());
  EXPECT_EQ(CountShown(clerk.term, std::string(".ntx")), 2);
  EXPECT_FALSE(Shown(clerk.term, "SJ0001"));
  EXPECT_EQ(Reopen("MEMGDG1").table().record_count(), 0u);
  EXPECT_EQ(Reopen("MEMGDG2").table().record_count(), 0u);
}

TEST_F(MemoTest, DriverMemoRefusesAnAdminMemoWhoseLinesCannotBeReadWhole) {
  AddMemo("MEMADM1", "MEMADM2", "0000000042", Day(7), true,
          {{{"INVOICE", T("SJ0001")}, {"CARTON", support::N(5)}}, {{"INVOICE", T("SJ0002")}, {"CARTON", support::N(4)}}});
  DamagedSession clerk(folder.path(), "MEMADM2", support::Keys({Line("B2"), {kEnter}, Line("0000000042"),
                                                     {' ', kEnter, ' ', kEsc, kEsc, kEsc}}));
  ASSERT_TRUE(SJDIKIRIM(clerk.session, {}).ok());
  EXPECT_EQ(CountShown(clerk.term, std::string(".ntx")), 2);
  EXPECT_FALSE(Shown(clerk.term, "SJ0001"));
  EXPECT_EQ(Reopen("MEMDRV1").table().record_count(), 0u);
  EXPECT_EQ(Reopen("MEMDRV2").table().record_count(), 0u);
}

}  // namespace
}  // namespace memos
