// What the master-data tests share: a data folder of the master tables, a session on it with a user
// of given rights, and keys.
#ifndef PALUNDA_TESTS_MASTERS_MASTER_TEST_HELPERS_H_
#define PALUNDA_TESTS_MASTERS_MASTER_TEST_HELPERS_H_

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "frame/session.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"

namespace masters {

// A session (user "ADMIN01" without rights) on a folder of `tables`.
class MasterTest : public ::testing::Test {
 protected:
  explicit MasterTest(const std::vector<std::string>& tables);

  // This workstation's sections of Palunda.ini as `ini` sets them, relative folders under `home`.
  void Workstation(const std::string& ini, const std::string& home);
  // Gives the user the rights text.
  void Rights(const std::string& rights) { rig.session.MMEMBER.rights = rights; }
  void AddKeys(const std::vector<int>& keys) { rig.term.AddKeys(keys); }
  // Adds rows to `table` and closes every table again.
  void Seed(const std::string& table, const std::vector<support::Row>& rows);
  // Closes the session's tables and opens `table` afresh for checking.
  xbase::WorkArea& Reopen(const std::string& table);
  // The record numbers of `table` with their trimmed `field`, in natural order (deleted ones too),
  // as "value" or "value (deleted)".
  std::vector<std::string> Column(const std::string& table, const std::string& field);
  bool Shown(const std::string& text) const { return support::Shown(rig.term, text); }
  // Another workstation on the folder, its user "ADMIN02" with `rights`, runs `screen` with `keys`;
  // `meanwhile` runs once, before that workstation reads its key number `before` (from 0). Gives every
  // screen it showed, one after another.
  std::string OtherWorkstationRuns(const std::function<xbase::Status(frame::Session&)>& screen,
                                   const std::vector<int>& keys, const std::string& rights, size_t before,
                                   const std::function<void()>& meanwhile);

  support::TempDataFolder folder;
  support::SessionRig rig;
};

// Keys of a typed text.
std::vector<int> Typed(std::string_view text);

}  // namespace masters

#endif  // PALUNDA_TESTS_MASTERS_MASTER_TEST_HELPERS_H_
