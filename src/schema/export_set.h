// The branch export set: each export table copies the first fields of one live table by position.
#ifndef PALUNDA_SCHEMA_EXPORT_SET_H_
#define PALUNDA_SCHEMA_EXPORT_SET_H_

#include <span>
#include <vector>

#include "schema/catalog.h"

namespace schema {

// A live field that an export table spells otherwise.
struct FieldRename {
  const char* live;
  const char* exported;
};

// One export table: its file name, the live table it mirrors and how many of its fields it carries.
struct ExportTableDef {
  const char* file;
  const char* live;
  int field_count;
  std::span<const FieldRename> renames;
};

// The export tables in the order they are created.
std::span<const ExportTableDef> ExportSet();

// The fields of an export table: the live table's first fields, renamed where the export spells them otherwise.
std::vector<FieldDef> ExportLayout(const ExportTableDef& table);

}  // namespace schema

#endif  // PALUNDA_SCHEMA_EXPORT_SET_H_
