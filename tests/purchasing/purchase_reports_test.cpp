// The purchase journal and the recap per number: printed receipts and returns of a period with their
// line and cash discounts, as text pages copied to a file.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "purchasing/purchasing.h"
#include "support/data_folder.h"
#include "support/files.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"

namespace purchasing {
namespace {

namespace key = console::key;
using support::Keys;
using support::Line;
using support::N;
using support::T;

struct DocLine {
  const char* code;
  double quantity, price, disc1, disc2;
};

class PurchaseReportsTest : public ::testing::Test {
 protected:
  PurchaseReportsTest() {
    frame::Session& s = rig.session;
    s.SetSearchPath(data.path());
    s.TMPFILELAP_ = reports.path();
    support::AddRows(support::Open(s, "MASTBRJ"), {{{"KODE", T("A1")}, {"NAMA", T("HVS A4")}},
                                                  {{"KODE", T("A2")}, {"NAMA", T("PULPEN HITAM")}}});
    support::AddRows(support::Open(s, "MASTSUP"), {{{"KODE", T("S1")}, {"NAMA", T("PT. LOGISTIK")}}});
    const xbase::Value today = xbase::Value::FromDate(xbase::Date::FromYmd(2026, 12, 8));
    Document("BPBELI1", "BPBELI2", "NO_BPB", {{"NO_BPB", T("R1")}, {"TANGGAL", today}, {"SUPLIER", T("S1")},
                                              {"DISCOUNT", N(10)}, {"DISCOUNT2", N(5)}, {"CODE_ID", T("02")},
                                              {"CETAK", xbase::Value::Logical(true)}},
             {{"A1", 20, 1000, 0, 0}, {"A2", 100, 250, 10, 0}});
    Document("BPBELI1", "BPBELI2", "NO_BPB", {{"NO_BPB", T("R2")}, {"TANGGAL", today}, {"SUPLIER", T("S1")},
                                              {"DISCOUNT2", N(3)}, {"CODE_ID", T("01")},
                                              {"CETAK", xbase::Value::Logical(true)}},
             {{"A1", 3, 1500, 0, 0}});
    Document("BPBELI1", "BPBELI2", "NO_BPB", {{"NO_BPB", T("R3")}, {"TANGGAL", today}, {"SUPLIER", T("S1")}},
             {{"A1", 7, 1000, 0, 0}});
    Document("RTBELI1", "RTBELI2", "NOMOR", {{"NOMOR", T("0000000017")}, {"TANGGAL", today}, {"SUPLIER", T("S1")},
                                             {"CODE_ID", T("01")}, {"CETAK", xbase::Value::Logical(true)}},
             {{"A1", 2, 1000, 0, 0}});
    EXPECT_TRUE(s.tables().CloseAll().ok());
  }

  void Document(const std::string& header, const std::string& lines, const std::string& number, support::Row fields,
                const std::vector<DocLine>& rows) {
    support::AddRows(support::Open(rig.session, header), {fields});
    for (const DocLine& row : rows) {
      support::AddRows(support::Open(rig.session, lines),
                       {{{number, fields[0].second}, {"KODE", T(row.code)}, {"QUANTITY", N(row.quantity)},
                         {"HARGA", N(row.price)}, {"DISCOUNT", N(row.disc1)}, {"DISCOUNT2", N(row.disc2)}}});
    }
  }

  // The keys that copy the report to `name` in the copy folder, then leave the box.
  std::vector<int> CopyKeys(const std::string& name) {
    return Keys({{'C'}, Line(name), Line(copies.path()), {'y'}, {key::kEsc}, {key::kEsc}});
  }

  std::vector<std::string> CopiedLines(const std::string& name) {
    std::vector<std::string> lines;
    std::string line;
    for (const char c : support::ReadFile(copies.File(name))) {
      if (c != '\n') {
        line += c;
        continue;
      }
      lines.push_back(line);
      line.clear();
    }
    return lines;
  }

