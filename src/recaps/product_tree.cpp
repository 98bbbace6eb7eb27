// The product trees of the product recaps (PATRON lines, or the PATRON4 nodes of the L.C. reports)
// and their walk into a sheet: leaf lines with their items, subtotals climbing the levels.
#include "recaps/product_tree.h"

#include "frame/spreadsheet.h"
#include "recaps/recap_report.h"
#include "xbase/text_functions.h"

#include <set>

namespace recaps {
namespace {

xbase::Status ReadTree(xbase::WorkArea& area, std::string_view level_field,
                       const std::function<bool(const xbase::WorkArea&)>& leaf, std::string_view item_field,
                       std::vector<TreeNode>* nodes) {
  nodes->clear();
  return ForEachRow(area, [&] {
    nodes->push_back({area.Text("KODE"), std::string(xbase::RTrim(area.Text("NAMA"))), static_cast<int>(area.Number(level_field)), leaf(area),
                      area.Text(item_field)});
  });
}

}  // namespace

xbase::Status ReadLineTree(xbase::WorkArea& patron, std::vector<TreeNode>* nodes) {
  return ReadTree(patron, "LEVEL", [](const xbase::WorkArea& a) { return a.Text("GRUP") == "D"; }, "KODE",
                  nodes);
}

xbase::Status ReadNodeTree(xbase::WorkArea& nodes_area, std::vector<TreeNode>* nodes) {
  return ReadTree(nodes_area, "LVL", [](const xbase::WorkArea& a) { return !a.Logical("GRUP"); }, "ITEM",
                  nodes);
}

xbase::Status ReadLineItems(xbase::WorkArea& members, std::map<std::string, std::vector<std::string>>* items) {
  items->clear();
  return ForEachRow(members, [&] { (*items)[members.Text("PATRON")].push_back(members.Text("KODE")); });
}

void AddUngrouped(const std::vector<std::string>& items, std::map<std::string, std::vector<std::string>>* line_items) {
  std::set<std::string> grouped;
  for (const auto& [line, members] : *line_items) grouped.insert(members.begin(), members.end());
  std::vector<std::string>& ungrouped = (*line_items)[xbase::PadR(kUngroupedLine, 10)];
  for (const std::string& item : items) {
    if (!grouped.contains(item)) ungrouped.push_back(item);
  }
}

int WriteTree(platform::Worksheet& sheet, const std::vector<TreeNode>& nodes,
              const std::map<std::string, std::vector<std::string>>& line_items, bool detail, const TreeSheet& how) {
  struct Open {
    const TreeNode* node;
    std::vector<double> sums;
  };
  std::vector<Open> parents;
  std::vector<double> grand;
  int row = 5;
  const auto subtotal = [&](const Open& parent) {
    ++row;
    const int level = parent.node->level;
    sheet.SetValue(row, 2, (level == 1 ? how.first_level_total : std::string("JUMLAH ")) + parent.node->name);
    how.write_figures(row, parent.sums);
    MarkRow(sheet, row, how.columns, true, frame::GroupTotalFill(level));
  };
  for (const TreeNode& node : nodes) {
    while (!parents.empty() && parents.back().node->level >= node.level) {
      subtotal(parents.back());
      parents.pop_back();
    }
    WriteLabel(sheet, ++row, node.code, node.name);
    if (!node.leaf) {
      parents.push_back({&node, {}});
      continue;
    }
    std::vector<double> total;
    const auto items = line_items.find(node.item_line);
    for (const std::string& item : items == line_items.end() ? std::vector<std::string>{} : items->second) {
      const std::vector<double>* figures = how.figures(item);
      if (figures == nullptr) continue;
      AddTo(&total, *figures);
      if (detail && !AllZero(*figures)) {
        WriteLabel(sheet, ++row, item, how.item_name(item));
        how.write_figures(row, *figures);
      }
    }
    if (detail) {
      sheet.SetValue(++row, 2, "JUMLAH " + node.name);
      MarkRow(sheet, row, how.columns, true, how.leaf_total_fill);
    }
    how.write_figures(row, total);
    for (Open& parent : parents) AddTo(&parent.sums, total);
    AddTo(&grand, total);
  }
  while (!parents.empty()) {
    subtotal(parents.back());
    parents.pop_back();
  }
  sheet.SetValue(++row, 2, "TOTAL");
  how.write_figures(row, grand);
  MarkRow(sheet, row, how.columns, true, how.grand_total_fill);
  return row;
}

}  // namespace recaps
