// Opening tables with retry, appending and locking records: the table verbs every screen
// starts its work with.
#include "console/table_access.h"

#include <string>

#include "console/table_retry.h"

namespace console {

bool BUKAFILE(Console& con, xbase::Session& session, std::string_view name, bool exclusive, int seconds,
              std::string_view alias, xbase::WorkArea** area,
              const std::function<xbase::Status(xbase::WorkArea*)>& with_indexes) {
  xbase::WorkArea* opened = nullptr;
  const bool open = OpenWithRetry(con, name, seconds, [&] {
    xbase::Status s =
        session.Use(name, alias, exclusive ? xbase::OpenMode::kExclusive : xbase::OpenMode::kShared, &opened);
    if (s.ok() && with_indexes) {
      s = with_indexes(opened);
      // The index failure is the one to report; the table only leaves again.
      if (!s.ok()) session.Close(opened->alias()).IgnoreError();
    }
    return s;
  });
  if (area != nullptr) *area = open ? opened : nullptr;
  return open;
}

xbase::Status APP_REC(Console& con, xbase::WorkArea& area) {
  return RetryRecordWhileBusy(con, "Mencoba menambah record file " + area.alias() + ".Dbf, tekan [Esc]=batal....",
                              [&] { return area.Append(); });
}

xbase::Status LOCK_REC(Console& con, xbase::WorkArea& area) {
  return RetryRecordWhileBusy(con,
                              "Mencoba mengunci record " + std::to_string(area.recno()) + " file " + area.alias() +
                                  ".Dbf, tekan [Esc]=batal....",
                              [&] { return area.Lock(xbase::LockWait::kTry); });
}

xbase::Status LockTable(Console& con, xbase::WorkArea& area) {
  return RetryRecordWhileBusy(con, "Mencoba mengunci file " + area.alias() + ".Dbf, tekan [Esc]=batal....",
                              [&] { return area.LockFile(xbase::LockWait::kTry); });
}

}  // namespace console
