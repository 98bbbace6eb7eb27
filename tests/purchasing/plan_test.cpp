// The branch's monthly plans: the D1 base run's figures and its day limit, the D1 plan typed in its
// editor and saved, additional D1 orders and their ship dates, and the forecast workbook of the orders.
#include <filesystem>

#include <gtest/gtest.h>

#include "console/keys.h"
#include "platform/workstation_settings.h"
#include "platform/xlsx_reader.h"
#include "purchasing/plan_prints.h"
#include "purchasing/plan_tables.h"
#include "purchasing/purchasing.h"
#include "support/damaged_tables.h"
#include "support/data_folder.h"
#include "support/files.h"
#include "support/other_workstation.h"
#include "support/scripted_session.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"
#include "support/temp_folder.h"
#include "xbase/ini_file.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace purchasing {
namespace {

namespace key = console::key;
using support::Keys;
using support::Line;
using support::N;
using support::T;

xbase::Value D(int year, int month, int day) { return xbase::Value::FromDate(xbase::Date::FromYmd(year, month, day)); }

class PlanTest : public ::testing::Test {
 protected:
  PlanTest() {
    frame::Session& s = rig.session;
    s.SetSearchPath(data.path());
    s.TMPFILELAP_ = home.path();
    s.MMEMBER.nik = "ADM01";
    platform::WorkstationSettings settings;
    EXPECT_TRUE(platform::ReadWorkstationSettings(xbase::IniFile(), home.path(), &settings).ok());
    settings.reports_folder = reports.path();
    s.services().Configure(std::move(settings));
    Add("SETUP", {{{"SETUP", T("B218")}, {"KET", T("CABANG 218")}}, {{"SETUP", T("D1NUB218")}, {"KET", T("D1B218/ ")}}});
    Add("PATRON", {{{"KODE", T("K111")}, {"NAMA", T("BUKU & SEKOLAH")}, {"KEL", T("01")}},
                   {{"KODE", T("K123")}, {"NAMA", T("ALAT TULIS")}, {"KEL", T("03")}}});
    Add("KELOMPOK", {{{"KODE", T("01")}, {"NAMA", T("SEKOLAH")}}, {{"KODE", T("03")}, {"NAMA", T("TULIS")}}});
    Add("PATRON2", {{{"PATRON", T("K123")}, {"KODE", T("A1")}, {"STKNAS", N(1)}, {"STAG", N(1)}},
                    {{"PATRON", T("K123")}, {"KODE", T("A2")}, {"STKNAS", N(1)}},
                    {{"PATRON", T("K111")}, {"KODE", T("A3")}}});
    Add("MASTBRJ", {{{"KODE", T("A1")}, {"NAMA", T("PULPEN HITAM")}, {"DOS", N(10)}},
                    {{"KODE", T("A2")}, {"NAMA", T("PENSIL 2B")}, {"DOS", N(12)}},
                    {{"KODE", T("A3")}, {"NAMA", T("BUKU TULIS")}, {"DOS", N(200)}}});
    EXPECT_TRUE(s.tables().CloseAll().ok());
  }
  ~PlanTest() override { EXPECT_TRUE(rig.session.tables().CloseAll().ok()); }

  void Add(const std::string& table, const std::vector<support::Row>& rows) {
    support::AddRows(support::Open(rig.session, table), rows);
  }
  void Today(int year, int month, int day) { rig.clock.Set({xbase::Date::FromYmd(year, month, day), 9 * 3600}); }

