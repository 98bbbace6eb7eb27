// Making empty tables of the catalog, with their index files, in a data folder.
#include "schema/create_table.h"

#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "schema/blank_record.h"
#include "xbase/dbf_field.h"
#include "xbase/dbf_table.h"
#include "xbase/ntx_build.h"
#include "xbase/ntx_expression.h"
#include "xbase/ntx_header.h"
#include "xbase/ntx_index.h"
#include "xbase/search_path.h"

namespace schema {
namespace {

// Fails with the file's path when a file of that name (in any case) is already in the folder.
xbase::Status CheckAbsent(const std::string& folder, const std::string& file) {
  std::string found;
  if (xbase::FindInFolder(folder, file, &found).ok()) {
    return xbase::Status::InvalidArgument(found, "already exists");
  }
  return xbase::Status::OK();
}

xbase::Status CheckTableAbsent(const TableDef& table, const std::string& folder) {
  xbase::Status s = CheckAbsent(folder, xbase::WithExtension(table.name, "dbf"));
  for (const IndexDef& index : table.indexes) {
    if (!s.ok()) break;
    s = CheckAbsent(folder, xbase::WithExtension(index.file, "ntx"));
  }
  return s;
}

// Writes the table and its index files, adding each file made to `written`.
xbase::Status WriteTable(const TableDef& table, const std::string& folder, std::vector<std::string>* written) {
  const xbase::SearchPath path({folder});
  std::unique_ptr<xbase::DbfTable> dbf;
  std::string file = path.NewFile(table.name, "dbf");
  xbase::Status s = xbase::DbfTable::Create(file, DbfFieldsOf(table), &dbf);
  if (s.ok()) {
    written->push_back(file);
    s = dbf->Close();
  }
  for (const IndexDef& index : table.indexes) {
    if (!s.ok()) break;
    xbase::NtxHeader header;
    s = IndexHeaderOf(table, index, &header);
    if (!s.ok()) break;
    std::unique_ptr<xbase::NtxIndex> ntx;
    file = path.NewFile(index.file, "ntx");
    s = xbase::NtxIndex::Create(file, header, xbase::NtxKeys(header.key_size), xbase::NtxOpenMode::kExclusive, &ntx);
    if (s.ok()) written->push_back(file);
  }
  return s;
}

// Writes the tables; when one fails, removes every file written so that the folder is as it was.
xbase::Status WriteTables(std::span<const TableDef* const> tables, const std::string& folder) {
  std::vector<std::string> written;
  for (const TableDef* table : tables) {
    xbase::Status s = WriteTable(*table, folder, &written);
    if (!s.ok()) {
      std::error_code ignored;
      for (const std::string& file : written) std::filesystem::remove(file, ignored);
      return s;
    }
  }
  return xbase::Status::OK();
}

}  // namespace

std::vector<xbase::DbfField> DbfFieldsOf(const TableDef& table) {
  std::vector<xbase::DbfField> fields;
  for (const FieldDef& field : table.fields) fields.push_back({field.name, field.type, field.width, field.decimals, 0});
  return fields;
}

xbase::Status IndexHeaderOf(const TableDef& table, const IndexDef& index, xbase::NtxHeader* header) {
  std::unique_ptr<xbase::NtxKeyExpression> key;
  xbase::Status s = xbase::NtxKeyExpression::Compile(index.file, index.key, "", BlankRecord(table), &key);
  if (s.ok()) *header = xbase::NtxHeader::ForKey(key->key_size(), key->key_decimals(), index.key, "", false, false);
  return s;
}

xbase::Status CreateTable(const TableDef& table, const std::string& folder) {
  xbase::Status s = CheckTableAbsent(table, folder);
  const TableDef* tables[] = {&table};
  if (s.ok()) s = WriteTables(tables, folder);
  return s;
}

xbase::Status CreateAllTables(const std::string& folder) {
  for (const TableDef* table : AllTables()) {
    xbase::Status s = CheckTableAbsent(*table, folder);
    if (!s.ok()) return s;
  }
  return WriteTables(AllTables(), folder);
}

}  // namespace schema
