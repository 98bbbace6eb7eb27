// The memo back and the receivables memo: a changed reason rewrites the admin-memo outcome, a line
// removed leaves it alone, a driver memo already back gives nothing to take over, the receivables
// memo's form adds its amounts, and the lists of goods sent and not yet sent.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "memos/memo_forms.h"
#include "memos/memo_list_pages.h"
#include "memos/memo_screens.h"
#include "memos/memo_test_helpers.h"
#include "memos/memos.h"
#include "xbase/text_functions.h"

namespace memos {

using support::Line;
using support::N;
using support::Shown;
using support::T;

namespace {

using console::key::kDel;
using console::key::kDown;
using console::key::kEnter;
using console::key::kEsc;
using console::key::kF10;
using console::key::kRight;

xbase::Value D(xbase::Date date) { return xbase::Value::FromDate(date); }

class MemoBackTest : public MemoTest {
 protected:
  MemoBackTest() {
    AddMemo("MEMADM1", "MEMADM2", "0000000050", Day(7), true,
            {{{"INVOICE", T("SJ0001")}, {"CARTON", N(5)}}, {{"INVOICE", T("SJ0002")}, {"CARTON", N(4)}}});
    AddMemo("MEMGDG1", "MEMGDG2", "0000000005", Day(9), false,
            {{{"INVOICE", T("SJ0001")}, {"TG_KIRIM", D(Day(9))}, {"NOTES", T("DITERIMA")},
              {"TERKIRIM", xbase::Value::Logical(true)}},
             {{"INVOICE", T("SJ0002")}, {"TG_KIRIM", D(Day(9))}, {"TERKIRIM", xbase::Value::Logical(true)}}});
  }
};

TEST_F(MemoBackTest, ChangedReasonRewritesTheOutcomeAndARemovedLineLeavesIt) {
  // SJ0001: reason "TOKO TUTUP", not delivered; SJ0002 removed from the memo back.
  Keys({Line("B2"), Line("0000000005"), {kEnter, kEnter, kEnter}, {kRight, kRight, kRight, kRight, kRight},
        Line("TOKO TUTUP"), Line("N"), {kDel, kF10, 'Y', kEsc}});
  ASSERT_TRUE(Run(MEMOKEACC));
  xbase::WorkArea& admin = Reopen("MEMADM2");
  ASSERT_TRUE(admin.GoTo(1).ok());
  EXPECT_EQ(std::string(xbase::RTrim(admin.Text("NOTES"))), "TOKO TUTUP");
  EXPECT_FALSE(admin.Logical("TERKIRIM"));
  ASSERT_TRUE(admin.GoTo(2).ok());
  EXPECT_EQ(admin.Text("NOTES"), std::string(40, ' '));  // never written by a save
  xbase::WorkArea& back = Reopen("MEMGDG2");
  ASSERT_TRUE(back.GoTo(2).ok());
  EXPECT_TRUE(back.deleted());
}

TEST_F(MemoBackTest, ADriverMemoWhoseNotesAreBackGivesOnlyTheEmptyRow) {
  AddMemo("MEMDRV1", "MEMDRV2", "0000000008", Day(8), false,
          {{{"INVOICE", T("SJ0001")}, {"TG_KIRIM", D(Day(9))}}, {{"INVOICE", T("SJ0002")}, {"TG_KIRIM", D(Day(9))}}});
  Keys({Line("B2"), {kEnter, kEnter}, Line("0000000008"), {kEnter, kF10, 'Y', kEnter, kEsc, kEsc}});
  ASSERT_TRUE(Run(MEMOKEACC));
  EXPECT_TRUE(Shown(rig.term, "nomor :            tidak terbentuk"));
  EXPECT_EQ(Reopen("MEMGDG1").table().record_count(), 1u);
}

TEST_F(MemoBackTest, ReceivablesMemoFormAddsItsInvoiceAmounts) {
  AddMemo("MEMPJK1", "MEMPJK2", "0000000013", Day(10), false, {{{"INVOICE", T("SJ0001")}}, {{"INVOICE", T("SJ0002")}}});
  const frame::OpenedTables tables = OPENMEMORANDUM(rig.session);
  ASSERT_TRUE(tables);
  MemoForm memo;
  memo.branch = "B2";
  memo.number = "0000000013";
  ASSERT_TRUE(LCGETMEMOPAJAK(rig.session, tables, &memo, true));
  memo.note = "SEGERA";
  std::vector<std::string> lines;
  for (const frame::ReportLine& line : TaxMemoLines(rig.session, memo)) lines.push_back(line.text);
  EXPECT_EQ(lines[0], "PT. TIRTANDAKA                    M E M O R A N D U M                         F-PT-010");
  EXPECT_EQ(lines[6], "Kepada : Bag. Piutang");
  EXPECT_EQ(lines[8], std::string(105, '-'));
  EXPECT_EQ(lines[11], "  1 SJ0001               01-12-2026 03-12-2026         63,000.00 ZETA JAYA" + std::string(26, ' '));
  EXPECT_EQ(lines[12].substr(0, 70), "  2 SJ0002               02-12-2026 04-12-2026         96,000.00 DELTA");
  EXPECT_EQ(lines[13], "Keterangan : SEGERA");
  EXPECT_EQ(lines[15], "                                     JUMLAH :         159,000.00");
  EXPECT_EQ(lines[23], "                                                                          BAG. PIUTANG");
}

TEST_F(MemoBackTest, GoodsSentListsTheNotesOfTheMemosBackOfThePeriod) {
  const frame::OpenedTables tables = OPENMEMORANDUM(rig.session);
  ASSERT_TRUE(tables);
  SentSelection selection;
  selection.from = Day(9);
  selection.to = Day(9);
  std::vector<std::string> lines;
  for (const frame::ReportPage& page : SentGoodsPages(rig.session, tables, selection, "REKAP BARANG TERKIRIM, TGL. ")) {
    for (const frame::ReportLine& line : page) lines.push_back(line.text);
  }
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[0], "REKAP BARANG TERKIRIM, TGL. 09-12-2026 s/d 09-12-2026");
  EXPECT_EQ(lines[2], "  1 SJ0001               01-12-2026 ZETA JAYA" + std::string(31, ' '));
  EXPECT_EQ(xbase::RTrim(lines[3]), "    BRG01      BUKU TULIS           GDG01              2         0         0");
  EXPECT_EQ(xbase::RTrim(lines[5]), "Jumlah" + std::string(49, ' ') + "5         0         0");
  EXPECT_EQ(xbase::RTrim(lines[10]), "Jumlah" + std::string(49, ' ') + "9         0         0");
  selection.to = Day(8);
  EXPECT_EQ(SentGoodsPages(rig.session, tables, selection, "").front().size(), 4u);  // heading, rule and the total
}

}  // namespace
}  // namespace memos
