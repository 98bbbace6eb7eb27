// The closing-stock posting: quantities rebuilt from every movement up to the date, valued at the
// moving average cost, into the stock figures of the month; nothing else of the recap rows changes.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "recaps/recap_posting.h"
#include "recaps/recap_rows_helpers.h"
#include "recaps/recap_screens.h"
#include "support/scripted_session.h"

namespace recaps {
namespace {

using support::N;
using support::T;
using testing::AddDocument;
using testing::Day;
using testing::TableRows;

class ClosingStockTest : public ::testing::Test {
 protected:
  ClosingStockTest() {
    rig.session.SetSearchPath(data.path());
    frame::Session& s = rig.session;
    support::AddRows(support::Open(s, "MASTBRJ"),
                     {{{"KODE", T("P1")}, {"DOS", N(10)}, {"HARGA4", N(800)}},
                      {{"KODE", T("P2")}, {"HRG_RATA", N(500)}, {"HARGA4", N(900)}},
                      {{"KODE", T("P3")}, {"DOS", N(6)}, {"HRG_RATA", N(100)}}});
    // P1 is kept in two warehouses; its movements count once.
    support::AddRows(support::Open(s, "STOKBRG"), {{{"KODE", T("P1")}, {"GUDANG", T("GDG1")}},
                                                   {{"KODE", T("P1")}, {"GUDANG", T("GDG2")}},
                                                   {{"KODE", T("P2")}, {"GUDANG", T("GDG1")}},
                                                   {{"KODE", T("P3")}, {"GUDANG", T("GDG1")}}});
    support::AddRows(support::Open(s, "JUSTMEN"),
                     {{{"TANGGAL", Day(2026, 11, 1)}, {"KODE", T("P1")}, {"GUDANG", T("GDG1")}, {"QUANTITY", N(100)},
                       {"HRG_RATA", N(1000)}},
                      {{"TANGGAL", Day(2026, 11, 2)}, {"KODE", T("P1")}, {"GUDANG", T("GDG2")}, {"QUANTITY", N(-10)},
                       {"HRG_RATA", N(1)}},
                      {{"TANGGAL", Day(2026, 11, 3)}, {"KODE", T("P2")}, {"GUDANG", T("GDG1")}, {"QUANTITY", N(1200)},
                       {"HRG_RATA", N(500)}},
                      {{"TANGGAL", Day(2026, 11, 3)}, {"KODE", T("P3")}, {"GUDANG", T("GDG1")}, {"QUANTITY", N(5)},
                       {"HRG_RATA", N(100)}}});
    // A receipt with prices including VAT enters at its price divided by 1.1.
    AddDocument(s, "BPBELI1", "BPBELI2", "NO_BPB",
                {{"NO_BPB", T("B1")}, {"TANGGAL", Day(2026, 11, 5)}, {"CODE_ID", T("0")}}, {{"P1", 10, 1320}});
    AddDocument(s, "BPBELI1", "BPBELI2", "NO_BPB",
                {{"NO_BPB", T("B2")}, {"TANGGAL", Day(2027, 1, 5)}, {"CODE_ID", T("1")}}, {{"P1", 500, 9999}});
    AddDocument(s, "RTBELI1", "RTBELI2", "NOMOR", {{"NOMOR", T("RB1")}, {"TANGGAL", Day(2026, 12, 1)}}, {{"P1", 2, 0}});
    AddDocument(s, "SRTJLN1", "SRTJLN2", "INVOICE", {{"INVOICE", T("INV1")}, {"TANGGAL", Day(2026, 12, 3)}},
                {{"P1", 30, 0}, {"P3", 5, 0}});
    AddDocument(s, "SRTJLN1", "SRTJLN2", "INVOICE", {{"INVOICE", T("INV2")}, {"TANGGAL", Day(2027, 1, 2)}},
                {{"P1", 40, 0}});
    AddDocument(s, "RTJUAL1", "RTJUAL2", "NOMOR", {{"NOMOR", T("R1")}, {"TANGGAL", Day(2026, 12, 10)}}, {{"P1", 5, 0}});
    AddDocument(s, "MTSDBT1", "MTSDBT2", "NOMOR", {{"NOMOR", T("M1")}, {"TANGGAL", Day(2026, 12, 11)}}, {{"P1", 4, 0}});
    AddDocument(s, "MTSKDT1", "MTSKDT2", "NOMOR", {{"NOMOR", T("M1")}, {"TANGGAL", Day(2026, 12, 11)}}, {{"P1", 9, 0}});
    support::AddRows(support::Open(s, "RKP_CAB"),
                     {{{"CABANG", T("B223")}, {"PERIODE", T("202612")}, {"KODE", T("P3")}, {"JL_QTY", N(15)},
                       {"ST_QTY", N(9)}, {"ST_VAL", N(0.9)}},
                      {{"CABANG", T("B223")}, {"PERIODE", T("202611")}, {"KODE", T("P1")}, {"ST_QTY", N(1)}}});
    support::AddRows(support::Open(s, "RKP_BRC"),
                     {{{"CABANG", T("B223")}, {"PERIODE", T("202612")}, {"TG_QTY", N(70)}, {"ST_QTY", N(99)}}});
    EXPECT_TRUE(s.tables().CloseAll().ok());
  }

