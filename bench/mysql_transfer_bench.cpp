// The transfer of 1,000 printed invoices of 10 lines each, with their goods, customers and salesmen,
// to a MariaDB server on this machine (a private one, started as the tests start theirs): one
// transaction per document, every value bound.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_support.h"
#include "console/clock.h"
#include "console/console.h"
#include "exchange/mapping.h"
#include "frame/open_table.h"
#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "schema/catalog.h"
#include "schema/create_table.h"
#include "support/private_mariadb.h"

namespace {

using bench::AnsweringTerminal;
using bench::Must;
using xbase::Value;

constexpr int kInvoices = 1000;
constexpr int kLines = 10;
const xbase::Date kDay = xbase::Date::FromYmd(2026, 12, 3);

struct Folder {
  Folder() {
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    for (const char* table : {"SRTJLN1", "SRTJLN2", "RTJUAL1", "RTJUAL2", "PIUTDBT", "MASTBRJ", "MASTCUS",
                              "RELASI_EXT", "MASTSLS", "DT_NPWP", "BPOT_BPT"}) {
      Must(schema::CreateTable(*schema::FindTable(table), path));
    }
    session.SetSearchPath(path);
    for (int i = 0; i < 20; ++i) {
      const std::string code = "C" + std::to_string(1000 + i);
      Add("MASTCUS", {{"RELASI", Value::Text(code)}, {"NAMA", Value::Text("TOKO " + code)}, {"TEMPO", Value::Num(30)}});
      Add("RELASI_EXT", {{"RELASI", Value::Text(code)}, {"KDCB", Value::Text("JKT")}});
    }
    for (int i = 0; i < 50; ++i) {
      Add("MASTBRJ", {{"KODE", Value::Text(Item(i))}, {"NAMA", Value::Text("BARANG " + Item(i))},
                      {"HARGA", Value::Num(1000 + i)}});
    }
    Add("MASTSLS", {{"SALES", Value::Text("S01")}, {"NAMA", Value::Text("BUDI")}});
    for (int n = 0; n < kInvoices; ++n) {
      const std::string invoice = "SJ" + std::to_string(100000 + n);
      Add("SRTJLN1", {{"INVOICE", Value::Text(invoice)}, {"TANGGAL", Value::FromDate(kDay)},
                      {"RELASI", Value::Text("C" + std::to_string(1000 + n % 20))}, {"SALES", Value::Text("S01")},
                      {"TEMPO", Value::FromDate(kDay)}, {"TERM", Value::Num(30)}, {"CETAK", Value::Logical(true)}});
      for (int l = 0; l < kLines; ++l) {
        Add("SRTJLN2", {{"INVOICE", Value::Text(invoice)}, {"KODE", Value::Text(Item((n + l) % 50))},
                        {"GUDANG", Value::Text("G1")}, {"QUANTITY", Value::Num(l + 1)},
                        {"HARGA", Value::Num(1000 + l)}, {"DISCOUNT", Value::Num(5)}});
      }
    }
    Must(session.tables().CloseAll());
  }
  ~Folder() {
    Must(session.tables().CloseAll());
    std::filesystem::remove_all(path);
  }

  static std::string Item(int i) { return "BRG" + std::to_string(100 + i); }

  void Add(const char* table, const std::vector<std::pair<const char*, Value>>& fields) {
    xbase::WorkArea* area = session.tables().Area(table);
    if (area == nullptr && !frame::OpenTable(session, table, true, {}, &area)) std::abort();
    Must(area->Append());
    for (const auto& [field, value] : fields) Must(area->Put(field, value));
  }

  const std::string path = (std::filesystem::temp_directory_path() / "palunda-mysql-bench").string();
  console::ManualClock clock{{kDay, 9 * 3600}};
  AnsweringTerminal term;
  console::Console con{term, clock};
  frame::ProcedureRegistry registry;
  frame::Session session{con, registry, "BENCH"};
};

void BM_Transfer1000InvoicesOf10Lines(benchmark::State& state) {
  support::PrivateMariaDb server;
  std::string why;
  if (!server.Start(&why)) {
    std::fprintf(stderr, "no MariaDB server: %s\n", why.c_str());
    std::abort();
  }
  Folder folder;
  platform::MySqlSettings settings;
  settings.server = "localhost";
  settings.socket = server.socket();
  settings.user = "root";
  for (auto _ : state) {
    state.PauseTiming();
    if (!server.Run({"DROP DATABASE IF EXISTS mapping_clipper", "CREATE DATABASE mapping_clipper"}, &why)) {
      std::fprintf(stderr, "%s\n", why.c_str());
      std::abort();
    }
    state.ResumeTiming();
    exchange::MappingResult result;
    const std::unique_ptr<exchange::SqlLink> link = exchange::MariaDbLink(settings);
    Must(exchange::SendToDatabase(folder.session, kDay, kDay, *link, &result));
    if (result.sent != kInvoices) {
      std::fprintf(stderr, "sent %d: %s\n", result.sent, result.error.c_str());
      std::abort();
    }
  }
  state.SetItemsProcessed(state.iterations() * kInvoices);
}
BENCHMARK(BM_Transfer1000InvoicesOf10Lines)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
