// The index rebuild: the table list and its keys, the pack and rebuild with its progress box, a table
// another workstation holds, and a rebuild that fails part way.
#include "frame/indek.h"

#include <signal.h>
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <gtest/gtest.h>

#include "console/keys.h"
#include "schema/rebuild_list.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "support/site_folder.h"
#include "xbase/ntx_orders.h"
#include "xbase/picture.h"
#include "xbase/session.h"

namespace frame {
namespace {

namespace fs = std::filesystem;
namespace key = console::key;
using console::ScriptedTerminal;
using support::Keys;
using support::N;
using support::T;

// The place of a table in the rebuild list.
int ListPlace(std::string_view table) {
  const auto list = schema::RebuildList();
  const auto found = std::find_if(list.begin(), list.end(), [&](const auto& entry) { return entry.table == table; });
  return static_cast<int>(found - list.begin());
}

// The keys that clear every table and tick only `tables` (in list order), then Enter and "Y".
std::vector<int> ChooseOnly(const std::vector<std::string_view>& tables) {
  std::vector<int> keys = {key::kF3};
  int at = 0;
  for (std::string_view table : tables) {
    for (; at < ListPlace(table); ++at) keys.push_back(key::kDown);
    keys.push_back(' ');
  }
  keys.insert(keys.end(), {key::kEnter, 'Y'});
  return keys;
}

std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class IndekTest : public ::testing::Test {
 protected:
  IndekTest() {
    rig.session.DRVDATA_ = folder.path() + "/";
    rig.session.SetSearchPath(folder.path());
    // Ten goods groups; the order number runs backwards so that the two indexes differ. Three are deleted.
    xbase::WorkArea& groups = support::Open(rig.session, "MASTGOL");
    for (int i = 1; i <= 10; ++i) {
      support::AddRows(groups, {{{"KODE", T("G" + std::to_string(100 + i))},
                                 {"NAMA", T("GOLONGAN " + std::to_string(i))},
                                 {"URUTAN", N(11 - i)}}});
    }
    for (uint32_t recno : {2u, 5u, 9u}) {
      EXPECT_TRUE(groups.GoTo(recno).ok());
      EXPECT_TRUE(groups.Lock().ok());
      EXPECT_TRUE(groups.Delete().ok());
      EXPECT_TRUE(groups.Unlock().ok());
    }
    xbase::WorkArea& salesmen = support::Open(rig.session, "MASTSLS");
    support::AddRows(salesmen,
                     {{{"SALES", T("S01")}, {"NAMA", T("ANDI")}}, {{"SALES", T("S02")}, {"NAMA", T("BUDI")}}});
    EXPECT_TRUE(salesmen.Lock().ok());
    EXPECT_TRUE(salesmen.Delete().ok());
    EXPECT_TRUE(salesmen.Unlock().ok());
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  }

  // Records of a table in the folder, deleted ones too.
  uint32_t RecordCount(const std::string& table) {
    xbase::Session tables(xbase::SearchPath({folder.path()}));
    xbase::WorkArea* area = nullptr;
    EXPECT_TRUE(tables.Use(table, "", xbase::OpenMode::kShared, &area).ok());
    return area == nullptr ? 0 : area->table().record_count();
  }

  support::TempDataFolder folder{{"MASTGOL", "MASTSLS"}};
  support::SessionRig rig;
};

TEST_F(IndekTest, RebuildPacksTenRecordsToSevenThatSeekThroughBothIndexes) {
  rig.term.AddKeys(ChooseOnly({"MASTGOL"}));
  ASSERT_TRUE(INDEK(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Proses ini akan mengindex kembali database, Proses (Y/T)"));

  // The progress box of the last index as it was shown at the end.
  EXPECT_EQ(rig.term.Text(9, 30, 20), "File Index: MASTGOL2");
  EXPECT_EQ(rig.term.Text(10, 16, 50), std::string(50, '\xCD'));
  EXPECT_EQ(rig.term.Text(11, 20, 34), "Jumlah record :           7 record");
  EXPECT_EQ(rig.term.Text(12, 20, 34), "Proses        :           7 record");
  EXPECT_EQ(rig.term.Text(13, 20, 29), "Persen        :         100 %");
  EXPECT_EQ(rig.term.Text(16, 15, 52).substr(2, 5), " 0 % ");
  EXPECT_EQ(rig.term.Text(16, 37, 5), " 50 %");
  EXPECT_EQ(rig.term.Text(16, 58, 6), " 100 %");
  EXPECT_EQ(rig.term.Text(17, 16, 51), std::string(50, '\xDB') + "\xB3");

  xbase::WorkArea& groups = support::Open(rig.session, "MASTGOL");
  ASSERT_EQ(groups.table().record_count(), 7u);
  std::vector<std::string> faults;
  ASSERT_TRUE(groups.orders().Check(&faults).ok());
  EXPECT_TRUE(faults.empty()) << faults.front();
  ASSERT_TRUE(groups.SetOrder("MASTGOL1").ok());
  ASSERT_TRUE(groups.Seek("G106").ok());
  EXPECT_TRUE(groups.found());
  EXPECT_EQ(groups.recno(), 4u);
  ASSERT_TRUE(groups.Seek("G105").ok());
  EXPECT_FALSE(groups.found());
  ASSERT_TRUE(groups.SetOrder("MASTGOL2").ok());
  std::vector<std::string> by_order;
  for (xbase::Status s = groups.GoTop(); s.ok() && !groups.eof(); s = groups.Skip(1)) {
    by_order.push_back(groups.Text("KODE").substr(0, 4) + "@" + std::to_string(groups.recno()));
  }
  EXPECT_EQ(by_order, (std::vector<std::string>{"G110@7", "G108@6", "G107@5", "G106@4", "G104@3", "G103@2", "G101@1"}));
  ASSERT_TRUE(groups.Seek(xbase::Value::Num(5)).ok());
  EXPECT_EQ(groups.Text("KODE").substr(0, 4), "G106");
  // MASTSLS was not chosen: its deleted record stays.
  EXPECT_EQ(RecordCount("MASTSLS"), 2u);
}

TEST_F(IndekTest, ListShowsBothFoldersScrollsAndEscChangesNothing) {
  // The goods groups were last changed at a known time; the salesmen live in the data sub-folder too.
  struct tm local {};
  local.tm_year = 2026 - 1900;
  local.tm_mon = 2;
  local.tm_mday = 15;
  local.tm_hour = 10;
  local.tm_min = 20;
  local.tm_sec = 30;
  local.tm_isdst = -1;
  const auto changed = std::chrono::system_clock::from_time_t(mktime(&local));
  fs::last_write_time(folder.File("MASTGOL.dbf"), std::chrono::file_clock::from_sys(changed));
  fs::create_directories(folder.File("arsip"));
  fs::copy_file(folder.File("MASTSLS.dbf"), folder.File("arsip/MASTSLS.DBF"));
  fs::copy_file(folder.File("MASTGOL.dbf"), folder.File("arsip/MASTGOL.DBF"));
  fs::resize_file(folder.File("arsip/MASTGOL.DBF"), 100);
  rig.session.STP.text[13] = folder.File("arsip") + "   ";
  fs::remove(folder.File("MASTSLS.dbf"));

  const std::vector<RebuildChoice> choices = RebuildChoices(rig.session);
  ASSERT_EQ(choices.size(), schema::RebuildList().size());
  const RebuildChoice& goods = choices[static_cast<size_t>(ListPlace("MASTGOL"))];
  EXPECT_EQ(goods.folder, folder.path());  // the data folder's file comes first
  EXPECT_EQ(goods.size, fs::file_size(folder.File("MASTGOL.dbf")));
  EXPECT_EQ(goods.date, xbase::Date::FromYmd(2026, 3, 15));
  EXPECT_EQ(goods.time, "10:20:30");
  EXPECT_TRUE(goods.selected);
  EXPECT_EQ(choices[static_cast<size_t>(ListPlace("MASTSLS"))].folder, folder.File("arsip"));
  EXPECT_FALSE(choices[0].selected);
  EXPECT_EQ(choices[0].file, "LOGSETUP.DBF");
  EXPECT_TRUE(choices[0].date.empty());

  const auto before = support::Snapshot(folder.path());
  for (int i = 0; i < 12; ++i) rig.term.AddKeys({key::kDown});
  rig.term.AddKeys({key::kF3, key::kF2, key::kEsc});
  ASSERT_TRUE(INDEK(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);

  const auto& screens = rig.term.screens();
  const console::CellGrid& first = screens.front();
  EXPECT_EQ(ScriptedTerminal::Text(first, 6, 16, 43), "Ind Nama File           Byte Tg. Update Jam");
  EXPECT_EQ(ScriptedTerminal::Text(first, 9, 16, 48), "[ ] LOGSETUP.DBF           0   -  -             ");
  const std::string size = xbase::Transform(xbase::Value::Num(static_cast<double>(goods.size)), " 999,999,999 ");
  EXPECT_EQ(ScriptedTerminal::Text(first, 20, 16, 48), "[\xFB] MASTGOL.DBF " + size + "15-03-2026 10:20:30");
  EXPECT_EQ(first[9 * console::kCols + 17].attr, rig.con.Colour("Gr+/r"));    // the current row's mark
  EXPECT_EQ(first[20 * console::kCols + 17].attr, rig.con.Colour("Gr+/bg"));  // a selected row
  EXPECT_EQ(first[9 * console::kCols + 20].attr, rig.con.Colour("W/w"));      // a row not selected
  // Twelve rows down the list has scrolled by one.
  const console::CellGrid& scrolled = screens[12];
  EXPECT_EQ(ScriptedTerminal::Text(scrolled, 9, 20, 12), "MENU.DBF    ");
  EXPECT_EQ(ScriptedTerminal::Text(scrolled, 20, 16, 16), "[\xFB] MASTJNS.DBF ");
  EXPECT_EQ(scrolled[20 * console::kCols + 17].attr, rig.con.Colour("Gr+/r"));
  // F3 clears every table and goes back to the first; F2 selects them all.
  EXPECT_EQ(ScriptedTerminal::Text(screens[13], 20, 16, 4), "[ ] ");
  EXPECT_EQ(ScriptedTerminal::Text(screens[13], 9, 16, 16), "[ ] LOGSETUP.DBF");
  EXPECT_EQ(screens[13][9 * console::kCols + 17].attr, rig.con.Colour("Gr+/r"));
  for (int row = 9; row <= 20; ++row) EXPECT_EQ(ScriptedTerminal::Text(screens[14], row, 16, 4), "[\xFB] ") << row;
  EXPECT_EQ(support::Snapshot(folder.path()), before);
}

TEST_F(IndekTest, TableHeldElsewhereIsWaitedForAndGivenUpWhileTheOthersAreRebuilt) {
  xbase::Session other(xbase::SearchPath({folder.path()}));
  xbase::WorkArea* held = nullptr;
  ASSERT_TRUE(other.Use("MASTGOL", "", xbase::OpenMode::kShared, &held).ok());
  const std::string goods_index = FileBytes(folder.File("MASTGOL1.ntx"));

  rig.term.AddKeys(ChooseOnly({"MASTGOL", "MASTSLS"}));
  rig.term.AddKeys({key::kNone, key::kEsc});
  ASSERT_TRUE(INDEK(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Mencoba membuka file MASTGOL.Dbf, tekan [Esc]=batal...."));
  EXPECT_EQ(rig.term.Text(9, 30, 20), "File Index: MASTSLS2");
  EXPECT_EQ(held->table().record_count(), 10u);
  EXPECT_EQ(FileBytes(folder.File("MASTGOL1.ntx")), goods_index);
  EXPECT_EQ(RecordCount("MASTSLS"), 1u);
}

TEST_F(IndekTest, EmptyTableGetsEmptyIndexesWithoutProgressSteps) {
  support::TempDataFolder empty{{"MASTJNS"}};
  rig.session.DRVDATA_ = empty.path() + "/";
  rig.session.SetSearchPath(empty.path());
  ASSERT_TRUE(fs::remove(empty.File("MASTJNS1.ntx")));
  std::vector<RebuildChoice> choices = RebuildChoices(rig.session);
  for (RebuildChoice& choice : choices) choice.selected = choice.file == "MASTJNS.DBF";
  EXPECT_TRUE(REINDEKS(rig.session, choices));
  EXPECT_EQ(rig.term.Text(9, 30, 20), "File Index: MASTJNS1");
  EXPECT_EQ(rig.term.Text(11, 36, 20), std::string(20, ' '));  // the step never ran
  EXPECT_EQ(fs::file_size(empty.File("MASTJNS1.ntx")), 2048u);
  EXPECT_TRUE(rig.term.screens().empty());
}

TEST_F(IndekTest, RebuildThatCannotWriteItsIndexNamesItAndLeavesTheTableAsItWas) {
  const std::string table = FileBytes(folder.File("MASTGOL.dbf"));
  const std::string first = FileBytes(folder.File("MASTGOL1.ntx"));
  const std::string second = FileBytes(folder.File("MASTGOL2.ntx"));
  std::vector<RebuildChoice> choices = RebuildChoices(rig.session);
  for (RebuildChoice& choice : choices) choice.selected = choice.file == "MASTGOL.DBF";
  rig.term.AddKeys({key::kEnter});

  // The disk fills: no file may grow past 1,500 bytes while the rebuild runs.
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto old_handler = signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 1500;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool finished = REINDEKS(rig.session, choices);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, old_handler);

  EXPECT_FALSE(finished);
  EXPECT_TRUE(support::Shown(rig.term, "Index ulang tidak selesai"));
  EXPECT_TRUE(support::Shown(rig.term, "MASTGOL, index MASTGOL1: "));
  EXPECT_EQ(FileBytes(folder.File("MASTGOL.dbf")), table);
  EXPECT_EQ(FileBytes(folder.File("MASTGOL1.ntx")), first);
  EXPECT_EQ(FileBytes(folder.File("MASTGOL2.ntx")), second);
  for (const fs::directory_entry& entry : fs::directory_iterator(folder.path())) {
    EXPECT_FALSE(entry.path().string().ends_with(".new")) << entry.path();
  }
  EXPECT_TRUE(rig.session.tables().Area("MASTGOL") == nullptr);
}

}  // namespace
}  // namespace frame
