// libFuzzer target over the index file reader: the input is an index file, opened read-only, walked
// both ways, sought and checked. Every fault must come back as a status.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "scratch_files.h"
#include "xbase/ntx_check.h"
#include "xbase/ntx_index.h"

namespace {

// Items a walk reads at most: a damaged file must end its walk with a status, not loop.
constexpr int kMaxSteps = 4096;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::Folder() + "/t.ntx";
  fuzz::Write(path, data, size);
  std::unique_ptr<xbase::NtxIndex> index;
  if (!xbase::NtxIndex::Open(path, xbase::OpenMode::kReadOnly, &index).ok()) return 0;
  xbase::Status s = index->GoTop();
  for (int i = 0; s.ok() && !index->eof() && i < kMaxSteps; ++i) s = index->Next();
  s = index->GoBottom();
  for (int i = 0; s.ok() && !index->bof() && !index->eof() && i < kMaxSteps; ++i) s = index->Prev();
  // The last bytes of the input, as long as a key, are sought.
  const size_t key_size = static_cast<size_t>(std::max(index->key_size(), 0));
  const std::string_view tail(reinterpret_cast<const char*>(data) + (size > key_size ? size - key_size : 0),
                              std::min(size, key_size));
  bool found = false;
  index->Seek(tail, &found).IgnoreError();  // a damaged file is refused, which is all that is asked
  xbase::NtxCheckReport report;
  xbase::NtxCheck(*index, &report).IgnoreError();
  return 0;
}
