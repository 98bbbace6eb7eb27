// The head-office merge of a branch export set: documents replaced by key, the effects of replaced
// lines reversed before the incoming ones are applied, and a set merged twice counting once.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "exchange/exchange.h"
#include "console/keys.h"
#include "exchange/exchange_test_helpers.h"
#include "support/other_workstation.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"
#include "xbase/search_path.h"

namespace exchange {
namespace {

using exchange::testing::AddSetRows;
using exchange::testing::LiveRows;
using support::AddRows;
using support::N;
using support::Open;
using support::T;
using xbase::Date;
using xbase::Value;

const Date kDay = Date::FromYmd(2026, 12, 4);
Value Day(Date d) { return Value::FromDate(d); }
Value Flag(bool on) { return Value::Logical(on); }

// Every live table the merge writes.
const std::vector<std::string> kLiveTables = {
    "DATABM",  "BMONITOR", "BPOT_BPT", "BPOT_HDR", "BPOT_DTL", "MASTSLS", "MASTCUS", "RELASI_EXT", "BPBELI1", "BPBELI2",
    "MASTBRJ", "STOKBRG",  "GIRODBT",  "GIRO_PI",  "GIRO_RL",  "GIROKR1", "GIROKR2", "JUSTMEN",    "MTSDBT1", "MTSDBT2",
    "MTSKDT1", "MTSKDT2",  "PIUTDBT",  "PIUTJBL",  "PIUTKR1",  "PIUTKR2", "PRO_IN1", "PRO_IN2",    "PRO_OT1", "PRO_OT2",
    "RTBELI1", "RTBELI2",  "RTJUAL1",  "RTJUAL2",  "SLSODR1",  "SLSODR2", "SRTJLN1", "SRTJLN2",    "MEMADM1", "MEMADM2",
    "MEMDRV1", "MEMDRV2",  "MEMGDG1",  "MEMGDG2",  "MEMPJK1",  "MEMPJK2"};

class ImportTest : public ::testing::Test {
 protected:
  ImportTest() {
    EXPECT_TRUE(CreateExportSet(set.path()).ok());
    rig.session.SetSearchPath(folder.path());
    AddRows(Open(rig.session, "MASTBRJ"),
            {{{"KODE", T("A1")}, {"NAMA", T("PENA")}, {"JUMLAH", N(20)}, {"HRG_RATA", N(800)}}});
    AddRows(Open(rig.session, "STOKBRG"),
            {{{"KODE", T("A1")}, {"GUDANG", T("G1")}, {"JUMLAH", N(20)}, {"HRG_RATA", N(800)}}});
    // The head office holds SJ1 with three lines: a live one, a deleted one and a live one.
    AddRows(Open(rig.session, "SRTJLN1"), {{{"INVOICE", T("SJ1")}, {"RELASI", T("OLD")}}});
    xbase::WorkArea& lines = Open(rig.session, "SRTJLN2");
    AddRows(lines, {{{"INVOICE", T("SJ1")}, {"KODE", T("A1")}, {"GUDANG", T("G1")}, {"QUANTITY", N(2)}},
                    {{"INVOICE", T("SJ1")}, {"KODE", T("A1")}, {"GUDANG", T("G1")}, {"QUANTITY", N(7)}},
                    {{"INVOICE", T("SJ1")}, {"KODE", T("A1")}, {"GUDANG", T("G1")}, {"QUANTITY", N(3)}}});
    EXPECT_TRUE(lines.GoTo(2).ok() && lines.Lock().ok() && lines.Delete().ok() && lines.Unlock().ok());
    AddRows(Open(rig.session, "PIUTDBT"),
            {{{"NOTA", T("SJ0")}, {"RELASI", T("J0001")}, {"DEBET", N(9000)}, {"KREDIT", N(1000)}}});
    AddRows(Open(rig.session, "MASTCUS"), {{{"RELASI", T("J0001")}, {"NAMA", T("TB. SINAR")}, {"SALDO", N(9000)}}});
    AddRows(Open(rig.session, "GIRO_PI"),
            {{{"NOMOR", T("G1")}, {"PRO_IN", T("OLD1")}}, {{"NOMOR", T("G1")}, {"PRO_IN", T("OLD2")}}});
    AddRows(Open(rig.session, "MEMADM2"), {{{"KDCB", T("CAB2")}, {"NOMOR", T("MADM1")}, {"INVOICE", T("SJ1")}}});
    AddRows(Open(rig.session, "MEMGDG2"), {{{"KDCB", T("CAB2")}, {"NOMOR", T("MGDG1")}, {"INVOICE", T("SJ1")}},
                                           {{"KDCB", T("CAB2")}, {"NOMOR", T("MGDG1")}, {"INVOICE", T("SJ9")}}});
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());

