// The screens a busy branch waits on, measured on two years of its data (busy_branch.h) at half, once
// and twice the shape, so growth shows: the stock card of the busiest item and the customer card of the
// biggest customer (each with its page tables), "Generate Stock", the yearly recap and closing-stock
// postings, the receivables list over two years, the order and receipt saves, and the index rebuild
// of the three largest tables. The folders are kept between runs (see BusyBranchAt); the saves write
// into a copy. Each reports the peak of resident memory while it ran ("peak_MB"). The reports are timed
// until their output dialog shows; erasing their page tables afterwards is "erase_ms".
//
//   build/bin/busy_branch_bench --benchmark_filter=StockCard
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "bench_support.h"
#include "busy_branch.h"
#include "console/clock.h"
#include "console/console.h"
#include "console/keys.h"
#include "frame/open_table.h"
#include "frame/procedure_registry.h"
#include "frame/report_pages.h"
#include "frame/session.h"
#include "receivable-reports/card_reports.h"
#include "receivable-reports/limits_form.h"
#include "receivable-reports/list_reports.h"
#include "receivable-reports/report_text.h"
#include "receivables/receipt.h"
#include "recaps/recap_posting.h"
#include "sales/sales_order.h"
#include "schema/catalog.h"
#include "schema/rebuild_indexes.h"
#include "site/demo_data.h"
#include "stock/movements.h"
#include "stock/regeneration.h"
#include "stock/stock_card.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace {

namespace fs = std::filesystem;

using Clock = std::chrono::steady_clock;

// A workstation whose user leaves every output dialog with Esc: the page tables are written and erased.
// It notes when a key was first asked for, which is when the output dialog stands on the screen.
class LeavingTerminal : public console::Terminal {
 public:
  void Present(const console::CellGrid&, const console::Cursor&) override {}
  int ReadKey(int) override {
    if (!asked_) asked_ = Clock::now();
    return console::key::kEsc;
  }
  void Tone(int, int) override {}
  bool IsColour() const override { return true; }

  void Forget() { asked_.reset(); }
  std::optional<Clock::time_point> asked() const { return asked_; }

 private:
  std::optional<Clock::time_point> asked_;
};

// Times a report until its output dialog shows (the clerk's wait) as the benchmark's time, and what
// follows, erasing the page tables once the clerk leaves the dialog, as the counter "erase_ms".
class DialogTimer {
 public:
  DialogTimer(benchmark::State& state, LeavingTerminal& term) : state_(state), term_(term) {}
  ~DialogTimer() {
    if (state_.iterations() > 0) state_.counters["erase_ms"] = erasing_ / static_cast<double>(state_.iterations());
  }

  void Start() {
    term_.Forget();
    start_ = Clock::now();
  }
  void Stop() {
    const Clock::time_point end = Clock::now();
    const Clock::time_point shown = term_.asked().value_or(end);
    state_.SetIterationTime(std::chrono::duration<double>(shown - start_).count());
    erasing_ += std::chrono::duration<double, std::milli>(end - shown).count();
  }

 private:
  benchmark::State& state_;
  LeavingTerminal& term_;
  Clock::time_point start_;
  double erasing_ = 0;
};

// A line of /proc/self/status in megabytes ("VmHWM:", "RssAnon:").
double StatusMegabytes(std::string_view key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with(key)) return std::atof(line.c_str() + key.size()) / 1024;
  }
  return 0;
}

// The peaks of memory while a benchmark runs: of resident memory ("peak_MB", the kernel's high-water
// mark, which counts the pages of the mapped tables read) and of the program's own memory
// ("heap_MB", resident anonymous memory sampled every 2 ms). Memory freed by earlier benchmarks is
// handed back first; run one benchmark a process for exact peaks.
class MemoryPeaks {
 public:
  MemoryPeaks() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    sampler_ = std::thread([this] {
      while (!stop_) {
        heap_ = std::max(heap_.load(), StatusMegabytes("RssAnon:"));
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
      }
    });
  }
  ~MemoryPeaks() { Stop(); }

  void Report(benchmark::State& state) {
    Stop();
    state.counters["peak_MB"] = StatusMegabytes("VmHWM:");
    state.counters["heap_MB"] = heap_.load();
  }

 private:
  void Stop() {
    stop_ = true;
    if (sampler_.joinable()) sampler_.join();
  }

  std::atomic<bool> stop_{false};
  std::atomic<double> heap_{0};
  std::thread sampler_;
};

