// "CETAK INVOICE": the delivery note form row by row, the number checks, and what a print marks.
#include "sales/cjual.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "console/keys.h"
#include "platform/cups_printers.h"
#include "support/data_folder.h"
#include "support/files.h"
#include "support/pdf_tools.h"
#include "support/private_cupsd.h"
#include "support/other_workstation.h"
#include "support/scripted_session.h"
#include "support/small_folder_check.h"
#include "support/temp_folder.h"
#include "support/verified_folder.h"
#include "xbase/date.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

namespace key = console::key;
using support::Keys;
using support::Line;
using support::N;
using support::T;

xbase::Value L(bool flag) { return xbase::Value::Logical(flag); }
xbase::Value Day(int day) { return xbase::Value::FromDate(xbase::Date::FromYmd(2026, 12, day)); }

class CjualTest : public ::testing::Test {
 protected:
  CjualTest() {
    rig.session.SetSearchPath(data.path());
    rig.session.TMPFILELAP_ = reports.path();
    support::AddRows(support::Open(rig.session, "MASTCUS"),
                     {{{"RELASI", T("C001")}, {"NAMA", T("TOKO MAJU")}, {"ALAMAT", T("JL. MERDEKA 1")},
                       {"ALAMAT2", T("SUKAJADI")}, {"KOTA", T("BANDUNG")}, {"TELP", T("022-123")}}});
    support::AddRows(support::Open(rig.session, "MASTBRJ"),
                     {{{"KODE", T("PENA")}, {"NAMA", T("PENA BIRU")}}, {{"KODE", T("BUKU")}, {"NAMA", T("BUKU TULIS 38")}}});
    Note("INV-001", 3, false, false);
    Note("INV-018", 18, false, false);
    Note("INV-BTL", 1, true, false);
    Note("INV-SDH", 1, false, true);
    Note("INV-TNP", 1, false, false, false);
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  }

  // A note of `lines` lines with its receivable (unless told otherwise); lines beyond the first
  // three repeat the second.
  void Note(const std::string& number, int lines, bool cancelled, bool printed, bool receivable = true) {
    support::AddRows(support::Open(rig.session, "SRTJLN1"),
                     {{{"INVOICE", T(number)}, {"TANGGAL", Day(8)}, {"NOMOR", T("SO-001")}, {"RELASI", T("C001")},
                       {"TIPE", T("NT")}, {"SALES", T("S01")}, {"TEMPO", Day(8)}, {"TERM", N(30)}, {"PESAN", Day(7)},
                       {"KIRIM", Day(9)}, {"KTR1", T("FRANCO")}, {"DISCOUNT", N(10)}, {"DISCOUNT2", N(5)},
                       {"BATAL", L(cancelled)}, {"CETAK", L(printed)}}});
    const support::Row items[] = {
        {{"KODE", T("PENA")}, {"QUANTITY", N(120)}, {"Q_BOX", N(1)}, {"Q_PAK", N(2)}, {"HARGA", N(2500)}, {"DISCOUNT", N(10)}},
        {{"KODE", T("BUKU")}, {"QUANTITY", N(50)}, {"Q_PAK", N(5)}, {"HARGA", N(4000)}},
        {{"KODE", T("HILANG")}, {"QUANTITY", N(10)}, {"HARGA", N(1000)}, {"DISCOUNT", N(5)}, {"DISCOUNT2", N(2)}}};
    for (int i = 0; i < lines; ++i) {
      support::Row row = items[i < 3 ? i : 1];
      row.push_back({"INVOICE", T(number)});
      support::AddRows(support::Open(rig.session, "SRTJLN2"), {row});
    }
    if (receivable) {
      support::AddRows(support::Open(rig.session, "PIUTDBT"), {{{"NOTA", T(number)}, {"DEBET", N(409810.05)}}});
    }
  }

  // The stored CETAK of a note and APPROVAL of its receivable.
  std::pair<bool, bool> Marks(const std::string& number) {
    xbase::WorkArea& note = support::Open(rig.session, "SRTJLN1");
    xbase::WorkArea& receivable = support::Open(rig.session, "PIUTDBT");
    EXPECT_TRUE(note.Seek(note.PadToField("INVOICE", number)).ok());
    EXPECT_TRUE(receivable.Seek(receivable.PadToField("NOTA", number)).ok());
    const std::pair<bool, bool> marks{note.Logical("CETAK"), receivable.found() && receivable.Logical("APPROVAL")};
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    return marks;
  }

