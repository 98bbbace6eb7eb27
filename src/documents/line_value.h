// The figures of a document line: its value after the line's two discounts, a value after the
// header's two discounts, and a quantity in pieces split into cartons, packs and pieces.
#ifndef PALUNDA_DOCUMENTS_LINE_VALUE_H_
#define PALUNDA_DOCUMENTS_LINE_VALUE_H_

namespace documents {

// amount x (100 - d1) / 100 x (100 - d2) / 100, left to right, unrounded.
double AfterDiscounts(double amount, double d1, double d2);

// quantity x price, after the line's two discounts.
double LineValue(double quantity, double price, double d1, double d2);

// A quantity in pieces as cartons, packs and the pieces left over.
struct CartonSplit {
  double cartons = 0;
  double packs = 0;
  double pieces = 0;
};
// Cartons INT(q / dos), packs INT((q - cartons x dos) / pak), pieces the rest; a size of 0 gives 0 of
// its unit.
CartonSplit SplitCartons(double quantity, double dos, double pak);

// q / d without its fraction, 0 when d is 0.
double WholeTimes(double q, double d);

}  // namespace documents

#endif  // PALUNDA_DOCUMENTS_LINE_VALUE_H_
