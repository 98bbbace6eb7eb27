// The shared sales helpers: cartons, salesman levels, product groups and the report tables.
#include <gtest/gtest.h>

#include <filesystem>

#include "console/keys.h"
#include "frame/open_table.h"
#include "performance/performance.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

using support::N;
using support::T;

const std::vector<std::string> kReportTables = {"TARGET", "PATRON", "PATRON2", "KONVERT", "MASTBRJ", "MASTCUS",
                                                "MASTSLS", "SETUP",  "TIPE",    "MASTGOL", "OTL_GRP", "OTL_MBR",
                                                "I_FOKUS", "SRTJLN1", "SRTJLN2", "STOKBRG", "RTJUAL1", "RTJUAL2"};

class SalesHelpersTest : public ::testing::Test {
 protected:
  SalesHelpersTest() {
    rig.session.SetSearchPath(data.path());
    xbase::WorkArea* konvert = nullptr;
    EXPECT_TRUE(frame::OpenTable(rig.session, "konvert", false, "konvert", &konvert));
    support::AddRows(*konvert, {{{"KODE", T("PENA")}, {"DIKALI", N(12)}, {"DIBAGI", N(144)}},
                                {{"KODE", T("RUSAK")}, {"DIKALI", N(5)}, {"DIBAGI", N(0)}}});
    support::AddRows(support::Open(rig.session, "PATRON2"),
                     {{{"PATRON", T("M431")}, {"KODE", T("BUKU")}}, {{"PATRON", T("K211")}, {"KODE", T("AMPLOP")}}});
    support::AddRows(support::Open(rig.session, "PATRON"), {{{"KODE", T("M431")}, {"NAMA", T("BUKU TULIS")}}});
    EXPECT_TRUE(support::Open(rig.session, "PATRON2").SetOrder("PATRON22").ok());
  }

  support::TempDataFolder data{kReportTables};
  support::SessionRig rig;
};

TEST_F(SalesHelpersTest, CartonsGoThroughTheConversionRowTheCartonSizeOrTheValue) {
  // A conversion row ignores both the carton size and the value.
  EXPECT_EQ(KONVERSIBOX(rig.session, "PENA      ", 288, 10, 999), 24);
  EXPECT_EQ(KONVERSIBOX(rig.session, "RUSAK     ", 10, 10, 999), 0);
  // Neither a conversion row nor a carton size: the value in cartons of 600,000.
  EXPECT_EQ(KONVERSIBOX(rig.session, "LAIN      ", 7, 0, 1200000), 2);
  EXPECT_EQ(KONVERSIBOX(rig.session, "LAIN      ", 30, 12, 1200000), 2.5);
  EXPECT_EQ(KONVERSIQTY(rig.session, "PENA      ", 3), 36);
  EXPECT_EQ(KONVERSIQTY(rig.session, "LAIN      ", 3), 3);
}

TEST_F(SalesHelpersTest, LevelsComeFromTheFirstLettersOfTheTitle) {
  EXPECT_EQ(GETLEVELSALES("BM AREA"), "1");
  EXPECT_EQ(GETLEVELSALES("DBM"), "2");
  EXPECT_EQ(GETLEVELSALES("KAM"), "2");
  EXPECT_EQ(GETLEVELSALES("KASIR"), "3");
  EXPECT_EQ(GETLEVELSALES("SPV"), "3");
  EXPECT_EQ(GETLEVELSALES("SLS"), "4");
  EXPECT_EQ(GETLEVELSALES(""), "9");
  EXPECT_EQ(GETLEVELSALES("ADMIN"), "9");
}

TEST_F(SalesHelpersTest, ProductGroupsAndTheirDefaults) {
  EXPECT_EQ(CARIPATORNK1K2(rig.session, "BUKU      "), "M43       ");
  EXPECT_EQ(CARIPATORNK1K2(rig.session, "AMPLOP    "), "K2        ");
  EXPECT_EQ(CARIPATORNK1K2(rig.session, "TANPA     "), "M44       ");
  EXPECT_EQ(CARIPATRON2(rig.session, "TANPA     "), "M44");
  EXPECT_EQ(CARIPATRON2(rig.session, "BUKU      "), "M431      ");
  EXPECT_EQ(CARIPATRON_(rig.session, "TANPA     "), std::make_pair(std::string("M449"), std::string("BELUM MASUK GROUP")));
  const auto [group, name] = CARIPATRON_(rig.session, "BUKU      ");
  EXPECT_EQ(group, "M431      ");
  EXPECT_EQ(std::string(xbase::RTrim(name)), "BUKU TULIS");
}

TEST_F(SalesHelpersTest, TheReportTablesOpenUnderTheirAliasesOrNotAtAll) {
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  ASSERT_TRUE(OPENDATABASE(rig.session));
  for (const char* alias : {"Relasi", "sales", "golong", "Invoice1", "Kartu1", "stock", "konvert", "PATRON2"}) {
    EXPECT_NE(rig.session.tables().Area(alias), nullptr) << alias;
  }
  EXPECT_EQ(rig.session.tables().Area("Invoice1")->OrderNumber(), 2);
  // A second call keeps the tables open and sets their orders again.
  xbase::WorkArea* invoices = rig.session.tables().Area("Invoice1");
  ASSERT_TRUE(invoices->SetOrder(1).ok());
  ASSERT_TRUE(OPENDATABASE(rig.session));
  EXPECT_EQ(rig.session.tables().Area("Invoice1"), invoices);
  EXPECT_EQ(invoices->OrderNumber(), 2);
  // Helpers work on what OPENDATABASE opened: a missing table ends it with every table closed.
  EXPECT_EQ(KONVERSIBOX(rig.session, "PENA      ", 144, 0, 0), 12);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  ASSERT_TRUE(std::filesystem::remove(data.File("RTJUAL2.dbf")));
  rig.term.AddKeys({console::key::kEnter});
  EXPECT_FALSE(OPENDATABASE(rig.session));
  EXPECT_EQ(rig.session.tables().Area("Relasi"), nullptr);
  EXPECT_EQ(KONVERSIBOX(rig.session, "PENA      ", 144, 0, 600000), 1);
}

TEST_F(SalesHelpersTest, TargetBranchAndMonthEnd) {
  std::string branch = "X", warehouse = "G1";
  EXPECT_TRUE(CBTARGET("C001", &branch, &warehouse));
  EXPECT_EQ(branch, "B2    ");
  EXPECT_EQ(warehouse, "");
  xbase::Date end;
  EXPECT_TRUE(BETWEENTANGGAL(xbase::Date::FromYmd(2024, 2, 10), &end));
  EXPECT_EQ(end, xbase::Date::FromYmd(2024, 2, 29));
}

}  // namespace
}  // namespace performance
