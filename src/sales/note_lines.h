// The lines of the screens that work on one delivery note or on the lines of a saved order: the
// further note of an order, the note's revision and the order's revision. Twelve columns are shown;
// hidden after them the order line a line comes from, the goods' average cost and the stored row.
#ifndef PALUNDA_SALES_NOTE_LINES_H_
#define PALUNDA_SALES_NOTE_LINES_H_

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "console/array_browse.h"
#include "documents/seen_records.h"
#include "frame/session.h"
#include "sales/sales_order.h"
#include "xbase/date.h"
#include "xbase/value.h"

namespace sales {
namespace note {

// The columns of a line, from 1 as the browse counts them.
enum Column : int {
  kLineNo = 1,
  kWarehouse,
  kCode,
  kName,
  kCartons,
  kPacks,
  kPieces,
  kQuantity,  // pieces delivered on the note (ordered, on an order)
  kPrice,
  kDisc1,
  kDisc2,
  kAmount,
  kOrderLine,  // hidden: URUT of the order line, blank for none
  kAverage,    // hidden: HRG_RATA
  kRecord,     // hidden: the stored row of the line, 0 for a new line
};
inline constexpr int kShownColumns = kAmount;

double Figure(const console::ValueRow& line, Column column);
std::string Word(const console::ValueRow& line, Column column);
void SetFigure(console::ValueRow* line, Column column, double value);
void SetWord(console::ValueRow* line, Column column, std::string_view text);

}  // namespace note

// A note (or an order's lines) on screen: the header, the lines and what the rules of the screen need.
struct NoteDocument {
  OrderHeader header;                    // order, customer, dates, type, discounts, ...
  std::string invoice = std::string(20, ' ');
  xbase::Date due_date;                  // "Tg. Tempo"
  bool order_lines = false;              // the lines are an order's: no stock limit, each goods code once
  // Pieces the stored note already took out, by warehouse + code: free again for its revision.
  std::map<std::string, double> own_stock;
  // Order lines: the delivered quantity of each stored row, by record.
  std::map<uint32_t, double> delivered;
  console::ValueTable lines;
  // The stored rows as they were loaded, for a revision's save to see another workstation's save.
  documents::SeenRecords seen;
};

// A new line with the next number, the warehouse and the two line discounts.
void AddNoteLine(console::ValueTable* lines, double d1, double d2, std::string_view warehouse);

// The amount of a line: quantity x price after the line's two discounts.
void RecomputeLine(console::ValueRow* line);

// The check of a new value typed into `column` of line `line` (from 1); it fills and recomputes the
// other cells of the line. False refuses the value (the cell stays open).
bool CheckNoteCell(frame::Session& session, xbase::Value* typed, int column, NoteDocument* doc, int line);

// The refusal of a discount above the customer group's ceiling.
std::string CeilingMessage(double ceiling);

// The footer of row 23: the stock of the current line's warehouse and goods and the net total.
void ShowNoteFooter(frame::Session& session, const NoteDocument& doc, int line);

// The lines with a goods code and a quantity, as they go on a note (order lines carried along).
std::vector<const console::ValueRow*> FilledLines(const NoteDocument& doc);

// Delivered pieces of the stored order row a line carries (0 for a new line).
double DeliveredOn(const NoteDocument& doc, const console::ValueRow& line);

}  // namespace sales

#endif  // PALUNDA_SALES_NOTE_LINES_H_
