// Lookups by key, tax and cost-centre codes, report headers and the busy sign.
#include "pickers/lookups.h"

#include <gtest/gtest.h>

#include "console/keys.h"
#include "support/damaged_tables.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "xbase/text_functions.h"

namespace pickers {

using support::AddRows;
using support::N;
using support::Open;
using support::SessionRig;
using support::Shown;
using support::T;
using support::TempDataFolder;

namespace {

using console::key::kDown;
using console::key::kEnter;
using console::key::kEsc;

class LookupsTest : public ::testing::Test {
 protected:
  LookupsTest() {
    rig.session.SetSearchPath(folder.path());
    AddRows(Open(rig.session, "MASTBRJ"),
            {{{"KODE", T("B1")}, {"NAMA", T("PENSIL")}, {"GOLONGAN", T("WRITING")}, {"DOS", N(144)}},
             {{"KODE", T("B2")}, {"NAMA", T("LEM")}, {"GOLONGAN", T("LAIN")}}});
    AddRows(Open(rig.session, "MASTCOS"), {{{"KODE", T("C01")}, {"NAMA", T("PUSAT")}}});
    AddRows(Open(rig.session, "JENIS1"), {{{"KODE", T("1")}, {"NAMA", T("PENYERAHAN")}}, {{"KODE", T("2")}, {"NAMA", T("EKSPOR")}}});
    AddRows(Open(rig.session, "SETUP"), {{{"SETUP", T("LJUAL   01")}, {"KET", T(" PENJUALAN HARIAN ")}},
                                         {{"SETUP", T("LJUAL   02")}, {"KET", T("CABANG MEDAN")}},
                                         {{"SETUP", T("LBELI   02")}, {"KET", T("PEMBELIAN")}}});
  }
  TempDataFolder folder{{"MASTBRJ", "MASTCOS", "JENIS1", "SETUP", "KARYAWAN"}};
  SessionRig rig;
};

TEST_F(LookupsTest, GoodsClassFieldAndExpression) {
  GoodsClass pencil;
  ASSERT_TRUE(GETKELOMPOK(rig.session, "B1", "MASTBRJ", &pencil).ok());
  EXPECT_EQ(pencil.group, "03");
  EXPECT_EQ(pencil.cartons, 144);
  GoodsClass glue;
  ASSERT_TRUE(GETKELOMPOK(rig.session, "B2", "MASTBRJ", &glue).ok());
  EXPECT_EQ(glue.group, "99");
  GoodsClass none;
  ASSERT_TRUE(GETKELOMPOK(rig.session, "B9", "MASTBRJ", &none).ok());
  EXPECT_EQ(none.name, std::string(20, ' '));
  EXPECT_EQ(none.group, "99");

  EXPECT_EQ(GETFIELD(rig.session, "B1", "MASTBRJ", 4, "NAMA"), "PENS");
  EXPECT_EQ(GETFIELD(rig.session, "B9", "MASTBRJ", 4, "NAMA"), "    ");
  xbase::Value value;
  ASSERT_TRUE(GENERALSEARCH(rig.session, "B1", "MASTBRJ", "DOS * 2", xbase::Value::Num(-1), &value).ok());
  EXPECT_EQ(value.number(), 288);
  ASSERT_TRUE(GENERALSEARCH(rig.session, "B9", "MASTBRJ", "DOS", xbase::Value::Num(-1), &value).ok());
  EXPECT_EQ(value.number(), -1);
}

// The carton size and an expression on the record are figures: a goods record that cannot be read is
// the error naming the index, never goods without cartons or the fallback value. A name only shown
// goes blank.
TEST_F(LookupsTest, AGoodsRecordThatCannotBeReadIsAnErrorWhereAFigureDependsOnIt) {
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::DamageIndexPages(folder.path(), "MASTBRJ");
  Open(rig.session, "MASTBRJ");
  GoodsClass pencil;
  xbase::Status s = GETKELOMPOK(rig.session, "B1", "MASTBRJ", &pencil);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_EQ(pencil.cartons, 0);
  EXPECT_EQ(pencil.group, "99");
  xbase::Value value;
  s = GENERALSEARCH(rig.session, "B1", "MASTBRJ", "DOS * 2", xbase::Value::Num(-1), &value);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_EQ(value.number(), -1);
  EXPECT_EQ(GETFIELD(rig.session, "B1", "MASTBRJ", 4, "NAMA"), "    ");
  s = GETKELOMPOK(rig.session, "B1", "MASTCUS", &pencil);
  EXPECT_EQ(s.message(), "table not open: MASTCUS");
}

TEST_F(LookupsTest, TaxCodeListOpensOnAnEmptyCodeAndShowsTheName) {
  std::string code;
  rig.term.AddKeys({kDown, kEnter});
  ASSERT_TRUE(GETJNSTRAN(rig.session, &code, "W+/b"));
  EXPECT_EQ(code, "2");
  EXPECT_EQ(rig.con.Text(6, 16, 6), "EKSPOR");
  code = "7";
  EXPECT_FALSE(GETJNSTRAN(rig.session, &code, "W+/b"));
}

TEST_F(LookupsTest, CostCentres) {
  std::string code = "C01", name, out;
  EXPECT_TRUE(GETCOSTCENTER(rig.session, &code, false, &name, &out));
  EXPECT_EQ(std::string(xbase::RTrim(name)), "PUSAT");
  code = "C99";
  EXPECT_FALSE(GETCOSTCENTER(rig.session, &code, false));
  std::vector<std::string> lines(3);
  code = "C01";
  EXPECT_TRUE(GETARCENTER(rig.session, &code, &lines, 1));
  EXPECT_EQ(lines[1], "C01");
  code = "";
  EXPECT_TRUE(GETARCENTER(rig.session, &code, &lines, 2));
  EXPECT_TRUE(CARICENTER(rig.session, &code, false));
  code = "C01";
  EXPECT_FALSE(CARICENTER(rig.session, &code, false));
  EXPECT_TRUE(CARICENTER(rig.session, &code));
}

TEST_F(LookupsTest, ReportHeadersFromTheListAndTheirRows) {
  std::string name = "?";
  std::vector<std::string> headers(3, std::string(20, '.'));
  rig.term.AddKeys({kDown, kEnter});
  ASSERT_TRUE(GETLAPORAN(rig.session, &name, &headers, "L"));
  EXPECT_TRUE(Shown(rig.term, "BELI           PEMBELIAN"));
  EXPECT_EQ(name, "JUAL   ");
  EXPECT_EQ(headers[0], "PENJUALAN HARIAN    ");
  EXPECT_EQ(headers[1], "CABANG MEDAN        ");
  EXPECT_EQ(headers[2], std::string(20, '.'));
  name = "?";
  rig.term.AddKeys({kEsc});
  EXPECT_FALSE(GETLAPORAN(rig.session, &name, &headers, "L"));
}

TEST_F(LookupsTest, EmployeeByNameAndTheReadOnlyBrowse) {
  AddRows(Open(rig.session, "KARYAWAN"), {{{"NIK", T("K1")}, {"NAMA", T("ZAINAL")}, {"COSTCENTER", T("C01")}},
                                          {{"NIK", T("K2")}, {"NAMA", T("AMIR")}, {"PANGGILAN", T("MIR")}, {"COSTCENTER", T("C02")}}});
  std::string code = "/";
  std::vector<xbase::Value> values;
  int shown = 0;
  rig.term.AddKeys({kEnter});
  EXPECT_TRUE(GETKARYAWAN(rig.session, &code, &values, [&](const auto&) { ++shown; }, true));
  EXPECT_EQ(code, "K2        ");
  ASSERT_EQ(values.size(), 23u);
  EXPECT_EQ(std::string(xbase::RTrim(values[0].text())), "AMIR");
  EXPECT_EQ(std::string(xbase::RTrim(values[1].text())), "MIR");
  EXPECT_EQ(std::string(xbase::RTrim(values[22].text())), "C02");
  code = "K9";
  EXPECT_FALSE(GETKARYAWAN(rig.session, &code, &values, nullptr, false));
  EXPECT_EQ(shown, 1);

  rig.term.AddKeys({kDown, kEsc});
  ASSERT_TRUE(BROWSING(rig.session, Open(rig.session, "MASTBRJ"), 5, 10, 15, 60, {"KODE", "NAMA"}, " Barang ", "W+/b").ok());
  EXPECT_TRUE(Shown(rig.term, " Barang "));
  EXPECT_TRUE(Shown(rig.term, "PENSIL"));
}

TEST_F(LookupsTest, BusySignByStep) {
  int step = 29;
  BUSYSIGN(rig.con, &step, 0, 0);
  EXPECT_EQ(rig.con.Text(0, 0, 1), "-");
  EXPECT_EQ(step, 30);
  BUSYSIGN(rig.con, &step, 1, 0);  // exactly 30 draws nothing
  EXPECT_EQ(rig.con.Text(1, 0, 1), " ");
  step = 75;
  BUSYSIGN(rig.con, &step, 2, 0);
  EXPECT_EQ(rig.con.Text(2, 0, 1), "|");
  step = 120;
  BUSYSIGN(rig.con, &step, 3, 0);
  EXPECT_EQ(rig.con.Text(3, 0, 1), "/");
  EXPECT_EQ(step, 1);
}

}  // namespace
}  // namespace pickers
