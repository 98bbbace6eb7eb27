// The sales journal and the transaction recaps: printed notes and returns of a period, as text pages
// copied to a file and as workbooks read back.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "recaps/recap_rows_helpers.h"
#include "recaps/recap_screens.h"
#include "support/damaged_tables.h"
#include "support/files.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"

namespace recaps {
namespace {

namespace key = console::key;
using support::Keys;
using support::Line;
using support::N;
using support::T;
using testing::AddDocument;
using testing::Day;
using testing::L;

class SalesJournalTest : public ::testing::Test {
 protected:
  SalesJournalTest() {
    rig.session.SetSearchPath(data.path());
    rig.session.TMPFILELAP_ = reports.path();
    testing::UseReportsFolder(rig.session, home.path());
    frame::Session& s = rig.session;
    support::AddRows(support::Open(s, "MASTBRJ"),
                     {{{"KODE", T("P1")}, {"NAMA", T("HVS A4")}, {"DOS", N(10)}, {"PAK", N(5)}, {"HARGA4", N(800)},
                       {"GOLONGAN", T("OFFICE")}},
                      {{"KODE", T("P2")}, {"NAMA", T("PULPEN HITAM")}, {"DOS", N(100)}, {"HARGA4", N(2000)},
                       {"GOLONGAN", T("WRITING")}},
                      {{"KODE", T("Q9")}, {"NAMA", T("LAKBAN")}, {"HARGA4", N(1000)}, {"GOLONGAN", T("LAIN")}}});
    support::AddRows(support::Open(s, "MASTGOL"), {{{"KODE", T("WRITING")}, {"NAMA", T("ALAT TULIS")}},
                                                   {{"KODE", T("OFFICE")}, {"NAMA", T("KANTOR")}}});
    support::AddRows(support::Open(s, "MASTCUS"), {{{"RELASI", T("C1")}, {"NAMA", T("TOKO SATU")}, {"KOTA", T("BANDUNG")}},
                                                   {{"RELASI", T("C2")}, {"NAMA", T("TOKO DUA")}, {"KOTA", T("BOGOR")}}});
    support::AddRows(support::Open(s, "SETUP"), {{{"SETUP", T("HPPP")}, {"KET", T("10050000")}}});
    Note("INV1", 3, "C1", true, 10, 5, {{"P1", 20, 1000}, {"P2", 100, 250, 10, 0}});
    Note("INV2", 4, "C2", true, 0, 0, {{"Q9", 3, 1500}});
    Note("INV3", 5, "C1", false, 0, 0, {{"P1", 7, 1000}});
    AddDocument(s, "RTJUAL1", "RTJUAL2", "NOMOR",
                {{"NOMOR", T("RJ1")}, {"TANGGAL", Day(2026, 12, 10)}, {"RELASI", T("C1")}, {"SALES", T("S1")},
                 {"KDCB", T("CB01")}, {"CETAK", L(true)}, {"RADMIN", L(true)}},
                {{"P1", 2, 1000}});
    EXPECT_TRUE(s.tables().CloseAll().ok());
  }

  void Note(const std::string& number, int day, const std::string& customer, bool printed, double d1, double d2,
            const std::vector<testing::DocLine>& lines) {
    AddDocument(rig.session, "SRTJLN1", "SRTJLN2", "INVOICE",
                {{"INVOICE", T(number)}, {"TANGGAL", Day(2026, 12, day)}, {"RELASI", T(customer)}, {"SALES", T("S1")},
                 {"TIPE", T("01")}, {"KDCB", T("CB01")}, {"DISCOUNT", N(d1)}, {"DISCOUNT2", N(d2)},
                 {"CETAK", L(printed)}, {"KTR1", T("PO-" + number)}, {"TEMPO", Day(2027, 1, day)}},
                lines);
  }

  // The keys that copy the report to `name` in the copy folder, then leave the box.
  std::vector<int> CopyKeys(const std::string& name) {
    return Keys({{'C'}, Line(name), Line(copies.path()), {'y'}, {key::kEsc}, {key::kEsc}});
  }

  std::vector<std::string> CopiedLines(const std::string& name) {
    std::vector<std::string> lines;
    std::string text = support::ReadFile(copies.File(name)), line;
    for (const char c : text) {
      if (c == '\n') {
        lines.push_back(line);
        line.clear();
      } else {
        line += c;
      }
    }
    return lines;
  }

