// Small steps on the tables of the receivables screens: opening a screen's set of tables under their
// aliases, and releasing a record lock after a write.
#include "receivables/table_steps.h"

#include <vector>

#include "frame/open_table.h"

namespace receivables {

frame::OpenedTables OpenTablesAs(frame::Session& session, std::span<const AliasedTable> tables) {
  std::vector<frame::TableUse> uses;
  for (const auto& [table, alias] : tables) uses.emplace_back(table, alias);
  return frame::OpenTables(session, uses);
}

xbase::Status Unlocked(xbase::WorkArea& area, const xbase::Status& status) {
  const xbase::Status unlocked = area.Unlock();
  return status.ok() ? unlocked : status;
}

}  // namespace receivables
