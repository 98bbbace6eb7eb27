// Amounts in Indonesian words, as printed on invoices, receipts and vouchers.
#ifndef PALUNDA_TEXT_AMOUNT_IN_WORDS_H_
#define PALUNDA_TEXT_AMOUNT_IN_WORDS_H_

#include <string>

namespace text {

// The words of an amount over at most two print lines.
struct AmountLines {
  std::string first;
  std::string second;  // empty when the words fit on the first line
};

// Splits words longer than `width` at the last blank within the width (at the width when there is
// none), the first line ending "-"; words that fit stay on the first line.
AmountLines SplitAmountText(std::string text, int width);

// The amount carried with `decimals` decimals in words between '#' marks, ending " rupiah#",
// e.g. "# seratus dua puluh lima rupiah#"; decimal digits are read one by one after " koma ".
// Text longer than `width` breaks at the last blank within the width, the first line ending "-".
AmountLines TERBILANG(double amount, int decimals, int width = 80);

}  // namespace text

#endif  // PALUNDA_TEXT_AMOUNT_IN_WORDS_H_
