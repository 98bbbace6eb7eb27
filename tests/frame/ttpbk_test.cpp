// The monthly book closing: refused while a document of the process month is unprinted, the new month
// written into only its positions of BUDGET, December into January, and a folder without a DEFAULT row.
#include "frame/ttpbk.h"

#include <gtest/gtest.h>

#include "console/keys.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "xbase/session.h"

namespace frame {
namespace {

namespace key = console::key;
using support::Shown;
using support::ShownOnRow;
using support::T;
using xbase::Date;

constexpr const char* kOtherBudget = "01-01-202031-01-2020    1  1 00  00";
constexpr const char* kBudget = "08-12-202631-12-2026    3  5 17  42";

class ClosingTest : public ::testing::Test {
 protected:
  ClosingTest() {
    rig.session.SetSearchPath(folder.path());
    rig.session.ZTGPROSES = Date::FromYmd(2026, 12, 31);
    support::AddRows(
        support::Open(rig.session, "LOGSETUP"),
        {{{"LOGEDPATH", T("C:\\LAIN")}, {"BUDGET", T(kOtherBudget)}, {"DEFAULT", xbase::Value::Logical(false)}}});
    support::AddRows(
        support::Open(rig.session, "SRTJLN1"),
        {Note("INV-0001", Date::FromYmd(2026, 12, 15), false), Note("INV-0002", Date::FromYmd(2027, 1, 5), false),
         Note("INV-0003", Date::FromYmd(2026, 12, 10), true), Note("INV-0004", Date::FromYmd(2026, 11, 30), false)});
    support::AddRows(support::Open(rig.session, "PIUTKR1"),
                     {{{"NOMOR", T("TT-0001")}, {"TANGGAL", xbase::Value::FromDate(Date::FromYmd(2026, 12, 20))}},
                      {{"NOMOR", T("TT-0002")},
                       {"TANGGAL", xbase::Value::FromDate(Date::FromYmd(2026, 12, 31))},
                       {"CETAK", xbase::Value::Logical(true)}}});
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  }

  static support::Row Note(const char* invoice, Date date, bool printed) {
    return {
        {"INVOICE", T(invoice)}, {"TANGGAL", xbase::Value::FromDate(date)}, {"CETAK", xbase::Value::Logical(printed)}};
  }

  void AddDefaultRow() {
    support::AddRows(
        support::Open(rig.session, "LOGSETUP"),
        {{{"LOGEDPATH", T("C:\\DATA")}, {"BUDGET", T(kBudget)}, {"DEFAULT", xbase::Value::Logical(true)}}});
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  }

  // Marks a document printed.
  void Print(const char* table, uint32_t recno) {
    xbase::Session tables(xbase::SearchPath({folder.path()}));
    xbase::WorkArea* area = nullptr;
    ASSERT_TRUE(tables.Use(table, "", xbase::OpenMode::kShared, &area).ok());
    ASSERT_TRUE(area->GoTo(recno).ok());
    ASSERT_TRUE(area->Lock().ok());
    ASSERT_TRUE(area->Put("CETAK", xbase::Value::Logical(true)).ok());
    ASSERT_TRUE(area->Unlock().ok());
  }

  std::string Budget(uint32_t recno) {
    xbase::Session tables(xbase::SearchPath({folder.path()}));
    xbase::WorkArea* area = nullptr;
    EXPECT_TRUE(tables.Use("LOGSETUP", "", xbase::OpenMode::kShared, &area).ok());
    EXPECT_TRUE(area->GoTo(recno).ok());
    return area->Text("BUDGET");
  }

  void Run(const std::vector<int>& keys) {
    rig.term.AddKeys(keys);
    const xbase::Status status = TUTUPBUKU(rig.session, {});
    EXPECT_TRUE(status.ok()) << status.ToString();
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_EQ(rig.session.tables().Area("SRTJLN1"), nullptr);
  }

  support::TempDataFolder folder{{"SRTJLN1", "PIUTKR1", "LOGSETUP"}};
  support::SessionRig rig;
};

TEST_F(ClosingTest, UnprintedDocumentsOfTheProcessMonthRefuseAndTheNextMonthsDoNot) {
  AddDefaultRow();
  Run({key::kEnter});
  EXPECT_TRUE(Shown(rig.term, "Daftar Belum cetek :"));
  EXPECT_TRUE(Shown(rig.term, "Sj : INV-0001 "));
  EXPECT_TRUE(Shown(rig.term, "TT : TT-0001 "));
  EXPECT_FALSE(Shown(rig.term, "INV-0002"));
  EXPECT_FALSE(Shown(rig.term, "INV-0004"));
  EXPECT_FALSE(Shown(rig.term, "Yakin akan di Proses (Y/T)"));
  EXPECT_EQ(Budget(2), kBudget);
  EXPECT_EQ(rig.session.ZTGPROSES, Date::FromYmd(2026, 12, 31));

  // Everything of December printed: December closes into January; only positions 11-20 change.
  Print("SRTJLN1", 1);
  Print("PIUTKR1", 1);
  Run({'y'});
  EXPECT_TRUE(ShownOnRow(rig.term, 24, "Yakin akan di Proses (Y/T)"));
  EXPECT_TRUE(ShownOnRow(rig.term, 11,
                         "\xB3  "
                         "                     TUTUP BUKU PERIODE BULANAN"));
  EXPECT_TRUE(ShownOnRow(rig.term, 14, "  Tutup buku harus dilakukan agar transaksi bulan : JANUARI 2027"));
  EXPECT_TRUE(ShownOnRow(rig.term, 15, "  bisa diinput, koreksi bulan : DESEMBER 2026 dan sebelumnya sudah"));
  EXPECT_EQ(Budget(2), "08-12-202631-01-2027    3  5 17  42");
  EXPECT_EQ(Budget(1), kOtherBudget);
  EXPECT_EQ(rig.session.ZTGPROSES, Date::FromYmd(2027, 1, 31));

  // January has its own unprinted note; once printed, the second closing moves on to February.
  Run({key::kEnter});
  EXPECT_TRUE(Shown(rig.term, "Sj : INV-0002 "));
  EXPECT_EQ(rig.session.ZTGPROSES, Date::FromYmd(2027, 1, 31));
  Print("SRTJLN1", 2);
  Run({'Y'});
  EXPECT_EQ(Budget(2), "08-12-202628-02-2027    3  5 17  42");
  EXPECT_EQ(rig.session.ZTGPROSES, Date::FromYmd(2027, 2, 28));
}

TEST_F(ClosingTest, NothingIsWrittenWithoutAYesOrWithoutADefaultRow) {
  rig.session.ZTGPROSES = Date::FromYmd(2026, 10, 31);  // nothing dated in October
  Run({'T'});
  EXPECT_EQ(rig.session.ZTGPROSES, Date::FromYmd(2026, 10, 31));
  Run({'Y', key::kEnter});
  EXPECT_TRUE(ShownOnRow(rig.term, 24, "LOGSETUP tidak punya baris DEFAULT, tutup buku tidak dilakukan"));
  EXPECT_EQ(Budget(1), kOtherBudget);
  EXPECT_EQ(rig.session.ZTGPROSES, Date::FromYmd(2026, 10, 31));
}

}  // namespace
}  // namespace frame
