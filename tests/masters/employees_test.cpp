// The employee and company forms: loading a known key, the save by field position that keeps the entry
// stamp, deleting, and the age in completed years.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "master_test_helpers.h"
#include "masters/master_screens.h"

namespace masters {
namespace {

using console::key::kEnter;
using console::key::kEsc;
using support::Keys;
using support::Line;
using support::N;
using support::T;

const xbase::Date kEntered = xbase::Date::FromYmd(2019, 3, 1);

class EmployeesTest : public MasterTest {
 protected:
  EmployeesTest() : MasterTest({"KARYAWAN", "MASTCOS", "PERUSH"}) {
    Seed("KARYAWAN", {{{"NIK", T("K001")}, {"NAMA", T("BUDI")}, {"TGL_LAHIR", xbase::Value::FromDate(xbase::Date::FromYmd(1990, 12, 10))},
                       {"JML_ANAK", N(2)}, {"COSTCENTER", T("C1")}, {"TG_INPUT", xbase::Value::FromDate(kEntered)},
                       {"OPERATOR", T("LAMA")}}});
    Seed("MASTCOS", {{{"KODE", T("C1")}, {"NAMA", T("GUDANG")}}, {{"KODE", T("C2")}, {"NAMA", T("KANTOR")}}});
  }
};

// Enter through the 23 fields after the NIK.
std::vector<int> ThroughTheForm() { return std::vector<int>(23, kEnter); }

TEST_F(EmployeesTest, AgeIsInCompletedYears) {
  const xbase::Date today = xbase::Date::FromYmd(2026, 12, 8);
  EXPECT_EQ(AgeInYears(today, xbase::Date::FromYmd(1990, 12, 10)), 35);  // the birthday is two days away
  EXPECT_EQ(AgeInYears(today, xbase::Date::FromYmd(1990, 12, 8)), 36);
  EXPECT_EQ(AgeInYears(today, xbase::Date::FromYmd(2000, 2, 29)), 26);
  EXPECT_EQ(AgeInYears(xbase::Date::FromYmd(2001, 2, 28), xbase::Date::FromYmd(2000, 2, 29)), 0);
  EXPECT_EQ(AgeInYears(xbase::Date::FromYmd(2001, 3, 1), xbase::Date::FromYmd(2000, 2, 29)), 1);
  EXPECT_EQ(AgeInYears(today, xbase::Date()), 0);
}

TEST_F(EmployeesTest, AKnownNikLoadsAndSavingOverwritesTheFieldsKeepingTheEntryStamp) {
  AddKeys(Keys({Line("k001"), Typed("BUDI SANTOSO"), {kEnter}, std::vector<int>(22, kEnter), {'S'}, {kEsc}}));
  ASSERT_TRUE(KARYA(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("DATA PEGAWAI"));
  EXPECT_TRUE(Shown("S)impan, H)apus"));
  EXPECT_TRUE(Shown("Umur :  35 Tahun"));
  EXPECT_TRUE(Shown("  Jumlah Anak  :  2"));
  xbase::WorkArea& employees = Reopen("KARYAWAN");
  ASSERT_EQ(employees.table().record_count(), 1u);
  EXPECT_EQ(support::StoredText(employees, 1, "NAMA"), "BUDI SANTOSO");
  EXPECT_EQ(employees.Number("JML_ANAK"), 2);
  EXPECT_EQ(employees.DateOf("TGL_LAHIR"), xbase::Date::FromYmd(1990, 12, 10));
  EXPECT_EQ(support::StoredText(employees, 1, "COSTCENTER"), "C1");
  EXPECT_EQ(employees.DateOf("TG_INPUT"), kEntered);
  EXPECT_EQ(support::StoredText(employees, 1, "OPERATOR"), "LAMA");
}

TEST_F(EmployeesTest, ANewEmployeeGetsTheEntryStampAndAnUnknownCostCentreIsRefused) {
  std::vector<int> keys = Keys({Line("k002"), Line("siti")});
  for (int i = 0; i < 21; ++i) keys.push_back(kEnter);  // to the cost centre
  keys = Keys({keys, Line("c9"), {kEnter}, {console::key::kHome, 25}, Line("c2"), {'s'}, {kEsc}});
  AddKeys(keys);
  ASSERT_TRUE(KARYA(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Cost Center C9 tidak terdaftar"));
  xbase::WorkArea& employees = Reopen("KARYAWAN");
  ASSERT_EQ(employees.table().record_count(), 2u);
  EXPECT_EQ(support::StoredText(employees, 2, "NIK"), "K002");
  EXPECT_EQ(support::StoredText(employees, 2, "NAMA"), "SITI");
  EXPECT_EQ(support::StoredText(employees, 2, "COSTCENTER"), "C2");
  EXPECT_EQ(employees.DateOf("TG_INPUT"), xbase::Date::FromYmd(2026, 12, 8));
  EXPECT_EQ(support::StoredText(employees, 2, "OPERATOR"), "ADMIN01");
}

TEST_F(EmployeesTest, TypingTheBirthDateShowsTheAgeAndHOnAnUnknownNikDeletesNothing) {
  std::vector<int> keys = Keys({Line("k003"), {kEnter, kEnter, kEnter}, Line("08121990")});
  keys = Keys({keys, std::vector<int>(19, kEnter), {'H'}, {kEsc}});
  AddKeys(keys);
  ASSERT_TRUE(KARYA(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Umur :  36 Tahun"));
  EXPECT_EQ(Column("KARYAWAN", "NIK"), std::vector<std::string>{"K001"});

  AddKeys(Keys({Line("k001"), ThroughTheForm(), {'h'}, {kEsc}}));
  ASSERT_TRUE(KARYA(rig.session, {}).ok());
  EXPECT_EQ(Column("KARYAWAN", "NIK"), std::vector<std::string>{"K001 (deleted)"});
}

TEST_F(EmployeesTest, CompanyCodesAreSavedLoadedAndDeleted) {
  AddKeys(Keys({Line("p1"), Line("p0"), Line("PT Palunda Niaga"), Line("Jl. Merdeka 1"), Line(""), Line("Jakarta"),
                {'S'},
                // The code loads the company; a second save changes the city only.
                Line("p1"), {kEnter, kEnter, kEnter, kEnter, 25}, Line("Bogor"), {'S'}, {kEsc}}));
  ASSERT_TRUE(L411(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Tabel Kode Perusahaan"));
  EXPECT_TRUE(Shown("  Induk  : P0"));
  xbase::WorkArea& companies = Reopen("PERUSH");
  ASSERT_EQ(companies.table().record_count(), 1u);
  EXPECT_EQ(support::StoredText(companies, 1, "KODE"), "P1");
  EXPECT_EQ(support::StoredText(companies, 1, "NAMA"), "PT Palunda Niaga");
  EXPECT_EQ(support::StoredText(companies, 1, "ALAMAT"), "Jl. Merdeka 1");
  EXPECT_EQ(support::StoredText(companies, 1, "KOTA"), "Bogor");

  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  AddKeys(Keys({Line("p1"), std::vector<int>(5, kEnter), {'H'}, {kEsc}}));
  ASSERT_TRUE(L411(rig.session, {}).ok());
  EXPECT_EQ(Column("PERUSH", "KODE"), std::vector<std::string>{"P1 (deleted)"});
}

}  // namespace
}  // namespace masters
