// The demo rows of the stock: the stock of every good in both warehouses.
#include "site/demo_data.h"

#include <tuple>

namespace site {
namespace {

xbase::Status Stock(const DemoContext& demo, const DemoGoods& goods, const char* gudang, int quantity) {
  const double cost = DemoCost(goods);
  return demo.writer.Add("STOKBRG", {{"KODE", goods.kode}, {"GUDANG", gudang}, {"JUMLAH", quantity},
                                     {"HRG_BELI", cost}, {"HRG_POKOK", cost}, {"HRG_RATA", cost}});
}

// The opening count of a good in a warehouse, booked as a stock-taking adjustment.
xbase::Status Opening(const DemoContext& demo, const DemoGoods& goods, const char* gudang, double quantity,
                      xbase::Date date) {
  const double cost = DemoCost(goods);
  return demo.writer.Add("JUSTMEN", {{"NOMOR", "STOP" + date.Dtos()}, {"TANGGAL", date}, {"KODE", goods.kode},
                                     {"GUDANG", gudang}, {"QUANTITY", quantity}, {"HARGA", cost}, {"HRG_RATA", cost},
                                     {"TGLINPUT", date}, {"OPERATOR", "DEMO"}});
}

// A mutation of `quantity` pieces of a good from the main warehouse to the second one.
xbase::Status Mutation(const DemoContext& demo, const char* nomor, const DemoGoods& goods, int quantity, xbase::Date date) {
  xbase::Status s;
  for (const auto& [header, lines, gudang] : {std::tuple{"MTSKDT1", "MTSKDT2", kDemoWarehouse},
                                              std::tuple{"MTSDBT1", "MTSDBT2", kSecondWarehouse}}) {
    if (s.ok()) {
      s = demo.writer.Add(header, {{"NOMOR", nomor}, {"TANGGAL", date}, {"KDCB", demo.branch}, {"GUDANG", gudang},
                                   {"TG_INPUT", date}, {"OPERATOR", "DEMO"}});
    }
    if (s.ok()) {
      s = demo.writer.Add(lines, {{"NOMOR", nomor}, {"KODE", goods.kode}, {"GUDANG", gudang}, {"QUANTITY", quantity},
                                  {"KTR", "KE GUDANG TOKO"}, {"HARGA", goods.harga}, {"HRG_RATA", DemoCost(goods)}});
    }
  }
  return s;
}

}  // namespace

xbase::Status AddStockDemo(const DemoContext& demo) {
  xbase::Status s;
  for (const DemoGoods& goods : DemoGoodsList()) {
    if (s.ok()) s = Stock(demo, goods, kDemoWarehouse, goods.stock_main);
    if (s.ok()) s = Stock(demo, goods, kSecondWarehouse, goods.stock_second);
  }
  // Every good's stock comes from an opening count booked as a stock-taking adjustment, so that the
  // stock agrees with its movements: the opening holds what the demo notes later deliver, and the first
  // goods get a move to the shop on their stock card too.
  const auto goods = DemoGoodsList();
  for (size_t i = 0; s.ok() && i < goods.size(); ++i) {
    const int moved = i < 2 ? 100 * static_cast<int>(i + 1) : 0;
    // Goods with a sales history were counted before it began.
    const double history = DemoHistoryDelivered(demo.today, goods[i].kode);
    const xbase::Date counted = history != 0 ? DemoHistoryStart(demo.today) - 1 : demo.today - 90;
    const double main_count = goods[i].stock_main + moved + DemoDelivered(goods[i].kode) + history;
    const double second_count = goods[i].stock_second - moved;
    if (main_count != 0) s = Opening(demo, goods[i], kDemoWarehouse, main_count, counted);
    if (s.ok() && second_count != 0) s = Opening(demo, goods[i], kSecondWarehouse, second_count, counted);
    if (s.ok() && moved != 0) s = Mutation(demo, i == 0 ? "MTA0000001" : "MTA0000002", goods[i], moved, demo.today - 30);
  }
  if (s.ok()) s = SetSetting(demo.writer, "MTAG" + demo.branch, "MTA0000002");
  // A tag of the stock-taking: the first goods counted right, the second short by ten.
  for (size_t i = 0; s.ok() && i < 2 && i < goods.size(); ++i) {
    s = demo.writer.Add("OPNAME", {{"NOMOR", "0000000001"}, {"KODE", goods[i].kode}, {"GUDANG", kDemoWarehouse},
                                   {"LOKASI", "RAK A"}, {"TANGGAL", demo.today - 1},
                                   {"JUMLAH", goods[i].stock_main - 10 * static_cast<int>(i)}, {"TGINPUT", demo.today},
                                   {"NIK", "DEMO"}});
  }
  // Gift-wrap work: notebooks wrapped in tens, with a plastic map as display and an eraser as label.
  if (s.ok() && goods.size() > 8) {
    s = demo.writer.Add("BREPACK", {{"KODE", goods[0].kode}, {"KD_DISPLAY", goods[8].kode}, {"QT_DISPLAY", 1.0},
                                    {"KD_LABEL", goods[3].kode}, {"QT_LABEL", 1.0}});
    if (s.ok()) {
      s = demo.writer.Add("HREPACK", {{"KODE", goods[0].kode}, {"KD_JADI", goods[1].kode}, {"PACKING", 10},
                                      {"TARIF", 250.0}});
    }
  }
  return s;
}

}  // namespace site
