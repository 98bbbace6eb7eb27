// The demo rows of sales: trade discounts, due-date rules, free-goods rules and an order to deliver.
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

// Free goods of regular sales (type 01): retail customers earn them from 1,000,000 of delivery notes;
// cartons are counted, 15 % for every tenth carton, 5 % otherwise.
struct Rule {
  const char* key;
  const char* ket;
};
constexpr Rule kFreeGoodsRules[] = {{"FGDS01RETL", "1000000"}, {"FGOODJNS01", "BOX"}, {"FGOOD01BOX", "  10 15   5"},
                                    {"FREETYPE01", "01"}};

// A proforma for the modern-market customer, not yet printed nor delivered on: two lines of goods.
struct ProformaLine {
  int goods;  // index into the demo goods
  int cartons;
};
constexpr const char* kProformaNumber = "PD000001";
constexpr const char* kProformaCustomer = "0005";
constexpr ProformaLine kProformaLines[] = {{0, 5}, {1, 3}};
constexpr double kProformaDiscount = 5;

xbase::Status AddProforma(const DemoContext& demo) {
  const auto goods = DemoGoodsList();
  double value = 0;
  xbase::Status s;
  int urut = 0;
  for (const ProformaLine& line : kProformaLines) {
    if (!s.ok()) break;
    const DemoGoods& item = goods[static_cast<size_t>(line.goods)];
    const double quantity = static_cast<double>(line.cartons * item.dos);
    value += quantity * item.harga * (100 - kProformaDiscount) / 100;
    s = demo.writer.Add("PRO_IN2", {{"NOMOR", kProformaNumber},
                                    {"KODE", item.kode},
                                    {"URUT", xbase::PadL(std::to_string(++urut), 3)},
                                    {"QUANTITY", quantity},
                                    {"REALISASI", 0},
                                    {"HARGA", item.harga},
                                    {"DISCOUNT", kProformaDiscount},
                                    {"I_BOX", line.cartons}});
  }
  if (s.ok()) {
    s = demo.writer.Add("PRO_IN1", {{"NOMOR", kProformaNumber},
                                    {"RELASI", demo.options.customer_prefix + kProformaCustomer},
                                    {"TIPE", "01"},
                                    {"SALES", "S001"},
                                    {"TANGGAL", demo.today},
                                    {"KTR", "PENAWARAN AWAL TAHUN AJARAN"},
                                    {"KDCB", demo.branch},
                                    {"NILAI_PI", value},
                                    {"AUDIT", demo.today},
                                    {"CETAK", false},
                                    {"CODE_ID", "0"},
                                    {"OPERATOR", kAdminNik}});
  }
  // The first good counts as slow-moving for the proforma target.
  if (s.ok()) s = demo.writer.Add("PKT_YES", {{"KODE", goods[0].kode}});
  return s;
}

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
  for (const Rule& rule : kFreeGoodsRules) {
    if (s.ok()) s = AddSetting(demo.writer, rule.key, rule.ket);
  }
  if (s.ok()) s = AddSetting(demo.writer, "ID-FTPAJAK", "902");
  if (s.ok()) s = AddProforma(demo);
  if (s.ok()) s = AddOpenOrder(demo);
  return s;
}

}  // namespace site
