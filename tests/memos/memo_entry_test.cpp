// The entry screens' header and save: what is typed in the header lands in the memo's fields, a stored
// memo loads into its screen and is saved again under its own number with the lines added to it.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "memos/memo_screens.h"
#include "memos/memo_test_helpers.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"

namespace memos {

using support::Line;
using support::N;
using support::Shown;
using support::T;

namespace {

using console::key::kDown;
using console::key::kEnter;
using console::key::kEsc;
using console::key::kF10;

class MemoEntryTest : public MemoTest {};

TEST_F(MemoEntryTest, DriverMemoHeaderFieldsAndPlannedLinesAreStored) {
  AddMemo("MEMADM1", "MEMADM2", "0000000050", Day(7), true, {{{"INVOICE", T("SJ0001")}, {"CARTON", N(5)}}});
  support::SettleSmallFolder(folder.path());
  Keys({Line("B2"), {kEnter, kEnter, kEnter}, Line("B1234XY"), Line("DRV01"), Line("0800"), Line("mobil box"),
        Line("SJ0001"), Line("14122026"), {kF10, 'Y', kEnter, kEsc}});
  ASSERT_TRUE(Run(SJDIKIRIM));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown(rig.term, "Nomor memo ke DRIVER ini : 0000000008"));
  EXPECT_EQ(Setting("MDRVB2"), "0000000008");
  xbase::WorkArea& header = Reopen("MEMDRV1");
  ASSERT_EQ(header.table().record_count(), 1u);
  ASSERT_TRUE(header.GoTo(1).ok());
  EXPECT_EQ(header.DateOf("TANGGAL"), Day(8));
  EXPECT_EQ(support::StoredText(header, 1, "KDCB"), "B2");
  EXPECT_EQ(support::StoredText(header, 1, "ARMADA"), "B1234XY");
  EXPECT_EQ(support::StoredText(header, 1, "SOPIR"), "DRV01");
  EXPECT_EQ(support::StoredText(header, 1, "JAM_PERGI"), "08:00");
  EXPECT_EQ(support::StoredText(header, 1, "NOTES"), "MOBIL BOX");
  // The empty row the list added after the planned date is not stored.
  xbase::WorkArea& lines = Reopen("MEMDRV2");
  ASSERT_EQ(lines.table().record_count(), 1u);
  EXPECT_EQ(support::StoredText(lines, 1, "INVOICE"), "SJ0001");
  EXPECT_EQ(lines.DateOf("TG_KIRIM"), Day(14));
  EXPECT_EQ(lines.Number("CARTON"), 5);
  EXPECT_EQ(support::StoredText(lines, 1, "NOMOR"), "0000000008");
  support::ExpectVerified(folder.path());
}

TEST_F(MemoEntryTest, StoredReceivablesMemoKeepsItsNumberWhenALineIsAdded) {
  AddMemo("MEMPJK1", "MEMPJK2", "0000000013", Day(7), false, {{{"INVOICE", T("SJ0001")}}});
  support::SettleSmallFolder(folder.path());
  Keys({Line("B2"), Line("0000000013"), {kEnter}, Line("susulan"), {kDown}, Line("SJ0002"), {kF10, 'Y', kEsc}});
  ASSERT_TRUE(Run(MEMOPJK));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_FALSE(Shown(rig.term, "Nomor memo ke Admin Piutang :"));
  EXPECT_EQ(Setting("MPJKB2"), "0000000013");  // as settled to the stored memo, not raised
  xbase::WorkArea& header = Reopen("MEMPJK1");
  ASSERT_EQ(header.table().record_count(), 1u);
  ASSERT_TRUE(header.GoTo(1).ok());
  EXPECT_EQ(header.DateOf("TANGGAL"), Day(7));
  EXPECT_EQ(support::StoredText(header, 1, "NOTES"), "SUSULAN");
  xbase::WorkArea& lines = Reopen("MEMPJK2");
  ASSERT_EQ(lines.table().record_count(), 2u);
  EXPECT_EQ(support::StoredText(lines, 1, "INVOICE"), "SJ0001");
  EXPECT_EQ(support::StoredText(lines, 2, "INVOICE"), "SJ0002");
  EXPECT_EQ(support::StoredText(lines, 2, "NOMOR"), "0000000013");
  support::ExpectVerified(folder.path());
}

}  // namespace
}  // namespace memos
