// Rules every table of the catalog keeps: valid fields, unique names, keys built on existing fields.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "schema/catalog.h"
#include "schema_test_helpers.h"

namespace {

using schema_test::Split;
using schema_test::Upper;

// The field names of a key expression: parts joined by "+", each a name or DTOS(name).
std::vector<std::string> KeyFields(const std::string& key) {
  std::vector<std::string> names;
  for (std::string part : Split(Upper(key), '+')) {
    if (part.rfind("DTOS(", 0) == 0 && part.back() == ')') part = part.substr(5, part.size() - 6);
    names.push_back(part);
  }
  return names;
}

TEST(CatalogRules, FieldsHaveValidTypesWidthsAndUniqueNames) {
  for (const schema::TableDef* table : schema::AllTables()) {
    ASSERT_FALSE(table->fields.empty()) << table->name;
    std::set<std::string> names;
    for (const schema::FieldDef& field : table->fields) {
      std::string name = field.name;
      SCOPED_TRACE(std::string(table->name) + "." + name);
      EXPECT_TRUE(names.insert(Upper(name)).second) << "duplicate field";
      EXPECT_EQ(name, Upper(name));
      EXPECT_GE(name.size(), 1u);
      EXPECT_LE(name.size(), 10u);
      switch (field.type) {
        case 'C':
          EXPECT_GE(field.width, 1);
          EXPECT_LE(field.width, 254);
          EXPECT_EQ(field.decimals, 0);
          break;
        case 'N':
          EXPECT_GE(field.width, 1);
          EXPECT_LE(field.width, 19);
          EXPECT_TRUE(field.decimals == 0 || field.decimals <= field.width - 2);
          break;
        case 'D':
          EXPECT_EQ(field.width, 8);
          break;
        case 'L':
          EXPECT_EQ(field.width, 1);
          break;
        case 'M':
          EXPECT_EQ(field.width, 10);
          break;
        default:
          ADD_FAILURE() << "type " << field.type;
      }
    }
  }
}

TEST(CatalogRules, TableAndIndexFileNamesAreUniqueInTheFolder) {
  std::set<std::string> tables;
  std::set<std::string> index_files;
  for (const schema::TableDef* table : schema::AllTables()) {
    EXPECT_TRUE(tables.insert(Upper(table->name)).second) << table->name;
    for (const schema::IndexDef& index : table->indexes) {
      EXPECT_TRUE(index_files.insert(Upper(index.file)).second) << index.file;
    }
  }
}

TEST(CatalogRules, KeyExpressionsNameFieldsOfTheirTable) {
  for (const schema::TableDef* table : schema::AllTables()) {
    for (const schema::IndexDef& index : table->indexes) {
      int key_width = 0;
      for (const std::string& name : KeyFields(index.key)) {
        const schema::FieldDef* field = schema::FindField(*table, name);
        ASSERT_NE(field, nullptr) << table->name << " " << index.file << ": " << name;
        key_width += field->type == 'D' ? 8 : field->width;
      }
      EXPECT_LE(key_width, 250) << table->name << " " << index.file;
    }
  }
}

TEST(CatalogRules, LookupIgnoresCase) {
  const schema::TableDef* table = schema::FindTable("stokbrg");
  ASSERT_NE(table, nullptr);
  EXPECT_STREQ(table->name, "STOKBRG");
  const schema::FieldDef* field = schema::FindField(*table, "Hrg_Rata");
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(field->width, 14);
  EXPECT_EQ(schema::FindTable("NOSUCHTABLE"), nullptr);
  EXPECT_EQ(schema::FindField(*table, "NOSUCH"), nullptr);
}

}  // namespace
