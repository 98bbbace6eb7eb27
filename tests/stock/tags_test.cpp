// Stock-taking tags read from a workbook: numbered as typed tags are, one tag per run of rows.
#include "stock/tags.h"

#include <tuple>

#include "console/keys.h"
#include "frame/open_table.h"
#include "frame/procedure_registry.h"
#include "platform/workbook.h"
#include "platform/xlsx_writer.h"
#include "stock/stock_screens.h"
#include "stock/stock_rows_helpers.h"
#include "support/damaged_tables.h"
#include "support/other_workstation.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"

namespace stock {
namespace {

class TagsTest : public testing::StockTest {};

TEST_F(TagsTest, TagsFromAWorkbookAreNumberedAsTypedTags) {
  platform::Workbook book;
  platform::Worksheet& sheet = book.AddSheet("Sheet1");
  sheet.SetValue(1, 1, "NO");
  // Tag 902 as a number on two rows, then 903 as a text, then a tag named
  // in letters, which stays as written.
  const std::vector<std::pair<bool, std::string>> tags = {
      {true, "902"}, {true, "902"}, {false, "903"}, {false, "T-1"}};
  for (size_t i = 0; i < tags.size(); ++i) {
    const int row = static_cast<int>(i) + 2;
    sheet.SetNumber(row, 1, static_cast<double>(i + 1));
    if (tags[i].first) {
      sheet.SetNumber(row, 2, std::stod(tags[i].second));
    } else {
      sheet.SetValue(row, 2, tags[i].second);
    }
    sheet.SetDate(row, 3, xbase::Date::FromYmd(2026, 3, 15));
    sheet.SetValue(row, 4, "A" + std::to_string(i));
    sheet.SetValue(row, 7, "G1");
    sheet.SetNumber(row, 9, 10.0 * static_cast<double>(i + 1));
  }
  const std::string path = reports.File("tags.xlsx");
  ASSERT_TRUE(platform::WriteXlsx(book, path).ok());
  const frame::OpenedTables tables = frame::OpenTables(rig.session, {{"mastbrj"}, {"opname"}});
  ASSERT_TRUE(tables);
  ASSERT_TRUE(ImportTags(rig.session, tables["opname"], path).ok());
  CloseAll();
  EXPECT_EQ(Rows("OPNAME", {"NOMOR", "KODE", "JUMLAH"}),
            (std::vector<std::string>{"NOMOR=0000000902 KODE=A0 JUMLAH=10", "NOMOR=0000000902 KODE=A1 JUMLAH=20",
                                      "NOMOR=0000000903 KODE=A2 JUMLAH=30", "NOMOR=T-1 KODE=A3 JUMLAH=40"}));
}

// A tag saved and loaded again holds every line as given, and its date.
TEST_F(TagsTest, ASavedTagLoadsBackEveryLineAsGiven) {
  const frame::OpenedTables tables = frame::OpenTables(rig.session, {{"mastbrj"}, {"opname"}});
  ASSERT_TRUE(tables);
  const std::vector<TagLine> given = {{"A1        ", "G1    ", "RAK-01", 2, 3, 4, 94},
                                      {"A2        ", "G2    ", "LT-2  ", 0, 1, 0, 12}};
  ASSERT_TRUE(SaveTag(rig.session, tables["opname"], "0000000007", xbase::Date::FromYmd(2026, 3, 15), given).ok());
  std::vector<TagLine> loaded;
  xbase::Date date;
  bool found = false;
  ASSERT_TRUE(LoadTag(tables["opname"], "0000000007", &loaded, &date, &found).ok());
  ASSERT_TRUE(found);
  EXPECT_EQ(date, xbase::Date::FromYmd(2026, 3, 15));
  ASSERT_EQ(loaded.size(), 2u);
  for (size_t i = 0; i < given.size(); ++i) {
    EXPECT_EQ(loaded[i].code, given[i].code) << i;
    EXPECT_EQ(loaded[i].warehouse, given[i].warehouse) << i;
    EXPECT_EQ(loaded[i].location, tables["opname"].PadToField("LOKASI", given[i].location)) << i;
    EXPECT_EQ(std::make_tuple(loaded[i].cartons, loaded[i].packs, loaded[i].pieces, loaded[i].quantity),
              std::make_tuple(given[i].cartons, given[i].packs, given[i].pieces, given[i].quantity))
        << i;
  }
}

// A workbook of tags, one row per (tag, code, counted pieces), all in warehouse G1 on 15-03-2026.
std::string TagBook(const std::string& path, const std::vector<std::tuple<std::string, std::string, double>>& rows) {
  platform::Workbook book;
  platform::Worksheet& sheet = book.AddSheet("Sheet1");
  sheet.SetValue(1, 1, "NO");
  for (size_t i = 0; i < rows.size(); ++i) {
    const int row = static_cast<int>(i) + 2;
    sheet.SetNumber(row, 1, static_cast<double>(i + 1));
    sheet.SetValue(row, 2, std::get<0>(rows[i]));
    sheet.SetDate(row, 3, xbase::Date::FromYmd(2026, 3, 15));
    sheet.SetValue(row, 4, std::get<1>(rows[i]));
    sheet.SetValue(row, 7, "G1");
    sheet.SetNumber(row, 9, std::get<2>(rows[i]));
  }
  EXPECT_TRUE(platform::WriteXlsx(book, path).ok());
  return path;
}

// Each tag is one save: Esc at a row of a stored tag that another workstation holds stops the import
// there; the tags before are stored, of that one nothing is written. Typed on the tag screen, the
// same tag saves nothing either.
TEST_F(TagsTest, AnImportStoppedAtALockedTagKeepsTheTagsBeforeAndNothingOfThatOne) {
  support::SettleSmallFolder(data.path());
  // The workbook's tags imported with the tables open, as the import screen has them.
  const auto import = [&](const std::string& book, TagStop* stop) {
    const frame::OpenedTables tables = frame::OpenTables(rig.session, {{"mastbrj"}, {"opname"}});
    EXPECT_TRUE(tables);
    const xbase::Status s = tables ? ImportTags(rig.session, tables["opname"], book, {}, stop) : xbase::Status::OK();
    CloseAll();
    return s;
  };
  ASSERT_TRUE(import(TagBook(reports.File("old.xlsx"), {{"903", "A9", 5}, {"903", "A8", 6}}), nullptr).ok());
  const std::string book = TagBook(reports.File("tags.xlsx"), {{"902", "A0", 10}, {"902", "A1", 20}, {"903", "A2", 30}});
  {
    support::OtherWorkstation other(data.path());
    other.Hold("OPNAME", 2);
    rig.term.AddKeys({console::key::kEsc});
    TagStop stop;
    EXPECT_FALSE(import(book, &stop).ok());
    EXPECT_TRUE(support::Shown(rig.term, "Mencoba mengunci record 2 file OPNAME.Dbf, tekan [Esc]=batal...."));
    EXPECT_EQ(stop.row, 4);
    EXPECT_EQ(stop.tag, "0000000903");

    // Typed on the tag screen and saved with F10: nothing either, and the clerk stays on his lines.
    namespace key = console::key;
    rig.term.AddKeys(support::Keys({support::Line("0000000903"),
                                    {key::kEnter, key::kF10, key::kEnter, key::kEsc, ' ', ' ', key::kEsc, key::kEsc}}));
    ASSERT_TRUE(INPTAG(rig.session, {}).ok());
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  }
  EXPECT_EQ(Rows("OPNAME", {"NOMOR", "KODE", "JUMLAH"}),
            (std::vector<std::string>{"NOMOR=0000000903 KODE=A9 JUMLAH=5", "NOMOR=0000000903 KODE=A8 JUMLAH=6",
                                      "NOMOR=0000000902 KODE=A0 JUMLAH=10", "NOMOR=0000000902 KODE=A1 JUMLAH=20"}));
  CloseAll();
  ASSERT_TRUE(import(book, nullptr).ok());
  EXPECT_EQ(Rows("OPNAME", {"NOMOR", "KODE", "JUMLAH"}),
            (std::vector<std::string>{"NOMOR=0000000903 KODE=A2 JUMLAH=30", "*NOMOR=0000000903 KODE=A8 JUMLAH=6",
                                      "NOMOR=0000000902 KODE=A0 JUMLAH=10", "NOMOR=0000000902 KODE=A1 JUMLAH=20"}));
  CloseAll();
  support::ExpectVerified(data.path());
}

// The counted quantity comes from the item's carton and pack sizes: an item that cannot be read when
// the cartons are typed is the failure on row 24, never a count in pieces only; nothing is written.
TEST_F(TagsTest, ACountWhoseItemCannotBeReadIsTheFailure) {
  support::AddRows(support::Open(rig.session, "MASTBRJ"),
                   {{{"KODE", support::T("A1")}, {"NAMA", support::T("PENSIL")}, {"DOS", support::N(12)}}});
  support::AddRows(support::Open(rig.session, "MASTGDG"), {{{"GUDANG", support::T("G1")}}});
  CloseAll();
  namespace key = console::key;
  // The proposed tag and its date, then item, warehouse and location of the first line.
  const std::vector<int> line = support::Keys(
      {{key::kEnter, key::kEnter}, support::Line("A1"), support::Line("G1"), support::Line("RAK")});
  // Two cartons, a key for the failure, then Esc out of the cell, the lines and the tag.
  console::ManualClock clock({xbase::Date::FromYmd(2026, 12, 8), 9 * 3600});
  support::DamagingTerminal term(support::Keys({line, {'2', key::kEnter, ' ', key::kEsc, key::kEsc, key::kEsc}}), &clock,
                                 [&] { support::DamageOpenIndexPages(data.path(), "MASTBRJ"); }, line.size());
  console::Console con(term, clock);
  frame::ProcedureRegistry registry;
  frame::Session session(con, registry, "WS-TEST");
  session.SetSearchPath(data.path());
  ASSERT_TRUE(INPTAG(session, {}).ok());
  EXPECT_EQ(term.keys_left(), 0u);
  EXPECT_TRUE(support::Shown(term, "PENSIL"));
  EXPECT_TRUE(support::ShownOnRow(term, 24, "MASTBRJ"));
  EXPECT_TRUE(Rows("OPNAME", {"NOMOR"}).empty());
}

}  // namespace
}  // namespace stock
