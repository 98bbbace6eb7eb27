#include "frame/field_text.h"

namespace frame {

std::string FieldText(const xbase::WorkArea& area, std::string_view name) {
  xbase::Value value;
  if (!area.Get(name, &value).ok() || !value.is_text()) return {};
  return value.text();
}

}  // namespace frame
