// Opening a screen's list of tables: the areas handed back by alias with their orders set, and every
// failure told on row 24 with nothing of the list left open.
#include "frame/open_table.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "console/keys.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "xbase/session.h"

namespace frame {
namespace {

namespace key = console::key;
using support::ShownOnRow;

class OpenTablesTest : public ::testing::Test {
 protected:
  OpenTablesTest() : folder({"MASTCUS", "SETUP", "PIUTDBT"}) {}

  support::SessionRig& Rig(std::vector<int> keys) {
    rig = std::make_unique<support::SessionRig>(std::move(keys));
    rig->session.SetSearchPath(folder.path());
    return *rig;
  }

  // The aliases open in the rig's session, among those the tests use.
  std::vector<std::string> Open() const {
    std::vector<std::string> open;
    for (const char* alias : {"MASTCUS", "CUS", "SETUP", "PIUTDBT"}) {
      if (rig->session.tables().Area(alias) != nullptr) open.push_back(alias);
    }
    return open;
  }

  support::TempDataFolder folder;
  std::unique_ptr<support::SessionRig> rig;
};

TEST_F(OpenTablesTest, HandsBackEachAreaByAliasWithItsOrder) {
  support::SessionRig& r = Rig({});
  // A table the screen already has open is taken as it is, its order set again.
  xbase::WorkArea* setup = nullptr;
  ASSERT_TRUE(OpenTable(r.session, "SETUP", false, {}, &setup));
  ASSERT_TRUE(setup->SetOrder(0).ok());

  const OpenedTables tables =
      OpenTables(r.session, {{"MASTCUS", "cus", false, "mastcus2"}, {"SETUP"}, {"PIUTDBT", {}, true}});
  ASSERT_TRUE(tables);
  EXPECT_EQ(&tables["CUS"], r.session.tables().Area("CUS"));
  EXPECT_EQ(&tables["cus"], &tables["Cus"]);
  EXPECT_EQ(&tables["setup"], setup);
  EXPECT_EQ(tables["CUS"].OrderNumber(), 2);
  EXPECT_EQ(tables["SETUP"].OrderNumber(), 1);
  EXPECT_EQ(tables["PIUTDBT"].OrderNumber(), 1);
  EXPECT_EQ(r.session.tables().Area("MASTCUS"), nullptr);

  // Exclusive: another workstation cannot open it meanwhile.
  xbase::Session other(xbase::SearchPath({folder.path()}));
  EXPECT_TRUE(other.Use("PIUTDBT", "", xbase::OpenMode::kShared, nullptr).IsInUse());
  EXPECT_TRUE(r.term.screens().empty() || !ShownOnRow(r.term, 24, "PIUTDBT"));
}

TEST_F(OpenTablesTest, AnAliasTheScreenDidNotListEndsTheProgramNamingIt) {
  support::SessionRig& r = Rig({});
  const OpenedTables tables = OpenTables(r.session, {{"SETUP"}});
  ASSERT_TRUE(tables);
  EXPECT_DEATH(tables["MASTCUS"], "table MASTCUS was not opened by this screen");
}

// A table looked up by alias: the area in any case of the alias, or a status naming the alias asked
// for; AreaOf tells the same on row 24.
TEST_F(OpenTablesTest, ATableNotOpenIsNamedByTheAliasAskedFor) {
  support::SessionRig& r = Rig({' '});
  xbase::WorkArea* setup = nullptr;
  ASSERT_TRUE(OpenTable(r.session, "SETUP", false, {}, &setup));
  xbase::WorkArea* found = nullptr;
  ASSERT_TRUE(RequireArea(r.session, "setup", &found).ok());
  EXPECT_EQ(found, setup);

  const xbase::Status missing = RequireArea(r.session, "MastCus", &found);
  EXPECT_TRUE(missing.IsInvalidArgument());
  EXPECT_EQ(missing.message(), "table not open: MastCus");
  EXPECT_EQ(found, nullptr);

  EXPECT_EQ(AreaOf(r.session, "Setup"), setup);
  EXPECT_EQ(AreaOf(r.session, "piutdbt"), nullptr);
  EXPECT_TRUE(ShownOnRow(r.term, 24, "table not open: piutdbt"));
  EXPECT_EQ(r.term.keys_left(), 0u);
}

TEST_F(OpenTablesTest, EachFailureIsToldNamingTheFileAndLeavesNothingOfTheListOpen) {
  // A missing table, after one of the list opened.
  {
    support::SessionRig& r = Rig({' '});
    EXPECT_FALSE(OpenTables(r.session, {{"SETUP"}, {"MASTCUS"}, {"NOTHERE"}}));
    EXPECT_TRUE(ShownOnRow(r.term, 24, "NOTHERE.dbf: not found in the search path"));
    EXPECT_EQ(Open(), std::vector<std::string>{});
    EXPECT_EQ(r.term.keys_left(), 0u);
  }
  // A missing index file: the table it belongs to closes too.
  {
    std::filesystem::remove(folder.File("MASTCUS2.ntx"));
    support::SessionRig& r = Rig({' '});
    EXPECT_FALSE(OpenTables(r.session, {{"SETUP"}, {"MASTCUS"}, {"PIUTDBT"}}));
    EXPECT_TRUE(ShownOnRow(r.term, 24, "MASTCUS2.ntx: not found in the search path"));
    EXPECT_EQ(Open(), std::vector<std::string>{});
  }
  // An order the table lacks is a failure, told with the alias.
  {
    support::SessionRig& r = Rig({' '});
    EXPECT_FALSE(OpenTables(r.session, {{"SETUP"}, {"PIUTDBT", "piut", false, "PIUTDBT9"}}));
    EXPECT_TRUE(ShownOnRow(r.term, 24, "piut: no open index PIUTDBT9"));
    EXPECT_EQ(Open(), std::vector<std::string>{});
    EXPECT_EQ(r.session.tables().Area("PIUT"), nullptr);
  }
  // A table open before the list stays open when the list fails.
  {
    support::SessionRig& r = Rig({' '});
    ASSERT_TRUE(OpenTable(r.session, "PIUTDBT"));
    EXPECT_FALSE(OpenTables(r.session, {{"PIUTDBT"}, {"SETUP"}, {"NOTHERE"}}));
    EXPECT_EQ(Open(), std::vector<std::string>{"PIUTDBT"});
  }
}

TEST_F(OpenTablesTest, EscWhileAnotherWorkstationHoldsATableGivesUpQuietly) {
  xbase::Session other(xbase::SearchPath({folder.path()}));
  ASSERT_TRUE(other.Use("MASTCUS", "", xbase::OpenMode::kExclusive, nullptr).ok());

  support::SessionRig& r = Rig({key::kNone, key::kEsc});
  EXPECT_FALSE(OpenTables(r.session, {{"SETUP"}, {"MASTCUS"}, {"PIUTDBT"}}));
  EXPECT_TRUE(ShownOnRow(r.term, 24, "Mencoba membuka file MASTCUS.Dbf, tekan [Esc]=batal...."));
  EXPECT_EQ(r.term.keys_left(), 0u);
  EXPECT_EQ(Open(), std::vector<std::string>{});
  // Nothing waits for a further key: the screen is put back as it was.
  EXPECT_EQ(r.con.Text(24, 0, 10), "          ");
}

}  // namespace
}  // namespace frame
