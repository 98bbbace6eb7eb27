// The memo lists: the outstanding notes and their cut-off, the goods not yet sent, the driver-memo
// recap with the cartons of the notes' goods lines, and the evaluation's statuses.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "memos/memo_list_pages.h"
#include "memos/memo_screens.h"
#include "memos/memo_test_helpers.h"
#include "memos/memos.h"
#include "support/damaged_tables.h"

namespace memos {

using support::AddRows;
using support::Line;
using support::N;
using support::Open;
using support::T;

namespace {

xbase::Value D(xbase::Date date) { return xbase::Value::FromDate(date); }

class MemoListsTest : public MemoTest {
 protected:
  MemoListsTest() {
    AddNote("SJ0801", Day(1, 8, 2021), "B2990002", Day(2, 8, 2021), {{"BRG02", 1, 10, 100}});
    AddNote("SJ0802", Day(2, 8, 2021), "B2990002", Day(3, 8, 2021), {{"BRG02", 1, 10, 100}});
    AddMemo("MEMADM1", "MEMADM2", "0000000050", Day(7), true,
            {{{"INVOICE", T("SJ0801")}, {"CARTON", N(1)}},
             {{"INVOICE", T("SJ0802")}, {"CARTON", N(1)}},
             {{"INVOICE", T("SJ0002")}, {"CARTON", N(4)}},
             {{"INVOICE", T("SJ0001")}, {"CARTON", N(5)}}});
    AddMemo("MEMDRV1", "MEMDRV2", "0000000008", Day(8), false,
            {{{"INVOICE", T("SJ0001")}, {"TG_KIRIM", D(Day(10))}, {"CARTON", N(5)}}});
    xbase::WorkArea& driver_memo = support::Open(rig.session, "MEMDRV1");
    EXPECT_TRUE(driver_memo.GoTo(1).ok() && driver_memo.Lock().ok() && driver_memo.Put("SOPIR", T("DRV01")).ok() &&
                driver_memo.Unlock().ok());
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    tables = OPENMEMORANDUM(rig.session);
    EXPECT_TRUE(tables);
  }
  static std::vector<std::string> Texts(const ReportPages& pages) {
    std::vector<std::string> texts;
    for (const frame::ReportPage& page : pages) {
      for (const frame::ReportLine& line : page) texts.push_back(line.text);
    }
    return texts;
  }

  frame::OpenedTables tables;
};

TEST_F(MemoListsTest, TheNotSentListScreenPrintsTheSelectedBranch) {
  using console::key::kEnter;
  // Branch B2, every customer, 55 rows a page; then the print's questions; Esc closes the box.
  Keys({Line("B2"), {kEnter, kEnter}, {console::key::kRight, kEnter}, {kEnter, kEnter, kEnter}, {kEnter}, {kEnter},
        {console::key::kEsc}});
  ASSERT_TRUE(Run(SISAMEMO_));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  ASSERT_EQ(rig.dot_matrix->jobs().size(), 1u);
  const std::string& printed = rig.dot_matrix->jobs()[0].bytes;
  EXPECT_NE(printed.find("DAFTAR SURAT JALAN BELUM diKIRIM"), std::string::npos);
  EXPECT_NE(printed.find("  2 SJ0002               02-12-2026 B2990005  DELTA"), std::string::npos);
  EXPECT_EQ(printed.find("SJ0001"), std::string::npos);  // on a driver memo
}

TEST_F(MemoListsTest, NotSentListsSkipNotesUpToTheCutOffAndThoseOnADriverMemo) {
  OutstandingSelection selection;
  selection.branch = "B2";
  const std::vector<std::string> lines = Texts(NotSentPages(rig.session, tables, selection));
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[4], "  1 SJ0802               02-08-2021 B2990002  ALFA MART                               1"
                      "               0.00");
  EXPECT_EQ(lines[5], "  2 SJ0002               02-12-2026 B2990005  DELTA                                   4"
                      "          96,000.00");
  EXPECT_EQ(lines[7].substr(76), "         5          96,000.00");

