// The stock movements of an item in a warehouse as every document family stores them: the seven line
// tables, their headers, their ids and signs, and a reader that collects the lines of a code range.
#ifndef PALUNDA_STOCK_MOVEMENTS_H_
#define PALUNDA_STOCK_MOVEMENTS_H_

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/date.h"
#include "xbase/session.h"
#include "xbase/status.h"

namespace stock {

// One family of movement lines.
struct MovementSource {
  std::string_view id;            // "01" adjustment ... "06" sales return and mutations
  std::string_view lines;         // the line table, opened under its name
  std::string_view code_order;    // the line table's code + warehouse index
  std::string_view header;        // the header table ("" when the line carries its own date)
  std::string_view number;        // the number field of the line and the header
  std::string_view partner;       // the header's partner field ("" for none)
  std::string_view partner_table; // MASTSUP or MASTCUS ("" for none)
  int sign;                       // +1 in, -1 out
};

// In the order the regeneration and the reports read them: adjustments, receipts, purchase returns,
// delivery notes, sales returns, mutations in, mutations out.
std::span<const MovementSource> MovementSources();
inline constexpr size_t kAdjustments = 0, kReceipts = 1, kPurchaseReturns = 2, kDeliveries = 3, kSalesReturns = 4,
                        kMutationsIn = 5, kMutationsOut = 6;

// The tables the reader needs besides the line tables: the headers and partner masters.
std::vector<std::string_view> MovementTables();

// One movement line.
struct Movement {
  std::string code;
  std::string warehouse;
  xbase::Date date;        // the header's date (the line's own for adjustments); empty without header
  size_t source = 0;       // index into MovementSources()
  uint32_t recno = 0;      // the line's record number in its table
  std::string number;
  std::string partner;     // partner code
  std::string text;        // partner name, "Adjust" or the mutation note (when asked for)
  double in = 0;
  double out = 0;
  double price = 0;        // the receipts' net purchase price; the line price for the others
  double average = 0;      // HRG_RATA stored in the line
};

// Which lines to read. Codes from `from` to `to` (a code beginning with `to` counts as up to it);
// an empty `from` and `to` take every code. Warehouses beginning with `warehouse`.
struct MovementFilter {
  std::string from;
  std::string to;
  std::string warehouse;
  bool texts = false;      // fill partner names and texts
  bool net_sales = false;  // price delivery notes and sales returns net of their discounts
};

// The net price of a receipt line: price less both line discounts and both header discounts, divided
// by 1.1 first when the header's company code says the price includes VAT.
double NetPurchasePrice(double price, double line1, double line2, double header1, double header2, bool with_vat);

// The company code that marks prices including VAT.
inline constexpr std::string_view kVatIncluded = "02  ";

// Reads the lines of every source passing the filter (the tables open under their names) and sorts
// them by code, warehouse, date and id, lines of one id keeping the order of their tables.
xbase::Status CollectMovements(xbase::Session& tables, const MovementFilter& filter, std::vector<Movement>* out);

// Reads the movements item by item, so that only one item's lines are held at a time; what it learns
// of headers and partners it keeps for the next items. The tables open under their names.
class MovementReader {
 public:
  MovementReader(xbase::Session& tables, const MovementFilter& filter);
  ~MovementReader();
  MovementReader(const MovementReader&) = delete;
  MovementReader& operator=(const MovementReader&) = delete;

  // The codes of the filter's range that have lines, each once, in code order (as stored).
  xbase::Status Codes(std::vector<std::string>* codes);
  // The movements of the item `code` (as stored) in the filter's warehouses, sorted as
  // CollectMovements sorts them.
  xbase::Status Item(const std::string& code, std::vector<Movement>* out);

 private:
  class Source;
  const MovementFilter filter_;  // a copy: callers pass temporaries
  std::vector<std::unique_ptr<Source>> sources_;
};

// The signed quantity of a movement: in - out.
inline double Signed(const Movement& m) { return m.in - m.out; }

}  // namespace stock

#endif  // PALUNDA_STOCK_MOVEMENTS_H_
