// The fixed list of tables that the index rebuild offers, in its order.
#ifndef PALUNDA_SCHEMA_REBUILD_LIST_H_
#define PALUNDA_SCHEMA_REBUILD_LIST_H_

#include <span>

namespace schema {

// One table of the rebuild list and whether it starts selected.
struct RebuildEntry {
  const char* table;
  bool selected;
};

// The tables the index rebuild lists, in list order; each is a table of the catalog.
std::span<const RebuildEntry> RebuildList();

}  // namespace schema

#endif  // PALUNDA_SCHEMA_REBUILD_LIST_H_
