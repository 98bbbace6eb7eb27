// The line grid of the gift-wrap entries: the header box asking the branch and date, and the grid
// with its shared keys (Del removes a filled row, Esc leaves, F10 saves).
#ifndef PALUNDA_STOCK_GIFT_WRAP_GRID_H_
#define PALUNDA_STOCK_GIFT_WRAP_GRID_H_

#include <functional>
#include <string>
#include <vector>

#include "console/array_browse.h"
#include "frame/session.h"
#include "xbase/date.h"

namespace stock {

// The header: `title`, then the branch (GETCB) and the date (CEKTGKIRIM when `checked`) under their
// labels. False after Esc or an empty branch.
bool AskGiftWrapHeader(frame::Session& session, const std::string& title, const std::string& date_label, bool checked,
                       std::string* branch, xbase::Date* date);

// The header box again and again until Esc or an empty branch, the date back at today each time and the
// branch kept; each answer goes to `grid`.
void RunGiftWrapEntry(frame::Session& session, const std::string& title, const std::string& date_label, bool checked,
                      const std::function<void(const std::string& branch, xbase::Date date)>& grid);

struct GridLayout {
  std::vector<std::string> heads;
  std::vector<std::string> pictures;
  int top = 7;
  int bottom = 19;
  std::vector<int> editable;                        // columns (from 1) that take edits, in order
  std::function<console::ValueRow(int n)> blank;    // a new row numbered n
  std::function<bool(int column, int row, xbase::Value* typed)> check;
  // Where the cursor goes after an edit of `column`; it may append a row. Empty: the next editable column.
  std::function<void(int column, int row, console::ArrayBrowse& browse)> after_edit;
  std::function<void(int row)> show;                // under the grid at each key
  std::function<bool()> save;                       // F10: true when saved
};

// Runs the grid over `rows` (holding at least one row); true when it was saved, false when left.
bool RunGiftWrapGrid(frame::Session& session, console::ValueTable* rows, const GridLayout& layout);

// The next editable column after `column`, or `column` itself when it is the last.
int NextEditable(const GridLayout& layout, int column);

}  // namespace stock

#endif  // PALUNDA_STOCK_GIFT_WRAP_GRID_H_
