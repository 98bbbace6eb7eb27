// Amounts in English words, as printed on export invoices; the words of 1 to 99 come from the
// records of the Dollar table.
#ifndef PALUNDA_FRAME_LONDO_H_
#define PALUNDA_FRAME_LONDO_H_

#include "frame/terbilang.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace frame {

// The amount in words between '#' marks ("#(MINUS) " before a negative one), split at `width`; when
// the words fit, the second line is a row of "-" as long as the first. `dollar` is the open table.
xbase::Status LONDO(xbase::WorkArea& dollar, double amount, AmountLines* lines, int width = 80);

}  // namespace frame

#endif  // PALUNDA_FRAME_LONDO_H_
