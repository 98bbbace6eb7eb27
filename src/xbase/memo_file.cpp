// MemoFile: the memo file beside a table: FPT read and write, DBT read.
#include "xbase/memo_file.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "xbase/ntx_bytes.h"

namespace xbase {

namespace {

constexpr uint32_t kFptTextType = 1;
// The byte the reference writer leaves at the end of a memo's last block when it is not full.
constexpr char kFptPadEnd = static_cast<char>(0xAF);

uint32_t BigEndian32(const char* p) {
  return (static_cast<uint32_t>(static_cast<uint8_t>(p[0])) << 24) |
         (static_cast<uint32_t>(static_cast<uint8_t>(p[1])) << 16) |
         (static_cast<uint32_t>(static_cast<uint8_t>(p[2])) << 8) | static_cast<uint32_t>(static_cast<uint8_t>(p[3]));
}

void PutBigEndian32(uint32_t v, char* p) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<char>((v >> (24 - 8 * i)) & 0xFF);
}

std::string FptHeader() {
  std::string header(kFptReserved, '\0');
  PutBigEndian32(kFptReserved / kFptBlockSize, header.data());
  header[6] = static_cast<char>(kFptBlockSize >> 8);
  header[7] = static_cast<char>(kFptBlockSize & 0xFF);
  return header;
}

// Holds the memo file's allocation lock while new blocks are claimed by a shared writer.
class AllocationLock {
 public:
  AllocationLock(LockedFile* file) : file_(file->mode() == OpenMode::kShared ? file : nullptr) {}
  AllocationLock(const AllocationLock&) = delete;
  AllocationLock& operator=(const AllocationLock&) = delete;
  ~AllocationLock() {
    if (file_ != nullptr && held_) file_->Unlock(kLockBase, 1);
  }
  Status Take() {
    if (file_ == nullptr) return Status::OK();
    Status s = file_->Lock(kLockBase, 1, true, LockWait::kWait);
    held_ = s.ok();
    return s;
  }

 private:
  LockedFile* file_;
  bool held_ = false;
};

}  // namespace

Status MemoFile::Open(const std::string& path, MemoKind kind, OpenMode mode, std::unique_ptr<MemoFile>* memo) {
  std::unique_ptr<LockedFile> file;
  Status s = LockedFile::Open(path, mode, &file);
  if (!s.ok()) return s;
  char head[8];
  s = file->ReadAt(0, head, sizeof head);
  if (!s.ok()) return Status::Corruption(path, "memo header cut short");
  uint32_t block_size = kDbtBlockSize;
  if (kind == MemoKind::kFpt) {
    block_size = (static_cast<uint8_t>(head[6]) << 8) | static_cast<uint8_t>(head[7]);
    if (block_size == 0) return Status::Corruption(path, "memo block size is 0");
  }
  memo->reset(new MemoFile(std::move(file), kind, block_size));
  return Status::OK();
}

Status MemoFile::Create(const std::string& path, std::unique_ptr<MemoFile>* memo) {
  std::unique_ptr<LockedFile> file;
  Status s = LockedFile::Create(path, &file);
  if (!s.ok()) return s;
  const std::string header = FptHeader();
  s = file->WriteAt(0, header.data(), header.size());
  if (!s.ok()) return s;
  memo->reset(new MemoFile(std::move(file), MemoKind::kFpt, kFptBlockSize));
  return Status::OK();
}

Status MemoFile::Corrupt(uint32_t block, std::string_view fault) const {
  return Status::Corruption(path(), "memo block " + std::to_string(block) + " " + std::string(fault));
}

Status MemoFile::Read(uint32_t block, std::string* text) const {
  text->clear();
  if (block == 0) return Status::OK();
  return kind_ == MemoKind::kFpt ? ReadFpt(block, text) : ReadDbt(block, text);
}

Status MemoFile::ReadFpt(uint32_t block, std::string* text) const {
  const uint64_t offset = static_cast<uint64_t>(block) * block_size_;
  if (offset < 512) return Corrupt(block, "lies inside the memo header");
  uint64_t size = 0;
  Status s = file_->Size(&size);
  if (!s.ok()) return s;
  if (offset + 8 > size) return Corrupt(block, "lies beyond the end of the memo file");
  uint64_t end = 0;
  s = UsedEnd(size, &end);
  if (!s.ok()) return s;
  char head[8];
  s = file_->ReadAt(offset, head, sizeof head);
  if (!s.ok()) return s;
  const uint64_t length = BigEndian32(head + 4);
  if (offset + 8 + length > end) return Corrupt(block, "runs beyond the end of the memo file");
  text->resize(length);
  return file_->ReadAt(offset + 8, text->data(), length);
}

