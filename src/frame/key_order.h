// Records of a work area in the order of a key made of text fields, as the table's index walks
// them, and the text of a field of the current record.
#ifndef PALUNDA_FRAME_KEY_ORDER_H_
#define PALUNDA_FRAME_KEY_ORDER_H_

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/status.h"
#include "xbase/work_area.h"

namespace frame {

// The text of field `name` of the area's current record as stored (blank-padded); empty when
// the field is missing or not a text.
std::string FieldText(const xbase::WorkArea& area, std::string_view name);

// The numbers of the visible records whose key (the named text fields joined) begins with
// `prefix`, in key order, records of equal keys in record order. The area is left at the end.
xbase::Status RecordsInKeyOrder(xbase::WorkArea& area, std::initializer_list<std::string_view> key_fields,
                                std::string_view prefix, std::vector<uint32_t>* records);

}  // namespace frame

#endif  // PALUNDA_FRAME_KEY_ORDER_H_
