// Users and passwords: the administrator adds, corrects and deletes users; every other user changes his
// own password. The menu shows the entry as "Tambah/Edit User" or "Ganti Password".
#ifndef PALUNDA_FRAME_PASS_H_
#define PALUNDA_FRAME_PASS_H_

#include <vector>

#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace frame {

// The menu screen of users and passwords.
xbase::Status PASS(Session& session, const std::vector<xbase::Value>& args);

}  // namespace frame

#endif  // PALUNDA_FRAME_PASS_H_
