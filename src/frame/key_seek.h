// Seeks on a table's key through the open index file built on that key expression, as the screens
// seek on the index they opened.
#ifndef PALUNDA_FRAME_KEY_SEEK_H_
#define PALUNDA_FRAME_KEY_SEEK_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/status.h"
#include "xbase/work_area.h"

namespace frame {

// The key expression of index number `order` (from 1) of catalog table `table`; empty when unknown.
std::string IndexKey(std::string_view table, int order = 1);

// `text` padded with blanks (or cut) to the width of `field` of the area's table, for an exact seek.
std::string PadToField(const xbase::WorkArea& area, std::string_view field, std::string_view text);

// A visible record's key and number.
struct KeyedRecord {
  std::string key;
  uint32_t recno = 0;
};

// The visible records whose key under `key_expression` begins with `prefix`, in key order (equal
// keys by record number). The area is left at the end in the controlling order it had.
xbase::Status KeysWithPrefix(xbase::WorkArea& area, std::string_view key_expression, std::string_view prefix,
                             std::vector<KeyedRecord>* records);

// SEEK: makes the index on `key_expression` control and goes to the first visible record whose key
// begins with `key`; *found tells whether there was one. Without one, a soft seek stands on the first
// key after `key` (the end when none), an exact seek at the end. InvalidArgument when no open index
// of the area is built on that key.
xbase::Status SeekKey(xbase::WorkArea& area, std::string_view key_expression, std::string_view key, bool* found,
                      bool soft = false);

}  // namespace frame

#endif  // PALUNDA_FRAME_KEY_SEEK_H_
