// The return screens driven by keys: the administrative return from the note's number to the saved
// return, the late-payment review left with Esc, and the approval of requests from a folder without
// request files.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "returns/return_procedures.h"
#include "returns/returns_test_helpers.h"
#include "support/temp_folder.h"

namespace returns {
namespace {

using namespace returns::testing;
namespace key = console::key;
using support::Keys;
using support::Line;
using support::Shown;

class ReturnScreensTest : public ReturnsTest {
 protected:
  ReturnScreensTest() {
    AddSetting("RETURADMIN", "0000000041");
    AddNote("SJ1", kDay - 2, true, 30, 2000, 0, 0, 60000);
    AddNote("SJ2", kDay - 9, true, 30, 2000, 0, 0, 60000);
    rig.session.CloseTables();
  }
};

TEST_F(ReturnScreensTest, AnAdministrativeReturnIsSavedWithF10) {
  // A note past the limit is refused and cleared; the next one is shown and saved.
  rig.term.AddKeys(Keys({Line("SJ2"), {key::kEnter}, {key::kHome, 25}, Line("SJ1"), {key::kF10}, {key::kEnter},
                         {key::kEsc}}));
  ASSERT_TRUE(RTADMIN(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "Batas Retur Admin cuma 6 Hari"));
  EXPECT_TRUE(Shown(rig.term, "SABUN CAIR 500ML"));
  EXPECT_TRUE(Shown(rig.term, "Nomor retur ini adalah : RADM-0000000042"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_DOUBLE_EQ(Stock(), 80);
  EXPECT_DOUBLE_EQ(Number("PIUTDBT", "NOTA", "SJ1", "KREDIT"), 60000);
  EXPECT_EQ(Field("SRTJLN1", "INVOICE", "SJ2", "RET_ADM"), "");
}

TEST_F(ReturnScreensTest, LeavingTheLatePaymentReviewWithEscKeepsTheStoredApprovals) {
  AddRows(Open(rig.session, "KIRIMAPP"), {{{"FORM", T("PIUT+")}, {"NOMOR", T("SJ1")}, {"NO_GIRO", T("G1")},
                                           {"TG_GIRO", Value::FromDate(kDay)}, {"APPROVAL", Value::Logical(true)}}});
  rig.session.CloseTables();
  rig.term.AddKeys(Keys({{key::kEnter}, {key::kEnter}, {key::kEsc}}));
  ASSERT_TRUE(KAPP(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "TOKO MAJU"));
  EXPECT_TRUE(Flag("KIRIMAPP", "NOMOR", "SJ1", "APPROVAL"));
  rig.session.CloseTables();
  rig.term.AddKeys(Keys({{key::kEnter}, {key::kEnter}, {key::kF10}}));
  ASSERT_TRUE(KAPP(rig.session, {}).ok());
  EXPECT_FALSE(Flag("KIRIMAPP", "NOMOR", "SJ1", "APPROVAL"));
}

TEST_F(ReturnScreensTest, AFolderWithoutRequestFilesIsNamedBeforeAnythingIsShown) {
  support::TempFolder empty;
  rig.term.AddKeys(Keys({Line(empty.path()), {' '}}));
  ASSERT_TRUE(APPRT1(rig.session, {}).ok());
  EXPECT_EQ(Message(), empty.path() + "/App_rt1.dbf: no such file");
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(rig.session.tables().Area("MASTBRJ"), nullptr);
}

}  // namespace
}  // namespace returns
