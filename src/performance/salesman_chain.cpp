// The salesman of a document in the sales-performance reports and his superiors, from DTSALES or MASTSLS.
#include "performance/salesman_chain.h"

#include <algorithm>
#include <set>

#include "performance/performance.h"
#include "performance/report_tables.h"
#include "text/date_helpers.h"
#include "xbase/keyed_read.h"
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

xbase::Status SalesmanChains::Lookup(const std::string& salesman, xbase::Date month, Level* level) {
  xbase::WorkArea& dtsales = tables_["DTSALES"];
  xbase::Status s = dtsales.SetOrder("DTSALES2");
  const std::string key = xbase::PadR(salesman, 4);
  for (xbase::Date at = text::TGLAWAL(month); s.ok() && !at.empty() && text::TGLAKHIR(at) >= cutoff_;
       at = MonthBefore(at)) {
    bool found = false;
    if (s = xbase::SeekFound(dtsales, key + at.Dtos().substr(0, 6), &found); !s.ok() || !found) continue;
    const std::string group = Trimmed(dtsales.Text("GRUP"));
    *level = {{merge_ && !group.empty() ? group : salesman, dtsales.Text("NAMA"), dtsales.Text("JABATAN"),
               Trimmed(dtsales.Text("ATASAN"))},
              at};
    return s;
  }
  xbase::WorkArea& mastsls = tables_["MASTSLS"];
  *level = {{salesman, "", "", ""}, month};
  bool found = false;
  if (s.ok()) s = mastsls.SetOrder("MASTSLS1");
  if (s.ok()) s = xbase::SeekFound(mastsls, xbase::PadR(salesman, 4), &found);
  if (s.ok() && found) {
    const std::string old_code = Trimmed(mastsls.Text("KD_LAMA"));
    if (merge_ && !old_code.empty()) level->entry.code = old_code;
    level->entry.name = mastsls.Text("NAMA");
    level->entry.title = mastsls.Text("JABATAN");
    level->entry.superior = Trimmed(mastsls.Text("INDUK"));
  }
  return s;
}

const std::vector<std::string>& SalesmanChains::Resolve(std::string_view salesman, xbase::Date date) {
  static const std::vector<std::string> kNone;
  if (!status_.ok()) return kNone;
  const std::string first = Trimmed(salesman);
  const std::string key = xbase::PadR(first, 4) + date.Dtos().substr(0, 6);
  if (auto known = chains_.find(key); known != chains_.end()) return known->second;
  std::vector<std::string> codes;
  std::set<std::string> met;
  std::string next = first;
  xbase::Date month = date;
  while (!next.empty() && met.insert(next).second) {
    Level level;
    if (status_ = Lookup(next, month, &level); !status_.ok()) return kNone;
    level.entry.code = Trimmed(level.entry.code);
    if (std::find(codes.begin(), codes.end(), level.entry.code) == codes.end()) codes.push_back(level.entry.code);
    entries_.try_emplace(level.entry.code, level.entry);
    next = level.entry.superior;
    month = level.month;
  }
  return chains_.emplace(key, std::move(codes)).first->second;
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
