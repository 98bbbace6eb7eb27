// MemoryRecord: a RecordContext over named values held in memory, for expression tests.
#ifndef PALUNDA_TESTS_XBASE_MEMORY_RECORD_H_
#define PALUNDA_TESTS_XBASE_MEMORY_RECORD_H_

#include <string>
#include <utility>
#include <vector>

#include "xbase/record_context.h"
#include "xbase/text_functions.h"

namespace xbase {

class MemoryRecord : public RecordContext {
 public:
  MemoryRecord() = default;
  MemoryRecord(std::initializer_list<std::pair<std::string, Value>> fields) : fields_(fields) {}

  // Adds a field, or replaces the value of the field of that name.
  void Set(const std::string& name, Value value) {
    const int index = FieldIndex(name);
    if (index >= 0) {
      fields_[static_cast<size_t>(index)].second = std::move(value);
    } else {
      fields_.emplace_back(name, std::move(value));
    }
  }

  int FieldIndex(std::string_view name) const override {
    for (size_t i = 0; i < fields_.size(); ++i) {
      if (EqualsIgnoreCase(fields_[i].first, name)) return static_cast<int>(i);
    }
    return -1;
  }

  Value FieldValue(int index) const override { return fields_[static_cast<size_t>(index)].second; }

 private:
  std::vector<std::pair<std::string, Value>> fields_;
};

}  // namespace xbase

#endif  // PALUNDA_TESTS_XBASE_MEMORY_RECORD_H_
