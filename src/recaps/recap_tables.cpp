#include "recaps/recap_tables.h"

#include "console/message.h"
#include "frame/open_table.h"

namespace recaps {

bool OpenTables(frame::Session& session, std::initializer_list<TableUse> tables) {
  for (const TableUse& table : tables) {
    xbase::WorkArea* area = nullptr;
    if (!frame::OpenTable(session, table.name, table.exclusive, table.alias, &area) || !area->SetOrder(1).ok()) {
      session.tables().CloseAll().IgnoreError();  // the refusal was told; the run ends here
      return false;
    }
  }
  return true;
}

double MasterLookup::Number(const std::string& code, xbase::Status* status) {
  if (const auto at = known_.find(code); at != known_.end()) return at->second;
  xbase::Status s = area_.Seek(code);
  const double value = s.ok() && area_.found() ? area_.Number(field_) : 0;
  if (!s.ok()) {
    if (status->ok()) *status = s;
    return 0;
  }
  known_.emplace(code, value);
  return value;
}

bool Shown(frame::Session& session, const xbase::Status& status) {
  if (status.ok()) return true;
  console::PESAN(session.console(), status.message());
  return false;
}

}  // namespace recaps
