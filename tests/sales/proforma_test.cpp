// Proforma invoices: the number from the counter, the slow-moving target, the printed prices, the
// correction refusals, and a proforma through its delivery note, the cancellation and the recount.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "frame/open_table.h"
#include "sales/proforma.h"
#include "sales/proforma_note.h"
#include "sales/sales.h"
#include "sales/sales_site_helpers.h"
#include "sales/tax_invoice.h"
#include "support/damaged_tables.h"
#include "support/data_folder.h"
#include "support/other_workstation.h"
#include "support/scripted_session.h"
#include "support/verified_folder.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

namespace key = console::key;
using support::Line;
using support::N;
using support::Shown;
using support::T;

class ProformaTest : public ::testing::Test {
 protected:
  // A proforma of 400 SC0002 at 5,000 less 5 % for the modern-market customer J0005.
  Proforma NewProforma() {
    Proforma proforma;
    proforma.customer = xbase::PadR("J0005", 10);
    proforma.type = "01";
    proforma.salesman = "S001";
    proforma.branch = "JKT001";
    proforma.code_id = "0   ";
    proforma.group = "MODN";
    proforma.date = kToday;
    AddProformaLine(&proforma.lines, 5, 0);
    Type(&proforma, kPfCode, T("SC0002"));
    Type(&proforma, kPfCartons, N(2));
    return proforma;
  }

  // Logs in and saves NewProforma as PI000042, the counter standing at PI000041; its tables closed after.
  void SaveProformaNumbered42() {
    site.Put("SETUP", "SETUP", "PROIJKT001", "KET", T("PI000041"));
    site.LogIn(rig.session);
    ASSERT_TRUE(OpenProformaTables(rig.session));
    Proforma proforma = NewProforma();
    rig.term.AddKeys({'Y', key::kEnter});
    ASSERT_TRUE(SaveNewProforma(rig.session, &proforma));
    rig.session.CloseTables();
  }

  void Type(Proforma* proforma, ProformaColumn column, const xbase::Value& value) {
    xbase::Value typed = value;
    EXPECT_TRUE(CheckProformaCell(rig.session, &typed, column, proforma, 1));
    proforma->lines[0][static_cast<size_t>(column - 1)] = typed;
  }

  bool TypeNote(ProformaNote* note, int line, ProformaNoteColumn column, const xbase::Value& value) {
    xbase::Value typed = value;
    const bool ok = CheckProformaNoteCell(rig.session, &typed, column, note, line);
    note->lines[static_cast<size_t>(line - 1)][static_cast<size_t>(column - 1)] = typed;
    return ok;
  }

  SalesSite site;
  support::SessionRig rig;
};

TEST_F(ProformaTest, ANewProformaTakesTheCountersNextNumberWithItsPrefix) {
  site.Put("SETUP", "SETUP", "PROIJKT001", "KET", T("PI000041"));
  site.LogIn(rig.session);
  ASSERT_TRUE(OpenProformaTables(rig.session));
  Proforma proforma = NewProforma();
  EXPECT_DOUBLE_EQ(PfFigure(proforma.lines[0], kPfQuantity), 400);
  EXPECT_DOUBLE_EQ(PfFigure(proforma.lines[0], kPfPrice), 5000);  // J0005 buys at HPP
  rig.term.AddKeys({'Y', key::kEnter});
  ASSERT_TRUE(SaveNewProforma(rig.session, &proforma));
  EXPECT_TRUE(Shown(rig.term, "Nomor Proforma ini adalah PI000042"));
  rig.session.CloseTables();
  EXPECT_EQ(site.Field("SETUP", "SETUP", "PROIJKT001", "KET").substr(0, 8), "PI000042");
  EXPECT_EQ(site.Field("PRO_IN1", "PRO_IN11", "PI000042", "RELASI"), xbase::PadR("J0005", 10));
  EXPECT_EQ(site.Number("PRO_IN1", "PRO_IN11", "PI000042", "NILAI_PI"), 400 * 5000 * 0.95);
  EXPECT_EQ(site.Field("PRO_IN2", "PRO_IN21", "PI000042", "KODE"), xbase::PadR("SC0002", 10));
  EXPECT_EQ(site.Number("PRO_IN2", "PRO_IN21", "PI000042", "I_BOX"), 2);
  EXPECT_EQ(site.Field("PRO_IN2", "PRO_IN21", "PI000042", "URUT"), "  1");
}

