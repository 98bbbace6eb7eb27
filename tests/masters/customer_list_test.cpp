// The customer browse and its list: the index switch, the customers chosen by first code and name, the
// printed pages line by line, and the workbook written into the reports folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "console/keys.h"
#include "master_test_helpers.h"
#include "masters/customer_list.h"
#include "masters/master_screens.h"
#include "platform/xlsx_reader.h"
#include "support/temp_folder.h"

namespace masters {
namespace {

using console::key::kEnter;
using console::key::kEsc;
using support::Keys;
using support::Line;
using support::N;
using support::T;

const xbase::Date kToday = xbase::Date::FromYmd(2026, 12, 8);

class CustomerListTest : public MasterTest {
 protected:
  CustomerListTest() : MasterTest({"SETUP", "MASTCUS", "DT_NPWP"}) {
    Seed("SETUP", {{{"SETUP", T("OUTLETRETL")}, {"KET", T("030045060000 1TOKO RITEL")}},
                   {{"SETUP", T("OUTLETGROS")}, {"KET", T("045060090000 2GROSIR")}}});
    const auto customer = [](const char* code, const char* name, const char* group, double ceiling) {
      return support::Row{{"RELASI", T(code)},    {"NAMA", T(name)},       {"ALAMAT", T("JL. MAWAR 1")},
                          {"ALAMAT2", T("RT 02")}, {"KOTA", T("BOGOR")},    {"TELP", T("0251123456")},
                          {"FAX", T("0251123457")}, {"KONTAK1", T("ANI")},   {"KELOMPOK", T(group)},
                          {"TERIMA", N(2)},         {"TEMPO", N(45)},        {"DISC", N(2.5)},
                          {"SALES", N(ceiling)},    {"NPWP", T("012345678901000")}};
    };
    Seed("MASTCUS", {customer("B0003", "ZAENAL MART", "GROS", 75000000), customer("B0001", "TOKO ANEKA", "RETL", 1500000),
                     customer("B0002", "TB. SINAR", "RETL", 2500000)});
  }

