// The branch export set: every table made afresh, the documents of the range with their lines, the
// goods received once each, and the masters.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "exchange/exchange.h"
#include "exchange/exchange_test_helpers.h"
#include "schema/export_set.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"
#include "xbase/text_functions.h"

namespace exchange {
namespace {

using exchange::testing::SetRows;
using support::AddRows;
using support::N;
using support::Open;
using support::T;
using xbase::Date;
using xbase::Value;

Value Day(int day) { return Value::FromDate(Date::FromYmd(2026, 12, day)); }

// The live tables the export reads.
std::vector<std::string> LiveTables() {
  std::vector<std::string> tables;
  for (const schema::ExportTableDef& table : schema::ExportSet()) {
    const std::string live = table.live;
    if (live != "GRUPSJ1" && live != "GRUPSJ2") tables.push_back(live);
  }
  return tables;
}

class ExportTest : public ::testing::Test {
 protected:
  ExportTest() {
    rig.session.SetSearchPath(folder.path());
    AddRows(Open(rig.session, "MASTCUS"), {{{"RELASI", T("C2")}, {"NAMA", T("LATE")}, {"TG_UPDATE", Day(20)}},
                                           {{"RELASI", T("C1")}, {"NAMA", T("TB SINAR")}, {"TG_UPDATE", Day(2)}}});
    AddRows(Open(rig.session, "RELASI_EXT"),
            {{{"RELASI", T("C1")}, {"KDCB", T("JKT")}}, {{"RELASI", T("C1")}, {"KDCB", T("SBY")}}});
    AddRows(Open(rig.session, "MASTSLS"),
            {{{"SALES", T("S02")}, {"NAMA", T("TONO")}}, {{"SALES", T("S01")}, {"NAMA", T("BUDI")}}});
    AddRows(Open(rig.session, "DATABM"), {{{"KODE", T("BM1")}, {"NAMA", T("AREA BARAT")}}});
    AddRows(Open(rig.session, "BPBELI1"), {{{"NO_BPB", T("BPB2")}, {"TANGGAL", Day(9)}},
                                           {{"NO_BPB", T("BPB1")}, {"TANGGAL", Day(3)}, {"NOTES", T("PUSAT")}}});
    AddRows(Open(rig.session, "BPBELI2"), {{{"NO_BPB", T("BPB1")}, {"KODE", T("A1")}, {"QUANTITY", N(5)}},
                                           {{"NO_BPB", T("BPB2")}, {"KODE", T("C3")}, {"QUANTITY", N(1)}},
                                           {{"NO_BPB", T("BPB1")}, {"KODE", T("B2")}, {"QUANTITY", N(6)}},
                                           {{"NO_BPB", T("BPB1")}, {"KODE", T("A1")}, {"QUANTITY", N(7)}},
                                           {{"NO_BPB", T("BPB1")}, {"KODE", T("ZZ")}, {"QUANTITY", N(8)}}});
    AddRows(Open(rig.session, "MASTBRJ"),
            {{{"KODE", T("A1")}, {"NAMA", T("PENA")}, {"JUMLAH", N(77)}, {"HARGA", N(1000)}},
             {{"KODE", T("B2")}, {"NAMA", T("BUKU")}, {"HPP", N(300)}},
             {{"KODE", T("C3")}, {"NAMA", T("TINTA")}}});
    AddRows(Open(rig.session, "SRTJLN1"), {{{"INVOICE", T("SJ1")}, {"TANGGAL", Day(5)}, {"RELASI", T("C1")}}});
    AddRows(Open(rig.session, "PIUTKR1"), {{{"KDCB", T("SBY001")}, {"NOMOR", T("TT1")}, {"TANGGAL", Day(4)}},
                                           {{"KDCB", T("JKT001")}, {"NOMOR", T("TT1")}, {"TANGGAL", Day(4)}}});
    AddRows(Open(rig.session, "PIUTKR2"), {{{"KDCB", T("JKT001")}, {"NOMOR", T("TT1")}, {"NOTA", T("SJ1")}},
                                           {{"KDCB", T("SBY001")}, {"NOMOR", T("TT1")}, {"NOTA", T("SJ7")}}});
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  }

