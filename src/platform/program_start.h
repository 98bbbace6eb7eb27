// Starting an outside program (such as a workbook viewer) without a shell.
#ifndef PALUNDA_PLATFORM_PROGRAM_START_H_
#define PALUNDA_PLATFORM_PROGRAM_START_H_

#include <string>
#include <string_view>
#include <vector>

#include "xbase/status.h"

namespace platform {

// Splits a command line into words at blanks; double or single quotes keep blanks inside a word.
// InvalidArgument for a quote that is not closed.
xbase::Status SplitCommandLine(std::string_view text, std::vector<std::string>* words);

// Starts `words` (the program, found through PATH, then its arguments) followed by `argument`,
// without a shell and without waiting for it to end, in a session of its own with its standard
// input and output on /dev/null (it never reads the keys typed here); IOError when it cannot start.
xbase::Status StartProgram(const std::vector<std::string>& words, const std::string& argument);

}  // namespace platform

#endif  // PALUNDA_PLATFORM_PROGRAM_START_H_