TEST_F(ProformaTest, EscAtTheCounterRowWritesNoProforma) {
  site.Put("SETUP", "SETUP", "PROIJKT001", "KET", T("PI000041"));
  site.LogIn(rig.session);
  ASSERT_TRUE(OpenProformaTables(rig.session));
  Proforma proforma = NewProforma();
  const uint32_t stored = site.Count("PRO_IN1");
  support::OtherWorkstation other(site.data());
  other.HoldKey("SETUP", "PROIJKT001");
  rig.term.AddKeys({'Y', key::kEsc, ' ', ' '});
  EXPECT_FALSE(SaveNewProforma(rig.session, &proforma));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(site.Count("PRO_IN1"), stored);
  EXPECT_EQ(site.Field("SETUP", "SETUP", "PROIJKT001", "KET").substr(0, 8), "PI000041");

  other.Release();
  rig.term.AddKeys({'Y', key::kEnter});
  ASSERT_TRUE(SaveNewProforma(rig.session, &proforma));
  EXPECT_TRUE(Shown(rig.term, "Nomor Proforma ini adalah PI000042"));
  rig.session.CloseTables();
  EXPECT_EQ(site.Count("PRO_IN1"), stored + 1);
  support::ExpectVerified(site.data());
}

TEST_F(ProformaTest, ASlowMovingTargetOrAMissingCounterRefusesTheSave) {
  site.Add("SETUP", {{{"SETUP", T("TYPE01MODN")}, {"KET", T("50")}}});
  site.LogIn(rig.session);
  ASSERT_TRUE(OpenProformaTables(rig.session));
  Proforma proforma = NewProforma();
  rig.term.AddKeys({' '});
  EXPECT_FALSE(SaveNewProforma(rig.session, &proforma));
  EXPECT_TRUE(Shown(rig.term, "Target SlowMoving  50.00% tidak tercapai"));
  proforma.type = "02";
  proforma.branch = "BDG001";
  rig.term.AddKeys({'Y', ' '});
  EXPECT_FALSE(SaveNewProforma(rig.session, &proforma));
  EXPECT_TRUE(Shown(rig.term, "Setup Nomerator Proforma belum Ada, minta ke Finance"));
  rig.session.CloseTables();
  EXPECT_EQ(site.Count("PRO_IN1"), 1u);  // the demo's own
}

TEST_F(ProformaTest, PricesPrintWithOrWithoutVatAndDiscounts) {
  const PrintedPrice both = ProformaPrice(3, 11100, 10, 0, 11, true, true, false);
  EXPECT_DOUBLE_EQ(both.unit, 10000);
  EXPECT_DOUBLE_EQ(both.amount, 27000);
  const PrintedPrice vat_only = ProformaPrice(3, 11100, 10, 0, 11, true, false, false);
  EXPECT_DOUBLE_EQ(vat_only.unit, 9000);
  EXPECT_DOUBLE_EQ(vat_only.amount, 27000);
  const PrintedPrice discounts_only = ProformaPrice(3, 11100, 10, 0, 11, false, true, false);
  EXPECT_DOUBLE_EQ(discounts_only.unit, 11100);
  EXPECT_DOUBLE_EQ(discounts_only.amount, 29970);
  const PrintedPrice neither = ProformaPrice(3, 11100, 10, 0, 11, false, false, false);
  EXPECT_DOUBLE_EQ(neither.unit, 9990);
  EXPECT_DOUBLE_EQ(neither.amount, 29970);
  // Rounded to whole units: 1,005 less 10 % is 904.50, rounded 905.
  EXPECT_DOUBLE_EQ(ProformaPrice(11, 1005, 10, 0, 10, true, true, true).amount, 9050);
  EXPECT_DOUBLE_EQ(ProformaPrice(11, 1005, 10, 0, 10, false, false, true).unit, 905);
}

