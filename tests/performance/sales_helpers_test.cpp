// The shared sales helpers: cartons, salesman levels, product groups and the report tables.
#include <gtest/gtest.h>

#include <filesystem>

#include "console/keys.h"
#include "frame/open_table.h"
#include "performance/performance.h"
#include "support/damaged_tables.h"
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

  // KONVERSIBOX's cartons, failing the test on an error.
  double Boxes(std::string_view code, double quantity, double carton_size, double value) {
    double cartons = -1;
    const xbase::Status s = KONVERSIBOX(rig.session, code, quantity, carton_size, value, &cartons);
    EXPECT_TRUE(s.ok()) << s.ToString();
    return cartons;
  }

  support::TempDataFolder data{kReportTables};
  support::SessionRig rig;
};

TEST_F(SalesHelpersTest, CartonsGoThroughTheConversionRowTheCartonSizeOrTheValue) {
  // A conversion row ignores both the carton size and the value.
  EXPECT_EQ(Boxes("PENA      ", 288, 10, 999), 24);
  EXPECT_EQ(Boxes("RUSAK     ", 10, 10, 999), 0);
  // Neither a conversion row nor a carton size: the value in cartons of 600,000.
  EXPECT_EQ(Boxes("LAIN      ", 7, 0, 1200000), 2);
  EXPECT_EQ(Boxes("LAIN      ", 30, 12, 1200000), 2.5);
  double base = 0;
  ASSERT_TRUE(KONVERSIQTY(rig.session, "PENA      ", 3, &base).ok());
  EXPECT_EQ(base, 36);
  ASSERT_TRUE(KONVERSIQTY(rig.session, "LAIN      ", 3, &base).ok());
  EXPECT_EQ(base, 3);
  // A conversion row that cannot be read is an error, never the value's cartons of an item without one.
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::DamageIndexPages(data.path(), "KONVERT");
  xbase::WorkArea* konvert = nullptr;
  ASSERT_TRUE(frame::OpenTable(rig.session, "konvert", false, "konvert", &konvert));
  double cartons = -1;
  const xbase::Status s = KONVERSIBOX(rig.session, "LAIN      ", 7, 0, 1200000, &cartons);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_EQ(cartons, 0);
  EXPECT_FALSE(KONVERSIQTY(rig.session, "PENA      ", 3, &base).ok());
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
  const auto family = [&](std::string_view code) {
    std::string text;
    EXPECT_TRUE(CARIPATORNK1K2(rig.session, code, &text).ok());
    return text;
  };
  const auto group = [&](std::string_view code) {
    std::string text;
    EXPECT_TRUE(CARIPATRON2(rig.session, code, &text).ok());
    return text;
  };
  const auto named = [&](std::string_view code) {
    std::pair<std::string, std::string> found;
    EXPECT_TRUE(CARIPATRON_(rig.session, code, &found).ok());
    return std::make_pair(found.first, std::string(xbase::RTrim(found.second)));
  };
  EXPECT_EQ(family("BUKU      "), "M43       ");
  EXPECT_EQ(family("AMPLOP    "), "K2        ");
  EXPECT_EQ(family("TANPA     "), "M44       ");
  EXPECT_EQ(group("TANPA     "), "M44");
  EXPECT_EQ(group("BUKU      "), "M431      ");
  EXPECT_EQ(named("TANPA     "), std::make_pair(std::string("M449"), std::string("BELUM MASUK GROUP")));
  EXPECT_EQ(named("BUKU      "), std::make_pair(std::string("M431      "), std::string("BUKU TULIS")));
  // A member row that cannot be read is an error, never the default group.
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::DamageIndexPages(data.path(), "PATRON2");
  ASSERT_TRUE(OPENDATABASE(rig.session));
  std::string text;
  EXPECT_TRUE(CARIPATRON2(rig.session, "TANPA     ", &text).IsCorruption());
  EXPECT_TRUE(CARIPATORNK1K2(rig.session, "TANPA     ", &text).IsCorruption());
  std::pair<std::string, std::string> found;
  EXPECT_TRUE(CARIPATRON_(rig.session, "TANPA     ", &found).IsCorruption());
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
  EXPECT_EQ(Boxes("PENA      ", 144, 0, 0), 12);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  ASSERT_TRUE(std::filesystem::remove(data.File("RTJUAL2.dbf")));
  rig.term.AddKeys({console::key::kEnter});
  EXPECT_FALSE(OPENDATABASE(rig.session));
  EXPECT_EQ(rig.session.tables().Area("Relasi"), nullptr);
  EXPECT_EQ(Boxes("PENA      ", 144, 0, 600000), 1);
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
