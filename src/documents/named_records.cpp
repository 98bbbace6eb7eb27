// Naming the records a shared document write changes, so the save scope locks and journals them first.
#include "documents/named_records.h"

#include "documents/stored_lines.h"
#include "frame/order_scope.h"

namespace documents {
namespace {

// On the area's controlling order.
xbase::Status NameKeyed(SaveScope& save, xbase::WorkArea& area, std::string_view key) {
  xbase::Status s = area.Seek(key);
  if (!s.ok()) return s;
  if (area.found()) {
    save.Update(area, area.recno());
  } else {
    save.Append(area);
  }
  return s;
}

xbase::Status NameStored(SaveScope& save, xbase::Session& tables, xbase::WorkArea& area, std::string_view key,
                         std::vector<uint32_t>* rows) {
  std::vector<uint32_t> stored;
  save.Append(area);
  const xbase::Status s = StoredRows(tables, area, key, &stored);
  for (uint32_t row : stored) save.Update(area, row);
  if (rows != nullptr) *rows = stored;
  return s;
}

}  // namespace

xbase::Status NameKeyedRecord(SaveScope& save, xbase::WorkArea& area, std::string_view order, std::string_view key) {
  frame::OrderScope kept(area);
  const xbase::Status s = area.SetOrder(order);
  return s.ok() ? NameKeyed(save, area, key) : s;
}

xbase::Status NameKeyedRecord(SaveScope& save, xbase::WorkArea& area, int order, std::string_view key) {
  frame::OrderScope kept(area);
  const xbase::Status s = area.SetOrder(order);
  return s.ok() ? NameKeyed(save, area, key) : s;
}

xbase::Status NameStoredRows(SaveScope& save, xbase::Session& tables, xbase::WorkArea& area, std::string_view order,
                             std::string_view key, std::vector<uint32_t>* rows) {
  frame::OrderScope kept(area);
  const xbase::Status s = area.SetOrder(order);
  return s.ok() ? NameStored(save, tables, area, key, rows) : s;
}

xbase::Status NameStoredRows(SaveScope& save, xbase::Session& tables, xbase::WorkArea& area, int order,
                             std::string_view key, std::vector<uint32_t>* rows) {
  frame::OrderScope kept(area);
  const xbase::Status s = area.SetOrder(order);
  return s.ok() ? NameStored(save, tables, area, key, rows) : s;
}

}  // namespace documents