TEST_F(ProformaTest, AProformaThroughItsDeliveryNoteCancellationAndRecount) {
  // A good of the same kind as SC0002 (the same HARGA4) may be shipped in its place.
  site.Add("MASTBRJ", {{{"KODE", T("SC0002B")}, {"NAMA", T("BUKU TULIS 58 BIRU")}, {"HARGA4", N(4500)}, {"DOS", N(200)},
                        {"PAK", N(10)}, {"JUMLAH", N(500)}}});
  site.Add("STOKBRG", {{{"KODE", T("SC0002B")}, {"GUDANG", T("GDG01")}, {"JUMLAH", N(500)}}});
  site.LogIn(rig.session);
  ASSERT_TRUE(OpenProformaNoteTables(rig.session));
  ProformaNote note;
  note.proforma = xbase::PadR("PD000001", 20);
  note.number = xbase::PadR("SJP-01", 20);
  note.date = kToday;
  ASSERT_TRUE(LoadNoteProforma(rig.session, &note));
  EXPECT_EQ(xbase::RTrim(note.customer), "J0005");
  EXPECT_DOUBLE_EQ(note.maximum, (1000 * 3500 + 600 * 5000) * 0.95);
  EXPECT_TRUE(CheckNoteCustomer(rig.session, note));
  AddProformaNoteLine(&note.lines, "GDG01");
  ASSERT_TRUE(TypeNote(&note, 1, kPnCode, T("SC0001")));
  ASSERT_TRUE(TypeNote(&note, 1, kPnQuantity, N(200)));
  AddProformaNoteLine(&note.lines, "GDG01");
  ASSERT_TRUE(TypeNote(&note, 2, kPnCode, T("SC0002")));
  rig.term.AddKeys({' '});
  EXPECT_FALSE(TypeNote(&note, 2, kPnShipped, T("SC0003")));
  EXPECT_TRUE(Shown(rig.term, "Barang harus sejenis"));
  ASSERT_TRUE(TypeNote(&note, 2, kPnShipped, T("SC0002B")));
  ASSERT_TRUE(TypeNote(&note, 2, kPnCartons, N(0)));
  ASSERT_TRUE(TypeNote(&note, 2, kPnPieces, N(100)));
  {
    // Esc while another workstation holds the customer: no note, no stock moved, nothing realised.
    support::OtherWorkstation other(site.data());
    other.HoldKey("MASTCUS", "J0005");
    rig.term.AddKeys({'Y', key::kEsc, ' ', ' '});
    EXPECT_FALSE(SaveProformaNote(rig.session, note));
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_EQ(site.Field("SRTJLN1", "SRTJLN11", "SJP-01", "INVOICE"), "<not found>");
    EXPECT_EQ(site.Field("PRO_OT1", "PRO_OT11", "SJP-01", "NOMOR"), "<not found>");
    EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0001", "JUMLAH"), 4000);
    EXPECT_EQ(site.Number("PRO_IN2", "PRO_IN22", "PD000001            SC0001", "REALISASI"), 0);
  }
  rig.term.AddKeys({'Y'});
  ASSERT_TRUE(SaveProformaNote(rig.session, note));
  rig.session.CloseTables();

  const double value = (200 * 3500 + 100 * 5000) * 0.95;
  EXPECT_EQ(site.Field("SRTJLN1", "SRTJLN11", "SJP-01", "NOMOR"), xbase::PadR("PD000001", 15));
  EXPECT_EQ(site.Field("SRTJLN1", "SRTJLN11", "SJP-01", "KTR2"), xbase::PadR("TIDAK UNTUK TAGIHAN", 20));
  EXPECT_EQ(site.Field("SRTJLN1", "SRTJLN11", "SJP-01", "PROFORMA"), ".T.");
  EXPECT_EQ(site.Field("SRTJLN2", "SRTJLN23", "SJP-01                2", "KODE"), xbase::PadR("SC0002B", 10));
  EXPECT_EQ(site.Field("SRTJLN2", "SRTJLN23", "SJP-01                2", "URUTAN"), "  2");
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0001", "JUMLAH"), 3800);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0002B", "JUMLAH"), 400);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0002", "JUMLAH"), 3000);
  EXPECT_EQ(site.Number("PRO_IN2", "PRO_IN22", "PD000001            SC0001", "REALISASI"), 200);
  EXPECT_EQ(site.Number("PRO_IN2", "PRO_IN22", "PD000001            SC0002", "REALISASI"), 100);
  EXPECT_EQ(site.Field("PRO_OT2", "PRO_OT22", "PD000001            SC0002", "KD_KIRIM"), xbase::PadR("SC0002B", 10));
  EXPECT_EQ(site.Number("PRO_OT1", "PRO_OT11", "SJP-01", "NILAI_SJ"), value);
  EXPECT_EQ(site.Number("PIUTDBT", "PIUTDBT1", "SJP-01", "DEBET"), value);
  EXPECT_EQ(site.BalanceMoved("J0005"), value);

  // Once delivered on, the proforma cannot be corrected.
  ASSERT_TRUE(OpenProformaTables(rig.session));
  Proforma loaded;
  loaded.number = xbase::PadR("PD000001", 20);
  rig.term.AddKeys({' '});
  EXPECT_FALSE(LoadProforma(rig.session, &loaded));
  EXPECT_TRUE(Shown(rig.term, "Proforma ini sudah ada realisasinya tidak boleh diralat lagi"));
  rig.session.CloseTables();

  // Esc while another workstation holds the note's receivable: nothing of the cancellation is written.
  {
    support::OtherWorkstation other(site.data());
    other.HoldKey("PIUTDBT", "SJP-01");
    rig.term.AddKeys(support::Keys({Line("SJP-01"), {'Y', key::kEsc, ' ', ' ', key::kEsc}}));
    ASSERT_TRUE(J1606(rig.session, {}).ok());
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_TRUE(support::Shown(rig.term, " file PIUTDBT.Dbf, tekan [Esc]=batal...."));
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
    EXPECT_EQ(site.Field("SRTJLN1", "SRTJLN11", "SJP-01", "BATAL"), ".F.");
    EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0001", "JUMLAH"), 3800);
    EXPECT_EQ(site.Number("PRO_IN2", "PRO_IN22", "PD000001            SC0001", "REALISASI"), 200);
    EXPECT_EQ(site.Number("PIUTDBT", "PIUTDBT1", "SJP-01", "DEBET"), value);
    EXPECT_EQ(site.BalanceMoved("J0005"), value);
  }

  // The cancellation gives everything back; a note of last month is refused.
  site.Add("SRTJLN1", {{{"INVOICE", T("SJP-OLD")}, {"PROFORMA", xbase::Value::Logical(true)},
                        {"TANGGAL", xbase::Value::FromDate(xbase::Date::FromYmd(2026, 11, 30))}}});
  rig.term.AddKeys(support::Keys({Line("SJP-OLD"), {' ', key::kHome}, console::ScriptedTerminal::Typed("SJP-01"), {key::kDel, key::kEnter, 'Y', key::kEsc}}));
  ASSERT_TRUE(J1606(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown(rig.term, "sudah tidak boleh dibatalkan, karena beda bulan "));
  EXPECT_TRUE(Shown(rig.term, "yakin SJ SJP-01 u/ Proforma PD000001 akan dibatalkan (Y/T)"));
  EXPECT_EQ(site.Field("SRTJLN1", "SRTJLN11", "SJP-01", "BATAL"), ".T.");
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0001", "JUMLAH"), 4000);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0002B", "JUMLAH"), 500);
  EXPECT_EQ(site.Number("PRO_IN2", "PRO_IN22", "PD000001            SC0001", "REALISASI"), 0);
  EXPECT_EQ(site.Number("PIUTDBT", "PIUTDBT1", "SJP-01", "DEBET"), 0);
  EXPECT_EQ(site.BalanceMoved("J0005"), 0);
  EXPECT_EQ(site.Number("PRO_OT1", "PRO_OT11", "SJP-01", "NILAI_SJ"), 0);

  // A recount finds the same realisations.
  site.Put("PRO_IN2", "PRO_IN22", "PD000001            SC0002", "REALISASI", N(77));
  {
    // Esc while another workstation holds a note: no line is cleared, no note recounted.
    support::OtherWorkstation other(site.data());
    other.Hold("PRO_OT1", 1);
    rig.term.AddKeys({'Y', key::kEsc, ' ', ' '});
    ASSERT_TRUE(J1609(rig.session, {}).ok());
    EXPECT_TRUE(Shown(rig.term, "Mencoba mengunci file PRO_OT1.Dbf, tekan [Esc]=batal...."));
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_EQ(site.Number("PRO_IN2", "PRO_IN22", "PD000001            SC0002", "REALISASI"), 77);
  }
  rig.term.AddKeys({'Y', ' '});
  ASSERT_TRUE(J1609(rig.session, {}).ok());
  EXPECT_EQ(site.Number("PRO_IN2", "PRO_IN22", "PD000001            SC0002", "REALISASI"), 0);
  site.ExpectSoundIndexes();
}

