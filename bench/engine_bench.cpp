// The calculation engine: single-location runs of each available system kind
// and a multi-location run over a synthetic weather file.

#include <benchmark/benchmark.h>

#include <sstream>

#include "calc_fixture.h"
#include "core/calc/run_driver.h"
#include "core/weather/weather_file.h"

namespace {

using namespace solmon;
using namespace solmon::testing;

void BM_SingleLocationRun(benchmark::State& state) {
  ProjectState s = SampleProject(0);
  s.SheetKind[1] = static_cast<std::int16_t>(state.range(0));
  if (s.SheetKind[1] == 1) s.SetParamValue(2, 1, 12, 1.0);  // air in the collector
  if (s.SheetKind[1] == 4 || s.SheetKind[1] == 5) s.SheetKind[2] = 0;  // passive: no collector sheet
  if (s.SheetKind[1] == 8) {
    s.SheetKind[2] = 0;  // the ICS unit has no collector sheet
    SetCurrentLocation(s, SampleLocationEnglish());  // its sky temperatures in the project's units
  }
  RecordingPrompts prompts;
  for (auto _ : state) {
    RunCalculation(s, false, prompts);
    benchmark::DoNotOptimize(s.Results.MonthlyResults[kYearRecord][1]);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SingleLocationRun)->Arg(1)->Arg(2)->Arg(9)->Arg(3)->Arg(4)->Arg(5)->Arg(6)->Arg(7)->Arg(8)->ArgName("kind");

void BM_ThousandLocations(benchmark::State& state) {
  std::vector<LocationRecord> records;
  for (int i = 0; i < 1000; ++i)
    records.push_back(SampleLocationEnglish("STATION " + std::to_string(i), -60 + 0.12 * i));
  const std::string path = WriteTestWeatherFile("BENCH.WEA", records);
  ProjectState s = SampleProject(0);
  s.ProgramDir = path.substr(0, path.size() - 9);
  s.WeatherFileName = "BENCH.WEA";
  s.LocationIndex = -1000;
  std::ostringstream out;
  MultiLocationOptions options;
  options.Stream = &out;
  options.FixedSlope = false;
  options.Slope = 10;
  RecordingPrompts prompts;
  prompts.multi = &options;
  for (auto _ : state) {
    out.str("");
    RunCalculation(s, false, prompts);
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_ThousandLocations)->Unit(benchmark::kMillisecond);

}  // namespace
