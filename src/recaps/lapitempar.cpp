// LAPITEMPAR "Pareto Penjualan Cabang": the product lines of the branch by Pareto class and group, in a workbook.
#include <algorithm>

#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "recaps/product_figures.h"
#include "recaps/product_tree.h"
#include "recaps/recap_screens.h"
#include "recaps/recap_tables.h"
#include "recaps/report_box.h"
#include "text/date_helpers.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace recaps {
namespace {

struct Line {
  std::string code, name, pareto, group;
  std::vector<std::string> items;
  std::array<std::vector<double>, 2> sums;
};

// Lines of the class and group in descending order of this year's cumulative cartons.
std::vector<const Line*> Members(const std::vector<Line>& lines, const CodeName& pareto, const CodeName& group) {
  std::vector<const Line*> members;
  for (const Line& line : lines) {
    if (xbase::AllTrim(line.pareto) == xbase::AllTrim(pareto.code) && xbase::AllTrim(line.group) == xbase::AllTrim(group.code)) {
      members.push_back(&line);
    }
  }
  std::stable_sort(members.begin(), members.end(), [](const Line* a, const Line* b) {
    return a->sums[kCartons][0] > b->sums[kCartons][0];
  });
  return members;
}

}  // namespace

// Product lines by Pareto class and group, the lines of each group in order of this year's cartons.
xbase::Status LAPITEMPAR(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = OpenTables(
      session, {{"RKP_CAB"}, {"MASTBRJ"}, {"CABANG", "Cabang"}, {"PATRON"}, {"PATRON2"}, {"PARETO"}, {"KELOMPOK"}});
  if (!tables) return xbase::Status::OK();
  std::string branch(6, ' '), branch_name;
  xbase::Date date = text::TGLAKHIR(session.Today());
  while (AskInBox(session, {"    REKAP PENJUALAN ITEM   "},
                  {{"Cabang      :", &branch, "@!", [&] { return BranchValid(session, &branch, &branch_name); }},
                   {"Periode s/d :", &date}}) &&
         !date.empty()) {
    ItemFigures items;
    std::vector<TreeNode> tree;
    std::map<std::string, std::vector<std::string>> line_items;
    std::vector<CodeName> classes, groups;
    std::vector<Line> lines;
    xbase::Status s = TargetFigures(tables["RKP_CAB"], branch, Windows(date), &items);
    if (s.ok()) s = ReadLineItems(tables["PATRON2"], &line_items);
    if (s.ok()) s = ReadCodeNames(tables["PARETO"], &classes);
    if (s.ok()) s = ReadCodeNames(tables["KELOMPOK"], &groups);
    xbase::WorkArea& patron = tables["PATRON"];
    if (s.ok()) {
      s = ForEachRow(patron, [&] {
        if (patron.Text("GRUP") != "D") return;
        Line line{patron.Text("KODE"), std::string(xbase::RTrim(patron.Text("NAMA"))), patron.Text("PARETO"),
                  patron.Text("KEL"), line_items[patron.Text("KODE")], {std::vector<double>(8), std::vector<double>(8)}};
        for (const std::string& item : line.items) {
          if (const auto at = items.find(item); at != items.end()) {
            AddTo(&line.sums[kCartons], at->second[kCartons]);
            AddTo(&line.sums[kValues], at->second[kValues]);
          }
        }
        lines.push_back(std::move(line));
      });
    }
    if (!frame::Checked(session, s)) continue;
    AskOutput(session, [&](bool detail) {
      std::vector<Heading> headings = TargetHeadings();
      headings.insert(headings.begin(), Heading{"NO"});
      ShowBook(session, "PARETO PENJUALAN",
               {std::string(kUnitSheets[kValues]), std::string(kUnitSheets[kCartons])},
               {"PARETO PENJUALAN CABANG : " + std::string(xbase::AllTrim(branch)) + " " + branch_name,
                "PERIODE s/d : " + xbase::Dtoc(date)},
               headings, [&](platform::Worksheet& sheet, size_t sheet_number, int columns) {
                 const Unit unit = sheet_number == 0 ? kValues : kCartons;
                 int row = 5;
                 std::vector<double> total;
                 const auto sum_row = [&](const std::string& label, const std::vector<double>& sums, int fill) {
                   sheet.SetValue(++row, 3, label);
                   WriteTargetColumns(sheet, row, sums, 4);
                   MarkRow(sheet, row, columns, true, fill);
                 };
                 for (const CodeName& pareto : classes) {
                   std::vector<double> class_sums;
                   sheet.SetValue(++row, 2, pareto.name);
                   MarkRow(sheet, row, columns, true);
                   for (const CodeName& group : groups) {
                     const std::vector<const Line*> members = Members(lines, pareto, group);
                     if (members.empty()) continue;
                     sheet.SetValue(++row, 2, group.name);
                     MarkRow(sheet, row, columns, true);
                     std::vector<double> group_sums;
                     int number = 0;
                     for (const Line* line : members) {
                       sheet.SetNumber(++row, 1, ++number);
                       sheet.SetValue(row, 2, frame::AsText(xbase::RTrim(line->code)));
                       sheet.SetValue(row, 3, line->name);
                       WriteTargetColumns(sheet, row, line->sums[unit], 4);
                       AddTo(&group_sums, line->sums[unit]);
                       for (const std::string& item : detail ? line->items : std::vector<std::string>{}) {
                         const auto at = items.find(item);
                         if (at == items.end() || AllZero(at->second[unit])) continue;
                         sheet.SetValue(++row, 2, frame::AsText(xbase::RTrim(item)));
                         sheet.SetValue(row, 3, xbase::RTrim(ItemName(tables["MASTBRJ"], item)));
                         WriteTargetColumns(sheet, row, at->second[unit], 4);
                       }
                     }
                     sum_row("JUMLAH " + group.name, group_sums, frame::GroupTotalFill(2));
                     AddTo(&class_sums, group_sums);
                   }
                   sum_row("JUMLAH " + pareto.name, class_sums, frame::GroupTotalFill(1));
                   AddTo(&total, class_sums);
                 }
                 sum_row("TOTAL", total, 0);
                 return row;
               });
    });
  }
  return session.tables().CloseAll();
}

}  // namespace recaps
