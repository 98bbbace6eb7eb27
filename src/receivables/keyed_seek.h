// Seeks on the open tables of the receivables screens by exact keys: a code is padded to its field's
// width first, so that "A1" never finds "A10".
#ifndef PALUNDA_RECEIVABLES_KEYED_SEEK_H_
#define PALUNDA_RECEIVABLES_KEYED_SEEK_H_

#include <string>
#include <string_view>
#include <vector>

#include "frame/code_pick.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace receivables {

// Seeks `key` as given on index `order` of `area`; *found tells whether it stands on it.
xbase::Status SeekKey(xbase::WorkArea& area, std::string_view order, std::string_view key, bool* found);

// Seeks `text` (trailing blanks cut) padded to the width of `field`, on index `order` of `area`.
xbase::Status SeekExact(xbase::WorkArea& area, std::string_view order, std::string_view field, std::string_view text,
                        bool* found);

// The pick list of the open area `alias` over `expressions`, headed by `heads`.
frame::PickSpec PickOf(std::string alias, std::vector<std::string> expressions, std::vector<std::string> heads);

}  // namespace receivables

#endif  // PALUNDA_RECEIVABLES_KEYED_SEEK_H_
