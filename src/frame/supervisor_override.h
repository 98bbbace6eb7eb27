// The supervisor override: a supervisor whose rights hold a code gives NIK and password to let a
// user past a refusal.
#ifndef PALUNDA_FRAME_SUPERVISOR_OVERRIDE_H_
#define PALUNDA_FRAME_SUPERVISOR_OVERRIDE_H_

#include <string_view>

#include "frame/session.h"

namespace frame {

// Asks "     Masukkan Nik :" and, for a user of the open `transak` whose KODEPROG holds `code`,
// "     Isi Password :"; true when the transformed password equals the stored one.
bool PERMITION(Session& session, std::string_view code = "\\EDP");

}  // namespace frame

#endif  // PALUNDA_FRAME_SUPERVISOR_OVERRIDE_H_