// A clerk's session on the folder of the benchmark's scale (its argument in percent), or on a copy.
class Workstation {
 public:
  Workstation(benchmark::State& state, bool copy = false) : state_(state) {
    const double scale = static_cast<double>(state.range(0)) / 100;
    if (const xbase::Status s = bench::BusyBranchAt(scale, &dir_, &facts); !s.ok()) {
      state.SkipWithError(s.ToString().c_str());
      return;
    }
    if (copy) {
      const std::string from = dir_;
      dir_ += "-copy";
      fs::remove_all(dir_);
      fs::copy(from, dir_, fs::copy_options::recursive);
      copied_ = true;
    }
    clock.Set({facts.today, 9 * 3600});
    session.SetSearchPath(dir_);
    session.TMPFILELAP_ = dir_ + "/laporan";
    session.MMEMBER.nik = site::kDemoNik;
    ready = true;
    peaks_ = std::make_unique<MemoryPeaks>();
  }
  ~Workstation() {
    if (peaks_ != nullptr) peaks_->Report(state_);
    session.CloseTables();
    if (copied_) fs::remove_all(dir_);
  }

  // Stops the benchmark when a screen's tables did not open.
  bool Opened(const frame::OpenedTables& tables) {
    if (!tables) state_.SkipWithError("the tables did not open");
    return static_cast<bool>(tables);
  }

  bench::BusyBranchFacts facts;
  bool ready = false;
  console::ManualClock clock{{xbase::Date::FromYmd(2026, 12, 8), 9 * 3600}};
  LeavingTerminal term;
  console::Console con{term, clock};
  frame::ProcedureRegistry registry;
  frame::Session session{con, registry, "BENCH"};

 private:
  benchmark::State& state_;
  std::unique_ptr<MemoryPeaks> peaks_;
  std::string dir_;
  bool copied_ = false;
};

// The first day of the two years.
xbase::Date FirstDay(const bench::BusyBranchFacts& facts) { return facts.today - 730; }

void StockCardOfTheBusiestItem(benchmark::State& state) {
  Workstation station(state);
  std::vector<frame::TableUse> uses = {{"MASTBRJ"}, {"MASTGDG"}, {"STOKBRG"}};
  for (const std::string_view name : stock::MovementTables()) uses.push_back({name});
  const frame::OpenedTables tables = station.ready ? frame::OpenTables(station.session, uses) : frame::OpenedTables();
  if (!station.ready || !station.Opened(tables)) return;
  const std::string item = station.facts.busiest_item;
  const std::string warehouse = station.facts.busiest_warehouse;
  frame::ReportLayout layout;
  layout.width = 129;
  DialogTimer timer(state, station.term);
  for (auto _ : state) {
    timer.Start();
    frame::ReportPages pages;
    bench::Must(
        stock::StockCardPages(station.session, tables, {item, item, warehouse, FirstDay(station.facts), 55}, &pages));
    frame::PrintPages(station.session, pages, layout);
    timer.Stop();
  }
  state.counters["movements"] = station.facts.busiest_item_movements_there;
}
BENCHMARK(StockCardOfTheBusiestItem)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond)->UseManualTime();

void CustomerCardOfTheBiggestCustomer(benchmark::State& state) {
  Workstation station(state);
  const std::vector<frame::TableUse> tables = {"SETUP", "MASTCUS", "PIUTDBT", "PIUTKR1", "PIUTKR2", "PIUTJBL"};
  if (!station.ready || !station.Opened(frame::OpenTables(station.session, tables))) return;
  const std::string customer = xbase::PadR(station.facts.biggest_customer, 10);
  const receivable_reports::PeriodLimits limits{customer, FirstDay(station.facts), station.facts.today};
  DialogTimer timer(state, station.term);
  for (auto _ : state) {
    timer.Start();
    receivable_reports::ReportText report = receivable_reports::CustomerCardText(limits);
    bench::Must(receivable_reports::BuildCustomerCard(station.session, limits, &report));
    receivable_reports::PrintReport(station.session, report, "KARTU PIUTANG");
    timer.Stop();
  }
  state.counters["notes"] = station.facts.biggest_customer_notes;
}
BENCHMARK(CustomerCardOfTheBiggestCustomer)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond)->UseManualTime();

