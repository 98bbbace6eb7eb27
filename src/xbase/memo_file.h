// MemoFile: the memo file beside a table: FPT read and write, DBT read.
#ifndef PALUNDA_XBASE_MEMO_FILE_H_
#define PALUNDA_XBASE_MEMO_FILE_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "xbase/file_lock.h"
#include "xbase/status.h"

namespace xbase {

enum class MemoKind { kFpt, kDbt };

inline constexpr uint32_t kFptBlockSize = 64;
inline constexpr uint32_t kFptReserved = 1024;  // bytes before the first memo block
inline constexpr uint32_t kDbtBlockSize = 512;

class MemoFile {
 public:
  // Opens a memo file of the given kind with the table's open mode.
  static Status Open(const std::string& path, MemoKind kind, OpenMode mode, std::unique_ptr<MemoFile>* memo);
  // Creates (or empties) an FPT memo file with 64-byte blocks, opened exclusively.
  static Status Create(const std::string& path, std::unique_ptr<MemoFile>* memo);

  MemoFile(const MemoFile&) = delete;
  MemoFile& operator=(const MemoFile&) = delete;

  const std::string& path() const { return file_->path(); }
  MemoKind kind() const { return kind_; }

  // Reads the memo starting at `block`; block 0 is the empty memo.
  Status Read(uint32_t block, std::string* text) const;
  // Stores `text` for a field whose memo is at `*block` (0 for none): in place when it still fits
  // there, otherwise at the next free block. `*block` becomes where it is now (0 for empty text).
  Status Write(std::string_view text, uint32_t* block);
  // Drops every memo: the file keeps only its header.
  Status Reset();

 private:
  MemoFile(std::unique_ptr<LockedFile> file, MemoKind kind, uint32_t block_size)
      : file_(std::move(file)), kind_(kind), block_size_(block_size) {}

  Status ReadFpt(uint32_t block, std::string* text) const;
  Status ReadDbt(uint32_t block, std::string* text) const;
  // The end of the memos: the header's next free block, or the file's `size` when that is shorter.
  Status UsedEnd(uint64_t size, uint64_t* end) const;
  // Blocks a memo of `length` bytes takes, its 8-byte head included.
  uint64_t BlocksFor(uint64_t length) const { return (length + 8 + block_size_ - 1) / block_size_; }
  Status WriteMemoAt(uint32_t block, std::string_view text);
  Status Corrupt(uint32_t block, std::string_view fault) const;

  std::unique_ptr<LockedFile> file_;
  MemoKind kind_;
  uint32_t block_size_;
};

}  // namespace xbase

#endif  // PALUNDA_XBASE_MEMO_FILE_H_
