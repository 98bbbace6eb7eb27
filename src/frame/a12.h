// Menu rights: the administrator ticks the entries of a menu group that a user may run, and copies all
// rights of one user to another.
#ifndef PALUNDA_FRAME_A12_H_
#define PALUNDA_FRAME_A12_H_

#include <string>
#include <vector>

#include "console/array_browse.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace frame {

// The menu screen "Set Hak Akses"; only the administrator reaches its form.
xbase::Status A12(Session& session, const std::vector<xbase::Value>& args);

// The columns of a rights row: granted, entry text, code, parent, top entry, level, group, grantable.
enum RightsColumn { kGranted, kEntryText, kEntryCode, kParent, kTopEntry, kLevel, kGroup, kGrantable };

// The browse of the rights rows: Enter ticks or clears a grantable row, F2 ticks them all, F3 clears every
// tick, Esc cancels and F10 saves. True when the user saved the ticks.
bool SETHAKAKSES(Session& session, console::ValueTable* rows);

// The menu screen "Copy Hak Akses": every rights row of one user given to another.
xbase::Status COPYHAK(Session& session, const std::vector<xbase::Value>& args);

// The check of the rights screen's NIK field over the open `transak`: "?" opens the user pick list; an empty
// NIK passes; an unknown one is refused with "user belum terdaftar"; a user found shows his name at row 7 and
// his level at row 8, column 35.
bool GETUSER(Session& session, std::string* nik);

// The same check showing the user's name at (row, col); true only when the user was found.
bool GETUSER_(Session& session, std::string* nik, int row, int col);

}  // namespace frame

#endif  // PALUNDA_FRAME_A12_H_
