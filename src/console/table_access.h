// Opening tables with retry, appending and locking records: the table verbs every screen
// starts its work with.
#ifndef PALUNDA_CONSOLE_TABLE_ACCESS_H_
#define PALUNDA_CONSOLE_TABLE_ACCESS_H_

#include <functional>
#include <string_view>

#include "console/console.h"
#include "xbase/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace console {

// Open table `name` through the session's search path in a new work area (shared unless
// exclusive, under `alias` or the table's name), retrying while another workstation holds it
// (see OpenWithRetry). `with_indexes`, when given, opens the table's index files on the new area;
// when it fails the table is closed again and the open counts as failed. True when open; the new
// area goes to *area when asked for.
bool BUKAFILE(Console& con, xbase::Session& session, std::string_view name, bool exclusive, int seconds,
              std::string_view alias = {}, xbase::WorkArea** area = nullptr,
              const std::function<xbase::Status(xbase::WorkArea*)>& with_indexes = {});
// Append a blank record to the area and stand on it, locked; repeats while the append is
// refused because another workstation is appending, with "Mencoba menambah record file " + alias +
// ".Dbf, tekan [Esc]=batal...." on row 24; Esc gives up with the refusal. A failure of another kind
// is returned.
xbase::Status APP_REC(Console& con, xbase::WorkArea& area);
// Lock the area's current record, trying again until the lock is granted, with "Mencoba mengunci
// record " + recno + " file " + alias + ".Dbf, tekan [Esc]=batal...." on row 24; Esc gives up with
// the refusal. A failure of another kind (no current record, a read error) is returned.
xbase::Status LOCK_REC(Console& con, xbase::WorkArea& area);
// Lock the whole table of the area, trying again until the lock is granted, with "Mencoba mengunci
// file " + alias + ".Dbf, tekan [Esc]=batal...." on row 24; Esc gives up with the refusal.
xbase::Status LockTable(Console& con, xbase::WorkArea& area);

}  // namespace console

#endif  // PALUNDA_CONSOLE_TABLE_ACCESS_H_
