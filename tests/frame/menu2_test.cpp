// The menu at the terminal: hot letters, moving around, submenus and entries that cannot run.
#include "frame/menu2.h"

#include <gtest/gtest.h>

#include "console/keys.h"
#include "login_site_helpers.h"

namespace frame {

using support::Keys;
using support::Login;
namespace {

using console::ScriptedTerminal;
namespace key = console::key;

// The standard site's SYSADMIN menu: tops " Sistem " (col 2), " Laporan " (12), " Tabel " (23);
// the Sistem pull-down box spans columns 3 to 22 with its entries on rows 5 to 9:
// "Tambah/Edit User", "Setup Data" (sub-items "Satu", "Dua"), "Salah Panggil", "Simpan Data", "Keluar".
class MenuTest : public LoginRun {
 protected:
  // Logs SYSADMIN in and runs the menu keys, then leaves the program with Esc and "Ya".
  void RunMenu(const std::vector<int>& keys) {
    Run(Keys({Login("SYSADMIN", "admin"), keys, {key::kEsc, 'Y'}}));
    EXPECT_EQ(rig_.term.keys_left(), 0u);
    EXPECT_EQ(rig_.term.overruns(), 0);
  }
  // The screen shown when the n-th key of the menu (from 0) was read.
  const console::CellGrid& MenuScreen(size_t n) const {
    const auto& screens = rig_.term.screens();
    size_t first = 0;
    while (first < screens.size() && ScriptedTerminal::Text(screens[first], 2).find(" Sistem ") == std::string::npos) {
      ++first;
    }
    return screens.at(first + n);
  }
  console::Attr Colour(std::string_view colour_text) { return rig_.con.Colour(colour_text); }
  static console::Attr AttrAt(const console::CellGrid& grid, int row, int col) {
    return grid[static_cast<size_t>(row * console::kCols + col)].attr;
  }
};

TEST_F(MenuTest, EntriesBeginningWithTheSameLetterTakeTheNextFreeLetter) {
  RunMenu({'a', ' ', 'I'});
  const console::CellGrid& menu = MenuScreen(0);
  EXPECT_EQ(ScriptedTerminal::Text(menu, 5, 4, 18), " Tambah/Edit User ");
  EXPECT_EQ(ScriptedTerminal::Text(menu, 7, 4, 18), " Salah Panggil    ");
  // The current entry and its hot letter, the other entries' hot letters.
  EXPECT_EQ(AttrAt(menu, 5, 4), Colour("Gr+/b"));
  EXPECT_EQ(AttrAt(menu, 5, 5), Colour("7+/B"));
  EXPECT_EQ(AttrAt(menu, 6, 5), Colour("6+/g"));  // S of Setup Data
  EXPECT_EQ(AttrAt(menu, 7, 5), Colour("w+/g"));  // S of Salah Panggil is taken ...
  EXPECT_EQ(AttrAt(menu, 7, 6), Colour("6+/g"));  // ... so its a is the hot letter
  EXPECT_EQ(AttrAt(menu, 8, 6), Colour("6+/g"));  // i of Simpan Data
  EXPECT_EQ(AttrAt(menu, 9, 5), Colour("6+/g"));  // K of Keluar
  // The bar: the current top entry highlighted, the others with their hot letters.
  EXPECT_EQ(AttrAt(menu, 2, 3), Colour("7+/B"));
  EXPECT_EQ(AttrAt(menu, 2, 13), Colour("6+/n"));
  EXPECT_EQ(AttrAt(menu, 2, 14), Colour("w+/n"));
  // "a" runs Salah Panggil, whose call is unknown: a message, and the menu stays; "I" runs Simpan Data.
  EXPECT_TRUE(Shown(24, "TIDAKADA"));
  EXPECT_EQ(calls_, std::vector<std::string>{"SIMPAN"});
}

TEST_F(MenuTest, UpDownLeftAndRightWrapAround) {
  RunMenu({key::kUp, key::kDown, key::kEnter,  // Up on the first entry goes to the last, Down back to the first
           key::kLeft, key::kEnter, ' ', ' ',  // Left on the first top entry goes to the last
           key::kRight, key::kEnter});         // Right on the last goes to the first
  EXPECT_EQ(AttrAt(MenuScreen(1), 9, 4), Colour("Gr+/b"));
  EXPECT_EQ(calls_, (std::vector<std::string>{"PASSTEST", "HILANG", "PASSTEST"}));
}

TEST_F(MenuTest, EntryNeedingAMissingTableReturnsToTheMenu) {
  RunMenu({console::key::Alt('T'), key::kEnter, ' ', ' ', key::kEnter, ' ', ' '});
  EXPECT_EQ(calls_, (std::vector<std::string>{"HILANG", "HILANG"}));
  EXPECT_TRUE(Shown(24, "tidakada: tabel tidak dapat dibuka"));
  EXPECT_TRUE(Shown(2, " Tabel "));
}

TEST_F(MenuTest, EscClosesTheSecondLevelBoxAndAsksInThePullDown) {
  RunMenu({key::kDown, key::kEnter, key::kEsc,  // into the second-level box and out again
           key::kEnter, key::kDown, key::kEnter,  // Dua
           key::kEnter,                           // the menu reopens on Dua
           key::kEsc, key::kEsc, 'T'});           // out of the box, then "Tidak" keeps the menu
  // While the pull-down has the cursor the second-level box is dimmed; in the box, the current
  // sub-item is highlighted.
  EXPECT_EQ(ScriptedTerminal::Text(MenuScreen(1), 6, 24, 6), " Satu ");
  EXPECT_EQ(AttrAt(MenuScreen(1), 6, 26), console::kShadowAttr);
  EXPECT_EQ(AttrAt(MenuScreen(2), 6, 26), Colour("Gr+/b"));
  EXPECT_EQ(AttrAt(MenuScreen(3), 6, 26), console::kShadowAttr);
  EXPECT_EQ(AttrAt(MenuScreen(6), 7, 26), Colour("Gr+/b"));
  EXPECT_EQ(calls_, (std::vector<std::string>{"DUA", "DUA"}));
  EXPECT_TRUE(Shown(11, std::string(kQuitQuestion)));
}

TEST_F(MenuTest, ASecondLevelBoxThatCannotStandRightOfItsPullDownStandsLeftOfIt) {
  // A top entry far right ("Nego", column 64) whose pull-down (columns 65 to 74) holds a sub-menu.
  site_.AddMenu("ADMIN", "4", "Retur Penjualan dan Approval", "");
  site_.AddMenu("ADMIN", "41", "Retur", "HARIAN()");
  site_.AddMenu("ADMIN", "5", "Nego", "");
  site_.AddMenu("ADMIN", "51", "Nego 1", "");
  site_.AddMenu("ADMIN", "511", "Kirim BAC", "SATU()");
  site_.AddRight("SYSADMIN", "ADMIN", "41", "4", "4");
  site_.AddRight("SYSADMIN", "ADMIN", "511", "5", "51");
  RunMenu({console::key::Alt('N'), key::kEnter, key::kEnter, key::kEsc});
  EXPECT_EQ(ScriptedTerminal::Text(MenuScreen(1), 5, 66, 8), " Nego 1 ");
  EXPECT_EQ(ScriptedTerminal::Text(MenuScreen(2), 5, 53, 11), " Kirim BAC ");
  EXPECT_EQ(ScriptedTerminal::Text(MenuScreen(2), 5, 66, 8), " Nego 1 ");
  EXPECT_EQ(calls_, std::vector<std::string>{"SATU"});
}

TEST_F(MenuTest, MenuReopensAtTheEntryThatRan) {
  RunMenu({key::kDown, key::kDown, key::kDown, key::kEnter, key::kEnter});
  EXPECT_EQ(calls_, (std::vector<std::string>{"SIMPAN", "SIMPAN"}));
  EXPECT_EQ(AttrAt(MenuScreen(4), 8, 4), Colour("Gr+/b"));
}

TEST_F(MenuTest, AltAndTheHotLetterOfATopEntryJumpThere) {
  RunMenu({console::key::Alt('L'), key::kEnter,                                // from the pull-down
           console::key::Alt('s'), key::kDown, key::kEnter,                    // into Setup Data's box
           console::key::Alt('L'), key::kEnter});                              // and from there
  EXPECT_EQ(calls_, (std::vector<std::string>{"HARIAN", "HARIAN"}));
  EXPECT_EQ(AttrAt(MenuScreen(1), 2, 12), Colour("Gr+/b"));
}

TEST_F(MenuTest, ClockTicksWhileTheMenuWaits) {
  RunMenu({key::kNone, key::kNone});
  EXPECT_EQ(ScriptedTerminal::Text(MenuScreen(0), 0, 71, 8), "09:00:00");
  EXPECT_EQ(ScriptedTerminal::Text(MenuScreen(2), 0, 71, 8), "09:00:02");
  EXPECT_EQ(AttrAt(MenuScreen(2), 0, 78), Colour("w+/b"));
}

}  // namespace
}  // namespace frame
