// libFuzzer target over the table header, record and memo readers. The input is a table and its
// memo file: two bytes (little endian) giving the table's length, the table, then the memo file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "scratch_files.h"
#include "xbase/dbf_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const size_t table_size = std::min<size_t>(data[0] | (data[1] << 8), size - 2);
  const std::string table_path = fuzz::Folder() + "/t.dbf";
  fuzz::Write(table_path, data + 2, table_size);
  fuzz::Write(fuzz::Folder() + "/t.fpt", data + 2 + table_size, size - 2 - table_size);
  std::unique_ptr<xbase::DbfTable> table;
  if (!xbase::DbfTable::Open(table_path, xbase::OpenMode::kReadOnly, &table).ok()) return 0;
  for (uint32_t recno = 1; recno <= table->record_count() + 1; ++recno) {
    if (!table->GoTo(recno).ok()) break;
    for (int i = 0; i < table->field_count(); ++i) {
      xbase::Value value;
      table->Get(table->Handle(i), &value).IgnoreError();  // a bad field is a refusal, not a fault
    }
  }
  return 0;
}
