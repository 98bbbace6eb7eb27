// One delivery note followed through the four memos: the admin memo, its approval, the driver memo
// (refused before the approval and on a Sunday), the memo back whose outcome lands on the admin-memo
// line, and the memo to receivables.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "memos/memo_screens.h"
#include "memos/memo_test_helpers.h"

namespace memos {

using support::Line;
using support::Shown;

namespace {

using console::key::kEnter;
using console::key::kEsc;
using console::key::kF10;
constexpr int kCtrlY = 25;

class MemoChainTest : public MemoTest {
 protected:
  // The driver memo header of branch B2: new number, no admin memo taken over, today, vehicle, driver, time.
  std::vector<int> DriverHeader(const std::string& admin_memo = "") {
    return support::Keys({Line("B2"), {kEnter}, Line(admin_memo), {kEnter}, Line("B1234XY"), Line("DRV01"),
                          Line("0800"), {kEnter}});
  }
};

TEST_F(MemoChainTest, OneNoteThroughAdminDriverBackAndReceivablesMemos) {
  Keys({Line("B2"), {kEnter, kEnter, kEnter}, Line("SJ0001"), {kF10, 'Y', kEnter, kEsc}});
  ASSERT_TRUE(Run(ISIMEMO));
  ASSERT_EQ(Stored("MEMADM2", 1, "NOMOR"), "0000000042");

  // Before the approval the driver memo refuses the note, naming its admin memo.
  Keys({DriverHeader(), Line("SJ0001"), {kEnter, kEsc, kEsc, kEsc}});
  ASSERT_TRUE(Run(SJDIKIRIM));
  EXPECT_TRUE(Shown(rig.term, "Memorandum 0000000042 belum approval"));
  EXPECT_EQ(Reopen("MEMDRV2").table().record_count(), 0u);

  Keys({Line("B2"), Line("0000000042"), {'Y', kEsc}});
  ASSERT_TRUE(Run(MADMAPP));
  EXPECT_TRUE(Shown(rig.term, "Yakin memorandum dari admin akan diApproval"));
  xbase::WorkArea& admin = Reopen("MEMADM1");
  EXPECT_TRUE(admin.Logical("APPROVAL"));
  EXPECT_EQ(admin.DateOf("TGAPPROV"), Day(8));

  // A Sunday is refused as the planned date; Monday the 14th is taken.
  Keys({DriverHeader(), Line("SJ0001"), Line("13122026"), {kEnter, console::key::kHome, kCtrlY}, Line("14122026"),
        {kF10, 'Y', kEnter, kEsc}});
  ASSERT_TRUE(Run(SJDIKIRIM));
  EXPECT_TRUE(Shown(rig.term, "tidak boleh kirim hari minggu"));
  EXPECT_TRUE(Shown(rig.term, "Nomor memo ke DRIVER ini : 0000000008"));
  EXPECT_TRUE(Shown(rig.term, "JOKO SUSILO"));
  xbase::WorkArea& driver_lines = Reopen("MEMDRV2");
  ASSERT_EQ(driver_lines.table().record_count(), 1u);
  EXPECT_EQ(support::StoredText(driver_lines, 1, "INVOICE"), "SJ0001");
  EXPECT_EQ(driver_lines.DateOf("TG_KIRIM"), Day(14));
  EXPECT_EQ(driver_lines.Number("CARTON"), 5);
  EXPECT_EQ(Stored("MEMDRV1", 1, "SOPIR"), "DRV01");
  EXPECT_EQ(Stored("MEMDRV1", 1, "JAM_PERGI"), "08:00");

  // The memo back takes the driver memo over; its outcome lands on the admin-memo line.
  Keys({Line("B2"), {kEnter, kEnter}, Line("0000000008"), {kEnter}, {kF10, 'Y', kEnter, kEsc}});
  ASSERT_TRUE(Run(MEMOKEACC));
  EXPECT_TRUE(Shown(rig.term, "Nomor memo kembali ke admin ini : 0000000001"));
  xbase::WorkArea& outcome = Reopen("MEMADM2");
  ASSERT_TRUE(outcome.GoTo(1).ok());
  EXPECT_TRUE(outcome.Logical("TERKIRIM"));
  EXPECT_EQ(outcome.DateOf("TG_KIRIM"), Day(14));

  Keys({Line("B2"), {kEnter, kEnter, kEnter}, Line("SJ0001"), {kF10, 'Y', kEnter, kEsc}});
  ASSERT_TRUE(Run(MEMOPJK));
  EXPECT_TRUE(Shown(rig.term, "Nomor memo ke Admin Piutang : 0000000013"));
  EXPECT_EQ(Stored("MEMPJK2", 1, "INVOICE"), "SJ0001");
  EXPECT_EQ(rig.term.keys_left(), 0u);
}

}  // namespace
}  // namespace memos