  support::TempDataFolder data{{"SRTJLN1", "SRTJLN2", "RTJUAL1", "RTJUAL2", "MASTBRJ", "MASTGOL", "MASTCUS", "SETUP",
                                "PATRON", "PATRON2", "PATRON4", "KONVERT", "BMONITOR"}};
  support::TempFolder reports, copies, home;
  support::SessionRig rig;
};

TEST_F(SalesJournalTest, TheJournalListsPrintedNotesWithTheirDiscountsThenTheReturns) {
  // The period offered is December; every other answer as offered.
  rig.term.AddKeys(Keys({{key::kEnter, key::kEnter, key::kEnter, key::kEnter, key::kEnter, key::kEnter},
                         CopyKeys("jurnal")}));
  ASSERT_TRUE(LJURJL(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  const std::string rule(113, '=');
  const auto total = [](const std::string& label, const std::string& amount) {
    return std::string(94 - label.size(), ' ') + label + std::string(19 - amount.size(), ' ') + amount;
  };
  const std::vector<std::string> expected = {
      "JURNAL PENJUALAN per INVOICE",
      "PERIODE : 01-12-2026 s/d 31-12-2026",
      rule,
      " NO. TANGGAL    INVOICE         KODE       NAMA                     QTY      HARGA    DISCOUNT              NILAI",
      rule,
      "   1 03-12-2026 INV1            P1         HVS A4                    20   1,000.00   0.00+  0.00        20,000.00",
      "   2 03-12-2026 INV1            P2         PULPEN HITAM             100     250.00  10.00+  0.00        22,500.00",
      total("JUMLAH :", "42,500.00"),
      total("Discount 10.00% :", "4,250.00"),
      total("Discount 5.00% :", "1,912.50"),
      total("NETTO :", "36,337.50"),
      "",
      "   3 04-12-2026 INV2            Q9         LAKBAN                     3   1,500.00   0.00+  0.00         4,500.00",
      total("JUMLAH :", "4,500.00"),
      "",
      total("TOTAL PENJUALAN :", "40,837.50"),
      "",
      "   4 10-12-2026 RJ1             P1         HVS A4                     2   1,000.00   0.00+  0.00         2,000.00",
      total("JUMLAH :", "2,000.00"),
      "",
      total("TOTAL RETUR :", "2,000.00"),
      total("PENJUALAN BERSIH :", "38,837.50")};
  EXPECT_EQ(CopiedLines("jurnal"), expected);
  EXPECT_TRUE(support::Shown(rig.term, "      JURNAL PENJUALAN      "));
}

}  // namespace
}  // namespace recaps

namespace recaps {
namespace {

TEST_F(SalesJournalTest, TheRecapPerItemSplitsReturnsAndCostsForAccountingUsers) {
  rig.session.MMEMBER.rights = "/SPV ACC";
  // Every answer as offered, "Excel", the path shown, then Esc.
  rig.term.AddKeys(Keys({std::vector<int>(8, key::kEnter), {'E'}, {key::kEnter}, {key::kEsc}}));
  ASSERT_TRUE(LRKPBRG(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  const std::vector<std::string> books = testing::Workbooks(home.File("reports"));
  ASSERT_EQ(books.size(), 1u);
  const platform::SheetData sheet = testing::ReadSheet(books[0], 0);
  using testing::SheetRow;
  EXPECT_EQ(SheetRow(sheet, 1, 1), "REKAP PENJUALAN PERIODE 01-12-2026 s/d 31-12-2026");
  EXPECT_EQ(SheetRow(sheet, 5, 16), "NO.|KODE|NAMA BARANG|QUANTITY||||BOX||||VALUE||||HPP");
  EXPECT_EQ(SheetRow(sheet, 6, 16), "|||JUAL|RETUR|RET. ADMIN|NETTO|JUAL|RETUR|RET. ADMIN|NETTO|JUAL|RETUR|RET. ADMIN|NETTO|");
  // Classes in MASTGOL order, an unknown class last. The header discounts 10 and 5 make 0.855 of the
  // line value; "HPPP" takes 10 and 5 off the cost price of P items, other items lose 20 %.
  EXPECT_EQ(SheetRow(sheet, 7, 16), "1|P2|PULPEN HITAM|100|0|0|100|1|0|0|1|19237.5|0|0|19237.5|171000");
  EXPECT_EQ(SheetRow(sheet, 8, 16), "||Jumlah ALAT TULIS|100|0|0|100|1|0|0|1|19237.5|0|0|19237.5|171000");
  EXPECT_EQ(SheetRow(sheet, 9, 16), "2|P1|HVS A4|20|0|2|18|2|0|0.2|1.8|17100|0|2000|15100|12312");
  EXPECT_EQ(SheetRow(sheet, 10, 3), "||Jumlah KANTOR");
  EXPECT_EQ(SheetRow(sheet, 11, 16), "3|Q9|LAKBAN|3|0|0|3|0.01|0|0|0.01|4500|0|0|4500|2400");
  EXPECT_EQ(SheetRow(sheet, 12, 3), "||Jumlah LAIN-LAIN");
  EXPECT_EQ(SheetRow(sheet, 13, 16), "||TOTAL|123|0|2|121|3.01|0|0.2|2.81|40837.5|0|2000|38837.5|185712");
  EXPECT_TRUE(sheet.Find(13, 3)->bold);
}

// The cost factor of P items comes from the SETUP row "HPPP": when that row cannot be read (its index
// damaged while the screen has it open) the recap stops with the fault named, rather than costing P
// items at the 20 % meant for items without a row.
TEST_F(SalesJournalTest, TheRecapPerItemStopsWhenItsCostFactorCannotBeRead) {
  console::ManualClock clock({xbase::Date::FromYmd(2026, 12, 8), 9 * 3600});
  support::DamagingTerminal term(Keys({std::vector<int>(8, key::kEnter), {' '}, {key::kEsc}}), &clock,
                                 [&] { support::DamageIndexPages(data.path(), "SETUP"); });
  console::Console con(term, clock);
  frame::ProcedureRegistry registry;
  frame::Session session(con, registry, "WS-TEST");
  session.SetSearchPath(data.path());
  session.TMPFILELAP_ = reports.path();
  testing::UseReportsFolder(session, home.path());
  session.MMEMBER.rights = "/SPV ACC";
  ASSERT_TRUE(LRKPBRG(session, {}).ok());
  EXPECT_EQ(term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(term, 24, ".ntx"));
  EXPECT_FALSE(support::Shown(term, "PILIHAN MEDIA LAPORAN"));
  EXPECT_TRUE(testing::Workbooks(home.File("reports")).empty());
}

TEST_F(SalesJournalTest, NetItemsTakeEveryNoteAndCountReturnsNegative) {
  rig.term.AddKeys(Keys({std::vector<int>(6, key::kEnter), {key::kEnter}, {key::kEsc}}));
  ASSERT_TRUE(NETITEM(rig.session, {}).ok());
  const std::vector<std::string> books = testing::Workbooks(home.File("reports"));
  ASSERT_EQ(books.size(), 1u);
  const platform::SheetData sheet = testing::ReadSheet(books[0], 0);
  using testing::SheetRow;
  EXPECT_EQ(SheetRow(sheet, 2, 1), "From : 01-12-2026 To 31-12-2026");
  EXPECT_EQ(SheetRow(sheet, 4, 4), "Customer Id|Customer Name|Kota|Invoice");
  // By customer, then date: C1's notes (the unprinted INV3 too) and its return, then C2.
  EXPECT_EQ(SheetRow(sheet, 5, 14), "C1|TOKO SATU|BANDUNG|INV1|46359|46359|S1|P1|HVS A4|20|2|4|0|17100");
  EXPECT_EQ(SheetRow(sheet, 7, 14), "C1|TOKO SATU|BANDUNG|INV3|46361|46361|S1|P1|HVS A4|7|0.7|1.4|0|7000");
  EXPECT_EQ(SheetRow(sheet, 8, 14), "C1|TOKO SATU|BANDUNG|RJ1|46366|46366|S1|P1|HVS A4|-2|-0.2|-0.4|0|-2000");
  EXPECT_EQ(SheetRow(sheet, 8, 22), "C1|TOKO SATU|BANDUNG|RJ1|46366|46366|S1|P1|HVS A4|-2|-0.2|-0.4|0|-2000|1000|0|0|0|0|OFFICE|R|01");
  EXPECT_EQ(SheetRow(sheet, 9, 9), "C2|TOKO DUA|BOGOR|INV2|46360|46360|S1|Q9|LAKBAN");
  EXPECT_EQ(SheetRow(sheet, 10, 14), "||||||||TOTAL||3.51|5|0|45837.5");
  EXPECT_EQ(sheet.Find(10, 1)->fill_rgb, sheet.Find(10, 28)->fill_rgb);
  EXPECT_EQ(sheet.Find(5, 5)->number_format, "mmm-yy");
}

}  // namespace
}  // namespace recaps
