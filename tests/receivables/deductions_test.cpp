// Deduction requests from entry to realisation: the refusals of a request line, numbering, the
// approval right, the lock of a printed request, the realisation into a receipt and its repeat, and
// the BPT voucher with its amount in words.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "frame/open_table.h"
#include "platform/fake_printers.h"
#include "receivables/deductions.h"
#include "receivables/receivables_test_helpers.h"
#include "support/damaged_tables.h"
#include "support/other_workstation.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"
#include "support/temp_folder.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using namespace receivables::testing;

class DeductionsTest : public ::testing::Test {
 protected:
  DeductionsTest() {
    rig.session.SetSearchPath(folder.path());
    AddSetting(rig.session, "CABANGJ", "JKT001 JAKARTA");
    AddSetting(rig.session, "DPOT" + kBranch, "DPT0000000");
    AddSetting(rig.session, "DBPT" + kBranch, "BPT0000004");
    AddRows(Open(rig.session, "MASTJNS"), {{{"KODE", T("DB")}, {"NAMA", T("DISKON")}, {"OPSI", T("4")}},
                                           {{"KODE", T("DC")}, {"NAMA", T("DISKON CASH")}, {"OPSI", T("5")}},
                                           {{"KODE", T("BT")}, {"NAMA", T("TRANSFER")}}});
    AddCustomer(rig.session, "J0001", "TB. SINAR ILMU");
    AddInvoice(rig.session, "INV1", "J0001", 1000, kDay);
    AddInvoice(rig.session, "INV2", "J0001", 2500, kDay);
    AddInstrument(rig.session, "G1", "GIRO", "J0001", 5000, kDay + 7);
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  }

  // A request of the test branch under `code` whose lines are the invoices typed, each with `percent`.
  DeductionRequest Typed(const std::string& code, const std::vector<std::string>& invoices, double percent) {
    DeductionRequest request;
    request.branch = kBranch;
    request.code = code;
    request.date = kDay;
    for (const std::string& nota : invoices) {
      request.lines.push_back(BlankDeductionLine(request.lines.size() + 1));
      const size_t line = request.lines.size() - 1;
      Value typed = T(nota);
      EXPECT_TRUE(CheckDeductionCell(rig.session, tables, &request, line, kDedNota, &typed)) << nota;
      Value rate = Value::Num(percent, 5, 2);
      EXPECT_TRUE(CheckDeductionCell(rig.session, tables, &request, line, kDedPercent, &rate));
      request.lines[line][kDedPercent] = rate;
    }
    return request;
  }

  bool OpenAll() {
    tables = OpenDeductionTables(rig.session, true);
    return static_cast<bool>(tables);
  }

  support::TempDataFolder folder = support::TempDataFolder(
      {"SETUP", "MASTCUS", "MASTJNS", "GIRODBT", "PIUTDBT", "PIUTKR1", "PIUTKR2", "BPOT_HDR", "BPOT_DTL",
       "BPOT_BPT", "BPOT_AP1", "BPOT_AP2", "SRTJLN1", "SRTJLN2"});
  SessionRig rig;
  frame::OpenedTables tables;  // as the deduction screens open them
};

TEST_F(DeductionsTest, EscAtTheCounterRowNumbersAndWritesNothing) {
  support::SettleSmallFolder(folder.path());
  ASSERT_TRUE(OpenAll());
  DeductionRequest request = Typed("DB", {"INV1"}, 10);
  support::OtherWorkstation other(folder.path());
  other.HoldKey("SETUP", "DPOT" + kBranch);
  rig.term.AddKeys({key::kEsc, ' ', ' '});
  bool saved = true;
  ASSERT_TRUE(SaveRequest(rig.session, tables, &request, &saved).ok());
  EXPECT_FALSE(saved);
  EXPECT_TRUE(xbase::IsBlank(request.number));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(tables["BPOT_HDR"].table().record_count(), 0u);
  EXPECT_EQ(tables["BPOT_DTL"].table().record_count(), 0u);

  other.Release();
  ASSERT_TRUE(SaveRequest(rig.session, tables, &request, &saved).ok());
  EXPECT_TRUE(saved);
  EXPECT_EQ(request.number, "DPT0000001");
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::ExpectVerified(folder.path());
}

