#include "recaps/product_figures.h"
#include "recaps/product_tree.h"
#include "recaps/recap_screens.h"
#include "recaps/recap_tables.h"
#include "recaps/report_box.h"
#include "text/date_helpers.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace recaps {

xbase::Status LAPITEM(frame::Session& session, const Args&) {
  if (!OpenTables(session, {{"RKP_CAB"}, {"PATRON"}, {"PATRON2"}, {"MASTBRJ"}, {"CABANG", "Cabang"}})) {
    return xbase::Status::OK();
  }
  std::string branch(6, ' '), branch_name;
  xbase::Date date = text::TGLAKHIR(session.Today());
  while (AskInBox(session, {"    REKAP PENJUALAN ITEM   "},
                  {{"Cabang      :", &branch, "@!", [&] { return BranchValid(session, &branch, &branch_name); }},
                   {"Periode s/d :", &date}}) &&
         !date.empty()) {
    ItemFigures items;
    std::vector<TreeNode> tree;
    std::map<std::string, std::vector<std::string>> line_items;
    xbase::Status s = TargetFigures(*session.tables().Area("RKP_CAB"), branch, Windows(date), &items);
    if (s.ok()) s = ReadLineTree(session, &tree);
    if (s.ok()) s = ReadLineItems(session, &line_items);
    if (!Shown(session, s)) continue;
    std::vector<std::string> sold;
    for (const auto& [item, figures] : items) sold.push_back(item);
    AddUngrouped(sold, &line_items);
    AskOutput(session, [&](bool detail) {
      ShowBook(session, "REKAP PENJUALAN ITEM", {"Carton", "Value"},
               {"REKAP PENJUALAN CABANG : " + std::string(xbase::AllTrim(branch)) + " " +
                    std::string(xbase::AllTrim(branch_name)),
                "PERIODE s/d : " + xbase::Dtoc(date)},
               TargetHeadings(), [&](platform::Worksheet& sheet, size_t unit, int columns) {
                 TreeSheet how;
                 how.figures = [&](const std::string& item) -> const std::vector<double>* {
                   const auto at = items.find(item);
                   return at == items.end() ? nullptr : &at->second[unit];
                 };
                 how.item_name = [&](const std::string& item) { return ItemName(session, item); };
                 how.write_figures = [&](int row, const std::vector<double>& f) { WriteTargetColumns(sheet, row, f); };
                 how.columns = columns;
                 return WriteTree(sheet, tree, line_items, detail, how);
               });
    });
  }
  return session.tables().CloseAll();
}

}  // namespace recaps