// The proforma's records of a note read back through their bindings hold the note and its line as
// saved, with the figures written beside them.
TEST_F(ProformaTest, TheRecordsOfANoteReadBackAsTheNoteWasSaved) {
  site.LogIn(rig.session);
  ASSERT_TRUE(OpenProformaNoteTables(rig.session));
  ProformaNote note;
  note.proforma = xbase::PadR("PD000001", 20);
  note.number = xbase::PadR("SJP-07", 20);
  note.date = kToday;
  ASSERT_TRUE(LoadNoteProforma(rig.session, &note));
  AddProformaNoteLine(&note.lines, "GDG01");
  ASSERT_TRUE(TypeNote(&note, 1, kPnCode, T("SC0001")));
  ASSERT_TRUE(TypeNote(&note, 1, kPnCartons, N(1)));
  ASSERT_TRUE(TypeNote(&note, 1, kPnPieces, N(7)));
  rig.term.AddKeys({'Y'});
  ASSERT_TRUE(SaveProformaNote(rig.session, note));
  rig.session.CloseTables();

  xbase::WorkArea& out = support::Open(rig.session, "PRO_OT1");
  ASSERT_TRUE(out.GoTo(1).ok());
  ProformaNote stored;
  ASSERT_TRUE(ProformaNoteRecord().Read(out, &stored).ok());
  EXPECT_EQ(stored.number, note.number);
  EXPECT_EQ(stored.proforma, note.proforma);
  EXPECT_EQ(stored.date, kToday);
  EXPECT_EQ(stored.code_id, out.PadToField("CODE_ID", note.code_id));
  EXPECT_EQ(out.DateOf("AUDIT"), kToday);
  EXPECT_EQ(out.Number("NILAI_SJ"), (note.lines[0][kPnQuantity - 1].number() * 3500) * 0.95);

  xbase::WorkArea& out_lines = support::Open(rig.session, "PRO_OT2");
  ASSERT_EQ(out_lines.table().record_count(), 1u);
  ASSERT_TRUE(out_lines.GoTo(1).ok());
  console::ValueRow line(kPnAverage, xbase::Value::Num(0));
  ASSERT_TRUE(ProformaNoteLineRecord().Read(out_lines, &line).ok());
  for (const ProformaNoteColumn column : {kPnWarehouse, kPnCode, kPnShipped, kPnLine}) {
    EXPECT_EQ(xbase::RTrim(PnWord(line, column)), xbase::RTrim(PnWord(note.lines[0], column))) << column;
  }
  for (const ProformaNoteColumn column : {kPnCartons, kPnPacks, kPnPieces, kPnQuantity}) {
    EXPECT_EQ(PnFigure(line, column), PnFigure(note.lines[0], column)) << column;
  }
  EXPECT_EQ(xbase::RTrim(out_lines.Text("NOMOR")), "SJP-07");
  EXPECT_EQ(xbase::RTrim(out_lines.Text("NO_REFF")), "PD000001");
}

