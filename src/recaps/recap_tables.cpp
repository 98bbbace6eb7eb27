// Opening the tables of a posting or a report, and small readers they share.
#include "recaps/recap_tables.h"

namespace recaps {

double MasterLookup::Number(const std::string& code, xbase::Status* status) {
  if (const auto at = known_.find(code); at != known_.end()) return at->second;
  xbase::Status s = area_.Seek(code);
  const double value = s.ok() && area_.found() ? area_.Number(field_) : 0;
  if (!s.ok()) {
    if (status->ok()) *status = s;
    return 0;
  }
  known_.emplace(code, value);
  return value;
}

}  // namespace recaps
