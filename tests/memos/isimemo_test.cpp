// The admin memo screen: the line checks, the numbering from the "MADM" counter, the save and its
// rewrite in place, and the approved memo that the entry screen refuses.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "memos/memo_screens.h"
#include "memos/memo_test_helpers.h"

namespace memos {

using support::Line;
using support::Shown;

namespace {

using console::key::kDel;
using console::key::kDown;
using console::key::kEnter;
using console::key::kEsc;
using console::key::kF10;

class IsimemoTest : public MemoTest {};

TEST_F(IsimemoTest, NewMemoTakesTheNextNumberAndItsLinesTheirColly) {
  Keys({Line("B2"), {kEnter, kEnter}, Line("kirim pagi"), Line("SJ0001"), Line("SJ0002"), {kF10, 'Y', kEnter},
        {kEsc}});
  ASSERT_TRUE(Run(ISIMEMO));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown(rig.term, "Nomor memo ke gudang ini : 0000000042"));
  EXPECT_EQ(Setting("MADMB2"), "0000000042");
  EXPECT_EQ(Stored("MEMADM1", 1, "NOMOR"), "0000000042");
  EXPECT_EQ(Stored("MEMADM1", 1, "NOTES"), "KIRIM PAGI");
  EXPECT_EQ(Stored("MEMADM1", 1, "OPERATOR"), "ADM01");
  xbase::WorkArea& lines = Reopen("MEMADM2");
  ASSERT_EQ(lines.table().record_count(), 2u);
  EXPECT_EQ(support::StoredText(lines, 1, "INVOICE"), "SJ0001");
  EXPECT_EQ(lines.Number("CARTON"), 5);
  EXPECT_EQ(support::StoredText(lines, 2, "INVOICE"), "SJ0002");
  EXPECT_EQ(lines.Number("CARTON"), 4);
  EXPECT_EQ(support::StoredText(lines, 2, "KDCB"), "B2");
  EXPECT_EQ(support::StoredText(lines, 2, "NOMOR"), "0000000042");
}

}  // namespace
}  // namespace memos