TEST_F(ProformaTest, APrintedProformaIsMarkedAndCannotBeCorrected) {
  site.LogIn(rig.session);
  rig.term.AddKeys(support::Keys({Line("PD000001"), {key::kEnter, key::kEnter, 'P', key::kEnter, key::kEsc}}));
  ASSERT_TRUE(J1603(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  ASSERT_EQ(rig.dot_matrix->jobs().size(), 1u);
  const std::string& bytes = rig.dot_matrix->jobs()[0].bytes;
  EXPECT_NE(bytes.find("\x1Bw1PROFORMA INVOICE : PD000001\x1Bw0\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\x1BM" + std::string(65, ' ') + "Hal : 1/1\r\n"), std::string::npos);
  EXPECT_EQ(site.Field("PRO_IN1", "PRO_IN11", "PD000001", "CETAK"), ".T.");
  ASSERT_TRUE(OpenProformaTables(rig.session));
  Proforma loaded;
  loaded.number = xbase::PadR("PD000001", 20);
  rig.term.AddKeys({' '});
  EXPECT_FALSE(LoadProforma(rig.session, &loaded));
  EXPECT_TRUE(Shown(rig.term, "proforma ini sudah dicetak, tidak boleh dikoreksi lagi "));
  rig.session.CloseTables();
}

// Two clerks correct PI000042 at once: the one saving after the other's save is refused, and the
// other's lines stay.
TEST_F(ProformaTest, AProformaSavedElsewhereSinceItWasLoadedIsNotWrittenOver) {
  ASSERT_NO_FATAL_FAILURE(SaveProformaNumbered42());
  ASSERT_TRUE(OpenProformaTables(rig.session));
  Proforma first;
  first.number = xbase::PadR("PI000042", 20);
  Proforma second = first;
  ASSERT_TRUE(LoadProforma(rig.session, &first));
  ASSERT_TRUE(LoadProforma(rig.session, &second));
  Type(&first, kPfCartons, N(3));
  rig.term.AddKeys({'Y'});
  ASSERT_TRUE(SaveCorrectedProforma(rig.session, first));
  EXPECT_EQ(site.Number("PRO_IN2", "PRO_IN21", "PI000042", "I_BOX"), 3);

  Type(&second, kPfCartons, N(1));
  rig.term.AddKeys({'Y', ' '});
  EXPECT_FALSE(SaveCorrectedProforma(rig.session, second));
  EXPECT_TRUE(Shown(rig.term, "Proforma PI000042 diubah di komputer lain, panggil ulang datanya"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(site.Number("PRO_IN2", "PRO_IN21", "PI000042", "I_BOX"), 3);
  EXPECT_EQ(site.Number("PRO_IN1", "PRO_IN11", "PI000042", "NILAI_PI"), 600 * 5000 * 0.95);
  rig.session.CloseTables();
}

// Every figure and name of a printed proforma comes from a record: one that cannot be read (an item's
// name, the customer, the rounding of the price type, the VAT percent) is the failure on row 24, and
// nothing is printed nor marked printed, never a proforma with a blank name or unrounded prices.
TEST_F(ProformaTest, AProformaWhoseRecordsCannotBeReadIsNotPrinted) {
  site.LogIn(rig.session);
  rig.session.CloseTables();
  for (const std::string table : {"MASTBRJ", "MASTCUS", "TIPE", "SETUP"}) {
    support::DamageIndexPages(site.data(), table);
    rig.term.AddKeys(support::Keys({Line("PD000001"), {key::kEnter, key::kEnter, 'P', key::kEnter, key::kEsc}}));
    ASSERT_TRUE(J1603(rig.session, {}).ok());
    EXPECT_EQ(rig.term.keys_left(), 0u) << table;
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, table)) << table;
    EXPECT_TRUE(rig.dot_matrix->jobs().empty()) << table;
    EXPECT_EQ(site.Field("PRO_IN1", "PRO_IN11", "PD000001", "CETAK"), ".F.") << table;
  }
}

// The customer's group and price level price every line of a correction: a customer record that
// cannot be read stops the load with the fault named, never passing for a customer without a group.
TEST_F(ProformaTest, ACustomerRecordThatCannotBeReadStopsTheCorrection) {
  ASSERT_NO_FATAL_FAILURE(SaveProformaNumbered42());

  ASSERT_TRUE(OpenProformaTables(rig.session));
  Proforma loaded;
  loaded.number = xbase::PadR("PI000042", 20);
  ASSERT_TRUE(LoadProforma(rig.session, &loaded));
  EXPECT_EQ(loaded.group, "MODN");

  const std::string customers = support::CutWithinRecord(site.data(), "MASTCUS", 1);
  Proforma damaged;
  damaged.number = xbase::PadR("PI000042", 20);
  rig.term.AddKeys({' '});
  EXPECT_FALSE(LoadProforma(rig.session, &damaged));
  EXPECT_TRUE(Shown(rig.term, customers + ": file ends at "));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  rig.session.CloseTables();
}

// The check lists each line with its cartons from the item's carton size: an item that cannot be read
// gives the error and no rows, never a line of 0 cartons printed.
TEST_F(ProformaTest, ACheckWhoseItemCannotBeReadHasNoRows) {
  ASSERT_NO_FATAL_FAILURE(SaveProformaNumbered42());
  const auto check = [&](std::vector<std::string>* rows) {
    const frame::OpenedTables tables =
        frame::OpenTables(rig.session, {"pro_in1", "pro_in2", "pro_ot1", "pro_ot2", "mastbrj"});
    EXPECT_TRUE(tables);
    xbase::Status s = tables["pro_in1"].SetOrder("PRO_IN11");
    if (s.ok()) s = tables["pro_in1"].Seek(xbase::PadR("PI000042", 20));
    EXPECT_TRUE(s.ok() && tables["pro_in1"].found()) << s.ToString();
    if (s.ok()) s = ProformaCheckRows(tables, "", rows);
    rig.session.CloseTables();
    return s;
  };
  std::vector<std::string> rows;
  ASSERT_TRUE(check(&rows).ok());
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[5].substr(0, 50), " 1 SC0002     " + rows[5].substr(14, 20) + "       400  2.00");
  support::DamageIndexPages(site.data(), "MASTBRJ");
  const xbase::Status s = check(&rows);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_TRUE(rows.empty());
}

}  // namespace
}  // namespace sales

