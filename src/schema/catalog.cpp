// The catalog of every table of the data folder: fields in stored order and index files in opening order.
#include "schema/catalog.h"

#include <vector>

#include "schema/catalog_groups.h"
#include "xbase/text_functions.h"

namespace schema {
namespace {

std::vector<const TableDef*> JoinGroups() {
  std::vector<const TableDef*> all;
  for (auto group : {groups::Frame(), groups::Masters(), groups::Sales(), groups::Stock(),
                     groups::Receivables(), groups::Purchasing(), groups::Returns(), groups::Memos(),
                     groups::Performance(), groups::Recaps()}) {
    for (const TableDef& table : group) all.push_back(&table);
  }
  return all;
}

}  // namespace

std::span<const TableDef* const> AllTables() {
  static const std::vector<const TableDef*> all = JoinGroups();
  return all;
}

const TableDef* FindTable(std::string_view name) {
  for (const TableDef* table : AllTables()) {
    if (xbase::EqualsIgnoreCase(table->name, name)) return table;
  }
  return nullptr;
}

const FieldDef* FindField(const TableDef& table, std::string_view name) {
  for (const FieldDef& field : table.fields) {
    if (xbase::EqualsIgnoreCase(field.name, name)) return &field;
  }
  return nullptr;
}

}  // namespace schema
