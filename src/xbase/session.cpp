// Session: the work areas one user has open, under their aliases, with the settings they share
// and the search path their tables are found through.
#include "xbase/session.h"

#include <strings.h>

#include <algorithm>
#include <cctype>

namespace xbase {

namespace {

// The table's name without folder and extension, in upper case.
std::string DefaultAlias(std::string_view name) {
  const size_t slash = name.rfind('/');
  if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
  const size_t dot = name.find('.');
  if (dot != std::string_view::npos) name = name.substr(0, dot);
  std::string alias(name);
  for (char& c : alias) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return alias;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

}  // namespace

Status Session::Use(std::string_view name, std::string_view alias, OpenMode mode, WorkArea** area) {
  const std::string chosen = alias.empty() ? DefaultAlias(name) : std::string(alias);
  if (Area(chosen) != nullptr) return Status::InvalidArgument(chosen, "alias already in use");
  std::string path;
  Status s = search_path_.Find(name, "dbf", &path);
  if (!s.ok()) return s;
  std::unique_ptr<DbfTable> table;
  s = DbfTable::Open(path, mode, &table);
  if (!s.ok()) return s;
  areas_.push_back(std::make_unique<WorkArea>(chosen, std::move(table), &settings_));
  WorkArea* opened = areas_.back().get();
  s = opened->GoTop();
  if (area != nullptr) *area = opened;
  return s;
}

Status Session::CreateTable(std::string_view name, std::vector<DbfField> fields, std::string_view alias,
                            WorkArea** area) {
  const std::string chosen = alias.empty() ? DefaultAlias(name) : std::string(alias);
  if (area != nullptr && Area(chosen) != nullptr) return Status::InvalidArgument(chosen, "alias already in use");
  std::unique_ptr<DbfTable> table;
  Status s = DbfTable::Create(search_path_.NewFile(name, "dbf"), std::move(fields), &table);
  if (!s.ok()) return s;
  if (area == nullptr) return table->Close();
  areas_.push_back(std::make_unique<WorkArea>(chosen, std::move(table), &settings_));
  *area = areas_.back().get();
  s = (*area)->GoTop();
  if (!s.ok()) {
    Close(chosen).IgnoreError();
    *area = nullptr;
  }
  return s;
}

WorkArea* Session::Area(std::string_view alias) const {
  for (const auto& area : areas_) {
    if (SameName(area->alias(), alias)) return area.get();
  }
  return nullptr;
}

Status Session::Close(std::string_view alias) {
  const auto it = std::find_if(areas_.begin(), areas_.end(),
                               [alias](const std::unique_ptr<WorkArea>& area) { return SameName(area->alias(), alias); });
  if (it == areas_.end()) return Status::NotFound(alias, "no such work area");
  Status s = (*it)->table().Close();
  areas_.erase(it);
  return s;
}

Status Session::CloseAll() {
  Status first;
  for (auto& area : areas_) {
    Status s = area->table().Close();
    if (first.ok()) first = s;
  }
  areas_.clear();
  return first;
}

}  // namespace xbase
