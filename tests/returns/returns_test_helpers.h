// A branch data folder for the return tests: one good (BRG01, 12 pieces a carton, 6 a pack) with 50
// pieces in GDG01, the settlement codes, and small ways to add delivery notes and read rows back.
#ifndef PALUNDA_TESTS_RETURNS_RETURNS_TEST_HELPERS_H_
#define PALUNDA_TESTS_RETURNS_RETURNS_TEST_HELPERS_H_

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "xbase/date.h"
#include "xbase/session.h"

namespace returns::testing {

using support::AddRows;
using support::N;
using support::Open;
using support::T;
using xbase::Value;

// The rig's today; the last start date of the tests.
inline const xbase::Date kDay = xbase::Date::FromYmd(2026, 12, 8);
inline const std::string kBranch = "JKT001";

// Every table the return screens open.
std::vector<std::string> ReturnTables();

// Every record of the open table `table` in record order: its fields' values trailing blanks cut,
// joined by "|", a deleted record marked with a leading "*".
std::vector<std::string> RecordsOf(xbase::Session& session, const std::string& table);

class ReturnsTest : public ::testing::Test {
 protected:
  ReturnsTest();

  // A delivery note of customer C0001 (type 01, cash discount `header_discount`) with one line of BRG01
  // (sequence "  1") and its receivable of `debet`.
  void AddNote(const std::string& invoice, xbase::Date date, bool printed, double quantity, double price, double d1,
               double d2, double debet, double header_discount = 0);
  void AddSetting(const std::string& key, const std::string& ket);
  // The stock of BRG01 in GDG01.
  double Stock();
  // The live records of `table` (by natural order).
  std::vector<uint32_t> LiveRows(const std::string& table);
  // Field `field` of the first live record of `table` whose `key` (trimmed) is `value`; "<none>" when none.
  std::string Field(const std::string& table, const std::string& key, const std::string& value, const std::string& field);
  double Number(const std::string& table, const std::string& key, const std::string& value, const std::string& field);
  bool Flag(const std::string& table, const std::string& key, const std::string& value, const std::string& field);
  // The last message on row 24.
  std::string Message();

  support::TempDataFolder folder{ReturnTables()};
  support::SessionRig rig;
};

}  // namespace returns::testing

#endif  // PALUNDA_TESTS_RETURNS_RETURNS_TEST_HELPERS_H_