  // The sales history of A1 and A2 around the cut-off of 30-11-2026, the stock and the targets.
  void History() {
    int number = 0;
    const auto note = [&](const char* table, const char* lines, const char* field, xbase::Value date, const char* code,
                          double quantity) {
      const std::string id = "DOC" + std::to_string(++number);
      Add(table, {{{field, T(id)}, {"TANGGAL", date}}});
      Add(lines, {{{field, T(id)}, {"KODE", T(code)}, {"GUDANG", T("G1")}, {"QUANTITY", N(quantity)}}});
    };
    note("SRTJLN1", "SRTJLN2", "INVOICE", D(2025, 3, 10), "A1", 100);   // last year
    note("SRTJLN1", "SRTJLN2", "INVOICE", D(2025, 11, 30), "A1", 50);   // last year, its last day
    note("SRTJLN1", "SRTJLN2", "INVOICE", D(2025, 12, 5), "A1", 70);    // neither year
    note("SRTJLN1", "SRTJLN2", "INVOICE", D(2026, 1, 15), "A1", 300);   // this year
    note("SRTJLN1", "SRTJLN2", "INVOICE", D(2026, 11, 10), "A1", 200);  // this year, the last closed month
    note("SRTJLN1", "SRTJLN2", "INVOICE", D(2026, 12, 2), "A1", 90);    // after the cut-off
    note("RTJUAL1", "RTJUAL2", "NOMOR", D(2026, 11, 12), "A1", 20);     // returned in the last month
    note("SRTJLN1", "SRTJLN2", "INVOICE", D(2026, 6, 1), "A2", 1200);
    Add("STOKBRG", {{{"KODE", T("A1")}, {"GUDANG", T("G1")}, {"JUMLAH", N(500)}},
                    {{"KODE", T("A1")}, {"GUDANG", T("G2")}, {"JUMLAH", N(100)}},
                    {{"KODE", T("A2")}, {"GUDANG", T("G1")}, {"JUMLAH", N(0)}}});
    Add("TARGET", {{{"KODE", T("A1")}, {"KDCB", T("B218")}, {"TANGGAL", D(2027, 1, 1)}, {"BGTQTY", N(200)}},
                   {{"KODE", T("A1")}, {"KDCB", T("B999")}, {"TANGGAL", D(2027, 1, 1)}, {"BGTQTY", N(900)}},
                   {{"KODE", T("A1")}, {"KDCB", T("B218")}, {"TANGGAL", D(2026, 12, 1)}, {"BGTQTY", N(100)}}});
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  }

  // The rows of a table of the data folder, each as its fields' values by name.
  std::vector<std::map<std::string, std::string>> Rows(const std::string& name, const std::vector<std::string>& fields) {
    xbase::Session tables(xbase::SearchPath({data.path()}));
    xbase::WorkArea* area = nullptr;
    std::vector<std::map<std::string, std::string>> rows;
    EXPECT_TRUE(tables.Use(name, "", xbase::OpenMode::kShared, &area).ok()) << name;
    if (area == nullptr) return rows;
    for (uint32_t recno = 1; recno <= area->table().record_count(); ++recno) {
      EXPECT_TRUE(area->GoTo(recno).ok());
      std::map<std::string, std::string> row;
      for (const std::string& field : fields) {
        xbase::Value value;
        EXPECT_TRUE(area->Get(field, &value).ok()) << field;
        row[field] = value.is_number() ? std::to_string(static_cast<long>(value.number()))
                     : value.is_date() ? value.date().Dtos()
                                       : std::string(xbase::AllTrim(value.text()));
      }
      if (area->deleted()) row["deleted"] = "*";
      rows.push_back(std::move(row));
    }
    return rows;
  }

  // The keys that copy a report to `name` in the copy folder, then leave the output dialog.
  std::vector<int> CopyKeys(const std::string& name) {
    return Keys({{'C'}, Line(name), Line(copies.path()), {'y'}, {key::kEsc}});
  }

