#include "schema/catalog.h"

#include <cctype>
#include <vector>

#include "schema/catalog_groups.h"

namespace schema {
namespace {

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

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
    if (SameName(table->name, name)) return table;
  }
  return nullptr;
}

const FieldDef* FindField(const TableDef& table, std::string_view name) {
  for (const FieldDef& field : table.fields) {
    if (SameName(field.name, name)) return &field;
  }
  return nullptr;
}

}  // namespace schema
