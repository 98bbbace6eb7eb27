// The receipt of returned goods: its figures, and the instrument and printed mark that only a print
// that reached the printer leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "console/keys.h"
#include "returns/return_forms.h"
#include "returns/return_procedures.h"
#include "returns/return_tables.h"
#include "returns/returns_test_helpers.h"
#include "support/damaged_tables.h"
#include "support/other_workstation.h"

namespace returns {
namespace {

using namespace returns::testing;
namespace key = console::key;

class ReturnFormsTest : public ReturnsTest {
 protected:
  ReturnFormsTest() {
    AddRows(Open(rig.session, "RTJUAL1"),
            {{{"NOMOR", T("RT-09")}, {"TANGGAL", Value::FromDate(kDay)}, {"RELASI", T("C0001")}, {"TIPE", T("01")},
              {"SALES", T("S001")}, {"KDCB", T(kBranch)}, {"KTR1", T("KEMASAN RUSAK")}, {"KTR2", T("R1")},
              {"DISCOUNT", N(10)}, {"DISCOUNT2", N(5)}, {"CODE_ID", T("7")}}});
    AddRows(Open(rig.session, "RTJUAL2"), {{{"NOMOR", T("RT-09")}, {"INVOICE", T("SJ-2026-000000000123")},
                                            {"KODE", T("BRG01")}, {"GUDANG", T("GDG01")}, {"QUANTITY", N(12)},
                                            {"HARGA", N(1000)}}});
    tables = frame::OpenTables(rig.session, {"MASTBRJ", "MASTCUS", "MASTJNS", "RTJUAL1", "RTJUAL2", "GIRODBT"});
    EXPECT_TRUE(tables);
    bool found = false;
    EXPECT_TRUE(SeekExact(Open(rig.session, "RTJUAL1"), "RTJUAL11", "NOMOR", "RT-09", &found).ok() && found);
  }

