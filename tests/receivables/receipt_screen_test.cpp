// The receipt screen: loading a stored receipt under the correction rules, the line keys, the
// closing-book check, and the receipt list.
#include <gtest/gtest.h>

#include <memory>

#include "console/keys.h"
#include "platform/fake_printers.h"
#include "receivables/piuttt.h"
#include "receivables/receipt.h"
#include "receivables/receivables_test_helpers.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using namespace receivables::testing;

class ReceiptScreenTest : public ::testing::Test {
 protected:
  ReceiptScreenTest() {
    rig.session.SetSearchPath(folder.path());
    rig.session.ZTGLBATAS = xbase::Date::FromYmd(2026, 12, 8);
    rig.session.ZTGPROSES = xbase::Date::FromYmd(2026, 12, 31);
    rig.session.ZHARIBATAS = "10";
    rig.session.ZHARICETAK = "10";
    AddSetting(rig.session, "CABANGJ", "JKT001 JAKARTA");
    AddSetting(rig.session, "NOTT" + kBranch, "0000000003");
    AddSettlementCodes(rig.session);
    AddCustomer(rig.session, "J0001", "TB. SINAR ILMU");
    AddInvoice(rig.session, "INV1", "J0001", 1000, kDay);
    AddInvoice(rig.session, "INV2", "J0001", 2000, kDay);
    AddRows(Open(rig.session, "PIUTKR1"),
            {{{"KDCB", T(kBranch)}, {"NOMOR", T("0000000001")}, {"TANGGAL", Value::FromDate(kDay)},
              {"NOTES", T("TITIPAN SALES")}, {"TGINPUT", Value::FromDate(kDay)}, {"CETAK", Value::Logical(true)}},
             {{"KDCB", T(kBranch)}, {"NOMOR", T("0000000002")}, {"TANGGAL", Value::FromDate(kDay)},
              {"TGINPUT", Value::FromDate(xbase::Date::FromYmd(2026, 11, 28))}},
             {{"KDCB", T(kBranch)}, {"NOMOR", T("0000000003")}, {"TANGGAL", Value::FromDate(kDay + 1)},
              {"TGINPUT", Value::FromDate(kDay + 1)}}});
    AddRows(Open(rig.session, "PIUTKR2"),
            {{{"KDCB", T(kBranch)}, {"NOMOR", T("0000000001")}, {"NOTA", T("INV1")}, {"KD_TT", T("DB")},
              {"KREDIT", N(15)}, {"NOTES", T("DISKON")}},
             {{"KDCB", T(kBranch)}, {"NOMOR", T("0000000001")}, {"NOTA", T("INV2")}, {"KD_TT", T("FS")},
              {"KREDIT", N(25)}},
             {{"KDCB", T(kBranch)}, {"NOMOR", T("0000000003")}, {"NOTA", T("INV2")}, {"KD_TT", T("FS")},
              {"KREDIT", N(7)}}});
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  }

  bool Load(const std::string& number, Receipt* receipt) {
    receipt->branch = kBranch;
    receipt->number = number;
    return LCGETTT(rig.session, tables, receipt, true);
  }

  double StoredNumber(const std::string& table, uint32_t recno, const std::string& field) {
    xbase::WorkArea& area = Open(rig.session, table);
    EXPECT_TRUE(area.GoTo(recno).ok());
    return area.Number(field);
  }

  support::TempDataFolder folder = ReceivablesFolder();
  SessionRig rig;
  frame::OpenedTables tables;  // as the receipt screens open them
};

TEST_F(ReceiptScreenTest, StoredReceiptsLoadUnlessPrintedOrPastTheCorrectionLimit) {
  tables = OpenReceiptTables(rig.session);
  ASSERT_TRUE(tables);
  Receipt receipt;
  EXPECT_FALSE(Load("0000000001", &receipt));
  EXPECT_TRUE(Shown(rig.term, "TT sudah dicetak tidak boleh dikoreksi"));
  EXPECT_FALSE(Load("0000000002", &receipt));
  EXPECT_TRUE(Shown(rig.term, "batas waktu koreksi TT maximal 10 hari"));
  rig.session.MMEMBER.rights = "/SPV /EDP";
  ASSERT_TRUE(Load("0000000002", &receipt));
  ASSERT_TRUE(Load("0000000001", &receipt));
  EXPECT_FALSE(receipt.is_new);
  EXPECT_EQ(receipt.old_date, kDay);
  EXPECT_EQ(xbase::RTrim(receipt.notes), "TITIPAN SALES");
  ASSERT_EQ(receipt.lines.size(), 3u);
  EXPECT_EQ(LineText(receipt.lines[0], kCustomer), "J0001     ");
  EXPECT_EQ(xbase::RTrim(LineText(receipt.lines[0], kNote)), "DISKON");
  EXPECT_EQ(LineAmount(receipt.lines[1]), 25);
  EXPECT_EQ(receipt.lines[1][kLineNo].number(), 2);
  EXPECT_FALSE(LineCounts(receipt.lines[2]));
  // A number not stored stays a new receipt under that number; another branch's is not this one.
  ASSERT_TRUE(Load("7", &receipt));
  EXPECT_TRUE(receipt.is_new);
  EXPECT_EQ(receipt.number, "7         ");
  ASSERT_EQ(receipt.lines.size(), 1u);
}

