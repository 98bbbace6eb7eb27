// Gift-wrap and assembly work: the repack prefixes, a take-out with its materials, its form taking the
// goods out (and again without moving them twice), the results coming back, and the fee note.
#include "stock/gift_wrap.h"

#include "console/keys.h"
#include "stock/fee_note.h"
#include "stock/repack.h"
#include "stock/stock_rows_helpers.h"
#include "stock/stock_screens.h"
#include "support/damaged_tables.h"
#include "support/other_workstation.h"
#include "xbase/text_functions.h"

namespace stock {
namespace {

using support::N;
using support::T;
using testing::Day;

class GiftWrapTest : public testing::StockTest {
 protected:
  GiftWrapTest() {
    frame::Session& s = rig.session;
    s.MMEMBER.nik = "N01";
    support::AddRows(support::Open(s, "SETUP"), {{{"SETUP", T("GLNGCB01  ")}, {"KET", T("        41")}},
                                                 {{"SETUP", T("GLJDCB01  ")}, {"KET", T("         0")}},
                                                 {{"SETUP", T("GLNTCB01  ")}, {"KET", T("         7")}}});
    support::AddRows(support::Open(s, "MASTBRJ"),
                     {{{"KODE", T("R1")}, {"NAMA", T("KERTAS KADO")}, {"JUMLAH", N(100)}},
                      {{"KODE", T("D1")}, {"NAMA", T("DUS")}, {"SATUAN", T("PCS")}, {"JUMLAH", N(20)}},
                      {{"KODE", T("L1")}, {"NAMA", T("LABEL")}, {"SATUAN", T("LBR")}, {"JUMLAH", N(50)}},
                      {{"KODE", T("J1")}, {"NAMA", T("KADO JADI")}}});
    support::AddRows(support::Open(s, "STOKBRG"),
                     {{{"KODE", T("R1")}, {"GUDANG", T("G1")}, {"JUMLAH", N(100)}, {"HRG_RATA", N(50)}},
                      {{"KODE", T("D1")}, {"GUDANG", T("G1")}, {"JUMLAH", N(20)}, {"HRG_RATA", N(10)}},
                      {{"KODE", T("L1")}, {"GUDANG", T("G1")}, {"JUMLAH", N(50)}, {"HRG_RATA", N(5)}}});
    support::AddRows(support::Open(s, "BREPACK"),
                     {{{"KODE", T("R1")}, {"KD_DISPLAY", T("D1")}, {"QT_DISPLAY", N(1)}, {"KD_LABEL", T("L1")},
                       {"QT_LABEL", N(1)}},
                      {{"KODE", T("ABCDEF")}}});
    support::AddRows(support::Open(s, "HREPACK"),
                     {{{"KODE", T("R1")}, {"KD_JADI", T("J1")}, {"PACKING", N(5)}, {"TARIF", N(300)}}});
    CloseAll();
    tables = frame::OpenTables(rig.session, GiftWrapTables());
    EXPECT_TRUE(tables);
  }

  std::vector<std::string> Stock() { return Rows("STOKBRG", {"KODE", "JUMLAH"}); }

