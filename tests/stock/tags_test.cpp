// Stock-taking tags read from a workbook: numbered as typed tags are, one tag per run of rows.
#include "stock/tags.h"

#include "frame/open_table.h"
#include "platform/workbook.h"
#include "platform/xlsx_writer.h"
#include "stock/stock_rows_helpers.h"

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

}  // namespace
}  // namespace stock
