// Amounts in Indonesian words, as printed on invoices, receipts and vouchers.
#ifndef PALUNDA_FRAME_TERBILANG_H_
#define PALUNDA_FRAME_TERBILANG_H_

#include <string>

namespace frame {

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

}  // namespace frame

#endif  // PALUNDA_FRAME_TERBILANG_H_