  support::TempDataFolder folder{LiveTables()};
  support::TempFolder set;
  support::SessionRig rig;
};

TEST_F(ExportTest, DocumentsOfTheRangeWithTheirLinesAndTheGoodsOnce) {
  // Old tables of the same names are replaced.
  ASSERT_TRUE(CreateExportSet(set.path()).ok());
  exchange::testing::AddSetRows(set.path(), "exbl1", {{{"NO_BPB", T("STALE")}}});
  ASSERT_TRUE(PROSESKIRIMDATA(rig.session, Date::FromYmd(2026, 12, 1), Date::FromYmd(2026, 12, 5), set.path()));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(set.path()), {}), 54);  // 53 tables, exbbm's index
  EXPECT_EQ(SetRows(set.path(), "exbl1"), (std::vector<std::string>{"BPB1||||20261203|PUSAT|0.00|0.00||F||"}));
  EXPECT_EQ(SetRows(set.path(), "exbl2").size(), 4u);
  EXPECT_EQ(SetRows(set.path(), "exbbm"), (std::vector<std::string>{"A1|||PENA|||0|1000.00|0.00|0.00|0|0|0|0.00|0.00",
                                                                    "B2|||BUKU|||0|0.00|0.00|0.00|0|0|0|300.00|0.00"}));
  EXPECT_EQ(SetRows(set.path(), "exmcus").size(), 1u);
  EXPECT_EQ(SetRows(set.path(), "exmcus").front().substr(0, 12), "C1|TB SINAR|");
  EXPECT_EQ(SetRows(set.path(), "exdb46").size(), 1u);
  EXPECT_EQ(SetRows(set.path(), "exdb46").front().substr(0, 8), "C1||JKT|");
  EXPECT_EQ(SetRows(set.path(), "exmsls").size(), 2u);
  EXPECT_EQ(SetRows(set.path(), "exsjl1").size(), 1u);  // a header without lines goes alone
  EXPECT_TRUE(SetRows(set.path(), "exsjl2").empty());
  // Receipt lines follow their branch and number.
  EXPECT_EQ(SetRows(set.path(), "expk2"),
            (std::vector<std::string>{"SBY001|TT1|SJ7|||0.00||", "JKT001|TT1|SJ1|||0.00||"}));
}

TEST_F(ExportTest, RangeTheWrongWayRoundSendsOnlyTheWholeMasters) {
  ASSERT_TRUE(PROSESKIRIMDATA(rig.session, Date::FromYmd(2026, 12, 5), Date::FromYmd(2026, 12, 1), set.path()));
  EXPECT_TRUE(SetRows(set.path(), "exbl1").empty());
  EXPECT_TRUE(SetRows(set.path(), "exmcus").empty());
  EXPECT_TRUE(SetRows(set.path(), "expk1").empty());
  EXPECT_EQ(SetRows(set.path(), "exmsls").size(), 2u);
  EXPECT_EQ(SetRows(set.path(), "exdtbm"), (std::vector<std::string>{"BM1|AREA BARAT||"}));
}

TEST_F(ExportTest, TableThatCannotBeOpenedStopsTheRunAndSaysSo) {
  for (const auto& file : std::filesystem::directory_iterator(folder.path())) {
    if (xbase::Upper(file.path().filename().string()) == "JUSTMEN.DBF") std::filesystem::remove(file.path());
  }
  EXPECT_FALSE(PROSESKIRIMDATA(rig.session, Date::FromYmd(2026, 12, 1), Date::FromYmd(2026, 12, 5), set.path()));
  EXPECT_TRUE(support::Shown(rig.term, "JUSTMEN"));
  EXPECT_EQ(SetRows(set.path(), "exbl1").size(), 1u);
  EXPECT_TRUE(SetRows(set.path(), "exsjl1").empty());
}

}  // namespace
}  // namespace exchange
