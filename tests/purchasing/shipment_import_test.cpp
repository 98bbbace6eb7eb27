// The shipment-document import: a document becomes a goods receipt with its stock, average costs,
// purchase-order and receipt numbers; documents already imported and bad rows are refused.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "purchasing/purchasing.h"
#include "purchasing/shipment_import.h"
#include "support/damaged_tables.h"
#include "support/data_folder.h"
#include "support/other_workstation.h"
#include "support/scripted_session.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"
#include "xbase/text_functions.h"

namespace purchasing {
namespace {

namespace key = console::key;
using support::AddRows;
using support::Keys;
using support::Line;
using support::N;
using support::Open;
using support::T;

class ShipmentImportTest : public ::testing::Test {
 protected:
  ShipmentImportTest() {
    frame::Session& s = rig.session;
    s.SetSearchPath(folder.path());
    s.MMEMBER.nik = "ADM01";
    s.MMEMBER.warehouse = "G1";
    AddRows(Open(s, "SETUP"), {{{"SETUP", T("TMPFILEIMP")}, {"KET", T(folder.path())}},
                               {{"SETUP", T("KUVOCABANG")}, {"KET", T("CB09")}},
                               {{"SETUP", T("NO_PO_PEB")}, {"KET", T("0000000041")}},
                               {{"SETUP", T("NO_BPB_PEB")}, {"KET", T("0000000007")}}});
    AddRows(Open(s, "MASTGDG"), {{{"GUDANG", T("G1")}, {"KDCB", T("CB01")}, {"NAMA", T("GUDANG UTAMA")}}});
    AddRows(Open(s, "MASTBRJ"), {{{"KODE", T("A1")}, {"NAMA", T("BUKU TULIS")}, {"JUMLAH", N(50)}, {"HRG_RATA", N(800)}},
                                 {{"KODE", T("A2")}, {"NAMA", T("PENGHAPUS")}, {"JUMLAH", N(10)}, {"HRG_RATA", N(500)}}});
    AddRows(Open(s, "STOKBRG"), {{{"KODE", T("A1")}, {"GUDANG", T("G1")}, {"JUMLAH", N(50)}, {"HRG_RATA", N(800)}},
                                 {{"KODE", T("A2")}, {"GUDANG", T("G1")}, {"JUMLAH", N(10)}, {"HRG_RATA", N(500)}}});
    AddRows(Open(s, "DTA_PEB"), {{{"NOMOR", T("OLD")}, {"NO_PO", T("0000000042")}, {"NO_BPB", T("0000000001")}}});
    AddRows(Open(s, "PEB_HDR"), {{{"NO_BPB", T("PEB1")}, {"SUPLIER", T("S1")}, {"CODE_ID", T("01")}},
                                 {{"NO_BPB", T("PEB2")}, {"SUPLIER", T("S1")}}});
    AddRows(Open(s, "PEB_DTL"),
            {{{"NO_BPB", T("PEB1")}, {"KODE", T("A1")}, {"QUANTITY", N(100)}, {"HARGA", N(1250)}, {"DISCOUNT", N(20)},
              {"DISCOUNT2", N(4)}, {"URUTAN", T("  1")}},
             {{"NO_BPB", T("PEB1")}, {"KODE", T("A2")}, {"QUANTITY", N(10)}, {"HARGA", N(700)}, {"DISCOUNT", N(100)},
              {"URUTAN", T("  2")}},
             {{"NO_BPB", T("PEB2")}, {"KODE", T("A1")}, {"QUANTITY", N(5)}, {"HARGA", N(900)}},
             {{"NO_BPB", T("PEB2")}, {"KODE", T("")}, {"QUANTITY", N(5)}, {"HARGA", N(900)}}});
    AddRows(Open(s, "PEB_MST"), {{{"KODE", T("A1")}, {"NAMA", T("BUKU TULIS")}}});
    EXPECT_TRUE(s.tables().CloseAll().ok());
  }

