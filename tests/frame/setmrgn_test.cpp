// The margin screen: this workstation's margins and lines per page kept in its SETUP row.
#include "frame/setmrgn.h"

#include <gtest/gtest.h>

#include "console/keys.h"
#include "frame/budget.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

namespace key = console::key;
using support::Keys;
using support::Line;

class SetmrgnTest : public ::testing::Test {
 protected:
  SetmrgnTest() { rig.session.SetSearchPath(data.path()); }

  // The KET of the margin row of a workstation; "<none>" without one.
  std::string MarginRow(const std::string& workstation) {
    xbase::WorkArea& setup = support::Open(rig.session, "SETUP");
    EXPECT_TRUE(setup.Seek(setup.PadToField("SETUP", MarginKey(workstation))).ok());
    const std::string ket = setup.found() ? std::string(xbase::RTrim(setup.Text("KET"))) : "<none>";
    EXPECT_TRUE(rig.session.tables().Close("SETUP").ok());
    return ket;
  }

  support::TempDataFolder data{{"SETUP"}};
  support::SessionRig rig;
};

TEST_F(SetmrgnTest, SavingCreatesTheRowOfTheWorkstationAndSetsTheSession) {
  EXPECT_EQ(MarginRow("WS-TEST"), "<none>");
  rig.term.AddKeys(Keys({Line("60"), Line("40"), Line("1.5"), Line("2"), Line("0.5"), Line("1"), {key::kEnter}}));
  ASSERT_TRUE(SETMRGN(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "   Set Margin Printer    "));
  EXPECT_TRUE(support::Shown(rig.term, "setting margin printer"));
  EXPECT_EQ(MarginRow("WS-TEST"), " 1.50 2.00 0.50 1.004060");
  EXPECT_EQ(rig.session.margins.lines_portrait, 60);
  EXPECT_EQ(rig.session.margins.lines_landscape, 40);
  EXPECT_EQ(rig.session.margins.left_landscape, 1.5);
  EXPECT_EQ(rig.session.margins.top, 0.5);
  EXPECT_EQ(rig.session.tables().Area("SETUPMRGN"), nullptr);
}

TEST_F(SetmrgnTest, WorkstationsSharingNineCharactersShareTheRowAndExitSavesNothing) {
  xbase::WorkArea& setup = support::Open(rig.session, "SETUP");
  ASSERT_TRUE(SaveMargins(rig.con, setup, "KASIR-0001", {1, 1, 1, 1, 45, 70}).ok());
  ASSERT_TRUE(SaveMargins(rig.con, setup, "KASIR-0002", {2, 2, 2, 2, 30, 60}).ok());
  ASSERT_TRUE(rig.session.tables().Close("SETUP").ok());
  EXPECT_EQ(MarginRow("KASIR-000"), " 2.00 2.00 2.00 2.003060");

  // Esc at the question goes back to the fields; "exit" leaves without saving.
  rig.term.AddKeys(Keys({Line("55"), {key::kEnter, key::kEnter, key::kEnter, key::kEnter, key::kEnter}, {key::kEsc},
                         {key::kPgDn}, {key::kRight, key::kEnter}}));
  ASSERT_TRUE(SETMRGN(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(MarginRow("WS-TEST"), "<none>");
  EXPECT_EQ(rig.session.margins.lines_portrait, 70);
}

}  // namespace
}  // namespace frame
