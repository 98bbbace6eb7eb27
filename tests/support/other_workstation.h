// Another workstation on the same data folder: its own session, which holds a record lock the way a
// clerk editing that record does, so that a save here has to wait for it.
#ifndef PALUNDA_TESTS_SUPPORT_OTHER_WORKSTATION_H_
#define PALUNDA_TESTS_SUPPORT_OTHER_WORKSTATION_H_

#include <cstdint>
#include <string>

#include "xbase/session.h"
#include "xbase/work_area.h"

namespace support {

class OtherWorkstation {
 public:
  explicit OtherWorkstation(const std::string& folder);

  // Opens `table` with its catalog indexes and locks record `recno`; fails the test when it cannot.
  xbase::WorkArea& Hold(const std::string& table, uint32_t recno);
  // The same for the record of `key` in the table's first index.
  xbase::WorkArea& HoldKey(const std::string& table, const std::string& key);
  // Holds the table's append lock, as while appending a record.
  void HoldAppend(const std::string& table);
  // Gives every lock back.
  void Release();

 private:
  xbase::WorkArea& Opened(const std::string& table);

  xbase::Session session_;
};

}  // namespace support

#endif  // PALUNDA_TESTS_SUPPORT_OTHER_WORKSTATION_H_
