// Rebuilding the index files of a catalog table from its records. Every index file is written whole to a
// new file first and put in place of the old one only when complete, so a reader never meets half an index.
#include "schema/rebuild_indexes.h"

#include <filesystem>
#include <memory>
#include <vector>

#include "schema/create_table.h"
#include "xbase/new_index_file.h"
#include "xbase/ntx_build.h"
#include "xbase/ntx_expression.h"
#include "xbase/search_path.h"
#include "xbase/session.h"

namespace schema {
namespace {

// The status `s` with `step` (what was being done) in front of its message.
xbase::Status InStep(const xbase::Status& s, const std::string& step) {
  using Code = xbase::Status::Code;
  switch (s.code()) {
    case Code::kOk:
      return s;
    case Code::kNotFound:
      return xbase::Status::NotFound(step, s.message());
    case Code::kCorruption:
      return xbase::Status::Corruption(step, s.message());
    case Code::kIOError:
      return xbase::Status::IOError(step, s.message());
    case Code::kInUse:
      return xbase::Status::InUse(step, s.message());
    case Code::kInvalidArgument:
      return xbase::Status::InvalidArgument(step, s.message());
    case Code::kLocked:
      return xbase::Status::Locked(step, s.message());
  }
  return s;
}

std::string IndexStep(const TableDef& table, const IndexDef& index) {
  return std::string(table.name) + ", index " + index.file;
}

// Where index file `index` lives in `folder`: the file there whatever the case of its name, else a new name.
std::string IndexPath(const IndexDef& index, const std::string& folder) {
  std::string path;
  if (!xbase::FindInFolder(folder, xbase::WithExtension(index.file, "ntx"), &path).ok()) {
    path = xbase::SearchPath({folder}).NewFile(index.file, "ntx");
  }
  return path;
}

// The keys of `index` over the records `records` of the table open in `area`; the i-th of them gets record
// number i + 1 when `renumber`, else its own.
xbase::Status KeysOf(const IndexDef& index, xbase::WorkArea& area, const std::vector<uint32_t>& records, bool renumber,
                     RebuildProgress* progress, xbase::NtxKeys* keys) {
  std::unique_ptr<xbase::NtxKeyExpression> key;
  xbase::Status s = xbase::NtxKeyExpression::Compile(index.file, index.key, "", area, &key);
  keys->Reserve(records.size());
  std::string bytes;
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    bool included = true;
    s = area.GoTo(records[i]);
    if (s.ok()) s = key->KeyOf(area, &bytes, &included);
    if (s.ok() && included) keys->Add(bytes, renumber ? static_cast<uint32_t>(i + 1) : records[i]);
    if (progress != nullptr) progress->RecordDone();
  }
  return s;
}

std::vector<uint32_t> AllRecords(const xbase::WorkArea& area) {
  std::vector<uint32_t> records(area.table().record_count());
  for (size_t i = 0; i < records.size(); ++i) records[i] = static_cast<uint32_t>(i + 1);
  return records;
}

// The records a pack keeps, in record order; reading each one also proves the table readable to its end.
xbase::Status KeptRecords(xbase::WorkArea& area, std::vector<uint32_t>* kept) {
  const uint32_t count = area.table().record_count();
  xbase::Status s;
  for (uint32_t recno = 1; s.ok() && recno <= count; ++recno) {
    s = area.GoTo(recno);
    if (s.ok() && !area.deleted()) kept->push_back(recno);
  }
  return s;
}

// The new file of `index` over the records `records`, written but not yet in place.
xbase::Status WriteIndex(const TableDef& table, const IndexDef& index, xbase::WorkArea& area,
                         const std::vector<uint32_t>& records, bool renumber, RebuildProgress* progress,
                         xbase::NewIndexFile* file) {
  xbase::NtxHeader header;
  xbase::Status s = IndexHeaderOf(table, index, &header);
  if (!s.ok()) return s;
  xbase::NtxKeys keys(header.key_size);
  s = KeysOf(index, area, records, renumber, progress, &keys);
  return s.ok() ? file->Write(xbase::NtxBuildFile(header, keys)) : s;
}

}  // namespace

xbase::Status RecordKeys(const IndexDef& index, xbase::WorkArea& area, xbase::NtxKeys* keys) {
  return KeysOf(index, area, AllRecords(area), false, nullptr, keys);
}

xbase::Status RebuildIndexes(const TableDef& table, const std::string& folder) {
  xbase::Session session(xbase::SearchPath({folder}));
  xbase::WorkArea* area = nullptr;
  xbase::Status s = session.Use(table.name, "", xbase::OpenMode::kExclusive, &area);
  for (const IndexDef& index : table.indexes) {
    if (!s.ok()) break;
    xbase::NewIndexFile file(IndexPath(index, folder));
    s = WriteIndex(table, index, *area, AllRecords(*area), false, nullptr, &file);
    if (s.ok()) s = file.PutInPlace();
    s = InStep(s, IndexStep(table, index));
  }
  xbase::Status closed = session.CloseAll();
  return s.ok() ? closed : s;
}

xbase::Status PackAndRebuild(const TableDef& table, xbase::WorkArea& area, RebuildProgress* progress) {
  const std::string folder = std::filesystem::path(area.table().path()).parent_path().string();
  std::vector<uint32_t> kept;
  xbase::Status s = KeptRecords(area, &kept);
  // Reading the records is the start of the first index's build.
  if (!s.ok()) return InStep(s, table.indexes.empty() ? std::string(table.name) : IndexStep(table, table.indexes[0]));
  std::vector<std::unique_ptr<xbase::NewIndexFile>> files;
  for (const IndexDef& index : table.indexes) {
    if (progress != nullptr) progress->IndexStarted(index, static_cast<uint32_t>(kept.size()));
    files.push_back(std::make_unique<xbase::NewIndexFile>(IndexPath(index, folder)));
    s = WriteIndex(table, index, area, kept, true, progress, files.back().get());
    if (!s.ok()) return InStep(s, IndexStep(table, index));
  }
  // Every record was read and every new index file is complete: the pack only moves records down.
  s = area.table().Pack();
  if (!s.ok()) return InStep(s, std::string(table.name) + ", pack");
  for (size_t i = 0; i < files.size(); ++i) {
    s = files[i]->PutInPlace();
    if (!s.ok()) return InStep(s, IndexStep(table, table.indexes[i]));
  }
  return s;
}

}  // namespace schema
