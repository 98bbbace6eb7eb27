// The stock regeneration over 500,000 movement lines of 5,000 items in two warehouses (every line's
// average written back, every warehouse row rewritten), and the stock card of one item with 10,000
// movements.
#include <benchmark/benchmark.h>

#include "frame/open_table.h"
#include "stock/movements.h"
#include "stock/regeneration.h"
#include "stock/stock_card.h"
#include "stock_movements.h"

namespace {

void BM_RegenerateEveryItemFrom500000Lines(benchmark::State& state) {
  bench::StockFolder folder("palunda-regeneration-bench");
  folder.Fill(5000, 2, 50);
  if (!frame::OpenTables(folder.session, stock::RegenerationTables())) std::abort();
  // The first run writes every line's average; later runs find them in place.
  for (auto _ : state) bench::Must(stock::Regenerate(folder.session.tables(), "", ""));
  state.SetItemsProcessed(state.iterations() * folder.movements());
}
BENCHMARK(BM_RegenerateEveryItemFrom500000Lines)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_StockCardOfAnItemWith10000Movements(benchmark::State& state) {
  bench::StockFolder folder("palunda-stock-card-bench");
  folder.Fill(1, 1, 10000);
  std::vector<frame::TableUse> uses = {{"MASTBRJ"}, {"MASTGDG"}, {"STOKBRG"}};
  for (const std::string_view name : stock::MovementTables()) uses.push_back({name});
  const frame::OpenedTables tables = frame::OpenTables(folder.session, uses);
  if (!tables) std::abort();
  const std::string code = bench::StockFolder::Code(0);
  for (auto _ : state) {
    frame::ReportPages pages;
    bench::Must(
        stock::StockCardPages(folder.session, tables, {code, code, "", xbase::Date::FromYmd(2026, 6, 1), 55}, &pages));
    benchmark::DoNotOptimize(pages);
  }
  state.SetItemsProcessed(state.iterations() * folder.movements());
}
BENCHMARK(BM_StockCardOfAnItemWith10000Movements)->Unit(benchmark::kMillisecond);

}  // namespace
