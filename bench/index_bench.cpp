// Index benchmarks: bulk build of one million 13-byte keys, 200,000 random seeks and a walk in index
// order on a shared index, and 200,000 appends with two shared indexes open; then the same through
// a shared table's work area: appends with two indexes, a walk and seeks in index order.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "xbase/ntx_index.h"
#include "xbase/ntx_orders.h"
#include "xbase/session.h"

namespace {

using xbase::NtxHeader;
using xbase::NtxIndex;
using xbase::NtxKeys;
using xbase::NtxOpenMode;

constexpr int kKeySize = 13;

std::string Folder() {
  static const std::string folder = [] {
    auto dir = std::filesystem::temp_directory_path() / ("palunda-index-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    return dir.string();
  }();
  return folder;
}

std::string RandomKey(std::mt19937& random) {
  std::string key(kKeySize, '0');
  for (char& c : key) c = static_cast<char>('0' + random() % 10);
  return key;
}

NtxKeys RandomKeys(size_t count, std::vector<std::string>* list) {
  std::mt19937 random(42);
  NtxKeys keys(kKeySize);
  keys.Reserve(count);
  for (size_t r = 1; r <= count; ++r) {
    std::string key = RandomKey(random);
    keys.Add(key, static_cast<uint32_t>(r));
    if (list) list->push_back(std::move(key));
  }
  return keys;
}

NtxHeader Header() { return NtxHeader::ForKey(kKeySize, 0, "KODE", "", false, false); }

void Check(const xbase::Status& s, benchmark::State& state) {
  if (!s.ok()) state.SkipWithError(s.ToString().c_str());
}

void BM_BuildMillionKeys(benchmark::State& state) {
  const NtxKeys keys = RandomKeys(1000000, nullptr);
  for (auto _ : state) {
    std::unique_ptr<NtxIndex> index;
    Check(NtxIndex::Create(Folder() + "/build.ntx", Header(), keys, NtxOpenMode::kExclusive, &index), state);
  }
}
BENCHMARK(BM_BuildMillionKeys)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SharedRandomSeeks(benchmark::State& state) {
  std::vector<std::string> list;
  const NtxKeys keys = RandomKeys(1000000, &list);
  std::unique_ptr<NtxIndex> index;
  Check(NtxIndex::Create(Folder() + "/seek.ntx", Header(), keys, NtxOpenMode::kShared, &index), state);
  std::mt19937 random(7);
  std::vector<std::string> wanted;
  for (int i = 0; i < 200000; ++i) wanted.push_back(list[random() % list.size()]);
  for (auto _ : state) {
    size_t found_count = 0;
    for (const std::string& key : wanted) {
      bool found = false;
      Check(index->Seek(key, &found), state);
      found_count += found;
    }
    if (found_count != wanted.size()) state.SkipWithError("a key was not found");
  }
}
BENCHMARK(BM_SharedRandomSeeks)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SharedWalk200k(benchmark::State& state) {
  const NtxKeys keys = RandomKeys(200000, nullptr);
  std::unique_ptr<NtxIndex> index;
  Check(NtxIndex::Create(Folder() + "/walk.ntx", Header(), keys, NtxOpenMode::kShared, &index), state);
  for (auto _ : state) {
    size_t count = 0;
    Check(index->GoTop(), state);
    while (!index->eof()) {
      ++count;
      Check(index->Next(), state);
    }
    if (count != 200000) state.SkipWithError("walk missed items");
  }
}
BENCHMARK(BM_SharedWalk200k)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SharedAppendTwoIndexes(benchmark::State& state) {
  std::mt19937 random(9);
  std::vector<std::string> codes;
  for (int i = 0; i < 200000; ++i) codes.push_back(RandomKey(random));
  for (auto _ : state) {
    std::unique_ptr<NtxIndex> by_code, by_number;
    Check(NtxIndex::Create(Folder() + "/a1.ntx", Header(), NtxKeys(kKeySize), NtxOpenMode::kShared, &by_code), state);
    Check(NtxIndex::Create(Folder() + "/a2.ntx", Header(), NtxKeys(kKeySize), NtxOpenMode::kShared, &by_number), state);
    for (uint32_t r = 1; r <= codes.size(); ++r) {
      Check(by_code->Insert(codes[r - 1], r), state);
      Check(by_number->Insert(std::to_string(1000000000000 + r), r), state);
    }
  }
}
BENCHMARK(BM_SharedAppendTwoIndexes)->Unit(benchmark::kMillisecond)->Iterations(3);

// A shared table of 200,000 records with KODE (random) and NOMOR (ascending) indexed, as screens use it.
class TableBench {
 public:
  TableBench() : session_(xbase::SearchPath({Folder()})) {}

  xbase::Status Create(const std::string& name, size_t records, bool with_indexes) {
    name_ = name;
    xbase::Status s = session_.CreateTable(name, {xbase::DbfField{"KODE", 'C', kKeySize, 0},
                                                  xbase::DbfField{"NOMOR", 'C', kKeySize, 0}});
    if (s.ok()) s = session_.Use(name, "", xbase::OpenMode::kShared, &area_);
    if (s.ok() && with_indexes) s = OpenIndexes(true);
    std::mt19937 random(11);
    for (size_t r = 1; s.ok() && r <= records; ++r) s = AppendOne(RandomKey(random), r);
    return s;
  }

  xbase::Status OpenIndexes(bool create) {
    const std::string kode = Folder() + "/" + name_ + "1.ntx", nomor = Folder() + "/" + name_ + "2.ntx";
    if (!create) {
      xbase::Status s = area_->orders().Open(kode);
      return s.ok() ? area_->orders().Open(nomor) : s;
    }
    xbase::Status s = area_->orders().Create(kode, xbase::NtxOrderSpec{"KODE", "", false, false});
    if (s.ok()) s = area_->orders().Create(nomor, xbase::NtxOrderSpec{"NOMOR", "", false, false});
    if (s.ok()) s = area_->orders().SetOrder(name_ + "1");
    return s;
  }

  xbase::Status AppendOne(const std::string& kode, size_t number) {
    char nomor[16];
    std::snprintf(nomor, sizeof nomor, "%013zu", number);
    xbase::Status s = area_->Append();
    if (s.ok()) s = area_->Put("KODE", xbase::Value::Text(kode));
    if (s.ok()) s = area_->Put("NOMOR", xbase::Value::Text(nomor));
    return s.ok() ? area_->Unlock() : s;
  }

  xbase::WorkArea* area() { return area_; }

 private:
  xbase::Session session_;
  xbase::WorkArea* area_ = nullptr;
  std::string name_;
};

void BM_SharedTableAppendTwoIndexes(benchmark::State& state) {
  std::mt19937 random(13);
  std::vector<std::string> codes;
  for (int i = 0; i < 200000; ++i) codes.push_back(RandomKey(random));
  int run = 0;
  for (auto _ : state) {
    state.PauseTiming();
    TableBench bench;
    Check(bench.Create("APP" + std::to_string(run++), 0, true), state);
    state.ResumeTiming();
    for (size_t r = 1; r <= codes.size(); ++r) Check(bench.AppendOne(codes[r - 1], r), state);
  }
}
BENCHMARK(BM_SharedTableAppendTwoIndexes)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SharedTableWalkAndSeek(benchmark::State& state) {
  TableBench bench;
  Check(bench.Create("WALK", 200000, false), state);
  Check(bench.OpenIndexes(true), state);
  xbase::WorkArea* area = bench.area();
  std::vector<std::string> codes;
  for (xbase::Status s = area->GoTop(); s.ok() && !area->eof() && codes.size() < 200000; s = area->Skip(1)) {
    xbase::Value kode;
    Check(area->Get("KODE", &kode), state);
    codes.push_back(kode.text());
  }
  std::shuffle(codes.begin(), codes.end(), std::mt19937(5));
  const bool seek = state.range(0) == 1;
  for (auto _ : state) {
    size_t count = 0;
    if (seek) {
      for (const std::string& code : codes) {
        Check(area->orders().Seek(xbase::Value::Text(code)), state);
        count += area->found();
      }
    } else {
      for (xbase::Status s = area->GoTop(); s.ok() && !area->eof(); s = area->Skip(1)) ++count;
    }
    if (count != 200000) state.SkipWithError("records missed");
  }
}
BENCHMARK(BM_SharedTableWalkAndSeek)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
