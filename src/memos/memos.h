// The public face of the delivery memos: admin, driver, warehouse and receivables memos, their approvals,
// outcomes and reports.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_MEMOS_MEMOS_H_
#define PALUNDA_MEMOS_MEMOS_H_

#include <string_view>

#include "frame/open_table.h"
#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace memos {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "MEMO";

// Registers every entry procedure of this subsystem.
void RegisterMemosProcedures(frame::ProcedureRegistry& registry);

// OPENMEMORANDUM: opens the memo work set (goods, delivery notes as `Kartu` and `Invoice`, customers
// as `relasi`, the eight memo tables, `setup`, `Karyawan`, receivables as `piutang`, collection lists
// as `tagihan` and `tagih2`, payment receipts as `dibayar1` and `dibayar2`), shared and retried while
// held elsewhere, and hands their areas back. Empty (false), with what it opened closed again, when one
// cannot be opened; the failure was told on row 24 naming the file.
frame::OpenedTables OPENMEMORANDUM(frame::Session& session);

// UPDATEMEMOACC: writes the outcome of a delivery (delivered flag, date, time, note) onto the first
// live admin-memo line of the delivery note in the open `memadm2`, under its lock; a note in no
// admin memo is left alone, and a status names `memadm2` when it is not open. `memadm2` is left on
// its delivery-note order.
xbase::Status UPDATEMEMOACC(frame::Session& session, std::string_view invoice, xbase::Date date, std::string_view time,
                            std::string_view note, bool delivered);

}  // namespace memos

#endif  // PALUNDA_MEMOS_MEMOS_H_
