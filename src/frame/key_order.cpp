#include "frame/key_order.h"

#include <algorithm>
#include <utility>

namespace frame {

std::string FieldText(const xbase::WorkArea& area, std::string_view name) {
  xbase::Value value;
  if (!area.Get(name, &value).ok() || !value.is_text()) return {};
  return value.text();
}

xbase::Status RecordsInKeyOrder(xbase::WorkArea& area, std::initializer_list<std::string_view> key_fields,
                                std::string_view prefix, std::vector<uint32_t>* records) {
  std::vector<std::pair<std::string, uint32_t>> keys;
  xbase::Status status = area.GoTop();
  while (status.ok() && !area.eof()) {
    std::string key;
    for (std::string_view field : key_fields) key += FieldText(area, field);
    if (key.starts_with(prefix)) keys.emplace_back(std::move(key), area.recno());
    status = area.Skip(1);
  }
  if (!status.ok()) return status;
  std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  records->clear();
  for (const auto& entry : keys) records->push_back(entry.second);
  return xbase::Status::OK();
}

}  // namespace frame