TEST_F(DeductionsTest, EscAtTheInvoicesLockLeavesTheApprovalToRealiseLater) {
  support::SettleSmallFolder(folder.path());
  ASSERT_TRUE(OpenAll());
  DeductionRequest request = Typed("DB", {"INV1"}, 10);
  bool saved = false;
  ASSERT_TRUE(SaveRequest(rig.session, tables, &request, &saved).ok());
  ASSERT_TRUE(SaveApproval(rig.session, tables, request).ok());
  support::OtherWorkstation other(folder.path());
  other.HoldKey("PIUTDBT", xbase::PadR("INV1", 20));
  rig.term.AddKeys({key::kEsc, ' ', ' '});
  int realised = 0;
  ASSERT_TRUE(RealiseDeductions(rig.session, tables, &realised).ok());
  EXPECT_EQ(realised, 0);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(tables["Piutkr1"].table().record_count(), 0u);
  EXPECT_EQ(tables["Piutkr2"].table().record_count(), 0u);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_EQ(InvoiceKredit(rig.session, "INV1"), 0);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  other.Release();
  ASSERT_TRUE(OpenAll());
  ASSERT_TRUE(RealiseDeductions(rig.session, tables, &realised).ok());
  EXPECT_EQ(realised, 1);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_EQ(InvoiceKredit(rig.session, "INV1"), 100);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::ExpectVerified(folder.path());
}

