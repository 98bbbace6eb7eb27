// Status: the outcome of a runtime operation, carried as a value.
#include "xbase/status.h"

namespace xbase {

Status::Status(Code code, std::string_view what, std::string_view detail) : code_(code), message_(what) {
  if (!detail.empty()) {
    message_ += ": ";
    message_ += detail;
  }
}

std::string Status::ToString() const {
  const char* kind = "OK";
  switch (code_) {
    case Code::kOk: return "OK";
    case Code::kNotFound: kind = "Not found: "; break;
    case Code::kCorruption: kind = "Corruption: "; break;
    case Code::kIOError: kind = "IO error: "; break;
    case Code::kInUse: kind = "In use: "; break;
    case Code::kInvalidArgument: kind = "Invalid argument: "; break;
    case Code::kLocked: kind = "Locked: "; break;
  }
  return kind + message_;
}

}  // namespace xbase
