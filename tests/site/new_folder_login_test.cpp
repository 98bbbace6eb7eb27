// A data folder made as palunda-setup makes it takes its administrator through the login to the menu.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "frame/login.h"
#include "site/all_procedures.h"
#include "site/data_folder.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"

namespace site {

using support::Keys;
using support::Login;
using support::SessionRig;
using support::TempFolder;

namespace {

TEST(NewFolderLoginTest, AdministratorOfANewDataFolderReachesTheMenu) {
  TempFolder root;
  const std::string data = root.File("site");
  DataFolderOptions options;
  options.today = xbase::Date::FromYmd(2026, 12, 8);
  ASSERT_TRUE(MakeDataFolder(data, options, nullptr).ok());
  ASSERT_TRUE(frame::WriteConnectionSettings({"localhost", "", "", data}, root.File("Palunda.ini")).ok());
  // The groups pass one menu bar: Enter takes the first, ADMIN.
  SessionRig rig(Keys({Login(kAdminNik, kAdminPassword), {console::key::kEnter}, {console::key::kEsc, 'Y'}}));
  RegisterAllProcedures(rig.registry);
  frame::MULAI(rig.session, root.File("Palunda.ini"));
  const console::CellGrid& menu = rig.term.screens().back();
  EXPECT_EQ(console::ScriptedTerminal::Text(menu, 0).find("-= GRUP MENU ADMIN =-"), 29u)
      << console::ScriptedTerminal::Text(menu, 0);
  EXPECT_NE(console::ScriptedTerminal::Text(menu, 2).find(" SISTEM "), std::string::npos);
  EXPECT_NE(console::ScriptedTerminal::Text(menu, 19).find(options.company), std::string::npos);
  // The side panel names the user, the data folder (a new folder's own name) and the workstation.
  EXPECT_EQ(console::ScriptedTerminal::Text(menu, 7, 76), "site");
  EXPECT_EQ(rig.session.ZTGPROSES, xbase::Date::FromYmd(2026, 12, 31));
  EXPECT_EQ(rig.term.keys_left(), 0u);
}

}  // namespace
}  // namespace site
