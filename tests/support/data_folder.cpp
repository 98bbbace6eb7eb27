// Temporary data folders holding the tables a test names, and rows written into them.
#include "support/data_folder.h"

#include <gtest/gtest.h>

#include "schema/catalog.h"
#include "schema/create_table.h"
#include "schema/open_table.h"
#include "xbase/text_functions.h"

namespace support {

void CreateTables(const std::string& folder, const std::vector<std::string>& tables) {
  for (const std::string& table : tables) {
    const schema::TableDef* def = schema::FindTable(table);
    EXPECT_NE(def, nullptr) << table;
    if (def == nullptr) continue;
    const xbase::Status s = schema::CreateTable(*def, folder);
    EXPECT_TRUE(s.ok()) << s.ToString();
  }
}

TempDataFolder::TempDataFolder(const std::vector<std::string>& tables) { CreateTables(folder_.path(), tables); }

xbase::WorkArea& Open(frame::Session& session, const std::string& table) {
  xbase::WorkArea* area = session.tables().Area(table);
  if (area == nullptr) {
    const xbase::Status s = schema::UseWithIndexes(session.tables(), table, "", xbase::OpenMode::kShared, &area);
    if (!s.ok()) throw std::runtime_error("cannot open " + table + ": " + s.ToString());
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

std::string StoredText(xbase::WorkArea& area, uint32_t recno, const std::string& field) {
  EXPECT_TRUE(area.GoTo(recno).ok());
  return std::string(xbase::RTrim(area.Text(field)));
}

void MakeTable(xbase::Session& session, const char* name, xbase::DbfField first, xbase::DbfField second,
               const std::vector<std::pair<const char*, const char*>>& rows, xbase::WorkArea** area) {
  ASSERT_TRUE(session.CreateTable(name, {first, second}).ok());
  ASSERT_TRUE(session.Use(name, "", xbase::OpenMode::kShared, area).ok());
  for (const auto& [a, b] : rows) {
    ASSERT_TRUE((*area)->Append().ok());
    ASSERT_TRUE((*area)->Put(first.name, xbase::Value::Text(a)).ok());
    ASSERT_TRUE((*area)->Put(second.name, xbase::Value::Text(b)).ok());
  }
  ASSERT_TRUE((*area)->Unlock().ok());
}

}  // namespace support