    AddSetRows(set.path(), "exbl1", {{{"NO_BPB", T("BPB1")}, {"TANGGAL", Day(kDay)}}});
    AddSetRows(set.path(), "exbl2",
               {{{"NO_BPB", T("BPB1")},
                 {"KODE", T("A1")},
                 {"GUDANG", T("G1")},
                 {"QUANTITY", N(10)},
                 {"HARGA", N(1000)},
                 {"DISCOUNT", N(10)}},
                {{"NO_BPB", T("BPB1")},
                 {"KODE", T("NEW")},
                 {"GUDANG", T("G1")},
                 {"QUANTITY", N(5)},
                 {"HARGA", N(2000)},
                 {"DISCOUNT2", N(50)}}});
    AddSetRows(set.path(), "exbbm", {{{"KODE", T("NEW")}, {"NAMA", T("BINDER")}, {"HARGA", N(2500)}, {"DOS", N(48)}}});
    AddSetRows(set.path(), "exsjl1", {{{"INVOICE", T("SJ1")}, {"RELASI", T("C001")}, {"TANGGA", Day(kDay)}}});
    AddSetRows(set.path(), "exsjl2",
               {{{"INVOICE", T("SJ1")}, {"KODE", T("A1")}, {"GUDANG", T("G1")}, {"QUANTITY", N(5)}},
                {{"INVOICE", T("SJ1")}, {"KODE", T("A1")}, {"GUDANG", T("G1")}, {"QUANTITY", N(1)}}});
    // The branch's own balance of the customer is not the head office's.
    AddSetRows(set.path(), "exmcus", {{{"RELASI", T("J0001")}, {"NAMA", T("TB. SINAR JAYA")}, {"SALDO", N(123)}}});
    AddSetRows(set.path(), "expdb",
               {{{"NOTA", T("SJ1")}, {"RELASI", T("J0001")}, {"DEBET", N(5000)}, {"KREDIT", N(700)}},
                {{"NOTA", T("SJ0")}, {"RELASI", T("J0001")}, {"DEBET", N(9500)}, {"KREDIT", N(4000)}}});
    AddSetRows(set.path(), "expk1", {{{"KDCB", T("CAB2")}, {"NOMOR", T("TT1")}, {"TANGGAL", Day(kDay)}}});
    AddSetRows(
        set.path(), "expk2",
        {{{"KDCB", T("CAB2")}, {"NOMOR", T("TT1")}, {"NOTA", T("SJ1")}, {"KD_TT", T("CS")}, {"KREDIT", N(700)}}});
    AddSetRows(set.path(), "expjb",
               {{{"NOTA", T("SJ0")}, {"TANGGAL", Day(kDay)}, {"KREDIT", N(100)}, {"URUT", T("  7")}},
                {{"NOTA", T("SJ0")}, {"DEBET", N(50)}},
                {{"NOTA", T("SJ0")}, {"TANGGAL", Day(kDay)}},
                {{"NOTA", T("SJ0")}, {"TANGGAL", Day(kDay)}, {"DEBET", N(30)}, {"URUT", T("  9")}}});
    AddSetRows(set.path(), "exgrd", {{{"NOMOR", T("G1")}, {"DEBET", N(800)}}});
    AddSetRows(set.path(), "exgpi", {{{"NOMOR", T("G1")}, {"PRO_IN", T("PI1")}}});
    AddSetRows(set.path(), "exdb42", {{{"KDCB", T("CAB2")}, {"NOMOR", T("MGDG1")}, {"TANGGAL", Day(kDay)}}});
    AddSetRows(set.path(), "exdb43",
               {{{"KDCB", T("CAB2")},
                 {"NOMOR", T("MGDG1")},
                 {"INVOICE", T("SJ1")},
                 {"TG_KIRIM", Day(kDay)},
                 {"JAM_KIRIM", T("10:30")},
                 {"NOTES", T("DITERIMA")},
                 {"TERKIRIM", Flag(true)}},
                {{"KDCB", T("CAB2")}, {"NOMOR", T("MGDG1")}}});
  }

