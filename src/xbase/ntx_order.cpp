// NtxOrder: an index file open on a work area. The area walks it as its controlling order, and every
// record the table writes updates it, for as long as it is open.
#include "xbase/ntx_order.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "xbase/dbf_record_view.h"
#include "xbase/ntx_check.h"

namespace xbase {

namespace {

std::string OrderName(const std::string& path) {
  std::string name = std::filesystem::path(path).stem().string();
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::toupper(c); });
  return name;
}

}  // namespace

NtxOrder::NtxOrder(std::string name, WorkArea* area, std::unique_ptr<NtxIndex> index,
                   std::unique_ptr<NtxKeyExpression> key)
    : name_(std::move(name)), area_(area), index_(std::move(index)), key_(std::move(key)) {
  area_->table().AddObserver(this);
}

NtxOrder::~NtxOrder() {
  if (area_->order() == this) area_->set_order(nullptr);
  area_->table().RemoveObserver(this);
}

Status NtxOrder::Open(const std::string& path, WorkArea* area, std::unique_ptr<NtxOrder>* out) {
  std::unique_ptr<NtxIndex> index;
  Status s = NtxIndex::Open(path, area->table().mode(), &index);
  if (!s.ok()) return s;
  std::unique_ptr<NtxKeyExpression> key;
  const NtxHeader& header = index->header();
  s = NtxKeyExpression::Compile(path, header.key_expression, header.for_condition, *area, &key);
  // Expressions stored in the file that do not fit the table: the file is not this table's index.
  if (!s.ok()) return Status::Corruption(s.message());
  s = key->Matches(header);
  if (!s.ok()) return s;
  out->reset(new NtxOrder(OrderName(path), area, std::move(index), std::move(key)));
  return Status::OK();
}

Status NtxOrder::Create(const std::string& path, WorkArea* area, const NtxOrderSpec& recipe,
                        std::unique_ptr<NtxOrder>* out) {
  std::unique_ptr<NtxKeyExpression> key;
  Status s = NtxKeyExpression::Compile(path, recipe.key, recipe.for_condition, *area, &key);
  if (!s.ok()) return s;
  const NtxHeader header = NtxHeader::ForKey(key->key_size(), key->key_decimals(), recipe.key, recipe.for_condition,
                                             recipe.unique, recipe.descending);
  std::unique_ptr<NtxOrder> order(new NtxOrder(OrderName(path), area, nullptr, std::move(key)));
  area->table().RemoveObserver(order.get());
  NtxKeys keys(header.key_size);
  s = order->TableKeys(&keys);
  if (s.ok()) s = NtxIndex::Create(path, header, keys, area->table().mode(), &order->index_);
  if (!s.ok()) return s;
  area->table().AddObserver(order.get());
  *out = std::move(order);
  return Status::OK();
}

Status NtxOrder::TableKeys(NtxKeys* keys) {
  DbfTable& table = area_->table();
  const uint32_t current = table.recno();
  Status s = table.RefreshCount();
  keys->Reserve(table.record_count());
  std::string key;
  for (uint32_t recno = 1; s.ok() && recno <= table.record_count(); ++recno) {
    s = table.GoTo(recno);
    bool included = false;
    if (s.ok()) s = key_->KeyOf(*area_, &key, &included);
    if (s.ok() && included) keys->Add(key, recno);
  }
  const Status back = table.GoTo(current);
  return s.ok() ? back : s;
}

Status NtxOrder::Rebuild() {
  std::vector<uint8_t> pages;
  Status s = BuildPages(&pages);
  return s.ok() ? index_->store().Rewrite(pages) : s;
}

Status NtxOrder::BuildPages(std::vector<uint8_t>* pages) {
  NtxKeys keys(key_->key_size());
  Status s = TableKeys(&keys);
  if (s.ok()) *pages = NtxBuildFile(index_->header(), keys);
  return s;
}

Status NtxOrder::ImageKey(std::string_view image, std::string* key, bool* included) {
  return key_->KeyOf(DbfRecordView(&area_->table(), image), key, included);
}

