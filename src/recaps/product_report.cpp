// The product recaps of a branch written through a product tree: against target at a date, or month
// by month through a year; over the PATRON lines or grouped by brand licence.
#include "recaps/product_report.h"

#include "frame/status_display.h"
#include "recaps/product_figures.h"
#include "recaps/product_tree.h"
#include "recaps/recap_tables.h"
#include "recaps/report_box.h"
#include "text/date_helpers.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace recaps {
namespace {

// The licences as leaves of one level, each showing its own items.
xbase::Status ReadLicences(const frame::OpenedTables& tables, std::vector<TreeNode>* nodes,
                           std::map<std::string, std::vector<std::string>>* items) {
  xbase::WorkArea& licences = tables["LICENS1"];
  xbase::WorkArea& members = tables["LICENS2"];
  nodes->clear();
  items->clear();
  xbase::Status s = ForEachRow(licences, [&] {
    nodes->push_back({licences.Text("ID"), std::string(xbase::RTrim(licences.Text("NAMA"))), 1, true,
                      licences.Text("ID")});
  });
  if (s.ok()) s = ForEachRow(members, [&] { (*items)[members.Text("ID")].push_back(members.Text("KODE")); });
  return s;
}

}  // namespace

xbase::Status RunProductReport(frame::Session& session, const ProductReport& report) {
  std::vector<TableUse> uses = {{"RKP_CAB"}, {"MASTBRJ"}, {"CABANG", "Cabang"}};
  if (report.by_licence) {
    uses.insert(uses.end(), {{"LICENS1"}, {"LICENS2"}});
  } else {
    uses.insert(uses.end(), {{"PATRON"}, {"PATRON2"}});
  }
  const frame::OpenedTables tables = OpenTables(session, uses);
  if (!tables) return xbase::Status::OK();
  std::string branch(6, ' '), branch_name;
  xbase::Date date = text::TGLAKHIR(session.Today());
  double year = session.Today().year();
  for (;;) {
    std::vector<BoxField> fields = {
        {"Cabang      :", &branch, "@!", [&] { return BranchValid(session, &branch, &branch_name); }}};
    if (report.monthly) {
      fields.push_back({"Tahun       :", &year, "9999"});
    } else {
      fields.push_back({"Periode s/d :", &date});
    }
    if (!AskInBox(session, {report.box_title}, std::move(fields)) || (report.monthly ? year <= 0 : date.empty())) break;
    ItemFigures items;
    std::vector<TreeNode> tree;
    std::map<std::string, std::vector<std::string>> line_items;
    xbase::WorkArea& recaps = tables["RKP_CAB"];
    xbase::Status s = report.monthly ? MonthFigures(recaps, branch, static_cast<int>(year), &items)
                                     : TargetFigures(recaps, branch, Windows(date), &items);
    if (s.ok()) s = report.by_licence ? ReadLicences(tables, &tree, &line_items)
                                      : ReadLineTree(tables["PATRON"], &tree);
    if (s.ok() && !report.by_licence) s = ReadLineItems(tables["PATRON2"], &line_items);
    if (!frame::Checked(session, s)) continue;
    if (!report.by_licence) {
      std::vector<std::string> sold;
      for (const auto& [item, figures] : items) sold.push_back(item);
      AddUngrouped(sold, &line_items);
    }
    const std::vector<std::string> titles = {
        report.heading + std::string(xbase::AllTrim(branch)) + " " + std::string(xbase::AllTrim(branch_name)),
        report.monthly ? "TAHUN : " + xbase::StrZero(year, 4) : "PERIODE s/d : " + xbase::Dtoc(date)};
    AskOutput(session, [&](bool detail) {
      ShowBook(session, report.file_title, {std::string(kUnitSheets[kCartons]), std::string(kUnitSheets[kValues])},
               titles, report.monthly ? MonthHeadings() : TargetHeadings(),
               [&](platform::Worksheet& sheet, size_t unit, int columns) {
                 TreeSheet how;
                 how.figures = [&](const std::string& item) -> const std::vector<double>* {
                   const auto at = items.find(item);
                   return at == items.end() ? nullptr : &at->second[unit];
                 };
                 how.item_name = [&](const std::string& item) { return ItemName(tables["MASTBRJ"], item); };
                 how.write_figures = [&](int row, const std::vector<double>& f) {
                   if (report.monthly) {
                     std::vector<double> all = f;
                     all.resize(26);
                     WriteNumbers(sheet, row, 3, all);
                   } else {
                     WriteTargetColumns(sheet, row, f);
                   }
                 };
                 how.columns = columns;
                 how.grand_total_fill = report.grand_total_fill;
                 how.leaf_total_fill = report.leaf_total_fill;
                 return WriteTree(sheet, tree, line_items, detail, how);
               });
    });
  }
  return session.tables().CloseAll();
}

}  // namespace recaps
