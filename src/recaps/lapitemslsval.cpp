// LAPITEMSLSVAL "PA Values by Sales": per salesman, the turnover of each item and the customers that bought it, in a
// workbook.
#include <map>
#include <set>

#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "recaps/customer_recaps.h"
#include "recaps/product_figures.h"
#include "recaps/recap_screens.h"
#include "recaps/recap_tables.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace recaps {

// Per salesman (under his old code when set) a block of items: turnover (thousands) and the number of
// customers that bought them.
xbase::Status LAPITEMSLSVAL(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = OpenLabelTables(session, {{"RKP_SLR"}});
  if (!tables) return xbase::Status::OK();
  Answers answers;
  answers.unit = "V";
  while (AskAnswers(session, "     PA VALUES by SALES     ", kAskSalesman | kAskRange | kAskIncludes, &answers)) {
    struct ItemSum {
      double turnover = 0;
      std::set<std::string> customers;
    };
    std::map<std::string, std::pair<Labels::Label, std::map<std::string, ItemSum>>> salesmen;
    Labels labels(tables);
    const MonthRange range = answers.Range();
    xbase::WorkArea& recaps = tables["RKP_SLR"];
    const xbase::Status s = ForEachRowFrom(recaps, "SALES", answers.salesman, [&] {
      if (!range.Holds(recaps.Text("PERIODE"))) return;
      const Labels::Label salesman = labels.Salesman(recaps.Text("SALES"), true);
      auto& [label, items] = salesmen[salesman.key];
      label = salesman;
      ItemSum& item = items[recaps.Text("KODE")];
      item.turnover += answers.Figure(recaps);
      item.customers.insert(recaps.Text("RELASI"));
    });
    if (!frame::Checked(session, s)) continue;
    ShowBook(session, "PA VALUE by SALES", {"Sheet1"},
             {"PA VALUE by SALES (value/1000)", "PERIODE : " + xbase::Dtoc(answers.from) + " s/d : " +
                                                   xbase::Dtoc(answers.to) + answers.IncludedText()},
             {}, [&](platform::Worksheet& sheet, size_t, int) {
               int row = 3;
               for (const auto& [key, block] : salesmen) {
                 const auto& [label, items] = block;
                 sheet.SetValue(row += 2, 1, "NAMA SALES : " + std::string(xbase::RTrim(label.code)) + " " + label.name);
                 sheet.Bold("A" + std::to_string(row));
                 const std::vector<std::string> headings = {"NO", "KODE", "NAMA", "OMZET", "TOKO"};
                 ++row;
                 for (size_t i = 0; i < headings.size(); ++i) sheet.SetValue(row, static_cast<int>(i) + 1, headings[i]);
                 MarkRow(sheet, row, 5, true);
                 double turnover = 0, shops = 0;
                 int number = 0;
                 for (const auto& [item, sum] : items) {
                   sheet.SetNumber(++row, 1, ++number);
                   sheet.SetValue(row, 2, frame::AsText(xbase::RTrim(item)));
                   sheet.SetValue(row, 3, xbase::RTrim(ItemName(tables["MASTBRJ"], item)));
                   WriteNumbers(sheet, row, 4, {sum.turnover, static_cast<double>(sum.customers.size())});
                   turnover += sum.turnover;
                   shops += static_cast<double>(sum.customers.size());
                 }
                 sheet.SetValue(++row, 3, "TOTAL");
                 WriteNumbers(sheet, row, 4, {turnover, shops});
                 MarkRow(sheet, row, 5, true);
               }
               return 5;
             });
  }
  return session.tables().CloseAll();
}

}  // namespace recaps
