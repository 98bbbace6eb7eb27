// Two years of a busy branch: a data folder made as palunda-setup makes its demonstration company, then
// filled with goods, customers, delivery notes and their receivables, receipts and purchases picked with
// a skewed spread (a few goods and customers far busier than the rest) from a fixed seed, so one scale
// always gives the same folder. Rows are appended without their indexes, which are built once at the end.
#ifndef PALUNDA_BENCH_BUSY_BRANCH_H_
#define PALUNDA_BENCH_BUSY_BRANCH_H_

#include <string>

#include "xbase/date.h"
#include "xbase/status.h"

namespace bench {

// The rows of a folder at scale 1; each count is multiplied by the scale (at least one of each).
struct BusyBranchShape {
  int goods = 2000;
  int customers = 3000;
  int notes = 60000;           // delivery notes, each with its receivable
  int note_lines = 500000;
  int receipts = 30000;        // payment receipts of one or two lines
  int purchase_lines = 60000;  // goods receipt lines, twenty to a receipt
  int targets = 4800;          // monthly targets of the busiest goods

  BusyBranchShape Scaled(double scale) const;
};

// What a generated folder holds and the rows the benchmarks reach for.
struct BusyBranchFacts {
  double scale = 1;
  xbase::Date today;               // the folder's process date; the documents fill the two years before it
  int goods = 0, customers = 0, notes = 0, note_lines = 0, receivables = 0, receipts = 0, receipt_lines = 0,
      purchases = 0, purchase_lines = 0, targets = 0;
  std::string busiest_item;        // the goods code with the most movements
  int busiest_item_movements = 0;  // its delivery and purchase lines in every warehouse
  std::string busiest_warehouse;   // the warehouse holding most of them
  int busiest_item_movements_there = 0;
  std::string biggest_customer;    // the customer with the most delivery notes
  int biggest_customer_notes = 0;
};

// Makes the folder `dir` (created when missing; it must be empty) at `scale` of the shape.
xbase::Status MakeBusyBranch(const std::string& dir, double scale, BusyBranchFacts* facts);

// The folder at `scale` kept between benchmark runs: under $PALUNDA_BENCH_FOLDER (the temporary
// directory when unset) as busy-branch-<percent>, made when it holds no facts file.
xbase::Status BusyBranchAt(double scale, std::string* dir, BusyBranchFacts* facts);

// The facts as "key value" lines, and back; the generator leaves them in the folder as kFactsFile.
inline constexpr const char* kFactsFile = "busy-branch.txt";
std::string FactsText(const BusyBranchFacts& facts);
bool ParseFacts(const std::string& text, BusyBranchFacts* facts);

}  // namespace bench

#endif  // PALUNDA_BENCH_BUSY_BRANCH_H_