// Where the memos of the file end: at its next free block, as the header gives it, unless the file
// is shorter. A sparse file can be far longer than what was ever written into it.
Status MemoFile::UsedEnd(uint64_t size, uint64_t* end) const {
  char head[4];
  Status s = file_->ReadAt(0, head, sizeof head);
  if (!s.ok()) return s;
  const uint32_t next = kind_ == MemoKind::kFpt ? BigEndian32(head) : GetU32(reinterpret_cast<const uint8_t*>(head));
  const uint64_t used = static_cast<uint64_t>(next) * block_size_;
  // A DBT writer may leave the next free block unset: then the file's length bounds the memos.
  *end = used != 0 && used < size ? used : size;
  return Status::OK();
}

Status MemoFile::ReadDbt(uint32_t block, std::string* text) const {
  uint64_t offset = static_cast<uint64_t>(block) * block_size_;
  uint64_t size = 0;
  Status s = file_->Size(&size);
  if (!s.ok()) return s;
  uint64_t used_end = 0;
  s = UsedEnd(size, &used_end);
  if (!s.ok()) return s;
  if (offset >= used_end) return Corrupt(block, "lies beyond the end of the memo file");
  char chunk[kDbtBlockSize];
  while (true) {
    size_t got = 0;
    s = file_->ReadSome(offset, chunk, std::min<uint64_t>(sizeof chunk, used_end - offset), &got);
    if (!s.ok()) return s;
    if (got == 0) return Corrupt(block, "has no end mark");
    text->append(chunk, got);
    // The end mark may straddle two chunks: look from one byte before this chunk.
    const size_t from = text->size() > got ? text->size() - got - 1 : 0;
    const size_t mark = text->find("\x1A\x1A", from);
    if (mark != std::string::npos) {
      text->resize(mark);
      return Status::OK();
    }
    offset += got;
  }
}

Status MemoFile::WriteMemoAt(uint32_t block, std::string_view text) {
  const uint64_t blocks = BlocksFor(text.size());
  std::string image(blocks * block_size_, '\0');
  PutBigEndian32(kFptTextType, image.data());
  PutBigEndian32(static_cast<uint32_t>(text.size()), image.data() + 4);
  std::memcpy(image.data() + 8, text.data(), text.size());
  if (text.size() + 8 < image.size()) image.back() = kFptPadEnd;
  return file_->WriteAt(static_cast<uint64_t>(block) * block_size_, image.data(), image.size());
}

Status MemoFile::Write(std::string_view text, uint32_t* block) {
  if (kind_ != MemoKind::kFpt) return Status::InvalidArgument(path(), "DBT memo files are read only");
  if (!file_->writable()) return Status::InvalidArgument(path(), "opened read-only");
  if (text.size() > 0xFFFFFFF0u) return Status::InvalidArgument(path(), "memo too long");
  if (text.empty()) {
    *block = 0;
    return Status::OK();
  }
  if (*block != 0) {
    char head[8];
    const uint64_t offset = static_cast<uint64_t>(*block) * block_size_;
    if (offset >= kFptReserved && file_->ReadAt(offset, head, sizeof head).ok() &&
        BlocksFor(text.size()) <= BlocksFor(BigEndian32(head + 4))) {
      return WriteMemoAt(*block, text);
    }
  }
  AllocationLock lock(file_.get());
  Status s = lock.Take();
  if (!s.ok()) return s;
  char head[4];
  s = file_->ReadAt(0, head, sizeof head);
  if (!s.ok()) return s;
  const uint32_t next = BigEndian32(head);
  if (static_cast<uint64_t>(next) * block_size_ < kFptReserved) return Status::Corruption(path(), "bad next free block");
  const uint64_t after = next + BlocksFor(text.size());
  if (after > 0xFFFFFFFFu) return Status::InvalidArgument(path(), "memo file full");
  s = WriteMemoAt(next, text);
  if (!s.ok()) return s;
  PutBigEndian32(static_cast<uint32_t>(after), head);
  s = file_->WriteAt(0, head, sizeof head);
  if (!s.ok()) return s;
  *block = next;
  return Status::OK();
}

Status MemoFile::Reset() {
  if (kind_ != MemoKind::kFpt) return Status::InvalidArgument(path(), "DBT memo files are read only");
  const std::string header = FptHeader();
  Status s = file_->Truncate(0);
  if (!s.ok()) return s;
  return file_->WriteAt(0, header.data(), header.size());
}

}  // namespace xbase
