// Tables damaged by another program while a screen has them open: a table cut short within a record,
// and a terminal that does the damage just before the screen reads a given key.
#ifndef PALUNDA_TESTS_SUPPORT_DAMAGED_TABLES_H_
#define PALUNDA_TESTS_SUPPORT_DAMAGED_TABLES_H_

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "console/scripted_terminal.h"

namespace support {

// Cuts the file of `table` in `folder` short within record `recno`: the records before it still read,
// it and those after do not. Gives the file's path.
std::string CutWithinRecord(const std::string& folder, const std::string& table, uint32_t recno);

// Overwrites every page of the index files of `table` in `folder` (those whose names begin with the
// table's) with bytes no index holds, leaving their headers: the next read of a page is an error.
void DamageIndexPages(const std::string& folder, const std::string& table);

// DamageIndexPages for indexes a screen has open already: the headers' version moves on as well, so
// that the pages the screen has cached are dropped and its next read of a page is the error.
void DamageOpenIndexPages(const std::string& folder, const std::string& table);

// A scripted terminal that runs `damage` once, when `keys_before` keys have been read and before the
// next read: a screen opens its tables first, the damage comes while they are open.
class DamagingTerminal : public console::ScriptedTerminal {
 public:
  DamagingTerminal(std::vector<int> keys, console::ManualClock* clock, std::function<void()> damage,
                   size_t keys_before = 0)
      : ScriptedTerminal(std::move(keys), clock), damage_(std::move(damage)), keys_before_(keys_before) {}
  int ReadKey(int timeout_ms) override;

 private:
  std::function<void()> damage_;
  size_t keys_before_;
  size_t read_ = 0;
};

}  // namespace support

#endif  // PALUNDA_TESTS_SUPPORT_DAMAGED_TABLES_H_
