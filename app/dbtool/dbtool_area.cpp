// ToolArea: a table opened by dbtool in a work area of its own, with index files open on it.
#include "dbtool_area.h"

#include "xbase/ntx_orders.h"
#include "xbase/search_path.h"

namespace dbtool {

xbase::Status ToolArea::Open(const std::string& name, xbase::OpenMode mode, bool hide_deleted,
                             const std::vector<std::string>& indexes) {
  settings_.hide_deleted = hide_deleted;
  const xbase::SearchPath here;
  std::string path;
  std::unique_ptr<xbase::DbfTable> table;
  xbase::Status s = here.Find(name, "dbf", &path);
  if (s.ok()) s = xbase::DbfTable::Open(path, mode, &table);
  if (!s.ok()) return s;
  area_ = std::make_unique<xbase::WorkArea>("T", std::move(table), &settings_);
  for (const std::string& index : indexes) {
    s = here.Find(index, "ntx", &path);
    if (s.ok()) s = area_->orders().Open(path);
    if (!s.ok()) return s;
  }
  return s;
}

}  // namespace dbtool
