// A new or demo data folder made by the setup routine, and a snapshot of a folder's files.
#include "support/site_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "frame/frame_procedures.h"
#include "xbase/ntx_index.h"
#include "xbase/search_path.h"
#include "xbase/value_text.h"

namespace support {
namespace fs = std::filesystem;

frame::ProcedureRegistry TestRegistry() {
  frame::ProcedureRegistry registry;
  auto none = [](frame::Session&, const std::vector<xbase::Value>&) { return xbase::Status::OK(); };
  registry.Register({"KEMBALI", "Keluar / Ganti User", frame::kMenuGroup, none});
  registry.Register({"PASS", "Password Login", frame::kMenuGroup, none});
  registry.Register({"IJUAL", "Input Sales Order", "PENJUALAN", none});
  registry.Register({"CJUAL", "Cetak Surat Jalan", "PENJUALAN", none});
  registry.Register({"TSETUP", "Tabel Setup", frame::kMenuGroup, none});
  return registry;
}

site::DataFolderOptions TestOptions(const frame::ProcedureRegistry& registry, bool demo) {
  site::DataFolderOptions options;
  options.demo = demo;
  options.today = xbase::Date::FromYmd(2026, 12, 8);
  options.registry = &registry;
  return options;
}

std::map<std::string, std::string> Snapshot(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir)) {
    std::ostringstream content;
    if (entry.is_regular_file()) content << std::ifstream(entry.path(), std::ios::binary).rdbuf();
    content << '|' << entry.last_write_time().time_since_epoch().count();
    files[fs::relative(entry.path(), dir).string()] = content.str();
  }
  return files;
}

std::string SeekField(const std::string& dir, const std::string& table, const std::string& index,
                      const std::string& key, const std::string& field) {
  std::string path;
  std::unique_ptr<xbase::NtxIndex> ntx;
  bool found = false;
  if (!xbase::FindInFolder(dir, index + ".ntx", &path).ok() ||
      !xbase::NtxIndex::Open(path, xbase::NtxOpenMode::kShared, &ntx).ok() || !ntx->Seek(key, &found).ok() ||
      !found) {
    return "<not found>";
  }
  xbase::Session session(xbase::SearchPath({dir}));
  xbase::WorkArea* area = nullptr;
  xbase::Value value;
  if (!session.Use(table, "", xbase::OpenMode::kShared, &area).ok() || !area->GoTo(ntx->recno()).ok() ||
      !area->Get(field, &value).ok()) {
    return "<not read>";
  }
  return xbase::ValueText(value);
}

}  // namespace support