TEST_F(ReceiptScreenTest, ClosingTheBookComesFirstForUsersWithoutSpv) {
  rig.session.ZTGLBATAS = xbase::Date::FromYmd(2027, 1, 11);
  ASSERT_TRUE(REALTT(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "Harus lakukan proses tutup buku dulu..."));
  EXPECT_EQ(rig.session.tables().Area("Piutkr1"), nullptr);
}

TEST_F(ReceiptScreenTest, LinesAreAddedRemovedAndTheEntryCancelledOnlyAfterTheQuestion) {
  // A correction of receipt 3: a second line on INV1 (code, then Enter through the number and the
  // note), the first line removed, Esc answered "tidak", then F10.
  rig.term.AddKeys(Keys({Line("JKT001"), Line("0000000003"), {key::kEnter}, Line(""),
                         {key::kDown}, Line("INV1"), Line("DB"), {key::kEnter, key::kEnter, key::kEnter, key::kEnter},
                         Line("40"),
                         {key::kUp, key::kUp, key::kDel, key::kEsc}, {key::kRight, key::kEnter},
                         {key::F(10)}, {'Y'}, {key::kEsc}}));
  ASSERT_TRUE(REALTT(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "Yakin akan membatalkan inputan"));
  EXPECT_TRUE(Shown(rig.term, "Esc) Batal, F10) Simpan Del) Hapus"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  xbase::WorkArea& lines = Open(rig.session, "PIUTKR2");
  // The remaining line took the receipt's stored row; the blank last line is not stored.
  ASSERT_EQ(lines.table().record_count(), 3u);
  ASSERT_TRUE(lines.GoTo(3).ok());
  EXPECT_EQ(xbase::RTrim(lines.Text("NOTA")), "INV1");
  EXPECT_EQ(xbase::RTrim(lines.Text("KD_TT")), "DB");
  EXPECT_EQ(lines.Number("KREDIT"), 40);
  EXPECT_EQ(lines.Text("URUT"), "  1");
  EXPECT_EQ(StoredNumber("PIUTDBT", 1, "KREDIT"), 40);
}

TEST_F(ReceiptScreenTest, AWholeReceiptTypedAheadAtOnceIsStoredAsTyped) {
  AddInstrument(rig.session, "CS1", "CSHO", "J0001", 5000, kDay);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  // Every key of a new receipt at once: a cash line on
  // INV1, then the line continued below it turned into a DB line, then F10 and Y.
  rig.term.AddKeys(Keys({Line("JKT001"), {key::kEnter, key::kEnter, key::kEnter},
                         Line("INV1"), Line("CL"), Line("CS1"), {key::kRight}, Line("300"),
                         {key::kRight}, Line("DB"), {key::kRight, key::kRight}, Line("20"),
                         {key::F(10)}, {'Y'}, {key::kEnter}, {key::kEsc}}));
  ASSERT_TRUE(REALTT(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown(rig.term, "Tanda terima ini tersimpan dg Nomor 0000000004"));
  xbase::WorkArea& lines = Open(rig.session, "PIUTKR2");
  ASSERT_EQ(lines.table().record_count(), 5u);
  const auto row = [&](uint32_t recno) {
    EXPECT_TRUE(lines.GoTo(recno).ok());
    return StoredText(lines, recno, "NOMOR") + "|" + StoredText(lines, recno, "NOTA") + "|" +
           StoredText(lines, recno, "KD_TT") + "|" + StoredText(lines, recno, "NO_BUKTI") + "|" +
           std::to_string(static_cast<int>(lines.Number("KREDIT")));
  };
  EXPECT_EQ(row(4), "0000000004|INV1|CL|CS1|300");
  // The DB line carries no number and moves no instrument.
  EXPECT_EQ(row(5), "0000000004|INV1|DB||20");
  EXPECT_DOUBLE_EQ(InstrumentKredit(rig.session, "CS1"), 300);
  EXPECT_DOUBLE_EQ(InvoiceKredit(rig.session, "INV1"), 320);
}

TEST_F(ReceiptScreenTest, ReceiptListSumsEachReceiptByKindOfSettlement) {
  auto owned = std::make_unique<platform::FakeRawPrinter>("LX300");
  platform::FakeRawPrinter* printer = owned.get();
  rig.session.services().UseDevices(std::move(owned), std::make_unique<platform::FakePrintSystem>());
  support::TempFolder reports;
  rig.session.TMPFILELAP_ = reports.path();
  rig.term.AddKeys(Keys({Line("JKT001"), Line("01122026"), Line("05122026"), {key::kEnter},
                         {key::kRight, key::kEnter}, {key::kEnter, key::kEnter, key::kEnter}, {key::kEnter},
                         {key::kEnter}, {key::kEsc}}));
  ASSERT_TRUE(TTDTT(rig.session, {}).ok());
  ASSERT_EQ(printer->jobs().size(), 1u);
  const std::string bytes = printer->AllBytes();
  EXPECT_NE(bytes.find("PERIODE : 01-12-2026 s/d 05-12-2026"), std::string::npos);
  EXPECT_NE(bytes.find("   1 0000000001 05-12-2026 05-12-2026            40.00             0.00             0.00"
                       "            15.00            25.00"),
            std::string::npos)
      << bytes;
  EXPECT_EQ(bytes.find("0000000003"), std::string::npos);  // dated after the period
  EXPECT_NE(bytes.find("  JUMLAH :                                       40.00"), std::string::npos);
}

}  // namespace
}  // namespace receivables
