// Receipts: the save of an invoice receipt with its counter, the raw bytes of both forms with the
// amount in words and the VAT split, the print that marks the receipt printed only when it reached
// the printer, and the removal of printed receipts.
#include <gtest/gtest.h>

#include <memory>

#include "platform/fake_printers.h"
#include "receivables/kwitansi.h"
#include "receivables/receivables_test_helpers.h"
#include "support/damaged_tables.h"
#include "support/other_workstation.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using namespace receivables::testing;

class KwitansiTest : public ::testing::Test {
 protected:
  KwitansiTest() {
    rig.session.SetSearchPath(folder.path());
    AddSetting(rig.session, "KWITANSI2", "0000007");
    AddSetting(rig.session, "KWITANSI31", "BCA 123 A/N PT KORVANI");
    AddSetting(rig.session, "KWITANSI1", "Jakarta");
    AddCustomer(rig.session, "J0001", "TB. SINAR ILMU");
    AddInvoice(rig.session, "INV1", "J0001", 110, kDay);
    AddInvoice(rig.session, "INV2", "J0001", 2200, kDay);
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    rig.session.STP.text[1] = "PT. KORVANI DELTAMARA SENTRA";
    rig.session.STP.text[2] = "JL. MERDEKA 1";
    rig.session.STP.text[3] = "JAKARTA";
  }

  Kwitansi Stored(const std::vector<std::string>& invoices) {
    Kwitansi receipt = ProposedKwitansi(rig.session, tables, 40);
    receipt.number = "0000008";
    receipt.date = kDay;
    receipt.from = xbase::PadR("TB. SINAR ILMU", 100);
    for (const std::string& nota : invoices) {
      xbase::Value typed = T(nota);
      EXPECT_TRUE(CheckKwitansiInvoice(rig.session, tables, &receipt, receipt.lines.size() - 1, &typed));
      receipt.lines.push_back(BlankKwitansiLine(receipt.lines.size() + 1));
    }
    return receipt;
  }

  support::TempDataFolder folder =
      support::TempDataFolder({"SETUP", "MASTCUS", "PIUTDBT", "KWIT_1", "KWIT_2", "KWIT_3"});
  SessionRig rig;
  frame::OpenedTables tables;  // as the receipt screens open them
};