  support::TempFolder home, reports, copies;
  support::TempDataFolder data{{"SETUP", "PATRON", "PATRON2", "KELOMPOK", "MASTBRJ", "TARGET", "STOKBRG", "SRTJLN1",
                                "SRTJLN2", "RTJUAL1", "RTJUAL2", "D1CBNG1", "D1CBNG2", "FC_CBNG1", "FC_CBNG2",
                                "BPBELI1", "BPBELI2"}};
  support::SessionRig rig;
};

TEST_F(PlanTest, TheD1BaseOnTheThirdBuildsTheMonthsTableWithSalesTargetsStockAndTheReferenceOrder) {
  Today(2026, 12, 3);
  History();
  // The branch proposed, a customer code, the rest as proposed; the report copied to a file.
  rig.term.AddKeys(Keys({{key::kEnter}, Line("R001"), {key::kEnter, key::kEnter, key::kEnter}, CopyKeys("d1")}));
  ASSERT_TRUE(DSRD1(rig.session, {}).ok());
  ASSERT_TRUE(std::filesystem::exists(data.File("D1B21820261205.dbf")));
  const std::vector<std::string> fields = {"KODE",     "PATRON",   "ISI_BOK",  "STOCK",    "OMTHLKUM", "TGBLNINI",
                                           "TGBLNKUM", "OMBLITHI", "OMTHIKUM", "RT2OMBLN", "ACUANODR", "KDCB",
                                           "TG_KIRIM"};
  const auto rows = Rows("D1B21820261205", fields);
  ASSERT_EQ(rows.size(), 2u);  // A3 is not marked for D1
  // A1: last year 10 + 5 cartons; this year 30 + 20 - 2; the last closed month 20 - 2; 48 / 11 months
  // is 4 a month, and twice that is below the 60 cartons in stock: no reference order.
  EXPECT_EQ(rows[0], (std::map<std::string, std::string>{
                         {"KODE", "A1"}, {"PATRON", "K123"}, {"ISI_BOK", "10"}, {"STOCK", "60"}, {"OMTHLKUM", "15"},
                         {"TGBLNINI", "20"}, {"TGBLNKUM", "20"}, {"OMBLITHI", "18"}, {"OMTHIKUM", "48"},
                         {"RT2OMBLN", "4"}, {"ACUANODR", "0"}, {"KDCB", "B218"}, {"TG_KIRIM", "20270115"}}));
  // A2: 100 cartons this year, 9 a month, none in stock: order 18.
  EXPECT_EQ(rows[1].at("OMTHIKUM"), "100");
  EXPECT_EQ(rows[1].at("RT2OMBLN"), "9");
  EXPECT_EQ(rows[1].at("ACUANODR"), "18");
  const std::string report = support::ReadFile(copies.File("d1"));
  EXPECT_NE(report.find("FORM D1 CABANG     : B218"), std::string::npos);
  EXPECT_NE(report.find("PROSES s/d TANGGAL : 30-11-2026"), std::string::npos);
  EXPECT_NE(report.find("TARGET s/d BULAN   : JANUARI 2027"), std::string::npos);
  std::string row = "   1 " + xbase::PadR("A1", 10) + " " + xbase::PadR("K123", 10) + " " + xbase::PadR("PULPEN HITAM", 20) +
                    xbase::PadL("10", 6);
  for (const char* figure : {"60", "15", "20", "20", "18", "48", "4", "0"}) row += xbase::PadL(figure, 10);
  EXPECT_NE(report.find(row + "\n"), std::string::npos) << report;
}

TEST_F(PlanTest, AfterTheFifthTheD1PlanIsRefusedAndTheAdditionalOrderOpens) {
  Today(2026, 12, 6);
  ASSERT_TRUE(DSRD1(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "PLANNING D1 dibuat Maksimal Tanggal 5 tiap bulan"));
  EXPECT_TRUE(support::Shown(rig.term, "permintaan diluar TANGGAL tersebut, diinput di D1 TAMBAHAN"));
  EXPECT_FALSE(std::filesystem::exists(data.File("D1B21820261205.dbf")));
  ASSERT_TRUE(INPD1(rig.session, {}).ok());
  EXPECT_FALSE(support::Shown(rig.term, "Kode Cabang :"));
  rig.term.AddKeys({key::kEsc});
  ASSERT_TRUE(D1TB(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "Kode Cabang :"));
  Today(2026, 12, 5);
  rig.term.AddKeys({key::kEsc});
  ASSERT_TRUE(D1TB(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "D1 TAMBAHAN bisa diinput setelah tanggal 5"));
}

TEST_F(PlanTest, AClerkTypesTheD1OrdersInTheEditorAndSavesThem) {
  Today(2026, 12, 3);
  History();
  rig.term.AddKeys(Keys({{key::kEnter}, Line("R001"), {key::kEnter, key::kEnter, key::kEnter}, {key::kEsc}}));
  ASSERT_TRUE(DSRD1(rig.session, {}).ok());
  // The branch; the cursor to the order column of A1: 5 cartons; down to A2: 12; the index switched
  // and back; Esc and "Ya".
  rig.term.AddKeys(Keys({Line("B218"), std::vector<int>(8, key::kRight), Line("5"), {key::kDown}, Line("12"),
                         {key::kF2, key::kF2, key::kEsc, key::kEnter}}));
  ASSERT_TRUE(INPD1(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "Esc) Selesai, F2) Ganti Index, F4) Cari, Del) Hapus"));
  EXPECT_TRUE(support::Shown(rig.term, "Indek Key : kode"));
  EXPECT_TRUE(support::Shown(rig.term, "ORDER"));
  EXPECT_EQ(Rows("D1CBNG1", {"NOMOR", "KD_CB", "TANGGAL", "TGKIRIM", "TGINPUT"}),
            (std::vector<std::map<std::string, std::string>>{{{"NOMOR", "D1B218/20261205"},
                                                              {"KD_CB", "B218"},
                                                              {"TANGGAL", "20261203"},
                                                              {"TGKIRIM", "20270115"},
                                                              {"TGINPUT", "20261203"}}}));
  EXPECT_EQ(Rows("D1CBNG2", {"NOMOR", "KODE", "URUTAN", "CARTON", "QUANTITY"}),
            (std::vector<std::map<std::string, std::string>>{
                {{"NOMOR", "D1B218/20261205"}, {"KODE", "A1"}, {"URUTAN", "1"}, {"CARTON", "5"}, {"QUANTITY", "50"}},
                {{"NOMOR", "D1B218/20261205"}, {"KODE", "A2"}, {"URUTAN", "2"}, {"CARTON", "12"}, {"QUANTITY", "144"}}}));

  // A second save with A1's order taken back rewrites the lines in place.
  rig.term.AddKeys(Keys({Line("B218"), std::vector<int>(8, key::kRight), Line("0"), {key::kF10, key::kEnter}}));
  ASSERT_TRUE(INPD1(rig.session, {}).ok());
  const auto lines = Rows("D1CBNG2", {"KODE", "CARTON", "QUANTITY"});
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], (std::map<std::string, std::string>{{"KODE", "A2"}, {"CARTON", "12"}, {"QUANTITY", "144"}}));
  EXPECT_EQ(lines[1].count("deleted"), 1u);
  EXPECT_EQ(Rows("D1CBNG1", {"NOMOR"}).size(), 1u);

  // The plan as text, the rows ordered only: A2 under its line's sum and the total.
  rig.term.AddKeys(Keys({Line("D1B21820261205"), {key::kEnter, key::kEnter, key::kRight, key::kEnter},
                         CopyKeys("plan"), {key::kEsc}}));
  ASSERT_TRUE(CTKD1(rig.session, {}).ok());
  const std::string report = support::ReadFile(copies.File("plan"));
  std::string figures;
  for (const char* figure : {"0", "0", "0", "0", "100", "9", "0", "18", "12"}) figures += xbase::PadL(figure, 10);
  EXPECT_NE(report.find("FORM D1 CABANG     : B218   ( satuan carton )\nKEBUTUHAN BULAN    : JANUARI 2027\n"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find("   1 " + xbase::PadR("A2", 11) + xbase::PadR("K123", 11) + xbase::PadR("PENSIL 2B", 20) +
                        xbase::PadL("12", 6) + figures + "\n" + xbase::PadR("    JUMLAH", 53) + figures + "\n" +
                        xbase::PadR("              TOTAL ", 53) + figures + "\n"),
            std::string::npos)
      << report;
  EXPECT_EQ(report.find("PULPEN"), std::string::npos);
}

