// The MENU rows and USERDAT rights that a new data folder gives a menu group over the entry procedures.
#include "site/menu_rows.h"

#include <algorithm>

#include "xbase/number_text.h"

namespace site {
namespace {

// Two-digit part of a menu code for position `n` (from 1).
std::string Part(size_t n) { return xbase::StrZero(static_cast<double>(n % 100), 2); }

MenuRowDef Leaf(std::string_view grup, const std::string& kode, const std::string& parent, const std::string& top,
                const frame::EntryInfo& entry) {
  return {std::string(grup), kode, parent, top, parent, parent == top ? 2 : 3, entry.title, entry.MenuCall()};
}

}  // namespace

std::vector<MenuRowDef> PlanMenu(std::string_view grup, const std::vector<const frame::EntryInfo*>& entries) {
  std::vector<std::string> groups;
  for (const frame::EntryInfo* entry : entries) {
    if (std::find(groups.begin(), groups.end(), entry->group) == groups.end()) groups.push_back(entry->group);
  }
  std::vector<MenuRowDef> rows;
  for (size_t g = 0; g < groups.size(); ++g) {
    const std::string top = Part(g + 1);
    rows.push_back({std::string(grup), top, "", top, "", 1, groups[g], ""});
    std::vector<const frame::EntryInfo*> members;
    for (const frame::EntryInfo* entry : entries) {
      if (entry->group == groups[g]) members.push_back(entry);
    }
    if (members.size() <= kMaxMenuEntries) {
      for (size_t i = 0; i < members.size(); ++i) rows.push_back(Leaf(grup, top + Part(i + 1), top, top, *members[i]));
      continue;
    }
    for (size_t start = 0; start < members.size(); start += kMaxMenuEntries) {
      const size_t sub = start / kMaxMenuEntries + 1;
      const std::string title = top + Part(sub);
      rows.push_back({std::string(grup), title, top, top, top, 2, groups[g] + " " + std::to_string(sub), ""});
      const size_t end = std::min(members.size(), start + kMaxMenuEntries);
      for (size_t i = start; i < end; ++i) {
        rows.push_back(Leaf(grup, title + Part(i - start + 1), title, top, *members[i]));
      }
    }
  }
  return rows;
}

int MenuBarWidth(const std::vector<std::string>& titles) {
  int end = 2;
  for (const std::string& title : titles) end += static_cast<int>(title.size()) + 4;
  return titles.empty() ? 0 : end - 2;
}

std::vector<std::vector<const frame::EntryInfo*>> SplitIntoBars(const std::vector<const frame::EntryInfo*>& entries) {
  std::vector<std::string> groups;
  for (const frame::EntryInfo* entry : entries) {
    if (std::find(groups.begin(), groups.end(), entry->group) == groups.end()) groups.push_back(entry->group);
  }
  std::vector<std::vector<std::string>> bars;
  for (const std::string& group : groups) {
    if (bars.empty()) bars.emplace_back();
    std::vector<std::string> wider = bars.back();
    wider.push_back(group);
    if (!bars.back().empty() && MenuBarWidth(wider) > kMenuBarEnd) bars.emplace_back();
    bars.back().push_back(group);
  }
  std::vector<std::vector<const frame::EntryInfo*>> split;
  for (const std::vector<std::string>& bar : bars) {
    split.emplace_back();
    for (const frame::EntryInfo* entry : entries) {
      if (std::find(bar.begin(), bar.end(), entry->group) != bar.end()) split.back().push_back(entry);
    }
  }
  return split;
}

std::string BarGroup(std::string_view grup, size_t n) {
  return n == 0 ? std::string(grup) : std::string(grup) + std::to_string(n + 1);
}

frame::MenuRight RightTo(const MenuRowDef& row) { return {row.kode, row.induk1, row.induk2}; }

xbase::Status AddMenuGroup(FolderWriter& writer, std::string_view grup, const std::vector<const frame::EntryInfo*>& entries,
                           std::string_view nik) {
  const std::vector<MenuRowDef> rows = PlanMenu(grup, entries);
  xbase::Status s;
  for (const MenuRowDef& row : rows) {
    if (!s.ok()) break;
    s = writer.Add("MENU", {{"GRUP", row.grup},
                            {"KODE", row.kode},
                            {"INDUK", row.induk},
                            {"INDUK1", row.induk1},
                            {"INDUK2", row.induk2},
                            {"LVL", row.lvl},
                            {"KETERANGAN", row.keterangan},
                            {"PROSEDUR", row.prosedur}});
  }
  for (const MenuRowDef& row : rows) {
    if (!s.ok() || !row.grantable()) continue;
    const frame::MenuRight right = RightTo(row);
    s = writer.Add("USERDAT", {{"NIK", nik},
                               {"GRUP", grup},
                               {"KODE", right.kode},
                               {"INDUK1", right.induk1},
                               {"INDUK2", right.induk2}});
  }
  return s;
}


xbase::Status AddMenuBars(FolderWriter& writer, std::string_view grup, const std::vector<const frame::EntryInfo*>& entries,
                          std::string_view nik) {
  const std::vector<std::vector<const frame::EntryInfo*>> bars = SplitIntoBars(entries);
  xbase::Status s;
  for (size_t n = 0; n < bars.size() && s.ok(); ++n) s = AddMenuGroup(writer, BarGroup(grup, n), bars[n], nik);
  return s;
}

}  // namespace site
