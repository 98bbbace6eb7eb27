// Completes a small test folder with the catalog tables it lacks and settles its derived values.
#include "support/small_folder_check.h"

#include <vector>

#include <gtest/gtest.h>

#include "schema/catalog.h"
#include "schema/create_table.h"
#include "site/folder_verify.h"
#include "xbase/search_path.h"

namespace support {

void CompleteSmallFolder(const std::string& folder) {
  for (const schema::TableDef* table : schema::AllTables()) {
    std::string found;
    if (xbase::FindInFolder(folder, std::string(table->name) + ".dbf", &found).ok()) continue;
    const xbase::Status s = schema::CreateTable(*table, folder);
    EXPECT_TRUE(s.ok()) << s.ToString();
  }
}

void SettleSmallFolder(const std::string& folder) {
  CompleteSmallFolder(folder);
  std::vector<std::string> repaired;
  const xbase::Status s = site::RepairFolder(folder, &repaired);
  EXPECT_TRUE(s.ok()) << s.ToString();
}

}  // namespace support