TEST_F(PlanTest, AnAdditionalOrderUpToTheFifteenthShipsAfterThisMonthFromTheSixteenthAfterTheNext) {
  EXPECT_EQ(AdditionalShipDate(xbase::Date::FromYmd(2026, 12, 15)), xbase::Date::FromYmd(2027, 1, 15));
  EXPECT_EQ(AdditionalShipDate(xbase::Date::FromYmd(2026, 12, 16)), xbase::Date::FromYmd(2027, 2, 15));
  for (const int day : {15, 16}) {
    Today(2026, 12, day);
    // The branch proposed; A1 with 3 cartons; F10 and "Ya".
    rig.term.AddKeys(Keys({{key::kEnter}, Line("A1"), Line("3"), {key::kF10, key::kEnter}}));
    ASSERT_TRUE(D1TB(rig.session, {}).ok());
  }
  EXPECT_EQ(Rows("D1CBNG1", {"NOMOR", "TANGGAL", "TGKIRIM", "OPERATOR"}),
            (std::vector<std::map<std::string, std::string>>{
                {{"NOMOR", "D1B218/20261215"}, {"TANGGAL", "20261215"}, {"TGKIRIM", "20270115"}, {"OPERATOR", "ADM01"}},
                {{"NOMOR", "D1B218/20261216"}, {"TANGGAL", "20261216"}, {"TGKIRIM", "20270215"}, {"OPERATOR", "ADM01"}}}));
  EXPECT_EQ(Rows("D1CBNG2", {"NOMOR", "KODE", "CARTON", "QUANTITY"}).at(1),
            (std::map<std::string, std::string>{
                {"NOMOR", "D1B218/20261216"}, {"KODE", "A1"}, {"CARTON", "3"}, {"QUANTITY", "30"}}));
}