  support::TempDataFolder data{{"BPBELI1", "BPBELI2", "RTBELI1", "RTBELI2", "MASTBRJ", "MASTSUP"}};
  support::TempFolder reports, copies;
  support::SessionRig rig;
};

// A label right-aligned in `label_width` columns and an amount right-aligned in `amount_width`.
std::string Total(const std::string& label, const std::string& amount, size_t label_width = 95,
                  size_t amount_width = 18) {
  return std::string(label_width - label.size(), ' ') + label + std::string(amount_width - amount.size(), ' ') + amount;
}

TEST_F(PurchaseReportsTest, TheJournalListsPrintedReceiptsWithTheirCashDiscountsThenTheReturns) {
  rig.term.AddKeys(Keys({{key::kEnter, key::kEnter, key::kEnter}, CopyKeys("jurnal")}));
  ASSERT_TRUE(LBELI3(rig.session, {}).ok());
  const std::string equals(113, '='), dashes(113, '-');
  const std::vector<std::string> expected = {
      "JURNAL PEMBELIAN per NO_BPB",
      "PERIODE : 08-12-2026 s/d 08-12-2026",
      equals,
      " NO. TANGGAL    NO_BPB          KODE       NAMA                     QTY      HARGA    DISCOUNT              NILAI",
      equals,
      "   1 08-12-2026 R1              A1         HVS A4                    20   1,000.00   0.00+  0.00        20,000.00",
      "                                A2         PULPEN HITAM             100     250.00  10.00+  0.00        22,500.00",
      Total("JUMLAH :", "42,500.00"),
      Total("Discount  10.00% :", "4,250.00"),
      Total("Discount   5.00% :", "1,912.50"),
      Total("NETTO :", "36,337.50"),
      "",
      "   2 08-12-2026 R2              A1         HVS A4                     3   1,500.00   0.00+  0.00         4,500.00",
      Total("JUMLAH :", "4,500.00"),
      Total("Discount   3.00% :", "135.00"),  // the second cash discount alone, on the whole sum
      Total("NETTO :", "4,365.00"),
      "",
      dashes,
      Total("TOTAL PEMBELIAN :", "40,702.50"),
      dashes,
      "   1 08-12-2026 0000000017      A1         HVS A4                     2   1,000.00   0.00+  0.00         2,000.00",
      Total("JUMLAH :", "2,000.00"),
      "",
      dashes,
      Total("TOTAL RETUR :", "2,000.00"),
      equals,
      Total("PEMBELIAN BERSIH :", "38,702.50")};
  EXPECT_EQ(CopiedLines("jurnal"), expected);
  EXPECT_TRUE(support::Shown(rig.term, "JURNAL PEMBELIAN"));
}

TEST_F(PurchaseReportsTest, TheRecapPerNumberTakesTaxOffTheSecondValueOfCompany02) {
  rig.term.AddKeys(Keys({{key::kEnter, key::kEnter, key::kEnter, key::kEnter}, {'P'}, CopyKeys("rekap")}));
  ASSERT_TRUE(LBELI2(rig.session, {}).ok());
  const std::string equals(126, '=');
  const auto row = [](const std::string& lead, const std::string& v1, const std::string& v2) {
    return lead + " S1         PT. LOGISTIK                  " + std::string(18 - v1.size(), ' ') + v1 +
           std::string(19 - v2.size(), ' ') + v2;  // the copy drops trailing blanks
  };
  const auto sums = [](const std::string& label, const std::string& v1, const std::string& v2) {
    return Total(label, v1, 78) + std::string(19 - v2.size(), ' ') + v2;
  };
  const std::vector<std::string> expected = {
      "REKAP PEMBELIAN NETTO per NO_BPB",
      "PERIODE : 08-12-2026 s/d 08-12-2026",
      equals,
      " NO. NO_BPB          ID   TANGGAL    SUPLIER    NAMA                                      NILAI1             NILAI2 "
      "TG. TEMPO",
      equals,
      row("  1. R1              02   08-12-2026", "36,337.50", "33,034.09"),
      row("  2. R2              01   08-12-2026", "4,365.00", "4,365.00"),
      equals,
      sums("JUMLAH JUAL : ", "40,702.50", "37,399.09"),
      "",
      row("   1 0000000017      01   08-12-2026", "2,000.00", "2,000.00"),
      equals,
      sums("JUMLAH RETUR : ", "2,000.00", "2,000.00"),
      "",
      sums("JUMLAH NETTO : ", "38,702.50", "35,399.09")};
  EXPECT_EQ(CopiedLines("rekap"), expected);
}

}  // namespace
}  // namespace purchasing
