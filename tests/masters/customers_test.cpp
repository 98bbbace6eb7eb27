// The customer screen: the rights rules for group, price list, terms and ceiling ("EDP", "AAO"), the
// terms an outlet group brings, the extended data with its ledger accounts, the tax number, the
// corrected terms sent to the branches, and a customer left without extended data.
#include <gtest/gtest.h>

#include <filesystem>
#include <string_view>

#include "console/keys.h"
#include "documents/customer_check.h"
#include "master_test_helpers.h"
#include "masters/master_screens.h"
#include "schema/catalog.h"
#include "schema/create_table.h"
#include "support/damaged_tables.h"
#include "support/other_workstation.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"
#include "support/temp_folder.h"
#include "xbase/session.h"

namespace masters {
namespace {

using console::key::kEnter;
using console::key::kEsc;
using support::Keys;
using support::Line;
using support::N;
using support::T;

const xbase::Date kToday = xbase::Date::FromYmd(2026, 12, 8);
constexpr int kCtrlY = 25;

class CustomersTest : public MasterTest {
 protected:
  CustomersTest()
      : MasterTest({"SETUP", "MASTCUS", "RELASI_EXT", "DT_NPWP", "MASTACC", "NEGARAID", "DT_RLS"}) {
    // Outlet groups: terms 1 to 4 in KET positions 1-12, the price list in 13-14, then the name.
    Seed("SETUP", {{{"SETUP", T("OUTLETRETL")}, {"KET", T("030045060000 1TOKO RITEL")}},
                   {{"SETUP", T("OUTLETGROS")}, {"KET", T("045060090000 2GROSIR")}},
                   {{"SETUP", T("OUTLETMSP")}, {"KET", T("014021028007 3MSP")}},
                   {{"SETUP", T("GRPPTPL001")}, {"KET", T("PT PALUNDA NIAGA")}},
                   {{"SETUP", T("GRPPTPL002")}, {"KET", T("PT PALUNDA DISTRIBUSI")}},
                   {{"SETUP", T("UNITCBJKT1")}, {"KET", T("JAKARTA PUSAT")}},
                   {{"SETUP", T("UNITCBBDG1")}, {"KET", T("BANDUNG")}}});
    Seed("NEGARAID", {{{"KODE", T("ID")}, {"NAMA", T("INDONESIA")}}});
    Seed("MASTACC", {{{"ACCOUNT", T("1131")}, {"DESCRIP", T("PIUTANG")}}});
    Seed("MASTCUS", {{{"RELASI", T("B0001")}, {"NAMA", T("TB. SINAR")}, {"KELOMPOK", T("RETL")}, {"TERIMA", N(1)},
                      {"DISC", N(2)}, {"TEMPO", N(30)}, {"TEMPO2", N(30)}, {"TEMPO3", N(0)}, {"TEMPO4", N(0)},
                      {"SALES", N(25000000)}, {"PKP", xbase::Value::Logical(false)}, {"OPERATOR", T("LAMA")}}});
    Seed("RELASI_EXT", {{{"RELASI", T("B0001")}, {"CODE_ID", T("PL001")}, {"KDCB", T("JKT1")}, {"COUNTRY_ID", T("ID")}}});
  }