  // The rows of the form of a note.
  std::vector<frame::ReportLine> Rows(const std::string& number, bool show_discounts) {
    const frame::OpenedTables tables = frame::OpenTables(rig.session, {"SRTJLN1", "SRTJLN2", "MASTCUS", "MASTBRJ"});
    EXPECT_TRUE(tables);
    xbase::WorkArea& note = tables["SRTJLN1"];
    EXPECT_TRUE(note.Seek(note.PadToField("INVOICE", number)).ok());
    std::vector<frame::ReportLine> rows = InvoiceRows(rig.session, tables, show_discounts);
    for (frame::ReportLine& row : rows) row.text = std::string(xbase::RTrim(row.text));
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    return rows;
  }

  // The keys that print a note on the dot matrix: number, discounts, the dialog, the print form,
  // the question and the place it went.
  static std::vector<int> PrintKeys(const std::string& number) {
    return Keys({Line(number), {key::kEnter}, {key::kRight, key::kEnter}, {key::kEnter, key::kEnter, key::kEnter},
                 {key::kEnter}, {key::kEnter}});
  }

  support::TempDataFolder data{{"SRTJLN1", "SRTJLN2", "MASTCUS", "MASTBRJ", "PIUTDBT"}};
  support::TempFolder reports;
  support::SessionRig rig;
};

TEST_F(CjualTest, TheFormOfANoteWithDiscountsRowByRow) {
  const std::vector<frame::ReportLine> rows = Rows("INV-001", true);
  ASSERT_EQ(rows.size(), 46u);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(rows[i].text, "") << i;
  EXPECT_EQ(rows[10].text, std::string(35, ' ') + "S U R A T   J A L A N" + std::string(16, ' ') + "Nomor : INV-001");
  EXPECT_EQ(rows[10].controls, "SH");
  EXPECT_EQ(rows[10].font, 20);
  EXPECT_EQ(rows[11].controls, "S");
  EXPECT_EQ(rows[11].text, xbase::PadR("Kepada Yth .", 65) + "Tgl. Invoice : 08-12-2026");
  EXPECT_EQ(rows[12].text, xbase::PadR("TOKO MAJU (C001)", 67) + "Tgl. Order : 07-12-2026");
  EXPECT_EQ(rows[13].text, xbase::PadR("JL. MERDEKA 1", 62) + "Tgl. Pengiriman : 09-12-2026");
  EXPECT_EQ(rows[14].text, xbase::PadR("SUKAJADI", 61) + "Tgl. Jatuh Tempo : 08-12-2026");
  EXPECT_EQ(rows[15].text, xbase::PadR("BANDUNG", 62) + "Kode Sales/Tipe : S01 /NT");
  EXPECT_EQ(rows[16].text, xbase::PadR("022-123", 60) + "Syarat Pengiriman : FRANCO");
  EXPECT_EQ(rows[17].text, "NOMOR ORDER : SO-001");
  EXPECT_EQ(rows[18].text, std::string(95, '-'));
  EXPECT_EQ(rows[19].text,
            "KODE       NAMA BARANG          CARTON   PACK     QTY      HARGA      DISCOUNT           JUMLAH");
  EXPECT_EQ(rows[21].text,
            "PENA       PENA BIRU                 1      2     120    2500.00  10.00   0.00       270,000.00");
  EXPECT_EQ(rows[22].text,
            "BUKU       BUKU TULIS 38             0      5      50    4000.00   0.00   0.00       200,000.00");
  EXPECT_EQ(rows[23].text,
            "HILANG                               0      0      10    1000.00   5.00   2.00         9,310.00");
  EXPECT_EQ(rows[24].text, std::string(95, '-'));
  EXPECT_EQ(rows[25].text, std::string(31, ' ') + "      1      7                        JUMLAH :        479,310.00");
  EXPECT_EQ(rows[26].text, std::string(58, ' ') + "Discount  10.00 % :         47,931.00");
  EXPECT_EQ(rows[27].text, std::string(58, ' ') + "Discount   5.00 % :         21,568.95");
  EXPECT_EQ(rows[28].text, std::string(63, ' ') + "JUMLAH NETTO :        409,810.05");
  // One empty row and 15 more for the 15 unused item rows.
  for (int i = 29; i < 45; ++i) EXPECT_EQ(rows[i].text, "") << i;
  EXPECT_EQ(rows[45].text.substr(0, 12), "Terbilang : ");
  EXPECT_EQ(rows[45].text, "Terbilang : # empat ratus sembilan ribu delapan ratus sepuluh koma  nol lima rupiah#");
}

