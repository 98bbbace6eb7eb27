// Small steps on the tables of the receivables screens: opening a screen's set of tables under their
// aliases, and releasing a record lock after a write.
#ifndef PALUNDA_RECEIVABLES_TABLE_STEPS_H_
#define PALUNDA_RECEIVABLES_TABLE_STEPS_H_

#include <span>
#include <utility>

#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace receivables {

// A table of the catalog and the alias a screen opens it under.
using AliasedTable = std::pair<const char*, const char*>;

// Opens every table, shared, under its alias through frame::OpenTables.
frame::OpenedTables OpenTablesAs(frame::Session& session, std::span<const AliasedTable> tables);

// Unlocks the record of `area`: the write's `status`, or when it is OK, the failure of the unlock.
xbase::Status Unlocked(xbase::WorkArea& area, const xbase::Status& status);

}  // namespace receivables

#endif  // PALUNDA_RECEIVABLES_TABLE_STEPS_H_
