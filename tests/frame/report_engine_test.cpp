// The report engine: page tables and their names, the output dialog and its four ways out, the
// dot-matrix bytes, page printing, the copy to a file, and the erasing afterwards.
#include "frame/report_engine.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "console/keys.h"
#include "console/table_access.h"
#include "frame/dot_matrix_print.h"
#include "frame/page_print.h"
#include "frame/report_controls.h"
#include "frame/report_print.h"
#include "support/files.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

namespace fs = std::filesystem;
namespace key = console::key;
using support::Keys;
using support::Line;
using support::SessionRig;
using support::Shown;

const std::vector<int> kMonitor = {key::kEnter};
const std::vector<int> kDotMatrix = {key::kRight, key::kEnter};
const std::vector<int> kPagePrinter = {key::kRight, key::kRight, key::kEnter};

// The number of times `part` occurs in `text`.
int Count(const std::string& text, const std::string& part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

class ReportEngineTest : public ::testing::Test {
 protected:
  ReportEngineTest() { rig.session.TMPFILELAP_ = folder.path(); }

  // The tables left in the report folder.
  std::vector<std::string> Tables() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.path())) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  // Writes `pages` pages of three lines each ("page p line l"), the second condensed and bold.
  void Write(ReportWriter& report, int pages) {
    ASSERT_TRUE(report.Start());
    for (int page = 1; page <= pages; ++page) {
      ASSERT_TRUE(report.NewPage());
      for (int line = 1; line <= 3; ++line) {
        const std::string text = "page " + std::to_string(page) + " line " + std::to_string(line);
        ASSERT_TRUE(report.Line(xbase::PadR(text, 40), line == 2 ? "CB" : "", line == 1 ? 10 : 0));
      }
    }
  }

  support::TempFolder folder;
  SessionRig rig;
  ReportLayout layout{80, "LAPORAN UJI", 2, 0, 1, true, false};
};

TEST_F(ReportEngineTest, NamesAreTakenWithAnExclusiveCreateAndNeverShared) {
  EXPECT_EQ(CIPTAFILE(rig.session), folder.path() + "/X01");
  EXPECT_TRUE(fs::exists(folder.File("X011.dbf")));
  // A second workstation asking at the same time gets the next name.
  SessionRig other;
  other.session.TMPFILELAP_ = folder.path();
  EXPECT_EQ(CIPTAFILE(other.session), folder.path() + "/X02");
  EXPECT_EQ(CREATETEMPLETE(rig.session), folder.path() + "/Z011");
  EXPECT_EQ(CREATETEMPLETE(other.session), folder.path() + "/Z021");
  EXPECT_EQ(PageTableName(folder.path() + "/X01", 12), folder.path() + "/X0112");
}

TEST_F(ReportEngineTest, WithoutAReportFolderTheTablesGoBesideTheSettingsFileNeverToTheRoot) {
  support::TempFolder home;
  platform::WorkstationSettings settings;
  ASSERT_TRUE(platform::ReadWorkstationSettings(xbase::IniFile(), home.path(), &settings).ok());
  rig.session.services().Configure(std::move(settings));
  rig.session.TMPFILELAP_ = "   ";
  EXPECT_EQ(CIPTAFILE(rig.session), home.path() + "/tmp/X01");
  EXPECT_TRUE(fs::exists(home.File("tmp/X011.dbf")));
}

TEST_F(ReportEngineTest, AStoredReportFolderGoesThroughTheDriveMap) {
  rig.session.TMPFILELAP_ = "D:\\TEMP\\LAP   ";
  rig.term.AddKeys({key::kEnter});
  EXPECT_EQ(CIPTAFILE(rig.session), "");
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "D:"));

  platform::WorkstationSettings settings;
  ASSERT_TRUE(platform::ReadWorkstationSettings(xbase::IniFile::Parse("[Drives]\nD=" + folder.path() + "\n"),
                                                folder.path(), &settings).ok());
  rig.session.services().Configure(std::move(settings));
  EXPECT_EQ(CIPTAFILE(rig.session), folder.path() + "/TEMP/LAP/X01");
}

TEST_F(ReportEngineTest, AFolderThatCannotBeMadeIsToldOnRow24) {
  support::WriteFile(folder.File("berkas"), "not a folder");
  rig.session.TMPFILELAP_ = folder.File("berkas") + "/lap";
  rig.term.AddKeys({key::kEnter});
  EXPECT_EQ(CIPTAFILE(rig.session), "");
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Folder laporan " + folder.File("berkas") + "/lap tidak bisa dibuat"));
}

