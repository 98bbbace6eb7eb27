// The incentive basis per salesman and the receivable evaluation per branch.
#include <gtest/gtest.h>

#include "performance/lrdpi.h"
#include "report_rig.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

using support::N;
using support::T;
using namespace basis;

class IncentiveBasisTest : public ReportRig {
 protected:
  IncentiveBasisTest() {
    Salesman("S001", "BUDI", "SLS");
    Salesman("S002", "ANI", "SLS");
    Salesman("S003", "TONO", "SLS");
    Customer("C001", "TOKO SATU");
    Customer("C002", "TOKO DUA", "GROS");
    Item("BUKU", "SCHOOL", 10);
    Item("ZZ", "JASA", 0);
    Add("MASTJNS", {{"KODE", T("DK")}, {"OPSI", T("4")}});
    Add("MASTJNS", {{"KODE", T("DH")}, {"OPSI", T("1")}});
    Receivable("INV1", "C001", "KS", "S001", D(2026, 10, 15), D(2026, 11, 15), 1000000);
    Receivable("INV2", "C001", "01", "S001", D(2026, 12, 5), D(2027, 1, 4), 500000);
    Receivable("INV3", "C002", "01", "S002", D(2026, 11, 20), D(2027, 1, 20), 800000);
    Receivable("INV4", "C001", "01", "S001", D(2027, 1, 5), D(2027, 2, 5), 999);
    Receipt("P0", D(2026, 11, 25), {{"INV3", "BL", 200000}});
    Receipt("P1", D(2026, 12, 10), {{"INV1", "BL", 400000}, {"INV1", "FS", 20000}, {"INV1", "RT", 50000}});
    Receipt("P2", D(2026, 12, 8), {{"INV2", "BC", 300000}});
    Receipt("P3", D(2026, 12, 13), {{"INV2", "BC", 100000}, {"INV2", "DK", 10000}, {"INV2", "DP", 99999}});
    Receipt("P4", D(2026, 12, 2), {{"INV3", "CS", 100000}, {"INV3", "DH", 5000}, {"INV3", "DO", 7000}, {"INV3", "DO", 3000}});
    Add("PIUTJBL", {{"NOTA", T("INV3")}, {"TANGGAL", xbase::Value::FromDate(D(2026, 11, 30))}, {"DEBET", N(50000)}});
    Note("N1", D(2026, 12, 5), "C001", "S001", {{"ZZ", 1, 1200000}, {"BUKU", 30, 1000}});
    Note("N2", D(2026, 12, 6), "C001", "S001", {{"BUKU", 500, 1000}}, {.printed = false});
    Return("R1", D(2026, 12, 6), "C001", "S001", {{"BUKU", 10, 1000}});
    params.from = D(2026, 12, 1);
    params.to = D(2026, 12, 31);
    params.excluded_types = "";
  }

  void Receivable(const std::string& invoice, const std::string& customer, const std::string& type,
                  const std::string& salesman, xbase::Date date, xbase::Date due, double amount) {
    Add("PIUTDBT", {{"NOTA", T(invoice)}, {"RELASI", T(customer)}, {"TIPE", T(type)}, {"SALES", T(salesman)},
                    {"KDCB", T("B2")}, {"TANGGAL", xbase::Value::FromDate(date)}, {"TEMPO", xbase::Value::FromDate(due)},
                    {"DEBET", N(amount)}});
  }
  struct Line {
    std::string invoice, code;
    double amount;
  };
  void Receipt(const std::string& number, xbase::Date date, const std::vector<Line>& lines) {
    Add("PIUTKR1", {{"KDCB", T("B2")}, {"NOMOR", T(number)}, {"TANGGAL", xbase::Value::FromDate(date)}});
    for (const Line& line : lines) {
      Add("PIUTKR2", {{"KDCB", T("B2")}, {"NOMOR", T(number)}, {"NOTA", T(line.invoice)}, {"KD_TT", T(line.code)},
                      {"KREDIT", N(line.amount)}});
    }
  }

  IncentiveParams params;
};

