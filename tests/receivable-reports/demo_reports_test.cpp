// Every receivables report over the demonstration company: each runs its window with the answers
// offered (and the first choice of each question), reads only fields its tables have, and leaves no
// table open; the age KPI writes its workbook.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "console/keys.h"
#include "platform/workstation_settings.h"
#include "receivable-reports/receivable_reports.h"
#include "site/all_procedures.h"
#include "site/data_folder.h"
#include "support/scripted_session.h"
#include "support/site_folder.h"
#include "support/temp_folder.h"
#include "xbase/ini_file.h"

namespace receivable_reports {
namespace {

// The fields of each window and the questions after it.
const std::map<std::string, int> kAnswers = {
    {"LKARPIUT", 2},  {"LREKPIUT", 3}, {"LPIUTBLNS", 4}, {"LDAFGIRO", 4},      {"LSDOGIRO", 3},      {"LKARGIRO", 2},
    {"LDAFPIUT", 6},  {"BGCAIR", 5},   {"BGBELUM", 5},   {"LDAFLUNAS", 6},     {"LMTSPIUT", 4},      {"LRKPW", 5},
    {"LRKPD", 5},     {"MNB", 11},     {"PPJ", 3},       {"LLUNASA", 4},       {"LLUNASASALES", 4},  {"LTEMPOBL", 9},
    {"LTEMPOBLSALES", 8}, {"KPIUMUR", 6}, {"RKPIUMUR", 7}};

class DemoReportsTest : public ::testing::TestWithParam<const char*> {
 protected:
  DemoReportsTest() {
    std::string report;
    const xbase::Status made =
        site::MakeDataFolder(folder.File("data"), support::TestOptions(support::TestRegistry(), true), &report);
    EXPECT_TRUE(made.ok()) << made.ToString();
    rig.session.SetSearchPath(folder.File("data"));
    rig.session.TMPFILELAP_ = folder.File("tmp");
    platform::WorkstationSettings settings;
    EXPECT_TRUE(platform::ReadWorkstationSettings(xbase::IniFile(), home.path(), &settings).ok());
    rig.session.services().Configure(std::move(settings));
    site::RegisterAllProcedures(registry);
  }

  support::TempFolder folder, home;
  support::SessionRig rig;
  frame::ProcedureRegistry registry;
};

TEST_P(DemoReportsTest, RunsWithTheAnswersOffered) {
  const std::string name = GetParam();
  const frame::EntryInfo* entry = registry.Find(name);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->group, kMenuGroup);
  std::vector<int> keys;
  if (name == "LKARPIUT") keys = {'J', '0', '0', '0', '1', console::key::kEnter};
  keys.insert(keys.end(), static_cast<size_t>(kAnswers.at(name)), console::key::kEnter);
  rig.term.AddKeys(keys);
  ASSERT_TRUE(entry->run(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(rig.session.tables().Area("PIUTDBT"), nullptr);
  const std::string books = home.File("reports");
  const bool written = std::filesystem::is_directory(books) && !std::filesystem::is_empty(books);
  EXPECT_EQ(written, name.ends_with("KPIUMUR"));
}

INSTANTIATE_TEST_SUITE_P(EveryReport, DemoReportsTest,
                         ::testing::Values("LKARPIUT", "LREKPIUT", "LPIUTBLNS", "LDAFGIRO", "LSDOGIRO", "LKARGIRO",
                                           "LDAFPIUT", "BGCAIR", "BGBELUM", "LDAFLUNAS", "LMTSPIUT", "LRKPW", "LRKPD",
                                           "MNB", "PPJ", "LLUNASA", "LLUNASASALES", "LTEMPOBL", "LTEMPOBLSALES",
                                           "KPIUMUR", "RKPIUMUR"));

}  // namespace
}  // namespace receivable_reports