  std::vector<std::string> Rows(const std::string& table, const std::vector<std::string>& fields) {
    std::vector<std::string> rows = TableRows(rig.session, table, fields);
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    return rows;
  }

  support::TempDataFolder data{{"RKP_BRC", "RKP_CAB", "KONVERT", "MASTBRJ", "STOKBRG", "JUSTMEN", "BPBELI1", "BPBELI2",
                                "RTBELI1", "RTBELI2", "SRTJLN1", "SRTJLN2", "RTJUAL1", "RTJUAL2", "MTSDBT1", "MTSDBT2",
                                "MTSKDT1", "MTSKDT2"}};
  support::SessionRig rig;
};

TEST_F(ClosingStockTest, TheMonthsStockIsRebuiltFromEveryMovementUpToTheDate) {
  ASSERT_TRUE(PostClosingStock(rig.session, xbase::Date::FromYmd(2026, 12, 31)));
  // P1: 100 adjusted in at 1000; 10 taken out keep the average; 10 received at 1320 / 1.1 = 1200 make
  // it (90 x 1000 + 10 x 1200) / 100 = 1020; then -2 -30 +5 +4 -9 leave 68, worth 69,360.
  // P2: 1200 at 500, no carton size: 600,000 / 600,000 = 1 carton. P3 nets to nothing and posts nothing.
  EXPECT_EQ(Rows("RKP_BRC", {"CABANG", "PERIODE", "TG_QTY", "ST_QTY", "ST_CRT", "ST_VAL"}),
            (std::vector<std::string>{"CABANG=B223 PERIODE=202612 TG_QTY=70 ST_QTY=1268 ST_CRT=7.80 ST_VAL=669.36"}));
  EXPECT_EQ(Rows("RKP_CAB", {"CABANG", "PERIODE", "KODE", "JL_QTY", "ST_QTY", "ST_CRT", "ST_VAL"}),
            (std::vector<std::string>{
                "CABANG=B223 PERIODE=202612 KODE=P3 JL_QTY=15 ST_QTY=0 ST_CRT=0.00 ST_VAL=0.00",
                "CABANG=B223 PERIODE=202611 KODE=P1 JL_QTY= ST_QTY=1 ST_CRT= ST_VAL=",
                "CABANG=B223 PERIODE=202612 KODE=P1 JL_QTY= ST_QTY=68 ST_CRT=6.80 ST_VAL=69.36",
                "CABANG=B223 PERIODE=202612 KODE=P2 JL_QTY= ST_QTY=1200 ST_CRT=1.00 ST_VAL=600.00"}));
}

TEST_F(ClosingStockTest, AnEarlierDateLeavesOutLaterMovementsAndTheScreenPostsItsMonth) {
  rig.term.AddKeys(support::Line("30112026"));
  ASSERT_TRUE(POSTOK(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "POSTING STOCK AKHIR"));
  // P1 on 30 November: 100 - 10 + 10 = 100 at 1020.
  EXPECT_EQ(Rows("RKP_CAB", {"PERIODE", "KODE", "ST_QTY", "ST_VAL"}),
            (std::vector<std::string>{"PERIODE=202612 KODE=P3 ST_QTY=9 ST_VAL=0.90",
                                      "PERIODE=202611 KODE=P1 ST_QTY=100 ST_VAL=102.00",
                                      "PERIODE=202611 KODE=P2 ST_QTY=1200 ST_VAL=600.00",
                                      "PERIODE=202611 KODE=P3 ST_QTY=5 ST_VAL=0.50"}));
  rig.term.AddKeys({console::key::kEsc});
  ASSERT_TRUE(POSTOK(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
}

}  // namespace
}  // namespace recaps
