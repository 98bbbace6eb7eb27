// Small steps on the tables of the receivables screens: opening a screen's set of tables under their
// aliases, and releasing a record lock after a write.
#include "receivables/table_steps.h"

#include "frame/open_table.h"

namespace receivables {

bool OpenTablesAs(frame::Session& session, std::span<const AliasedTable> tables) {
  for (const auto& [table, alias] : tables) {
    if (!frame::OpenTable(session, table, false, alias)) {
      session.CloseTables();
      return false;
    }
  }
  return true;
}

xbase::Status Unlocked(xbase::WorkArea& area, const xbase::Status& status) {
  const xbase::Status unlocked = area.Unlock();
  return status.ok() ? unlocked : status;
}

}  // namespace receivables
