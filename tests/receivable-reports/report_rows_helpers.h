// A small receivables folder for the report tests: customers, invoices, receipts with their lines,
// reversing-journal rows and instruments, written straight into the tables.
#ifndef PALUNDA_TESTS_RECEIVABLE_REPORTS_REPORT_ROWS_HELPERS_H_
#define PALUNDA_TESTS_RECEIVABLE_REPORTS_REPORT_ROWS_HELPERS_H_

#include <string>
#include <vector>

#include "frame/session.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "xbase/date.h"

namespace receivable_reports::testing {

xbase::Date Day(int month, int day, int year = 2026);

// Every table the reports read, empty.
support::TempDataFolder ReportsFolder();

class Rows {
 public:
  explicit Rows(frame::Session& session) : session_(session) {}
  void Customer(const std::string& code, const std::string& name, const std::string& city = "BOGOR");
  void Invoice(const std::string& nota, const std::string& customer, xbase::Date date, double debet,
               bool approved = true, const std::string& type = "01", xbase::Date due = {},
               const std::string& ktr = "", const std::string& sales = "S001");
  // A receipt of branch JKT001 numbered `number` dated `date`, with lines (nota, code, instrument, amount).
  struct Line {
    std::string nota, code, instrument;
    double amount;
  };
  void Receipt(const std::string& number, xbase::Date date, const std::vector<Line>& lines);
  void Journal(const std::string& nota, const std::string& number, xbase::Date date, const std::string& code,
               const std::string& instrument, double debet, double kredit);
  void Instrument(const std::string& number, const std::string& kind, const std::string& customer, double debet,
                  xbase::Date received, xbase::Date due, bool usable = true, const std::string& branch = "JKT001");
  void Code(const std::string& code, const std::string& option);

 private:
  frame::Session& session_;
};

}  // namespace receivable_reports::testing

#endif  // PALUNDA_TESTS_RECEIVABLE_REPORTS_REPORT_ROWS_HELPERS_H_