// The first run writes every line's average; later runs find most of them in place.
void GenerateStock(benchmark::State& state) {
  Workstation station(state);
  if (!station.ready || !station.Opened(frame::OpenTables(station.session, stock::RegenerationTables()))) return;
  for (auto _ : state) bench::Must(stock::Regenerate(station.session.tables(), "", ""));
  state.counters["movements"] = station.facts.note_lines + station.facts.purchase_lines;
}
BENCHMARK(GenerateStock)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(3);

void YearlyRecapPosting(benchmark::State& state) {
  Workstation station(state);
  if (!station.ready) return;
  const std::string year = xbase::StrZero(station.facts.today.year(), 4);
  for (auto _ : state) {
    if (!recaps::PostRecaps(station.session, year)) state.SkipWithError("the posting failed");
  }
}
BENCHMARK(YearlyRecapPosting)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(3);

void ClosingStockPosting(benchmark::State& state) {
  Workstation station(state);
  if (!station.ready) return;
  for (auto _ : state) {
    if (!recaps::PostClosingStock(station.session, station.facts.today)) state.SkipWithError("the posting failed");
  }
}
BENCHMARK(ClosingStockPosting)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(3);

void ReceivablesListOverTwoYears(benchmark::State& state) {
  Workstation station(state);
  const std::vector<frame::TableUse> tables = {"MASTCUS", "PIUTDBT"};
  if (!station.ready || !station.Opened(frame::OpenTables(station.session, tables))) return;
  const receivable_reports::ListLimits limits{"", "", FirstDay(station.facts), station.facts.today, 55};
  DialogTimer timer(state, station.term);
  for (auto _ : state) {
    timer.Start();
    receivable_reports::ReportText report = receivable_reports::ReceivableListText(limits, true);
    bench::Must(receivable_reports::BuildReceivableList(station.session, limits, true, &report));
    receivable_reports::PrintReport(station.session, report, "DAFTAR PIUTANG");
    timer.Stop();
  }
  state.counters["receivables"] = station.facts.receivables;
}
BENCHMARK(ReceivablesListOverTwoYears)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond)->UseManualTime();

// An order of the first 18 demonstration goods for a demonstration customer, delivered at once.
sales::SalesOrder EighteenLines(xbase::Date date) {
  sales::SalesOrder order;
  order.header.customer = xbase::PadR("J0001", 10);
  order.header.type = "01";
  order.header.salesman = "S001";
  order.header.branch = "JKT001";
  order.header.order_date = order.header.note_date = order.header.shipping_date = date;
  for (size_t i = 0; i < 18; ++i) {
    const site::DemoGoods& goods = site::DemoGoodsList()[i];
    sales::ADD_REC(&order.lines, 0, 0, site::kDemoWarehouse);
    console::ValueRow& line = order.lines.back();
    line[sales::kCode - 1] = xbase::Value::Text(xbase::PadR(goods.kode, sales::kCodeWidth));
    line[sales::kName - 1] = xbase::Value::Text(xbase::PadR(goods.nama, sales::kNameWidth));
    for (sales::OrderColumn column : {sales::kPieces, sales::kQuantity, sales::kDelivered}) {
      sales::SetFigure(&line, column, 1);
    }
    sales::SetFigure(&line, sales::kPrice, goods.harga);
    sales::SetFigure(&line, sales::kAmount, goods.harga);
  }
  return order;
}

