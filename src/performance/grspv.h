// GRSPV "Setting Sales Supervisor": which salesmen belong to which supervisor of a branch.
#ifndef PALUNDA_PERFORMANCE_GRSPV_H_
#define PALUNDA_PERFORMANCE_GRSPV_H_

#include <string>
#include <vector>

#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace performance {

xbase::Status GRSPV(frame::Session& session, const std::vector<xbase::Value>& args);

// A member of a supervisor's group.
struct GroupMember {
  std::string code, name;
};
// Saves the members of supervisor `code` of `branch` in place of the stored ones; the supervisor's
// row is deleted when no member is left, else added or its name updated.
xbase::Status SaveSupervisorGroup(frame::Session& session, const std::string& branch, const std::string& code,
                                  const std::string& name, const std::vector<GroupMember>& members);
// The check of a salesman typed on row `row` (from 0) of supervisor `supervisor`'s grid: *clash ""
// when he may stand, else the refusal; a member row that cannot be read is the error.
xbase::Status MemberClash(frame::Session& session, const std::vector<std::string>& codes, size_t row,
                          const std::string& supervisor, std::string* clash);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_GRSPV_H_
