// What the recaps per customer share: the walk over the customers of a prefix with their invoices,
// and the text of a table of figures per customer under headings of several lines.
#include "receivable-reports/customer_recap.h"

#include <algorithm>

#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "xbase/text_functions.h"

namespace receivable_reports {

using frame::Pictured;
using frame::Trimmed;

xbase::Status ForEachCustomer(frame::Session& session, std::string_view prefix,
                              const std::function<void(const CustomerRow&, const std::vector<Invoice>&)>& visit) {
  xbase::WorkArea* mastcus = frame::AreaOf(session, "MASTCUS");
  if (mastcus == nullptr) return xbase::Status::NotFound("MASTCUS", "not open");
  std::vector<CustomerRow> customers;
  xbase::Status s = ForEachKeyed(*mastcus, "MASTCUS1", xbase::AllTrim(prefix), [&] {
    customers.push_back({Trimmed(mastcus->Text("RELASI")), Trimmed(mastcus->Text("NAMA")), Trimmed(mastcus->Text("KOTA"))});
    return true;
  });
  ReceivableBook book(session);
  for (size_t i = 0; s.ok() && i < customers.size(); ++i) {
    std::vector<Invoice> invoices;
    s = book.InvoicesOf(customers[i].code, &invoices);
    if (s.ok()) visit(customers[i], invoices);
  }
  return s;
}

ReportText RecapText(const std::vector<std::string>& titles, const RecapLayout& layout,
                     const std::vector<RecapRow>& rows, int per_page) {
  const int width = static_cast<int>(layout.picture.size());
  size_t depth = 0;
  for (const auto& head : layout.heads) depth = std::max(depth, head.size());
  std::vector<TaggedLine> headings;
  for (size_t i = 0; i < titles.size(); ++i) headings.push_back({titles[i], std::string(i == 0 ? kTitle : kBody)});
  const std::string rule(static_cast<size_t>(layout.label_width + width * static_cast<int>(layout.heads.size())), '-');
  headings.push_back({rule, std::string(kBody)});
  for (size_t line = 0; line < depth; ++line) {
    std::string text(static_cast<size_t>(layout.label_width), ' ');
    for (const auto& head : layout.heads) text += xbase::PadL(line < head.size() ? head[line] : "", width);
    headings.push_back({text, std::string(kBody)});
  }
  headings.push_back({rule, std::string(kBody)});
  ReportText report(std::move(headings), per_page);
  std::vector<double> sums;
  for (const RecapRow& row : rows) {
    std::string text = Cut(row.label, layout.label_width);
    for (const double figure : row.figures) text += Pictured(figure, layout.picture);
    report.Add(std::move(text));
    AddFigures(&sums, row.figures);
  }
  if (rows.empty()) return report;
  report.Add(rule);
  std::string total = Cut(layout.total_label, layout.label_width);
  for (const double figure : sums) total += Pictured(figure, layout.picture);
  report.Add(std::move(total), kGrand);
  return report;
}

bool AnyFigure(const std::vector<double>& figures) {
  return std::any_of(figures.begin(), figures.end(), [](double figure) { return figure != 0; });
}

void AddFigures(std::vector<double>* sums, const std::vector<double>& figures) {
  if (sums->size() < figures.size()) sums->resize(figures.size());
  for (size_t i = 0; i < figures.size(); ++i) (*sums)[i] += figures[i];
}

}  // namespace receivable_reports
