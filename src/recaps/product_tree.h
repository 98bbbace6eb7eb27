// The product trees of the product recaps (PATRON lines, or the PATRON4 nodes of the L.C. reports)
// and their walk into a sheet: leaf lines with their items, subtotals climbing the levels.
#ifndef PALUNDA_RECAPS_PRODUCT_TREE_H_
#define PALUNDA_RECAPS_PRODUCT_TREE_H_

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "frame/session.h"
#include "platform/workbook.h"
#include "xbase/status.h"

namespace recaps {

// The product line of items missing from PATRON2.
inline constexpr std::string_view kUngroupedLine = "L449";

struct TreeNode {
  std::string code;
  std::string name;
  int level = 1;
  bool leaf = false;       // a line that holds items
  std::string item_line;   // the PATRON line whose items a leaf shows
};

// The PATRON lines of `patron` in file order; GRUP "D" marks a leaf.
xbase::Status ReadLineTree(xbase::WorkArea& patron, std::vector<TreeNode>* nodes);
// The PATRON4 nodes of `nodes_area` in file order; GRUP false marks a leaf showing its ITEM line.
xbase::Status ReadNodeTree(xbase::WorkArea& nodes_area, std::vector<TreeNode>* nodes);
// The items of each line from the PATRON2 rows of `members`, in file order.
xbase::Status ReadLineItems(xbase::WorkArea& members, std::map<std::string, std::vector<std::string>>* items);

// Puts every item of `items` that no line holds under the line "L449".
void AddUngrouped(const std::vector<std::string>& items, std::map<std::string, std::vector<std::string>>* line_items);

// What a walk writes: the figures of an item (null when it has none), its name, how the figure
// columns of a row are written, and the labels of subtotal rows.
struct TreeSheet {
  std::function<const std::vector<double>*(const std::string& item)> figures;
  std::function<std::string(const std::string& item)> item_name;
  std::function<void(int row, const std::vector<double>& figures)> write_figures;
  int columns = 0;
  std::string first_level_total = "JUMLAH ";  // the L.C. reports write "TOTAL " on level 1
  int grand_total_fill = 0;                   // fill of the closing "TOTAL" row
  int leaf_total_fill = 0;                    // fill of the "JUMLAH " row under a leaf's items
};

// Walks the nodes into `sheet` from row 6: every node's code and name; a leaf's total on its row
// ("Group"), or its item rows with figures not all 0 and a bold "JUMLAH " + name row ("Detail");
// bold subtotal rows of each closed parent, filled by level; a bold "TOTAL" row. Returns the last row.
int WriteTree(platform::Worksheet& sheet, const std::vector<TreeNode>& nodes,
              const std::map<std::string, std::vector<std::string>>& line_items, bool detail, const TreeSheet& how);

}  // namespace recaps

#endif  // PALUNDA_RECAPS_PRODUCT_TREE_H_
