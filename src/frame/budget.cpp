// The posting-date window packed in LOGSETUP.BUDGET, and the margin row of a workstation in SETUP.
#include "frame/budget.h"

#include <cmath>
#include <vector>

#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"
#include "xbase/value.h"

namespace frame {
namespace {

constexpr int kBudgetWidth = 35;

// SUBSTR with positions from 1, blank-padded when the text is short.
std::string Slice(std::string_view text, int start, int count) {
  return xbase::PadR(xbase::SubStr(text, start, count), count);
}

// VAL of a text, as a plain number.
double Val(std::string_view text) { return xbase::Val(text).value; }

std::string TwoDigits(std::string_view text) {
  return xbase::Transform(xbase::Value::Num(std::trunc(Val(text))), "99");
}

}  // namespace

Budget ParseBudget(std::string_view text) {
  Budget budget;
  budget.last_start = xbase::Ctod(Slice(text, 1, 10));
  budget.process_end = xbase::Ctod(Slice(text, 11, 10));
  budget.days_after = Slice(text, 24, 2);
  budget.days_before = Slice(text, 27, 2);
  budget.carried_30 = Slice(text, 30, 2);
  budget.carried_34 = Slice(text, 34, 2);
  return budget;
}

std::string RewriteBudget(const Budget& budget, xbase::Date today) {
  return xbase::Dtoc(today) + xbase::Dtoc(budget.process_end) + "   " + TwoDigits(budget.days_after) + " " +
         TwoDigits(budget.days_before) + " " + TwoDigits(budget.carried_30) + "  " + TwoDigits(budget.carried_34);
}

std::string WithProcessEnd(std::string_view text, xbase::Date process_end) {
  std::string budget = xbase::PadR(text, kBudgetWidth);
  budget.replace(10, 10, xbase::Dtoc(process_end));
  return budget;
}

xbase::Status FindDefaultRow(xbase::WorkArea& logsetup, bool* found) {
  *found = false;
  std::vector<uint32_t> records;
  xbase::Status status = logsetup.SetOrder(1);
  if (status.ok()) status = logsetup.SeekAll("", &records);
  for (size_t i = 0; status.ok() && i < records.size() && !*found; ++i) {
    status = logsetup.GoTo(records[i]);
    *found = status.ok() && logsetup.Logical("DEFAULT");
  }
  return status;
}

std::string MarginKey(std::string_view workstation) {
  return std::string(1, static_cast<char>(238)) + std::string(xbase::Left(workstation, 9));
}

PrinterMargins ParseMargins(std::string_view ket) {
  PrinterMargins margins;
  margins.left_landscape = Val(Slice(ket, 1, 5));
  margins.left_portrait = Val(Slice(ket, 6, 5));
  margins.top = Val(Slice(ket, 11, 5));
  margins.bottom = Val(Slice(ket, 16, 5));
  margins.lines_landscape = static_cast<int>(Val(Slice(ket, 21, 2)));
  margins.lines_portrait = static_cast<int>(Val(Slice(ket, 23, 2)));
  margins.stored = true;
  return margins;
}

std::string FormatMargins(const PrinterMargins& margins) {
  auto margin = [](double value) { return xbase::Transform(xbase::Value::Num(value), "99.99"); };
  return margin(margins.left_landscape) + margin(margins.left_portrait) + margin(margins.top) +
         margin(margins.bottom) + xbase::Transform(xbase::Value::Num(margins.lines_landscape), "99") +
         xbase::Transform(xbase::Value::Num(margins.lines_portrait), "99");
}

}  // namespace frame
