// Index-key expressions compiled once and evaluated over a million in-memory records.
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "xbase/expression.h"
#include "xbase/record_context.h"

namespace {

struct Row {
  xbase::Date tanggal;
  std::string nomor;
  std::string nama;
  double qty;
};

// A table of rows held in memory; the current row is chosen by position.
class MemoryTable : public xbase::RecordContext {
 public:
  explicit MemoryTable(size_t count) {
    rows_.reserve(count);
    const xbase::Date start = xbase::Date::FromYmd(2020, 1, 1);
    for (size_t i = 0; i < count; ++i) {
      std::string nomor = "SO" + std::to_string(100000 + i);
      nomor.resize(10, ' ');
      std::string nama = "Toko nomor " + std::to_string(i);
      nama.resize(40, ' ');
      rows_.push_back(Row{start + static_cast<int>(i % 2000), nomor, nama, static_cast<double>(i % 1000) - 500});
    }
  }

  int FieldIndex(std::string_view name) const override {
    static const char* const kNames[] = {"TANGGAL", "NOMOR", "NAMA", "QTY"};
    for (int i = 0; i < 4; ++i) {
      if (name.size() == std::string_view(kNames[i]).size()) {
        bool same = true;
        for (size_t j = 0; j < name.size(); ++j) same = same && (name[j] & ~0x20) == kNames[i][j];
        if (same) return i;
      }
    }
    return -1;
  }

  xbase::Value FieldValue(int index) const override {
    const Row& row = rows_[current_];
    switch (index) {
      case 0: return xbase::Value::FromDate(row.tanggal);
      case 1: return xbase::Value::Text(row.nomor);
      case 2: return xbase::Value::Text(row.nama);
      default: return xbase::Value::Num(row.qty, 6, 0);
    }
  }

  size_t size() const { return rows_.size(); }
  void Go(size_t position) { current_ = position; }

 private:
  std::vector<Row> rows_;
  size_t current_ = 0;
};

constexpr size_t kRecords = 1000000;

MemoryTable& Table() {
  static MemoryTable table(kRecords);
  return table;
}

// Evaluates `text` once per record over the whole table in each iteration.
void EvaluateOverTable(benchmark::State& state, const char* text) {
  MemoryTable& table = Table();
  std::unique_ptr<xbase::Expression> key;
  if (!xbase::Expression::Compile(text, &table, &key).ok()) {
    state.SkipWithError("compile failed");
    return;
  }
  xbase::Value result;
  for (auto _ : state) {
    for (size_t i = 0; i < table.size(); ++i) {
      table.Go(i);
      if (!key->Evaluate(table, &result).ok()) {
        state.SkipWithError("evaluation failed");
        return;
      }
      benchmark::DoNotOptimize(result);
    }
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * table.size()));
}

void BM_DtosDatePlusNumber(benchmark::State& state) { EvaluateOverTable(state, "dtos(tanggal)+nomor"); }
void BM_UpperName(benchmark::State& state) { EvaluateOverTable(state, "Upper( NAMA )"); }
void BM_StrQtyPlusNumber(benchmark::State& state) { EvaluateOverTable(state, "Str( QTY, 6 ) + NOMOR"); }
void BM_Condition(benchmark::State& state) { EvaluateOverTable(state, "qty > 0 .and. nomor = \"SO1\""); }

void BM_Compile(benchmark::State& state) {
  MemoryTable& table = Table();
  for (auto _ : state) {
    std::unique_ptr<xbase::Expression> key;
    if (!xbase::Expression::Compile("nomor+nama+dtos(tanggal)+str(qty,6)", &table, &key).ok()) {
      state.SkipWithError("compile failed");
    }
    benchmark::DoNotOptimize(key);
  }
}

BENCHMARK(BM_DtosDatePlusNumber)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpperName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StrQtyPlusNumber)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Condition)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Compile);

}  // namespace