  support::TempDataFolder folder{kLiveTables};
  support::TempFolder set;
  support::SessionRig rig;
};

TEST_F(ImportTest, SetMergedTwiceCountsOnce) {
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    ASSERT_TRUE(PROSESIMPORDATA(rig.session, set.path()));
    ASSERT_TRUE(rig.session.tables().CloseAll().ok());
    // A1: 20 + 10 received, the old lines 2 and 3 taken back, 5 and 1 delivered; its average moved once
    // by the net price 900.
    EXPECT_EQ(LiveRows(rig.session, "MASTBRJ", {"KODE", "NAMA", "JUMLAH", "HRG_BELI", "HRG_RATA"}),
              (std::vector<std::string>{"A1|PENA|29|0.00|833.33", "NEW|BINDER|5|1000.00|1000.00"}));
    EXPECT_EQ(LiveRows(rig.session, "STOKBRG", {"KODE", "GUDANG", "JUMLAH"}),
              (std::vector<std::string>{"A1|G1|29", "NEW|G1|5"}));
    EXPECT_EQ(LiveRows(rig.session, "BPBELI2", {"KODE", "QUANTITY", "HRG_RATA"}),
              (std::vector<std::string>{"A1|10|833.33", "NEW|5|1000.00"}));
    // The deleted second row was recalled; the third, surplus, is deleted (and stays so).
    EXPECT_EQ(LiveRows(rig.session, "SRTJLN2", {"INVOICE", "QUANTITY"}),
              (std::vector<std::string>{"SJ1|5", "SJ1|1", "-SJ1|3"}));
    EXPECT_EQ(LiveRows(rig.session, "SRTJLN1", {"INVOICE", "RELASI"}), (std::vector<std::string>{"SJ1|C001"}));
    // Settled totals stay the head office's own, moved by the merged lines only: SJ1 by the receipt,
    // SJ0 by its two kept journal rows (-100 + 30).
    EXPECT_EQ(LiveRows(rig.session, "PIUTDBT", {"NOTA", "DEBET", "KREDIT"}),
              (std::vector<std::string>{"SJ0|9500.00|930.00", "SJ1|5000.00|700.00"}));
    // The customer's balance moved by the new receivable (5000) and the changed one (9000 to 9500).
    EXPECT_EQ(LiveRows(rig.session, "MASTCUS", {"RELASI", "NAMA", "SALDO"}),
              (std::vector<std::string>{"J0001|TB. SINAR JAYA|14500.00"}));
    EXPECT_EQ(LiveRows(rig.session, "PIUTJBL", {"NOTA", "DEBET", "KREDIT", "URUT"}),
              (std::vector<std::string>{"SJ0|0.00|100.00|1", "SJ0|30.00|0.00|2"}));
    EXPECT_EQ(LiveRows(rig.session, "GIRO_PI", {"NOMOR", "PRO_IN"}), (std::vector<std::string>{"G1|PI1", "-G1|OLD2"}));
    // The memo line without a delivery note frees its place; the outcome reaches the admin memo.
    EXPECT_EQ(LiveRows(rig.session, "MEMGDG2", {"INVOICE", "TERKIRIM"}), (std::vector<std::string>{"SJ1|T", "-SJ9|F"}));
    EXPECT_EQ(LiveRows(rig.session, "MEMADM2", {"INVOICE", "TERKIRIM", "TG_KIRIM", "JAM_KIRIM", "NOTES"}),
              (std::vector<std::string>{"SJ1|T|20261204|10:30|DITERIMA"}));
  }
}

