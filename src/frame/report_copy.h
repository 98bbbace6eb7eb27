// Copying a report into a text file.
#ifndef PALUNDA_FRAME_REPORT_COPY_H_
#define PALUNDA_FRAME_REPORT_COPY_H_

#include <string>

#include "frame/session.h"

namespace frame {

// COPYKE: asks a file name (8 characters) and a folder (38; empty for the current folder), and
// after "Y" to "File tersebut akan dicopy (Y/T)" makes the folder's missing levels and writes
// every line of every page into the file, anew: without trailing blanks and control codes, as
// UTF-8 text. False when nothing was written: Esc, an empty name, another answer, or a folder or
// file that cannot be made (then after a message on row 24).
bool COPYKE(Session& session, const std::string& base, int pages);

}  // namespace frame

#endif  // PALUNDA_FRAME_REPORT_COPY_H_
