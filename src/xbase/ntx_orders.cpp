// NtxOrders: the index files open on one work area, in the order they were opened, one of them the
// controlling order; seeks go through the controlling order.
#include "xbase/ntx_orders.h"

#include "xbase/text_functions.h"
#include "xbase/work_area.h"

namespace xbase {

Status NtxOrders::Add(std::unique_ptr<NtxOrder> order, bool control) {
  orders_.push_back(std::move(order));
  if (control || controlling_ == nullptr) {
    controlling_ = orders_.back().get();
    area_->set_order(controlling_);
  }
  return Status::OK();
}

Status NtxOrders::Open(const std::string& path) {
  std::unique_ptr<NtxOrder> order;
  Status s = NtxOrder::Open(path, area_, &order);
  return s.ok() ? Add(std::move(order), false) : s;
}

Status NtxOrders::Create(const std::string& path, const NtxOrderSpec& recipe) {
  std::unique_ptr<NtxOrder> order;
  Status s = NtxOrder::Create(path, area_, recipe, &order);
  return s.ok() ? Add(std::move(order), true) : s;
}

void NtxOrders::CloseAll() {
  controlling_ = nullptr;
  area_->set_order(nullptr);
  orders_.clear();
}

Status NtxOrders::SetOrder(std::string_view name) {
  if (name.empty()) {
    controlling_ = nullptr;
    area_->set_order(nullptr);
    return Status::OK();
  }
  for (const auto& order : orders_) {
    if (EqualsIgnoreCase(order->name(), name)) {
      controlling_ = order.get();
      area_->set_order(controlling_);
      return Status::OK();
    }
  }
  return Status::NotFound(area_->alias(), "no open index " + std::string(name));
}

Status NtxOrders::Seek(const Value& value, bool soft, bool exact) {
  if (controlling_ == nullptr) return Status::InvalidArgument(area_->alias(), "seek without a controlling index");
  const NtxKeyExpression& key = controlling_->key();
  std::string wanted = key.SeekKey(value);
  if (exact) wanted.resize(static_cast<size_t>(key.key_size()), ' ');
  bool found = false;
  Status s = controlling_->index().Seek(wanted, &found);
  uint32_t recno = 0;
  if (s.ok()) s = controlling_->CurrentRecord(&recno);
  if (s.ok()) s = area_->GoTo(recno);
  // Records the session hides are passed over; the one reached must still carry the key.
  if (s.ok() && found && area_->hidden()) {
    s = area_->SettleForward();
    found = s.ok() && !area_->eof() && controlling_->index().key().compare(0, wanted.size(), wanted) == 0;
  } else if (s.ok() && !found && soft) {
    s = area_->SettleForward();
  }
  if (s.ok() && !found && !soft) s = area_->GoTo(0);
  area_->set_found(found);
  return s;
}

Status NtxOrders::Reindex() {
  for (const auto& order : orders_) {
    Status s = order->Rebuild();
    if (!s.ok()) return s;
  }
  return Status::OK();
}

Status NtxOrders::Check(std::vector<std::string>* faults) {
  for (const auto& order : orders_) {
    Status s = order->Check(faults);
    if (!s.ok()) return s;
  }
  return Status::OK();
}

}  // namespace xbase