  std::vector<ListedCustomer> Listed(std::string_view start, std::string_view name) {
    support::Open(rig.session, "SETUP");
    support::Open(rig.session, "MASTCUS");
    std::vector<ListedCustomer> customers;
    EXPECT_TRUE(ListedCustomers(rig.session, start, name, &customers).ok());
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    return customers;
  }
};

std::vector<std::string> Codes(const std::vector<ListedCustomer>& customers) {
  std::vector<std::string> codes;
  for (const ListedCustomer& customer : customers) codes.push_back(customer.code);
  return codes;
}

TEST_F(CustomerListTest, CustomersFromTheFirstCodeWhoseNameBeginsWithTheText) {
  EXPECT_EQ(Codes(Listed("", "")), (std::vector<std::string>{"B0001", "B0002", "B0003"}));
  EXPECT_EQ(Codes(Listed("B0002", "")), (std::vector<std::string>{"B0002", "B0003"}));
  EXPECT_EQ(Codes(Listed("", "tb")), std::vector<std::string>{"B0002"});
  const std::vector<ListedCustomer> all = Listed("", "");
  EXPECT_EQ(all[0].group_name, "TOKO RITEL");
  EXPECT_EQ(all[2].group_name, "GROSIR");
}

TEST_F(CustomerListTest, PrintedPagesCarryTheHeadOnEachPageAndTheCountOnTheLast) {
  const std::vector<frame::ReportPage> pages = CustomerListPages(Listed("", ""), "PT PALUNDA NIAGA", kToday, 8);
  ASSERT_EQ(pages.size(), 2u);
  ASSERT_EQ(pages[0].size(), 8u);
  ASSERT_EQ(pages[1].size(), 9u);
  EXPECT_EQ(pages[0][0].text, "PT PALUNDA NIAGA");
  EXPECT_EQ(pages[0][1].text, "DAFTAR KODE RELASI");
  EXPECT_EQ(pages[0][1].controls, "CB");
  EXPECT_EQ(pages[1][2].text, "Tanggal : 08-12-2026" + std::string(kCustomerListWidth - 31, ' ') + "Halaman : 2");
  EXPECT_EQ(pages[0][4].text.substr(0, 10), "KODE      ");
  EXPECT_EQ(pages[0][4].text.substr(155), " HRG TERM   DISC           PLAFON KELOMPOK                 ");
  EXPECT_EQ(pages[0][6].text,
            "B0001     TOKO ANEKA" + std::string(30, ' ') + " JL. MAWAR 1" + std::string(34, ' ') + " BOGOR" +
                std::string(10, ' ') + " 0251123456" + std::string(11, ' ') + "ANI" + std::string(18, ' ') +
                "   2   45   2.50        1,500,000 TOKO RITEL               ");
  EXPECT_EQ(pages[0][6].text.size(), static_cast<size_t>(kCustomerListWidth));
  EXPECT_EQ(pages[0][6].controls, "C");
  EXPECT_EQ(pages[1][6].text.substr(0, 5), "B0003");
  EXPECT_EQ(pages[1][8].text, "Jumlah relasi : 3");
}

TEST_F(CustomerListTest, WorkbookSheetHoldsTheTitleHeadsAndOneRowACustomer) {
  platform::Workbook book;
  platform::Worksheet& sheet = book.AddSheet("Sheet1");
  FillCustomerSheet(sheet, Listed("", ""), kToday);
  ASSERT_TRUE(book.status().ok()) << book.status().ToString();
  EXPECT_EQ(sheet.CellAt(1, 1)->text, "DAFTAR RELASI per TANGGAL 08-12-2026");
  EXPECT_EQ(sheet.CellAt(4, 8)->text, "KONTAK PERSON");
  EXPECT_EQ(sheet.CellAt(4, 14)->text, "KEL");
  EXPECT_EQ(sheet.CellAt(5, 1)->number, 1);
  EXPECT_EQ(sheet.CellAt(5, 2)->text, "B0001");
  EXPECT_EQ(sheet.CellAt(5, 4)->text, "JL. MAWAR 1 RT 02");
  EXPECT_EQ(sheet.CellAt(5, 6)->text, "0251123456");  // a phone number stays text
  EXPECT_EQ(sheet.CellAt(7, 12)->number, 75000000);
  EXPECT_EQ(sheet.CellAt(7, 11)->number, 2.5);
  EXPECT_EQ(sheet.StyleAt(7, 12).number_format, "#,##0_);[Red](#,##0)");
  EXPECT_TRUE(sheet.StyleAt(4, 3).bold);
  EXPECT_EQ(sheet.StyleAt(7, 14).border_weight, 2);
  EXPECT_EQ(sheet.font_name(), "Arial");
}

// A code typed over in the list would part the customer from its notes, receivables and balance: the
// code column takes nothing, the name beside it is still corrected in place.
TEST_F(CustomerListTest, TheBrowseKeepsTheCodesAndCorrectsTheNames) {
  AddKeys(Keys({Line("X9"), {console::key::kRight}, Line("BARU"), {kEsc}}));
  ASSERT_TRUE(TCUSBRO(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(Column("MASTCUS", "RELASI"), (std::vector<std::string>{"B0003", "B0001", "B0002"}));
  EXPECT_EQ(Column("MASTCUS", "NAMA"), (std::vector<std::string>{"ZAENAL MART", "BARU ANEKA", "TB. SINAR"}));
}

TEST_F(CustomerListTest, BrowseSwitchesItsOrderAndCtrlPWritesTheWorkbook) {
  support::TempFolder reports;
  Workstation("[Reports]\nFolder=" + reports.path() + "\n", reports.path());
  AddKeys(Keys({{console::key::kF2}, {console::key::kCtrlP}, {kEnter, kEnter, kEnter}, {'E'}, {kEnter}, {kEsc}}));
  ASSERT_TRUE(TCUSBRO(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Esc) Selesai, F2) Ganti Index, F4) Cari, CTRL-P) cetak, Del) Hapus "));
  // In name order ZAENAL MART follows TOKO ANEKA; in code order TB. SINAR does.
  const auto& screens = rig.term.screens();
  EXPECT_EQ(console::ScriptedTerminal::Text(screens[0], 8, 2, 5), "B0002");
  EXPECT_EQ(console::ScriptedTerminal::Text(screens[1], 7, 2, 5), "B0001");
  EXPECT_EQ(console::ScriptedTerminal::Text(screens[1], 8, 2, 5), "B0003");
  EXPECT_TRUE(Shown("DAFTAR RELASI"));
  EXPECT_TRUE(Shown("   Brs/Hal :  45"));
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(reports.path())) files.push_back(entry.path());
  ASSERT_EQ(files.size(), 1u);
  EXPECT_TRUE(files[0].filename().string().starts_with("DAFTAR_RELASI_per_TANGGAL_08-12-2026-")) << files[0];
  platform::SheetData sheet;
  ASSERT_TRUE(platform::ReadFirstSheet(files[0].string(), &sheet).ok());
  ASSERT_NE(sheet.Find(7, 3), nullptr);
  EXPECT_EQ(sheet.Find(7, 3)->text, "ZAENAL MART");
  EXPECT_TRUE(Shown(files[0].filename().string().substr(0, 20)));
}

