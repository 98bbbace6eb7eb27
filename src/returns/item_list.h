// A list of a document's items edited in a browse: the rows shown are made from the items at every
// change, Enter on the last column goes to the next row (a new one after a filled last row), Del
// removes an item, and the keys that end the list are the screen's.
#ifndef PALUNDA_RETURNS_ITEM_LIST_H_
#define PALUNDA_RETURNS_ITEM_LIST_H_

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "console/array_browse.h"
#include "console/column_view.h"
#include "frame/session.h"
#include "xbase/value.h"

namespace returns {

struct ItemList {
  std::string title;  // drawn centred on the box's top line; no box when empty
  std::vector<std::string> heads;
  std::vector<std::string> pictures;
  console::Window window;
  int first = 2;  // the editable columns (from 1); the first column is the row number
  int last = 2;
  std::vector<int> read_only;  // columns between first and last that are only shown
  // The items: how many, the row of item k (k == count() gives an empty row), whether item k holds
  // something, a new empty item at the end, and removing item k.
  std::function<size_t()> count;
  std::function<console::ValueRow(size_t k)> row;
  std::function<bool(size_t k)> filled;
  std::function<void()> add;
  std::function<void(size_t k)> erase;
  // The check of the value typed into `column` of item k; it changes the item and may change the value.
  std::function<bool(size_t k, int column, xbase::Value* value)> check;
  // Enter on the last column of item k, before the cursor moves on; nothing when empty.
  std::function<void(size_t k)> on_last;
  // Drawn at every key (totals); nothing when empty.
  std::function<void()> show;
  // A key the list does not handle; true ends the list.
  std::function<bool(int key)> leave;
  const console::KeyHelp* help = nullptr;
};

// Runs the list until `leave` ends it; the screen under a titled box is put back.
void RunItemList(frame::Session& session, const ItemList& list);

}  // namespace returns

#endif  // PALUNDA_RETURNS_ITEM_LIST_H_
