// Amounts in English words, as printed on export invoices; the words of 1 to 99 come from the
// records of the Dollar table.
#ifndef PALUNDA_TEXT_AMOUNT_IN_ENGLISH_H_
#define PALUNDA_TEXT_AMOUNT_IN_ENGLISH_H_

#include "text/amount_in_words.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace text {

// The amount in words between '#' marks ("#(MINUS) " before a negative one), split at `width`; when
// the words fit, the second line is a row of "-" as long as the first. `dollar` is the open table.
xbase::Status LONDO(xbase::WorkArea& dollar, double amount, AmountLines* lines, int width = 80);

}  // namespace text

#endif  // PALUNDA_TEXT_AMOUNT_IN_ENGLISH_H_
