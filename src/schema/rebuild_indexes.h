// Rebuilding the index files of a catalog table from its records. Every index file is written whole to a
// new file first and put in place of the old one only when complete, so a reader never meets half an index.
#ifndef PALUNDA_SCHEMA_REBUILD_INDEXES_H_
#define PALUNDA_SCHEMA_REBUILD_INDEXES_H_

#include <cstdint>
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

// Hears how a pack and rebuild goes on.
class RebuildProgress {
 public:
  virtual ~RebuildProgress() = default;
  // The keys of `index` are about to be taken from `records` records.
  virtual void IndexStarted(const IndexDef& index, uint32_t records) = 0;
  // The key of one more record was taken.
  virtual void RecordDone() = 0;
};

// Packs `table`, open exclusively in `area` without index files, and rebuilds each of its index files in
// the table's folder. The keys of the records that stay are taken and every index file is written to a
// new file first; only when all are complete is the table packed and each new file put in place of the
// old one. A failure before the pack leaves the table and its index files as they were; the status names
// the table and the index (or the pack). `progress` may be null.
xbase::Status PackAndRebuild(const TableDef& table, xbase::WorkArea& area, RebuildProgress* progress);

}  // namespace schema

#endif  // PALUNDA_SCHEMA_REBUILD_INDEXES_H_