namespace sales {
namespace {

// The screens typed through: a new proforma, its delivery note, and the tax invoice of the note.
TEST(ProformaScreensTest, AProformaAndItsNoteAreTypedThroughTheirScreens) {
  namespace key = console::key;
  using support::Keys;
  using support::Line;
  SalesSite site;
  support::SessionRig rig;
  site.LogIn(rig.session);
  rig.term.AddKeys(Keys({{key::kEnter}, Line("J0005"), Line("S001"), Line("01"), {key::kEnter, key::kEnter, key::kEnter},
                         {key::kEnter, key::kEnter}, Line("SC0002"), Line("2"), {key::kF10, 'Y', key::kEnter},
                         {key::kEsc}}));
  ASSERT_TRUE(J1601(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u) << console::ScriptedTerminal::Dump(rig.term.cells());
  EXPECT_TRUE(support::Shown(rig.term, "Nomor Proforma ini adalah PI000001"));
  EXPECT_EQ(site.Number("PRO_IN2", "PRO_IN22", "PI000001            SC0002", "QUANTITY"), 400);

  rig.term.AddKeys(Keys({Line("PI000001"), {key::kEnter}, Line("SJP-02"), {key::kEnter, key::kEnter, key::kEnter, key::kEnter},
                         {key::kRight}, Line("SC0002"), {key::kRight, key::kRight}, Line("1"), {key::kF10, 'Y'},
                         {key::kEsc}}));
  ASSERT_TRUE(J1604(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u) << console::ScriptedTerminal::Dump(rig.term.cells());
  EXPECT_EQ(site.Number("PRO_IN2", "PRO_IN22", "PI000001            SC0002", "REALISASI"), 200);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0002", "JUMLAH"), 2800);

  rig.term.AddKeys(Keys({Line("SJP-02"), {key::kEnter, key::kEnter, key::kEnter, key::kEnter, key::kEnter, key::kEnter},
                         {key::kEnter, key::kEnter, key::kEnter, 'U', key::kEsc}}));
  ASSERT_TRUE(CFPJK(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u) << console::ScriptedTerminal::Dump(rig.term.cells());
  EXPECT_EQ(site.Field("PPN_KEL", "PPN_KEL1", "SJP-02", "NOMOR"), "0000000001");
}

}  // namespace
}  // namespace sales
