#include "core/calc/run_driver.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>

#include "core/calc/active_system.h"
#include "core/calc/building_storage.h"
#include "core/calc/collector.h"
#include "core/calc/direct_gain.h"
#include "core/calc/economics.h"
#include "core/calc/general_heating.h"
#include "core/calc/ics_heater.h"
#include "core/calc/model_steps.h"
#include "core/calc/monthly_values.h"
#include "core/calc/pool_heating.h"
#include "core/calc/storage_wall.h"
#include "core/model/numbers.h"
#include "core/report/multi_location_file.h"
#include "core/weather/weather_file.h"

namespace solmon {

namespace {

// The parameters as they were before the run, put back however it ends.
class ParameterSnapshot {
 public:
  explicit ParameterSnapshot(ProjectState& s) : s_(s), block_(s.ParamBlock), locationIndex_(s.LocationIndex) {}
  ~ParameterSnapshot() {
    s_.ParamBlock = block_;
    s_.LocationIndex = locationIndex_;
  }
  ParameterSnapshot(const ParameterSnapshot&) = delete;
  ParameterSnapshot& operator=(const ParameterSnapshot&) = delete;

 private:
  ProjectState& s_;
  std::array<std::uint8_t, kParamBlockSize> block_;
  std::int16_t locationIndex_;
};

bool EconomicsOn(const ProjectState& s) { return s.SheetKind[kEconomicsSheet] > 0; }

// Kind 9 records read Solar, Dhw, Aux, f: fields 3..5 move one place left.
void ShiftHotWaterFields(ThermalResults& r) {
  for (int rec = 1; rec <= kYearRecord; ++rec) {
    auto& f = r.MonthlyResults[rec];
    f[2] = f[3];
    f[3] = f[4];
    f[4] = f[5];
  }
}

// A stopped run leaves nothing that could pass for a result.
void BlankResults(ThermalResults& r) {
  for (auto& record : r.MonthlyResults)
    for (double& v : record) v = kNoValue;
  r.FuelCostSolar = 0;
  r.FuelCostNoSolar = 0;
}

// A damaged project whose row refers to a table that is not there.
bool StopForDanglingReference(Calculation& c) {
  const auto dangling = FindDanglingReference(c.s);
  if (!dangling) return false;
  StopForParameter(c, dangling->sheet, dangling->kind, dangling->row,
                   "refers to a table of monthly values that the project does not hold");
  return true;
}

void RunEconomicsIfOn(Calculation& c) {
  if (c.Stopped() || !EconomicsOn(c.s)) return;
  RunEconomics(c.s);
  // Economics that cannot be calculated stop the run like a model does.
  if (c.Stopped()) StopRun(c, c.s.ErrorMessage);
}

RunOutcome RunSingleLocation(Calculation& c) {
  RunSystemModel(c);
  RunEconomicsIfOn(c);
  if (c.Stopped()) return RunOutcome::Stopped;
  c.s.ResultsValid = true;
  return RunOutcome::Completed;
}

std::unique_ptr<std::ofstream> CreateOutputFile(const std::string& name) {
  auto file = std::make_unique<std::ofstream>(name, std::ios::binary | std::ios::trunc);
  if (!*file) throw OutputFileError("cannot create " + name + ": " + std::strerror(errno));
  return file;
}

RunOutcome RunAllLocations(Calculation& c) {
  ProjectState& s = c.s;
  MultiLocationOptions options;
  if (!c.prompts.AskMultiLocationOptions(options)) return RunOutcome::Cancelled;
  std::unique_ptr<std::ofstream> file;
  std::ostream* out = options.Stream;
  if (!out) {
    file = CreateOutputFile(options.FileName);
    out = file.get();
  }
  MultiLocationWriter writer(*out, c.SystemKind, options.Monthly, EconomicsOn(s));
  writer.WriteHeader();
  // The file as it is now: it may have grown or shrunk since it was chosen.
  const int count = CountLocations(WeatherFilePath(s));
  for (int i = 1; i <= count && !c.Stopped(); ++i) {
    LoadLocation(s, i);
    const std::string name = s.Location.Name();
    if (!options.FixedSlope) WriteCollectorSlope(c, Real6ToDouble(s.Location.Latitude) + options.Slope);
    c.MessagePrefix = name + ": ";
    RunSystemModel(c);
    RunEconomicsIfOn(c);
    if (!c.Stopped()) writer.WriteLocation(name, s.Results, s.Economics);
  }
  const bool stopped = c.Stopped();
  s.ErrorCode = 0;
  if (file) {
    file->close();
    if (!*file) throw OutputFileError("cannot write " + options.FileName);
  }
  return stopped ? RunOutcome::Stopped : RunOutcome::Completed;
}

}  // namespace

bool CheckFluidSpecificHeat(Calculation& c, bool checkFluid) {
  if (!checkFluid || c.CollectorKind < 1 || c.CollectorKind > 5) return true;
  const double cp = c.s.ParamValue(kCollectorSheet, c.CollectorKind, CollectorRowsOf(c.CollectorKind).specificHeat);
  const double d = c.English() ? cp : cp / 4.19;  // Btu/lb-F
  // The bounds as a stored value holds them, so that a bound typed in is accepted.
  const auto stored = [](double bound) { return Real6ToDouble(DoubleToReal6(bound)); };
  bool suspicious = false;
  if (c.SystemKind == 1) suspicious = d < stored(0.2) || d > stored(0.3);
  if (c.SystemKind == 2 || c.SystemKind == 6 || c.SystemKind == 7)
    suspicious = d < stored(0.7) || d > stored(1.1);
  if (!suspicious) return true;
  std::string value = FormatValue(cp, {DecStyle::FixedDecimal, 2});
  if (value.size() < 6) value.insert(0, 6 - value.size(), ' ');
  return c.prompts.AskYesNo("Check collector specific heat",
                            "The collector fluid specific heat is" + value + ".  Is this value correct?");
}

void WriteCollectorSlope(Calculation& c, double slope) {
  if (c.SystemKind == 8) return c.s.SetParamValue(kSystemSheet, 8, 6, slope);
  if (c.CollectorKind < 1 || c.CollectorKind > 4) return;  // two-axis tracking, or no collector
  c.s.SetParamValue(kCollectorSheet, c.CollectorKind, CollectorRowsOf(c.CollectorKind).slope, slope);
}

void RunSystemModel(Calculation& c) {
  ClearResults(c);
  c.ForgetReportedMessages();
  switch (c.SystemKind) {
    case 1:
    case 2:
    case 9: RunActiveSystem(c); break;
    case 3: RunBuildingStorage(c); break;
    case 4: RunDirectGain(c); break;
    case 5: RunStorageWall(c); break;
    case 6: RunPoolHeating(c); break;
    case 7: RunGeneralSystem(c); break;
    case 8: RunICSWaterHeater(c); break;
    default: StopRun(c, "Calculation stopped: the project names no known system kind."); break;
  }
  if (c.Stopped()) return BlankResults(c.s.Results);
  if (c.SystemKind == 9) ShiftHotWaterFields(c.s.Results);
}

RunOutcome RunCalculation(ProjectState& s, bool checkFluid, UserPrompts& prompts) {
  Calculation c(s, prompts);
  s.ErrorCode = 0;
  s.ErrorMessage.clear();
  c.SystemKind = s.SheetKind[kSystemSheet];
  c.CollectorKind = s.SheetKind[kCollectorSheet];
  if (!CheckFluidSpecificHeat(c, checkFluid)) return RunOutcome::Cancelled;
  ParameterSnapshot snapshot(s);
  s.ResultsValid = false;  // whatever the run leaves in the store is not the last results
  if (StopForDanglingReference(c)) return RunOutcome::Stopped;
  return s.LocationIndex >= 1 ? RunSingleLocation(c) : RunAllLocations(c);
}

}  // namespace solmon