TEST_F(ReportEngineTest, ControlLettersGiveTheirCodesInTheFixedOrder) {
  EXPECT_EQ(OpeningCodes("CB"), "\x0F\x1B" "E");
  EXPECT_EQ(ClosingCodes("CB"), "\x12\x1B" "F");
  EXPECT_EQ(OpeningCodes("HGMDBLSCN"), "\x12\x0F\x1BM\x0E\x1B" "E\x1BG\x1B" "4\x1B-1\x1Bw1");
  EXPECT_EQ(ClosingCodes("HGMDBLSCN"), "\x12\x1BP\x14\x1B" "F\x1BH\x1B" "5\x1B-0\x1Bw0");
  EXPECT_EQ(OpeningCodes("cb"), "");
  EXPECT_EQ(LineColour("Cg"), "g+/n");
  EXPECT_EQ(LineColour("oyr"), "r+/n");
  EXPECT_EQ(LineColour("C"), "w/n");
}

TEST_F(ReportEngineTest, PageRangesFollowTheLastDash) {
  auto range = [](std::string_view text) {
    const PageRange r = ParsePageRange(text, 5);
    return std::make_pair(r.first, r.last);
  };
  EXPECT_EQ(range("3-     "), std::make_pair(3, 5));
  EXPECT_EQ(range("2"), std::make_pair(2, 2));
  EXPECT_EQ(range("2-4"), std::make_pair(2, 4));
  EXPECT_EQ(range("-2"), std::make_pair(1, 2));
  EXPECT_EQ(range("1-9"), std::make_pair(1, 5));
  EXPECT_TRUE(ParsePageRange("0", 5).empty());
  EXPECT_TRUE(ParsePageRange("4-2", 5).empty());
  EXPECT_TRUE(ParsePageRange("7-", 5).empty());
  EXPECT_EQ(RangePreset(12), "1-12     ");
}

TEST_F(ReportEngineTest, ADotMatrixPageIsItsLinesWithCodesThenTheFooterAndAFormFeed) {
  const ReportPage lines = {{"JUDUL   ", "CB", 0}, {"isi", "", 0}};
  const console::ClockReading now{xbase::Date::FromYmd(2026, 12, 8), 9 * 3600 + 5};
  const std::string footer = "\x0FHalaman : 1/2  dicetak Tgl. 08-12-2026, 09:00:05\x12\r\n\x0C";
  EXPECT_EQ(DotMatrixPage(lines, layout, 1, 2, now), "  \x0F\x1B" "EJUDUL\x12\x1B" "F\r\n  isi\r\n  " + footer);

  // The last page carries the signature box, each line condensed.
  const std::string last = DotMatrixPage(lines, layout, 2, 2, now);
  EXPECT_EQ(Count(last, "DIBUAT"), 1);
  EXPECT_NE(last.find("  \x0F*-----------------------------------------------------------------*\x12\r\n"),
            std::string::npos);
  layout.signature_box = false;
  EXPECT_EQ(Count(DotMatrixPage(lines, layout, 2, 2, now), "DIBUAT"), 0);

  // Wider than 237 columns: every line is its first 237 - margin characters, blanks and all.
  layout.width = 240;
  const std::string wide =
      DotMatrixPage({{std::string(300, 'x'), "", 0}, {xbase::PadR("ab", 600), "", 0}}, layout, 1, 2, now);
  EXPECT_EQ(wide.substr(0, 2 + 235 + 2), "  " + std::string(235, 'x') + "\r\n");
  EXPECT_EQ(wide.substr(239, 2 + 235 + 2), "  ab" + std::string(233, ' ') + "\r\n");
}

TEST_F(ReportEngineTest, NoPagesShowNothingAndReturnFalse) {
  EXPECT_FALSE(CETLAPOR(rig.session, folder.path() + "/X01", 0, layout));
  EXPECT_TRUE(rig.term.screens().empty());
}

