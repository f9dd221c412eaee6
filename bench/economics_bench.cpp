#include <benchmark/benchmark.h>

#include "core/calc/economics.h"

namespace {

// The most detailed level: present worths and a 20-year cash-flow table.
void BM_EconomicsCashFlow(benchmark::State& state) {
  solmon::ProjectState s;
  const double rows[][2] = {{1, 3},  {2, 300}, {3, 2000}, {7, 5},     {12, 20},   {13, 20},
                            {14, 9}, {15, 15}, {16, 8},   {17, 1},    {18, 3},    {19, 30},
                            {20, 2}, {21, 2},  {22, 30},  {24, 1000}, {26, 3000}, {27, 2}};
  for (const auto& r : rows) s.SetParamValue(3, 1, static_cast<int>(r[0]), r[1]);
  s.Results.Fuel = 2;
  s.Results.CollectorArea = 40;
  s.Results.FuelCostSolar = 150;
  s.Results.FuelCostNoSolar = 600;
  for (auto _ : state) {
    solmon::RunEconomics(s);
    benchmark::DoNotOptimize(s.Economics.LifeCycleSavings);
  }
}
BENCHMARK(BM_EconomicsCashFlow);

}  // namespace
