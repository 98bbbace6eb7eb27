#include "data_folder_helpers.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "schema/catalog.h"
#include "schema/create_table.h"
#include "schema/open_table.h"
#include "xbase/text_functions.h"

namespace frame {

TempDataFolder::TempDataFolder(const std::vector<std::string>& tables) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  path_ = std::filesystem::temp_directory_path() /
          ("palunda-frame-" + std::to_string(getpid()) + "-" + info->test_suite_name() + "-" + info->name());
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
  for (const std::string& table : tables) {
    const schema::TableDef* def = schema::FindTable(table);
    EXPECT_NE(def, nullptr) << table;
    if (def == nullptr) continue;
    const xbase::Status s = schema::CreateTable(*def, path_.string());
    EXPECT_TRUE(s.ok()) << s.ToString();
  }
}

TempDataFolder::~TempDataFolder() { std::filesystem::remove_all(path_); }

xbase::WorkArea& Open(Session& session, const std::string& table) {
  xbase::WorkArea* area = session.tables().Area(table);
  if (area == nullptr) {
    const xbase::Status s = schema::UseWithIndexes(session.tables(), table, "", xbase::OpenMode::kShared, &area);
    EXPECT_TRUE(s.ok()) << s.ToString();
  }
  return *area;
}

void AddRows(xbase::WorkArea& area, const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    ASSERT_TRUE(area.Append().ok());
    for (const auto& [field, value] : row) ASSERT_TRUE(area.Put(field, value).ok()) << field;
    ASSERT_TRUE(area.Unlock().ok());
  }
}

std::string FieldText(xbase::WorkArea& area, uint32_t recno, const std::string& field) {
  EXPECT_TRUE(area.GoTo(recno).ok());
  return std::string(xbase::RTrim(area.Text(field)));
}

}  // namespace frame
