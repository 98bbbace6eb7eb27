// ToolArea: a table opened by dbtool in a work area of its own, with index files open on it.
#ifndef PALUNDA_TOOLS_DBTOOL_AREA_H_
#define PALUNDA_TOOLS_DBTOOL_AREA_H_

#include <memory>
#include <string>
#include <vector>

#include "xbase/dbf_table.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace dbtool {

class ToolArea {
 public:
  // Opens table `name` (".dbf" when it has no extension), deleted records hidden or not, and the
  // index files `indexes` (".ntx" when they have none) on it, the first one controlling.
  xbase::Status Open(const std::string& name, xbase::OpenMode mode, bool hide_deleted,
                     const std::vector<std::string>& indexes);

  xbase::WorkArea& area() { return *area_; }
  xbase::DbfTable& table() { return area_->table(); }

 private:
  xbase::WorkAreaSettings settings_;
  std::unique_ptr<xbase::WorkArea> area_;
};

// `dbtool check TABLE INDEX...`: each index's integrity and every record's key; prints OK or each fault
// and the command that repairs them.
int CheckIndexes(const std::vector<std::string>& args);
// `dbtool reindex TABLE INDEX...`: builds each index file again over the table, opened exclusively.
int ReindexTable(const std::vector<std::string>& args);

}  // namespace dbtool

#endif  // PALUNDA_TOOLS_DBTOOL_AREA_H_
