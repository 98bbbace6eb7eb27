// A data folder with every table the sales-performance reports read, a session over it with a
// reports folder, and short ways to write the delivery notes, returns, receivables and masters the
// tests need and to read back what the reports wrote.
#ifndef PALUNDA_TESTS_PERFORMANCE_REPORT_RIG_H_
#define PALUNDA_TESTS_PERFORMANCE_REPORT_RIG_H_

#include <string>
#include <vector>

#include "platform/xlsx_reader.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"
#include "xbase/date.h"

namespace performance {

// One line of a document: item, quantity, price and the line's two discounts.
struct TestLine {
  std::string code;
  double quantity = 0, price = 0, discount1 = 0, discount2 = 0;
};

// A document's header fields beyond its number, date, customer and salesman.
struct TestHeader {
  std::string type = "01";
  double discount1 = 0, discount2 = 0;
  bool printed = true, cancelled = false;
  std::string admin_return;
  std::string branch = "B2";
  std::string order;
};

xbase::Date D(int year, int month, int day);

class ReportRig : public ::testing::Test {
 protected:
  ReportRig();
  ~ReportRig() override;

  frame::Session& session() { return rig.session; }
  xbase::WorkArea& Table(const std::string& name) { return support::Open(rig.session, name); }
  void Add(const std::string& table, const support::Row& row) { support::AddRows(Table(table), {row}); }

  void Note(const std::string& number, xbase::Date date, const std::string& customer, const std::string& salesman,
            const std::vector<TestLine>& lines, const TestHeader& header = {});
  void Return(const std::string& number, xbase::Date date, const std::string& customer, const std::string& salesman,
              const std::vector<TestLine>& lines, const TestHeader& header = {});
  void Item(const std::string& code, const std::string& group, double carton_size, const std::string& name = "BARANG");
  void Member(const std::string& group, const std::string& item);
  void Salesman(const std::string& code, const std::string& name, const std::string& title,
                const std::string& superior = "", const std::string& old_code = "");
  void Customer(const std::string& code, const std::string& name, const std::string& group = "RETL", double level = 0);
  void Setting(const std::string& key, const std::string& value) { Add("SETUP", {{"SETUP", support::T(key)}, {"KET", support::T(value)}}); }

  // The first sheet, or the sheet `name`, of a workbook a report wrote.
  platform::SheetData Sheet(const std::string& path, const std::string& name = "");
  std::vector<std::string> SheetNames(const std::string& path);
  // The text of a report printed by `print` through the output dialog's copy to a file.
  template <typename Print>
  std::string Copied(Print print) {
    QueueCopy();
    print();
    return CopiedText();
  }

  support::TempFolder home;
  support::TempFolder reports;
  support::TempDataFolder data;
  support::SessionRig rig;

 private:
  void QueueCopy();
  std::string CopiedText();
  support::TempFolder copies_;
  int copies_made_ = 0;
};

// The number in a cell, failing the test when it holds none.
double Number(const platform::SheetData& sheet, int row, int column);
// The text in a cell, "" when empty.
std::string Text(const platform::SheetData& sheet, int row, int column);

// The lines of a text holding `part`.
std::vector<std::string> LinesWith(const std::string& text, const std::string& part);

}  // namespace performance

#endif  // PALUNDA_TESTS_PERFORMANCE_REPORT_RIG_H_