TEST_F(CjualTest, WithoutDiscountsThePricesAreNetAndTheTotalIsTheSame) {
  const std::vector<frame::ReportLine> rows = Rows("INV-001", false);
  ASSERT_EQ(rows.size(), 43u);
  EXPECT_EQ(rows[21].text,
            "PENA       PENA BIRU                 1      2     120    1923.75   0.00   0.00       230,850.00");
  EXPECT_EQ(rows[23].text,
            "HILANG                               0      0      10     796.01   0.00   0.00         7,960.05");
  EXPECT_EQ(rows[25].text, std::string(31, ' ') + "      1      7                  JUMLAH NETTO :        409,810.05");
  EXPECT_EQ(rows[26].text, "");
  EXPECT_EQ(rows[41].text, "");
  EXPECT_EQ(rows[42].text.substr(0, 12), "Terbilang : ");
}

TEST_F(CjualTest, EighteenLinesFillTheItemArea) {
  const std::vector<frame::ReportLine> rows = Rows("INV-018", true);
  ASSERT_EQ(rows.size(), 46u);
  EXPECT_EQ(rows[38].text.substr(0, 4), "BUKU");
  EXPECT_EQ(rows[39].text, std::string(95, '-'));
  EXPECT_EQ(rows[43].text.substr(63, 15), "JUMLAH NETTO : ");
  EXPECT_EQ(rows[44].text, "");
  EXPECT_EQ(rows[45].text.substr(0, 12), "Terbilang : ");
}

