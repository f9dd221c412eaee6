#include <benchmark/benchmark.h>

#include <sstream>

#include "../tests/support/project_fixtures.h"
#include "core/files/project_file.h"

namespace {

void BM_ProjectImage(benchmark::State& state) {
  const solmon::ProjectState s = solmon::testing::SampleProject();
  for (auto _ : state) benchmark::DoNotOptimize(solmon::ProjectImage(s));
}
BENCHMARK(BM_ProjectImage);

void BM_ReadProject(benchmark::State& state) {
  const auto image = solmon::ProjectImage(solmon::testing::SampleProject());
  solmon::ProjectState s;
  for (auto _ : state) solmon::testing::ReadImage(s, image);
}
BENCHMARK(BM_ReadProject);

}  // namespace
