// The demo company's delivery notes followed through the memos: the approved admin memo taken over
// by a driver memo, the memo back whose outcome lands on the admin memo, and the lists that show it.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "memos/memo_list_pages.h"
#include "memos/memo_screens.h"
#include "memos/memo_test_helpers.h"
#include "memos/memos.h"
#include "site/all_procedures.h"
#include "support/site_folder.h"
#include "support/temp_folder.h"
#include "xbase/text_functions.h"

namespace memos {

using support::Line;
using support::Shown;

namespace {

using console::key::kEnter;
using console::key::kEsc;
using console::key::kF10;

TEST(MemoDemoTest, ADemoNoteGoesThroughTheMemosAndShowsInTheLists) {
  support::TempFolder scratch;
  frame::ProcedureRegistry registry;
  site::RegisterAllProcedures(registry);
  std::string report;
  const std::string dir = scratch.File("demo");
  ASSERT_TRUE(site::MakeDataFolder(dir, support::TestOptions(registry, true), &report).ok());
  support::SessionRig rig;
  rig.session.SetSearchPath(dir);
  rig.session.MMEMBER.nik = "ADMIN";
  // The posting window as the login reads it from the new folder.
  rig.session.ZTGLBATAS = rig.session.Today();
  rig.session.ZTGPROSES = xbase::Date::FromYmd(2026, 12, 31);
  const auto keys = [&](std::initializer_list<std::vector<int>> parts) { rig.term.AddKeys(support::Keys(parts)); };

  // The driver memo takes the approved admin memo 0000000001 over.
  keys({Line("JKT001"), {kEnter}, Line("0000000001"), {kEnter}, Line("B 1234 XY"), Line("DRV001"), Line("0700"),
        {kEnter}, {kF10, 'Y', kEnter, kEsc}});
  ASSERT_TRUE(SJDIKIRIM(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "Nomor memo ke DRIVER ini : 0000000001"));
  EXPECT_TRUE(Shown(rig.term, "SJ-0002"));

  // The memo back of that driver memo: SJ-0002 was not delivered.
  keys({Line("JKT001"), {kEnter, kEnter}, Line("0000000001"), {kEnter}, {console::key::kDown},
        {console::key::kRight, console::key::kRight, console::key::kRight, console::key::kRight, console::key::kRight},
        Line("TOKO TUTUP"), Line("N"), {kF10, 'Y', kEnter, kEsc}});
  ASSERT_TRUE(MEMOKEACC(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "Nomor memo kembali ke admin ini : 0000000001"));

  const frame::OpenedTables tables = OPENMEMORANDUM(rig.session);
  ASSERT_TRUE(tables);
  SentSelection sent;
  sent.from = xbase::Date::FromYmd(2026, 12, 1);
  sent.to = xbase::Date::FromYmd(2026, 12, 31);
  const ReportPages pages = SentPages(rig.session, tables, sent);
  ASSERT_EQ(pages.size(), 1u);
  ASSERT_EQ(pages[0].size(), 7u);  // four heading lines, the one note delivered, rule, total
  EXPECT_EQ(pages[0][4].text, "  1 SJ-0001              05-12-2026 TB. SINAR ILMU                          4 09-12-2026 " +
                                  std::string(30, ' '));
  EXPECT_EQ(pages[0][6].text, std::string("JUMLAH :") + std::string(57, ' ') + "          4");

  OutstandingSelection outstanding;
  outstanding.branch = "JKT001";
  const ReportPages not_back = NotBackPages(rig.session, tables, outstanding);
  ASSERT_EQ(not_back.size(), 1u);
  EXPECT_EQ(not_back[0].size(), 6u);  // both notes are back: only heading, rule and total
  EXPECT_TRUE(rig.session.tables().CloseAll().ok());

  xbase::Session check(xbase::SearchPath({dir}));
  xbase::WorkArea* lines = nullptr;
  ASSERT_TRUE(check.Use("MEMADM2", "", xbase::OpenMode::kShared, &lines).ok());
  ASSERT_TRUE(lines->GoTo(2).ok());
  EXPECT_FALSE(lines->Logical("TERKIRIM"));
  EXPECT_EQ(std::string(xbase::RTrim(lines->Text("NOTES"))), "TOKO TUTUP");
  ASSERT_TRUE(lines->GoTo(1).ok());
  EXPECT_TRUE(lines->Logical("TERKIRIM"));
}

// A date typed into the driver memo's header goes through the posting-date checks.
TEST(MemoDemoTest, TheDriverMemoRefusesADateOutsideThePostingWindow) {
  support::TempFolder scratch;
  frame::ProcedureRegistry registry;
  site::RegisterAllProcedures(registry);
  std::string report;
  const std::string dir = scratch.File("demo");
  ASSERT_TRUE(site::MakeDataFolder(dir, support::TestOptions(registry, true), &report).ok());
  support::SessionRig rig;
  rig.session.SetSearchPath(dir);
  rig.session.MMEMBER.nik = "ADMIN";
  rig.session.ZTGLBATAS = rig.session.Today();
  rig.session.ZTGPROSES = xbase::Date::FromYmd(2026, 12, 31);
  rig.term.AddKeys(support::Keys({Line("JKT001"), {kEnter, kEnter}, Line("13122021"), {kEnter, kEsc, kEsc, kEsc}}));
  ASSERT_TRUE(SJDIKIRIM(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "Tanggal 13-12-2021 di luar periode posting"));
  EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  xbase::Session check(xbase::SearchPath({dir}));
  xbase::WorkArea* memos = nullptr;
  ASSERT_TRUE(check.Use("MEMDRV1", "", xbase::OpenMode::kShared, &memos).ok());
  EXPECT_EQ(memos->table().record_count(), 0u);
}

}  // namespace
}  // namespace memos