TEST_F(CjualTest, PrintingMarksTheNotePrintedAndItsReceivableApproved) {
  rig.term.AddKeys(PrintKeys("INV-001"));
  rig.term.AddKeys({key::kEsc});
  ASSERT_TRUE(CJUAL(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(Marks("INV-001"), std::make_pair(true, true));
  ASSERT_EQ(rig.dot_matrix->jobs().size(), 1u);
  const std::string& bytes = rig.dot_matrix->jobs()[0].bytes;
  EXPECT_EQ(rig.dot_matrix->jobs()[0].title, "SJ");
  EXPECT_NE(bytes.find(" \x1BMPENA       PENA BIRU"), std::string::npos);
  EXPECT_NE(bytes.find(" \x1BM\x1Bw1" + std::string(35, ' ') + "S U R A T   J A L A N"), std::string::npos);
  EXPECT_EQ(bytes.find("DIBUAT"), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 3), "\r\n\x0C");
  EXPECT_TRUE(support::Shown(rig.term, "CETAK INVOICE"));
  EXPECT_TRUE(support::Shown(rig.term, "Ctk Disc    :"));
  EXPECT_EQ(rig.session.tables().Area("SRTJLN1"), nullptr);
}

// Esc while another workstation holds the receivable: the note is printed but neither marked nor its
// receivable approved; printed again once it is free, it is both.
TEST_F(CjualTest, ThePrintedMarkAndTheApprovalAreWrittenTogether) {
  support::SettleSmallFolder(data.path());
  {
    support::OtherWorkstation other(data.path());
    other.Hold("PIUTDBT", 1);
    rig.term.AddKeys(PrintKeys("INV-001"));
    rig.term.AddKeys({key::kEsc, ' ', ' ', key::kEsc});
    ASSERT_TRUE(CJUAL(rig.session, {}).ok());
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_EQ(rig.dot_matrix->jobs().size(), 1u);
    EXPECT_TRUE(support::Shown(rig.term, "Mencoba mengunci record 1 file PIUTDBT.Dbf, tekan [Esc]=batal...."));
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
    EXPECT_EQ(Marks("INV-001"), std::make_pair(false, false));
  }
  rig.term.AddKeys(PrintKeys("INV-001"));
  rig.term.AddKeys({key::kEsc});
  ASSERT_TRUE(CJUAL(rig.session, {}).ok());
  EXPECT_EQ(rig.dot_matrix->jobs().size(), 2u);
  EXPECT_EQ(Marks("INV-001"), std::make_pair(true, true));
  support::ExpectVerified(data.path());
}

TEST_F(CjualTest, ViewingEscAndARefusedSinkMarkNothing) {
  rig.term.AddKeys(Keys({Line("INV-001"), {key::kEnter}, {key::kEnter, key::kEsc, key::kEsc}}));
  rig.term.AddKeys(Keys({{key::kEnter, key::kEnter}, {key::kRight, key::kEnter, key::kEsc}}));
  rig.dot_matrix->FailWith(xbase::Status::IOError("/dev/usb/lp0", "no paper"));
  rig.term.AddKeys(Keys({{key::kEnter, key::kEnter}, {key::kRight, key::kEnter}, {key::kEnter, key::kEnter, key::kEnter},
                         {key::kEnter}, {key::kEnter}, {key::kEsc}}));
  ASSERT_TRUE(CJUAL(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(Marks("INV-001"), std::make_pair(false, false));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "/dev/usb/lp0: no paper"));
}

TEST_F(CjualTest, CancelledAndUnknownNotesAreRefusedAndAPrintedOneIsWarnedOf) {
  rig.term.AddKeys(Keys({Line("INV-BTL"), {key::kEnter}, {key::kHome, key::Ctrl('y')}, Line("TIDAK-ADA"), {key::kEnter}, {key::kEsc}}));
  ASSERT_TRUE(CJUAL(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "Nomor INVOICE INV-BTL sudah dibatalkan"));
  EXPECT_TRUE(support::Shown(rig.term, "Nomor INVOICE TIDAK-ADA tidak terdaftar"));
  EXPECT_TRUE(rig.dot_matrix->jobs().empty());

  std::vector<int> keys = Keys({Line("INV-SDH"), {key::kEnter}});
  const std::vector<int> print = PrintKeys("");
  keys.insert(keys.end(), print.begin() + 1, print.end());
  rig.term.AddKeys(keys);
  rig.term.AddKeys({key::kEsc});
  ASSERT_TRUE(CJUAL(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "Nomor INVOICE INV-SDH Sudah dicetak"));
  EXPECT_EQ(rig.dot_matrix->jobs().size(), 1u);
  EXPECT_EQ(Marks("INV-SDH"), std::make_pair(true, true));
}

TEST_F(CjualTest, ANoteWithoutAReceivableIsMarkedPrintedOnly) {
  rig.term.AddKeys(PrintKeys("INV-TNP"));
  rig.term.AddKeys({key::kEsc});
  ASSERT_TRUE(CJUAL(rig.session, {}).ok());
  EXPECT_EQ(Marks("INV-TNP"), std::make_pair(true, false));
}

// The invoice printed through the real devices: the dot-matrix spool folder of the workstation
// settings and a CUPS page printer of a private server.
TEST_F(CjualTest, APrintedInvoiceLandsInTheSpoolFolder) {
  support::TempFolder home;
  platform::WorkstationSettings settings;
  ASSERT_TRUE(platform::ReadWorkstationSettings(xbase::IniFile(), home.path(), &settings).ok());
  rig.session.services().UseDevices(platform::MakeRawPrinter(settings.dot_matrix),
                                    std::make_unique<platform::FakePrintSystem>());
  rig.term.AddKeys(PrintKeys("INV-001"));
  rig.term.AddKeys({key::kEsc});
  ASSERT_TRUE(CJUAL(rig.session, {}).ok());
  std::vector<std::filesystem::path> spooled;
  for (const auto& entry : std::filesystem::directory_iterator(home.File("spool"))) spooled.push_back(entry.path());
  ASSERT_EQ(spooled.size(), 1u);
  EXPECT_EQ(spooled[0].filename().string().substr(0, 3), "SJ-");
  EXPECT_EQ(spooled[0].extension(), ".prn");
  const std::string bytes = support::ReadFile(spooled[0].string());
  EXPECT_NE(bytes.find("S U R A T   J A L A N" + std::string(16, ' ') + "Nomor : INV-001"), std::string::npos);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Laporan terkirim ke "));
  EXPECT_EQ(Marks("INV-001"), std::make_pair(true, true));
}

TEST_F(CjualTest, APrintedInvoiceLandsInACupsQueue) {
  support::PrivateCupsd server;
  std::string why_not;
  if (!server.Start({{"Laser", true, true, true}}, &why_not)) GTEST_SKIP() << "no private CUPS server: " << why_not;
  rig.session.services().UseDevices(std::make_unique<platform::FakeRawPrinter>(),
                                    std::make_unique<platform::CupsPrintSystem>(server.socket()));
  // The note, the page printer, the default printer, the print form, the question, the place.
  rig.term.AddKeys(Keys({Line("INV-001"), {key::kEnter}, {key::kRight, key::kRight, key::kEnter}, {key::kEnter},
                         {key::kEnter, key::kEnter}, {key::kEnter}, {key::kEnter}, {key::kEsc}}));
  ASSERT_TRUE(CJUAL(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Laporan terkirim ke Laser (job 1)"));
  ASSERT_TRUE(server.WaitForCompletion("Laser", {1}));
  const std::string printed = server.device("Laser");
  EXPECT_EQ(support::PdfInfo(printed, "Pages"), "1");
  EXPECT_EQ(support::PdfInfo(printed, "Page size"), "612 x 1008 pts");
  const std::string text = support::PdfText(printed);
  EXPECT_NE(text.find("Nomor : INV-001"), std::string::npos) << text;
  EXPECT_NE(text.find("PENA       PENA BIRU"), std::string::npos) << text;
  EXPECT_NE(text.find("Halaman : 1/1"), std::string::npos) << text;
  EXPECT_EQ(Marks("INV-001"), std::make_pair(true, true));
}

}  // namespace
}  // namespace sales
