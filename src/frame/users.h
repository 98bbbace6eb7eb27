// Users of TRANSAK as the login and the user screens see them: the administrator, finding a user by NIK.
#ifndef PALUNDA_FRAME_USERS_H_
#define PALUNDA_FRAME_USERS_H_

#include <string_view>

#include "xbase/status.h"
#include "xbase/work_area.h"

namespace frame {

// The administrator's NIK; a user whose NIK begins with it keeps the users and their rights.
inline constexpr std::string_view kAdministrator = "SYSADMIN";
// The refusal of a NIK that TRANSAK does not hold.
inline constexpr std::string_view kUnknownUser = "user belum terdaftar";

// True for a NIK beginning with "SYSADMIN".
inline bool IsAdministrator(std::string_view nik) { return nik.starts_with(kAdministrator); }

// Seeks `nik` (padded to the field) on TRANSAK's user order; the area stands on the user when *found.
xbase::Status SeekUser(xbase::WorkArea& transak, std::string_view nik, bool* found);

// True when the stored password forms are equal, trailing blanks aside.
bool SamePassword(std::string_view stored, std::string_view other);

}  // namespace frame

#endif  // PALUNDA_FRAME_USERS_H_
