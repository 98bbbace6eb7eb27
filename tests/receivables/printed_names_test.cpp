// Names printed on the receivables' forms and lists: a customer, collector or bank that cannot be
// read stops the print with the failure on row 24, never a form with the name left blank.
#include <gtest/gtest.h>

#include <memory>

#include "console/keys.h"
#include "receivables/collections.h"
#include "receivables/deductions.h"
#include "receivables/other_branches.h"
#include "receivables/receivables.h"
#include "receivables/receivables_test_helpers.h"
#include "receivables/tgiro.h"
#include "receivables/transfer_files.h"
#include "support/damaged_tables.h"
#include "support/temp_folder.h"

namespace receivables {
namespace {

using namespace receivables::testing;

const char kOutputDialog[] = "Laporan Mau Dicetak Ke";

std::vector<std::string> Tables() {
  std::vector<std::string> names = ReceivableTables();
  names.insert(names.end(), {"MASTSLS", "TAGIH1", "TAGIH2", "BPOT_HDR", "BPOT_DTL", "BPOT_BPT", "SRTJLN1", "SRTJLN2"});
  return names;
}

class PrintedNamesTest : public ::testing::Test {
 protected:
  PrintedNamesTest() {
    SessionRig rig;
    rig.session.SetSearchPath(folder.path());
    AddSetting(rig.session, "CABANGJ", "JKT001 JAKARTA");
    AddCustomer(rig.session, "J0001", "TB. SINAR ILMU");
    AddInvoice(rig.session, "INV1", "J0001", 1000, kDay);
    AddInstrument(rig.session, "G1", "GIRO", "J0001", 500, kDay);
    AddRows(Open(rig.session, "MASTACC"), {{{"ACCOUNT", T("1102")}, {"DESCRIP", T("BANK BCA JAKARTA")}}});
    AddRows(Open(rig.session, "MASTSLS"), {{{"SALES", T("S001")}, {"NAMA", T("BUDI SANTOSO")}}});
    AddRows(Open(rig.session, "TAGIH1"), {{{"NOMOR", T("T000000005")}, {"KDCB", T(kBranch)},
                                           {"TANGGAL", Value::FromDate(kDay)}, {"PENAGIH", T("S001")}}});
    AddRows(Open(rig.session, "BPOT_BPT"), {{{"NOMOR", T("BPT0000005")}, {"KDCB", T(kBranch)},
                                             {"TANGGAL", Value::FromDate(kDay)}, {"KDTT", T("DB")},
                                             {"NOTA", T("INV1")}, {"NILAI", N(125)}}});
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    EXPECT_TRUE(CreateGiroTransferFile(transfer.path()).ok());
    xbase::WorkArea* rows = nullptr;
    EXPECT_TRUE(OpenTransferTable(rig.session, transfer.path(), kGiroTransfer, true, true, &rows));
    if (rows != nullptr) {
      AddRows(*rows, {{{"FORM", T(kGiroTransferForm)}, {"NOMOR", T("G1")}, {"KDCB", T("SBY001")},
                       {"RELASI", T("J0001")}, {"DEBET", N(3000)}}});
    }
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  }

  // A session of its own on the folder, so that what one screen showed is not taken for another's.
  std::unique_ptr<SessionRig> Rig() {
    auto rig = std::make_unique<SessionRig>();
    rig->session.SetSearchPath(folder.path());
    rig->session.TMPFILELAP_ = reports.path();
    return rig;
  }

  support::TempDataFolder folder = support::TempDataFolder(Tables());
  support::TempFolder transfer;
  support::TempFolder reports;
};

TEST_F(PrintedNamesTest, ANameThatCannotBeReadStopsThePrintWithTheFailureShown) {
  // Readable, the list of giros for other branches goes to the output dialog.
  std::unique_ptr<SessionRig> rig = Rig();
  rig->term.AddKeys(Keys({Line(transfer.path()), {key::kEsc}}));
  ASSERT_TRUE(DGCBLAIN(rig->session, {}).ok());
  EXPECT_EQ(rig->term.keys_left(), 0u);
  EXPECT_TRUE(Shown(rig->term, kOutputDialog));

  support::DamageIndexPages(folder.path(), "MASTCUS");
  support::DamageIndexPages(folder.path(), "MASTSLS");
  support::DamageIndexPages(folder.path(), "MASTACC");

  // The list names each row's customer.
  rig = Rig();
  rig->term.AddKeys(Keys({Line(transfer.path()), {' '}}));
  ASSERT_TRUE(DGCBLAIN(rig->session, {}).ok());
  EXPECT_EQ(rig->term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig->term, 24, "MASTCUS"));
  EXPECT_FALSE(Shown(rig->term, kOutputDialog));

  // The collection list's title names the collector.
  rig = Rig();
  {
    const frame::OpenedTables tables = OpenCollectionTables(rig->session);
    ASSERT_TRUE(tables);
    rig->term.AddKeys({' '});
    std::vector<std::vector<std::string>> pages = {{"?"}};
    EXPECT_FALSE(CollectionPages(rig->session, tables, "T000000005", kDay + 6, 40, false, &pages));
    EXPECT_TRUE(pages.empty());
    EXPECT_EQ(rig->term.keys_left(), 0u);
    EXPECT_TRUE(support::ShownOnRow(rig->term, 24, "MASTSLS"));
  }

  // The giro acknowledgement names the bank.
  rig = Rig();
  rig->term.AddKeys(Keys({Line("G1"), {' '}, {key::kEsc}}));
  ASSERT_TRUE(GIROTT(rig->session, {}).ok());
  EXPECT_EQ(rig->term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig->term, 24, "MASTACC"));
  EXPECT_FALSE(Shown(rig->term, "Siapkan printer, tekan sembarang tombol utuk cetak"));
  EXPECT_TRUE(rig->dot_matrix->jobs().empty());

  // The voucher names the invoice's customer, and stays unprinted.
  rig = Rig();
  rig->term.AddKeys(Keys({Line("BPT0000005"), {' '}, {key::kEsc}}));
  ASSERT_TRUE(BPT2(rig->session, {}).ok());
  EXPECT_EQ(rig->term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig->term, 24, "MASTCUS"));
  EXPECT_FALSE(Shown(rig->term, kOutputDialog));
  xbase::WorkArea& vouchers = Open(rig->session, "BPOT_BPT");
  ASSERT_TRUE(vouchers.GoTo(1).ok());
  EXPECT_FALSE(vouchers.Logical("CETAK"));
}

}  // namespace
}  // namespace receivables
