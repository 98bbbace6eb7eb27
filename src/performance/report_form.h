// The boxed entry forms of the sales-performance reports: a title, labels one a row and the
// fields after them, read with GET/READ; and the fields every report form shares.
#ifndef PALUNDA_PERFORMANCE_REPORT_FORM_H_
#define PALUNDA_PERFORMANCE_REPORT_FORM_H_

#include <string>
#include <string_view>
#include <vector>

#include "console/get.h"
#include "frame/session.h"
#include "xbase/date.h"

namespace performance {

class ReportForm {
 public:
  // A box `width` columns wide, centred, with the title on its first inside row and one label a
  // row below it.
  ReportForm(frame::Session& session, std::string title, std::vector<std::string> labels, int width = 56);

  // Draws the box, its title and labels.
  void Draw();
  // The field of label `index` (from 0), placed after the longest label.
  console::GetField& Field(int index, console::GetField::Target target, std::string picture = {});
  // A date field of label `from` whose leaving sets *to to the month's end.
  void Period(int from_label, int to_label, xbase::Date* from, xbase::Date* to, bool month_end = true);
  // An optional salesman code (MASTSLS open): empty, or a code CSALES accepts.
  console::GetField& Salesman(int index, std::string* code);
  // Draws the form and reads its fields; false after Esc.
  bool Read();
  // The row of label `index`.
  int RowOf(int index) const { return top_ + 2 + index; }

 private:
  frame::Session& session_;
  std::string title_;
  std::vector<std::string> labels_;
  int top_, left_, bottom_, right_, field_column_;
  console::GetList list_;
};

// "Tunggu sedang Proses pengumpulan data" on row 24 while the object lives; the row comes back after.
class BusyNotice {
 public:
  explicit BusyNotice(frame::Session& session);
  ~BusyNotice();
  BusyNotice(const BusyNotice&) = delete;
  BusyNotice& operator=(const BusyNotice&) = delete;

 private:
  console::Console& con_;
  console::Region row_;
};

// The choice of an alert over the output ways: 1..n, 0 after Esc.
int ChooseOutput(frame::Session& session, std::string_view question, const std::vector<std::string>& choices);

// The first day of the process month (of today when the process month is not set).
xbase::Date ProcessMonthStart(frame::Session& session);

// A text of `width` blanks: the starting value of a code field.
std::string Blank(int width);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_REPORT_FORM_H_
