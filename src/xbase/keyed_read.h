// Reading a record by its key with a failed read kept apart from a missing key: a read error must
// never pass for "not found" where the record drives a figure.
#ifndef PALUNDA_XBASE_KEYED_READ_H_
#define PALUNDA_XBASE_KEYED_READ_H_

#include <string_view>

#include "xbase/status.h"
#include "xbase/work_area.h"

namespace xbase {

// Seeks `key` on the area's controlling order: OK with *found telling whether the key is there, or
// the failure of the read (with *found false). The found record is current.
Status SeekFound(WorkArea& area, std::string_view key, bool* found);

// SeekFound on the index `order` of the area, made the controlling one first.
Status SeekFound(WorkArea& area, std::string_view order, std::string_view key, bool* found);

// For a lookup where a record that cannot be read leads to the same as a missing one (a name shown
// blank, a code offered as new): true when the key was found and read. Anything computed from the
// record uses SeekFound instead.
bool LookUp(WorkArea& area, std::string_view key);

}  // namespace xbase

#endif  // PALUNDA_XBASE_KEYED_READ_H_