TEST_F(ReportEngineTest, TheMonitorShowsAWideReportAndViewingIsNotPrinting) {
  ReportWriter report(rig.session);
  Write(report, 3);
  layout.width = 136;
  rig.term.AddKeys(Keys({kMonitor, {key::kEsc}, {key::kEsc}}));
  EXPECT_FALSE(report.Print(layout));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 0, "Halaman : 1/3"));
  // The head row names the report, not the work table its pages are in.
  EXPECT_TRUE(support::ShownOnRow(rig.term, 0, "LAPORAN UJI                      Halaman : 1/3"));
  EXPECT_FALSE(support::ShownOnRow(rig.term, 0, "X011.Dbf"));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, " F1 -> Petunjuk, F10 -> Print Halaman ini "));
  EXPECT_TRUE(Shown(rig.term, "Laporan Mau Dicetak Ke"));
  EXPECT_TRUE(rig.dot_matrix->jobs().empty());
  EXPECT_TRUE(Tables().empty()) << "page tables left behind";
}

// The page counter shows on row 24 while the pages are written; once the report was viewed (or given
// up before its output dialog) row 24 shows again what the screen had there.
TEST_F(ReportEngineTest, RowTwentyFourGetsBackWhatTheCounterCovered) {
  rig.con.Say(24, 60, "F2) Cari Kode 12345", rig.con.colours().standard);
  {
    ReportWriter report(rig.session);
    Write(report, 3);
    EXPECT_EQ(rig.con.Text(24, 60, 20), "F2) C    Halaman : 3");
    rig.term.AddKeys(Keys({kMonitor, {key::kEsc}, {key::kEsc}}));
    EXPECT_FALSE(report.Print(layout));
    EXPECT_TRUE(Shown(rig.term, "Halaman : 1/3"));
    EXPECT_EQ(rig.con.Text(24, 60, 19), "F2) Cari Kode 12345");
  }
  EXPECT_EQ(rig.con.Text(24, 60, 19), "F2) Cari Kode 12345");
  {
    ReportWriter abandoned(rig.session);
    Write(abandoned, 2);
    EXPECT_EQ(rig.con.Text(24, 60, 20), "F2) C    Halaman : 2");
  }
  EXPECT_EQ(rig.con.Text(24, 60, 19), "F2) Cari Kode 12345");
  EXPECT_TRUE(Tables().empty()) << "page tables left behind";
}

TEST_F(ReportEngineTest, TheViewerMovesThroughLinesColumnsAndPages) {
  ReportWriter report(rig.session);
  ASSERT_TRUE(report.Start());
  for (int page = 1; page <= 3; ++page) {
    ASSERT_TRUE(report.NewPage());
    ASSERT_TRUE(report.Line("KEPALA " + std::to_string(page) + std::string(97, '.') + "KANAN"));
    for (int line = 2; line <= 40; ++line) {
      ASSERT_TRUE(report.Line("baris " + std::to_string(line) + " halaman " + std::to_string(page), line == 5 ? "Cr" : ""));
    }
  }
  layout.width = 110;
  layout.first_body_row = 2;
  std::vector<int> keys = Keys({kMonitor, {key::kDown, key::kDown}});
  keys.push_back(key::kEnd);
  keys.push_back(key::kCtrlPgDn);
  keys.push_back(key::kCtrlEnter);
  keys.insert(keys.end(), {'3', key::kEnter, key::kEsc, key::kEsc});
  rig.term.AddKeys(keys);
  EXPECT_FALSE(report.Print(layout));
  const auto& screens = rig.term.screens();
  ASSERT_GE(screens.size(), 8u);
  // The first screen of the viewer: the head on row 1, the body from line 2 on row 2.
  EXPECT_EQ(console::ScriptedTerminal::Text(screens[1], 1, 0, 8), "KEPALA 1");
  EXPECT_EQ(console::ScriptedTerminal::Text(screens[1], 2, 0, 7), "baris 2");
  EXPECT_EQ(screens[1][5 * console::kCols].attr, console::ParseColourPair("r+/n"));
  // Two lines down the head stays and the body starts at line 4.
  EXPECT_EQ(console::ScriptedTerminal::Text(screens[3], 1, 0, 8), "KEPALA 1");
  EXPECT_EQ(console::ScriptedTerminal::Text(screens[3], 2, 0, 7), "baris 4");
  // End shifts the view to column width - 79: the head's right end stands at column 78.
  EXPECT_EQ(console::ScriptedTerminal::Text(screens[4], 1, 74, 6), "KANAN ");
  EXPECT_TRUE(support::ShownOnRow(rig.term, 0, "Halaman : 2/3"));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 0, "Halaman : 3/3"));
  EXPECT_TRUE(Shown(rig.term, "Halaman ke :"));
}

