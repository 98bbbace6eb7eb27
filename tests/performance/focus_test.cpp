// Focus lists, the daily report, the join visits and the supervisor groups.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "performance/grspv.h"
#include "performance/lfokus.h"
#include "report_rig.h"
#include "support/other_workstation.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"

namespace performance {
namespace {

using support::N;
using support::T;
namespace key = console::key;

class FocusTest : public ReportRig {
 protected:
  FocusTest() {
    Salesman("S001", "BUDI", "SLS");
    Salesman("S002", "ANI", "SLS");
    Customer("C001", "TOKO SATU");
    Item("BUKU", "SCHOOL", 10, "BUKU TULIS");
    Item("PENA", "WRITING", 12, "PENA BIRU");
    Item("TISU", "TISSUE", 8, "TISU");
    Member("K111", "BUKU");
    Add("PATRON", {{"KODE", T("K111")}, {"NAMA", T("BUKU SEKOLAH")}});
  }
};

TEST_F(FocusTest, TheDailyReportCountsTargetsSalesAndStockPerGroupFamilyAndFocusItem) {
  Add("I_FOKUS", {{"NOMOR", T("LAPORFOKUS")}, {"URUT", T("  1")}, {"KODE", T("BUKU")}, {"NAMA", T("BUKU TULIS")}});
  Add("TARGET", {{"TANGGAL", xbase::Value::FromDate(D(2026, 12, 1))}, {"KDCB", T("B2")}, {"KODE", T("BUKU")},
                 {"CARTON", N(1667)}, {"BGTVAL", N(16670000)}});
  Add("TARGET", {{"TANGGAL", xbase::Value::FromDate(D(2026, 12, 1))}, {"KDCB", T("B3")}, {"KODE", T("BUKU")},
                 {"CARTON", N(999)}});
  Add("STOKBRG", {{"GUDANG", T("G1")}, {"KODE", T("BUKU")}, {"JUMLAH", N(500)}});
  Add("STOKBRG", {{"GUDANG", T("X1")}, {"KODE", T("BUKU")}, {"JUMLAH", N(900)}});
  Note("N1", D(2026, 12, 8), "C001", "S001", {{"BUKU", 100, 1000}});
  Note("N2", D(2026, 12, 3), "C001", "S001", {{"BUKU", 50, 1000}});
  Note("N3", D(2026, 12, 8), "C001", "S002", {{"TISU", 16, 500}}, {.type = "NT"});
  Note("N4", D(2026, 12, 8), "C001", "S009", {{"BUKU", 900, 1000}});
  DailyReportParams params{D(2026, 12, 8), "C", "B2", "G", "S009"};
  std::string path;
  ASSERT_TRUE(DailyReport(session(), params, &path));
  const platform::SheetData sheet = Sheet(path);
  EXPECT_EQ(Text(sheet, 1, 1), "LAPORAN HARIAN, Cabang B2");
  EXPECT_EQ(Text(sheet, 3, 1), "TANGGAL 08-12-2026");
  EXPECT_EQ(Text(sheet, 6, 1), "GROUP PRODUCT");
  EXPECT_EQ(Text(sheet, 8, 1), "SCHOOL");
  EXPECT_NEAR(Number(sheet, 8, 2), 100, 0.01);
  const double school[] = {10, 15, 0, 1667, 50};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Number(sheet, 8, 3 + i), school[i]) << i;
  EXPECT_NEAR(Number(sheet, 8, 9), 15.0 / 1667 * 100, 1e-9);
  // An item of a group outside the eight counts under JASA.
  EXPECT_EQ(Text(sheet, 15, 1), "JASA");
  EXPECT_EQ(Number(sheet, 15, 3), 2);
  EXPECT_EQ(Text(sheet, 16, 1), "TOTAL");
  EXPECT_EQ(Number(sheet, 16, 4), 17);
  EXPECT_EQ(Text(sheet, 18, 1), "VALUE");
  EXPECT_EQ(Number(sheet, 19, 3), 100);
  EXPECT_EQ(Number(sheet, 19, 6), 16670);
  EXPECT_EQ(Text(sheet, 29, 1), "K1-K2-K3-K4");
  EXPECT_EQ(Number(sheet, 31, 3), 10);
  EXPECT_EQ(Text(sheet, 39, 1), "M44");
  EXPECT_EQ(Number(sheet, 39, 3), 2);
  EXPECT_EQ(Text(sheet, 56, 1), "TYPE NT");
  EXPECT_EQ(Number(sheet, 66, 3), 2);
  EXPECT_EQ(Number(sheet, 66, 4), 0);
  EXPECT_EQ(Text(sheet, 70, 1), "VALUE");
  EXPECT_EQ(Number(sheet, 79, 3), 8);
  EXPECT_EQ(Text(sheet, 83, 1), "ITEM FOKUS");
  EXPECT_EQ(Text(sheet, 85, 1), "BUKU BUKU TULIS");
  EXPECT_NEAR(Number(sheet, 85, 2), 100, 0.01);
  EXPECT_EQ(Number(sheet, 85, 6), 1667);
  EXPECT_EQ(Number(sheet, 85, 7), 50);
  EXPECT_EQ(Text(sheet, 86, 1), "TOTAL FOKUS");
}

TEST_F(FocusTest, JoinVisitsSplitTheManagersOwnSalesFromThoseWithASalesman) {
  Add("DATABM", {{"KODE", T("BM01")}, {"NAMA", T("HENDRA")}, {"CABANG", T("B2")}, {"SALES", T("S001")}});
  Add("BMONITOR", {{"INVOICE", T("N1")}, {"KODEBM", T("BM01")}});
  Add("BMONITOR", {{"INVOICE", T("N2")}, {"KODEBM", T("BM01")}});
  Note("N1", D(2026, 12, 2), "C001", "S001", {{"BUKU", 20, 1000}});
  Note("N2", D(2026, 12, 3), "C001", "S002", {{"PENA", 24, 500}});
  Note("N3", D(2026, 12, 3), "C001", "S002", {{"PENA", 240, 500}});
  JoinVisitParams params{D(2026, 12, 1), D(2026, 12, 31), "C", false};
  std::string path;
  ASSERT_TRUE(JoinVisits(session(), params, &path));
  EXPECT_EQ(SheetNames(path), std::vector<std::string>{"BM01"});
  const platform::SheetData sheet = Sheet(path, "BM01");
  EXPECT_EQ(Text(sheet, 5, 1), "NAMA BM/DBM : HENDRA");
  EXPECT_EQ(Text(sheet, 8, 1), "OMSET BM/DBM SENDIRI");
  EXPECT_EQ(Text(sheet, 8, 8), "OMSET BM/DBM bersama SALES");
  EXPECT_EQ(Text(sheet, 10, 2), "BUKU");
  EXPECT_EQ(Number(sheet, 10, 5), 2);
  EXPECT_EQ(Number(sheet, 10, 6), 20000);
  EXPECT_EQ(Text(sheet, 10, 9), "S002");
  EXPECT_EQ(Text(sheet, 10, 10), "PENA");
  EXPECT_EQ(Number(sheet, 10, 13), 2);
  EXPECT_EQ(Text(sheet, 11, 16), "");
  EXPECT_EQ(Text(sheet, 12, 18), "TOTAL");
  EXPECT_EQ(Number(sheet, 12, 19), 44);
  EXPECT_EQ(Number(sheet, 12, 21), 32000);
  params.by_group = true;
  ASSERT_TRUE(JoinVisits(session(), params, &path));
  const platform::SheetData groups = Sheet(path, "BM01");
  EXPECT_EQ(Text(groups, 10, 2), "K111");
  EXPECT_EQ(Text(groups, 10, 3), "BUKU SEKOLAH");
  EXPECT_EQ(Text(groups, 10, 10), "M449");
}

TEST_F(FocusTest, FocusListsAreRewrittenInPlace) {
  console::ValueTable rows = {
      {N(1), T("BUKU"), T("BUKU TULIS"), T("SCHOOL"), N(10)}, {N(2), T(""), T(""), T(""), N(0)},
      {N(3), T("PENA"), T("PENA BIRU"), T("WRITING"), N(12)}};
  ASSERT_TRUE(SaveFocusList(session(), "LAPORFOKUS", rows).ok());
  std::string number = "LAPORFOKUS";
  console::ValueTable loaded;
  EXPECT_TRUE(CNR(session(), &number, &loaded));
  ASSERT_EQ(loaded.size(), 3u);
  EXPECT_EQ(loaded[1][1].text().substr(0, 4), "PENA");
  EXPECT_EQ(loaded[1][4].number(), 12);
  xbase::WorkArea& lines = Table("I_FOKUS");
  EXPECT_EQ(support::StoredText(lines, 2, "URUT"), "  2");
  ASSERT_TRUE(SaveFocusList(session(), "LAPORFOKUS", {rows[2]}).ok());
  EXPECT_EQ(support::StoredText(lines, 1, "KODE"), "PENA");
  EXPECT_TRUE(lines.GoTo(2).ok());
  EXPECT_TRUE(lines.deleted());
}

TEST_F(FocusTest, SupervisorGroupsAreEditedOnTheGridAndRefuseSalesmenTakenElsewhere) {
  Add("CABANG", {{"KODE", T("B2")}, {"NAMA", T("CABANG DUA")}});
  Add("SALES_MEM", {{"SPVID", T("SP02")}, {"KODE", T("S002")}, {"NAMA", T("ANI")}});
  std::string clash;
  ASSERT_TRUE(MemberClash(session(), {"S002"}, 0, "SP01", &clash).ok());
  EXPECT_EQ(clash, "kode ini sudah masuk kelompok SP02");
  ASSERT_TRUE(MemberClash(session(), {"S002"}, 0, "SP02", &clash).ok());
  EXPECT_EQ(clash, "");
  rig.term.AddKeys(support::Keys({support::Line("B2"), support::Line("SP01"), support::Line("SARI"), support::Line("S001"),
                                  {key::kDown}, support::Line("S001"), {key::kEnter}, support::Line("S002"), {key::kEnter},
                                  {key::kF10}, {'Y'},
                                  {key::kEsc}}));
  ASSERT_TRUE(GRSPV(session(), {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "kode S001 ini telah diisikan pada urutan ke 1"));
  EXPECT_TRUE(support::Shown(rig.term, "kode ini sudah masuk kelompok SP02"));
  xbase::WorkArea& members = Table("SALES_MEM");
  ASSERT_EQ(members.table().record_count(), 2u);
  EXPECT_EQ(support::StoredText(members, 2, "SPVID"), "SP01");
  EXPECT_EQ(support::StoredText(members, 2, "KODE"), "S001");
  EXPECT_EQ(support::StoredText(members, 2, "NAMA"), "BUDI");
  xbase::WorkArea& supervisors = Table("SPV_SALES");
  ASSERT_EQ(supervisors.table().record_count(), 1u);
  EXPECT_EQ(support::StoredText(supervisors, 1, "CABANG"), "B2");
  EXPECT_EQ(support::StoredText(supervisors, 1, "NAMA"), "SARI");
  // Emptying the group deletes the supervisor.
  ASSERT_TRUE(SaveSupervisorGroup(session(), "B2", "SP01", "SARI", {}).ok());
  EXPECT_TRUE(supervisors.GoTo(1).ok());
  EXPECT_TRUE(supervisors.deleted());
}

// Esc while another workstation edits the supervisor: neither the members nor the supervisor change;
// once it lets go both are saved, and the folder checks out.
TEST_F(FocusTest, ASupervisorGroupIsSavedWithItsMembersOrNotAtAll) {
  ASSERT_TRUE(session().tables().CloseAll().ok());
  support::SettleSmallFolder(data.path());
  ASSERT_TRUE(SaveSupervisorGroup(session(), "B2", "SP01", "SARI", {{"S001", "BUDI"}}).ok());
  xbase::WorkArea& members = Table("SALES_MEM");
  xbase::WorkArea& supervisors = Table("SPV_SALES");
  {
    support::OtherWorkstation other(data.path());
    other.Hold("SPV_SALES", 1);
    rig.term.AddKeys({key::kEsc, ' ', ' '});
    EXPECT_FALSE(SaveSupervisorGroup(session(), "B2", "SP01", "SARI DEWI", {{"S002", "ANI"}, {"S003", "EKO"}}).ok());
    EXPECT_TRUE(support::Shown(rig.term, "Mencoba mengunci record 1 file SPV_SALES.Dbf, tekan [Esc]=batal...."));
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
    EXPECT_EQ(rig.term.keys_left(), 0u);
    ASSERT_EQ(members.table().record_count(), 1u);
    EXPECT_EQ(support::StoredText(members, 1, "KODE"), "S001");
    EXPECT_EQ(support::StoredText(supervisors, 1, "NAMA"), "SARI");
  }
  ASSERT_TRUE(SaveSupervisorGroup(session(), "B2", "SP01", "SARI DEWI", {{"S002", "ANI"}, {"S003", "EKO"}}).ok());
  ASSERT_EQ(members.table().record_count(), 2u);
  EXPECT_EQ(support::StoredText(members, 1, "KODE"), "S002");
  EXPECT_EQ(support::StoredText(members, 2, "NAMA"), "EKO");
  EXPECT_EQ(support::StoredText(supervisors, 1, "NAMA"), "SARI DEWI");
  support::ExpectVerified(data.path());
}

// A focus list waits for the append lock another workstation holds: Esc leaves the stored rows as they were.
TEST_F(FocusTest, EscAtAFocusListsLockLeavesItsRows) {
  ASSERT_TRUE(session().tables().CloseAll().ok());
  support::SettleSmallFolder(data.path());
  const console::ValueTable rows = {{N(1), T("BUKU"), T("BUKU TULIS"), T("SCHOOL"), N(10)},
                                    {N(2), T("PENA"), T("PENA BIRU"), T("WRITING"), N(12)}};
  ASSERT_TRUE(SaveFocusList(session(), "LAPORFOKUS", {rows[0]}).ok());
  support::OtherWorkstation other(data.path());
  other.HoldAppend("I_FOKUS");
  rig.term.AddKeys({key::kEsc, ' ', ' '});
  EXPECT_FALSE(SaveFocusList(session(), "LAPORFOKUS", {rows[1], rows[0]}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "Mencoba menambah record file I_FOKUS.Dbf, tekan [Esc]=batal...."));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  xbase::WorkArea& lines = Table("I_FOKUS");
  ASSERT_EQ(lines.table().record_count(), 1u);
  EXPECT_EQ(support::StoredText(lines, 1, "KODE"), "BUKU");
  support::ExpectVerified(data.path());
}

}  // namespace
}  // namespace performance
