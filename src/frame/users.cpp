// Users of TRANSAK as the login and the user screens see them: the administrator, finding a user by NIK.
#include "frame/users.h"

#include "xbase/text_functions.h"

namespace frame {

xbase::Status SeekUser(xbase::WorkArea& transak, std::string_view nik, bool* found) {
  *found = false;
  xbase::Status status = transak.SetOrder(1);
  if (status.ok()) status = transak.Seek(transak.PadToField("USER_ID", nik));
  *found = status.ok() && transak.found();
  return status;
}

bool SamePassword(std::string_view stored, std::string_view other) {
  return xbase::RTrim(stored) == xbase::RTrim(other);
}

}  // namespace frame
