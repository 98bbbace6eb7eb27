// Each user of a new folder reaches his menu entries through its rights rows.
#include "site/menu_rows.h"

#include <memory>
#include <set>

#include <gtest/gtest.h>

#include "exchange/exchange.h"
#include "frame/frame_procedures.h"
#include "masters/masters.h"
#include "memos/memos.h"
#include "performance/performance.h"
#include "purchasing/purchasing.h"
#include "recaps/recaps.h"
#include "receivable-reports/receivable_reports.h"
#include "receivables/receivables.h"
#include "returns/returns.h"
#include "sales/sales.h"
#include "site/all_procedures.h"
#include "site/data_folder.h"
#include "site/demo_data.h"
#include "stock/stock.h"
#include "support/site_folder.h"
#include "support/temp_folder.h"
#include "xbase/ntx_check.h"
#include "xbase/ntx_index.h"
#include "xbase/procedure_call.h"
#include "xbase/search_path.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace site {

using support::SeekField;
using support::TempFolder;
using support::TestOptions;
using support::TestRegistry;

namespace {

std::vector<std::string> Texts(const frame::TopEntry& top) {
  std::vector<std::string> texts;
  for (const frame::PullDownEntry& entry : top.entries) {
    for (const std::string& text : entry.texts) texts.push_back(text);
  }
  return texts;
}

std::vector<std::string> Calls(const frame::TopEntry& top) {
  std::vector<std::string> calls;
  for (const frame::PullDownEntry& entry : top.entries) {
    for (const std::string& call : entry.calls) calls.push_back(call);
  }
  return calls;
}

// The menu as the login builds it from the folder: USERDAT rows of NIK + group in USERDAT2 order, texts and
// calls from MENU by group + code.
frame::Menu MenuOf(const std::string& dir, const std::string& nik, const std::string& grup) {
  const std::string prefix = xbase::PadR(nik, 10) + xbase::PadR(grup, 10);
  std::string path;
  std::unique_ptr<xbase::NtxIndex> ntx;
  std::vector<std::pair<std::string, uint32_t>> items;
  EXPECT_TRUE(xbase::FindInFolder(dir, "USERDAT2.ntx", &path).ok());
  EXPECT_TRUE(xbase::NtxIndex::Open(path, xbase::NtxOpenMode::kShared, &ntx).ok());
  EXPECT_TRUE(xbase::NtxItems(*ntx, &items).ok());
  std::vector<frame::MenuRight> rights;
  for (const auto& [key, recno] : items) {
    if (!key.starts_with(prefix)) continue;
    const std::string kode = key.substr(20, 10);
    rights.push_back({kode, SeekField(dir, "USERDAT", "USERDAT2", key, "INDUK1"),
                      SeekField(dir, "USERDAT", "USERDAT2", key, "INDUK2")});
  }
  const auto lookup = [&](std::string_view kode) {
    const std::string key = xbase::PadR(grup, 10) + std::string(kode);
    return frame::MenuRow{SeekField(dir, "MENU", "MENU", key, "KETERANGAN"),
                   std::string(xbase::AllTrim(SeekField(dir, "MENU", "MENU", key, "PROSEDUR")))};
  };
  return frame::BuildMenu(rights, lookup, nik);
}

TEST(MenuRowsTest, EachUserReachesHisEntriesThroughTheFolder) {
  TempFolder scratch;
  const frame::ProcedureRegistry registry = TestRegistry();
  const std::string dir = scratch.File("demo");
  ASSERT_TRUE(MakeDataFolder(dir, TestOptions(registry, true), nullptr).ok());

  const frame::Menu admin = MenuOf(dir, kAdminNik, kAdminMenuGroup);
  ASSERT_EQ(admin.tops.size(), 2u);
  EXPECT_EQ(admin.tops[0].text, " SISTEM ");
  EXPECT_EQ(Texts(admin.tops[0]), (std::vector<std::string>{"Keluar / Ganti User", "Tambah/Edit User", "Tabel Setup"}));
  EXPECT_EQ(Calls(admin.tops[0]), (std::vector<std::string>{"KEMBALI()", "PASS()", "TSETUP()"}));
  EXPECT_EQ(admin.tops[1].text, " PENJUALAN ");
  EXPECT_EQ(Calls(admin.tops[1]), (std::vector<std::string>{"IJUAL()", "CJUAL()"}));

  const frame::Menu cashier = MenuOf(dir, kDemoNik, kDemoMenuGroup);
  ASSERT_EQ(cashier.tops.size(), 2u);
  EXPECT_EQ(Texts(cashier.tops[0]), (std::vector<std::string>{"Keluar / Ganti User", "Ganti Password"}));
  EXPECT_EQ(Texts(cashier.tops[1]), (std::vector<std::string>{"Input Sales Order", "Cetak Surat Jalan"}));
  EXPECT_TRUE(MenuOf(dir, kDemoNik, kAdminMenuGroup).tops.empty());
}

TEST(MenuRowsTest, EveryRegisteredEntryHasAMenuRowAndEveryRowsCallResolves) {
  TempFolder scratch;
  const std::string dir = scratch.File("plain");
  ASSERT_TRUE(MakeDataFolder(dir, DataFolderOptions(), nullptr).ok());
  frame::ProcedureRegistry all;
  RegisterAllProcedures(all);
  std::vector<const frame::EntryInfo*> entries;
  std::set<std::string> expected;
  for (const frame::EntryInfo& entry : all.entries()) {
    entries.push_back(&entry);
    expected.insert(entry.MenuCall());
  }
  const size_t bars = SplitIntoBars(entries).size();
  std::set<std::string> reached;
  for (size_t n = 0; n < bars; ++n) {
    for (const frame::TopEntry& top : MenuOf(dir, kAdminNik, BarGroup(kAdminMenuGroup, n)).tops) {
      for (const std::string& call : Calls(top)) reached.insert(call);
    }
  }
  EXPECT_EQ(reached, expected);
  EXPECT_TRUE(MenuOf(dir, kAdminNik, BarGroup(kAdminMenuGroup, bars)).tops.empty());

  xbase::Session session(xbase::SearchPath({dir}));
  xbase::WorkArea* menu = nullptr;
  ASSERT_TRUE(session.Use("MENU", "", xbase::OpenMode::kReadOnly, &menu).ok());
  int calls = 0;
  for (xbase::Status s = menu->GoTop(); !menu->eof(); s = menu->Skip()) {
    ASSERT_TRUE(s.ok()) << s.ToString();
    const std::string prosedur(xbase::AllTrim(menu->Text("PROSEDUR")));
    if (prosedur.empty()) continue;
    ++calls;
    xbase::ProcedureCall call;
    ASSERT_TRUE(xbase::ParseProcedureCall(prosedur, &call).ok()) << prosedur;
    EXPECT_NE(all.Find(call.name), nullptr) << prosedur;
  }
  EXPECT_EQ(calls, static_cast<int>(expected.size()));
}

TEST(MenuRowsTest, EveryBarFitsTheScreenWithOneLetterPerTopEntry) {
  const char* const titles[] = {frame::kMenuGroup,          masters::kMenuGroup,     sales::kMenuGroup,
                                stock::kMenuGroup,          receivables::kMenuGroup, purchasing::kMenuGroup,
                                returns::kMenuGroup,        memos::kMenuGroup,       exchange::kMenuGroup,
                                receivable_reports::kMenuGroup, performance::kMenuGroup, recaps::kMenuGroup};
  std::vector<frame::EntryInfo> infos;
  for (const char* title : titles) infos.push_back({std::string("E") + title, "Entri", title, {}});
  std::vector<const frame::EntryInfo*> entries;
  for (const frame::EntryInfo& info : infos) entries.push_back(&info);
  const std::vector<std::vector<const frame::EntryInfo*>> bars = SplitIntoBars(entries);
  ASSERT_EQ(bars.size(), 2u);
  size_t listed = 0;
  for (const auto& bar : bars) {
    std::vector<std::string> bar_titles;
    std::set<char> letters;
    for (const frame::EntryInfo* entry : bar) {
      bar_titles.push_back(entry->group);
      EXPECT_TRUE(letters.insert(entry->group.front()).second) << entry->group;
    }
    EXPECT_LE(MenuBarWidth(bar_titles), kMenuBarEnd);
    listed += bar.size();
  }
  EXPECT_EQ(listed, std::size(titles));
  EXPECT_EQ(bars[0].size(), 8u);  // SISTEM DATA JUAL GUDANG PIUTANG BELI RETUR MEMO: 72 columns
  EXPECT_EQ(MenuBarWidth({"SISTEM", "DATA", "JUAL", "GUDANG", "PIUTANG", "BELI", "RETUR", "MEMO"}), 72);
  EXPECT_EQ(MenuBarWidth({}), 0);
  EXPECT_EQ(BarGroup("ADMIN", 0), "ADMIN");
  EXPECT_EQ(BarGroup("ADMIN", 1), "ADMIN2");
}

TEST(MenuRowsTest, LongGroupsAreCutIntoSubMenus) {
  std::vector<frame::EntryInfo> infos;
  for (size_t i = 1; i <= kMaxMenuEntries + 5; ++i) {
    infos.push_back({"LAP" + std::to_string(i), "Laporan " + std::to_string(i), "LAPORAN", {}});
  }
  infos.push_back({"KEMBALI", "Keluar", "SISTEM", {}});
  std::vector<const frame::EntryInfo*> entries;
  for (const frame::EntryInfo& info : infos) entries.push_back(&info);
  const std::vector<MenuRowDef> rows = PlanMenu("ADMIN", entries);

  ASSERT_EQ(rows.size(), 1u + 2u + infos.size() - 1 + 1u + 1u);
  EXPECT_EQ(rows[1].kode, "0101");
  EXPECT_EQ(rows[1].keterangan, "LAPORAN 1");
  EXPECT_FALSE(rows[1].grantable());
  EXPECT_EQ(rows[2].kode, "010101");
  EXPECT_EQ(rows[2].lvl, 3);
  EXPECT_EQ(RightTo(rows[2]).induk1, "01");
  EXPECT_EQ(RightTo(rows[2]).induk2, "0101");
  EXPECT_EQ(rows.back().kode, "0201");
  EXPECT_EQ(rows.back().prosedur, "KEMBALI()");

  std::vector<frame::MenuRight> rights;
  for (const MenuRowDef& row : rows) {
    if (row.grantable()) rights.push_back(RightTo(row));
  }
  const auto lookup = [&](std::string_view kode) {
    for (const MenuRowDef& row : rows) {
      if (row.kode == kode) return frame::MenuRow{row.keterangan, row.prosedur};
    }
    return frame::MenuRow{};
  };
  const frame::Menu menu = frame::BuildMenu(rights, lookup, "SYSADMIN");
  ASSERT_EQ(menu.tops.size(), 2u);
  ASSERT_EQ(menu.tops[0].entries.size(), 2u);
  EXPECT_EQ(menu.tops[0].entries[0].calls.size(), kMaxMenuEntries);
  EXPECT_EQ(menu.tops[0].entries[1].texts.front(), "LAPORAN 2");
  EXPECT_EQ(menu.tops[0].entries[1].calls.back(), "LAP20()");
  EXPECT_EQ(menu.tops[1].entries[0].calls, std::vector<std::string>{"KEMBALI()"});
}

}  // namespace
}  // namespace site
