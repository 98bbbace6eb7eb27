// The change of data folder for the rest of the login: a folder holding "jurnal1.dbf", typed or
// picked from the folders in LOGSETUP.
#ifndef PALUNDA_FRAME_GANTIDIR_H_
#define PALUNDA_FRAME_GANTIDIR_H_

#include <string>
#include <vector>

#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace frame {

// The check of the folder field: "?" picks a folder from the open `logsetup`, a typed one takes the
// date of its LOGSETUP row; the folder must hold "jurnal1.dbf" ("Direktori salah...." otherwise).
// True when *folder (and *date) may be taken.
bool CARIDIR2(Session& session, std::string* folder, xbase::Date* date);

// " GANTI DIREKTORI ": a folder accepted becomes STP[13] with its date STP[14] and the only folder of
// the search path; Esc leaves everything as it was.
xbase::Status GANTIDIR(Session& session, const std::vector<xbase::Value>& args);

}  // namespace frame

#endif  // PALUNDA_FRAME_GANTIDIR_H_
