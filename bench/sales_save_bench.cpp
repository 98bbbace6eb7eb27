// The save of a sales order: 18 delivered lines on one delivery note, written into a demonstration data
// folder whose tables are open shared with every catalog index file, as the order screen opens them:
// the order and its lines, the note and its lines, 18 stock postings, the receivable and the balance;
// with the save journal and the files flushed to the disk (flush:1) or not (flush:0).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "demo_workstation.h"
#include "frame/session.h"
#include "sales/sales_order.h"
#include "site/demo_data.h"
#include "xbase/file_access.h"
#include "xbase/text_functions.h"

namespace {

using bench::DemoWorkstation;

constexpr int kLines = 18;

// An order of the first 18 demonstration goods, three pieces each from the main warehouse.
sales::SalesOrder EighteenLines() {
  sales::SalesOrder order;
  order.header.customer = xbase::PadR("J0001", 10);
  order.header.type = "01";
  order.header.salesman = "S001";
  order.header.branch = "JKT001";
  order.header.order_date = order.header.note_date = order.header.shipping_date = xbase::Date::FromYmd(2026, 12, 8);
  for (int i = 0; i < kLines; ++i) {
    const site::DemoGoods& goods = site::DemoGoodsList()[static_cast<size_t>(i)];
    sales::ADD_REC(&order.lines, 0, 0, site::kDemoWarehouse);
    console::ValueRow& line = order.lines.back();
    line[sales::kCode - 1] = xbase::Value::Text(xbase::PadR(goods.kode, sales::kCodeWidth));
    line[sales::kName - 1] = xbase::Value::Text(xbase::PadR(goods.nama, sales::kNameWidth));
    for (sales::OrderColumn column : {sales::kPieces, sales::kQuantity, sales::kDelivered}) {
      sales::SetFigure(&line, column, 3);
    }
    sales::SetFigure(&line, sales::kPrice, goods.harga);
    sales::SetFigure(&line, sales::kAmount, 3 * goods.harga);
  }
  return order;
}

void SaveEighteenLineOrder(benchmark::State& state) {
  xbase::SetFlushing(state.range(0) != 0);
  DemoWorkstation workstation("palunda-sales-save-bench");
  if (!workstation.made().ok()) {
    state.SkipWithError(workstation.made().ToString().c_str());
    return;
  }
  frame::Session& session = workstation.session();
  if (!sales::OPENDATA(session)) {
    state.SkipWithError("the order tables did not open");
    return;
  }
  sales::SalesOrder order = EighteenLines();
  int n = 0;
  for (auto _ : state) {
    ++n;
    order.header.order = xbase::PadR("SO-" + std::to_string(n), 15);
    if (!sales::WriteSalesOrder(session, order, {xbase::PadR("SJ-" + std::to_string(n), 20)})) {
      state.SkipWithError("the save was refused or failed");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(SaveEighteenLineOrder)->ArgName("flush")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
