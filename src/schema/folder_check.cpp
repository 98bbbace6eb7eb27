// Checking a data folder: every table of the catalog and each of its index files.
#include "schema/folder_check.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "schema/catalog.h"
#include "schema/rebuild_indexes.h"
#include "xbase/ntx_check.h"
#include "xbase/ntx_index.h"
#include "xbase/search_path.h"
#include "xbase/session.h"

namespace schema {
namespace {

using Items = std::vector<std::pair<std::string, uint32_t>>;

// Compares the index's items with the keys of the records, as sets of (key, record).
void CompareKeys(const std::string& file, Items items, const xbase::NtxKeys& keys, std::vector<std::string>* faults) {
  Items expected;
  expected.reserve(keys.size());
  for (size_t i = 0; i < keys.size(); ++i) {
    expected.emplace_back(std::string(reinterpret_cast<const char*>(keys.key(i)), keys.key_size()), keys.recno(i));
  }
  std::sort(items.begin(), items.end());
  std::sort(expected.begin(), expected.end());
  if (items == expected) return;
  const auto [missing, extra] = std::mismatch(expected.begin(), expected.end(), items.begin(), items.end());
  const uint32_t recno = missing != expected.end() ? missing->second : extra->second;
  faults->push_back(file + ": holds " + std::to_string(items.size()) + " keys for " + std::to_string(expected.size()) +
                    " records; the first difference is at record " + std::to_string(recno));
}

void CheckIndex(const std::string& folder, const IndexDef& index, xbase::WorkArea& area,
                std::vector<std::string>* faults) {
  std::string path;
  std::unique_ptr<xbase::NtxIndex> ntx;
  xbase::Status s = xbase::FindInFolder(folder, xbase::WithExtension(index.file, "ntx"), &path);
  if (s.ok()) s = xbase::NtxIndex::Open(path, xbase::NtxOpenMode::kShared, &ntx);
  xbase::NtxCheckReport report;
  if (s.ok()) s = xbase::NtxCheck(*ntx, &report);
  if (!s.ok()) {
    faults->push_back(s.message());
    return;
  }
  if (!report.ok()) {
    faults->insert(faults->end(), report.faults.begin(), report.faults.end());
    return;
  }
  if (ntx->header().key_expression != index.key) {
    faults->push_back(path + ": built on " + ntx->header().key_expression + ", not on " + index.key);
    return;
  }
  Items items;
  xbase::NtxKeys keys(ntx->key_size());
  s = xbase::NtxItems(*ntx, &items);
  if (s.ok()) s = RecordKeys(index, area, &keys);
  if (!s.ok()) {
    faults->push_back(s.message());
    return;
  }
  CompareKeys(path, std::move(items), keys, faults);
}

}  // namespace

std::vector<std::string> CheckTable(const std::string& folder, const TableDef& table) {
  std::vector<std::string> faults;
  xbase::Session session(xbase::SearchPath({folder}));
  xbase::WorkArea* area = nullptr;
  const xbase::Status s = session.Use(table.name, "", xbase::OpenMode::kShared, &area);
  if (!s.ok()) return {s.message()};
  for (const IndexDef& index : table.indexes) CheckIndex(folder, index, *area, &faults);
  const xbase::Status closed = session.Close(area->alias());
  if (!closed.ok()) faults.push_back(closed.message());
  return faults;
}

std::vector<std::string> CheckFolder(const std::string& folder) {
  std::vector<std::string> faults;
  for (const TableDef* table : AllTables()) {
    std::vector<std::string> found = CheckTable(folder, *table);
    faults.insert(faults.end(), found.begin(), found.end());
  }
  return faults;
}

}  // namespace schema
