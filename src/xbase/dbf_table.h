// DbfTable: a DBF table file with its memo file, opened shared, exclusive or read-only, with a
// current-record buffer, record and file locks, and observers that hear of every record written.
#ifndef PALUNDA_XBASE_DBF_TABLE_H_
#define PALUNDA_XBASE_DBF_TABLE_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/date.h"
#include "xbase/dbf_field.h"
#include "xbase/dbf_header.h"
#include "xbase/file_lock.h"
#include "xbase/memo_file.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace xbase {

// Hears of every change that reaches the table file; open indexes attach one to stay current.
class TableObserver {
 public:
  virtual ~TableObserver() = default;
  // A record was written: `before` is its earlier image (empty for a newly appended record) and
  // `after` the image now stored; both start with the deletion byte.
  virtual Status RecordWritten(uint32_t recno, std::string_view before, std::string_view after) = 0;
  // Pack or zap rewrote the table, so record numbers changed and whole indexes must be rebuilt.
  virtual Status TableRewritten() = 0;
};

class DbfTable {
 public:
  // Opens the table at `path` and its memo file (same name, .fpt or .dbt in any case).
  static Status Open(const std::string& path, OpenMode mode, std::unique_ptr<DbfTable>* table);
  // Creates (or empties) a table with `fields` and, when it has memo fields, an FPT file beside it
  // named with the table's name and a lower-case extension; the new table is open exclusively.
  static Status Create(const std::string& path, std::vector<DbfField> fields, std::unique_ptr<DbfTable>* table);

  DbfTable(const DbfTable&) = delete;
  DbfTable& operator=(const DbfTable&) = delete;
  // Closes the table; call Close() first to learn whether the last writes succeeded.
  ~DbfTable();

  // Writes the pending record and the header, releases every lock and closes the files.
  Status Close();

  const std::string& path() const { return path_; }
  OpenMode mode() const { return mode_; }
  const DbfHeader& header() const { return header_; }
  const std::vector<DbfField>& fields() const { return header_.fields; }
  int field_count() const { return static_cast<int>(header_.fields.size()); }
  // Position of the field named `name` without regard to case, or -1.
  int FieldIndex(std::string_view name) const;
  // A handle for the field at `index` (0-based), or an invalid handle.
  FieldHandle Handle(int index) const;
  // A handle for the field named `name`, or an invalid handle.
  FieldHandle Handle(std::string_view name) const { return Handle(FieldIndex(name)); }

  // The record count as last read or written.
  uint32_t record_count() const { return count_; }
  // Re-reads the record count from the header, to see records others appended.
  Status RefreshCount();

  // The current record number; record_count() + 1 stands for the blank record past the end.
  uint32_t recno() const { return recno_; }
  // True when standing past the last record.
  bool at_end() const { return recno_ > count_ || recno_ == 0; }
  // Writes a pending change and reads record `recno` from the file (the count is re-read when
  // `recno` lies past the known count); past the end it stands on the blank end record.
  Status GoTo(uint32_t recno);
  // Reads the current record again from the file.
  Status Reread();

  // The current record's bytes, the deletion flag first.
  std::string_view record() const { return buffer_; }
  // True when the current record is marked deleted.
  bool deleted() const { return buffer_[0] == '*'; }

  // The stored bytes of a field (character fields exactly as stored).
  std::string_view Bytes(const FieldHandle& field) const {
    return std::string_view(buffer_.data() + field.offset, static_cast<size_t>(field.length));
  }
  // A numeric field's number.
  double Number(const FieldHandle& field) const { return ParseNumber(Bytes(field)); }
  // A date field's date.
  Date DateOf(const FieldHandle& field) const { return Date::FromDtos(Bytes(field)); }
  // A logical field's flag.
  bool Logical(const FieldHandle& field) const { return ParseLogical(buffer_[field.offset]); }
  // A memo field's text.
  Status Memo(const FieldHandle& field, std::string* text) const { return MemoIn(buffer_, field, text); }
  // Any field as a Value (memos as text).
  Status Get(const FieldHandle& field, Value* value) const { return ValueIn(buffer_, field, value); }
  // Any field of another record image of this table (such as one an observer hears of) as a Value.
  Status ValueIn(std::string_view image, const FieldHandle& field, Value* value) const;

