// Where a print went, for the message that tells the user.
#ifndef PALUNDA_PLATFORM_DELIVERY_H_
#define PALUNDA_PLATFORM_DELIVERY_H_

#include <string>
#include <vector>

namespace platform {

struct Delivery {
  std::string place;      // the device path, the CUPS queue or printer, or the file written
  std::vector<int> jobs;  // the CUPS job numbers, one a job; empty for devices and files

  // The place, followed by the job numbers when there are any: "LX300 (job 12, 13)".
  std::string Describe() const;
};

}  // namespace platform

#endif  // PALUNDA_PLATFORM_DELIVERY_H_
