// The free-goods delivery note: the allowance a sales order's delivery notes earn by the SETUP rules
// of their sales type, the note the clerk fills up to it, and its save (stock out, no receivable).
#ifndef PALUNDA_SALES_FREE_GOODS_H_
#define PALUNDA_SALES_FREE_GOODS_H_

#include <string>
#include <string_view>
#include <vector>

#include "console/array_browse.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace sales {

// The columns of a free-goods line, from 1; the last is not shown.
enum FreeGoodsColumn : int {
  kFgLineNo = 1,
  kFgWarehouse,
  kFgCode,
  kFgName,
  kFgCartons,
  kFgPacks,
  kFgPieces,
  kFgQuantity,
  kFgPrice,
  kFgDisc1,
  kFgDisc2,
  kFgValue,
  kFgAverage,
};

// Lines a free-goods note holds at most.
inline constexpr int kFreeGoodsLines = 18;

// A delivery note of the order that earns free goods, with its net value.
struct QualifyingNote {
  std::string invoice;
  double value = 0;
};

struct FreeGoodsNote {
  // Typed in the header.
  std::string type = std::string(2, ' ');
  std::string order = std::string(15, ' ');
  std::string number = std::string(20, ' ');
  xbase::Date date;
  double discount = 0;  // the header discount
  // What the order's notes bring.
  std::string customer, salesman, branch, code_id, free_type;
  xbase::Date tempo;
  double price_level = 0;
  double threshold = 0, total = 0, allowance = 0;
  double line_d1 = 0, line_d2 = 0;  // the default line discounts
  std::vector<QualifyingNote> notes;
  console::ValueTable lines;
};

// The rules of a sales type in the open `setup`. Each gives the failure of a read of `setup`, which
// must stop what the rule would have decided.
// JENISFREEGOOD: what is counted, "BOX", "QTY", or "XXX" when the type has no "FGOODJNS" row.
[[nodiscard]] xbase::Status JENISFREEGOOD(frame::Session& session, std::string_view type, std::string* kind);
// JATAHFREEGOODS: the allowance percent of `count` cartons or pieces.
[[nodiscard]] xbase::Status JATAHFREEGOODS(frame::Session& session, std::string_view type, double count, double* percent);
// PLAFONFREGOODS: the least total value of qualifying notes for a customer group; 0 without a row.
[[nodiscard]] xbase::Status PLAFONFREGOODS(frame::Session& session, std::string_view group, std::string_view type,
                                           double* threshold);
// LAWANTIPE: the type shown as the free-goods type ("FREETYPE" row), the type itself without one.
[[nodiscard]] xbase::Status LAWANTIPE(frame::Session& session, std::string_view type, std::string* free_type);
// JATAHDISCOUNTFREEGOODS: the second header discount of a free-goods note; 0 without a row.
[[nodiscard]] xbase::Status JATAHDISCOUNTFREEGOODS(frame::Session& session, std::string_view type, double* discount);
// CEKBARANGNYA: *allowed true when SETUP holds the row type + the first `length` characters of the
// code, padded to 8.
[[nodiscard]] xbase::Status CEKBARANGNYA(frame::Session& session, std::string_view code, std::string_view type,
                                         int length, bool* allowed);
// CECKSPECHBARANG: true when the type restricts nothing ("BARANG2" row missing) or every line's code
// has its prefix row; else false after naming the first code refused, or after showing a failed read.
bool CECKSPECHBARANG(frame::Session& session, std::string_view type, const console::ValueTable& lines);

// LCGETSURATJALAN of the free-goods screen: finds the order's notes of the type, their values and
// the allowance, and fills *note; false after a message when the order earns nothing.
bool FreeGoodsOrder(frame::Session& session, FreeGoodsNote* note);

// _CEKEXIST: a new free-goods note number must be typed and free in SRTJLN1.
bool FreeGoodsNumberFree(frame::Session& session, std::string_view number);

// A line's number or text in a column.
double FgFigure(const console::ValueRow& line, FreeGoodsColumn column);
std::string FgWord(const console::ValueRow& line, FreeGoodsColumn column);
// AD_REC: a new line with empty warehouse and code and the discounts given.
void AddFreeGoodsLine(console::ValueTable* lines, double d1, double d2);
// The check of a new value typed in `column` of line `line` (from 1); false refuses it.
bool CheckFreeGoodsCell(frame::Session& session, xbase::Value* typed, int column, FreeGoodsNote* note, int line);
// The sum of the line values.
double FreeGoodsTotal(const FreeGoodsNote& note);

// SAVING: the checks, the confirmation and the write; true when the note was written.
bool SaveFreeGoods(frame::Session& session, const FreeGoodsNote& note);
// The write after the confirmation (stock checks and supervisor already passed): the note, its lines
// with their stock, the granted notes. False after a message when refused or failed.
bool WriteFreeGoods(frame::Session& session, const FreeGoodsNote& note);

// OPENDATA: the screen's tables; none stays open when one cannot be.
frame::OpenedTables OpenFreeGoodsTables(frame::Session& session);

// FGOODS: the menu entry.
xbase::Status FGOODS(frame::Session& session, const std::vector<xbase::Value>& args);

}  // namespace sales

#endif  // PALUNDA_SALES_FREE_GOODS_H_