Status NtxOrder::RecordWritten(uint32_t recno, std::string_view before, std::string_view after) {
  bool was_in = false, is_in = false;
  Status s;
  if (!before.empty()) s = ImageKey(before, &old_key_, &was_in);
  if (s.ok()) s = ImageKey(after, &new_key_, &is_in);
  if (!s.ok()) return s;
  if (was_in && is_in && old_key_ == new_key_) return Status::OK();
  if (was_in) s = index_->Remove(old_key_, recno);
  if (s.ok() && is_in) s = index_->Insert(new_key_, recno);
  return s;
}

Status NtxOrder::TableRewritten() { return Rebuild(); }

Status NtxOrder::CurrentRecord(uint32_t* recno) {
  *recno = index_->recno();
  DbfTable& table = area_->table();
  if (*recno <= table.record_count()) return Status::OK();
  // Another process may have appended it since the count was read.
  Status s = table.RefreshCount();
  if (!s.ok() || *recno <= table.record_count()) return s;
  const uint32_t beyond = *recno;
  *recno = 0;
  return Status::Corruption(table.path(), "record " + std::to_string(beyond) + " of index " + index_->path() +
                                              " is past the last record " + std::to_string(table.record_count()));
}

Status NtxOrder::First(uint32_t* recno) {
  *recno = 0;
  Status s = index_->GoTop();
  return s.ok() ? CurrentRecord(recno) : s;
}

Status NtxOrder::Last(uint32_t* recno) {
  *recno = 0;
  Status s = index_->GoBottom();
  return s.ok() ? CurrentRecord(recno) : s;
}

Status NtxOrder::Position(uint32_t recno, bool* exact) {
  DbfTable& table = area_->table();
  Status s = table.recno() == recno ? Status::OK() : table.GoTo(recno);
  bool included = false;
  if (s.ok()) s = key_->KeyOf(*area_, &new_key_, &included);
  if (s.ok()) s = index_->SeekItem(new_key_, recno, exact);
  return s;
}

Status NtxOrder::Step(uint32_t recno, int direction, uint32_t* next) {
  *next = 0;
  bool exact = !index_->eof() && index_->recno() == recno;
  Status s = exact ? Status::OK() : Position(recno, &exact);
  if (!s.ok()) return s;
  if (direction > 0) {
    // A record missing from the index has the item after where it would be as its next.
    if (exact) s = index_->Next();
  } else if (index_->eof()) {
    s = index_->GoBottom();
  } else {
    s = index_->Prev();
    if (s.ok() && index_->bof()) return Status::OK();
  }
  return s.ok() ? CurrentRecord(next) : s;
}

Status NtxOrder::Check(std::vector<std::string>* faults) {
  NtxCheckReport report;
  Status s = NtxCheck(*index_, &report);
  if (!s.ok()) return s;
  faults->insert(faults->end(), report.faults.begin(), report.faults.end());
  if (!report.ok()) return Status::OK();
  std::vector<std::pair<std::string, uint32_t>> items;
  NtxKeys keys(key_->key_size());
  s = NtxItems(*index_, &items);
  if (s.ok()) s = TableKeys(&keys);
  if (!s.ok()) return s;
  std::map<uint32_t, std::string> expected;
  for (size_t i = 0; i < keys.size(); ++i) {
    expected[keys.recno(i)].assign(reinterpret_cast<const char*>(keys.key(i)), keys.key_size());
  }
  auto fault = [&](uint32_t recno, const char* what) {
    faults->push_back(Status::Corruption(index_->path(), "record " + std::to_string(recno) + " " + what).message());
  };
  std::map<uint32_t, bool> seen;
  for (const auto& [key, recno] : items) {
    auto it = expected.find(recno);
    if (it == expected.end() || it->second != key) {
      fault(recno, "has a stale key");
    } else if (seen[recno]) {
      fault(recno, "holds its key twice");
    } else {
      seen[recno] = true;
    }
  }
  // A unique index holds one record of each key, so other records with that key are rightly absent.
  if (!index_->header().unique) {
    for (const auto& entry : expected) {
      if (!seen[entry.first]) fault(entry.first, "is missing its key");
    }
  }
  return Status::OK();
}

}  // namespace xbase