TEST_F(ReportEngineTest, DotMatrixPrintsTheRangeForEachCopyWithTheBoxAfterTheLastPageOnly) {
  ReportWriter report(rig.session);
  Write(report, 3);
  rig.term.AddKeys(Keys({kDotMatrix, Line("2-"), Line("2"), {key::kEnter}, {key::kEnter}, {key::kEnter}}));
  EXPECT_TRUE(report.Print(layout));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  ASSERT_EQ(rig.dot_matrix->jobs().size(), 1u);
  EXPECT_EQ(rig.dot_matrix->jobs()[0].title, "LAPORAN UJI");
  const std::string bytes = rig.dot_matrix->AllBytes();
  std::vector<size_t> footers;
  for (const char* page : {"Halaman : 2/3", "Halaman : 3/3"}) {
    for (size_t at = bytes.find(page); at != std::string::npos; at = bytes.find(page, at + 1)) footers.push_back(at);
  }
  std::sort(footers.begin(), footers.end());
  ASSERT_EQ(footers.size(), 4u);
  EXPECT_EQ(bytes.substr(footers[0], 13), "Halaman : 2/3");
  EXPECT_EQ(bytes.substr(footers[1], 13), "Halaman : 3/3");
  EXPECT_EQ(bytes.substr(footers[2], 13), "Halaman : 2/3");
  EXPECT_EQ(bytes.substr(footers[3], 13), "Halaman : 3/3");
  EXPECT_EQ(Count(bytes, "page 1 line"), 0);
  EXPECT_EQ(Count(bytes, "  \x0F\x1B" "Epage 2 line 2\x12\x1B" "F\r\n"), 2);
  EXPECT_EQ(Count(bytes, "\x0C"), 4);
  // The box follows each copy of page 3 and never page 2.
  EXPECT_EQ(Count(bytes, "DIBUAT"), 2);
  EXPECT_LT(bytes.find("DIBUAT"), footers[1]);
  EXPECT_GT(bytes.find("DIBUAT"), footers[0]);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Laporan terkirim ke spool/LX300 (job 1)"));
  EXPECT_TRUE(Tables().empty());
}

TEST_F(ReportEngineTest, StopAfterEachPageSendsPageByPageAndEscEndsThePrint) {
  ReportWriter report(rig.session);
  Write(report, 3);
  rig.term.AddKeys(Keys({kDotMatrix, {key::kEnter, key::kEnter}, {'Y', key::kEnter}, {key::kEnter}, {key::kEnter},
                         {key::kEsc}, {key::kEnter}}));
  EXPECT_TRUE(report.Print(layout));
  ASSERT_EQ(rig.dot_matrix->jobs().size(), 2u);
  EXPECT_NE(rig.dot_matrix->jobs()[0].bytes.find("Halaman : 1/3"), std::string::npos);
  EXPECT_NE(rig.dot_matrix->jobs()[1].bytes.find("Halaman : 2/3"), std::string::npos);
  EXPECT_TRUE(Shown(rig.term, "Tekan sembarang tombol untuk lanjut, [Esc] batal"));
}

TEST_F(ReportEngineTest, EscARangeOfNothingOrAnotherAnswerPrintNothingAndReturnFalse) {
  for (const std::vector<int>& keys : {Keys({kDotMatrix, {key::kEsc}}), Keys({kDotMatrix, Line("0"), {key::kEnter, key::kEnter}}),
                                       Keys({kDotMatrix, {key::kEnter, key::kEnter, key::kEnter}, {'x'}})}) {
    ReportWriter report(rig.session);
    Write(report, 2);
    rig.term.AddKeys(keys);
    EXPECT_FALSE(report.Print(layout));
    EXPECT_EQ(rig.term.keys_left(), 0u);
  }
  EXPECT_TRUE(rig.dot_matrix->jobs().empty());
  EXPECT_TRUE(Tables().empty());
}