  frame::OpenedTables tables;
};

// "Sisa Barang Belum Digulung" with nothing taken out says so instead of returning silently.
TEST_F(GiftWrapTest, TheBacklogListSaysWhenNothingIsOutstanding) {
  CloseAll();
  ASSERT_TRUE(GL06(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "Tidak ada sisa barang yang belum digulung/dirakit"));
}

TEST_F(GiftWrapTest, RepackMaterialMatchesOnPrefixesOfSixCharactersOrMore) {
  const auto material = [&](const std::string& raw) {
    bool found = false;
    EXPECT_TRUE(RepackMaterial(tables, raw, &found).ok()) << raw;
    return found;
  };
  const auto result = [&](const std::string& raw, const std::string& made) {
    bool found = false;
    EXPECT_TRUE(ResultOf(tables, raw, made, &found).ok()) << raw << " " << made;
    return found;
  };
  EXPECT_TRUE(material("ABCDEFGHIJ"));
  EXPECT_FALSE(material("ABCDEXXXXX"));
  EXPECT_TRUE(result("R1", "J1"));
  EXPECT_FALSE(result("R1", "D1"));
  // Twenty pieces packed in fives: four displays and four labels.
  Materials m;
  ASSERT_TRUE(MaterialsFor(tables, "R1", "J1", 20, &m).ok());
  EXPECT_EQ(std::vector<double>(std::begin(m.quantity), std::end(m.quantity)), (std::vector<double>{4, 0, 0, 4, 0, 0}));
}

TEST_F(GiftWrapTest, ATakeOutLeavesStockWhenItsFormPrintsAndTheResultsComeBack) {
  const xbase::Date day = xbase::Date::FromYmd(2026, 5, 4);
  std::string number;
  const std::vector<TakeOutLine> take_out = {{"G1", "R1", 20, "J1", {4, 0, 0, 4, 0, 0}}, {"G1", "", 0, ""}};
  {
    // Esc while another workstation appends a take-out line: no number, no take-out.
    support::OtherWorkstation other(data.path());
    other.HoldAppend("KD_GL12");
    rig.term.AddKeys({console::key::kEsc, ' ', ' '});
    ASSERT_TRUE(SaveTakeOut(rig.session, tables, "CB01", day, take_out, &number).ok());
    EXPECT_EQ(number, "");
    EXPECT_TRUE(support::Shown(rig.term, "Mencoba menambah record file KD_GL12.Dbf, tekan [Esc]=batal...."));
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_TRUE(Rows("KD_GL11", {"NOMOR"}).empty());
    EXPECT_EQ(Rows("SETUP", {"KET"}).front(), "KET=41");
  }
  ASSERT_TRUE(SaveTakeOut(rig.session, tables, "CB01", day, take_out, &number).ok());
  EXPECT_EQ(number, "        42");
  EXPECT_EQ(Rows("KD_GL12", {"NOMOR", "KODE", "QTY_LBR", "URUT", "KD_JADI", "DISPLAY", "QTLABEL"}),
            std::vector<std::string>{"NOMOR=42 KODE=R1 QTY_LBR=20 URUT=1 KD_JADI=J1 DISPLAY=4 QTLABEL=4"});
  // Saving moves no stock.
  EXPECT_EQ(Stock(), (std::vector<std::string>{"KODE=R1 JUMLAH=100", "KODE=D1 JUMLAH=20", "KODE=L1 JUMLAH=50"}));

  xbase::Date date;
  std::vector<FormEntry> entries;
  bool found = false;
  ASSERT_TRUE(TakeOutEntries(tables, "CB01", number, &date, &entries, &found).ok());
  ASSERT_TRUE(found);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[1].code + entries[1].remark, "D1        PCS   ");
  EXPECT_EQ(entries[2].average, 5);
  bool posted = true;
  {
    // Esc while another workstation holds the take-out: no mutation, no stock moved, not printed.
    support::OtherWorkstation other(data.path());
    other.Hold("KD_GL11", 1);
    rig.term.AddKeys({console::key::kEsc, ' ', ' '});
    ASSERT_TRUE(PostTakeOut(rig.session, tables, "CB01", number, date, entries, &posted).ok());
    EXPECT_FALSE(posted);
    EXPECT_TRUE(support::Shown(rig.term, "Mencoba mengunci record 1 file KD_GL11.Dbf, tekan [Esc]=batal...."));
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_EQ(Stock(), (std::vector<std::string>{"KODE=R1 JUMLAH=100", "KODE=D1 JUMLAH=20", "KODE=L1 JUMLAH=50"}));
    EXPECT_TRUE(Rows("MTSKDT1", {"NOMOR"}).empty());
    EXPECT_TRUE(Rows("MTSKDT2", {"KODE"}).empty());
    EXPECT_EQ(Rows("KD_GL11", {"CETAK"}), std::vector<std::string>{"CETAK="});
  }
  for (int print = 0; print < 2; ++print) {
    ASSERT_TRUE(PostTakeOut(rig.session, tables, "CB01", number, date, entries, &posted).ok());
    EXPECT_TRUE(posted);
    EXPECT_EQ(Stock(), (std::vector<std::string>{"KODE=R1 JUMLAH=80", "KODE=D1 JUMLAH=16", "KODE=L1 JUMLAH=46"}))
        << "print " << print;
  }
  // The mutation number holds the counter, branch and number: no other branch or mutation meets it.
  EXPECT_EQ(Rows("MTSKDT1", {"NOMOR", "CODE_ID", "CETAK"}),
            std::vector<std::string>{"NOMOR=GLNGCB01          42 CODE_ID=0 CETAK=T"});
  EXPECT_EQ(Rows("MTSKDT2", {"KODE", "QUANTITY", "KTR", "HRG_RATA"}),
            (std::vector<std::string>{"KODE=R1 QUANTITY=20 KTR=UNTUK DI GULUNG HRG_RATA=50",
                                      "KODE=D1 QUANTITY=4 KTR=UNTUK DI GULUNG HRG_RATA=10",
                                      "KODE=L1 QUANTITY=4 KTR=UNTUK DI GULUNG HRG_RATA=5"}));
  EXPECT_EQ(Rows("KD_GL11", {"CETAK"}), std::vector<std::string>{"CETAK=T"});

