// The save of a goods receipt taken in from a shipment document: 18 lines of goods the branch holds,
// written into a demonstration data folder whose tables are open shared with every catalog index file,
// as the import screen opens them: the receipt's header and lines, 18 goods rows and 18 warehouse rows
// moved at their moving average, the record of the shipment and both counters; with the save journal
// and the files flushed to the disk (flush:1) or not (flush:0).
#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "bench_support.h"
#include "demo_workstation.h"
#include "frame/session.h"
#include "purchasing/shipment_import.h"
#include "site/demo_data.h"
#include "xbase/file_access.h"

namespace {

using bench::DemoWorkstation;

using xbase::Value;

constexpr int kLines = 18;

// Appends a row to the table open under `alias`.
void Add(frame::Session& session, const char* alias, const std::vector<std::pair<const char*, Value>>& fields) {
  xbase::WorkArea& area = *session.tables().Area(alias);
  bench::Must(area.Append());
  for (const auto& [field, value] : fields) bench::Must(area.Put(field, value));
  bench::Must(area.Unlock());
}

// A shipment document `number` in the import folder: the first 18 demonstration goods, 24 pieces each
// below their selling price and with a line discount.
void AddShipment(frame::Session& session, const std::string& number) {
  Add(session, "peb_hdr", {{"NO_BPB", Value::Text(number)}, {"SUPLIER", Value::Text("BENCH")}});
  for (int i = 0; i < kLines; ++i) {
    const site::DemoGoods& goods = site::DemoGoodsList()[static_cast<size_t>(i)];
    Add(session, "peb_dtl", {{"NO_BPB", Value::Text(number)}, {"KODE", Value::Text(goods.kode)},
                             {"QUANTITY", Value::Num(24)}, {"HARGA", Value::Num(goods.harga * 0.7)},
                             {"DISCOUNT", Value::Num(5)}, {"URUTAN", Value::Text(std::to_string(i + 1))}});
  }
}

void SaveEighteenLineReceipt(benchmark::State& state) {
  xbase::SetFlushing(state.range(0) != 0);
  DemoWorkstation workstation("palunda-goods-receipt-bench");
  if (!workstation.made().ok()) {
    state.SkipWithError(workstation.made().ToString().c_str());
    return;
  }
  frame::Session& session = workstation.session();
  const frame::OpenedTables tables = purchasing::OpenShipmentTables(session);
  if (!tables) {
    state.SkipWithError("the receipt tables did not open");
    return;
  }
  int n = 0;
  for (auto _ : state) {
    state.PauseTiming();
    purchasing::Shipment shipment;
    shipment.warehouse = site::kDemoWarehouse;
    shipment.branch = "JKT001";
    shipment.number = "PEB-BENCH-" + std::to_string(++n);
    AddShipment(session, shipment.number);
    const bool checked = purchasing::CheckShipment(session, tables, &shipment);
    state.ResumeTiming();
    if (!checked || !purchasing::SaveShipment(session, tables, &shipment).ok()) {
      state.SkipWithError("the receipt was refused or failed");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(SaveEighteenLineReceipt)->ArgName("flush")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
