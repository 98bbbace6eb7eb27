// The catalog of every table of the data folder: fields in stored order and index files in opening order.
#ifndef PALUNDA_SCHEMA_CATALOG_H_
#define PALUNDA_SCHEMA_CATALOG_H_

#include <span>
#include <string_view>

namespace schema {

// One field of a table: type is 'C', 'N', 'D', 'L' or 'M'.
struct FieldDef {
  const char* name;
  char type;
  int width;
  int decimals;
};

// One index file of a table with the key expression it is built on.
struct IndexDef {
  const char* file;
  const char* key;
};

// One table: its file name without extension, its fields and its index files.
struct TableDef {
  const char* name;
  std::span<const FieldDef> fields;
  std::span<const IndexDef> indexes;
};

// Every table of the catalog, grouped by subsystem.
std::span<const TableDef* const> AllTables();

// The table of that name (case-insensitive), or nullptr.
const TableDef* FindTable(std::string_view name);

// The field of that name in the table (case-insensitive), or nullptr.
const FieldDef* FindField(const TableDef& table, std::string_view name);

}  // namespace schema

#endif  // PALUNDA_SCHEMA_CATALOG_H_