// Two clerks correct the same request: the one saving after the other's save is refused, and the
// other's amount stays.
TEST_F(DeductionsTest, ARequestSavedElsewhereSinceItWasLoadedIsNotWrittenOver) {
  support::SettleSmallFolder(folder.path());
  ASSERT_TRUE(OpenAll());
  DeductionRequest request = Typed("DB", {"INV1"}, 10);
  bool saved = false;
  ASSERT_TRUE(SaveRequest(rig.session, tables, &request, &saved).ok() && saved);
  DeductionRequest first, second;
  first.branch = second.branch = kBranch;
  first.number = second.number = request.number;
  bool found = false;
  ASSERT_TRUE(LoadRequest(rig.session, tables, kRequestTables, &first, &found).ok() && found);
  ASSERT_TRUE(LoadRequest(rig.session, tables, kRequestTables, &second, &found).ok() && found);
  first.lines[0][kDedAmount] = Value::Num(200, 14, 2);
  ASSERT_TRUE(SaveRequest(rig.session, tables, &first, &saved).ok() && saved);

  second.lines[0][kDedAmount] = Value::Num(300, 14, 2);
  rig.term.AddKeys({' '});
  ASSERT_TRUE(SaveRequest(rig.session, tables, &second, &saved).ok());
  EXPECT_FALSE(saved);
  EXPECT_TRUE(Shown(rig.term, "DRAFT POTONGAN DPT0000001 diubah di komputer lain, panggil ulang datanya"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  xbase::WorkArea& lines = tables["BPOT_DTL"];
  ASSERT_EQ(lines.table().record_count(), 1u);
  ASSERT_TRUE(lines.GoTo(1).ok());
  EXPECT_EQ(lines.Number("POTONGAN"), 200);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::ExpectVerified(folder.path());
}

TEST_F(DeductionsTest, ARequestIsApprovedAndRealisedOnceIntoAReceiptThatSettlesOnlyTheInvoice) {
  ASSERT_TRUE(OpenAll());
  DeductionRequest request = Typed("DB", {"INV1"}, 10);
  EXPECT_EQ(request.lines[0][kDedAmount].number(), 100);
  EXPECT_EQ(request.lines[0][kDedDebet].number(), 1000);
  bool saved = false;
  ASSERT_TRUE(SaveRequest(rig.session, tables, &request, &saved).ok());
  ASSERT_TRUE(saved);
  EXPECT_EQ(request.number, "DPT0000001");
  EXPECT_TRUE(Shown(rig.term, "Nomor PENGAJUAN POTONGAN : DPT0000001"));

  // The same invoice and code again is refused; another code is taken.
  DeductionRequest second;
  second.branch = kBranch;
  second.code = "DB";
  second.lines.push_back(BlankDeductionLine(1));
  Value typed = T("INV1");
  EXPECT_FALSE(CheckDeductionCell(rig.session, tables, &second, 0, kDedNota, &typed));
  EXPECT_TRUE(Shown(rig.term, "NOTA INV1 - DB, sudah pernah diajukan dg Nomor DPT0000001"));
  second.code = "DC";
  EXPECT_TRUE(CheckDeductionCell(rig.session, tables, &second, 0, kDedNota, &typed));
  // A percent that would pass the invoice amount, and an amount above it.
  Value rate = Value::Num(101, 6, 2);
  EXPECT_FALSE(CheckDeductionCell(rig.session, tables, &second, 0, kDedPercent, &rate));
  Value amount = N(1000.01);
  EXPECT_FALSE(CheckDeductionCell(rig.session, tables, &second, 0, kDedAmount, &amount));
  EXPECT_TRUE(Shown(rig.term, "Potongan melebihi nilai invoice"));
  EXPECT_FALSE(DeductionCodeValid(rig.session, tables, "BT"));
  EXPECT_TRUE(Shown(rig.term, "Kode potongan BT tidak terdaftar"));

  ASSERT_TRUE(SaveApproval(rig.session, tables, request).ok());
  int realised = 0;
  ASSERT_TRUE(RealiseDeductions(rig.session, tables, &realised).ok());
  EXPECT_EQ(realised, 1);
  ASSERT_TRUE(RealiseDeductions(rig.session, tables, &realised).ok());
  EXPECT_EQ(realised, 0);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  xbase::WorkArea& lines = Open(rig.session, "PIUTKR2");
  ASSERT_EQ(lines.table().record_count(), 1u);
  EXPECT_EQ(StoredText(lines, 1, "KDCB") + StoredText(lines, 1, "NOMOR"), "JKT001DPT0000001");
  EXPECT_EQ(StoredText(lines, 1, "NOTA"), "INV1");
  EXPECT_EQ(StoredText(lines, 1, "KD_TT"), "DB");
  EXPECT_EQ(StoredText(lines, 1, "NO_BUKTI"), "10.00");
  EXPECT_EQ(lines.Number("KREDIT"), 100);
  EXPECT_EQ(StoredText(Open(rig.session, "PIUTKR1"), 1, "NOTES"), "Realisasi Pengajuan potongan");
  EXPECT_EQ(InvoiceKredit(rig.session, "INV1"), 100);
  EXPECT_EQ(InstrumentKredit(rig.session, "G1"), 0);
  xbase::WorkArea& header = Open(rig.session, "BPOT_HDR");
  ASSERT_TRUE(header.GoTo(1).ok());
  EXPECT_TRUE(header.Logical("REALISASI"));
  EXPECT_EQ(StoredText(Open(rig.session, "SETUP"), 2, "KET"), "DPT0000001");
}

TEST_F(DeductionsTest, AReceiptOfTheSameNumberNotMadeByARealisationIsLeftAlone) {
  AddRows(Open(rig.session, "PIUTKR1"),
          {{{"KDCB", T(kBranch)}, {"NOMOR", T("DPT0000001")}, {"NOTES", T("TITIPAN SALES")}}});
  AddRows(Open(rig.session, "PIUTKR2"), {{{"KDCB", T(kBranch)}, {"NOMOR", T("DPT0000001")}, {"NOTA", T("INV2")},
                                          {"KD_TT", T("BT")}, {"NO_BUKTI", T("G1")}, {"KREDIT", N(700)}}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  ASSERT_TRUE(OpenAll());
  DeductionRequest request = Typed("DB", {"INV1"}, 10);
  bool saved = false;
  ASSERT_TRUE(SaveRequest(rig.session, tables, &request, &saved).ok());
  ASSERT_TRUE(SaveApproval(rig.session, tables, request).ok());
  int realised = 0;
  ASSERT_TRUE(RealiseDeductions(rig.session, tables, &realised).ok());
  EXPECT_EQ(realised, 0);
  EXPECT_TRUE(Shown(rig.term, "TT JKT001/DPT0000001 sudah ada dan bukan realisasi potongan, tidak direalisasi"));
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  xbase::WorkArea& lines = Open(rig.session, "PIUTKR2");
  ASSERT_EQ(lines.table().record_count(), 1u);
  EXPECT_EQ(StoredText(lines, 1, "NOTA"), "INV2");
  EXPECT_EQ(lines.Number("KREDIT"), 700);
  EXPECT_EQ(InvoiceKredit(rig.session, "INV1"), 0);
  xbase::WorkArea& approval = Open(rig.session, "BPOT_AP1");
  ASSERT_TRUE(approval.GoTo(1).ok());
  EXPECT_FALSE(approval.Logical("REALISASI"));
}

TEST_F(DeductionsTest, TheRealisationWithoutAnApprovalFileNamesItAndLeavesNothingOpen) {
  std::filesystem::remove(folder.File("BPOT_AP2.dbf"));
  rig.term.AddKeys({key::kEnter, ' '});
  ASSERT_TRUE(RPOTDRAF(rig.session, {}).ok());
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "BPOT_AP2.dbf: not found in the search path"));
  EXPECT_FALSE(Shown(rig.term, "Realisasi potongan berhasil"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  for (const char* alias : {"Setup", "Piutkr1", "BPOT_AP1"}) EXPECT_EQ(rig.session.tables().Area(alias), nullptr);
}

TEST_F(DeductionsTest, ApprovalNeedsTheRightAndAPrintedRequestIsNoLongerSaved) {
  ASSERT_TRUE(APOTDRAF(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "anda tidak berhak menjalankan menu ini"));
  EXPECT_EQ(rig.session.tables().Area("BPOT_AP1"), nullptr);

  tables = OpenDeductionTables(rig.session);
  ASSERT_TRUE(tables);
  DeductionRequest request = Typed("DB", {"INV1", "INV2"}, 10);
  bool saved = false;
  ASSERT_TRUE(SaveRequest(rig.session, tables, &request, &saved).ok());
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  auto owned = std::make_unique<platform::FakeRawPrinter>("LX300");
  platform::FakeRawPrinter* printer = owned.get();
  rig.session.services().UseDevices(std::move(owned), std::make_unique<platform::FakePrintSystem>());
  support::TempFolder reports;
  rig.session.TMPFILELAP_ = reports.path();
  rig.term.AddKeys(Keys({Line("DPT0000001"), {key::kEnter}, {key::kRight, key::kEnter},
                         {key::kEnter, key::kEnter, key::kEnter}, {key::kEnter}, {key::kEnter}, {key::kEsc}}));
  ASSERT_TRUE(CPOTDRAF(rig.session, {}).ok());
  ASSERT_EQ(printer->jobs().size(), 1u);
  const std::string bytes = printer->AllBytes();
  EXPECT_NE(bytes.find("NOMOR : DPT0000001, CABANG : JKT001,  TANGGAL : 05-12-2026"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("J0001     TB. SINAR ILMU                 INV1"), std::string::npos);
  EXPECT_NE(bytes.find("DB  10.00         100.00"), std::string::npos) << bytes;
  xbase::WorkArea& header = Open(rig.session, "BPOT_HDR");
  ASSERT_TRUE(header.GoTo(1).ok());
  EXPECT_TRUE(header.Logical("CETAK"));
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  // The printed request loads, but F10 refuses to save it.
  rig.term.AddKeys(Keys({Line("JKT001"), Line("DPT0000001"), {key::kEnter},
                         Line("DB"), {key::F(10)}, {key::kEnter}, {key::kEsc}, {key::kEsc}}));
  ASSERT_TRUE(IPOTDRAF(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "Pengajuan sudah dicetak, tidak dapat disimpan"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
}

// The request form prints each invoice's customer, dates and discounts and the payments on it: a
// customer that cannot be read is the failure on row 24, nothing is printed and the request is not
// marked printed.
TEST_F(DeductionsTest, ARequestFormWhoseCustomerCannotBeReadIsNotPrinted) {
  tables = OpenDeductionTables(rig.session);
  ASSERT_TRUE(tables);
  DeductionRequest request = Typed("DB", {"INV1"}, 10);
  bool saved = false;
  ASSERT_TRUE(SaveRequest(rig.session, tables, &request, &saved).ok());
  ASSERT_TRUE(saved);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  auto owned = std::make_unique<platform::FakeRawPrinter>("LX300");
  platform::FakeRawPrinter* printer = owned.get();
  rig.session.services().UseDevices(std::move(owned), std::make_unique<platform::FakePrintSystem>());
  support::DamageIndexPages(folder.path(), "MASTCUS");
  rig.term.AddKeys(Keys({Line("DPT0000001"), {key::kEnter}, {' '}, {key::kEsc}}));
  ASSERT_TRUE(CPOTDRAF(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "MASTCUS"));
  EXPECT_TRUE(printer->jobs().empty());
  xbase::WorkArea& header = Open(rig.session, "BPOT_HDR");
  ASSERT_TRUE(header.GoTo(1).ok());
  EXPECT_FALSE(header.Logical("CETAK"));
}

TEST_F(DeductionsTest, AVoucherIsNumberedAndPrintsItsAmountInWords) {
  tables = OpenDeductionTables(rig.session);
  ASSERT_TRUE(tables);
  BptVoucher voucher;
  voucher.branch = kBranch;
  voucher.date = kDay;
  voucher.code = "DB";
  voucher.nota = xbase::PadR("INV2", 20);
  voucher.percent = 5;
  voucher.value = 125;
  voucher.notes = xbase::PadR("DISKON TOKO", 50);
  bool saved = false;
  ASSERT_TRUE(SaveVoucher(rig.session, tables, &voucher, &saved).ok());
  ASSERT_TRUE(saved);
  EXPECT_EQ(voucher.number, "BPT0000005");
  EXPECT_TRUE(Shown(rig.term, "Nomor BPT : BPT0000005"));

  // A request line on the invoice and code takes the voucher's figures.
  DeductionRequest request;
  request.branch = kBranch;
  request.code = "DB";
  request.lines.push_back(BlankDeductionLine(1));
  Value typed = T("INV2");
  EXPECT_TRUE(CheckDeductionCell(rig.session, tables, &request, 0, kDedNota, &typed));
  EXPECT_EQ(request.lines[0][kDedAmount].number(), 125);
  EXPECT_EQ(request.lines[0][kDedBpt].text(), "BPT0000005");

  const std::vector<VoucherLine> page = VoucherPage(voucher, "TB. SINAR ILMU", "JAKARTA");
  ASSERT_GE(page.size(), 16u);
  EXPECT_EQ(page[3].text, "                                            NO : BPT0000005");
  EXPECT_EQ(page[5].text, " SJ/INV : INV2 - DB");
  EXPECT_EQ(page[6].text, " JUMLAH : Rp.         125.00");
  EXPECT_EQ(page[7].text, " HURUF  : # seratus dua puluh lima rupiah#");
  EXPECT_EQ(page[7].controls, "S");
  EXPECT_EQ(page[0].font, 20);
  EXPECT_EQ(page[10].text, xbase::PadL("JAKARTA,05-12-2026", 60));
  EXPECT_EQ(page.back().text, xbase::PadL("(TB. SINAR ILMU)", 60));

  // Value 0 deletes the voucher.
  voucher.value = 0;
  ASSERT_TRUE(SaveVoucher(rig.session, tables, &voucher, &saved).ok());
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  xbase::WorkArea& vouchers = Open(rig.session, "BPOT_BPT");
  ASSERT_TRUE(vouchers.GoTo(1).ok());
  EXPECT_TRUE(vouchers.deleted());
}

}  // namespace
}  // namespace receivables