TEST_F(ImportTest, MissingTableEndsTheMergeAfterTheGroupsBefore) {
  std::string file;
  ASSERT_TRUE(xbase::FindInFolder(set.path(), "exgk1.dbf", &file).ok());
  std::filesystem::remove(file);
  EXPECT_FALSE(PROSESIMPORDATA(rig.session, set.path()));
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_TRUE(support::Shown(rig.term, "exgk1"));
  EXPECT_EQ(LiveRows(rig.session, "BPBELI2", {"KODE"}), (std::vector<std::string>{"A1", "NEW"}));
  EXPECT_EQ(LiveRows(rig.session, "SRTJLN2", {"QUANTITY"}), (std::vector<std::string>{"2", "-7", "3"}));
}

// A lock given up at one document stops the import there: the groups before are merged whole, of that
// document nothing is written, and row 24 names the table and row it stopped at. Merged again once
// the lock is free, the set ends as if it had gone through at once.
TEST_F(ImportTest, EscAtADocumentsLockStopsTheImportBeforeItsFirstWrite) {
  support::OtherWorkstation other(folder.path());
  other.Hold("MEMADM2", 1);
  rig.term.AddKeys({console::key::kEsc, ' ', ' '});
  EXPECT_FALSE(PROSESIMPORDATA(rig.session, set.path()));
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::Shown(rig.term, "Mencoba mengunci file MEMADM2.Dbf, tekan [Esc]=batal...."));
  EXPECT_TRUE(support::Shown(rig.term, "Impor berhenti di exdb42 record 1 (CAB2  MGDG1): dokumen ini tidak tersimpan"));
  EXPECT_EQ(LiveRows(rig.session, "SRTJLN2", {"INVOICE", "QUANTITY"}),
            (std::vector<std::string>{"SJ1|5", "SJ1|1", "-SJ1|3"}));
  EXPECT_EQ(LiveRows(rig.session, "PIUTDBT", {"NOTA", "DEBET", "KREDIT"}),
            (std::vector<std::string>{"SJ0|9500.00|930.00", "SJ1|5000.00|700.00"}));
  EXPECT_TRUE(LiveRows(rig.session, "MEMGDG1", {"NOMOR"}).empty());
  EXPECT_EQ(LiveRows(rig.session, "MEMGDG2", {"INVOICE", "TERKIRIM"}), (std::vector<std::string>{"SJ1|F", "SJ9|F"}));
  EXPECT_EQ(LiveRows(rig.session, "MEMADM2", {"INVOICE", "TERKIRIM", "NOTES"}), (std::vector<std::string>{"SJ1|F|"}));

  other.Release();
  ASSERT_TRUE(PROSESIMPORDATA(rig.session, set.path()));
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_EQ(LiveRows(rig.session, "PIUTDBT", {"NOTA", "DEBET", "KREDIT"}),
            (std::vector<std::string>{"SJ0|9500.00|930.00", "SJ1|5000.00|700.00"}));
  EXPECT_EQ(LiveRows(rig.session, "MEMGDG2", {"INVOICE", "TERKIRIM"}), (std::vector<std::string>{"SJ1|T", "-SJ9|F"}));
  EXPECT_EQ(LiveRows(rig.session, "MEMADM2", {"INVOICE", "TERKIRIM", "NOTES"}),
            (std::vector<std::string>{"SJ1|T|DITERIMA"}));
}

}  // namespace
}  // namespace exchange
