// libFuzzer target over the table header, record and memo readers. The input is a table and its
// memo file: two bytes (little endian) giving the table's length, the table, then the memo file.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "xbase/dbf_table.h"

namespace {

// A scratch folder in memory when the machine has one, removed at exit.
const std::string& Folder() {
  static const std::string* folder = [] {
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::string pattern = (base / "dbf-fuzz-XXXXXX").string();
    auto* made = new std::string(::mkdtemp(pattern.data()));
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(Folder(), ignored);
    });
    return made;
  }();
  return *folder;
}

void Write(const std::string& path, const uint8_t* data, size_t size) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const size_t table_size = std::min<size_t>(data[0] | (data[1] << 8), size - 2);
  const std::string table_path = Folder() + "/t.dbf";
  Write(table_path, data + 2, table_size);
  Write(Folder() + "/t.fpt", data + 2 + table_size, size - 2 - table_size);
  std::unique_ptr<xbase::DbfTable> table;
  if (!xbase::DbfTable::Open(table_path, xbase::OpenMode::kReadOnly, &table).ok()) return 0;
  for (uint32_t recno = 1; recno <= table->record_count() + 1; ++recno) {
    if (!table->GoTo(recno).ok()) break;
    for (int i = 0; i < table->field_count(); ++i) {
      xbase::Value value;
      table->Get(table->Handle(i), &value);
    }
  }
  return 0;
}
