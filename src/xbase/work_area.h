// WorkArea: an open table and its cursor: navigation in natural order or through a controlling
// index order, deleted records hidden by the session's setting, and the field, lock and append
// verbs the screens use. Expressions read its fields through RecordContext.
//
// Hooks for index orders:
// - An open index attaches a TableObserver to table() and hears of every record written (old and
//   new image, an empty old image for an append) and of pack and zap.
// - set_order() makes an order the controlling one; GoTop, GoBottom and Skip then walk it.
// - A seek positions the area with GoTo(recno) (or GoTo(0) for the end), calls
//   SettleForward() to pass hidden records, and set_found().
#ifndef PALUNDA_XBASE_WORK_AREA_H_
#define PALUNDA_XBASE_WORK_AREA_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/date.h"
#include "xbase/dbf_table.h"
#include "xbase/record_context.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace xbase {

class NtxOrders;

// Settings a session shares with all its work areas.
struct WorkAreaSettings {
  bool hide_deleted = true;  // deleted records are passed over by GoTop, GoBottom and Skip
  // "ALIAS->FIELD (why)" for each field a typed getter was asked for and could not give: a name the
  // table lacks or a field of another type. Kept after the area closes, so tests can assert none.
  mutable std::vector<std::string> field_faults;
};

// An order in which a work area walks its records (an index), set as its controlling order.
class WorkAreaOrder {
 public:
  virtual ~WorkAreaOrder() = default;
  // The first record in the order, 0 when it is empty.
  virtual Status First(uint32_t* recno) = 0;
  // The last record in the order, 0 when it is empty.
  virtual Status Last(uint32_t* recno) = 0;
  // The record after (`direction` > 0) or before (< 0) record `recno`, 0 past either end.
  virtual Status Step(uint32_t recno, int direction, uint32_t* next) = 0;
};

class WorkArea : public RecordContext {
 public:
  // A work area over an open table; `settings` (not owned) must outlive it.
  WorkArea(std::string alias, std::unique_ptr<DbfTable> table, const WorkAreaSettings* settings);
  WorkArea(const WorkArea&) = delete;
  WorkArea& operator=(const WorkArea&) = delete;
  ~WorkArea() override;

  const std::string& alias() const { return alias_; }
  DbfTable& table() { return *table_; }
  const DbfTable& table() const { return *table_; }

  // Makes `order` (not owned; nullptr for natural order) the controlling order.
  void set_order(WorkAreaOrder* order) { order_ = order; }
  // SET ORDER TO n: the n-th open index file (from 1, in opening order) controls; 0 gives natural
  // order. NotFound for a number with no open index file.
  Status SetOrder(int n);
  // The index file named `name` (without folder and extension, any case) controls; an empty name
  // gives natural order. NotFound when no such index is open.
  Status SetOrder(std::string_view name);
  // The number (from 1) of the controlling index file; 0 in natural order.
  int OrderNumber() const;
  WorkAreaOrder* order() const { return order_; }
  // The index files open on this area (see ntx_orders.h).
  NtxOrders& orders() { return *orders_; }

  // Goes to the first visible record; at the end (eof and bof) when there is none.
  Status GoTop();
  // Goes to the last visible record; at the end (eof and bof) when there is none.
  Status GoBottom();
  // Moves `n` visible records forward (or back when negative); 0 re-reads the current record.
  Status Skip(long n = 1);
  // Goes to record `recno` whether visible or not; 0 or past the count goes to the end.
  Status GoTo(uint32_t recno);
  // From the current record, passes hidden records forward; at the end when none is left.
  Status SettleForward();

  uint32_t recno() const { return table_->recno(); }
  bool eof() const { return eof_; }
  bool bof() const { return bof_; }
  bool found() const { return found_; }
  void set_found(bool found) { found_ = found; }
  bool deleted() const { return table_->deleted(); }
  // True when the current record is one that navigation passes over.
  bool hidden() const { return settings_->hide_deleted && table_->deleted(); }

  // SEEK on the controlling order: stands on the first visible record whose key begins with `key`
  // and sets found(); without one, at the end (eof) or, with `soft`, on the first visible record
  // after where the key would be. InvalidArgument in natural order.
  Status Seek(std::string_view key, bool soft = false);
  // SEEK of a number or date key (or a text) on the controlling order, as above.
  Status Seek(const Value& key, bool soft = false);
  // The visible records whose key in the controlling order begins with `prefix`, in key order (equal
  // keys by record number); the area is left at the end. InvalidArgument in natural order.
  Status SeekAll(std::string_view prefix, std::vector<uint32_t>* records);

  // Typed reads of the current record (blank values at the end, as xBase reads the phantom record).
  // A field the table lacks, or one of another type, gives the type's empty value and is recorded
  // in WorkAreaSettings::field_faults.
  // A character field as stored, blank-padded to its width; a memo field's text.
  std::string Text(std::string_view field) const;
  // A numeric field's number.
  double Number(std::string_view field) const;
  // A date field's date (the empty date when blank).
  Date DateOf(std::string_view field) const;
  // A logical field's flag.
  bool Logical(std::string_view field) const;
  // `text` padded with blanks (or cut) to the width of character field `field`, for an exact key.
  std::string PadToField(std::string_view field, std::string_view text) const;

  // A handle for field `name` of this area's table (invalid when there is none).
  FieldHandle Field(std::string_view name) const { return table_->Handle(name); }
  // The value of field `name`; InvalidArgument when there is no such field.
  Status Get(std::string_view name, Value* value) const;
  // Stores `value` in field `name` of the current record.
  Status Put(std::string_view name, const Value& value);

  // Locks the current record (waiting or not), releasing this area's other record locks, and
  // re-reads it.
  Status Lock(LockWait wait = LockWait::kTry);
  // Locks the whole table and re-reads the current record.
  Status LockFile(LockWait wait = LockWait::kTry);
  // Writes the pending record and releases every lock of this area.
  Status Unlock() { return table_->UnlockAll(); }
  // Appends a blank record and stands on it; when shared, other record locks are released first
  // and the new record is locked.
  Status Append();
  // Marks the current record deleted.
  Status Delete() { return table_->Delete(); }
  // Clears the current record's deletion mark.
  Status Recall() { return table_->Recall(); }

  // RecordContext: fields by name, values of the current record (memos as text).
  int FieldIndex(std::string_view name) const override { return table_->FieldIndex(name); }
  Value FieldValue(int index) const override;

 private:
  // The record next to `from` in the order or in natural order, 0 past the edge.
  Status Neighbour(uint32_t from, int direction, uint32_t* next);
  // Steps from the current record to the next visible one; `*moved` false at the edge.
  Status StepVisible(int direction, bool* moved);
  Status GoEnd();
  // Releases the record locks of this area except that of record `keep`.
  Status ReleaseRecordLocks(uint32_t keep);
  // The handle of field `name` when it has type `type` ('C' also takes a memo); otherwise the fault
  // is recorded and the handle is invalid.
  FieldHandle TypedField(std::string_view name, char type) const;

  std::string alias_;
  std::unique_ptr<DbfTable> table_;
  std::unique_ptr<NtxOrders> orders_;  // after table_: its indexes leave before the table closes
  const WorkAreaSettings* settings_;
  WorkAreaOrder* order_ = nullptr;
  bool eof_ = false;
  bool bof_ = false;
  bool found_ = false;
};

}  // namespace xbase

#endif  // PALUNDA_XBASE_WORK_AREA_H_