  const auto open_pieces = [&] {
    bool line_found = false;
    double open = -1;
    EXPECT_TRUE(OpenPieces(tables, "CB01", number, "  1", &open, &line_found).ok());
    EXPECT_TRUE(line_found);
    return open;
  };
  EXPECT_EQ(open_pieces(), 20);
  std::string results;
  {
    // Esc while another workstation holds the take-out line the results are booked on.
    support::OtherWorkstation other(data.path());
    other.Hold("KD_GL12", 1);
    rig.term.AddKeys({console::key::kEsc, ' ', ' '});
    ASSERT_TRUE(SaveResults(rig.session, tables, "CB01", day + 3, {{number, "  1", "J1", "G1", 4, 5}}, &results).ok());
    EXPECT_EQ(results, "");
    EXPECT_TRUE(support::Shown(rig.term, "Mencoba mengunci record 1 file KD_GL12.Dbf, tekan [Esc]=batal...."));
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_TRUE(Rows("KD_GL21", {"NOMOR"}).empty());
    EXPECT_TRUE(Rows("KD_GL22", {"NOMOR"}).empty());
    EXPECT_EQ(open_pieces(), 20);
  }
  ASSERT_TRUE(SaveResults(rig.session, tables, "CB01", day + 3, {{number, "  1", "J1", "G1", 4, 5}}, &results).ok());
  EXPECT_EQ(results, "         1");
  EXPECT_EQ(open_pieces(), 0);
  ASSERT_TRUE(ResultEntries(tables, "CB01", results, &date, &entries, &found).ok());
  ASSERT_TRUE(PostResults(rig.session, tables, "CB01", results, date, entries, &posted).ok() && posted);
  EXPECT_EQ(Stock(), (std::vector<std::string>{"KODE=R1 JUMLAH=80", "KODE=D1 JUMLAH=16", "KODE=L1 JUMLAH=46",
                                               "KODE=J1 JUMLAH=4"}));
  EXPECT_EQ(Rows("MTSDBT2", {"NOMOR", "KODE", "GUDANG", "QUANTITY", "KTR"}),
            std::vector<std::string>{"NOMOR=GLJDCB01           1 KODE=J1 GUDANG=G1 QUANTITY=4 KTR=HASIL GULUNG"});

