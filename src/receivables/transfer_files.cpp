#include "receivables/transfer_files.h"

#include "console/table_access.h"
#include "frame/local_path.h"
#include "frame/open_table.h"
#include "xbase/ntx_orders.h"
#include "xbase/search_path.h"

namespace receivables {

std::string TransferFolder(const frame::Session& session, std::string_view typed) {
  return frame::LocalPath(session, typed);
}

bool OpenTransferTable(frame::Session& session, const std::string& folder, std::string_view name, bool exclusive,
                       bool with_index, xbase::WorkArea** area) {
  const std::string table = folder + "/" + std::string(name);
  const auto index = [&](xbase::WorkArea* opened) {
    if (!with_index) return xbase::Status::OK();
    std::string path;
    xbase::Status s = xbase::FindInFolder(folder, xbase::WithExtension(name, "ntx"), &path);
    return s.ok() ? opened->orders().Open(path) : s;
  };
  return console::BUKAFILE(session.console(), session.tables(), table, exclusive, frame::kOpenWait, name, area, index);
}

}  // namespace receivables
