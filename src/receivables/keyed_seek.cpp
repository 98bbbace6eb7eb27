// Seeks on the open tables of the receivables screens by exact keys: a code is padded to its field's
// width first, so that "A1" never finds "A10".
#include "receivables/keyed_seek.h"

#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace receivables {

xbase::Status SeekKey(xbase::WorkArea& area, std::string_view order, std::string_view key, bool* found) {
  return xbase::SeekFound(area, order, key, found);
}

xbase::Status SeekExact(xbase::WorkArea& area, std::string_view order, std::string_view field, std::string_view text,
                        bool* found) {
  return SeekKey(area, order, area.PadToField(field, xbase::RTrim(text)), found);
}

frame::PickSpec PickOf(std::string alias, std::vector<std::string> expressions, std::vector<std::string> heads) {
  frame::PickSpec pick;
  pick.alias = std::move(alias);
  pick.expressions = std::move(expressions);
  pick.heads = std::move(heads);
  return pick;
}

}  // namespace receivables
