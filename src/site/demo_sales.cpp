#include <string>

#include "site/demo_data.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

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

// An order taken yesterday and not delivered yet: the clerk delivers it on further notes, revises it
// and corrects its notes. Lines: goods (index into the demo goods) and whole cartons.
constexpr const char* kOpenOrder = "SO-0101";
struct OrderLine {
  int goods;
  int cartons;
};
constexpr OrderLine kOpenOrderLines[] = {{2, 5}, {15, 2}, {8, 1}};

xbase::Status AddOpenOrder(const DemoContext& demo) {
  const xbase::Date date = demo.today - 1;
  xbase::Status s = demo.writer.Add("SLSODR1", {{"NOMOR", kOpenOrder},
                                                {"RELASI", demo.options.customer_prefix + "0001"},
                                                {"TANGGAL", date},
                                                {"TIPE", "01"},
                                                {"SALES", "S001"},
                                                {"KDCB", demo.branch},
                                                {"CODE_ID", "0"},
                                                {"INCLUDE", true},
                                                {"TG_INPUT", date},
                                                {"OPERATOR", kDemoNik}});
  const auto goods = DemoGoodsList();
  int position = 0;
  for (const OrderLine& line : kOpenOrderLines) {
    if (!s.ok()) break;
    const DemoGoods& item = goods[static_cast<size_t>(line.goods)];
    s = demo.writer.Add("SLSODR2", {{"NOMOR", kOpenOrder},
                                    {"KODE", item.kode},
                                    {"GUDANG", kDemoWarehouse},
                                    {"Q_BOX", line.cartons},
                                    {"QUANTITY", static_cast<double>(line.cartons * item.dos)},
                                    {"QTY_KIRIM", 0},
                                    {"HARGA", item.harga},
                                    {"KTR", item.nama},
                                    {"URUT", xbase::PadL(std::to_string(++position), 3)},
                                    {"HRG_RATA", DemoCost(item)}});
  }
  return s;
}

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
  if (s.ok()) s = AddOpenOrder(demo);
  return s;
}

}  // namespace site