TEST_F(ReportEngineTest, ASinkThatRefusesTheJobIsToldAndNothingCountsAsPrinted) {
  ReportWriter report(rig.session);
  Write(report, 1);
  rig.dot_matrix->FailWith(xbase::Status::IOError("/dev/usb/lp0", "cannot open the printer device: Permission denied"));
  rig.term.AddKeys(Keys({kDotMatrix, {key::kEnter, key::kEnter, key::kEnter}, {key::kEnter}, {key::kEnter}}));
  EXPECT_FALSE(report.Print(layout));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "/dev/usb/lp0: cannot open the printer device: Permission denied"));
}

TEST_F(ReportEngineTest, WithoutPrintersAllowedBothPrinterChoicesBringTheDialogBack) {
  ReportWriter report(rig.session);
  Write(report, 1);
  layout.no_printer = true;
  rig.term.AddKeys(Keys({kDotMatrix, kPagePrinter, {key::kEsc}}));
  EXPECT_FALSE(report.Print(layout));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(rig.dot_matrix->jobs().empty());
  EXPECT_TRUE(rig.printers->jobs().empty());
}

TEST_F(ReportEngineTest, PagePrintingSendsTheChosenPagesWithFontsMarginsBoxAndFooter) {
  ReportWriter report(rig.session);
  Write(report, 3);
  layout.width = 136;
  rig.session.margins = {1.5, 2, 1, 0.5, 45, 70, true};
  // The printer list starts on the default "Laser"; Down chooses "Matrix".
  rig.term.AddKeys(Keys({kPagePrinter, {key::kDown, key::kEnter}, Line("2-"), Line("3"), {key::kEnter}, {key::kEnter}}));
  EXPECT_TRUE(report.Print(layout));
  ASSERT_EQ(rig.printers->jobs().size(), 1u);
  const platform::NamedPageJob& job = rig.printers->jobs()[0];
  EXPECT_EQ(job.printer, "Matrix");
  EXPECT_EQ(job.job.title, "LAPORAN UJI");
  EXPECT_EQ(job.job.copies, 3);
  EXPECT_TRUE(job.job.setup.landscape());
  EXPECT_EQ(job.job.setup.left_mm, 15);
  EXPECT_EQ(job.job.setup.right_mm, 15);  // the left margin kept on the right, where printers clip too
  EXPECT_EQ(job.job.setup.top_mm, 10);
  EXPECT_EQ(job.job.setup.bottom_mm, 5);
  ASSERT_EQ(job.job.pages.size(), 2u);
  const platform::PrintPage& second = job.job.pages[0];
  ASSERT_EQ(second.size(), 6u);  // two empty lines, three report lines, the footer
  EXPECT_EQ(second[0].text, "");
  EXPECT_EQ(second[2].text, "page 2 line 1");
  EXPECT_EQ(second[2].points, 10);
  EXPECT_EQ(second[3].points, 0);
  EXPECT_EQ(second[5].text, "Halaman : 2/3  dicetak Tgl. 08-12-2026, 09:00:00");
  EXPECT_EQ(second[5].points, 7);
  const platform::PrintPage& third = job.job.pages[1];
  ASSERT_EQ(third.size(), 13u);  // and the signature box
  EXPECT_EQ(third[5].text,
            "*-----------------------------------------------------------------*  "
            "*-------------------------------------------*");
  EXPECT_EQ(third[6].text,
            "|     DIBUAT    |TGL. |   DIPERIKSA   |TGL. | MENGETAHUI    |TGL. |  "
            "|   DIPERIKSA   |TGL. | MENGETAHUI    |TGL. |");
  EXPECT_EQ(third[7].text,
            "|---------------|-----|---------------|-----|---------------|-----|  "
            "|---------------|-----|---------------|-----|");
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Laporan terkirim ke Matrix (job 1)"));
}

TEST_F(ReportEngineTest, NoPageprintersOrARefusedJobMeanNotPrinted) {
  ReportWriter first(rig.session);
  Write(first, 1);
  rig.session.services().UseDevices(std::make_unique<platform::FakeRawPrinter>(),
                                    std::make_unique<platform::FakePrintSystem>());
  rig.term.AddKeys(Keys({kPagePrinter, {key::kEnter}}));
  EXPECT_FALSE(first.Print(layout));
  EXPECT_TRUE(Shown(rig.term, "No printers installed - Cannot continue"));

  auto printers = std::make_unique<platform::FakePrintSystem>(std::vector<std::string>{"Laser"}, "Laser");
  printers->FailWith(xbase::Status::IOError("Laser", "the printer refused the job: Printer stopped"));
  rig.session.services().UseDevices(std::make_unique<platform::FakeRawPrinter>(), std::move(printers));
  ReportWriter second(rig.session);
  Write(second, 1);
  rig.term.AddKeys(Keys({kPagePrinter, {key::kEnter}, {key::kEnter, key::kEnter}, {key::kEnter}, {key::kEnter}}));
  EXPECT_FALSE(second.Print(layout));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "StartDoc() failed: Laser: the printer refused the job: Printer stopped"));
  EXPECT_TRUE(Tables().empty());
}