  // Writers: each needs a writable table and, when shared, a lock on the record or the file.
  // A character field's text, padded or cut to the width.
  Status PutText(const FieldHandle& field, std::string_view text);
  // A numeric field's number, as STR(value, width, decimals); InvalidArgument when it does not fit.
  Status PutNumber(const FieldHandle& field, double value);
  // A date field's date.
  Status PutDate(const FieldHandle& field, Date date);
  // A logical field's flag.
  Status PutLogical(const FieldHandle& field, bool flag);
  // A memo field's text (written to the memo file at once).
  Status PutMemo(const FieldHandle& field, std::string_view text);
  // Any field from a Value of the field's type.
  Status Put(const FieldHandle& field, const Value& value);
  // Blanks every field of the current record.
  Status BlankRecord();
  // Marks the current record deleted.
  Status Delete();
  // Clears the current record's deletion mark.
  Status Recall();

  // Adds a blank record at the end and stands on it; when shared it is locked (the others stay
  // locked) and the count is raised under the append lock.
  Status AppendBlank();
  // Writes the current record when it changed and tells the observers.
  Status Flush();
  // Writes the pending record and the header (count and update date).
  Status Commit();
  // Removes the deleted records for good (needs exclusive use).
  Status Pack();
  // Removes every record and memo (needs exclusive use).
  Status Zap();

  // Locks record `recno` for this handle; the current record is re-read when it is that one.
  Status LockRecord(uint32_t recno, LockWait wait);
  // Writes a pending change and releases the lock of record `recno`.
  Status UnlockRecord(uint32_t recno);
  // Locks the whole file for this handle; the current record is re-read.
  Status LockFile(LockWait wait);
  // Writes a pending change and releases every record lock and the file lock.
  Status UnlockAll();
  // True when this handle holds the lock of record `recno` (or the file lock, or exclusive use).
  bool IsLocked(uint32_t recno) const;
  // Record numbers this handle holds locks on.
  const std::vector<uint32_t>& locked_records() const { return locked_; }

  // A save takes its locks before its first write and keeps them until after its last. Takes the
  // append lock, kept (appends then neither take nor release it) until ReleaseHeld.
  Status LockAppend(LockWait wait);
  // From now until ReleaseHeld, unlocking writes pending changes but keeps every lock.
  void HoldLocks() { holding_ = true; }
  // Ends the hold: writes the pending change and releases the record, file and append locks.
  Status ReleaseHeld();

  // Adds an observer (not owned) that hears of every record written from now on.
  void AddObserver(TableObserver* observer);
  // Removes an observer.
  void RemoveObserver(TableObserver* observer);

 private:
  DbfTable(std::string path, std::unique_ptr<LockedFile> file, DbfHeader header);

  static Status OpenMemo(DbfTable* table);
  Status MemoIn(std::string_view image, const FieldHandle& field, std::string* text) const;
  uint64_t RecordOffset(uint32_t recno) const {
    return header_.header_length + static_cast<uint64_t>(recno - 1) * header_.record_length;
  }
  // Checks the current record may change and keeps its image for the observers.
  Status BeginChange();
  Status ReadRecord();
  // Writes the buffer as record `recno`, followed by the end byte when it is the last one.
  Status WriteRecord(uint32_t recno, bool with_end);
  Status WriteHeader();
  Status Notify(std::string_view before);
  Status RequireExclusive(const char* verb) const;
  // After pack or zap: the new count to the header, the observers told, the first record read.
  Status Rewritten(uint32_t count);
  void BlankBuffer();

  std::string path_;
  std::unique_ptr<LockedFile> file_;
  std::unique_ptr<MemoFile> memo_;
  OpenMode mode_;
  DbfHeader header_;
  uint32_t count_ = 0;
  uint32_t recno_ = 0;
  std::string buffer_;
  std::string before_;         // image of the current record before its pending change
  bool dirty_ = false;         // buffer_ differs from the file
  bool appended_ = false;      // the pending record is new: observers get an empty `before`
  bool modified_ = false;      // something was written since the open: the header date moves
  bool count_pending_ = false; // exclusive use: the header count is written at commit
  bool file_locked_ = false;
  bool append_locked_ = false;  // held by a save (LockAppend)
  bool holding_ = false;        // a save holds its locks (HoldLocks)
  std::vector<uint32_t> locked_;
  std::vector<TableObserver*> observers_;
};

}  // namespace xbase

#endif  // PALUNDA_XBASE_DBF_TABLE_H_
