// The sales order as the order screen holds it: the header, the lines of the line editor and what
// the customer check handed back; and the routines of the screen that its parts share.
#ifndef PALUNDA_SALES_SALES_ORDER_H_
#define PALUNDA_SALES_SALES_ORDER_H_

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "console/array_browse.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace sales {

// The columns of an order line, from 1 as the browse counts them; the last is not shown.
enum OrderColumn : int {
  kLineNo = 1,
  kWarehouse,
  kCode,
  kName,
  kCartons,
  kPacks,
  kPieces,
  kQuantity,
  kDelivered,
  kPrice,
  kDisc1,
  kDisc2,
  kAmount,
  kAverage,
};
// The columns the browse shows.
inline constexpr int kShownColumns = kAmount;

// The widths of the text columns, as the order tables store them.
inline constexpr int kWarehouseWidth = 6;
inline constexpr int kCodeWidth = 10;
inline constexpr int kNameWidth = 20;

// Delivered lines a delivery note holds at most.
inline constexpr int kLinesPerNote = 18;

struct OrderHeader {
  std::string order = std::string(15, ' ');
  std::string customer = std::string(10, ' ');
  xbase::Date order_date;
  xbase::Date note_date;
  xbase::Date shipping_date;
  std::string branch = std::string(6, ' ');
  std::string type = std::string(2, ' ');
  std::string salesman = std::string(4, ' ');
  std::string manager = std::string(10, ' ');
  double discount1 = 0;
  double discount2 = 0;
  std::string remark1 = std::string(20, ' ');
  std::string remark2 = std::string(20, ' ');
  std::string code_id = "0   ";
  bool include = true;
  double term = 0;  // the customer's term days
  // From the customer check.
  std::string group;                  // KELOMPOK
  double price_level = 0;             // TERIMA
  std::array<double, 4> ceilings{};   // the group's discount ceilings DISC1 .. DISC4
};

struct SalesOrder {
  OrderHeader header;
  console::ValueTable lines;
};

// The book-closing guard of the entry screens: true, after its message, when the month must be
// closed first and the user is no supervisor.
bool MustCloseBooks(frame::Session& session);

// OPENDATA: opens the screen's tables with their index files; none stays open when one cannot be.
frame::OpenedTables OPENDATA(frame::Session& session);

// A line's number or text in a column.
double Figure(const console::ValueRow& line, OrderColumn column);
std::string Word(const console::ValueRow& line, OrderColumn column);
void SetFigure(console::ValueRow* line, OrderColumn column, double value);

// True for a line that is delivered now: it has a goods code and a delivered quantity.
bool Delivered(const console::ValueRow& line);
// The delivery notes the delivered lines need: one for every 18 lines begun.
int NotesNeeded(const console::ValueTable& lines);

// ADD_REC: appends a line with the next number, the warehouse and the two line discounts.
void ADD_REC(console::ValueTable* lines, double d1, double d2, std::string_view warehouse);
// DEL_REC: removes line `line` (from 1) when there is more than one, and numbers the lines again.
void DEL_REC(console::ValueTable* lines, int line);

// CHKIJUAL: the check of a new value typed into `column` of line `line` (from 1); it fills and
// recomputes the other cells of the line. False refuses the value (the cell stays open).
bool CHKIJUAL(frame::Session& session, xbase::Value* typed, int column, SalesOrder* order, int line);

// INFORMASI: the footer of row 23: the stock of line `line`'s warehouse and goods and the net total.
void INFORMASI(frame::Session& session, const SalesOrder& order, int line);

// CEKORDEREXIST: false (with a message) when SLSODR1 already holds the order number, or (silently)
// when it holds "?".
bool CEKORDEREXIST(frame::Session& session, std::string_view order);

// CEKSURATJALAN: true when every note number is typed, given once, and held neither by a delivery
// note nor by a receivable; else a message names the first fault.
bool CEKSURATJALAN(frame::Session& session, const std::vector<std::string>& notes);

// The box "Data Surat Jalan": one number for each of `numbers`, shown as they stand. Esc does not
// cancel: the numbers are taken as they stand.
std::vector<std::string> AskNoteNumbers(frame::Session& session, std::vector<std::string> numbers);

// SIMPANDATA: asks the note numbers and the confirmation, then writes the order; true when written.
bool SIMPANDATA(frame::Session& session, const SalesOrder& order);

// The write of a confirmed order with its note numbers (one for each note the delivered lines need):
// every check that can be made before the first write is made, the numbers again under the locks of
// the order and note tables, which are held until the save ends. True when all was written. A
// refusal shows its message and writes nothing; a write that fails is reported on row 24 with what
// was and was not saved.
bool WriteSalesOrder(frame::Session& session, const SalesOrder& order, const std::vector<std::string>& notes);

}  // namespace sales

#endif  // PALUNDA_SALES_SALES_ORDER_H_