TEST_F(CustomerListTest, MonitorShowsTheListThroughTheReportEngineAndLeavesNoTables) {
  support::TempFolder reports;
  rig.session.TMPFILELAP_ = reports.path();
  rig.session.STP.text[1] = "PT. PALUNDA SENTOSA";
  // The list from B0002 on; "Monitor" twice: the output dialog's viewer, then Esc twice.
  AddKeys(Keys({{console::key::kCtrlP}, Typed("B0002"), {kEnter, kEnter, kEnter}, {'M'}, {'M'}, {kEsc}, {kEsc}, {kEsc}}));
  ASSERT_TRUE(TCUSBRO(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Laporan Mau Dicetak Ke"));
  EXPECT_TRUE(Shown("PT. PALUNDA SENTOSA"));
  EXPECT_TRUE(Shown("DAFTAR KODE RELASI"));
  EXPECT_TRUE(Shown("Tanggal : 08-12-2026"));
  EXPECT_TRUE(Shown("B0002     TB. SINAR"));
  EXPECT_FALSE(Shown("B0001     TOKO ANEKA"));
  EXPECT_TRUE(Shown("Jumlah relasi : 2"));
  EXPECT_TRUE(std::filesystem::is_empty(reports.path()));
}

TEST_F(CustomerListTest, APrintedListIsAJobNamedAfterTheListWithDefaultMargins) {
  support::TempFolder reports;
  rig.session.TMPFILELAP_ = reports.path();
  // "Monitor", then "Print Windows" in the output dialog on the default printer, pages and copies as
  // offered; this workstation has no margin row.
  AddKeys(Keys({{console::key::kCtrlP},
                {kEnter, kEnter, kEnter},
                {'M'},
                {console::key::kRight, console::key::kRight, kEnter},
                {kEnter},
                {kEnter, kEnter},
                {kEnter},
                {kEsc, kEsc, kEsc}}));
  ASSERT_TRUE(TCUSBRO(rig.session, {}).ok());
  ASSERT_EQ(rig.printers->jobs().size(), 1u);
  const platform::PageJob& job = rig.printers->jobs()[0].job;
  EXPECT_EQ(job.title, "DAFTAR KODE RELASI");
  EXPECT_EQ(job.setup.left_mm, 10);
  EXPECT_EQ(job.setup.right_mm, 10);
  EXPECT_EQ(job.setup.top_mm, 10);
}

}  // namespace
}  // namespace masters