  xbase::WorkArea& Customer(uint32_t recno) {
    xbase::WorkArea& customers = Reopen("MASTCUS");
    EXPECT_TRUE(customers.GoTo(recno).ok());
    return customers;
  }
  std::vector<double> Terms(uint32_t recno) {
    xbase::WorkArea& customers = Customer(recno);
    return {customers.Number("TEMPO"), customers.Number("TEMPO2"), customers.Number("TEMPO3"),
            customers.Number("TEMPO4"), customers.Number("SALES"), customers.Number("TERIMA"), customers.Number("DISC")};
  }
};

// Enter through name, addresses, city, phone, fax, contact and account.
const std::vector<int> kThroughIdentity(8, kEnter);
// Enter through the tax number, the taxpayer's name, addresses and city, and Code Id.
const std::vector<int> kThroughTaxNumber(6, kEnter);
// The extended data accepted as it stands, then the save confirmed.
const std::vector<int> kConfirmExtended = {kEnter, kEnter, kEnter, 'Y'};

TEST_F(CustomersTest, LedgerAccountsComeFromTheCompanysLastThreeDigitsAndTheUnit) {
  const Accounts accounts = CREATECOA("PL001", "JKT1");
  EXPECT_EQ(accounts[0], "113110000-001-JKT1-0000-00");
  EXPECT_EQ(accounts[1], "113120000-001-JKT1-0000-00");
  EXPECT_EQ(accounts[2], "113150000-001-JKT1-0000-00");
  EXPECT_EQ(accounts[3], "113140000-001-JKT1-0000-00");
  EXPECT_EQ(accounts[4], "");
  EXPECT_EQ(accounts[5], "413030000-001-JKT1-0000-01");
  EXPECT_EQ(accounts[6], "801030000-001-JKT1-0000-00");
  EXPECT_EQ(accounts[7], "629903000-001-JKT1-B121-00");
  EXPECT_EQ(accounts[8], "113120000-001-JKT1-0000-00");
  EXPECT_EQ(accounts[9], "629903000-001-JKT1-B121-00");
  EXPECT_EQ(accounts[10], "411000000-001-JKT1-0000-01");
  EXPECT_EQ(CREATECOA("SP123  ", "BDG1")[0], "113110000-123-BDG1-0000-00");
}

TEST_F(CustomersTest, WithoutRightsGroupPriceListDiscountTermsAndCeilingStayAsTheyWere) {
  // Every field the rights guard is skipped: what is typed after the account lands in the tax number.
  AddKeys(Keys({Line("b0001"), kThroughIdentity, Line("12345"), {kEnter},  // the key for "NWPW belum terdaftar"
                std::vector<int>(5, kEnter), kConfirmExtended, {'Y'}, {kEsc}}));
  ASSERT_TRUE(TCUSTOM(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("DATA KODE RELASI"));
  EXPECT_TRUE(Shown("TB. SINAR"));
  EXPECT_TRUE(Shown("NWPW belum terdaftar"));
  EXPECT_TRUE(Shown("113110000-001-JKT1-0000-00"));
  EXPECT_FALSE(Shown("Kirim Hasil Koreksi ke cabang (Y/T)"));
  EXPECT_EQ(Terms(1), (std::vector<double>{30, 30, 0, 0, 25000000, 1, 2}));
  xbase::WorkArea& customer = Customer(1);
  EXPECT_EQ(support::StoredText(customer, 1, "KELOMPOK"), "RETL");
  EXPECT_EQ(support::StoredText(customer, 1, "NPWP"), "12345");
  EXPECT_EQ(customer.DateOf("TG_UPDATE"), kToday);
  EXPECT_FALSE(customer.Logical("PKP"));
  EXPECT_EQ(support::StoredText(customer, 1, "OPERATOR"), "LAMA");
}

TEST_F(CustomersTest, EscAtTheExtendedDataLockWritesNeitherCustomerNorTaxNumber) {
  support::SettleSmallFolder(folder.path());
  support::OtherWorkstation other(folder.path());
  other.Hold("RELASI_EXT", 1);
  const std::vector<int> edit = Keys({Line("b0001"), kThroughIdentity, Line("12345"), {kEnter},
                                      std::vector<int>(5, kEnter), kConfirmExtended, {'Y'}});
  AddKeys(Keys({edit, {kEsc, ' ', ' '}, {kEsc}}));
  ASSERT_TRUE(TCUSTOM(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Mencoba mengunci record 1 file "));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  xbase::WorkArea& customer = Customer(1);
  EXPECT_EQ(support::StoredText(customer, 1, "NPWP"), "");
  EXPECT_TRUE(customer.DateOf("TG_UPDATE").empty());
  EXPECT_EQ(Reopen("DT_NPWP").table().record_count(), 0u);

  other.Release();
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  AddKeys(Keys({edit, {kEsc}}));
  ASSERT_TRUE(TCUSTOM(rig.session, {}).ok());
  EXPECT_EQ(support::StoredText(Customer(1), 1, "NPWP"), "12345");
  EXPECT_EQ(Reopen("DT_NPWP").table().record_count(), 1u);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::ExpectVerified(folder.path());
}

// Two clerks correct customer B0001 at once: the one who saves after the other's save is refused and
// the other's save stays; loading the customer again shows it, and his next save goes through. A
// balance a sale moved meanwhile is no reason to refuse, and the save keeps it.

// The keys that load B0001, rename it and save it.
std::vector<int> Rename(std::string_view name) {
  return Keys({Line("b0001"), {kCtrlY}, Line(name), std::vector<int>(7, kEnter), kThroughTaxNumber, kConfirmExtended,
               {'Y'}});
}
const std::string kSavedElsewhere = "Relasi B0001 diubah di komputer lain, panggil ulang datanya";

TEST_F(CustomersTest, ACustomerSavedElsewhereSinceItWasLoadedIsNotWrittenOver) {
  support::SettleSmallFolder(folder.path());
  AddKeys(Keys({Rename("TOKO PERTAMA"), {kEsc}}));
  // This clerk saves while the other, B0001 loaded, is about to type its name.
  const std::string other = OtherWorkstationRuns(
      [](frame::Session& session) { return TCUSTOM(session, {}); },
      Keys({Rename("TOKO KEDUA"), {kEnter}, Rename("TOKO KEDUA"), {kEsc}}), "", 6, [this] {
        ASSERT_TRUE(TCUSTOM(rig.session, {}).ok());
        EXPECT_EQ(rig.term.keys_left(), 0u);
        EXPECT_EQ(Column("MASTCUS", "NAMA"), (std::vector<std::string>{"TOKO PERTAMA"}));
      });
  // The other is refused, loads the customer again and saves.
  EXPECT_NE(other.find(kSavedElsewhere), std::string::npos);
  EXPECT_NE(other.find("TOKO PERTAMA"), std::string::npos);
  EXPECT_EQ(Column("MASTCUS", "NAMA"), (std::vector<std::string>{"TOKO KEDUA"}));
  EXPECT_EQ(Column("MASTCUS", "OPERATOR"), (std::vector<std::string>{"LAMA"}));
  support::ExpectVerified(folder.path());
}

TEST_F(CustomersTest, ABalanceASaleMovedMeanwhileIsKeptAndRefusesNothing) {
  support::SettleSmallFolder(folder.path());
  const std::string other = OtherWorkstationRuns(
      [](frame::Session& session) { return TCUSTOM(session, {}); }, Keys({Rename("TOKO KEDUA"), {kEsc}}), "", 6,
      [this] {
        support::OtherWorkstation sale(folder.path());
        ASSERT_TRUE(sale.Hold("MASTCUS", 1).Put("SALDO", N(750000)).ok());
        sale.Release();
      });
  EXPECT_EQ(other.find(kSavedElsewhere), std::string::npos);
  xbase::WorkArea& customer = Customer(1);
  EXPECT_EQ(support::StoredText(customer, 1, "NAMA"), "TOKO KEDUA");
  EXPECT_EQ(customer.Number("SALDO"), 750000);
}

TEST_F(CustomersTest, AaoChangesTermsAndCeilingButNotTheGroupOfACustomerThatHasOne) {
  Rights("/AAO");
  AddKeys(Keys({Line("b0001"), kThroughIdentity,
                // The group and the price list are skipped, and so is the discount of a customer with
                // extended data; the terms and the ceiling are typed.
                Line("14"), Line("21"), Line("0"), Line("7"), Line("50000000"), kThroughTaxNumber, kConfirmExtended,
                {'Y'}, {kEsc}}));
  ASSERT_TRUE(TCUSTOM(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(Terms(1), (std::vector<double>{14, 21, 0, 7, 50000000, 1, 2}));
  EXPECT_EQ(support::StoredText(Customer(1), 1, "KELOMPOK"), "RETL");
}

TEST_F(CustomersTest, EdpChangingTheGroupTakesItsTermsAndPriceListAndSendsTheCorrection) {
  Rights("EDP");
  // The customer's tax number brings its taxpayer when the customer is loaded, and keeps it on saving.
  xbase::WorkArea& customers = Reopen("MASTCUS");
  ASSERT_TRUE(customers.GoTo(1).ok() && customers.Lock().ok() && customers.Put("NPWP", T("0999")).ok());
  Seed("DT_NPWP", {{{"NPWP", T("0999")}, {"NAMA", T("PT SINAR WP")}, {"KOTA", T("BOGOR")}}});
  AddKeys(Keys({Line("b0001"), kThroughIdentity,
                // The new group brings 45/60/90/0 and price list 2; the terms are kept as brought.
                {kCtrlY}, Line("gros"), {kEnter}, Line("3.5"), std::vector<int>(5, kEnter), kThroughTaxNumber,
                kConfirmExtended, {'Y'}, {'Y'}, {kEsc}}));
  ASSERT_TRUE(TCUSTOM(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Kirim Hasil Koreksi ke cabang (Y/T)"));
  EXPECT_EQ(Terms(1), (std::vector<double>{45, 60, 90, 0, 25000000, 2, 3.5}));
  xbase::WorkArea& sent = Reopen("DT_RLS");
  ASSERT_EQ(sent.table().record_count(), 1u);
  EXPECT_EQ(support::StoredText(sent, 1, "RELASI"), "B0001");
  EXPECT_EQ(support::StoredText(sent, 1, "KELOMPOK"), "GROS");
  EXPECT_EQ(sent.Number("TEMPO3"), 90);
  EXPECT_EQ(sent.Number("TERIMA"), 2);
  EXPECT_EQ(sent.Number("DISC"), 3.5);
  EXPECT_EQ(sent.Number("SALES"), 25000000);
  EXPECT_EQ(sent.DateOf("TG_INPUT"), kToday);
  EXPECT_FALSE(sent.Logical("PKP"));  // the customer's own mark travels with the terms
  EXPECT_TRUE(Shown("PT SINAR WP"));
  EXPECT_EQ(Column("DT_NPWP", "NAMA"), std::vector<std::string>{"PT SINAR WP"});
}

TEST_F(CustomersTest, ANewCustomerGetsGroupTermsOnlyInGroupMspAndItsExtendedDataAndAccounts) {
  Rights("EDP");
  AddKeys(Keys({Line("b0002"), Line("toko baru"), std::vector<int>(7, kEnter),
                // A new customer in RETL: price list 1 from the group, its terms 0; the discount is asked.
                Line("retl"), Line("1"), std::vector<int>(5, kEnter), Line("0123456789"), {kEnter}, Line("PT TOKO BARU"),
                {kEnter, kEnter, kEnter}, Line("X1"),
                // The extended data: "?" picks the second company, the unit is typed, the country
                // unknown first.
                Line("?"), {console::key::kDown, kEnter}, Line("bdg1"), {kCtrlY}, Line("XX"), {kEnter},
                {console::key::kHome, kCtrlY},
                Line("id"), {'Y'}, {'Y'}, {'T'},
                // A second one in MSP keeps the group's terms.
                Line("b0003"), std::vector<int>(8, kEnter), Line("msp"), std::vector<int>(6, kEnter),
                kThroughTaxNumber, {kEsc}, {'Y'}, {'T'}, {kEsc}}));
  ASSERT_TRUE(TCUSTOM(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Nama  Keterangan"));
  EXPECT_TRUE(Shown("PL002 PT PALUNDA DISTRIBUSI"));
  EXPECT_TRUE(Shown("Country Id XX tidak terdaftar"));
  EXPECT_TRUE(Shown("BANDUNG"));
  EXPECT_EQ(Terms(2), (std::vector<double>{0, 0, 0, 0, 0, 1, 1}));
  xbase::WorkArea& added = Customer(2);
  EXPECT_EQ(support::StoredText(added, 2, "NAMA"), "toko baru");
  EXPECT_EQ(support::StoredText(added, 2, "CODE_ID"), "X1");
  EXPECT_TRUE(added.Logical("PKP"));
  EXPECT_EQ(added.DateOf("TG_INPUT"), kToday);
  EXPECT_EQ(support::StoredText(added, 2, "OPERATOR"), "ADMIN01");
  EXPECT_EQ(Terms(3), (std::vector<double>{14, 21, 28, 7, 0, 3, 0}));

  xbase::WorkArea& extension = Reopen("RELASI_EXT");
  ASSERT_EQ(extension.table().record_count(), 2u);
  EXPECT_EQ(support::StoredText(extension, 2, "RELASI"), "B0002");
  EXPECT_EQ(support::StoredText(extension, 2, "CODE_ID"), "PL002");
  EXPECT_EQ(support::StoredText(extension, 2, "KDCB"), "BDG1");
  EXPECT_EQ(support::StoredText(extension, 2, "TERITORY"), "BDG1");
  EXPECT_EQ(support::StoredText(extension, 2, "COUNTRY_ID"), "ID");
  EXPECT_EQ(support::StoredText(extension, 2, "COA_PIUT"), "113110000-002-BDG1-0000-00");
  EXPECT_EQ(support::StoredText(extension, 2, "COA_TERMDC"), "");
  EXPECT_EQ(support::StoredText(extension, 2, "COA_SALES"), "411000000-002-BDG1-0000-01");

  xbase::WorkArea& numbers = Reopen("DT_NPWP");
  ASSERT_EQ(numbers.table().record_count(), 1u);
  EXPECT_EQ(support::StoredText(numbers, 1, "NPWP"), "0123456789");
  EXPECT_EQ(support::StoredText(numbers, 1, "NAMA"), "PT TOKO BARU");
  EXPECT_EQ(numbers.DateOf("TG_INPUT"), kToday);
  EXPECT_EQ(Reopen("DT_RLS").table().record_count(), 0u);
}

TEST_F(CustomersTest, ACustomerSavedWithoutCompanyOrUnitIsRefusedOnDocuments) {
  AddKeys(Keys({Line("b0009"), Line("tanpa data"), std::vector<int>(7, kEnter), Line("retl"), {kEnter},
                kThroughTaxNumber, {kEsc}, {'Y'}, {kEsc}}));
  ASSERT_TRUE(TCUSTOM(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(Column("MASTCUS", "RELASI"), (std::vector<std::string>{"B0001", "B0009"}));
  EXPECT_EQ(Column("RELASI_EXT", "RELASI"), std::vector<std::string>{"B0001"});

  Reopen("MASTCUS");
  support::Open(rig.session, "RELASI_EXT");
  support::Open(rig.session, "SETUP");
  documents::CustomerCheck check;
  check.code = "B0009";
  AddKeys({kEnter});
  EXPECT_FALSE(documents::GETCUSTOMER(rig.session, &check));
  EXPECT_TRUE(Shown("Data relasi harus dilengkapi"));
}

TEST_F(CustomersTest, TaxNumbersAreSavedLoadedAndDeleted) {
  AddKeys(Keys({Line("012345678901000"), Line("PT WAJIB PAJAK"), Line("JL. PAJAK 1"), {kEnter}, Line("JAKARTA"),
                {'S'},
                Line("012345678901000"), {kEnter, kEnter, kEnter}, {kCtrlY}, Line("BOGOR"), {'s'}, {kEsc}}));
  ASSERT_TRUE(TNPWP(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown(" DATA NOMOR NPWP"));
  EXPECT_TRUE(Shown("S) simpan, H) hapus"));
  xbase::WorkArea& numbers = Reopen("DT_NPWP");
  ASSERT_EQ(numbers.table().record_count(), 1u);
  EXPECT_EQ(support::StoredText(numbers, 1, "NAMA"), "PT WAJIB PAJAK");
  EXPECT_EQ(support::StoredText(numbers, 1, "KOTA"), "BOGOR");
  EXPECT_EQ(numbers.DateOf("TG_INPUT"), kToday);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  AddKeys(Keys({Line("012345678901000"), std::vector<int>(4, kEnter), {'H'}, {kEsc}}));
  ASSERT_TRUE(TNPWP(rig.session, {}).ok());
  EXPECT_EQ(Column("DT_NPWP", "NPWP"), std::vector<std::string>{"012345678901000 (deleted)"});
}

// A customer whose taxpayer or extended data cannot be read is not loaded to be typed over and saved
// on the stored rows: the failure is on row 24, the code is asked again, nothing is written.
TEST_F(CustomersTest, ACustomerWhoseTaxpayerOrExtendedDataCannotBeReadIsNotLoaded) {
  Seed("MASTCUS", {{{"RELASI", T("B0002")}, {"NAMA", T("TB. BINTANG")}, {"KELOMPOK", T("RETL")}, {"NPWP", T("0999")}}});
  Seed("DT_NPWP", {{{"NPWP", T("0999")}, {"NAMA", T("PT BINTANG WP")}, {"KOTA", T("BOGOR")}}});
  for (const char* table : {"DT_NPWP", "RELASI_EXT"}) {
    support::DamageIndexPages(folder.path(), table);
    AddKeys(Keys({Line("b0002"), {' '}, {kEsc}}));
    ASSERT_TRUE(TCUSTOM(rig.session, {}).ok());
    EXPECT_EQ(rig.term.keys_left(), 0u) << table;
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, table)) << table;
  }
  EXPECT_FALSE(Shown("TB. BINTANG"));
  EXPECT_FALSE(Shown("PT BINTANG WP"));
  xbase::WorkArea& customer = Customer(2);
  EXPECT_TRUE(customer.DateOf("TG_UPDATE").empty());
  EXPECT_EQ(support::StoredText(customer, 2, "NAMA"), "TB. BINTANG");
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_EQ(Column("DT_NPWP", "NAMA"), std::vector<std::string>{"PT BINTANG WP"});
}

// A stored tax number that cannot be read is refused with the failure on row 24, never taken as a new
// one whose blank taxpayer would be saved over it.
TEST_F(CustomersTest, ATaxNumberThatCannotBeReadIsRefused) {
  Seed("DT_NPWP", {{{"NPWP", T("012345678901000")}, {"NAMA", T("PT WAJIB PAJAK")}, {"KOTA", T("BOGOR")}}});
  support::DamageIndexPages(folder.path(), "DT_NPWP");
  AddKeys(Keys({Line("012345678901000"), {' '}, {kEsc}}));
  ASSERT_TRUE(TNPWP(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "DT_NPWP"));
  EXPECT_FALSE(Shown("S) simpan, H) hapus"));
  EXPECT_EQ(Column("DT_NPWP", "NAMA"), std::vector<std::string>{"PT WAJIB PAJAK"});
}

TEST_F(CustomersTest, TermsUpdateNamesAMissingTransferFileAndCountsUnknownCustomers) {
  support::SettleSmallFolder(folder.path());
  support::TempFolder root;
  Workstation("[Drives]\nd=" + root.path() + "\n", root.path());
  Seed("SETUP", {{{"SETUP", T("TMPFILEIMP")}, {"KET", T("d:\\Kiriman")}}});
  AddKeys({kEnter, kEnter});
  ASSERT_TRUE(UPCUSTOMER(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Proses Update Data Customer"));
  EXPECT_TRUE(Shown(root.path() + "/Kiriman/Dt_rls.dbf: tidak ada"));

  const std::string kiriman = root.path() + "/kiriman";
  std::filesystem::create_directories(kiriman);
  ASSERT_TRUE(schema::CreateTable(*schema::FindTable("DT_RLS"), kiriman).ok());
  std::filesystem::rename(kiriman + "/DT_RLS.dbf", kiriman + "/Dt_rls.dbf");
  xbase::Session transfer(xbase::SearchPath({kiriman}));
  xbase::WorkArea* rows = nullptr;
  ASSERT_TRUE(transfer.Use("Dt_rls", "", xbase::OpenMode::kShared, &rows).ok());
  support::AddRows(*rows, {{{"RELASI", T("B0404")}, {"KELOMPOK", T("GROS")}},
                           {{"RELASI", T("B0001")}, {"KELOMPOK", T("MSP")}, {"TEMPO", N(7)}, {"TEMPO2", N(14)},
                            {"TEMPO3", N(991)}, {"TEMPO4", N(0)}, {"DISC", N(1.5)}, {"SALES", N(9000000)},
                            {"TERIMA", N(4)}, {"PKP", xbase::Value::Logical(true)}}});
  ASSERT_TRUE(transfer.CloseAll().ok());
  AddKeys({'B'});  // "Batal" changes nothing
  ASSERT_TRUE(UPCUSTOMER(rig.session, {}).ok());
  EXPECT_EQ(Terms(1), (std::vector<double>{30, 30, 0, 0, 25000000, 1, 2}));
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  {
    // Esc while another workstation holds the customer: the import stops at its row, nothing of it written.
    support::OtherWorkstation other(folder.path());
    other.Hold("MASTCUS", 1);
    AddKeys({kEnter, kEsc, ' ', ' '});
    ASSERT_TRUE(UPCUSTOMER(rig.session, {}).ok());
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_TRUE(Shown("Mencoba mengunci record 1 file MASTCUS.Dbf, tekan [Esc]=batal...."));
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Impor berhenti di Dt_rls record 2 (B0001): relasi ini tidak diperbarui"));
    EXPECT_FALSE(Shown("Selesai:"));
    EXPECT_EQ(Terms(1), (std::vector<double>{30, 30, 0, 0, 25000000, 1, 2}));
    ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  }
  AddKeys({kEnter, kEnter});
  ASSERT_TRUE(UPCUSTOMER(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Selesai: 1 relasi diperbarui, 1 relasi tidak terdaftar dilewati"));
  EXPECT_EQ(Terms(1), (std::vector<double>{7, 14, 991, 0, 9000000, 4, 1.5}));
  xbase::WorkArea& customer = Customer(1);
  EXPECT_EQ(support::StoredText(customer, 1, "KELOMPOK"), "MSP");
  EXPECT_TRUE(customer.Logical("PKP"));
  EXPECT_EQ(support::StoredText(customer, 1, "NAMA"), "TB. SINAR");
  EXPECT_EQ(Column("MASTCUS", "RELASI"), std::vector<std::string>{"B0001"});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::ExpectVerified(folder.path());
}

}  // namespace
}  // namespace masters
