// LAPLIS "PP/PA Licensi": the licence coverage (PP/PA), and LAPLISITEM's per item, in a workbook.
#include <algorithm>

#include "frame/status_display.h"
#include "recaps/coverage_reports.h"
#include "recaps/customer_recaps.h"
#include "recaps/matrix_sheet.h"
#include "recaps/product_figures.h"
#include "recaps/recap_screens.h"
#include "recaps/recap_tables.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace recaps {

xbase::Status RunLicenceCoverage(frame::Session& session, bool by_item) {
  const frame::OpenedTables tables = OpenLabelTables(session, {{"RKP_CUS"}, {"LICENS1"}, {"LICENS2"}});
  if (!tables) return xbase::Status::OK();
  Answers answers;
  const std::string title = by_item ? "     PP/PA ITEM LICENSI    " : "        PP/PA LICENSI      ";
  while (AskAnswers(session, title, kAskCustomer, &answers)) {
    // The columns, and the columns each item counts in.
    std::vector<Matrix::Column> columns;
    std::multimap<std::string, std::string> column_of;
    xbase::WorkArea& licences = tables["LICENS1"];
    xbase::WorkArea& members = tables["LICENS2"];
    xbase::Status s;
    if (!by_item) {
      s = ForEachRow(licences, [&] {
        columns.push_back({licences.Text("ID"), std::string(xbase::AllTrim(licences.Text("ID"))) + " " +
                                                    std::string(xbase::RTrim(licences.Text("NAMA")))});
      });
    }
    if (s.ok()) {
      s = ForEachRow(members, [&] {
        const std::string key = by_item ? members.Text("URUTAN") : members.Text("ID");
        column_of.emplace(members.Text("KODE"), key);
        if (by_item) columns.push_back({key, std::string(xbase::RTrim(ItemName(tables["MASTBRJ"], members.Text("KODE"))))});
      });
    }
    std::stable_sort(columns.begin(), columns.end(),
                     [&](const Matrix::Column& a, const Matrix::Column& b) { return by_item && a.key < b.key; });
    Matrix matrix(columns, {});
    Labels labels(tables);
    const MonthRange range = answers.Range();
    xbase::WorkArea& recaps = tables["RKP_CUS"];
    if (s.ok()) {
      s = ForEachRowFrom(recaps, "RELASI", answers.customer, [&] {
        if (!range.Holds(recaps.Text("PERIODE"))) return;
        const Labels::Label label = labels.Customer(recaps.Text("RELASI"), false);
        Matrix::Row& row = matrix.RowOf(label.key, label.code, label.name);
        const auto [first, last] = column_of.equal_range(recaps.Text("KODE"));
        for (auto at = first; at != last; ++at) matrix.Mark(row, at->second);
      });
    }
    if (!frame::Checked(session, s)) continue;
    MatrixLayout layout;
    layout.numbered = false;
    layout.city = false;
    layout.total_fill = 46;
    ShowBook(session, by_item ? "REKAP PP PA ITEM LICENSI" : "REKAP PA PP LICENSI", {"Sheet1"},
             {(by_item ? "REKAP PP/PA by ITEM by LICENSI, CABANG : " : "REKAP PA/PP by LICENSI, CABANG : ") +
                  std::string(xbase::AllTrim(answers.branch)) + " (" + answers.branch_name + ")",
              "PERIODE s/d : " + xbase::Dtoc(answers.to)},
             MatrixHeadings(matrix, layout),
             [&](platform::Worksheet& sheet, size_t, int width) { return WriteMatrix(sheet, matrix, layout, width); });
  }
  return session.tables().CloseAll();
}

xbase::Status LAPLIS(frame::Session& session, const Args&) { return RunLicenceCoverage(session, false); }

}  // namespace recaps