  frame::OpenedTables tables;
};

TEST_F(ReturnFormsTest, TheReceiptTakesBothDiscountsOffTheSumInTurn) {
  std::vector<std::string> lines;
  double net = 0;
  ASSERT_TRUE(ReturnReceiptLines(tables, &lines, &net).ok());
  // 12,000 less 10 percent is 10,800; less 5 percent of that, 10,260.
  EXPECT_DOUBLE_EQ(net, 10260);
  ASSERT_GE(lines.size(), 18u);
  EXPECT_EQ(lines[0], "PT. TIRTANDAKA" + std::string(73, ' ') + "F-MK-011 ");
  EXPECT_EQ(lines[8], std::string(92, '-') + "7---");
  EXPECT_EQ(lines[12], " 1 BRG01      SABUN CAIR 500ML            12   1,000.00  0.00+ 0.00      12,000.00 SJ-2026-00000");
  const std::vector<std::string> tail(lines.end() - 5, lines.end());
  EXPECT_EQ(tail[0], std::string(60, ' ') + "JUMLAH :      12,000.00");
  EXPECT_EQ(tail[1], std::string(50, ' ') + "Discount 10.00 % :       1,200.00");
  EXPECT_EQ(tail[2], std::string(50, ' ') + "Discount  5.00 % :         540.00");
  EXPECT_EQ(tail[3], std::string(54, ' ') + "JUMLAH NETTO :      10,260.00");
  EXPECT_EQ(tail[4], "Terbilang : # sepuluh ribu dua ratus enam puluh rupiah#");
}

TEST_F(ReturnFormsTest, OnlyAPrintThatReachedThePrinterRegistersTheInstrument) {
  rig.term.AddKeys({key::kEsc});
  ASSERT_TRUE(PrintReturnReceipt(rig.session, tables).ok());
  EXPECT_TRUE(LiveRows("GIRODBT").empty());
  EXPECT_FALSE(Flag("RTJUAL1", "NOMOR", "RT-09", "CETAK"));

  bool found = false;
  ASSERT_TRUE(SeekExact(Open(rig.session, "RTJUAL1"), "RTJUAL11", "NOMOR", "RT-09", &found).ok() && found);
  rig.term.AddKeys({key::kRight, key::kEnter, key::kEnter, key::kEnter, key::kEnter, key::kEnter});
  ASSERT_TRUE(PrintReturnReceipt(rig.session, tables).ok());
  ASSERT_EQ(rig.dot_matrix->jobs().size(), 1u);
  EXPECT_NE(rig.dot_matrix->AllBytes().find("BUKTI PENERIMAAN BARANG RETUR"), std::string::npos);
  EXPECT_TRUE(Flag("RTJUAL1", "NOMOR", "RT-09", "CETAK"));
  EXPECT_EQ(Field("GIRODBT", "NOMOR", "RT-09", "KET"), "RTR1");
  EXPECT_DOUBLE_EQ(Number("GIRODBT", "NOMOR", "RT-09", "DEBET"), 10260);
  EXPECT_EQ(Field("GIRODBT", "NOMOR", "RT-09", "NOTES"), "KEMASAN RUSAK");
}

// Esc while another workstation holds the return: the receipt is printed but neither registered nor
// marked; printed again once it is free, it is both.
TEST_F(ReturnFormsTest, TheInstrumentAndThePrintedMarkAreWrittenTogether) {
  {
    support::OtherWorkstation other(folder.path());
    other.Hold("RTJUAL1", 1);
    rig.term.AddKeys({key::kRight, key::kEnter, key::kEnter, key::kEnter, key::kEnter, key::kEnter, key::kEsc, ' ', ' '});
    ASSERT_TRUE(PrintReturnReceipt(rig.session, tables).ok());
    EXPECT_EQ(rig.dot_matrix->jobs().size(), 1u);
    EXPECT_TRUE(support::Shown(rig.term, "Mencoba mengunci record 1 file RTJUAL1.Dbf, tekan [Esc]=batal...."));
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_TRUE(LiveRows("GIRODBT").empty());
    EXPECT_FALSE(Flag("RTJUAL1", "NOMOR", "RT-09", "CETAK"));
  }
  bool found = false;
  ASSERT_TRUE(SeekExact(Open(rig.session, "RTJUAL1"), "RTJUAL11", "NOMOR", "RT-09", &found).ok() && found);
  rig.term.AddKeys({key::kRight, key::kEnter, key::kEnter, key::kEnter, key::kEnter, key::kEnter});
  ASSERT_TRUE(PrintReturnReceipt(rig.session, tables).ok());
  EXPECT_TRUE(Flag("RTJUAL1", "NOMOR", "RT-09", "CETAK"));
  EXPECT_DOUBLE_EQ(Number("GIRODBT", "NOMOR", "RT-09", "DEBET"), 10260);
}

// The forms print the goods' and the customer's names, the administrative return's footer the stock:
// goods, a customer or a stock row that cannot be read is the failure, nothing printed or registered
// and no figure shown, never a blank name or a stock of 0.
TEST_F(ReturnFormsTest, NamesAndStockThatCannotBeReadAreNeverPrintedBlankOrShownAs0) {
  AddRows(Open(rig.session, "DRAFTR1"), {{{"NOMOR", T("RT-05")}, {"RELASI", T("C0001")}, {"TIPE", T("01")}}});
  AddRows(Open(rig.session, "DRAFTR2"), {{{"NOMOR", T("RT-05")}, {"KODE", T("BRG01")}, {"QUANTITY", N(6)}}});
  AddSetting("RETURADMIN", "0000000041");
  AddNote("SJ1", kDay - 2, true, 30, 2000, 0, 0, 60000);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  // The administrative return's footer: the stock row cannot be read, so the stock and its cartons
  // stay blank and the failure is on row 24.
  support::DamageIndexPages(folder.path(), "STOKBRG");
  rig.term.AddKeys(support::Keys({support::Line("SJ1"), {' '}, {key::kEsc}, {key::kEsc}}));
  ASSERT_TRUE(RTADMIN(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "STOKBRG"));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 22, "Nama Barang : SABUN CAIR 500ML"));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 23, "Sisa Barang :           pcs =         Box"));
  EXPECT_FALSE(support::ShownOnRow(rig.term, 23, "Sisa Barang :         0 pcs"));

  const auto reopen = [&] {
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    tables = frame::OpenTables(rig.session, {"MASTBRJ", "MASTCUS", "MASTJNS", "RTJUAL1", "RTJUAL2", "GIRODBT",
                                             "DRAFTR1", "DRAFTR2"});
    ASSERT_TRUE(tables);
    bool found = false;
    ASSERT_TRUE(SeekExact(tables["RTJUAL1"], "RTJUAL11", "NOMOR", "RT-09", &found).ok() && found);
  };

  // The receipt of returned goods and a draft's lines name the goods.
  support::DamageIndexPages(folder.path(), "MASTBRJ");
  reopen();
  xbase::Status s = PrintReturnReceipt(rig.session, tables);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_NE(s.message().find("MASTBRJ"), std::string::npos) << s.message();
  EXPECT_TRUE(rig.dot_matrix->jobs().empty());
  Draft draft;
  bool found = false;
  s = LoadDraft(tables, "RT-05", &draft, &found);
  EXPECT_NE(s.message().find("MASTBRJ"), std::string::npos) << s.ToString();

  // The receipt and the pick-up form name the customer.
  support::DamageIndexPages(folder.path(), "MASTCUS");
  reopen();
  std::vector<std::string> lines = {"?"};
  double net = -1;
  s = ReturnReceiptLines(tables, &lines, &net);
  EXPECT_NE(s.message().find("MASTCUS"), std::string::npos) << s.ToString();
  EXPECT_TRUE(lines.empty());
  draft.customer = "C0001";
  lines = {"?"};
  s = PickUpLines(tables["MASTCUS"], draft, &lines);
  EXPECT_NE(s.message().find("MASTCUS"), std::string::npos) << s.ToString();
  EXPECT_TRUE(lines.empty());
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_TRUE(LiveRows("GIRODBT").empty());
  EXPECT_FALSE(Flag("RTJUAL1", "NOMOR", "RT-09", "CETAK"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
}

}  // namespace
}  // namespace returns
