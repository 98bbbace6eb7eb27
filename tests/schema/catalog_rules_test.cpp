// Rules every table of the catalog keeps: valid fields, unique names, keys built on existing fields.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "schema/blank_record.h"
#include "schema/catalog.h"
#include "schema_test_helpers.h"
#include "xbase/expression.h"

namespace {

using schema_test::Upper;

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

TEST(CatalogRules, KeyExpressionsCompileOnTheirTableAndFitAnIndexPage) {
  for (const schema::TableDef* table : schema::AllTables()) {
    schema::BlankRecord record(*table);
    for (const schema::IndexDef& index : table->indexes) {
      SCOPED_TRACE(std::string(table->name) + " " + index.file + ": " + index.key);
      std::unique_ptr<xbase::Expression> key;
      ASSERT_TRUE(xbase::Expression::Compile(index.key, &record, &key).ok());
      xbase::Value value;
      ASSERT_TRUE(key->Evaluate(record, &value).ok());
      if (value.is_text()) {
        EXPECT_GE(value.text().size(), 1u);
        EXPECT_LE(value.text().size(), 250u);
      }
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

namespace {

std::string BlankKey(const char* table_name, const char* key_text) {
  const schema::TableDef* table = schema::FindTable(table_name);
  schema::BlankRecord record(*table);
  std::unique_ptr<xbase::Expression> key;
  EXPECT_TRUE(xbase::Expression::Compile(key_text, &record, &key).ok());
  xbase::Value value;
  EXPECT_TRUE(key->Evaluate(record, &value).ok());
  return value.is_text() ? value.text() : std::string("not text");
}

TEST(CatalogRules, BlankRecordGivesKeysOfTheStoredWidths) {
  EXPECT_EQ(BlankKey("SLSODR2", "nomor+kode"), std::string(30, ' '));
  EXPECT_EQ(BlankKey("PIUTDBT", "dtos(tanggal)"), std::string(8, ' '));
  EXPECT_EQ(BlankKey("TAGIH2", "nomor+code_id+relasi+nota"), std::string(44, ' '));
  const schema::TableDef* mastgol = schema::FindTable("MASTGOL");
  schema::BlankRecord record(*mastgol);
  xbase::Value urutan = record.FieldValue(record.FieldIndex("urutan"));
  ASSERT_TRUE(urutan.is_number());
  EXPECT_EQ(record.FieldIndex("NOSUCH"), -1);
}

}  // namespace
