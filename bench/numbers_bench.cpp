#include <benchmark/benchmark.h>

#include "core/files/real6.h"
#include "core/model/numbers.h"

namespace {

void BM_Real6RoundTrip(benchmark::State& state) {
  double v = 0.1234567;
  for (auto _ : state) {
    v = solmon::Real6ToDouble(solmon::DoubleToReal6(v * 1.0000001));
    benchmark::DoNotOptimize(v);
  }
}
BENCHMARK(BM_Real6RoundTrip);

void BM_FormatValueFixed(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(solmon::FormatValue(1234.5678, {solmon::DecStyle::FixedDecimal, 2}));
}
BENCHMARK(BM_FormatValueFixed);

void BM_ParseNumber(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(solmon::ParseNumber("-1.2345e+03"));
}
BENCHMARK(BM_ParseNumber);

}  // namespace