TEST_F(IncentiveBasisTest, SalesReturnsTargetsAndCashPerSalesman) {
  std::vector<IncentiveRow> rows;
  ASSERT_TRUE(IncentiveBasis(session(), params, true, &rows));
  ASSERT_EQ(rows.size(), 3u);
  const IncentiveRow& budi = rows[0];
  EXPECT_EQ(xbase::RTrim(budi.code), "S001");
  // 1,200,000 of an item without carton size or conversion is 2 cartons; 30 of 10 are 3.
  EXPECT_EQ(budi[kSales], 5);
  EXPECT_EQ(budi[kReturns], 1);
  // A "KS" receivable due by the period's end: 35 % of its opening balance is target.
  EXPECT_EQ(budi[kTarget], 350000);
  EXPECT_EQ(budi[kCashCredit], 400000);
  EXPECT_EQ(budi[kTargetDay + 10], 400000);
  EXPECT_EQ(budi[kFeeCredit], 20000);
  EXPECT_EQ(budi[kCollected], 420000);
  EXPECT_EQ(budi[kReturnRT], 50000);
  // Cash of the period's invoice: 3 days after it counts within the week, 8 days after not.
  EXPECT_EQ(budi[kCashPeriod], 400000);
  EXPECT_EQ(budi[kWeekCash], 300000);
  EXPECT_EQ(budi[kOtherDay + 8], 300000);
  EXPECT_EQ(budi[kOtherDay + 13], 100000);
  EXPECT_EQ(budi[kDeductionPeriod], 10000);
  EXPECT_EQ(budi[kDeductionTotal], 10000);
  EXPECT_EQ(budi[kCreditSales], 5 - 1 - 10000 - 400000);
  EXPECT_EQ(budi[kPeriodCash], 400000);
  EXPECT_EQ(budi[kTargetTotal], 420000);
  EXPECT_EQ(budi.Achievement(), 120);
  EXPECT_EQ(budi[kCashAll], 800000);
  const IncentiveRow& ani = rows[1];
  EXPECT_EQ(ani[kCashEarlier], 100000);
  EXPECT_EQ(ani[kOtherDay + 2], 100000);
  EXPECT_EQ(ani[kWeekCashEarlier], 0);
  EXPECT_EQ(ani[kCosts], 5000);
  // Two "DO" lines of one receivable both count.
  EXPECT_EQ(ani[kBlackBonus], 10000);
  EXPECT_EQ(ani[kEarlierCash], 100000);
  EXPECT_EQ(ani.Achievement(), 0);
  for (int index = 3; index < 100; ++index) EXPECT_EQ(rows[2][index], 0) << index;
}

TEST_F(IncentiveBasisTest, ValuesInsteadOfCartonsAndTheFiltersOfTheForm) {
  std::vector<IncentiveRow> rows;
  ASSERT_TRUE(IncentiveBasis(session(), params, false, &rows));
  EXPECT_EQ(rows[0][kSales], 1230000);
  EXPECT_EQ(rows[0][kReturns], 10000);
  params.excluded_types = "BD CO KS KP";
  params.excluded_customers = "D";
  ASSERT_TRUE(IncentiveBasis(session(), params, false, &rows));
  EXPECT_EQ(rows[0][kTarget], 0);
  EXPECT_EQ(rows[0][kCashPeriod], 400000);
  params.group = "GROS";
  ASSERT_TRUE(IncentiveBasis(session(), params, false, &rows));
  EXPECT_EQ(rows[0][kSales], 0);
  params.group = "";
  params.excluded_customers = "C";
  ASSERT_TRUE(IncentiveBasis(session(), params, false, &rows));
  EXPECT_EQ(rows[0][kSales], 0);
  EXPECT_EQ(rows[1][kCashEarlier], 0);
}

