// Throughput of TRANSFORM and STR on the pictures that reports use.
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "xbase/number_text.h"
#include "xbase/picture.h"

namespace {

std::vector<double> Amounts() {
  std::vector<double> values;
  for (int i = 0; i < 1024; ++i) values.push_back((i * 7919 % 100000) * 123.457 - 1e6);
  return values;
}

void TransformNumbers(benchmark::State& state, const char* picture) {
  const std::vector<double> values = Amounts();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(xbase::Transform(xbase::Value::Num(values[i++ & 1023]), picture));
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_TransformAmount(benchmark::State& state) { TransformNumbers(state, "999,999,999,999.99"); }
void BM_TransformParentheses(benchmark::State& state) { TransformNumbers(state, "@( 999,999,999.99"); }
void BM_TransformEuropean(benchmark::State& state) { TransformNumbers(state, "@E 999,999,999.99"); }

void BM_TransformUpperText(benchmark::State& state) {
  const xbase::Value text = xbase::Value::Text("Toko Maju Jaya, Jl. Merdeka 17");
  for (auto _ : state) benchmark::DoNotOptimize(xbase::Transform(text, "@!"));
  state.SetItemsProcessed(state.iterations());
}

void BM_Str(benchmark::State& state) {
  const std::vector<double> values = Amounts();
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(xbase::Str(values[i++ & 1023], 16, 2));
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_TransformAmount);
BENCHMARK(BM_TransformParentheses);
BENCHMARK(BM_TransformEuropean);
BENCHMARK(BM_TransformUpperText);
BENCHMARK(BM_Str);

}  // namespace