TEST_F(PlanTest, EscWhileAnotherWorkstationAppendsToTheLinesWritesNoHeader) {
  support::CompleteSmallFolder(data.path());
  Today(2026, 12, 15);
  support::OtherWorkstation other(data.path());
  other.HoldAppend("D1CBNG2");
  const std::vector<int> order = Keys({{key::kEnter}, Line("A1"), Line("3"), {key::kF10, key::kEnter}});
  rig.term.AddKeys(Keys({order, {key::kEsc, ' ', ' ', key::kEsc}}));
  ASSERT_TRUE(D1TB(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "Mencoba menambah record file D1CBNG2.Dbf, tekan [Esc]=batal...."));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Rows("D1CBNG1", {"NOMOR"}).empty());
  EXPECT_TRUE(Rows("D1CBNG2", {"NOMOR"}).empty());

  other.Release();
  rig.term.AddKeys(order);
  ASSERT_TRUE(D1TB(rig.session, {}).ok());
  EXPECT_EQ(Rows("D1CBNG1", {"NOMOR"}).size(), 1u);
  EXPECT_EQ(Rows("D1CBNG2", {"NOMOR", "KODE", "CARTON", "QUANTITY"}),
            (std::vector<std::map<std::string, std::string>>{
                {{"NOMOR", "D1B218/20261215"}, {"KODE", "A1"}, {"CARTON", "3"}, {"QUANTITY", "30"}}}));
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::ExpectVerified(data.path());
}