  const std::vector<std::string> goods = Texts(NotSentGoodsPages(rig.session, tables, selection));
  ASSERT_EQ(goods.size(), 8u);
  EXPECT_EQ(goods[0], "DAFTAR BARANG BELUM diKIRIM,  Semua Tujuan");
  EXPECT_EQ(goods[4], "BRG01      BUKU TULIS           GDG01                  4         0         0"
                      "          96,000.00");
  EXPECT_EQ(goods[5].substr(0, 31), "BRG02      PENSIL 2B           ");

  const std::vector<std::string> not_back = Texts(NotBackPages(rig.session, tables, selection));
  ASSERT_EQ(not_back.size(), 9u);
  EXPECT_EQ(not_back[4].substr(87), " MASIH DIGUDANG");  // no driver memo: first
  EXPECT_EQ(not_back[6].substr(0, 11), "  3 SJ0001 ");
  EXPECT_EQ(not_back[6].substr(87), " JOKO SUSILO         ");
}

TEST_F(MemoListsTest, DriverRecapShowsTheCartonsOfEachNotesGoodsLines) {
  DriverMemoForm memo;
  memo.branch = "B2";
  memo.number = "0000000008";
  ASSERT_TRUE(LCGETSJKIRIM(rig.session, tables, &memo));
  const std::vector<std::string> lines = Texts(DriverRecapPages(rig.session, tables, memo, 55));
  // SJ0001: 48 books (24 a carton) are 2 cartons, 30 pencils (10 a carton) 3 cartons.
  EXPECT_EQ(lines[9], "  1 SJ0001          01-12-2026 ZETA JAYA                                 10-12-2026/KAMIS "
                      "    5    0      0");
  EXPECT_EQ(lines[11].substr(104), "   5    0      0");

  const std::vector<std::string> by_goods = Texts(DriverGoodsPages(rig.session, tables, memo, 'D', 55));
  EXPECT_EQ(by_goods[5], "  1 BRG01      BUKU TULIS                                 2       0       0        48");
  EXPECT_EQ(by_goods[6], std::string(36, ' ') + "SJ0001                2       0       0        48");
}

TEST_F(MemoListsTest, EvaluationFollowsANoteToItsPaymentWithoutAMemoBack) {
  AddRows(Open(rig.session, "PIUTKR1"), {{{"KDCB", T("B2")}, {"NOMOR", T("TT00000001")}, {"TANGGAL", D(Day(11))}}});
  AddRows(Open(rig.session, "PIUTKR2"), {{{"KDCB", T("B2")}, {"NOMOR", T("TT00000001")}, {"NOTA", T("SJ0001")}}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  tables = OPENMEMORANDUM(rig.session);
  ASSERT_TRUE(tables);
  SentSelection selection;
  selection.from = Day(1);
  selection.to = Day(31);
  std::vector<NoteEvaluation> rows;
  ASSERT_TRUE(EvaluationRows(rig.session, tables, selection, &rows).ok());
  ASSERT_EQ(rows.size(), 2u);  // SJ0003 has no goods lines
  EXPECT_EQ(rows[0].status, "DIBAYAR        TT00000001");
  EXPECT_EQ(rows[0].dates[0], Day(7));
  EXPECT_EQ(rows[0].dates[1], Day(8));
  EXPECT_EQ(rows[0].dates[5], Day(11));
  EXPECT_EQ(rows[0].value, 63000);
  EXPECT_EQ(rows[0].boxes, 5);
  EXPECT_EQ(rows[1].status, "MASIH DIGUDANG [0000000050]");
}

// The boxes come from each item's carton size: an item that cannot be read is the list's error, never
// a line without boxes.
TEST_F(MemoListsTest, AnItemThatCannotBeReadStopsTheEvaluation) {
  support::DamageIndexPages(folder.path(), "MASTBRJ");
  SentSelection selection;
  selection.from = Day(1);
  selection.to = Day(31);
  std::vector<NoteEvaluation> rows;
  const xbase::Status s = EvaluationRows(rig.session, tables, selection, &rows);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_NE(s.message().find("MASTBRJ"), std::string::npos) << s.message();
}

}  // namespace
}  // namespace memos
