// The two running totals that documents move: a sales-order line's delivered quantity and a
// customer's open balance. Each moves from an old amount to a new one under its record lock.
#ifndef PALUNDA_DOCUMENTS_SHARED_POSTINGS_H_
#define PALUNDA_DOCUMENTS_SHARED_POSTINGS_H_

#include <string_view>

#include "console/console.h"
#include "documents/save_scope.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace documents {

// The numeric `field` of the area's current record := + added - removed (added first), under the
// record's lock (LOCK_REC), which is released again.
xbase::Status MoveField(console::Console& con, xbase::WorkArea& area, std::string_view field, double added,
                        double removed);

// QTY_KIRIM of the order line (number, goods code) in the open `slsodr2` := + added - removed. Where
// the order holds the goods on several lines, the line numbered `line` (URUT) takes it, else the first.
// A line that is not there is left alone.
xbase::Status UPSALESORDER(frame::Session& session, std::string_view order, std::string_view code, double added,
                           double removed, std::string_view line = {});

// SALDO of the customer in the open `Mastcus` := + added - removed. A customer that is not there is
// left alone.
xbase::Status UPSALDOMASTCUS(frame::Session& session, std::string_view customer, double added, double removed);

// The records UPSALESORDER and UPSALDOMASTCUS would move, named in a save (nothing when there is none).
xbase::Status NameOrderLine(SaveScope& save, frame::Session& session, std::string_view order, std::string_view code,
                            std::string_view line = {});
xbase::Status NameBalance(SaveScope& save, frame::Session& session, std::string_view customer);

}  // namespace documents

#endif  // PALUNDA_DOCUMENTS_SHARED_POSTINGS_H_