TEST_F(PlanTest, TheForecastWorkbookOfOrdersLeavesOutZeroRowsAndAnEmptyProductLine) {
  Today(2026, 12, 3);
  xbase::WorkArea* plan = nullptr;
  ASSERT_TRUE(CreatePlanTable(rig.session, PlanKind::kForecast, "fcsB21820261205", &plan));
  const auto row = [](const char* code, const char* line, double estimate, double transit, double to_end) {
    return support::Row{{"KODE", T(code)},        {"PATRON", T(line)},        {"NAMA", T(std::string("BARANG ") + code)},
                        {"ISI_BOK", N(10)},       {"OMZ_THLL", N(40)},        {"OMZ_TRTGI", N(8)},
                        {"TGT_BLINI", N(30)},     {"OMZ_AVG", N(5)},          {"ESTM_JUAL", N(estimate)},
                        {"HR_KERJA", N(25)},      {"LEAD_TIME", N(21)},       {"BUF_STOCK", N(7)},
                        {"STOCK_UPD", N(12)},     {"BRG_DIJLN", N(transit)},  {"ESTM_AKHR", N(to_end)},
                        {"KDCB", T("B218")},      {"TG_KIRIM", D(2027, 1, 15)}};
  };
  support::AddRows(*plan, {row("A3", "K111", 0, 0, 0), row("A1", "K123", 50, 4, 20), row("A2", "K123", 0, 0, 0),
                           row("A4", "K123", 25, 0, 10)});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  // The file, "Order Saja" and the rows per page as proposed; the workbook.
  rig.term.AddKeys(Keys({Line("fcsB21820261205"), {key::kEnter, key::kEnter, key::kEnter}, {key::kEsc}}));
  ASSERT_TRUE(CNEWFCAST(rig.session, {}).ok());
  std::vector<std::filesystem::path> books;
  for (const auto& entry : std::filesystem::directory_iterator(reports.path())) books.push_back(entry.path());
  ASSERT_EQ(books.size(), 1u);
  platform::XlsxReader reader;
  platform::SheetData sheet;
  ASSERT_TRUE(reader.Open(books[0].string()).ok());
  ASSERT_TRUE(reader.ReadSheet(0, &sheet).ok());
  const auto text = [&](int r, int c) {
    const platform::SheetCell* cell = sheet.Find(r, c);
    return cell == nullptr ? std::string() : cell->text;
  };
  const auto number = [&](int r, int c) {
    const platform::SheetCell* cell = sheet.Find(r, c);
    return cell == nullptr ? -1.0 : cell->number;
  };
  EXPECT_EQ(text(1, 1), "FORM FORCAST CABANG     : B218   ( satuan carton )");
  EXPECT_EQ(text(2, 1), "KEBUTUHAN BULAN         : JANUARI 2027");
  EXPECT_EQ(text(4, 18), "FIX ORDER PRODUKSI");
  EXPECT_EQ(text(5, 2), "A1");
  EXPECT_EQ(text(6, 2), "A4");
  EXPECT_EQ(text(7, 2), "JUMLAH");  // only the line with estimates, by its name
  EXPECT_EQ(text(7, 3), "ALAT TULIS");
  EXPECT_EQ(text(8, 2), "TOTAL");
  EXPECT_EQ(text(9, 2), "");
  // A1: 50 / 25 working days = 2 a day, 2 x (21 + 7) = 56; aged 7 + 4 - 20 = -9; order 20 + 9 = 29.
  EXPECT_EQ(number(5, 10), 2);
  EXPECT_EQ(number(5, 14), 56);
  EXPECT_EQ(number(5, 17), -9);
  EXPECT_EQ(number(5, 18), 29);
  // The sums carry lead time and buffer and add the rest.
  EXPECT_EQ(number(8, 9), 75);
  EXPECT_EQ(number(8, 11), 21);
  EXPECT_EQ(number(8, 12), 7);
  EXPECT_EQ(number(8, 18), 29 + 13);
}

