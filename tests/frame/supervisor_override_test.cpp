// The supervisor override: NIK, the rights code, then the password.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "console/scripted_terminal.h"
#include "frame/supervisor_override.h"
#include "support/damaged_tables.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "xbase/password.h"

namespace frame {

using support::AddRows;
using support::Open;
using support::SessionRig;
using support::T;
using support::TempDataFolder;

namespace {

TEST(SupervisorOverrideTest, WantsTheRightsCodeBeforeThePassword) {
  TempDataFolder folder{{"TRANSAK"}};
  SessionRig rig;
  rig.session.SetSearchPath(folder.path());
  AddRows(Open(rig.session, "TRANSAK"),
          {{{"USER_ID", T("SPV01")}, {"KODEPROG", T("/SPV\\EDP")}, {"PASS_ID", T(xbase::TransformPassword("rahasia"))}},
           {{"USER_ID", T("KASIR")}, {"KODEPROG", T("/KSR")}, {"PASS_ID", T(xbase::TransformPassword("rahasia"))}}});
  const auto keys = [](std::string nik, std::string password) {
    std::vector<int> k = console::ScriptedTerminal::Typed(nik);
    k.push_back(console::key::kEnter);
    for (int c : console::ScriptedTerminal::Typed(password)) k.push_back(c);
    k.push_back(console::key::kEnter);
    return k;
  };
  rig.term.AddKeys(keys("SPV01", "rahasia"));
  EXPECT_TRUE(PERMITION(rig.session));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(rig.term.Text(17, 23, 19), "     Isi Password :");
  EXPECT_EQ(console::ScriptedTerminal::Text(rig.term.screens()[3], 17, 42, 4), "***_");

  rig.term.AddKeys(keys("SPV01", "salah"));
  EXPECT_FALSE(PERMITION(rig.session));
  // The rights text lacks the code: refused before the password is asked.
  rig.term.AddKeys(keys("KASIR", "rahasia"));
  EXPECT_FALSE(PERMITION(rig.session));
  EXPECT_EQ(rig.term.keys_left(), 8u);

  // A supervisor record that cannot be read lets nobody past, and says why on row 24.
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::DamageIndexPages(folder.path(), "TRANSAK");
  SessionRig damaged;
  damaged.session.SetSearchPath(folder.path());
  Open(damaged.session, "TRANSAK");
  std::vector<int> k = keys("SPV01", "rahasia");
  k.resize(6);                        // the NIK and its Enter
  k.push_back(console::key::kEnter);  // the failure
  damaged.term.AddKeys(k);
  EXPECT_FALSE(PERMITION(damaged.session));
  EXPECT_EQ(damaged.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(damaged.term, 24, "TRANSAK"));
}

// Without the user table open nobody gets past, and row 24 says which table is missing rather than
// refusing as if the password were wrong.
TEST(SupervisorOverrideTest, AMissingUserTableIsNamed) {
  SessionRig rig;
  rig.term.AddKeys({console::key::kEnter});
  EXPECT_FALSE(PERMITION(rig.session));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "table not open: transak"));
}

}  // namespace
}  // namespace frame
