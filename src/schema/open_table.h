// Opening a catalog table the way the screens do: the table, then its index files in the fixed
// order of the catalog, so that every write keeps them current and the first one controls.
#ifndef PALUNDA_SCHEMA_OPEN_TABLE_H_
#define PALUNDA_SCHEMA_OPEN_TABLE_H_

#include <string_view>

#include "xbase/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace schema {

// Opens the catalog's index files of `table` on `area`, found through the session's search path.
// A table the catalog does not know has none.
xbase::Status OpenCatalogIndexes(const xbase::Session& session, std::string_view table, xbase::WorkArea* area);

// Opens `table` in a new work area under `alias` with its catalog index files; on a failure nothing
// stays open.
xbase::Status UseWithIndexes(xbase::Session& session, std::string_view table, std::string_view alias,
                             xbase::OpenMode mode, xbase::WorkArea** area);

}  // namespace schema

#endif  // PALUNDA_SCHEMA_OPEN_TABLE_H_
