// Every recap entry over the demonstration company: each runs its box with the answers offered, reads
// only fields its tables have, and the workbook reports write their workbooks.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "recaps/recap_rows_helpers.h"
#include "recaps/recaps.h"
#include "site/all_procedures.h"
#include "site/data_folder.h"
#include "support/scripted_session.h"
#include "support/site_folder.h"
#include "support/temp_folder.h"

namespace recaps {
namespace {

class DemoReportsTest : public ::testing::TestWithParam<const char*> {
 protected:
  DemoReportsTest() {
    std::string report;
    const xbase::Status made =
        site::MakeDataFolder(folder.File("data"), support::TestOptions(support::TestRegistry(), true), &report);
    EXPECT_TRUE(made.ok()) << made.ToString();
    rig.session.SetSearchPath(folder.File("data"));
    rig.session.TMPFILELAP_ = folder.File("tmp");
    testing::UseReportsFolder(rig.session, home.path());
    site::RegisterAllProcedures(registry);
  }

  support::TempFolder folder, home;
  support::SessionRig rig;
  frame::ProcedureRegistry registry;
};

TEST_P(DemoReportsTest, RunsWithTheAnswersOffered) {
  const frame::EntryInfo* entry = registry.Find(GetParam());
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->group, kMenuGroup);
  // Enter takes every answer offered and the first choice of each question (the L.C. recaps of a
  // supervisor or salesman are told the demo's); then Esc leaves.
  const std::string name = GetParam();
  const std::vector<int> enter(14, console::key::kEnter);
  if (name == "LC2" || name == "LC3") {
    rig.term.AddKeys(support::Keys({{console::key::kEnter, console::key::kEnter}, support::Line("S004"),
                                    name == "LC3" ? support::Line("S001") : std::vector<int>{}, enter}));
  } else {
    rig.term.AddKeys(enter);
  }
  ASSERT_TRUE(entry->run(rig.session, {}).ok());
  EXPECT_EQ(rig.session.tables().Area("RKP_CAB"), nullptr);
  const bool workbook = name.starts_with("LAP") || name.starts_with("LC") || name == "NETITEM";
  EXPECT_EQ(!testing::Workbooks(home.File("reports")).empty(), workbook);
}

INSTANTIATE_TEST_SUITE_P(EveryReport, DemoReportsTest,
                         ::testing::Values("LAPITEM", "LAPBULAN", "LAPITEMPAR", "LAPLCCAB", "LAPLCBLN", "LC1", "LC2",
                                           "LC3", "LAPLIS", "LAPLISITEM", "LAPPPAITEM", "LAPPPAVALUE", "LAPRLSKEL",
                                           "LAPOTLBLN", "LAPRLSBLN", "LAPSLSPAR", "LAPSALES1", "LAPKOMIT",
                                           "LAPPPASALES", "LAPITEMSLSVAL", "LAPPPASLSVAL", "LJURJL", "NETITEM",
                                           "LRKPBRG", "LRKPSRJL", "LRKPCUST"));

}  // namespace
}  // namespace recaps