// Scale 1 (a hundredth of the shape) is the small folder the big ones are held against.
void SaveEighteenLineOrder(benchmark::State& state) {
  Workstation station(state, true);
  if (!station.ready || !station.Opened(sales::OPENDATA(station.session))) return;
  sales::SalesOrder order = EighteenLines(station.facts.today);
  int n = 0;
  for (auto _ : state) {
    ++n;
    order.header.order = xbase::PadR("SO-B" + std::to_string(n), 15);
    if (!sales::WriteSalesOrder(station.session, order, {xbase::PadR("SJ-B" + std::to_string(n), 20)})) {
      state.SkipWithError("the save was refused or failed");
      break;
    }
  }
}
BENCHMARK(SaveEighteenLineOrder)->Arg(1)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// A giro received for another branch, so that it may pay any customer's notes, registered before
// each receipt: each receipt's giro carries its own lines only.
void RegisterGiro(frame::Session& session, const std::string& number, xbase::Date date) {
  xbase::WorkArea& giros = *session.tables().Area("GIRODBT");
  bench::Must(giros.Append());
  bench::Must(giros.Put("NOMOR", xbase::Value::Text(number)));
  bench::Must(giros.Put("KDCB", xbase::Value::Text("JKT001")));
  bench::Must(giros.Put("KET", xbase::Value::Text("GIRO")));
  bench::Must(giros.Put("TANGGAL", xbase::Value::FromDate(date)));
  bench::Must(giros.Put("TG_TERIMA", xbase::Value::FromDate(date)));
  bench::Must(giros.Put("RELASI", xbase::Value::Text("JB00000")));
  bench::Must(giros.Put("ACCOUNT", xbase::Value::Text("1102")));
  bench::Must(giros.Put("DEBET", xbase::Value::Num(1e9)));
  bench::Must(giros.Put("KIRIMAN", xbase::Value::Logical(true)));
  bench::Must(giros.Put("REALISASI", xbase::Value::Logical(true)));
  bench::Must(giros.Unlock());
}

// A new receipt of 100 lines on open receivables (the notes after the last one the receipts paid,
// the next hundred for each receipt, from the first again when they run out), alternately by the
// receipt's giro and by discount.
void SaveReceiptOf100Lines(benchmark::State& state) {
  Workstation station(state, true);
  const frame::OpenedTables tables =
      station.ready ? receivables::OpenReceiptTables(station.session) : frame::OpenedTables();
  if (!station.ready || !station.Opened(tables)) return;
  const int open = station.facts.notes - station.facts.receipt_lines;
  if (open < 100) {
    state.SkipWithError("fewer than 100 open receivables");
    return;
  }
  int receipts = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const std::string giro = "BENCH " + std::to_string(++receipts);
    RegisterGiro(station.session, giro, station.facts.today);
    state.ResumeTiming();
    receivables::Receipt receipt;
    receipt.branch = "JKT001";
    receipt.date = station.facts.today;
    for (int i = 0; i < 100; ++i) {
      console::ValueRow line = receivables::BlankLine(static_cast<size_t>(i + 1));
      const int note = station.facts.receipt_lines + 1 + ((receipts - 1) * 100 + i) % open;
      line[receivables::kNota] = xbase::Value::Text(xbase::PadR("SJ" + xbase::StrZero(note, 8), 20));
      line[receivables::kCode] = xbase::Value::Text(i % 2 == 0 ? "BL" : "DB");
      line[receivables::kInstrument] = xbase::Value::Text(xbase::PadR(i % 2 == 0 ? giro : "", 20));
      line[receivables::kAmount] = xbase::Value::Num(10, 16, 2);
      receipt.lines.push_back(line);
    }
    bool saved = false;
    bench::Must(receivables::SaveReceipt(station.session, tables, &receipt, &saved));
    if (!saved) {
      state.SkipWithError("the receipt was refused");
      break;
    }
  }
}
BENCHMARK(SaveReceiptOf100Lines)->Arg(1)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

void RebuildIndexes(benchmark::State& state, const char* table) {
  Workstation station(state);
  if (!station.ready) return;
  std::string dir;
  bench::BusyBranchFacts facts;
  bench::Must(bench::BusyBranchAt(static_cast<double>(state.range(0)) / 100, &dir, &facts));
  for (auto _ : state) bench::Must(schema::RebuildIndexes(*schema::FindTable(table), dir));
}
BENCHMARK_CAPTURE(RebuildIndexes, SRTJLN2, "SRTJLN2")->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RebuildIndexes, SRTJLN1, "SRTJLN1")->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RebuildIndexes, PIUTDBT, "PIUTDBT")->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