TEST_F(ReportEngineTest, AFormOfLinesPrintsAsOneJobAfterYa) {
  rig.term.AddKeys(Keys({{key::kEnter}, Line("2"), {key::kEnter}, {key::kEnter}}));
  EXPECT_TRUE(DIRECTPRINT_(rig.session, {"FAKTUR PAJAK", "  Nomor : 010.000-26.00000001"}, false));
  EXPECT_TRUE(Shown(rig.term, "Yakin akan mencetak FORM"));
  EXPECT_TRUE(Shown(rig.term, "CETAK KE Laser"));
  ASSERT_EQ(rig.printers->jobs().size(), 1u);
  const platform::PageJob& job = rig.printers->jobs()[0].job;
  EXPECT_EQ(job.copies, 2);
  ASSERT_EQ(job.pages.size(), 1u);
  ASSERT_EQ(job.pages[0].size(), 2u);
  EXPECT_EQ(job.pages[0][1].text, "  Nomor : 010.000-26.00000001");
  EXPECT_EQ(job.pages[0][1].points, 12);
  EXPECT_FALSE(job.setup.landscape());

  rig.term.AddKeys(Keys({{key::kEnter}, {key::kEnter}, {key::kRight, key::kEnter}}));
  EXPECT_FALSE(DIRECTPRINT_(rig.session, {"FAKTUR PAJAK"}, true));
  EXPECT_EQ(rig.printers->jobs().size(), 1u);
}

TEST_F(ReportEngineTest, CopyFileWritesThePlainTextIntoAFolderMadeForIt) {
  ReportWriter report(rig.session);
  Write(report, 2);
  support::TempFolder target;
  const std::string folder_typed = target.path() + "\\hasil\\bulan\\";
  rig.term.AddKeys(Keys({{'C'}, Line("rekap.t"), Line(folder_typed), {'y'}, {key::kEsc}}));
  EXPECT_FALSE(report.Print(layout));
  EXPECT_EQ(support::ReadFile(target.File("hasil/bulan/rekap.t")),
            "page 1 line 1\npage 1 line 2\npage 1 line 3\npage 2 line 1\npage 2 line 2\npage 2 line 3\n");
  EXPECT_TRUE(Shown(rig.term, "COPY LAPORAN KE FILE"));
  EXPECT_TRUE(Shown(rig.term, "Jumlah Halaman : 2"));
}

TEST_F(ReportEngineTest, CopyFileTakesALongNameWhole) {
  const std::string lines = "page 1 line 1\npage 1 line 2\npage 1 line 3\n";
  support::TempFolder target;
  {
    // Nine characters under a folder: the ninth stays in the name, the folder is the one typed.
    ReportWriter report(rig.session);
    Write(report, 1);
    rig.term.AddKeys(Keys({{'C'}, Line("giro2.txt"), Line(target.path() + "/t"), {'Y'}, {key::kEsc}}));
    EXPECT_FALSE(report.Print(layout));
    EXPECT_EQ(support::ReadFile(target.File("t/giro2.txt")), lines);
    EXPECT_FALSE(std::filesystem::exists(target.File("t/giro2.tx")));
  }
  // The longest name a Linux folder takes (255), with one character more, which is refused; the
  // folder is longer than the field shows. Both scroll within their fields.
  const std::string name = std::string(240, 'n') + "-des-2026.txt";
  ASSERT_EQ(name.size() + 2, 255u);
  const std::string longest = "ab" + name;
  const std::string deep = target.path() + "/" + std::string(60, 'd');
  ReportWriter report(rig.session);
  Write(report, 1);
  rig.term.AddKeys(Keys({{'C'}, Line(longest + "Z"), Line(deep), {'Y'}, {key::kEsc}}));
  const size_t tones = rig.term.tones().size();
  EXPECT_FALSE(report.Print(layout));
  EXPECT_EQ(rig.term.tones().size(), tones + 1);
  EXPECT_EQ(support::ReadFile(deep + "/" + longest), lines);
  EXPECT_EQ(rig.term.keys_left(), 0u);
  // When the Z was refused: the name's last 20 characters in its field, the folder's row blank.
  bool seen = false;
  for (const console::CellGrid& screen : rig.term.screens()) {
    if (console::ScriptedTerminal::Text(screen, 11, 39, 20) != "nnnnnnn-des-2026.txt") continue;
    seen = true;
    EXPECT_EQ(console::ScriptedTerminal::Text(screen, 13, 21, 38), std::string(38, ' '));
  }
  EXPECT_TRUE(seen);
}

