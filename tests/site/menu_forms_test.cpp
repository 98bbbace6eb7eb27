// Forms that cover the screen, opened from the administrator's menu in a new data folder: nothing of the
// menu shows around them, neither a second top border over the menu's bar nor letters of its side panel.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "console/keys.h"
#include "frame/login.h"
#include "site/all_procedures.h"
#include "site/data_folder.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"

namespace site {
namespace {

using console::ScriptedTerminal;
namespace key = console::key;

struct FormEntry {
  const char* title;       // on the form's title row
  int title_row;
  std::vector<int> route;  // from the menu's first entry to the form
  bool second_level;       // the form is a sub-item: one more Esc back to the pull-down
};

// Opens the form by its route, leaves it with Esc and the program with Esc and "Ya"; the screen that
// showed the form's title.
std::optional<console::CellGrid> FormScreen(const FormEntry& entry) {
  support::TempFolder root;
  const std::string data = root.File("site");
  DataFolderOptions options;
  options.today = xbase::Date::FromYmd(2026, 12, 8);
  EXPECT_TRUE(MakeDataFolder(data, options, nullptr).ok());
  EXPECT_TRUE(frame::WriteConnectionSettings({"localhost", "", "", data}, root.File("Palunda.ini")).ok());
  std::vector<int> leave = {key::kEsc, key::kEsc, 'Y'};
  if (entry.second_level) leave.insert(leave.begin(), key::kEsc);
  support::SessionRig rig(support::Keys({support::Login(kAdminNik, kAdminPassword), {key::kEnter}, entry.route, leave}));
  RegisterAllProcedures(rig.registry);
  frame::MULAI(rig.session, root.File("Palunda.ini"));
  EXPECT_EQ(rig.term.overruns(), 0) << entry.title;
  for (const auto& screen : rig.term.screens()) {
    if (ScriptedTerminal::Text(screen, entry.title_row).find(entry.title) != std::string::npos) return screen;
  }
  ADD_FAILURE() << entry.title << " not shown";
  return std::nullopt;
}

TEST(MenuFormsTest, AFormThatCoversTheScreenLeavesNothingOfTheMenuAroundIt) {
  using namespace key;
  const FormEntry entries[] = {
      {"MENCETAK FAKTUR PAJAK", 3, {kRight, kRight, kEnter, kDown, kDown, kDown, kDown, kDown, kDown, kDown, kEnter}, true},
      {"DATA PEGAWAI", 3, {kRight, kEnter}, false},
      {"DATA KODE RELASI", 2, {kRight, kDown, kDown, kEnter}, false},
  };
  for (const FormEntry& entry : entries) {
    const std::optional<console::CellGrid> shown = FormScreen(entry);
    if (!shown) continue;
    const console::CellGrid& form = *shown;
    EXPECT_EQ(ScriptedTerminal::Text(form, 0), std::string(80, ' ')) << entry.title;
    if (entry.title_row == 3) {
      EXPECT_EQ(ScriptedTerminal::Text(form, 1), std::string(80, ' ')) << ScriptedTerminal::Dump(form);
    }
    for (int row = 3; row <= 23; ++row) {
      EXPECT_EQ(ScriptedTerminal::Text(form, row, 79, 1), " ") << entry.title << ", row " << row;
    }
  }
}

}  // namespace
}  // namespace site
