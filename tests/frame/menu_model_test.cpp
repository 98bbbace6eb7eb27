// The menu built from a user's rights rows.
#include "frame/menu_model.h"

#include <map>

#include <gtest/gtest.h>

namespace frame {
namespace {

MenuRow Lookup(std::string_view kode) {
  static const std::map<std::string, MenuRow, std::less<>> rows = {
      {"A", {"Master  ", ""}},
      {"A1", {" Customer", "TCUSTOM()"}},
      {"A2", {"Laporan Master", ""}},
      {"A21", {"Daftar Barang", "LAPBRG()"}},
      {"A22", {"Daftar Customer", "LAPCUS()"}},
      {"A3", {"Password Login", "PASS()"}},
      {"B", {"Keluar", ""}},
      {"B1", {"Keluar dari menu", "KEMBALI()"}},
  };
  const auto it = rows.find(kode);
  return it == rows.end() ? MenuRow{} : it->second;
}

const std::vector<MenuRight> kRights = {
    {"A1", "A", "A"}, {"A21", "A", "A2"}, {"A22", "A", "A2"}, {"A3", "A", "A"}, {"B1", "B", "B"},
};

TEST(MenuModelTest, CutsRightsIntoTopEntriesLeavesAndSubMenus) {
  const Menu menu = BuildMenu(kRights, Lookup, "USER01");
  ASSERT_EQ(menu.tops.size(), 2u);
  EXPECT_EQ(menu.tops[0].text, " Master ");
  EXPECT_EQ(menu.tops[0].hot_letter(), 'M');
  ASSERT_EQ(menu.tops[0].entries.size(), 3u);
  EXPECT_EQ(menu.tops[0].entries[0].texts, std::vector<std::string>{"Customer"});
  EXPECT_EQ(menu.tops[0].entries[0].calls, std::vector<std::string>{"TCUSTOM()"});
  EXPECT_EQ(menu.tops[0].entries[1].texts,
            (std::vector<std::string>{"Laporan Master", "Daftar Barang", "Daftar Customer"}));
  EXPECT_EQ(menu.tops[0].entries[1].calls, (std::vector<std::string>{"LAPBRG()", "LAPCUS()"}));
  EXPECT_EQ(menu.tops[0].entries[2].texts, std::vector<std::string>{"Ganti Password"});
  EXPECT_EQ(menu.tops[1].entries[0].calls, std::vector<std::string>{"KEMBALI()"});
}

TEST(MenuModelTest, PasswordEntryReadsAsUserAdministrationForSysadmin) {
  const Menu menu = BuildMenu(kRights, Lookup, "SYSADMIN");
  EXPECT_EQ(menu.tops[0].entries[2].texts, std::vector<std::string>{"Tambah/Edit User"});
}

TEST(MenuModelTest, HotLettersSkipLettersTakenEarlier) {
  // "Daftar Customer" cannot take D (taken) and takes "a"; "dd" has no free letter.
  const std::vector<std::string> texts = {"Daftar Barang", "Daftar Customer", "dd", "1. Cetak"};
  EXPECT_EQ(HotLetterPositions(texts, false), (std::vector<int>{0, 1, -1, 3}));
  // In the second-level box only the same character counts as taken: "d" is still free.
  EXPECT_EQ(HotLetterPositions(texts, true), (std::vector<int>{0, 1, 0, 3}));
}

}  // namespace
}  // namespace frame