  // The fee note pays four results at 300; a print counts only when it reached a printer.
  const auto fee_note_of = [&](const std::string& paid) {
    std::string note = "?";
    EXPECT_TRUE(FeeNoteOf(tables, "CB01", paid, &note).ok());
    return note;
  };
  std::vector<FeeLine> fees;
  ASSERT_TRUE(ResultFeeLines(tables, "CB01", results, &fees, &found).ok());
  ASSERT_EQ(fees.size(), 1u);
  EXPECT_EQ(fees[0].tariff, 300);
  std::string note;
  {
    // Esc while another workstation holds the counter row: no number, no note, no line.
    support::OtherWorkstation other(data.path());
    other.HoldKey("SETUP", "GLNTCB01  ");
    rig.term.AddKeys({console::key::kEsc, ' ', ' '});
    ASSERT_TRUE(SaveFeeNote(rig.session, tables, "CB01", day + 5, fees, &note).ok());
    EXPECT_EQ(note, "");
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_EQ(fee_note_of(results), "");
  }
  ASSERT_TRUE(SaveFeeNote(rig.session, tables, "CB01", day + 5, fees, &note).ok());
  EXPECT_EQ(note, "         8");
  EXPECT_EQ(fee_note_of(results), "         8");
  ASSERT_TRUE(CountFeeNotePrint(rig.session, tables, "CB01", note).ok());
  std::vector<std::string> lines;
  ASSERT_TRUE(FeeNoteLines(tables, "CB01", note, &lines, &found).ok());
  EXPECT_EQ(lines[2], "Cetakan ke :  2" + std::string(58, ' ') + "TANGGAL : 09-05-2026");
  EXPECT_EQ(lines[6], "  1 07-05-2026          1 J1         KADO JADI                    4    5   300.00     1,200.00");
  EXPECT_EQ(lines[8], std::string(72, ' ') + "JUMLAH :      1,200.00");
}

// Each gift-wrap document read back through its record holds what its save was given: the header,
// a take-out line with all six materials, a results line and a fee-note line.
TEST_F(GiftWrapTest, EachDocumentReadsBackWhatItsSaveWasGiven) {
  const xbase::Date day = xbase::Date::FromYmd(2026, 5, 4);
  const TakeOutLine given = {"G1    ", "R1        ", 20, "J1        ", {4, 1, 2, 4, 3, 5}};
  std::string number;
  ASSERT_TRUE(SaveTakeOut(rig.session, tables, "CB01", day, {given}, &number).ok());
  const auto record = [&](std::string_view alias) -> xbase::WorkArea& {
    xbase::WorkArea& area = tables[alias];
    EXPECT_TRUE(area.GoTo(1).ok());
    return area;
  };
  WorkDocument head;
  ASSERT_TRUE(WorkDocumentRecord().Read(record("kd_gl11"), &head).ok());
  EXPECT_EQ(head.branch, "CB01  ");
  EXPECT_EQ(head.number, record("kd_gl11").PadToField("NOMOR", "        42"));
  EXPECT_EQ(head.date, day);
  TakeOutLine take_out;
  ASSERT_TRUE(TakeOutLineRecord().Read(record("kd_gl12"), &take_out).ok());
  EXPECT_EQ(take_out.warehouse, given.warehouse);
  EXPECT_EQ(take_out.code, given.code);
  EXPECT_EQ(take_out.quantity, 20);
  EXPECT_EQ(take_out.result, given.result);
  EXPECT_EQ(std::vector<double>(std::begin(take_out.materials), std::end(take_out.materials)),
            (std::vector<double>{4, 1, 2, 4, 3, 5}));

  std::string results;
  const ResultLine result = {number, "  1", "J1        ", "G1    ", 4, 5};
  ASSERT_TRUE(SaveResults(rig.session, tables, "CB01", day + 3, {result}, &results).ok());
  ResultLine stored;
  ASSERT_TRUE(ResultLineRecord().Read(record("kd_gl22"), &stored).ok());
  EXPECT_EQ(xbase::RTrim(stored.take_out), xbase::RTrim(number));
  EXPECT_EQ(stored.line, "  1");
  EXPECT_EQ(stored.code, result.code);
  EXPECT_EQ(stored.warehouse, result.warehouse);
  EXPECT_EQ(stored.quantity, 4);
  EXPECT_EQ(stored.per_unit, 5);

  const FeeLine fee = {xbase::PadR(results, 20), "J1        ", "KADO JADI", 4, 5, 312.5, day + 3};
  std::string note;
  ASSERT_TRUE(SaveFeeNote(rig.session, tables, "CB01", day + 5, {fee}, &note).ok());
  FeeLine paid;
  ASSERT_TRUE(FeeLineRecord().Read(record("kd_gl32"), &paid).ok());
  EXPECT_EQ(xbase::RTrim(paid.result), xbase::RTrim(results));
  EXPECT_EQ(paid.code, fee.code);
  EXPECT_EQ(paid.quantity, 4);
  EXPECT_EQ(paid.per_unit, 5);
  EXPECT_EQ(paid.tariff, 312.5);
  EXPECT_EQ(paid.date, day + 3);
  ASSERT_TRUE(WorkDocumentRecord().Read(record("kd_gl31"), &head).ok());
  EXPECT_EQ(xbase::AllTrim(head.number), "8");
  EXPECT_EQ(head.date, day + 5);
}

// The form's entries carry each item's average, posted with the mutation: a stock row that cannot be
// read gives the error and no entries, never an average of 0.
TEST_F(GiftWrapTest, ATakeOutWhoseStockRowCannotBeReadGivesNoEntries) {
  std::string number;
  const std::vector<TakeOutLine> take_out = {{"G1", "R1", 20, "J1", {4, 0, 0, 4, 0, 0}}, {"G1", "", 0, ""}};
  ASSERT_TRUE(SaveTakeOut(rig.session, tables, "CB01", xbase::Date::FromYmd(2026, 5, 4), take_out, &number).ok());
  CloseAll();
  support::DamageIndexPages(data.path(), "STOKBRG");
  tables = frame::OpenTables(rig.session, GiftWrapTables());
  ASSERT_TRUE(tables);
  xbase::Date date;
  std::vector<FormEntry> entries;
  bool found = false;
  const xbase::Status s = TakeOutEntries(tables, "CB01", number, &date, &entries, &found);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_NE(s.message().find("STOKBRG"), std::string::npos) << s.message();
  EXPECT_TRUE(entries.empty());
}

// The packaging rules, the goods and the fee notes make the figures and the print of a fee note: each
// that cannot be read is the error with nothing handed back, never materials or a tariff of 0, a blank
// name on the note, or results taken as not paid yet.
TEST_F(GiftWrapTest, RulesGoodsAndFeeNotesThatCannotBeReadAreErrors) {
  const xbase::Date day = xbase::Date::FromYmd(2026, 5, 4);
  std::string number, results, note;
  ASSERT_TRUE(SaveTakeOut(rig.session, tables, "CB01", day, {{"G1", "R1", 20, "J1", {4, 0, 0, 4, 0, 0}}}, &number).ok());
  ASSERT_TRUE(SaveResults(rig.session, tables, "CB01", day + 3, {{number, "  1", "J1", "G1", 4, 5}}, &results).ok());
  ASSERT_TRUE(SaveFeeNote(rig.session, tables, "CB01", day + 5, {{results, "J1", "", 4, 5, 300, day + 3}}, &note).ok());
  ASSERT_EQ(note, "         8");
  const auto damage = [&](const std::string& table) {
    CloseAll();
    support::DamageIndexPages(data.path(), table);
    tables = frame::OpenTables(rig.session, GiftWrapTables());
    ASSERT_TRUE(tables);
  };
  const auto expect_fault = [](const xbase::Status& s, const std::string& table) {
    EXPECT_TRUE(s.IsCorruption()) << table << ": " << s.ToString();
    EXPECT_NE(s.message().find(table), std::string::npos) << s.message();
  };

  damage("BREPACK");
  xbase::Date date;
  std::vector<FormEntry> entries;
  bool found = false;
  expect_fault(TakeOutEntries(tables, "CB01", number, &date, &entries, &found), "BREPACK");
  EXPECT_TRUE(entries.empty());
  Materials m;
  m.quantity[0] = 9;
  expect_fault(MaterialsFor(tables, "R1", "J1", 20, &m), "BREPACK");
  EXPECT_EQ(m.quantity[0], 0);

  damage("HREPACK");
  std::vector<FeeLine> fees;
  expect_fault(ResultFeeLines(tables, "CB01", results, &fees, &found), "HREPACK");
  EXPECT_TRUE(fees.empty());
  double tariff = -1, packing = -1;
  expect_fault(TariffOf(tables, "J1", &tariff, &packing), "HREPACK");
  EXPECT_EQ(tariff + packing, 0);

  damage("MASTBRJ");
  std::vector<std::string> lines;
  expect_fault(FeeNoteLines(tables, "CB01", note, &lines, &found), "MASTBRJ");
  EXPECT_TRUE(lines.empty());

  damage("KD_GL33");  // the fee-note lines by results number
  std::string paid = "?";
  expect_fault(FeeNoteOf(tables, "CB01", results, &paid), "KD_GL33");
  EXPECT_EQ(paid, "");

  damage("KD_GL31");
  expect_fault(CountFeeNotePrint(rig.session, tables, "CB01", note), "KD_GL31");
  EXPECT_EQ(Rows("KD_GL31", {"NOMOR", "CETAK", "OPERATOR"}), std::vector<std::string>{"NOMOR=8 CETAK= OPERATOR="});
}

}  // namespace
}  // namespace stock
