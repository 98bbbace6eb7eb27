// On the demonstration folder the administrator makes an employee a user, gives him two entries of the
// administrator's menu, and that user logs in to exactly those entries.
#include <gtest/gtest.h>

#include <algorithm>

#include "console/keys.h"
#include "frame/a12.h"
#include "frame/login.h"
#include "frame/pass.h"
#include "schema/open_table.h"
#include "site/all_procedures.h"
#include "site/data_folder.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace site {
namespace {

namespace key = console::key;
using console::ScriptedTerminal;
using support::Keys;
using support::Line;
using support::Login;
using support::SessionRig;

// The PROSEDUR of each MENU row of group `grup`, in the order of the menu's index.
std::vector<std::string> GroupCalls(const std::string& folder, const std::string& grup) {
  xbase::Session tables(xbase::SearchPath({folder}));
  xbase::WorkArea* menu = nullptr;
  EXPECT_TRUE(schema::UseWithIndexes(tables, "MENU", "", xbase::OpenMode::kShared, &menu).ok());
  EXPECT_TRUE(menu->SetOrder(1).ok());
  std::vector<uint32_t> records;
  EXPECT_TRUE(menu->SeekAll(menu->PadToField("GRUP", grup), &records).ok());
  std::vector<std::string> calls;
  for (uint32_t recno : records) {
    EXPECT_TRUE(menu->GoTo(recno).ok());
    calls.push_back(std::string(xbase::RTrim(menu->Text("PROSEDUR"))));
  }
  return calls;
}

int Place(const std::vector<std::string>& calls, const std::string& call) {
  return static_cast<int>(std::find(calls.begin(), calls.end(), call) - calls.begin());
}

TEST(UserRightsDemoTest, NewUserLogsInToExactlyTheEntriesHeWasGiven) {
  support::TempFolder root;
  const std::string data = root.File("demo");
  DataFolderOptions options;
  options.demo = true;
  options.today = xbase::Date::FromYmd(2026, 12, 8);
  ASSERT_TRUE(MakeDataFolder(data, options, nullptr).ok());
  ASSERT_TRUE(frame::WriteConnectionSettings({"localhost", "", "", data}, root.File("Palunda.ini")).ok());

  // The administrator: the driver of the demo company becomes a user ...
  SessionRig admin;
  RegisterAllProcedures(admin.registry);
  admin.session.DRVDATA_ = data + "/";
  admin.session.SetSearchPath(data);
  admin.session.MMEMBER.nik = xbase::PadR(kAdminNik, 10);
  admin.term.AddKeys(Keys(
      {Line("DRV001"), Line("1"), Line("/DRV"), Line("SPR"), Line("joko"), Line("joko"), {'S'}}));
  ASSERT_TRUE(frame::PASS(admin.session, {}).ok());

  // ... with the fuel-price table and his own password from the first group of the administrator's menu.
  const std::vector<std::string> calls = GroupCalls(data, kAdminMenuGroup);
  const int fuel = Place(calls, "TBBM()");
  const int password = Place(calls, "PASS()");
  ASSERT_LT(fuel, password);
  ASSERT_LT(password, static_cast<int>(calls.size()));
  std::vector<int> keys = Keys({Line("DRV001"), {key::kEnter}});
  keys.insert(keys.end(), static_cast<size_t>(fuel), key::kDown);
  keys.push_back(key::kEnter);
  keys.insert(keys.end(), static_cast<size_t>(password - fuel - 1), key::kDown);
  keys.insert(keys.end(), {key::kEnter, key::kF10, 'Y', key::kEsc});
  admin.term.AddKeys(keys);
  ASSERT_TRUE(frame::A12(admin.session, {}).ok());
  EXPECT_EQ(admin.term.keys_left(), 0u);

  // He logs in: one group, one top entry, the two entries and nothing else.
  SessionRig user(Keys({Login("DRV001", "joko"), {key::kEsc, 'Y'}}));
  RegisterAllProcedures(user.registry);
  frame::MULAI(user.session, root.File("Palunda.ini"));
  const console::CellGrid& menu = user.term.screens()[user.term.screens().size() - 2];
  EXPECT_EQ(ScriptedTerminal::Text(menu, 0).find("-= GRUP MENU ADMIN =-"), 29u) << ScriptedTerminal::Dump(menu);
  EXPECT_EQ(std::string(xbase::RTrim(ScriptedTerminal::Text(menu, 2, 2, 76))), " SISTEM");
  EXPECT_NE(ScriptedTerminal::Text(menu, 5).find(" Tabel BBM "), std::string::npos) << ScriptedTerminal::Dump(menu);
  EXPECT_NE(ScriptedTerminal::Text(menu, 6).find(" Ganti Password "), std::string::npos)
      << ScriptedTerminal::Dump(menu);
  EXPECT_EQ(ScriptedTerminal::Text(menu, 7, 3, 1), "\xC0");  // the pull-down ends below them
  EXPECT_EQ(user.session.MMEMBER.nik, "");
  EXPECT_EQ(user.term.keys_left(), 0u);
}

}  // namespace
}  // namespace site
