// Opening a catalog table the way the screens do: the table, then its index files in the fixed
// order of the catalog, so that every write keeps them current and the first one controls.
#include "schema/open_table.h"

#include <string>

#include "schema/catalog.h"
#include "xbase/ntx_orders.h"

namespace schema {

xbase::Status OpenCatalogIndexes(const xbase::Session& session, std::string_view table, xbase::WorkArea* area) {
  const TableDef* def = FindTable(table);
  if (def == nullptr) return xbase::Status::OK();
  for (const IndexDef& index : def->indexes) {
    std::string path;
    xbase::Status s = session.search_path().Find(index.file, "ntx", &path);
    if (s.ok()) s = area->orders().Open(path);
    if (!s.ok()) return s;
  }
  return xbase::Status::OK();
}

xbase::Status UseWithIndexes(xbase::Session& session, std::string_view table, std::string_view alias,
                             xbase::OpenMode mode, xbase::WorkArea** area) {
  xbase::Status s = session.Use(table, alias, mode, area);
  if (!s.ok()) return s;
  s = OpenCatalogIndexes(session, table, *area);
  // The index failure is the one to report; the table only leaves again.
  if (!s.ok()) session.Close((*area)->alias()).IgnoreError();
  return s;
}

}  // namespace schema
