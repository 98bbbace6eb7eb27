// A CUPS server of a test's own: a temporary folder with its configuration, spool and socket,
// printers whose devices are files in that folder, started and stopped by the test.
#ifndef PALUNDA_TESTS_SUPPORT_PRIVATE_CUPSD_H_
#define PALUNDA_TESTS_SUPPORT_PRIVATE_CUPSD_H_

#include <sys/types.h>

#include <string>
#include <vector>

namespace support {

struct TestPrinter {
  std::string name;
  bool pdf_filter = false;  // passes PDF documents on to the device (a raw queue otherwise)
  bool accepting = true;
  bool is_default = false;
};

class PrivateCupsd {
 public:
  PrivateCupsd() = default;
  ~PrivateCupsd();
  PrivateCupsd(const PrivateCupsd&) = delete;
  PrivateCupsd& operator=(const PrivateCupsd&) = delete;

  // Writes the configuration and starts cupsd; false with the reason in `why` when it cannot run.
  bool Start(const std::vector<TestPrinter>& printers, std::string* why);
  // The socket that libcups connects to.
  std::string socket() const { return folder_ + "/cups.sock"; }
  // The file that is the device of a printer.
  std::string device(const std::string& printer) const { return folder_ + "/" + printer + ".out"; }
  // The document of a job as the server received it (job files are kept).
  std::string spooled(int job) const;
  // Waits (at most 30 seconds) until every job of the list is completed; false otherwise.
  bool WaitForCompletion(const std::string& printer, const std::vector<int>& jobs) const;

 private:
  std::string folder_;
  pid_t pid_ = -1;
};

}  // namespace support

#endif  // PALUNDA_TESTS_SUPPORT_PRIVATE_CUPSD_H_
