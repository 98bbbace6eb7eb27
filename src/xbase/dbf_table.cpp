// DbfTable: a DBF table file with its memo file, opened shared, exclusive or read-only, with a
// current-record buffer, record and file locks, and observers that hear of every record written.
#include "xbase/dbf_table.h"

#include <strings.h>

#include <algorithm>
#include <cstring>

#include "xbase/save_journal.h"
#include "xbase/search_path.h"

namespace xbase {

namespace {

// How many whole records the table file holds by its length.
Status RecordsHeld(LockedFile& file, const DbfHeader& header, uint64_t* held) {
  uint64_t size = 0;
  const Status s = file.Size(&size);
  *held = s.ok() && size > header.header_length ? (size - header.header_length) / header.record_length : 0;
  return s;
}

// The path of `path` with its extension replaced by `extension`.
std::string SwapExtension(const std::string& path, std::string_view extension) {
  const size_t slash = path.rfind('/');
  const size_t dot = path.rfind('.');
  const std::string stem = (dot != std::string::npos && (slash == std::string::npos || dot > slash)) ? path.substr(0, dot) : path;
  return stem + "." + std::string(extension);
}

const char* TypeName(char type) {
  switch (type) {
    case 'C': case 'M': return "text";
    case 'N': return "a number";
    case 'D': return "a date";
    default: return "a logical";
  }
}

}  // namespace

DbfTable::DbfTable(std::string path, std::unique_ptr<LockedFile> file, DbfHeader header)
    : path_(std::move(path)), file_(std::move(file)), mode_(file_->mode()), header_(std::move(header)),
      count_(header_.record_count) {
  buffer_.assign(header_.record_length, ' ');
}

// Whoever must know whether the last writes reached the file calls Close() first.
DbfTable::~DbfTable() { Close().IgnoreError(); }

Status DbfTable::Open(const std::string& path, OpenMode mode, std::unique_ptr<DbfTable>* table) {
  std::unique_ptr<LockedFile> file;
  Status s = LockedFile::Open(path, mode, &file);
  if (!s.ok()) return s;
  DbfHeader header;
  char prefix[kDbfPrefixSize];
  size_t got = 0;
  s = file->ReadSome(0, prefix, sizeof prefix, &got);
  if (!s.ok()) return s;
  s = ParseDbfPrefix(path, std::string_view(prefix, got), &header);
  if (!s.ok()) return s;
  std::string bytes(header.header_length, '\0');
  s = file->ReadSome(0, bytes.data(), bytes.size(), &got);
  if (!s.ok()) return s;
  s = ParseDbfFields(path, std::string_view(bytes.data(), got), &header);
  if (!s.ok()) return s;
  uint64_t size = 0;
  s = file->Size(&size);
  if (!s.ok()) return s;
  s = CheckDbfSize(path, header, size);
  if (!s.ok()) return s;
  std::unique_ptr<DbfTable> opened(new DbfTable(path, std::move(file), std::move(header)));
  if (opened->header_.has_memo()) {
    s = OpenMemo(opened.get());
    if (!s.ok()) return s;
  }
  s = opened->GoTo(1);
  if (!s.ok()) return s;
  *table = std::move(opened);
  return Status::OK();
}

Status DbfTable::OpenMemo(DbfTable* table) {
  const bool dbt = table->header_.version == kDbfWithDbt;
  const std::string wanted = SwapExtension(table->path_, dbt ? "dbt" : "fpt");
  const size_t slash = wanted.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : wanted.substr(0, slash == 0 ? 1 : slash);
  const std::string name = slash == std::string::npos ? wanted : wanted.substr(slash + 1);
  std::string found;
  Status s = FindInFolder(folder, name, &found);
  if (!s.ok()) return Status::NotFound(wanted, "memo file of " + table->path_ + " is missing");
  return MemoFile::Open(found, dbt ? MemoKind::kDbt : MemoKind::kFpt, table->mode_, &table->memo_);
}

Status DbfTable::Create(const std::string& path, std::vector<DbfField> fields, std::unique_ptr<DbfTable>* table) {
  DbfHeader header;
  Status s = NewDbfHeader(std::move(fields), &header);
  if (!s.ok()) return s;
  EncodeUpdateDate(Today(), header.update);
  std::unique_ptr<LockedFile> file;
  s = LockedFile::Create(path, &file);
  if (!s.ok()) return s;
  std::string bytes = EncodeDbfHeader(header);
  bytes += kDbfEndOfFile;
  s = file->WriteAt(0, bytes.data(), bytes.size());
  if (!s.ok()) return s;
  std::unique_ptr<DbfTable> created(new DbfTable(path, std::move(file), std::move(header)));
  if (created->header_.has_memo()) {
    s = MemoFile::Create(SwapExtension(path, "fpt"), &created->memo_);
    if (!s.ok()) return s;
  }
  s = created->GoTo(1);
  if (!s.ok()) return s;
  *table = std::move(created);
  return Status::OK();
}

Status DbfTable::Close() {
  if (!file_) return Status::OK();
  Status s = Commit();
  Status unlocked = UnlockAll();
  if (s.ok()) s = unlocked;
  memo_.reset();
  file_.reset();
  return s;
}

int DbfTable::FieldIndex(std::string_view name) const {
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  for (size_t i = 0; i < header_.fields.size(); ++i) {
    const std::string& field = header_.fields[i].name;
    if (field.size() == name.size() && ::strncasecmp(field.data(), name.data(), name.size()) == 0) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

FieldHandle DbfTable::Handle(int index) const {
  if (index < 0 || index >= field_count()) return FieldHandle();
  const DbfField& field = header_.fields[static_cast<size_t>(index)];
  return FieldHandle{index, field.offset, field.length, field.decimals, field.type};
}

Status DbfTable::RefreshCount() {
  if (mode_ == OpenMode::kExclusive) return Status::OK();
  char bytes[4];
  Status s = file_->ReadAt(kDbfCountOffset, bytes, sizeof bytes);
  if (!s.ok()) return s;
  const uint32_t count = DecodeCount(bytes);
  uint64_t size = 0;
  if (count != count_) {
    // A count another process raised must still have its records in the file.
    DbfHeader probe = header_;
    probe.record_count = count;
    s = file_->Size(&size);
    if (!s.ok()) return s;
    s = CheckDbfSize(path_, probe, size);
    if (!s.ok()) return s;
  }
  count_ = count;
  return Status::OK();
}

void DbfTable::BlankBuffer() {
  std::memset(buffer_.data(), ' ', buffer_.size());
}

Status DbfTable::ReadRecord() {
  if (recno_ == 0 || recno_ > count_) {
    BlankBuffer();
    return Status::OK();
  }
  const uint64_t offset = RecordOffset(recno_);
  Status s = file_->ReadAt(offset, buffer_.data(), buffer_.size());
  if (s.ok() && ((buffer_[0] != ' ' && buffer_[0] != '*') || buffer_.back() == '\0')) {
    // A record always starts with its deletion flag. Mapped bytes past an end another program cut
    // the file to read as zeros: tell such a read by the file's length. A record cut within keeps
    // its flag but ends in zeros; read as it is, it would pass for a record with blank fields.
    uint64_t size = 0;
    s = file_->Size(&size);
    if (s.ok() && size < offset + buffer_.size()) {
      s = Status::Corruption(path_, "file ends at " + std::to_string(size) + ", before " +
                                        std::to_string(offset + buffer_.size()));
    }
  }
  // A record that could not be read shows nothing of the one read before.
  if (!s.ok()) BlankBuffer();
  return s;
}

Status DbfTable::GoTo(uint32_t recno) {
  Status s = Flush();
  if (!s.ok()) return s;
  if (recno > count_ || recno == 0) {
    s = RefreshCount();
    if (!s.ok()) return s;
  }
  recno_ = (recno == 0 || recno > count_) ? count_ + 1 : recno;
  return ReadRecord();
}

Status DbfTable::Reread() {
  if (dirty_) return Status::OK();
  return ReadRecord();
}

Status DbfTable::MemoIn(std::string_view image, const FieldHandle& field, std::string* text) const {
  uint32_t block = 0;
  if (!ParseMemoBlock(image.substr(static_cast<size_t>(field.offset), static_cast<size_t>(field.length)), &block)) {
    return Status::Corruption(path_, "record " + std::to_string(recno_) + ": memo field " +
                                         header_.fields[static_cast<size_t>(field.index)].name + " is not a block number");
  }
  if (block != 0 && !memo_) return Status::Corruption(path_, "memo field without a memo file");
  if (block == 0) {
    text->clear();
    return Status::OK();
  }
  return memo_->Read(block, text);
}

Status DbfTable::ValueIn(std::string_view image, const FieldHandle& field, Value* value) const {
  const std::string_view bytes = image.substr(static_cast<size_t>(field.offset), static_cast<size_t>(field.length));
  switch (field.type) {
    case 'C': *value = Value::Text(std::string(bytes)); return Status::OK();
    case 'N': *value = Value::Num(ParseNumber(bytes), field.length, field.decimals); return Status::OK();
    case 'D': *value = Value::FromDate(Date::FromDtos(bytes)); return Status::OK();
    case 'L': *value = Value::Logical(ParseLogical(bytes[0])); return Status::OK();
    default: {
      std::string text;
      Status s = MemoIn(image, field, &text);
      *value = Value::Text(std::move(text));
      return s;
    }
  }
}

Status DbfTable::BeginChange() {
  if (mode_ == OpenMode::kReadOnly) return Status::InvalidArgument(path_, "opened read-only");
  if (at_end()) return Status::InvalidArgument(path_, "no current record to change");
  if (!IsLocked(recno_)) return Status::Locked(path_, "record " + std::to_string(recno_) + " is not locked");
  if (!dirty_) {
    before_ = buffer_;
    dirty_ = true;
  }
  return Status::OK();
}

Status DbfTable::PutText(const FieldHandle& field, std::string_view text) {
  Status s = BeginChange();
  if (s.ok()) EncodeText(text, buffer_.data() + field.offset, field.length);
  return s;
}

Status DbfTable::PutNumber(const FieldHandle& field, double value) {
  Status s = BeginChange();
  if (!s.ok()) return s;
  if (!EncodeNumber(value, buffer_.data() + field.offset, field.length, field.decimals)) {
    return Status::InvalidArgument(path_, "field " + header_.fields[static_cast<size_t>(field.index)].name +
                                              ": the number does not fit");
  }
  return Status::OK();
}

Status DbfTable::PutDate(const FieldHandle& field, Date date) {
  Status s = BeginChange();
  if (s.ok()) EncodeDate(date, buffer_.data() + field.offset);
  return s;
}

Status DbfTable::PutLogical(const FieldHandle& field, bool flag) {
  Status s = BeginChange();
  if (s.ok()) buffer_[static_cast<size_t>(field.offset)] = flag ? 'T' : 'F';
  return s;
}

Status DbfTable::PutMemo(const FieldHandle& field, std::string_view text) {
  Status s = BeginChange();
  if (!s.ok()) return s;
  if (!memo_) return Status::Corruption(path_, "memo field without a memo file");
  uint32_t block = 0;
  if (!ParseMemoBlock(Bytes(field), &block)) block = 0;
  s = memo_->Write(text, &block);
  if (s.ok()) EncodeMemoBlock(block, buffer_.data() + field.offset, field.length);
  return s;
}

Status DbfTable::Put(const FieldHandle& field, const Value& value) {
  const bool fits = (field.type == 'C' || field.type == 'M') ? value.is_text()
                    : field.type == 'N'                      ? value.is_number()
                    : field.type == 'D'                      ? value.is_date()
                                                             : value.is_logical();
  if (!fits) {
    return Status::InvalidArgument(path_, "field " + header_.fields[static_cast<size_t>(field.index)].name +
                                              " takes " + TypeName(field.type));
  }
  switch (field.type) {
    case 'C': return PutText(field, value.text());
    case 'N': return PutNumber(field, value.number());
    case 'D': return PutDate(field, value.date());
    case 'L': return PutLogical(field, value.logical());
    default: return PutMemo(field, value.text());
  }
}

Status DbfTable::BlankRecord() {
  Status s = BeginChange();
  if (s.ok()) std::memset(buffer_.data() + 1, ' ', buffer_.size() - 1);
  return s;
}

Status DbfTable::Delete() {
  Status s = BeginChange();
  if (s.ok()) buffer_[0] = '*';
  return s;
}

Status DbfTable::Recall() {
  Status s = BeginChange();
  if (s.ok()) buffer_[0] = ' ';
  return s;
}

Status DbfTable::AppendBlank() {
  if (mode_ == OpenMode::kReadOnly) return Status::InvalidArgument(path_, "opened read-only");
  Status s = Flush();
  if (!s.ok()) return s;
  const bool shared = mode_ == OpenMode::kShared;
  if (shared && !append_locked_) {
    s = file_->Lock(kLockBase, 1, true, LockWait::kWait);
    if (!s.ok()) return s;
  }
  uint32_t recno = 0;
  if (shared) s = RefreshCount();
  if (!shared && !count_pending_) {
    // In exclusive use the count lives in memory. Once written with a save's records it may still be
    // past what the file holds, when that save was then dropped whole (a failed write, a full disk):
    // counting on from there would leave a gap of records never written.
    uint64_t held = 0;
    s = RecordsHeld(*file_, header_, &held);
    if (s.ok() && held < count_) {
      count_ = static_cast<uint32_t>(held);
      count_pending_ = true;
    }
  }
  if (s.ok()) {
    recno = count_ + 1;
    if (shared && !file_locked_) s = file_->Lock(kLockBase + recno, 1, true, LockWait::kWait);
  }
  BlankBuffer();
  if (s.ok() && shared) {
    // Others may read the new record as soon as the count is raised: write it first.
    if (!file_locked_) locked_.push_back(recno);
    s = WriteRecord(recno, true);
    char bytes[4];
    EncodeCount(recno, bytes);
    if (s.ok()) s = file_->WriteAt(kDbfCountOffset, bytes, sizeof bytes);
  }
  if (shared) {
    if (!append_locked_) file_->Unlock(kLockBase, 1);
  } else {
    // In exclusive use the record and the end byte are written once, by Flush.
    count_pending_ = true;
  }
  if (!s.ok()) return s;
  count_ = recno;
  recno_ = recno;
  modified_ = true;
  before_.clear();
  dirty_ = true;
  appended_ = true;
  return Status::OK();
}

Status DbfTable::WriteRecord(uint32_t recno, bool with_end) {
  if (!with_end) return file_->WriteAt(RecordOffset(recno), buffer_.data(), buffer_.size());
  buffer_.push_back(kDbfEndOfFile);
  Status s = file_->WriteAt(RecordOffset(recno), buffer_.data(), buffer_.size());
  buffer_.pop_back();
  return s;
}

Status DbfTable::Notify(std::string_view before) {
  for (TableObserver* observer : observers_) {
    Status s = observer->RecordWritten(recno_, before, buffer_);
    if (!s.ok()) return s;
  }
  return Status::OK();
}

Status DbfTable::Flush() {
  if (!dirty_) return Status::OK();
  Status s = WriteRecord(recno_, appended_ && mode_ == OpenMode::kExclusive);
  // In exclusive use the count waits for the close, except inside a save: there it goes with the
  // records it counts, so that they reach the disk together or not at all.
  if (s.ok() && count_pending_ && SaveJournal::Active() != nullptr) s = WriteHeader();
  if (!s.ok()) return s;
  dirty_ = false;
  modified_ = true;
  const bool appended = appended_;
  appended_ = false;
  return Notify(appended ? std::string_view() : std::string_view(before_));
}

Status DbfTable::WriteHeader() {
  EncodeUpdateDate(Today(), header_.update);
  char bytes[3 + 4];
  std::memcpy(bytes, header_.update, 3);
  if (!count_pending_) return file_->WriteAt(1, bytes, 3);
  EncodeCount(count_, bytes + 3);
  Status s = file_->WriteAt(1, bytes, sizeof bytes);
  if (s.ok()) count_pending_ = false;
  return s;
}

Status DbfTable::Commit() {
  Status s = Flush();
  if (!s.ok() || !modified_) return s;
  s = WriteHeader();
  if (s.ok()) modified_ = false;
  return s;
}

Status DbfTable::RequireExclusive(const char* verb) const {
  if (mode_ != OpenMode::kExclusive) return Status::InvalidArgument(path_, std::string(verb) + " needs exclusive use");
  return Status::OK();
}

Status DbfTable::Pack() {
  Status s = RequireExclusive("pack");
  if (s.ok()) s = Flush();
  if (!s.ok()) return s;
  uint32_t kept = 0;
  std::string record(header_.record_length, ' ');
  for (uint32_t recno = 1; recno <= count_; ++recno) {
    s = file_->ReadAt(RecordOffset(recno), record.data(), record.size());
    if (!s.ok()) return s;
    if (record[0] == '*') continue;
    ++kept;
    if (kept != recno) {
      s = file_->WriteAt(RecordOffset(kept), record.data(), record.size());
      if (!s.ok()) return s;
    }
  }
  const char end = kDbfEndOfFile;
  s = file_->WriteAt(RecordOffset(kept + 1), &end, 1);
  if (s.ok()) s = file_->Truncate(RecordOffset(kept + 1) + 1);
  if (!s.ok()) return s;
  return Rewritten(kept);
}

Status DbfTable::Rewritten(uint32_t count) {
  count_ = count;
  count_pending_ = true;
  modified_ = true;
  Status s = WriteHeader();
  for (TableObserver* observer : observers_) {
    if (s.ok()) s = observer->TableRewritten();
  }
  return s.ok() ? GoTo(1) : s;
}

Status DbfTable::Zap() {
  Status s = RequireExclusive("zap");
  if (!s.ok()) return s;
  dirty_ = false;
  appended_ = false;
  const char end = kDbfEndOfFile;
  s = file_->Truncate(header_.header_length);
  if (s.ok()) s = file_->WriteAt(header_.header_length, &end, 1);
  if (s.ok() && memo_) s = memo_->Reset();
  return s.ok() ? Rewritten(0) : s;
}

bool DbfTable::IsLocked(uint32_t recno) const {
  if (mode_ != OpenMode::kShared || file_locked_) return true;
  return std::find(locked_.begin(), locked_.end(), recno) != locked_.end();
}

Status DbfTable::LockRecord(uint32_t recno, LockWait wait) {
  if (IsLocked(recno)) return recno == recno_ ? Reread() : Status::OK();
  Status s = file_->Lock(kLockBase + recno, 1, true, wait);
  if (!s.ok()) return Status::Locked(path_, "record " + std::to_string(recno) + " is locked by another user");
  locked_.push_back(recno);
  return recno == recno_ ? Reread() : Status::OK();
}

Status DbfTable::UnlockRecord(uint32_t recno) {
  Status s = Flush();
  if (holding_) return s;
  const auto it = std::find(locked_.begin(), locked_.end(), recno);
  if (it != locked_.end()) {
    // Under the file lock the byte stays locked as part of the file's range.
    if (!file_locked_) file_->Unlock(kLockBase + recno, 1);
    locked_.erase(it);
  }
  return s;
}

Status DbfTable::LockFile(LockWait wait) {
  if (mode_ != OpenMode::kShared) return Status::OK();
  if (!file_locked_) {
    Status s = file_->Lock(kLockBase + 1, kLockBase, true, wait);
    if (!s.ok()) return Status::Locked(path_, "the table is locked by another user");
    file_locked_ = true;
  }
  Status s = RefreshCount();
  return s.ok() ? Reread() : s;
}

Status DbfTable::UnlockAll() {
  Status s = Flush();
  if (holding_) return s;
  for (uint32_t recno : locked_) file_->Unlock(kLockBase + recno, 1);
  locked_.clear();
  if (file_locked_) {
    file_->Unlock(kLockBase + 1, kLockBase);
    file_locked_ = false;
  }
  return s;
}

Status DbfTable::LockAppend(LockWait wait) {
  if (mode_ != OpenMode::kShared || append_locked_) return Status::OK();
  if (!file_->Lock(kLockBase, 1, true, wait).ok()) {
    return Status::Locked(path_, "another user is appending");
  }
  append_locked_ = true;
  return Status::OK();
}

Status DbfTable::ReleaseHeld() {
  holding_ = false;
  const Status s = UnlockAll();
  if (append_locked_) {
    file_->Unlock(kLockBase, 1);
    append_locked_ = false;
  }
  return s;
}

void DbfTable::AddObserver(TableObserver* observer) { observers_.push_back(observer); }

void DbfTable::RemoveObserver(TableObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

}  // namespace xbase
