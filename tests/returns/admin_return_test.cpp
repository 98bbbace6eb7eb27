// The administrative return of a whole delivery note: which notes are accepted, and what the save
// writes into stock, the return document, the note, the receipt and the receivable.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "returns/admin_return.h"
#include "returns/returns_test_helpers.h"
#include "support/other_workstation.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"

namespace returns {
namespace {

using namespace returns::testing;

class AdminReturnTest : public ReturnsTest {
 protected:
  AdminReturnTest() {
    AddSetting("RETURADMIN", "0000000000");
    // 100 pieces at 1000 less 10 and 5 percent: 85,500.
    AddNote("SJ1", kDay - 6, true, 100, 1000, 10, 5, 85500);
    tables = OpenAdminReturnTables(rig.session);
    EXPECT_TRUE(tables);
  }

  // Accepts and saves the note; the number saved.
  std::string Return(const std::string& invoice) {
    AdminNote note;
    EXPECT_TRUE(LCGERSURATJALAN(rig.session, tables, invoice, &note)) << Message();
    std::string number;
    EXPECT_TRUE(SaveAdminReturn(rig.session, tables, note, &number).ok()) << Message();
    return number;
  }

  frame::OpenedTables tables;
};

TEST_F(AdminReturnTest, ReturnsTheGoodsWritesTheDocumentAndSettlesTheInvoice) {
  EXPECT_EQ(Return("SJ1"), "RADM-0000000001");
  EXPECT_DOUBLE_EQ(Stock(), 150);
  EXPECT_DOUBLE_EQ(Number("MASTBRJ", "KODE", "BRG01", "JUMLAH"), 150);
  EXPECT_EQ(Field("RTJUAL1", "NOMOR", "RADM-0000000001", "KTR1"), "RETURADMIN");
  EXPECT_TRUE(Flag("RTJUAL1", "NOMOR", "RADM-0000000001", "RADMIN"));
  EXPECT_TRUE(Flag("RTJUAL1", "NOMOR", "RADM-0000000001", "CETAK"));
  EXPECT_EQ(Field("RTJUAL1", "NOMOR", "RADM-0000000001", "RELASI"), "C0001");
  // 100 pieces are 8 cartons, no pack and 4 pieces.
  EXPECT_DOUBLE_EQ(Number("RTJUAL2", "NOMOR", "RADM-0000000001", "Q_BOX"), 8);
  EXPECT_DOUBLE_EQ(Number("RTJUAL2", "NOMOR", "RADM-0000000001", "Q_PAK"), 0);
  EXPECT_DOUBLE_EQ(Number("RTJUAL2", "NOMOR", "RADM-0000000001", "Q_PCS"), 4);
  EXPECT_EQ(Field("RTJUAL2", "NOMOR", "RADM-0000000001", "URUT"), "  1");
  EXPECT_EQ(Field("RTJUAL2", "NOMOR", "RADM-0000000001", "KTR"), "BONUS");
  EXPECT_EQ(Field("SRTJLN1", "INVOICE", "SJ1", "RET_ADM"), "RADM-0000000001");
  EXPECT_EQ(Field("PIUTKR1", "NOMOR", "0000000001", "NOTES"), "RETURADMIN");
  EXPECT_EQ(Field("PIUTKR2", "NOTA", "SJ1", "KD_TT"), "RA");
  EXPECT_DOUBLE_EQ(Number("PIUTKR2", "NOTA", "SJ1", "KREDIT"), 85500);
  EXPECT_DOUBLE_EQ(Number("PIUTDBT", "NOTA", "SJ1", "KREDIT"), 85500);
  EXPECT_EQ(Field("SETUP", "SETUP", "RETURADMIN", "KET"), "0000000001");
}

TEST_F(AdminReturnTest, TheDayLimitAnUnprintedNoteAndASecondReturnAreRefused) {
  AddNote("SJ7", kDay - 7, true, 10, 1000, 0, 0, 10000);
  AddNote("SJ8", kDay, false, 10, 1000, 0, 0, 10000);
  AdminNote note;
  EXPECT_FALSE(LCGERSURATJALAN(rig.session, tables, "SJ7", &note));
  EXPECT_EQ(Message(), "Batas Retur Admin cuma 6 Hari");
  EXPECT_FALSE(LCGERSURATJALAN(rig.session, tables, "SJ8", &note));
  EXPECT_EQ(Message(), "Invoice/Sj SJ8, belum cetak, diralat saja");
  Return("SJ1");
  EXPECT_FALSE(LCGERSURATJALAN(rig.session, tables, "SJ1", &note));
  EXPECT_EQ(Message(), "Invoice/Sj : SJ1, sudah dibayar/diretur, dg Nomor : JKT0010000000001");
  // A note returned whose receipt line is gone is still refused by its mark.
  xbase::WorkArea& lines = Open(rig.session, "PIUTKR2");
  ASSERT_TRUE(lines.GoTo(1).ok() && lines.Lock().ok() && lines.Delete().ok() && lines.Unlock().ok());
  EXPECT_FALSE(LCGERSURATJALAN(rig.session, tables, "SJ1", &note));
  EXPECT_EQ(Message(), "Sudah direktur Admin no RADM-0000000001");
  EXPECT_DOUBLE_EQ(Stock(), 150);
}

TEST_F(AdminReturnTest, TheNumberIsFreeAmongReturnsAndReceipts) {
  AddRows(Open(rig.session, "PIUTKR1"), {{{"KDCB", T(kBranch)}, {"NOMOR", T("0000000001")}}});
  AddRows(Open(rig.session, "RTJUAL1"), {{{"NOMOR", T("RADM-0000000002")}}});
  EXPECT_EQ(Return("SJ1"), "RADM-0000000003");
  EXPECT_EQ(Field("SETUP", "SETUP", "RETURADMIN", "KET"), "0000000003");
  EXPECT_EQ(Field("PIUTKR2", "NOTA", "SJ1", "NOMOR"), "0000000003");
  EXPECT_DOUBLE_EQ(Number("PIUTDBT", "NOTA", "SJ1", "KREDIT"), 85500);
}

TEST_F(AdminReturnTest, NothingIsWrittenWithoutTheCounterOrTheReceivable) {
  AdminNote note;
  ASSERT_TRUE(LCGERSURATJALAN(rig.session, tables, "SJ1", &note));
  xbase::WorkArea& invoices = Open(rig.session, "PIUTDBT");
  ASSERT_TRUE(invoices.GoTo(1).ok() && invoices.Lock().ok() && invoices.Delete().ok() && invoices.Unlock().ok());
  std::string number;
  EXPECT_FALSE(SaveAdminReturn(rig.session, tables, note, &number).ok());
  EXPECT_EQ(Message(), "Piutang Invoice/Sj SJ1 tidak ada");
  ASSERT_TRUE(invoices.GoTo(1).ok() && invoices.Lock().ok() && invoices.Recall().ok() && invoices.Unlock().ok());
  xbase::WorkArea& setup = Open(rig.session, "SETUP");
  for (uint32_t row : LiveRows("SETUP")) {
    ASSERT_TRUE(setup.GoTo(row).ok());
    if (setup.Text("SETUP").starts_with("RETURADMIN")) {
      ASSERT_TRUE(setup.Lock().ok() && setup.Delete().ok() && setup.Unlock().ok());
    }
  }
  EXPECT_FALSE(SaveAdminReturn(rig.session, tables, note, &number).ok());
  EXPECT_TRUE(support::Shown(rig.term, "Setup RETURADMIN belum dibuat, hub. admin"));
  EXPECT_TRUE(LiveRows("RTJUAL1").empty());
  EXPECT_TRUE(LiveRows("PIUTKR2").empty());
  EXPECT_DOUBLE_EQ(Stock(), 50);
  EXPECT_EQ(Field("SRTJLN1", "INVOICE", "SJ1", "RET_ADM"), "");
}

TEST_F(AdminReturnTest, EscAtTheGoodsLockWritesNothingAndTheSameSaveLaterWritesAll) {
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::SettleSmallFolder(folder.path());
  for (const std::string& table : ReturnTables()) Open(rig.session, table);
  tables = OpenAdminReturnTables(rig.session);
  AdminNote note;
  ASSERT_TRUE(LCGERSURATJALAN(rig.session, tables, "SJ1", &note));
  support::OtherWorkstation other(folder.path());
  other.HoldKey("MASTBRJ", "BRG01");
  rig.term.AddKeys({console::key::kEsc, ' ', ' '});
  std::string number;
  EXPECT_FALSE(SaveAdminReturn(rig.session, tables, note, &number).ok());
  EXPECT_TRUE(support::Shown(rig.term, "Mencoba mengunci record 1 file MASTBRJ.Dbf, tekan [Esc]=batal...."));
  EXPECT_EQ(Message(), "Tidak ada yang tersimpan");
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(LiveRows("RTJUAL1").empty());
  EXPECT_TRUE(LiveRows("RTJUAL2").empty());
  EXPECT_TRUE(LiveRows("PIUTKR1").empty());
  EXPECT_TRUE(LiveRows("PIUTKR2").empty());
  EXPECT_DOUBLE_EQ(Stock(), -100);  // SJ1 delivered 100 pieces
  EXPECT_DOUBLE_EQ(Number("PIUTDBT", "NOTA", "SJ1", "KREDIT"), 0);
  EXPECT_EQ(Field("SRTJLN1", "INVOICE", "SJ1", "RET_ADM"), "");
  EXPECT_EQ(Field("SETUP", "SETUP", "RETURADMIN", "KET"), "0000000000");

  other.Release();
  EXPECT_EQ(Return("SJ1"), "RADM-0000000001");
  EXPECT_DOUBLE_EQ(Stock(), 0);
  EXPECT_DOUBLE_EQ(Number("PIUTDBT", "NOTA", "SJ1", "KREDIT"), 85500);
  support::ExpectVerified(folder.path());
}

}  // namespace
}  // namespace returns