TEST_F(PlanTest, TheRecapCountsEachOrderByItsDayAndSetsTheDeliveriesAgainstThem) {
  Today(2027, 1, 8);
  const auto order = [&](const char* number, const char* branch, xbase::Value date, xbase::Value ship, const char* code,
                         double cartons, double pieces) {
    Add("D1CBNG1", {{{"NOMOR", T(number)}, {"KD_CB", T(branch)}, {"TANGGAL", date}, {"TGKIRIM", ship}}});
    Add("D1CBNG2", {{{"NOMOR", T(number)}, {"KODE", T(code)}, {"URUTAN", T("  1")}, {"CARTON", N(cartons)},
                     {"QUANTITY", N(pieces)}}});
  };
  order("P1", "B218", D(2026, 12, 3), D(2027, 1, 15), "A1", 5, 50);   // the plan of December
  order("X1", "B218", D(2026, 12, 10), D(2027, 1, 15), "A1", 2, 20);  // an additional order
  order("X2", "B218", D(2026, 12, 20), D(2027, 1, 31), "A1", 1, 10);  // one of the 16th or later
  order("L1", "B218", D(2026, 10, 20), D(2027, 1, 5), "A2", 3, 36);   // before last month
  order("O1", "B999", D(2026, 12, 3), D(2027, 1, 15), "A1", 9, 90);   // another branch
  order("F1", "B218", D(2026, 12, 3), D(2027, 2, 15), "A1", 9, 90);   // shipped after the period
  Add("BPBELI1", {{{"NO_BPB", T("R1")}, {"TANGGAL", D(2027, 1, 10)}}, {{"NO_BPB", T("R2")}, {"TANGGAL", D(2027, 2, 1)}}});
  Add("BPBELI2", {{{"NO_BPB", T("R1")}, {"KODE", T("A1")}, {"QUANTITY", N(30)}},
                  {{"NO_BPB", T("R2")}, {"KODE", T("A1")}, {"QUANTITY", N(40)}}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  // The branch; January, which sets the end to the 31st.
  rig.term.AddKeys(Keys({Line("B218"), Line("01012027"), {key::kEnter, key::kEnter}, CopyKeys("recap"), {key::kEsc}}));
  ASSERT_TRUE(RD1CB(rig.session, {}).ok());
  const std::string report = support::ReadFile(copies.File("recap"));
  EXPECT_NE(report.find("PERIODE PENGIRIMAN : 01-01-2027 s/D 31-01-2027"), std::string::npos) << report;
  const auto pairs = [](std::initializer_list<std::pair<int, int>> figures) {
    std::string text;
    for (const auto& [cartons, pieces] : figures) {
      text += xbase::PadL(std::to_string(cartons), 10) + xbase::PadL(std::to_string(pieces), 11);
    }
    return text;
  };
  // A1: planned 5, additional 2 + 1 (the 20th counts as additional too), 3 cartons delivered, 5 pending.
  EXPECT_NE(report.find("    TULIS\n  1 A1         PULPEN HITAM        " +
                        pairs({{0, 0}, {5, 50}, {3, 30}, {8, 80}, {3, 30}, {5, 50}}) + "\n"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find("  2 A2         PENSIL 2B           " + pairs({{3, 36}, {0, 0}, {0, 0}, {3, 36}, {0, 0}, {3, 36}})),
            std::string::npos);
  EXPECT_NE(report.find("                           JUMLAH :" +
                        pairs({{3, 36}, {5, 50}, {3, 30}, {11, 116}, {3, 30}, {8, 86}})),
            std::string::npos);
}

TEST_F(PlanTest, TheForecastTakesEstimatesUpToTheFifteenthAndIsSavedAndPrintedByItsNumber) {
  Today(2026, 12, 3);
  History();
  rig.term.AddKeys(Keys({{key::kEnter}, Line("R001"), {key::kEnter, key::kEnter}, Line("25")}));
  ASSERT_TRUE(FCST1(rig.session, {}).ok());
  const auto rows = Rows("fcsB22320261205", {"KODE", "OMZ_THLL", "OMZ_THINI", "OMZ_TRTGI", "OMZ_AVG", "HR_KERJA",
                                             "LEAD_TIME", "BUF_STOCK", "STOCK_UPD"});
  ASSERT_EQ(rows.size(), 1u);  // only A1 is marked for the forecast
  EXPECT_EQ(rows[0], (std::map<std::string, std::string>{{"KODE", "A1"}, {"OMZ_THLL", "15"}, {"OMZ_THINI", "48"},
                                                         {"OMZ_TRTGI", "30"}, {"OMZ_AVG", "4"}, {"HR_KERJA", "25"},
                                                         {"LEAD_TIME", "21"}, {"BUF_STOCK", "7"}, {"STOCK_UPD", "60"}}));
  Add("SETUP", {{{"SETUP", T("B223")}, {"KET", T("CABANG 223")}}, {{"SETUP", T("D1NUB223")}, {"KET", T("FC")}}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  // After the 15th only a user with "EDP" may correct it.
  Today(2026, 12, 16);
  ASSERT_TRUE(NEWFCAST(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "FORCAST dibuat Maksimal Tanggal 15 tiap bulan"));
  rig.session.MMEMBER.rights = "EDP";
  // The estimate of sales (the sixth column) 40, and 35 to the month's end; F10 and "Ya".
  rig.term.AddKeys(Keys({Line("B223"), std::vector<int>(5, key::kRight), Line("40"), {key::kRight, key::kRight, key::kRight},
                         Line("35"), {key::kF10, key::kEnter}}));
  ASSERT_TRUE(NEWFCAST(rig.session, {}).ok());
  EXPECT_EQ(Rows("FC_CBNG1", {"NOMOR", "CABANG", "TANGGAL", "TGLKIRIM", "JUM_HK", "LEAD_TIME", "BUFF_STOCK"}),
            (std::vector<std::map<std::string, std::string>>{{{"NOMOR", "FC20261205"}, {"CABANG", "B223"},
                                                              {"TANGGAL", "20261216"}, {"TGLKIRIM", "20270115"},
                                                              {"JUM_HK", "25"}, {"LEAD_TIME", "21"},
                                                              {"BUFF_STOCK", "7"}}}));
  EXPECT_EQ(Rows("FC_CBNG2", {"KODE", "PATRON", "KUM_JLTHL", "JUAL_TTGG", "AVG_SDBLI", "EST_JLBLI", "STK_BLINI",
                              "EST_AKHIR"}),
            (std::vector<std::map<std::string, std::string>>{{{"KODE", "A1"}, {"PATRON", "K123"}, {"KUM_JLTHL", "15"},
                                                              {"JUAL_TTGG", "30"}, {"AVG_SDBLI", "4"},
                                                              {"EST_JLBLI", "40"}, {"STK_BLINI", "60"},
                                                              {"EST_AKHIR", "35"}}}));

  // The saved forecast picked by its branch and printed.
  rig.term.AddKeys(Keys({Line("B223"), Line("?"), {key::kEnter}, {key::kEsc}}));
  ASSERT_TRUE(CFCASTDL(rig.session, {}).ok());
  std::vector<std::filesystem::path> books;
  for (const auto& entry : std::filesystem::directory_iterator(reports.path())) books.push_back(entry.path());
  ASSERT_EQ(books.size(), 1u);
  platform::XlsxReader reader;
  platform::SheetData sheet;
  ASSERT_TRUE(reader.Open(books[0].string()).ok());
  ASSERT_TRUE(reader.ReadSheet(0, &sheet).ok());
  ASSERT_NE(sheet.Find(5, 3), nullptr);
  EXPECT_EQ(sheet.Find(5, 3)->text, "PULPEN HITAM");
  ASSERT_NE(sheet.Find(5, 9), nullptr);
  EXPECT_EQ(sheet.Find(5, 9)->number, 40);    // the estimate
  EXPECT_EQ(sheet.Find(5, 10)->number, 1.6);  // 40 over 25 working days
}

// The forecast print names each item: an item that cannot be read is the error on row 24 and no
// workbook is written, never one with the name left blank.
TEST_F(PlanTest, AForecastWhoseItemCannotBeReadIsNotPrinted) {
  Add("FC_CBNG1", {{{"NOMOR", T("FC20261205")}, {"CABANG", T("B218")}, {"TANGGAL", D(2026, 12, 5)},
                    {"TGLKIRIM", D(2027, 1, 15)}, {"JUM_HK", N(25)}}});
  Add("FC_CBNG2", {{{"NOMOR", T("FC20261205")}, {"KODE", T("A1")}, {"PATRON", T("K123")}, {"EST_JLBLI", N(40)}}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::DamageIndexPages(data.path(), "MASTBRJ");
  rig.term.AddKeys(Keys({Line("B218"), Line("FC20261205"), {' '}, {key::kEsc}}));
  ASSERT_TRUE(CFCASTDL(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "MASTBRJ"));
  EXPECT_TRUE(std::filesystem::is_empty(reports.path()));
}

}  // namespace
}  // namespace purchasing
