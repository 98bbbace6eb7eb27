// A failed status on row 24: its message centred in the message colour until a key, a long one in a
// box; an OK status shows nothing and takes no key.
#include "frame/status_display.h"

#include <gtest/gtest.h>

#include "console/keys.h"
#include "support/scripted_session.h"

namespace frame {
namespace {

using console::ScriptedTerminal;

// The screen that shows `text` on row 24, or null.
const console::CellGrid* ScreenWith(const ScriptedTerminal& term, const std::string& text) {
  for (const console::CellGrid& grid : term.screens()) {
    if (ScriptedTerminal::Text(grid, 24).find(text) != std::string::npos) return &grid;
  }
  return nullptr;
}

TEST(StatusDisplayTest, FailureWaitsForAKeyOnRow24InTheMessageColourAndStopsTheCaller) {
  support::SessionRig rig({'x', 'y'});
  EXPECT_FALSE(Checked(rig.session, xbase::Status::IOError("read failed", "MASTCUS.DBF")));
  const console::CellGrid* shown = ScreenWith(rig.term, "read failed: MASTCUS.DBF");
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(ScriptedTerminal::Text(*shown, 24, 28, 24), "read failed: MASTCUS.DBF");
  EXPECT_EQ((*shown)[24 * console::kCols + 28].attr, rig.con.Colour("GR+/R"));
  EXPECT_EQ((*shown)[24 * console::kCols + 27].attr, rig.con.Colour("GR+/R"));  // the whole row
  EXPECT_EQ(rig.term.keys_left(), 1u);  // one key taken: the clerk's acknowledgement

  ShowFailure(rig.session, xbase::Status::Corruption("record 7 cut short", "NOTA.DBF"));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "NOTA.DBF"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
}

TEST(StatusDisplayTest, OkShowsNothingAndALongFailureGoesWholeIntoABox) {
  support::SessionRig rig({'x'});
  const size_t screens = rig.term.screens().size();
  EXPECT_TRUE(Checked(rig.session, xbase::Status::OK()));
  ShowFailure(rig.session, xbase::Status::OK());
  EXPECT_EQ(rig.term.screens().size(), screens);
  EXPECT_EQ(rig.term.keys_left(), 1u);

  EXPECT_FALSE(Checked(rig.session, xbase::Status::IOError("cannot read the goods table of the branch",
                                                            "/data/cabang jakarta selatan/tahun 2026/MASTBRG.DBF")));
  EXPECT_TRUE(support::ShownWhole(rig.term, "cannot read the goods table of the branch: /data/cabang jakarta selatan/tahun "
                                            "2026/MASTBRG.DBF"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
}

}  // namespace
}  // namespace frame
