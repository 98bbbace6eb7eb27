// The two ways of reaching data files, side by side on a local disk (argument 0: mapped, 1: direct, the
// way a folder on a file server is reached): lock-update-unlock of random records, appends with two
// indexes, random seeks and a walk in index order, on a shared table of 200,000 records with two indexes.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "xbase/file_access.h"
#include "xbase/ntx_orders.h"
#include "xbase/session.h"

namespace {

constexpr int kKeySize = 13;
constexpr size_t kRecords = 200000;

// The benchmarks' folder, removed when the program ends.
struct BenchFolder {
  BenchFolder() {
    path = (std::filesystem::temp_directory_path() / ("palunda-storage-bench-" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(path);
  }
  ~BenchFolder() { std::filesystem::remove_all(path); }
  std::string path;
};

const std::string& Folder() {
  static const BenchFolder folder;
  return folder.path;
}

void Check(const xbase::Status& s, benchmark::State& state) {
  if (!s.ok()) state.SkipWithError(s.ToString().c_str());
}

std::string RandomKey(std::mt19937& random) {
  std::string key(kKeySize, '0');
  for (char& c : key) c = static_cast<char>('0' + random() % 10);
  return key;
}

xbase::FileAccess Access(const benchmark::State& state) {
  return state.range(0) == 0 ? xbase::FileAccess::kMapped : xbase::FileAccess::kDirect;
}

// A shared table NAME with KODE (random) and NOMOR (ascending) indexed, opened the chosen way.
class Table {
 public:
  Table(const std::string& name, xbase::FileAccess access) : session_(xbase::SearchPath({Folder()})), name_(name) {
    xbase::SetFileAccess(access);
  }
  ~Table() { xbase::SetFileAccess(xbase::FileAccess::kAutomatic); }

  xbase::Status Create(size_t records) {
    xbase::Status s = session_.CreateTable(name_, {xbase::DbfField{"KODE", 'C', kKeySize, 0},
                                                   xbase::DbfField{"NOMOR", 'C', kKeySize, 0},
                                                   xbase::DbfField{"JUMLAH", 'N', 12, 2}});
    if (s.ok()) s = session_.Use(name_, "", xbase::OpenMode::kShared, &area_);
    if (s.ok()) s = area_->orders().Create(File("1.ntx"), xbase::NtxOrderSpec{"KODE", "", false, false});
    if (s.ok()) s = area_->orders().Create(File("2.ntx"), xbase::NtxOrderSpec{"NOMOR", "", false, false});
    if (s.ok()) s = area_->SetOrder(1);
    std::mt19937 random(11);
    for (size_t r = 1; s.ok() && r <= records; ++r) s = Append(RandomKey(random), r);
    return s;
  }

  // Closes the table and opens it again with its indexes, so that nothing is cached.
  xbase::Status Reopen() {
    xbase::Status s = session_.CloseAll();
    if (s.ok()) s = session_.Use(name_, "", xbase::OpenMode::kShared, &area_);
    if (s.ok()) s = area_->orders().Open(File("1.ntx"));
    if (s.ok()) s = area_->orders().Open(File("2.ntx"));
    if (s.ok()) s = area_->SetOrder(1);
    return s;
  }

  xbase::Status Append(const std::string& kode, size_t number) {
    char nomor[16];
    std::snprintf(nomor, sizeof nomor, "%013zu", number);
    xbase::Status s = area_->Append();
    if (s.ok()) s = area_->Put("KODE", xbase::Value::Text(kode));
    if (s.ok()) s = area_->Put("NOMOR", xbase::Value::Text(nomor));
    return s.ok() ? area_->Unlock() : s;
  }

  xbase::WorkArea* area() { return area_; }

 private:
  std::string File(const std::string& suffix) const { return Folder() + "/" + name_ + suffix; }

  xbase::Session session_;
  xbase::WorkArea* area_ = nullptr;
  std::string name_;
};

// The big table, made once (mapped) and shared by the benchmarks that read it.
const std::string& BigTable() {
  static const std::string name = [] {
    Table table("BIG", xbase::FileAccess::kMapped);
    const xbase::Status s = table.Create(kRecords);
    if (!s.ok()) {
      std::fprintf(stderr, "%s\n", s.ToString().c_str());
      std::abort();
    }
    return std::string("BIG");
  }();
  return name;
}

void BM_LockUpdateUnlock(benchmark::State& state) {
  Table table(BigTable(), Access(state));
  Check(table.Reopen(), state);
  xbase::WorkArea* area = table.area();
  Check(area->SetOrder(0), state);
  std::mt19937 random(3);
  for (auto _ : state) {
    const uint32_t recno = 1 + static_cast<uint32_t>(random() % kRecords);
    xbase::Status s = area->GoTo(recno);
    if (s.ok()) s = area->Lock(xbase::LockWait::kWait);
    if (s.ok()) s = area->Put("JUMLAH", xbase::Value::Num(area->Number("JUMLAH") + 1));
    if (s.ok()) s = area->Unlock();
    Check(s, state);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LockUpdateUnlock)->Arg(0)->Arg(1)->Iterations(200000);

void BM_AppendTwoIndexes(benchmark::State& state) {
  std::mt19937 random(13);
  std::vector<std::string> codes;
  for (size_t i = 0; i < kRecords; ++i) codes.push_back(RandomKey(random));
  int run = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Table table("APP" + std::to_string(state.range(0)) + std::to_string(run++), Access(state));
    Check(table.Create(0), state);
    state.ResumeTiming();
    for (size_t r = 1; r <= codes.size(); ++r) Check(table.Append(codes[r - 1], r), state);
  }
}
BENCHMARK(BM_AppendTwoIndexes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_RandomSeeks(benchmark::State& state) {
  Table table(BigTable(), Access(state));
  Check(table.Reopen(), state);
  xbase::WorkArea* area = table.area();
  std::vector<std::string> codes;
  std::mt19937 random(11);
  for (size_t r = 0; r < kRecords; ++r) codes.push_back(RandomKey(random));
  std::shuffle(codes.begin(), codes.end(), std::mt19937(5));
  for (auto _ : state) {
    size_t found = 0;
    for (const std::string& code : codes) {
      Check(area->orders().Seek(xbase::Value::Text(code)), state);
      found += area->found();
    }
    if (found != kRecords) state.SkipWithError("a key was not found");
  }
}
BENCHMARK(BM_RandomSeeks)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WalkInIndexOrder(benchmark::State& state) {
  Table table(BigTable(), Access(state));
  Check(table.Reopen(), state);
  xbase::WorkArea* area = table.area();
  for (auto _ : state) {
    size_t count = 0;
    xbase::Status s = area->GoTop();
    for (; s.ok() && !area->eof(); s = area->Skip(1)) ++count;
    Check(s, state);
    if (count != kRecords) state.SkipWithError("records missed");
  }
}
BENCHMARK(BM_WalkInIndexOrder)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
