// A seam in front of every change the file layer makes on disk (a write, a cut, a flush, a journal's
// removal), so that tests can make a save fail at its k-th change, or end the process there, and
// show that what is left can always be undone.
#ifndef PALUNDA_XBASE_WRITE_FAULTS_H_
#define PALUNDA_XBASE_WRITE_FAULTS_H_

#include <functional>
#include <string>

#include "xbase/status.h"

namespace xbase {

// Called with the file's path before each change; a failure stops the change and is its result.
using WriteFault = std::function<Status(const std::string& path)>;

// Installs `fault` for the calling thread (an empty one removes it).
void SetWriteFault(WriteFault fault);

// What the installed fault says about the change about to be made to `path`; OK without one.
Status BeforeDiskChange(const std::string& path);

}  // namespace xbase

#endif  // PALUNDA_XBASE_WRITE_FAULTS_H_
