// One folder seen through two FUSE mounts that cache nothing (bindfs -o direct_io with lock
// forwarding), each standing for a workstation that reaches the data folder on a file server. The
// mounts are taken down when the object goes, whatever the test did.
#ifndef PALUNDA_TESTS_SUPPORT_FUSE_MOUNTS_H_
#define PALUNDA_TESTS_SUPPORT_FUSE_MOUNTS_H_

#include <string>

#include "support/temp_folder.h"

namespace support {

class FuseMounts {
 public:
  // Mounts the folder twice; error() says why when it could not (no /dev/fuse, no bindfs, ...).
  FuseMounts();
  ~FuseMounts();
  FuseMounts(const FuseMounts&) = delete;
  FuseMounts& operator=(const FuseMounts&) = delete;

  // Empty when both mounts are up.
  const std::string& error() const { return error_; }
  // The folder as the first and the second workstation reach it.
  const std::string& first() const { return first_; }
  const std::string& second() const { return second_; }
  // The folder on the local disk behind both mounts.
  const std::string& backing() const { return backing_; }

 private:
  std::string Mount(const std::string& at);

  TempFolder top_;
  std::string backing_;
  std::string first_;
  std::string second_;
  std::string error_;
};

}  // namespace support

// Fails the test (never passes it) when the mounts could not be made.
#define ASSERT_FUSE_MOUNTED(mounts) ASSERT_TRUE((mounts).error().empty()) << (mounts).error()

#endif  // PALUNDA_TESTS_SUPPORT_FUSE_MOUNTS_H_
