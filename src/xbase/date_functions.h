// The runtime's date functions under date format "dd-mm-yyyy", CENTURY on and EPOCH 2000.
#ifndef PALUNDA_XBASE_DATE_FUNCTIONS_H_
#define PALUNDA_XBASE_DATE_FUNCTIONS_H_

#include <string>
#include <string_view>

#include "xbase/date.h"

namespace xbase {

// CTOD(text): day, month and year in that order, separated by any non-digit; a two-digit year
// falls in 2000..2099. Blanks or anything invalid give the empty date.
Date Ctod(std::string_view text);

// DTOC(date): "dd-mm-yyyy", or "  -  -    " for the empty date.
std::string Dtoc(Date date);

// BOM(date): the first day of its month.
Date Bom(Date date);
// EOM(date): the last day of its month.
Date Eom(Date date);

// Today's date from the system clock, in local time.
Date SystemToday();

}  // namespace xbase

#endif  // PALUNDA_XBASE_DATE_FUNCTIONS_H_