TEST_F(KwitansiTest, AnInvoiceReceiptIsSavedAndPrintedRawWithItsVatSplitAndWords) {
  tables = OpenKwitansiTables(rig.session);
  ASSERT_TRUE(tables);
  const Kwitansi proposed = ProposedKwitansi(rig.session, tables, 40);
  EXPECT_EQ(proposed.number, "0000007");
  EXPECT_EQ(xbase::RTrim(proposed.pay_to[0]), "BCA 123 A/N PT KORVANI");
  Kwitansi receipt = Stored({"INV1", "INV2"});
  EXPECT_EQ(receipt.lines[1][kKwAmount].number(), 2200);
  ASSERT_TRUE(SaveInvoiceKwitansi(rig.session, tables, receipt).ok());
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_EQ(Open(rig.session, "KWIT_2").table().record_count(), 2u);
  EXPECT_EQ(StoredText(Open(rig.session, "KWIT_1"), 1, "NOMOR"), "0000008");
  EXPECT_EQ(StoredText(Open(rig.session, "SETUP"), 1, "KET"), "0000008");
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  auto owned = std::make_unique<platform::FakeRawPrinter>("LX300");
  platform::FakeRawPrinter* printer = owned.get();
  rig.session.services().UseDevices(std::move(owned), std::make_unique<platform::FakePrintSystem>());
  // A printer that refuses the job marks nothing.
  printer->FailWith(xbase::Status::IOError("printer", "offline"));
  rig.term.AddKeys(Keys({testing::Typed("0000008"), {key::kEnter}, {key::kEnter}, {key::kEnter}}));
  ASSERT_TRUE(KW2(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  xbase::WorkArea& header = Open(rig.session, "KWIT_1");
  ASSERT_TRUE(header.GoTo(1).ok());
  EXPECT_FALSE(header.Logical("CETAK"));
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  printer->FailWith(xbase::Status::OK());
  rig.term.AddKeys(Keys({testing::Typed("0000008"), {key::kEnter}, {key::kEnter}, {key::kEnter}}));
  ASSERT_TRUE(KW2(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "pasang kwitansi dengan betul, tekan sembarang u/ cetak"));
  ASSERT_EQ(printer->jobs().size(), 1u);
  const std::string bytes = printer->AllBytes();
  const std::string expected =
      "\x12\x1bM\x1bG\x1bw1PT. KORVANI DELTAMARA SENTRA\x1bw0\x1bH\r\n"
      "JL. MERDEKA 1\r\nJAKARTA\r\n\x1bP\x1bG\x1bw1K W I T A N S I\x1bw0\x1bH\r\n\x1bM"
      "    Nomor              : \x1bw1" "0000008\x1bw0\r\n"
      "    Telah terima dari  : TB. SINAR ILMU\r\n"
      "    Uang sejumlah      : \x1bw1           2,310\x1bw0\r\n"
      "    No Nota                         DPP             PPN           TOTAL\r\n"
      "     1. INV1                        100              10             110\r\n"
      "     2. INV2                      2,000             200           2,200\r\n"
      "    Jumlah                        2,100             210           2,310\r\n"
      "    Terbilang          : # dua ribu tiga ratus sepuluh rupiah#\r\n"
      "    Pembayaran ke      : BCA 123 A/N PT KORVANI                             Jakarta, 05-12-2026\r\n"
      "\r\n\r\n"
      "\x1bP\x0c";
  EXPECT_EQ(bytes, expected);
  xbase::WorkArea& printed = Open(rig.session, "KWIT_1");
  ASSERT_TRUE(printed.GoTo(1).ok());
  EXPECT_TRUE(printed.Logical("CETAK"));
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  // The printed receipt goes with its lines.
  rig.term.AddKeys({'H', key::kEnter});
  ASSERT_TRUE(KW3(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "1 kwitansi terhapus"));
  xbase::WorkArea& removed = Open(rig.session, "KWIT_1");
  ASSERT_TRUE(removed.GoTo(1).ok());
  EXPECT_TRUE(removed.deleted());
  xbase::WorkArea& lines = Open(rig.session, "KWIT_2");
  ASSERT_TRUE(lines.GoTo(2).ok());
  EXPECT_TRUE(lines.deleted());
}

// The receipt prints its place and splits out the VAT by the SETUP percent: a SETUP row that cannot be
// read is the failure on row 24, nothing is printed and the receipt stays unprinted.
TEST_F(KwitansiTest, AReceiptWhoseVatPercentCannotBeReadIsNotPrinted) {
  tables = OpenKwitansiTables(rig.session);
  ASSERT_TRUE(tables);
  ASSERT_TRUE(SaveInvoiceKwitansi(rig.session, tables, Stored({"INV1"})).ok());
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::DamageIndexPages(folder.path(), "SETUP");
  rig.term.AddKeys(Keys({testing::Typed("0000008"), {key::kEnter}, {key::kEnter}, {' '}}));
  ASSERT_TRUE(KW2(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "SETUP"));
  EXPECT_FALSE(Shown(rig.term, "pasang kwitansi dengan betul, tekan sembarang u/ cetak"));
  EXPECT_TRUE(rig.dot_matrix->AllBytes().empty());
  xbase::WorkArea& header = Open(rig.session, "KWIT_1");
  ASSERT_TRUE(header.GoTo(1).ok());
  EXPECT_FALSE(header.Logical("CETAK"));
}

TEST_F(KwitansiTest, EscAtTheCounterRowWritesNeitherReceiptNorLines) {
  support::SettleSmallFolder(folder.path());
  tables = OpenKwitansiTables(rig.session);
  ASSERT_TRUE(tables);
  Kwitansi receipt = Stored({"INV1", "INV2"});
  support::OtherWorkstation other(folder.path());
  other.HoldKey("SETUP", "KWITANSI2");
  rig.term.AddKeys({key::kEsc, ' ', ' '});
  EXPECT_FALSE(SaveInvoiceKwitansi(rig.session, tables, receipt).ok());
  EXPECT_TRUE(Shown(rig.term, "Mencoba mengunci record 1 file "));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_EQ(Open(rig.session, "KWIT_1").table().record_count(), 0u);
  EXPECT_EQ(Open(rig.session, "KWIT_2").table().record_count(), 0u);
  EXPECT_EQ(StoredText(Open(rig.session, "SETUP"), 1, "KET"), "0000007");
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  other.Release();
  tables = OpenKwitansiTables(rig.session);
  ASSERT_TRUE(tables);
  ASSERT_TRUE(SaveInvoiceKwitansi(rig.session, tables, receipt).ok());
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_EQ(Open(rig.session, "KWIT_2").table().record_count(), 2u);
  EXPECT_EQ(StoredText(Open(rig.session, "SETUP"), 1, "KET"), "0000008");
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::ExpectVerified(folder.path());
}

TEST_F(KwitansiTest, TheFreeReceiptBreaksItsSenderAndListsItsPurposes) {
  Kwitansi receipt;
  receipt.number = "0000009";
  receipt.date = kDay;
  receipt.from = xbase::PadR("PT. SUMBER REJEKI ABADI SENTOSA MAKMUR CABANG JAKARTA BARAT DAN SEKITARNYA UNTUK PEMBAYARAN", 100);
  receipt.pay_to = {"TUNAI", "", ""};
  receipt.purpose = {"SEWA GUDANG DESEMBER", "", "LISTRIK", "", ""};
  KwitansiForm form;
  form.company = {"PT. KORVANI", "", ""};
  const std::string bytes = FreeKwitansiBytes(receipt, form);
  EXPECT_NE(bytes.find("    Telah terima dari  : PT. SUMBER REJEKI ABADI SENTOSA MAKMUR CABANG JAKARTA BARAT DAN -\r\n"
                       "                         SEKITARNYA UNTUK PEMBAYARAN\r\n"),
            std::string::npos)
      << bytes;
  EXPECT_NE(bytes.find("    Untuk pembayaran   :\r\n                         SEWA GUDANG DESEMBER\r\n"
                       "                         LISTRIK\r\n" +
                       std::string(58, ' ') + "Kelindang, 05-12-2026\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace receivables
