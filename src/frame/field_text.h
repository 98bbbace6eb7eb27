// The text of a field of a work area's current record.
#ifndef PALUNDA_FRAME_FIELD_TEXT_H_
#define PALUNDA_FRAME_FIELD_TEXT_H_

#include <string>
#include <string_view>

#include "xbase/work_area.h"

namespace frame {

// The text of field `name` of the area's current record as stored (blank-padded); empty when
// the field is missing or not a text.
std::string FieldText(const xbase::WorkArea& area, std::string_view name);

}  // namespace frame

#endif  // PALUNDA_FRAME_FIELD_TEXT_H_
