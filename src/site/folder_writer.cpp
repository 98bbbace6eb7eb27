// FolderWriter: appends rows to the tables of a new data folder and brings their index files up to date.
#include "site/folder_writer.h"

#include <filesystem>

#include "schema/catalog.h"
#include "schema/rebuild_indexes.h"
#include "xbase/ntx_orders.h"
#include "xbase/search_path.h"
#include "xbase/text_functions.h"

namespace site {

FolderWriter::FolderWriter(const std::string& folder) : folder_(folder), session_(xbase::SearchPath({folder})) {}

xbase::Status FolderWriter::Add(std::string_view table, const std::vector<RowField>& cells) {
  const std::string alias = xbase::Upper(table);
  xbase::WorkArea* area = session_.Area(alias);
  xbase::Status s;
  if (area == nullptr) {
    s = session_.Use(table, alias, xbase::OpenMode::kExclusive, &area);
    if (!s.ok()) return s;
    rows_.emplace_back(alias, 0);
  }
  s = area->Append();
  for (const RowField& cell : cells) {
    if (!s.ok()) break;
    s = area->Put(cell.field, cell.value);
  }
  if (!s.ok()) return s;
  for (auto& [name, count] : rows_) {
    if (name == alias) ++count;
  }
  return xbase::Status::OK();
}

xbase::Status FolderWriter::Update(std::string_view table, const char* key_field, std::string_view key,
                                   const RowField& cell) {
  xbase::WorkArea* area = session_.Area(xbase::Upper(table));
  if (area == nullptr) return xbase::Status::NotFound(table, "no rows written");
  xbase::Status s = area->GoTop();
  for (; s.ok() && !area->eof(); s = area->Skip()) {
    if (xbase::RTrim(area->Text(key_field)) != xbase::RTrim(key)) continue;
    if (s = area->Put(cell.field, cell.value); !s.ok()) return s;
  }
  return s;
}

xbase::Status FolderWriter::Finish() {
  xbase::Status s = session_.CloseAll();
  for (const auto& [name, count] : rows_) {
    if (!s.ok()) break;
    const schema::TableDef* table = schema::FindTable(name);
    if (table == nullptr) return xbase::Status::NotFound(name, "not a table of the catalog");
    s = schema::RebuildIndexes(*table, folder_);
  }
  return s;
}

xbase::Status AddSetting(FolderWriter& writer, std::string_view key, std::string_view value) {
  return writer.Add("SETUP", {{"SETUP", key}, {"KET", value}});
}

xbase::Status SetSetting(FolderWriter& writer, std::string_view key, std::string_view value) {
  return writer.Update("SETUP", "SETUP", key, {"KET", value});
}

xbase::Status AddFolderRows(const std::string& folder, std::string_view name, const std::vector<std::vector<RowField>>& rows) {
  xbase::Session session(xbase::SearchPath({folder}));
  xbase::WorkArea* area = nullptr;
  xbase::Status s = session.Use(name, "", xbase::OpenMode::kExclusive, &area);
  // The table's own index file, when it has one, takes the key of every row appended.
  std::string index;
  const std::string stem = std::filesystem::path(name).stem().string();
  if (s.ok() && xbase::FindInFolder(folder, stem + ".ntx", &index).ok()) {
    s = area->orders().Open(index);
  }
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    s = area->Append();
    for (size_t f = 0; s.ok() && f < rows[i].size(); ++f) s = area->Put(rows[i][f].field, rows[i][f].value);
  }
  const xbase::Status closed = session.CloseAll();
  return s.ok() ? closed : s;
}

}  // namespace site
