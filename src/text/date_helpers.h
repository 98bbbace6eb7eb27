// Date helpers of the screens: month bounds, year bounds, Indonesian month and day names.
#ifndef PALUNDA_TEXT_DATE_HELPERS_H_
#define PALUNDA_TEXT_DATE_HELPERS_H_

#include <string>

#include "xbase/date.h"

namespace text {

// Month name in upper case, "JANUARI" ... "DESEMBER"; empty for the empty date.
std::string CBULAN_(xbase::Date date);
// Days of the date's month as two digits, "28" ... "31"; two blanks for the empty date.
std::string CAKHIRBULAN_(xbase::Date date);
// First day of the date's month; the empty date stays empty.
xbase::Date TGLAWAL(xbase::Date date);
// Last day of the date's month; the empty date stays empty.
xbase::Date TGLAKHIR(xbase::Date date);
// Last day of the date's month in words, e.g. "31 JANUARI 2024"; empty for the empty date.
std::string CTGLAKHIR(xbase::Date date);
// Year and month of the month before, "yyyymm"; empty for the empty date.
std::string DIRBULANLALU(xbase::Date date);
// Year and month of the same month a year earlier, "yyyymm"; empty for the empty date.
std::string DIRTAHUNLALU(xbase::Date date);
// 1 January of the year.
xbase::Date AWALTAHUN(int year);
// 31 December of the year.
xbase::Date AKHIRTAHUN(int year);
// Day name padded to 6 characters, "Minggu" ... "Sabtu "; 6 blanks for the empty date.
std::string HARINYA(xbase::Date date);
// Day name and five-day market-day name of `today`, e.g. "Selasa Legi"; empty for the empty date.
std::string CHARI_(xbase::Date today);

}  // namespace text

#endif  // PALUNDA_TEXT_DATE_HELPERS_H_
