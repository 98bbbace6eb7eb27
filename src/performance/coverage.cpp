// PP and PA, the coverage figures of the KPI reports: per salesman and period, the customers bought and the items sold.
#include "performance/coverage.h"

#include "performance/paged_report.h"
#include "performance/report_tables.h"
#include "performance/rpms.h"
#include "performance/sheet_layout.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

// True when the item's first eight characters are a TARIFPA row: its PA minimum is the "KK3" one.
bool ListedItem(xbase::WorkArea& listed, const std::string& item) {
  return listed.Seek(xbase::Left(item, 8)).ok() && listed.found();
}

std::string Minimums(frame::Session& session, std::string_view kind, int year) {
  std::string text;
  for (const char* title : kKpiTitles) {
    if (!text.empty()) text += ", ";
    text += std::string(title) + "=" + std::string(xbase::AllTrim(Amount(SetupNumber(session, KpiKey(kind, year, title)),
                                                                          "999,999,999")));
  }
  return text;
}

}  // namespace

std::string KpiKey(std::string_view kind, int year, std::string_view title) {
  return std::string(kind) + std::to_string(year) + std::string(xbase::AllTrim(title));
}

void CoverageTally::Add(const std::vector<std::string>& codes, int period, const SaleDocument& document,
                        const std::vector<SaleLine>& lines) {
  double total = 0;
  for (const SaleLine& line : lines) total += line.value;
  for (const std::string& code : codes) {
    for (const int when : {period, 0}) {
      customers_[{code, when}][document.customer] += document.sign() * total;
      auto& sold = items_[{code, when}];
      for (const SaleLine& line : lines) sold[line.code] += document.sign() * line.value;
    }
  }
}

Coverage CoverageTally::Count(frame::Session& session, const frame::OpenedTables& tables, const SalesmanEntry& entry,
                              int period, int year) const {
  Coverage coverage;
  const Key key{entry.code, period};
  if (const auto bought = customers_.find(key); bought != customers_.end()) {
    const double minimum = SetupNumber(session, KpiKey("KPP", year, entry.title));
    for (const auto& [customer, value] : bought->second) {
      ++coverage.pp_all;
      if (value >= minimum) ++coverage.pp_reached;
    }
  }
  if (const auto sold = items_.find(key); sold != items_.end()) {
    const double minimum = SetupNumber(session, KpiKey("KPA", year, entry.title));
    const double listed_minimum = SetupNumber(session, KpiKey("KK3", year, entry.title));
    for (const auto& [item, value] : sold->second) {
      ++coverage.pa_all;
      if (value >= (ListedItem(tables["TARIFPA"], item) ? listed_minimum : minimum)) ++coverage.pa_reached;
    }
  }
  return coverage;
}

void CoverageCells(platform::Worksheet& sheet, int row, int column, const Coverage& coverage) {
  sheet.SetNumber(row, column, coverage.pp_reached);
  sheet.SetNumber(row, column + 1, coverage.pp_all);
  sheet.SetNumber(row, column + 2, coverage.pa_reached);
  sheet.SetNumber(row, column + 3, coverage.pa_all);
}

void CoverageHead(platform::Worksheet& sheet, int column, std::string_view head, std::vector<std::string> before) {
  const int pp = column + static_cast<int>(before.size());
  before.insert(before.end(), {"PP", "", "PA", ""});
  SpanHead(sheet, column, head, before);
  sheet.Merge(Block(kHeadRow + 1, pp, kHeadRow + 1, pp + 1));
  sheet.Merge(Block(kHeadRow + 1, pp + 2, kHeadRow + 1, pp + 3));
}

std::vector<std::string> CoverageNotes(frame::Session& session, int year, std::string_view legend,
                                       std::string_view customers, std::string_view items, std::string_view bought,
                                       std::string_view sold) {
  return {"KETERANGAN",
          std::string(legend) +
              "SLS=Sales TM, SPV=Supervisor TM, DBM=Deputy TM, BMT=Branch Manager TM, SLM=Sales MM, KAS=Supervisor MM, "
              "KAM=Deputy MM, BMM=Branch Manager MM",
          "PP : XX/YY",
          std::string(customers) + Minimums(session, "KPP", year),
          std::string(bought),
          "PA : XX/YY",
          std::string(items) + Minimums(session, "KPA", year),
          std::string(items) + "(K3) " + Minimums(session, "KK3", year),
          std::string(sold)};
}

}  // namespace performance
