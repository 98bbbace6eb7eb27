#include <string>

#include "site/demo_data.h"
#include "xbase/date_functions.h"

namespace site {
namespace {

// The trade discounts of the outlet groups ("OUDISC" + group): the default and ceiling of the two line
// discounts, then of the two order discounts, six characters each with a blank between. The retail
// and institution groups have none: their lines start at the customer's own discount.
struct GroupDiscounts {
  const char* group;
  const char* discounts;
};
constexpr GroupDiscounts kGroupDiscounts[] = {{"GROS", "3.00   1.00   1.00   0.00"},
                                              {"MODN", "5.00   2.00   2.00   1.00"}};

// Due days by sale type and outlet group ("HARI" + type + group): modern-market orders are due 60 days
// after the delivery note, wholesale orders of type 02 after 45.
struct DueDays {
  const char* key;
  const char* days;
};
constexpr DueDays kDueDays[] = {{"HARI01MODN", "60"}, {"HARI02GROS", "45"}};

}  // namespace

xbase::Status AddSalesDemo(const DemoContext& demo) {
  xbase::Status s;
  for (const GroupDiscounts& row : kGroupDiscounts) {
    if (s.ok()) s = AddSetting(demo.writer, std::string("OUDISC") + row.group, row.discounts);
  }
  for (const DueDays& row : kDueDays) {
    if (s.ok()) s = AddSetting(demo.writer, row.key, row.days);
  }
  // Project sales to institutions fall due together at the end of the next month.
  if (s.ok()) s = AddSetting(demo.writer, "TGJT03INST", xbase::Dtoc(xbase::Eom(xbase::Eom(demo.today) + 1)));
  return s;
}

}  // namespace site