TEST_F(ReportEngineTest, ACopyFileThatCannotBeCreatedIsToldAndAnotherAnswerCopiesNothing) {
  ReportWriter report(rig.session);
  Write(report, 1);
  support::TempFolder target;
  fs::create_directories(target.File("ada/rekap"));
  rig.term.AddKeys(Keys({{'C'}, Line("rekap"), Line(target.path() + "/ada"), {'Y'}, {key::kEnter},
                         {'C'}, Line("lain"), Line(target.path()), {'T'}, {key::kEsc}}));
  EXPECT_FALSE(report.Print(layout));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "File " + target.path() + "/ada/rekap tidak bisa dibuat"));
  EXPECT_FALSE(fs::exists(target.File("lain")));
}

TEST_F(ReportEngineTest, AMissingPageTableIsToldOnRow24) {
  ReportPage lines;
  rig.term.AddKeys({key::kEnter});
  EXPECT_FALSE(ReadReportPage(rig.session, folder.path() + "/X09", 1, &lines));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "X091.dbf"));
}

TEST_F(ReportEngineTest, WorkTablesAreErasedWithTheirIndexes) {
  std::string name;
  {
    WorkTable work(rig.session);
    ASSERT_TRUE(work.Create({{"KODE", 'C', 10, 0, 0}, {"JUMLAH", 'N', 9, 0, 0}}));
    name = work.name();
    EXPECT_EQ(name, folder.path() + "/Z011");
    ASSERT_TRUE(work.Index(1, "kode").ok());
    ASSERT_TRUE(console::APP_REC(rig.con, work.area()).ok());
    ASSERT_TRUE(work.area().Put("KODE", xbase::Value::Text("B")).ok());
    ASSERT_TRUE(console::APP_REC(rig.con, work.area()).ok());
    ASSERT_TRUE(work.area().Put("KODE", xbase::Value::Text("A")).ok());
    ASSERT_TRUE(work.area().GoTop().ok());
    EXPECT_EQ(work.area().Text("KODE"), "A         ");
    EXPECT_EQ(Tables(), (std::vector<std::string>{"Z011.dbf", "Z0111.ntx"}));
    EXPECT_EQ(rig.session.tables().Area("dumm"), &work.area());
  }
  EXPECT_TRUE(Tables().empty());
  EXPECT_EQ(rig.session.tables().Area("dumm"), nullptr);
}

}  // namespace
}  // namespace frame

namespace frame {
namespace {

TEST(RawFormTest, AFormsBytesGoUnchangedAsOneJobOrTheRefusalIsShown) {
  support::SessionRig rig({console::key::kEnter, console::key::kEnter});
  auto owned = std::make_unique<platform::FakeRawPrinter>("LX300");
  platform::FakeRawPrinter* printer = owned.get();
  rig.session.services().UseDevices(std::move(owned), std::make_unique<platform::FakePrintSystem>());
  EXPECT_TRUE(PrintRawForm(rig.session, "GIROTT", "A\x0F" "b\x12\r\n\x0C"));
  ASSERT_EQ(printer->jobs().size(), 1u);
  EXPECT_EQ(printer->jobs()[0].title, "GIROTT");
  EXPECT_EQ(printer->jobs()[0].bytes, "A\x0F" "b\x12\r\n\x0C");
  EXPECT_TRUE(support::Shown(rig.term, "Laporan terkirim ke LX300"));
  printer->FailWith(xbase::Status::IOError("/dev/usb/lp0", "cannot be written"));
  EXPECT_FALSE(PrintRawForm(rig.session, "GIROTT", "x"));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "/dev/usb/lp0: cannot be written"));
}

}  // namespace
}  // namespace frame
