// Rebuilding the index files of a catalog table from its records.
#ifndef PALUNDA_SCHEMA_REBUILD_INDEXES_H_
#define PALUNDA_SCHEMA_REBUILD_INDEXES_H_

#include <string>

#include "schema/catalog.h"
#include "xbase/ntx_build.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace schema {

// The keys of `index` over every record of the table open in `area` (deleted ones too), in record order;
// the area is left on the last record.
xbase::Status RecordKeys(const IndexDef& index, xbase::WorkArea& area, xbase::NtxKeys* keys);

// Writes every index file of `table` in `folder` anew over all its records (deleted ones too), in the
// layout of a bulk build. The table is opened exclusively for the time of the build.
xbase::Status RebuildIndexes(const TableDef& table, const std::string& folder);

}  // namespace schema

#endif  // PALUNDA_SCHEMA_REBUILD_INDEXES_H_
