// The receivable of a delivery note: its PIUTDBT row and the customer's balance raised by it.
#ifndef PALUNDA_SALES_NOTE_RECEIVABLE_H_
#define PALUNDA_SALES_NOTE_RECEIVABLE_H_

#include <string>

#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace sales {

struct NoteReceivable {
  std::string number, branch, customer, type, salesman, remark, code_id;
  xbase::Date date, tempo;
  double amount = 0;
};

// Appends the PIUTDBT row of the note to `receivables`, then moves the customer's SALDO by the amount.
xbase::Status AppendNoteReceivable(frame::Session& session, xbase::WorkArea& receivables, const NoteReceivable& note);

}  // namespace sales

#endif  // PALUNDA_SALES_NOTE_RECEIVABLE_H_
