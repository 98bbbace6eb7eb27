#include "site/demo_data.h"

namespace site {
namespace {

xbase::Status Stock(const DemoContext& demo, const DemoGoods& goods, const char* gudang, int quantity) {
  const double cost = DemoCost(goods);
  return demo.writer.Add("STOKBRG", {{"KODE", goods.kode}, {"GUDANG", gudang}, {"JUMLAH", quantity},
                                     {"HRG_BELI", cost}, {"HRG_POKOK", cost}, {"HRG_RATA", cost}});
}

}  // namespace

xbase::Status AddStockDemo(const DemoContext& demo) {
  xbase::Status s;
  for (const DemoGoods& goods : DemoGoodsList()) {
    if (s.ok()) s = Stock(demo, goods, kDemoWarehouse, goods.stock_main);
    if (s.ok()) s = Stock(demo, goods, kSecondWarehouse, goods.stock_second);
  }
  return s;
}

}  // namespace site
