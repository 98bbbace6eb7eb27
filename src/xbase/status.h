// Status: the outcome of a runtime operation, carried as a value.
#ifndef PALUNDA_XBASE_STATUS_H_
#define PALUNDA_XBASE_STATUS_H_

#include <string>
#include <string_view>

namespace xbase {

// Every status must be looked at: a call whose status is dropped does not compile cleanly. Where
// dropping one is meant (the outcome changes nothing the caller could do), say so with IgnoreError().
class [[nodiscard]] Status {
 public:
  enum class Code { kOk, kNotFound, kCorruption, kIOError, kInUse, kInvalidArgument, kLocked };

  Status() = default;

  static Status OK() { return Status(); }
  // A file or record that is not there.
  static Status NotFound(std::string_view what, std::string_view detail = {}) {
    return Status(Code::kNotFound, what, detail);
  }
  // A file whose contents break the format; `what` names the file.
  static Status Corruption(std::string_view what, std::string_view detail = {}) {
    return Status(Code::kCorruption, what, detail);
  }
  // The operating system refused a read, write or open.
  static Status IOError(std::string_view what, std::string_view detail = {}) {
    return Status(Code::kIOError, what, detail);
  }
  // Another handle holds the file in a way that excludes this open.
  static Status InUse(std::string_view what, std::string_view detail = {}) {
    return Status(Code::kInUse, what, detail);
  }
  // A caller passed something the operation cannot take.
  static Status InvalidArgument(std::string_view what, std::string_view detail = {}) {
    return Status(Code::kInvalidArgument, what, detail);
  }
  // A lock that a try-lock could not take.
  static Status Locked(std::string_view what, std::string_view detail = {}) {
    return Status(Code::kLocked, what, detail);
  }

  bool ok() const { return code_ == Code::kOk; }
  bool IsNotFound() const { return code_ == Code::kNotFound; }
  bool IsCorruption() const { return code_ == Code::kCorruption; }
  bool IsIOError() const { return code_ == Code::kIOError; }
  bool IsInUse() const { return code_ == Code::kInUse; }
  bool IsInvalidArgument() const { return code_ == Code::kInvalidArgument; }
  bool IsLocked() const { return code_ == Code::kLocked; }
  Code code() const { return code_; }

  // The message without the kind: "what: detail".
  const std::string& message() const { return message_; }
  // The kind and the message, for logs and tools.
  std::string ToString() const;
  // Drops the status on purpose.
  void IgnoreError() const {}

 private:
  Status(Code code, std::string_view what, std::string_view detail);

  Code code_ = Code::kOk;
  std::string message_;
};

}  // namespace xbase

#endif  // PALUNDA_XBASE_STATUS_H_
