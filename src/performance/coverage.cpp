// PP and PA, the coverage figures of the KPI reports: per salesman and period, the customers bought and the items sold.
#include "performance/coverage.h"

#include "performance/paged_report.h"
#include "performance/report_tables.h"
#include "performance/rpms.h"
#include "performance/sheet_layout.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

// *listed true when the item's first eight characters are a TARIFPA row: its PA minimum is the "KK3" one.
xbase::Status ListedItem(xbase::WorkArea& tariffs, const std::string& item, bool* listed) {
  return xbase::SeekFound(tariffs, xbase::Left(item, 8), listed);
}

xbase::Status Minimums(frame::Session& session, std::string_view kind, int year, std::string* text) {
  text->clear();
  for (const char* title : kKpiTitles) {
    double minimum = 0;
    const xbase::Status s = ReadSetupNumber(session, KpiKey(kind, year, title), &minimum);
    if (!s.ok()) return s;
    if (!text->empty()) *text += ", ";
    *text += std::string(title) + "=" + std::string(xbase::AllTrim(Amount(minimum, "999,999,999")));
  }
  return xbase::Status::OK();
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

xbase::Status CoverageTally::Count(frame::Session& session, const frame::OpenedTables& tables,
                                   const SalesmanEntry& entry, int period, int year, Coverage* coverage) const {
  *coverage = Coverage();
  const Key key{entry.code, period};
  double minimum = 0, listed_minimum = 0;
  if (const auto bought = customers_.find(key); bought != customers_.end()) {
    const xbase::Status s = ReadSetupNumber(session, KpiKey("KPP", year, entry.title), &minimum);
    if (!s.ok()) return s;
    for (const auto& [customer, value] : bought->second) {
      ++coverage->pp_all;
      if (value >= minimum) ++coverage->pp_reached;
    }
  }
  if (const auto sold = items_.find(key); sold != items_.end()) {
    xbase::Status s = ReadSetupNumber(session, KpiKey("KPA", year, entry.title), &minimum);
    if (s.ok()) s = ReadSetupNumber(session, KpiKey("KK3", year, entry.title), &listed_minimum);
    for (auto item = sold->second.begin(); s.ok() && item != sold->second.end(); ++item) {
      bool listed = false;
      if (s = ListedItem(tables["TARIFPA"], item->first, &listed); !s.ok()) break;
      ++coverage->pa_all;
      if (item->second >= (listed ? listed_minimum : minimum)) ++coverage->pa_reached;
    }
    if (!s.ok()) return s;
  }
  return xbase::Status::OK();
}

xbase::Status CoverageTally::CountAll(frame::Session& session, const frame::OpenedTables& tables,
                                      const std::vector<const SalesmanEntry*>& entries,
                                      const std::vector<int>& periods, int year,
                                      std::vector<std::vector<Coverage>>* table) const {
  table->assign(entries.size(), std::vector<Coverage>(periods.size()));
  for (size_t entry = 0; entry < entries.size(); ++entry) {
    for (size_t period = 0; period < periods.size(); ++period) {
      const xbase::Status s = Count(session, tables, *entries[entry], periods[period], year, &(*table)[entry][period]);
      if (!s.ok()) {
        table->clear();
        return s;
      }
    }
  }
  return xbase::Status::OK();
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

xbase::Status CoverageNotes(frame::Session& session, int year, std::string_view legend, std::string_view customers,
                            std::string_view items, std::string_view bought, std::string_view sold,
                            std::vector<std::string>* notes) {
  notes->clear();
  std::string pp, pa, listed;
  xbase::Status s = Minimums(session, "KPP", year, &pp);
  if (s.ok()) s = Minimums(session, "KPA", year, &pa);
  if (s.ok()) s = Minimums(session, "KK3", year, &listed);
  if (!s.ok()) return s;
  *notes = {"KETERANGAN",
          std::string(legend) +
              "SLS=Sales TM, SPV=Supervisor TM, DBM=Deputy TM, BMT=Branch Manager TM, SLM=Sales MM, KAS=Supervisor MM, "
              "KAM=Deputy MM, BMM=Branch Manager MM",
          "PP : XX/YY",
          std::string(customers) + pp,
          std::string(bought),
          "PA : XX/YY",
          std::string(items) + pa,
          std::string(items) + "(K3) " + listed,
          std::string(sold)};
  return xbase::Status::OK();
}

}  // namespace performance
