// The monthly recap posting over a large month: 20,000 delivery notes of 10 lines each (200,000
// lines) of 500 items, 300 customers and 20 salesmen, 2,000 returns of 5 lines and 10,000 targets,
// condensed into the six recap tables (target: under 10 s a run).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "console/clock.h"
#include "console/console.h"
#include "console/scripted_terminal.h"
#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "recaps/recap_posting.h"
#include "schema/catalog.h"
#include "schema/create_table.h"
#include "site/folder_writer.h"
#include "xbase/number_text.h"

namespace {

namespace fs = std::filesystem;

constexpr int kNotes = 20000;
constexpr int kLinesPerNote = 10;
constexpr int kReturns = 2000;
constexpr int kItems = 500;
constexpr int kCustomers = 300;
constexpr int kSalesmen = 20;
constexpr int kTargets = 10000;

std::string Code(char prefix, int number) { return prefix + xbase::StrZero(number, 5); }
xbase::Date December(int n) { return xbase::Date::FromYmd(2026, 12, 1 + n % 28); }

xbase::Status WriteMonth(const std::string& folder) {
  for (const char* table : {"SETUP", "MASTBRJ", "KONVERT", "TARGET", "SRTJLN1", "SRTJLN2", "RTJUAL1", "RTJUAL2",
                            "RKP_BRC", "RKP_CAB", "RKP_CUS", "RKP_RLS", "RKP_SAL", "RKP_SLR"}) {
    xbase::Status s = schema::CreateTable(*schema::FindTable(table), folder);
    if (!s.ok()) return s;
  }
  site::FolderWriter writer(folder);
  xbase::Status s = site::AddSetting(writer, "NMRSJC", "CB01");
  for (int i = 0; i < kItems && s.ok(); ++i) {
    s = writer.Add("MASTBRJ", {{"KODE", Code('P', i)}, {"DOS", i % 7 == 0 ? 0 : 12 * (1 + i % 4)}});
    if (s.ok() && i % 50 == 0) s = writer.Add("KONVERT", {{"KODE", Code('P', i)}, {"DIKALI", 2}, {"DIBAGI", 3}});
  }
  for (int i = 0; i < kTargets && s.ok(); ++i) {
    s = writer.Add("TARGET", {{"TANGGAL", December(i)}, {"KDCB", "CB01"}, {"SALES", Code('S', i % kSalesmen)},
                              {"KODE", Code('P', i % kItems)}, {"BGTQTY", 100}, {"BGTVAL", 250000}});
  }
  for (int n = 0; n < kNotes && s.ok(); ++n) {
    const std::string number = Code('J', n);
    s = writer.Add("SRTJLN1", {{"INVOICE", number}, {"TANGGAL", December(n)}, {"RELASI", Code('C', n % kCustomers)},
                               {"SALES", Code('S', n % kSalesmen)}, {"DISCOUNT", n % 3}, {"BATAL", n % 97 == 0}});
    for (int l = 0; l < kLinesPerNote && s.ok(); ++l) {
      s = writer.Add("SRTJLN2", {{"INVOICE", number}, {"KODE", Code('P', (n * 7 + l * 13) % kItems)},
                                 {"GUDANG", "GDG1"}, {"QUANTITY", 1 + (n + l) % 48}, {"HARGA", 1500 + l * 250},
                                 {"DISCOUNT", l % 2 * 5}});
    }
  }
  for (int r = 0; r < kReturns && s.ok(); ++r) {
    const std::string number = Code('R', r);
    s = writer.Add("RTJUAL1", {{"NOMOR", number}, {"TANGGAL", December(r)}, {"RELASI", Code('C', r % kCustomers)},
                               {"SALES", Code('S', r % kSalesmen)}});
    for (int l = 0; l < 5 && s.ok(); ++l) {
      s = writer.Add("RTJUAL2", {{"NOMOR", number}, {"KODE", Code('P', (r * 3 + l) % kItems)}, {"GUDANG", "GDG1"},
                                 {"QUANTITY", 1 + l}, {"HARGA", 2000}});
    }
  }
  return s.ok() ? writer.Finish() : s;
}

struct Workstation {
  Workstation()
      : folder(fs::temp_directory_path() / "palunda-recap-bench"),
        clock({xbase::Date::FromYmd(2026, 12, 31), 9 * 3600}),
        term({}, &clock),
        con(term, clock),
        session(con, registry, "BENCH") {
    fs::remove_all(folder);
    fs::create_directories(folder);
    written = WriteMonth(folder.string());
    session.SetSearchPath(folder.string());
  }
  ~Workstation() { fs::remove_all(folder); }

  fs::path folder;
  xbase::Status written;
  console::ManualClock clock;
  console::ScriptedTerminal term;
  console::Console con;
  frame::ProcedureRegistry registry;
  frame::Session session;
};

// Each run rebuilds the month: the first appends the recap rows, the later ones rewrite them.
void MonthlyPostingTwoHundredThousandLines(benchmark::State& state) {
  Workstation station;
  if (!station.written.ok()) {
    state.SkipWithError(station.written.ToString().c_str());
    return;
  }
  for (auto _ : state) {
    if (!recaps::PostRecaps(station.session, "202612")) state.SkipWithError("the posting failed");
  }
}
BENCHMARK(MonthlyPostingTwoHundredThousandLines)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
