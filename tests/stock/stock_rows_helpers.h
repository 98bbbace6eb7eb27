// A data folder with every stock movement table, and the rows the stock tests write into it.
#ifndef PALUNDA_TESTS_STOCK_STOCK_ROWS_HELPERS_H_
#define PALUNDA_TESTS_STOCK_STOCK_ROWS_HELPERS_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"
#include "xbase/value.h"

namespace stock::testing {

xbase::Value Day(int year, int month, int day);

// One movement line: item, warehouse, pieces, price, stored average, line discount and note.
struct Line {
  std::string item;
  std::string warehouse = "G1";
  double quantity = 0;
  double price = 0;
  double average = 0;
  double discount = 0;
  std::string note;
};

class StockTest : public ::testing::Test {
 protected:
  StockTest();

  // A document of a movement table pair: the header (with its number, date and partner fields) and
  // its lines. `table` is the line table's name without its "2".
  void Document(const std::string& table, const std::string& number, xbase::Value date, const std::vector<Line>& lines,
                support::Row header = {});
  // An adjustment line.
  void Adjustment(const std::string& number, xbase::Value date, const Line& line);
  // The fields of every record of a table, as "FIELD=value" joined by blanks (values trimmed).
  std::vector<std::string> Rows(const std::string& table, const std::vector<std::string>& fields);
  // Closes every table of the session.
  void CloseAll() { EXPECT_TRUE(rig.session.tables().CloseAll().ok()); }

  support::TempDataFolder data;
  support::TempFolder reports, copies, home;
  support::SessionRig rig;
};

// The lines of a text file.
std::vector<std::string> FileLines(const std::string& path);

}  // namespace stock::testing

#endif  // PALUNDA_TESTS_STOCK_STOCK_ROWS_HELPERS_H_
