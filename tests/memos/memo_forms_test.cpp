// The memo forms line by line, and the print of the memo back, which approves it only when it
// reached a printer.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "memos/admin_memo.h"
#include "memos/memo_forms.h"
#include "memos/memo_screens.h"
#include "memos/memo_test_helpers.h"
#include "memos/memos.h"
#include "xbase/text_functions.h"

namespace memos {

using support::Line;
using support::N;
using support::T;

namespace {

using console::key::kEnter;
using console::key::kEsc;
using console::key::kRight;

xbase::Value D(xbase::Date date) { return xbase::Value::FromDate(date); }
xbase::Value L(bool flag) { return xbase::Value::Logical(flag); }

class MemoFormsTest : public MemoTest {
 protected:
  std::vector<std::string> Texts(const frame::ReportPage& page) {
    std::vector<std::string> texts;
    for (const frame::ReportLine& line : page) texts.push_back(line.text);
    return texts;
  }
};

TEST_F(MemoFormsTest, AdminMemoFormRowByRow) {
  AddMemo("MEMADM1", "MEMADM2", "0000000050", Day(7), true,
          {{{"INVOICE", T("SJ0001")}, {"CARTON", N(5)}}, {{"INVOICE", T("SJ0002")}, {"CARTON", N(1234)}}});
  const frame::OpenedTables tables = OPENMEMORANDUM(rig.session);
  ASSERT_TRUE(tables);
  std::string number = "0000000050", note;
  xbase::Date date;
  console::ValueTable rows;
  ASSERT_TRUE(LCGETMEMODL(rig.session, tables, &number, &rows, &date, &note, "B2", true));
  const frame::ReportPage page = AdminMemoLines(tables, number, date, "PAGI", rows);
  const std::vector<std::string> lines = Texts(page);
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(page[1].controls, "N");
  EXPECT_EQ(lines[1], "PT. TIRTANDAKA              M E M O R A N D U M                      F-MK-010");
  EXPECT_EQ(lines[3], "                             NOMOR : 0000000050");
  EXPECT_EQ(lines[4], "                            TANGGAL: 07-12-2026");
  EXPECT_EQ(lines[8], std::string(77, '-'));
  EXPECT_EQ(lines[11], "  1 SJ0001               01-12-2026 ZETA JAYA                               5");
  EXPECT_EQ(lines[12], "  2 SJ0002               02-12-2026 DELTA                               1,234");
  EXPECT_EQ(lines[13], "Keterangan : PAGI");
  EXPECT_EQ(lines[24], "Distribusi : Lbr 1. Gudang,  Lbr 2. Arsip");
}

TEST_F(MemoFormsTest, ReceiptPlacesEachNoteInItsWeekdayAndNamesASundayRow) {
  AddMemo("MEMDRV1", "MEMDRV2", "0000000009", Day(8), false,
          {{{"INVOICE", T("SJ0001")}, {"TG_KIRIM", D(Day(14))}, {"CARTON", N(5)}},
           {{"INVOICE", T("SJ0002")}, {"TG_KIRIM", D(Day(19))}, {"CARTON", N(4)}},
           {{"INVOICE", T("SJ0003")}, {"TG_KIRIM", D(Day(13))}, {"CARTON", N(2)}}});
  const frame::OpenedTables tables = OPENMEMORANDUM(rig.session);
  ASSERT_TRUE(tables);
  DriverMemoForm memo;
  memo.branch = "B2";
  memo.number = "0000000009";
  ASSERT_TRUE(LCGETSJKIRIM(rig.session, tables, &memo));
  const std::vector<std::string> lines = Texts(ReceiptLines(rig.session, tables, memo));
  EXPECT_EQ(lines[4], "PERIODE : 08-12-2026 s/d 19-12-2026");
  EXPECT_EQ(lines[7].size(), 225u);
  const std::string blank(30, ' ');
  EXPECT_EQ(lines[8], "  1|SJ0001         |            |ZETA JAYA                    5|" + blank + "|" + blank + "|" +
                          blank + "|" + blank + "|" + blank + "|");
  EXPECT_EQ(lines[9].substr(0, 33 + 31 * 5), "  2|SJ0002         |            |" + (blank + "|") + (blank + "|") +
                                                  (blank + "|") + (blank + "|") + (blank + "|"));
  EXPECT_EQ(lines[9].substr(33 + 31 * 5), "DELTA                        4|");
  EXPECT_EQ(lines[11], std::string(51, ' ') + "TOTAL :    5|" + std::string(26, ' ') + "   0|" + std::string(26, ' ') +
                           "   0|" + std::string(26, ' ') + "   0|" + std::string(26, ' ') + "   0|" +
                           std::string(26, ' ') + "   4|     9");
  EXPECT_EQ(lines[12], "SJ tidak masuk TTSJ (hari Minggu atau tanpa tg. kirim) : SJ0003");
}

TEST_F(MemoFormsTest, PrintedMemoBackIsApprovedAndItsTotalsAdd) {
  AddMemo("MEMGDG1", "MEMGDG2", "0000000003", Day(8), false,
          {{{"INVOICE", T("SJ0001")}, {"TG_KIRIM", D(Day(9))}, {"NOTES", T("")}, {"TERKIRIM", L(true)}},
           {{"INVOICE", T("SJ0002")}, {"TG_KIRIM", D(Day(9))}, {"NOTES", T("TOKO TUTUP")}, {"TERKIRIM", L(false)}}});
  const frame::OpenedTables tables = OPENMEMORANDUM(rig.session);
  ASSERT_TRUE(tables);
  MemoForm memo;
  memo.branch = "B2";
  memo.number = "0000000003";
  ASSERT_TRUE(LCGETKEMBALI(rig.session, tables, &memo, true));
  const std::vector<std::string> lines = Texts(BackMemoLines(tables, memo));
  EXPECT_EQ(lines[0], "PT. TIRTANDAKA                         M E M O R A N D U M                              F-GD-010");
  EXPECT_EQ(lines[12], "  1 SJ0001               01-12-2026 09-12-2026 TERKIRIM   ZETA JAYA" + std::string(31, ' ') +
                           std::string(40, ' '));
  EXPECT_EQ(xbase::RTrim(lines[13]), "  2 SJ0002               02-12-2026 09-12-2026 TIDAK KRM  DELTA" +
                                         std::string(35, ' ') + "TOKO TUTUP");

  Keys({Line("B2"), Line("0000000003"), {kRight, kEnter}, {kEnter, kEnter, kEnter}, {kEnter}, {kEnter}, {kEsc}});
  ASSERT_TRUE(Run(CMEMOKEACC));
  ASSERT_EQ(rig.dot_matrix->jobs().size(), 1u);
  EXPECT_NE(rig.dot_matrix->jobs()[0].bytes.find("TIDAK KRM  DELTA"), std::string::npos);
  xbase::WorkArea& header = Reopen("MEMGDG1");
  EXPECT_TRUE(header.Logical("APPROVAL"));
  EXPECT_EQ(header.DateOf("TGAPPROV"), Day(8));
}

}  // namespace
}  // namespace memos
