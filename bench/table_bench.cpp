// Table benchmarks: appends (exclusive, and shared under the append lock), a full scan reading
// three fields, random record reads, and lock-update-unlock cycles in shared mode.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "xbase/dbf_table.h"

namespace {

using xbase::DbfTable;
using xbase::FieldHandle;
using xbase::OpenMode;

constexpr uint32_t kRecords = 1000000;

// Stops the program when a step fails: timings of work not done would mean nothing.
void Must(const xbase::Status& status) {
  if (status.ok()) return;
  std::fprintf(stderr, "%s\n", status.ToString().c_str());
  std::abort();
}

std::string BenchPath(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

std::unique_ptr<DbfTable> NewTable(const std::string& path) {
  std::unique_ptr<DbfTable> table;
  Must(DbfTable::Create(path, {{"KODE", 'C', 10, 0}, {"NAMA", 'C', 30, 0}, {"JUMLAH", 'N', 12, 2}}, &table));
  return table;
}

std::unique_ptr<DbfTable> OpenTable(const std::string& path, OpenMode mode) {
  std::unique_ptr<DbfTable> table;
  Must(DbfTable::Open(path, mode, &table));
  return table;
}

void AppendRecords(benchmark::State& state, OpenMode mode) {
  const std::string path = BenchPath("palunda-append-bench.dbf");
  Must(NewTable(path)->Close());
  std::unique_ptr<DbfTable> table = OpenTable(path, mode);
  const FieldHandle kode = table->Handle("KODE");
  const FieldHandle jumlah = table->Handle("JUMLAH");
  uint32_t n = 0;
  for (auto _ : state) {
    ++n;
    Must(table->AppendBlank());
    Must(table->PutText(kode, std::to_string(n)));
    Must(table->PutNumber(jumlah, n * 0.25));
    if (mode == OpenMode::kShared) Must(table->UnlockRecord(n));
  }
  Must(table->Close());
  state.SetItemsProcessed(state.iterations());
  std::filesystem::remove(path);
}

void BM_AppendExclusive(benchmark::State& state) { AppendRecords(state, OpenMode::kExclusive); }
void BM_AppendShared(benchmark::State& state) { AppendRecords(state, OpenMode::kShared); }
BENCHMARK(BM_AppendExclusive)->Iterations(kRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendShared)->Iterations(kRecords)->Unit(benchmark::kMillisecond);

// A shared table of a million records, made once.
const std::string& BigTable() {
  static const std::string path = [] {
    const std::string made = BenchPath("palunda-scan-bench.dbf");
    std::unique_ptr<DbfTable> table = NewTable(made);
    const FieldHandle kode = table->Handle("KODE");
    const FieldHandle nama = table->Handle("NAMA");
    const FieldHandle jumlah = table->Handle("JUMLAH");
    for (uint32_t n = 1; n <= kRecords; ++n) {
      Must(table->AppendBlank());
      Must(table->PutText(kode, std::to_string(n)));
      Must(table->PutText(nama, "Pelanggan nomor " + std::to_string(n)));
      Must(table->PutNumber(jumlah, n % 1000));
    }
    Must(table->Close());
    return made;
  }();
  return path;
}

void BM_FullScanThreeFields(benchmark::State& state) {
  std::unique_ptr<DbfTable> table = OpenTable(BigTable(), OpenMode::kShared);
  const FieldHandle kode = table->Handle("KODE");
  const FieldHandle nama = table->Handle("NAMA");
  const FieldHandle jumlah = table->Handle("JUMLAH");
  for (auto _ : state) {
    double total = 0;
    size_t bytes = 0;
    for (uint32_t recno = 1; recno <= table->record_count(); ++recno) {
      Must(table->GoTo(recno));
      total += table->Number(jumlah);
      bytes += table->Bytes(kode).size() + table->Bytes(nama).size();
    }
    benchmark::DoNotOptimize(total);
    benchmark::DoNotOptimize(bytes);
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_FullScanThreeFields)->Unit(benchmark::kMillisecond);

void BM_RandomReads(benchmark::State& state) {
  std::unique_ptr<DbfTable> table = OpenTable(BigTable(), OpenMode::kShared);
  const FieldHandle jumlah = table->Handle("JUMLAH");
  std::mt19937 random(42);
  std::uniform_int_distribution<uint32_t> pick(1, kRecords);
  double total = 0;
  for (auto _ : state) {
    Must(table->GoTo(pick(random)));
    total += table->Number(jumlah);
  }
  benchmark::DoNotOptimize(total);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RandomReads);

void BM_SharedLockUpdateUnlock(benchmark::State& state) {
  std::unique_ptr<DbfTable> table = OpenTable(BigTable(), OpenMode::kShared);
  const FieldHandle jumlah = table->Handle("JUMLAH");
  std::mt19937 random(7);
  std::uniform_int_distribution<uint32_t> pick(1, kRecords);
  for (auto _ : state) {
    const uint32_t recno = pick(random);
    Must(table->GoTo(recno));
    Must(table->LockRecord(recno, xbase::LockWait::kWait));
    Must(table->PutNumber(jumlah, table->Number(jumlah) + 1));
    Must(table->UnlockRecord(recno));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SharedLockUpdateUnlock)->Iterations(200000)->Unit(benchmark::kMillisecond);

}  // namespace
