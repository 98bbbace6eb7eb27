// The salesman of a document in the sales-performance reports and his superiors, from DTSALES or MASTSLS.
#include "performance/salesman_chain.h"

#include <algorithm>
#include <set>

#include "performance/performance.h"
#include "performance/report_tables.h"
#include "text/date_helpers.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

std::string Trimmed(std::string_view text) { return std::string(xbase::AllTrim(text)); }

// The first day of the month before the month of `date`.
xbase::Date MonthBefore(xbase::Date date) { return text::TGLAWAL(text::TGLAWAL(date) - 1); }

}  // namespace

std::string SalesmanEntry::sort_key() const { return GETLEVELSALES(title) + xbase::PadR(code, 4) + superior; }

SalesmanChains::SalesmanChains(const frame::OpenedTables& tables, xbase::Date cutoff, bool merge)
    : tables_(tables), cutoff_(cutoff), merge_(merge) {}

SalesmanChains::Level SalesmanChains::Lookup(const std::string& salesman, xbase::Date month) {
  xbase::WorkArea& dtsales = tables_["DTSALES"];
  if (dtsales.SetOrder("DTSALES2").ok()) {
    const std::string key = xbase::PadR(salesman, 4);
    for (xbase::Date at = text::TGLAWAL(month); !at.empty() && text::TGLAKHIR(at) >= cutoff_; at = MonthBefore(at)) {
      if (!dtsales.Seek(key + at.Dtos().substr(0, 6)).ok() || !dtsales.found()) continue;
      const std::string group = Trimmed(dtsales.Text("GRUP"));
      return {{merge_ && !group.empty() ? group : salesman, dtsales.Text("NAMA"), dtsales.Text("JABATAN"),
               Trimmed(dtsales.Text("ATASAN"))},
              at};
    }
  }
  xbase::WorkArea& mastsls = tables_["MASTSLS"];
  Level level{{salesman, "", "", ""}, month};
  if (mastsls.SetOrder("MASTSLS1").ok() && mastsls.Seek(xbase::PadR(salesman, 4)).ok() && mastsls.found()) {
    const std::string old_code = Trimmed(mastsls.Text("KD_LAMA"));
    if (merge_ && !old_code.empty()) level.entry.code = old_code;
    level.entry.name = mastsls.Text("NAMA");
    level.entry.title = mastsls.Text("JABATAN");
    level.entry.superior = Trimmed(mastsls.Text("INDUK"));
  }
  return level;
}

const std::vector<std::string>& SalesmanChains::Resolve(std::string_view salesman, xbase::Date date) {
  const std::string first = Trimmed(salesman);
  const std::string key = xbase::PadR(first, 4) + date.Dtos().substr(0, 6);
  if (auto known = chains_.find(key); known != chains_.end()) return known->second;
  std::vector<std::string>& codes = chains_[key];
  std::set<std::string> met;
  std::string next = first;
  xbase::Date month = date;
  while (!next.empty() && met.insert(next).second) {
    Level level = Lookup(next, month);
    level.entry.code = Trimmed(level.entry.code);
    if (std::find(codes.begin(), codes.end(), level.entry.code) == codes.end()) codes.push_back(level.entry.code);
    entries_.try_emplace(level.entry.code, level.entry);
    next = level.entry.superior;
    month = level.month;
  }
  return codes;
}

const SalesmanEntry* SalesmanChains::Find(std::string_view code) const {
  const auto found = entries_.find(Trimmed(code));
  return found == entries_.end() ? nullptr : &found->second;
}

std::vector<const SalesmanEntry*> SalesmanChains::Sorted(std::string_view prefix) const {
  std::vector<const SalesmanEntry*> sorted;
  for (const auto& [code, entry] : entries_) {
    if (entry.code.starts_with(xbase::AllTrim(prefix))) sorted.push_back(&entry);
  }
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const SalesmanEntry* a, const SalesmanEntry* b) { return a->sort_key() < b->sort_key(); });
  return sorted;
}

}  // namespace performance
