#include "schema/rebuild_indexes.h"

#include <memory>

#include "schema/create_table.h"
#include "xbase/ntx_build.h"
#include "xbase/ntx_expression.h"
#include "xbase/ntx_index.h"
#include "xbase/search_path.h"
#include "xbase/session.h"

namespace schema {

xbase::Status RecordKeys(const IndexDef& index, xbase::WorkArea& area, xbase::NtxKeys* keys) {
  std::unique_ptr<xbase::NtxKeyExpression> key;
  xbase::Status s = xbase::NtxKeyExpression::Compile(index.file, index.key, "", area, &key);
  const uint32_t count = area.table().record_count();
  keys->Reserve(count);
  std::string bytes;
  for (uint32_t recno = 1; s.ok() && recno <= count; ++recno) {
    bool included = true;
    s = area.GoTo(recno);
    if (s.ok()) s = key->KeyOf(area, &bytes, &included);
    if (s.ok() && included) keys->Add(bytes, recno);
  }
  return s;
}

namespace {

xbase::Status BuildIndex(const TableDef& table, const IndexDef& index, const std::string& folder,
                         xbase::WorkArea& area) {
  xbase::NtxHeader header;
  xbase::Status s = IndexHeaderOf(table, index, &header);
  if (!s.ok()) return s;
  xbase::NtxKeys keys(header.key_size);
  s = RecordKeys(index, area, &keys);
  if (!s.ok()) return s;
  const std::string file = xbase::WithExtension(index.file, "ntx");
  std::string path;
  if (!xbase::FindInFolder(folder, file, &path).ok()) path = xbase::SearchPath({folder}).NewFile(index.file, "ntx");
  std::unique_ptr<xbase::NtxIndex> ntx;
  return xbase::NtxIndex::Create(path, header, keys, xbase::NtxOpenMode::kExclusive, &ntx);
}

}  // namespace

xbase::Status RebuildIndexes(const TableDef& table, const std::string& folder) {
  xbase::Session session(xbase::SearchPath({folder}));
  xbase::WorkArea* area = nullptr;
  xbase::Status s = session.Use(table.name, "", xbase::OpenMode::kExclusive, &area);
  for (const IndexDef& index : table.indexes) {
    if (!s.ok()) break;
    s = BuildIndex(table, index, folder, *area);
  }
  xbase::Status closed = session.CloseAll();
  return s.ok() ? closed : s;
}

}  // namespace schema
