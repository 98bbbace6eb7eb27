// The memo save takes every lock before it writes: a record held at another workstation and given up
// with Esc leaves the memo, its lines, its counter and the admin memo's outcome as they were.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "memos/memo_screens.h"
#include "memos/memo_test_helpers.h"
#include "memos/memos.h"
#include "support/other_workstation.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"

namespace memos {

using support::Line;
using support::N;
using support::Shown;
using support::ShownOnRow;
using support::T;

namespace {

using console::key::kEnter;
using console::key::kEsc;
using console::key::kF10;
using console::key::kRight;

xbase::Value D(xbase::Date date) { return xbase::Value::FromDate(date); }

class MemoSaveTest : public MemoTest {
 protected:
  // TERKIRIM of the first row of `table`.
  bool Delivered(const std::string& table) {
    xbase::WorkArea& lines = Reopen(table);
    EXPECT_TRUE(lines.GoTo(1).ok());
    return lines.Logical("TERKIRIM");
  }

  support::OtherWorkstation other{folder.path()};
};

TEST_F(MemoSaveTest, EscAtTheAdminMemoLineOfAMemoBackWritesNeitherMemo) {
  AddMemo("MEMADM1", "MEMADM2", "0000000050", Day(7), true,
          {{{"INVOICE", T("SJ0001")}, {"CARTON", N(5)}}, {{"INVOICE", T("SJ0002")}, {"CARTON", N(4)}}});
  AddMemo("MEMGDG1", "MEMGDG2", "0000000005", Day(9), false,
          {{{"INVOICE", T("SJ0001")}, {"TG_KIRIM", D(Day(9))}, {"NOTES", T("DITERIMA")},
            {"TERKIRIM", xbase::Value::Logical(true)}},
           {{"INVOICE", T("SJ0002")}, {"TG_KIRIM", D(Day(9))}, {"TERKIRIM", xbase::Value::Logical(true)}}});
  support::SettleSmallFolder(folder.path());
  other.Hold("MEMADM2", 1);
  const std::vector<int> change_reason = support::Keys({Line("B2"), Line("0000000005"), {kEnter, kEnter, kEnter},
                                                        {kRight, kRight, kRight, kRight, kRight},
                                                        Line("TOKO TUTUP"), Line("N"), {kF10, 'Y'}});
  Keys({change_reason, {kEsc, ' ', ' ', kEsc}});
  ASSERT_TRUE(Run(MEMOKEACC));
  EXPECT_TRUE(Shown(rig.term, "Mencoba mengunci record 1 file memadm2.Dbf, tekan [Esc]=batal...."));
  EXPECT_TRUE(ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  EXPECT_EQ(Stored("MEMGDG2", 1, "NOTES"), "DITERIMA");
  EXPECT_TRUE(Delivered("MEMGDG2"));
  EXPECT_EQ(Stored("MEMADM2", 1, "NOTES"), "");
  EXPECT_EQ(Reopen("MEMGDG2").table().record_count(), 2u);

  // Once the line is free the same save writes both memos.
  other.Release();
  Keys({change_reason, {kEsc}});
  ASSERT_TRUE(Run(MEMOKEACC));
  EXPECT_EQ(Stored("MEMGDG2", 1, "NOTES"), "TOKO TUTUP");
  EXPECT_FALSE(Delivered("MEMGDG2"));
  EXPECT_EQ(Stored("MEMADM2", 1, "NOTES"), "TOKO TUTUP");
  EXPECT_FALSE(Delivered("MEMADM2"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  support::ExpectVerified(folder.path());
}

TEST_F(MemoSaveTest, EscAtTheCounterOfANewAdminMemoKeepsItsNumberFree) {
  support::SettleSmallFolder(folder.path());
  other.HoldKey("SETUP", "MADMB2");
  const std::vector<int> new_memo =
      support::Keys({Line("B2"), {kEnter, kEnter}, Line("kirim pagi"), Line("SJ0001"), Line("SJ0002"), {kF10, 'Y'}});
  Keys({new_memo, {kEsc, ' ', ' ', kEsc}});
  ASSERT_TRUE(Run(ISIMEMO));
  EXPECT_TRUE(ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  EXPECT_FALSE(Shown(rig.term, "Nomor memo ke gudang ini :"));
  EXPECT_EQ(Setting("MADMB2"), "0000000041");
  EXPECT_EQ(Reopen("MEMADM1").table().record_count(), 0u);
  EXPECT_EQ(Reopen("MEMADM2").table().record_count(), 0u);

  other.Release();
  Keys({new_memo, {kEnter, kEsc}});
  ASSERT_TRUE(Run(ISIMEMO));
  EXPECT_TRUE(Shown(rig.term, "Nomor memo ke gudang ini : 0000000042"));
  EXPECT_EQ(Setting("MADMB2"), "0000000042");
  EXPECT_EQ(Reopen("MEMADM2").table().record_count(), 2u);
  support::ExpectVerified(folder.path());
}

}  // namespace
}  // namespace memos
