// NtxOrders: the index files open on one work area, in the order they were opened, one of them the
// controlling order; seeks go through the controlling order.
#ifndef PALUNDA_XBASE_NTX_ORDERS_H_
#define PALUNDA_XBASE_NTX_ORDERS_H_

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/ntx_order.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace xbase {

class WorkArea;

class NtxOrders {
 public:
  explicit NtxOrders(WorkArea* area) : area_(area) {}
  NtxOrders(const NtxOrders&) = delete;
  NtxOrders& operator=(const NtxOrders&) = delete;

  // Open the index file at `path` after those already open; the first one opened controls.
  Status Open(const std::string& path);
  // Build an index file at `path` over the table, open it after the others and make it control.
  Status Create(const std::string& path, const NtxOrderSpec& recipe);
  // Close every index of the area; natural order follows.
  void CloseAll();

  // Make the index named `name` (file name without folder and extension, any case) the controlling
  // order; an empty name gives natural order. NotFound when no such index is open.
  Status SetOrder(std::string_view name);
  // The controlling order, or nullptr in natural order.
  NtxOrder* controlling() const { return controlling_; }
  size_t size() const { return orders_.size(); }
  NtxOrder& at(size_t i) const { return *orders_[i]; }

  // Seek `value` in the controlling order and stand the area on the first visible record whose key
  // starts with it (its whole key with `exact`); found() tells whether there was one. Otherwise the
  // area is at the end, or with `soft` on the first visible record after where it would be.
  Status Seek(const Value& value, bool soft = false, bool exact = false);
  // Build every open index again over the table.
  Status Reindex();
  // Run every open index's check; faults go to `faults`.
  Status Check(std::vector<std::string>* faults);

 private:
  Status Add(std::unique_ptr<NtxOrder> order, bool control);

  WorkArea* area_;
  std::vector<std::unique_ptr<NtxOrder>> orders_;
  NtxOrder* controlling_ = nullptr;
};

}  // namespace xbase

#endif  // PALUNDA_XBASE_NTX_ORDERS_H_
