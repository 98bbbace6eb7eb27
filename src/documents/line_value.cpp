// The figures of a document line: its value after the line's two discounts, a value after the
// header's two discounts, and a quantity in pieces split into cartons, packs and pieces.
#include "documents/line_value.h"

#include <cmath>

namespace documents {

double AfterDiscounts(double amount, double d1, double d2) { return amount * (100 - d1) / 100 * (100 - d2) / 100; }

double LineValue(double quantity, double price, double d1, double d2) {
  return AfterDiscounts(quantity * price, d1, d2);
}

double WholeTimes(double q, double d) { return d == 0 ? 0 : std::trunc(q / d); }

CartonSplit SplitCartons(double quantity, double dos, double pak) {
  CartonSplit split;
  split.cartons = WholeTimes(quantity, dos);
  split.packs = WholeTimes(quantity - split.cartons * dos, pak);
  split.pieces = quantity - split.cartons * dos - split.packs * pak;
  return split;
}

}  // namespace documents