  // The keys that import `number` with the answers offered, then leave the box.
  static std::vector<int> ImportKeys(const std::string& number) {
    return Keys({{key::kEnter, key::kEnter}, Line(number), {key::kEnter}, {'y'}, {key::kEnter}, {key::kEsc}});
  }

  xbase::WorkArea& Row(const std::string& table, uint32_t recno) {
    xbase::WorkArea& area = Open(rig.session, table);
    EXPECT_TRUE(area.GoTo(recno).ok());
    return area;
  }

  support::TempDataFolder folder{{"SETUP", "MASTGDG", "MASTBRJ", "STOKBRG", "BPBELI1", "BPBELI2", "DTA_PEB", "PEB_HDR",
                                  "PEB_DTL", "PEB_MST", "MASTSUP"}};
  support::SessionRig rig;
};

TEST_F(ShipmentImportTest, ADocumentBecomesAReceiptWithItsStockAveragesAndNumbers) {
  rig.term.AddKeys(ImportKeys("PEB1"));
  ASSERT_TRUE(IMPPEB(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "PEB PEB1 masuk dg No. PO 0000000043, No. BPB 0000000008"));
  EXPECT_TRUE(support::Shown(rig.term, "JUMLAH BRUTO"));
  EXPECT_FALSE(support::Shown(rig.term, "CASH DISCOUNT"));

  xbase::WorkArea& header = Row("BPBELI1", 1);
  EXPECT_EQ(header.Text("NO_BPB"), "PEB1" + std::string(16, ' '));
  EXPECT_EQ(header.Text("SUPLIER"), "S1        ");
  EXPECT_EQ(header.Text("KDCB"), "CB01  ");  // the warehouse's branch
  EXPECT_EQ(header.Text("GUDANG"), "G1    ");
  EXPECT_EQ(header.Text("CODE_ID"), "01  ");
  EXPECT_EQ(header.Text("OPERATOR"), "ADM01     ");
  EXPECT_EQ(xbase::RTrim(header.Text("NOTES")), "PEB dari DL");
  EXPECT_TRUE(header.Logical("CETAK"));
  EXPECT_EQ(header.DateOf("TANGGAL"), xbase::Date::FromYmd(2026, 12, 8));

  // 1,250 less 20 % and 4 % is 960 net: (50 x 800 + 100 x 960) / 150 in both tables.
  EXPECT_EQ(Row("BPBELI2", 1).Number("HRG_RATA"), 906.67);
  EXPECT_EQ(Row("MASTBRJ", 1).Number("JUMLAH"), 150);
  EXPECT_EQ(Row("MASTBRJ", 1).Number("HRG_RATA"), 906.67);
  EXPECT_EQ(Row("STOKBRG", 1).Number("JUMLAH"), 150);
  EXPECT_EQ(Row("STOKBRG", 1).Number("HRG_RATA"), 906.67);
  // The free line halves the master's average and leaves the warehouse's, whose net price is 0.
  EXPECT_EQ(Row("BPBELI2", 2).Number("HRG_RATA"), 250);
  EXPECT_EQ(Row("MASTBRJ", 2).Number("HRG_RATA"), 250);
  EXPECT_EQ(Row("STOKBRG", 2).Number("JUMLAH"), 20);
  EXPECT_EQ(Row("STOKBRG", 2).Number("HRG_RATA"), 500);

  // Order 42 is taken, so 43; a week before the 8th is the 1st, so a day earlier.
  xbase::WorkArea& done = Row("DTA_PEB", 2);
  EXPECT_EQ(done.Text("NO_PO"), "0000000043");
  EXPECT_EQ(done.Text("NO_BPB"), "0000000008");
  EXPECT_EQ(done.DateOf("TG_PO"), xbase::Date::FromYmd(2026, 11, 30));
  EXPECT_EQ(done.DateOf("TG_BPB"), xbase::Date::FromYmd(2026, 12, 8));
  EXPECT_EQ(Row("SETUP", 3).Text("KET").substr(0, 10), "0000000043");
  EXPECT_EQ(Row("SETUP", 4).Text("KET").substr(0, 10), "0000000008");
}

TEST_F(ShipmentImportTest, ADocumentAlreadyImportedIsRefusedBeforeAnythingIsWritten) {
  rig.term.AddKeys(ImportKeys("PEB1"));
  ASSERT_TRUE(IMPPEB(rig.session, {}).ok());
  rig.term.AddKeys(Keys({{key::kEnter, key::kEnter}, Line("PEB1"), {key::kEnter}, {key::kEsc}, {key::kEsc}}));
  ASSERT_TRUE(IMPPEB(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "PEB PEB1 sudah diimpor"));
  EXPECT_EQ(Open(rig.session, "BPBELI1").table().record_count(), 1u);
  EXPECT_EQ(Open(rig.session, "BPBELI2").table().record_count(), 2u);
  EXPECT_EQ(Row("STOKBRG", 1).Number("JUMLAH"), 150);

  // Imported by another workstation between the check and the save: the save writes nothing and says so.
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  const frame::OpenedTables tables = OpenShipmentTables(rig.session);
  ASSERT_TRUE(tables);
  Shipment shipment;
  shipment.warehouse = "G1";
  shipment.number = "PEB2";
  rig.term.AddKeys({key::kEnter});
  EXPECT_FALSE(CheckShipment(rig.session, tables, &shipment));  // its second line has no code
  EXPECT_TRUE(support::Shown(rig.term, "PEB PEB2 baris 2: kode barang kosong, tidak diimpor"));
  AddRows(Open(rig.session, "PEB_HDR"), {{{"NO_BPB", T("PEB3")}, {"SUPLIER", T("S2")}}});
  shipment.number = "PEB3";
  ASSERT_TRUE(CheckShipment(rig.session, tables, &shipment));
  AddRows(Open(rig.session, "BPBELI1"), {{{"NO_BPB", T("PEB3")}}});
  rig.term.AddKeys({key::kEnter});
  EXPECT_FALSE(SaveShipment(rig.session, tables, &shipment).ok());
  EXPECT_TRUE(support::Shown(rig.term, "PEB PEB3 sudah diimpor, tidak ada yang ditulis"));
  EXPECT_EQ(Open(rig.session, "DTA_PEB").table().record_count(), 2u);
  EXPECT_EQ(Row("SETUP", 3).Text("KET").substr(0, 10), "0000000043");
}

TEST_F(ShipmentImportTest, EscAtTheStockOfTheSecondLineWritesNoPartOfTheReceipt) {
  support::SettleSmallFolder(folder.path());
  support::OtherWorkstation other(folder.path());
  other.Hold("STOKBRG", 2);
  rig.term.AddKeys(Keys({{key::kEnter, key::kEnter}, Line("PEB1"), {key::kEnter}, {'y'}, {key::kEsc, ' ', ' '},
                         {key::kEsc}}));
  ASSERT_TRUE(IMPPEB(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "Mencoba mengunci record 2 file"));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  EXPECT_FALSE(support::Shown(rig.term, "PEB PEB1 masuk dg No. PO"));
  EXPECT_EQ(Open(rig.session, "BPBELI1").table().record_count(), 0u);
  EXPECT_EQ(Open(rig.session, "BPBELI2").table().record_count(), 0u);
  EXPECT_EQ(Open(rig.session, "DTA_PEB").table().record_count(), 1u);
  EXPECT_EQ(Row("STOKBRG", 1).Number("JUMLAH"), 0);  // no movement brought any
  EXPECT_EQ(Row("MASTBRJ", 1).Number("JUMLAH"), 0);
  EXPECT_EQ(Row("SETUP", 3).Text("KET").substr(0, 10), "0000000041");
  EXPECT_EQ(Row("SETUP", 4).Text("KET").substr(0, 10), "0000000007");

  other.Release();
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  rig.term.AddKeys(ImportKeys("PEB1"));
  ASSERT_TRUE(IMPPEB(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "PEB PEB1 masuk dg No. PO 0000000043, No. BPB 0000000008"));
  EXPECT_EQ(Row("STOKBRG", 1).Number("JUMLAH"), 100);
  EXPECT_EQ(Row("STOKBRG", 2).Number("JUMLAH"), 10);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::ExpectVerified(folder.path());
}

TEST_F(ShipmentImportTest, TheReceiptKeepsEveryFieldOfTheDocumentAndItsRecordReadsBack) {
  AddRows(Open(rig.session, "PEB_HDR"), {{{"NO_BPB", T("PEB4")}, {"SUPLIER", T("S4")}}});
  AddRows(Open(rig.session, "PEB_DTL"),
          {{{"NO_BPB", T("PEB4")}, {"KODE", T("A2")}, {"Q_BOX", N(2)}, {"Q_PAK", N(3)}, {"Q_PCS", N(4)},
            {"QUANTITY", N(64)}, {"HARGA", N(512.25)}, {"DISCOUNT", N(2.5)}, {"DISCOUNT2", N(1.25)},
            {"KTR", T("BONUS PROMO")}, {"URUTAN", T("  7")}}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  rig.term.AddKeys(ImportKeys("PEB4"));
  ASSERT_TRUE(IMPPEB(rig.session, {}).ok());
  ASSERT_TRUE(support::Shown(rig.term, "PEB PEB4 masuk dg No. PO 0000000043, No. BPB 0000000008"));

  xbase::WorkArea& line = Row("BPBELI2", 1);
  xbase::WorkArea& source = Row("PEB_DTL", 5);
  for (const char* field : {"NO_BPB", "KODE", "KTR", "URUTAN"}) EXPECT_EQ(line.Text(field), source.Text(field)) << field;
  for (const char* field : {"Q_BOX", "Q_PAK", "Q_PCS", "QUANTITY", "HARGA", "DISCOUNT", "DISCOUNT2"}) {
    EXPECT_EQ(line.Number(field), source.Number(field)) << field;
  }
  EXPECT_EQ(line.Text("GUDANG"), "G1    ");
  EXPECT_EQ(line.Number("HRG_RATA"), 494.12);  // (10 x 500 + 64 x 493.21) / 74

  Shipment done;
  ASSERT_TRUE(ShipmentRecord().Read(Row("DTA_PEB", 2), &done).ok());
  EXPECT_EQ(xbase::RTrim(done.number), "PEB4");
  EXPECT_EQ(xbase::RTrim(done.supplier), "S4");
  EXPECT_EQ(done.po, "0000000043");
  EXPECT_EQ(done.po_date, xbase::Date::FromYmd(2026, 11, 30));
  EXPECT_EQ(done.receipt, "0000000008");
  EXPECT_EQ(done.receipt_date, xbase::Date::FromYmd(2026, 12, 8));
}

// A receipt whose lines cannot be read is not printed in part: the failure is told and the
// number is asked again.
TEST_F(ShipmentImportTest, AReceiptWhoseLinesCannotBeReadIsNotPrinted) {
  rig.term.AddKeys(ImportKeys("PEB1"));
  ASSERT_TRUE(IMPPEB(rig.session, {}).ok());
  for (const char* table : {"DTA_PEB", "BPBELI1", "BPBELI2", "MASTSUP", "MASTBRJ"}) Open(rig.session, table);
  // Another program damages the index of the receipt's lines while the tables are open.
  support::DamageIndexPages(folder.path(), "BPBELI2");

  rig.term.AddKeys(Keys({Line("PEB1"), {' ', key::kEsc}}));
  ASSERT_TRUE(CTKBPPEB(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, ".ntx"));
  EXPECT_FALSE(support::Shown(rig.term, "Printer Dot Matrix"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
}

}  // namespace
}  // namespace purchasing
