// Where a print went, for the message that tells the user.
#include "platform/delivery.h"

namespace platform {

std::string Delivery::Describe() const {
  if (jobs.empty()) return place;
  std::string text = place + " (job ";
  for (std::size_t i = 0; i < jobs.size(); ++i) text += (i == 0 ? "" : ", ") + std::to_string(jobs[i]);
  return text + ")";
}

}  // namespace platform
