// WorkArea: an open table and its cursor, with the field, lock and append verbs the screens use.
#include "xbase/work_area.h"

#include <algorithm>

#include "xbase/dbf_record_view.h"
#include "xbase/ntx_orders.h"
#include "xbase/text_functions.h"

namespace xbase {

WorkArea::WorkArea(std::string alias, std::unique_ptr<DbfTable> table, const WorkAreaSettings* settings)
    : alias_(std::move(alias)), table_(std::move(table)), orders_(std::make_unique<NtxOrders>(this)), settings_(settings) {
  eof_ = table_->at_end();
  bof_ = eof_;
}

WorkArea::~WorkArea() = default;

Status WorkArea::GoEnd() {
  eof_ = true;
  return table_->GoTo(0);
}

Status WorkArea::Neighbour(uint32_t from, int direction, uint32_t* next) {
  if (order_ != nullptr) {
    if (from > table_->record_count()) return direction > 0 ? (*next = 0, Status::OK()) : order_->Last(next);
    return order_->Step(from, direction, next);
  }
  if (direction < 0) {
    *next = from > table_->record_count() ? table_->record_count() : from - 1;
    return Status::OK();
  }
  if (from >= table_->record_count()) {
    Status s = table_->RefreshCount();
    if (!s.ok()) return s;
  }
  *next = from < table_->record_count() ? from + 1 : 0;
  return Status::OK();
}

Status WorkArea::StepVisible(int direction, bool* moved) {
  uint32_t at = table_->recno();
  while (true) {
    uint32_t next = 0;
    Status s = Neighbour(at, direction, &next);
    if (!s.ok()) return s;
    if (next == 0) {
      *moved = false;
      return Status::OK();
    }
    s = table_->GoTo(next);
    if (!s.ok()) return s;
    if (!hidden()) {
      *moved = true;
      return Status::OK();
    }
    at = next;
  }
}

Status WorkArea::SettleForward() {
  eof_ = table_->at_end();
  if (eof_ || !hidden()) return Status::OK();
  bool moved = false;
  Status s = StepVisible(1, &moved);
  if (s.ok() && !moved) s = GoEnd();
  return s;
}

Status WorkArea::GoTop() {
  found_ = false;
  uint32_t first = 0;
  // A pending change reaches the indexes before they are walked.
  Status s = table_->Flush();
  if (s.ok()) s = order_ != nullptr ? order_->First(&first) : table_->RefreshCount();
  if (!s.ok()) return s;
  if (order_ == nullptr) first = table_->record_count() > 0 ? 1 : 0;
  s = table_->GoTo(first);
  if (s.ok()) s = SettleForward();
  bof_ = eof_;
  return s;
}

Status WorkArea::GoBottom() {
  found_ = false;
  uint32_t last = 0;
  Status s = table_->Flush();
  if (s.ok()) s = order_ != nullptr ? order_->Last(&last) : table_->RefreshCount();
  if (!s.ok()) return s;
  if (order_ == nullptr) last = table_->record_count();
  s = table_->GoTo(last);
  if (!s.ok()) return s;
  eof_ = table_->at_end();
  bof_ = eof_;
  if (eof_ || !hidden()) return Status::OK();
  bool moved = false;
  s = StepVisible(-1, &moved);
  if (s.ok() && !moved) {
    bof_ = true;
    s = GoEnd();
  }
  return s;
}

Status WorkArea::Skip(long n) {
  found_ = false;
  if (n == 0) return table_->GoTo(table_->recno());
  const int direction = n > 0 ? 1 : -1;
  eof_ = bof_ = false;
  if (Status flushed = table_->Flush(); !flushed.ok()) return flushed;
  if (direction > 0 && table_->at_end()) return GoEnd();
  for (long i = 0; i < (n > 0 ? n : -n); ++i) {
    const uint32_t from = table_->recno();
    bool moved = false;
    Status s = StepVisible(direction, &moved);
    if (!s.ok()) return s;
    if (moved) continue;
    if (direction > 0) return GoEnd();
    // Before the first visible record: stay on it, with bof set.
    bof_ = true;
    s = table_->GoTo(from);
    if (s.ok() && (table_->at_end() || hidden())) {
      s = GoTop();
      bof_ = true;
    }
    return s;
  }
  return Status::OK();
}

Status WorkArea::GoTo(uint32_t recno) {
  found_ = false;
  Status s = table_->GoTo(recno);
  eof_ = table_->at_end();
  bof_ = false;
  return s;
}

Status WorkArea::Get(std::string_view name, Value* value) const {
  const FieldHandle field = table_->Handle(name);
  if (!field.valid()) return Status::InvalidArgument(alias_, "no field " + std::string(name));
  return table_->Get(field, value);
}

Status WorkArea::Put(std::string_view name, const Value& value) {
  const FieldHandle field = table_->Handle(name);
  if (!field.valid()) return Status::InvalidArgument(alias_, "no field " + std::string(name));
  return table_->Put(field, value);
}

Status WorkArea::Lock(LockWait wait) {
  if (table_->mode() != OpenMode::kShared) return table_->Reread();
  const uint32_t recno = table_->recno();
  if (table_->at_end()) return Status::InvalidArgument(alias_, "no current record to lock");
  Status s = ReleaseRecordLocks(recno);
  return s.ok() ? table_->LockRecord(recno, wait) : s;
}

Status WorkArea::ReleaseRecordLocks(uint32_t keep) {
  const std::vector<uint32_t> held = table_->locked_records();
  for (uint32_t recno : held) {
    if (recno == keep) continue;
    Status s = table_->UnlockRecord(recno);
    if (!s.ok()) return s;
  }
  return Status::OK();
}

Status WorkArea::LockFile(LockWait wait) { return table_->LockFile(wait); }

Status WorkArea::Append() {
  Status s = ReleaseRecordLocks(0);
  if (s.ok()) s = table_->AppendBlank();
  eof_ = bof_ = found_ = false;
  return s;
}

Status WorkArea::SetOrder(int n) {
  if (n == 0) return orders_->SetOrder(std::string_view());
  if (n < 0 || static_cast<size_t>(n) > orders_->size()) {
    return Status::NotFound(alias_, "no open index number " + std::to_string(n));
  }
  return orders_->SetOrder(orders_->at(static_cast<size_t>(n - 1)).name());
}

Status WorkArea::SetOrder(std::string_view name) { return orders_->SetOrder(name); }

int WorkArea::OrderNumber() const {
  for (size_t i = 0; i < orders_->size(); ++i) {
    if (&orders_->at(i) == orders_->controlling()) return static_cast<int>(i + 1);
  }
  return 0;
}

Status WorkArea::Seek(std::string_view key, bool soft) { return Seek(Value::Text(std::string(key)), soft); }

Status WorkArea::Seek(const Value& key, bool soft) {
  const Status flushed = table_->Flush();
  return flushed.ok() ? orders_->Seek(key, soft) : flushed;
}

Status WorkArea::SeekAll(std::string_view prefix, std::vector<uint32_t>* records) {
  records->clear();
  NtxOrder* order = orders_->controlling();
  Status s = Seek(prefix);
  std::string key;
  bool included = false;
  while (s.ok() && !eof_) {
    s = order->key().KeyOf(*this, &key, &included);
    if (!s.ok() || !key.starts_with(prefix)) break;
    records->push_back(recno());
    s = Skip(1);
  }
  const Status ended = GoTo(0);
  return s.ok() ? ended : s;
}

FieldHandle WorkArea::TypedField(std::string_view name, char type) const {
  const FieldHandle field = table_->Handle(name);
  const char* fault = nullptr;
  if (!field.valid()) {
    fault = "no such field";
  } else if (field.type != type && !(type == 'C' && field.type == 'M')) {
    fault = "another type";
  }
  if (fault == nullptr) return field;
  std::vector<std::string>& faults = settings_->field_faults;
  const std::string entry = alias_ + "->" + Upper(name) + " (" + fault + ")";
  if (faults.size() < 100 && std::find(faults.begin(), faults.end(), entry) == faults.end()) faults.push_back(entry);
  return FieldHandle();
}

std::string WorkArea::Text(std::string_view field) const {
  const FieldHandle handle = TypedField(field, 'C');
  if (!handle.valid()) return {};
  if (handle.type == 'C') return std::string(table_->Bytes(handle));
  std::string text;
  return table_->Memo(handle, &text).ok() ? text : std::string();
}

double WorkArea::Number(std::string_view field) const {
  const FieldHandle handle = TypedField(field, 'N');
  return handle.valid() ? table_->Number(handle) : 0;
}

Date WorkArea::DateOf(std::string_view field) const {
  const FieldHandle handle = TypedField(field, 'D');
  return handle.valid() ? table_->DateOf(handle) : Date();
}

bool WorkArea::Logical(std::string_view field) const {
  const FieldHandle handle = TypedField(field, 'L');
  return handle.valid() && table_->Logical(handle);
}

std::string WorkArea::PadToField(std::string_view field, std::string_view text) const {
  const FieldHandle handle = TypedField(field, 'C');
  return handle.valid() ? PadR(text, handle.length) : std::string(text);
}

Value WorkArea::FieldValue(int index) const { return DbfRecordView(table_.get(), table_->record()).FieldValue(index); }

}  // namespace xbase