TEST_F(IncentiveBasisTest, TheWorkbookHasAHundredColumnsAndATotalRow) {
  std::vector<IncentiveRow> rows;
  ASSERT_TRUE(IncentiveBasis(session(), params, true, &rows));
  std::string path;
  ASSERT_TRUE(EXCELCETAKDATA(session(), rows, params, &path));
  const platform::SheetData sheet = Sheet(path);
  EXPECT_EQ(Text(sheet, 1, 1), "RDPI,  Kelempok :  Relasi : , Kecuali Relasi : , Tipe : , Kecuali Tipe : ");
  EXPECT_EQ(sheet.Find(1, 1)->font_size, 12);
  EXPECT_EQ(Text(sheet, 2, 1), "PERIODE : 01-12-2026 s/d 31-12-2026");
  EXPECT_EQ(Text(sheet, 4, 22), "PIUTANG");
  EXPECT_EQ(Text(sheet, 5, 27), "%");
  EXPECT_EQ(Text(sheet, 5, 28), "KREDIT (x1)");
  EXPECT_EQ(Text(sheet, 4, 39), "PERINCIAN UANG CAIR per TANGGAL KREDIT");
  EXPECT_EQ(Text(sheet, 5, 100), "Tgl. 31");
  EXPECT_EQ(Text(sheet, 6, 1), "S001");
  EXPECT_EQ(Number(sheet, 6, 3), 5);
  EXPECT_EQ(Number(sheet, 6, 22), 350000);
  EXPECT_EQ(Number(sheet, 6, 27), 120);
  EXPECT_EQ(Number(sheet, 6, 28), 400000);
  EXPECT_EQ(Number(sheet, 6, 48), 400000);
  EXPECT_EQ(Text(sheet, 7, 1), "S002");
  // S003 has no figure and is left out; the total row follows.
  EXPECT_EQ(Text(sheet, 8, 2), "JUMLAH");
  EXPECT_EQ(Number(sheet, 8, 33), 900000);
  EXPECT_NEAR(Number(sheet, 8, 27), 435000.0 / 350000 * 100, 1e-9);
  EXPECT_EQ(Text(sheet, 10, 1), "Keterangan :");
  EXPECT_EQ(Text(sheet, 17, 1), "7. Uang Cair (u) = x1 - e1");
}

TEST_F(IncentiveBasisTest, ThePrintoutHasFiveSectionsWithTheirTotals) {
  std::vector<IncentiveRow> rows;
  ASSERT_TRUE(IncentiveBasis(session(), params, false, &rows));
  const std::string text = Copied([&] { EXPECT_FALSE(PrintIncentiveBasis(session(), params, rows)); });
  EXPECT_EQ(LinesWith(text, "RDPI, Periode : 01-12-2026 s/d 31-12-2026").size(), 5u);
  EXPECT_EQ(LinesWith(text, " Kel. :  Relasi : , Kecuali Relasi : , Tipe : , Kecuali Tipe :").size(), 1u);
  EXPECT_EQ(LinesWith(text, "       -= JUMLAH =- ").size(), 5u);
  // The returns section lists only the salesman with a return settled.
  const std::vector<std::string> budi = LinesWith(text, "S001 BUDI");
  ASSERT_EQ(budi.size(), 5u);
  EXPECT_NE(budi[2].find("            350,000            420,000"), std::string::npos) << budi[2];
  EXPECT_NE(budi[2].find("120.00"), std::string::npos);
  // S002 has no sale, return, tax or deduction: the first section leaves him out.
  EXPECT_EQ(LinesWith(text, "S002 ANI").size(), 3u);
  EXPECT_EQ(LinesWith(text, "S003").size(), 0u);
  EXPECT_EQ(LinesWith(text, "7. Uang Cair (u) = x1 - e1").size(), 1u);
}

TEST_F(IncentiveBasisTest, TheBranchEvaluationComparesTargetsWithCollections) {
  EvaluationParams evaluation{D(2026, 12, 1), D(2026, 12, 31), "", ""};
  std::string path;
  ASSERT_TRUE(ReceivableEvaluation(session(), evaluation, &path));
  const platform::SheetData sheet = Sheet(path);
  EXPECT_EQ(Text(sheet, 1, 1), "EVALUASI TARGET & REALISASI PIUTANG Per CABANG");
  EXPECT_EQ(Text(sheet, 4, 8), "TOT. PELUNASAN");
  EXPECT_EQ(Text(sheet, 6, 1), "B2");
  EXPECT_EQ(Text(sheet, 6, 2), "S001");
  const double budi[] = {350000, 420000, 120, 400000, 60000 + 99999, 820000};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Number(sheet, 6, 3 + i), budi[i]) << i;
  EXPECT_EQ(Text(sheet, 7, 1), "");
  EXPECT_EQ(Text(sheet, 7, 2), "S002");
  const double ani[] = {0, 0, 0, 100000, 15000, 100000};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Number(sheet, 7, 3 + i), ani[i]) << i;
}

}  // namespace
}  // namespace performance
