#pragma once
// The working state of one run: the driver's copies of the kinds, the
// collector and radiation variables of the current month, and the way a model
// raises a calculation message or stops the run. Every model function takes
// it; it lives for one call of RunCalculation.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/catalogue.h"
#include "core/model/project_state.h"
#include "core/model/user_prompts.h"

namespace solmon {

// ErrorCode of a run that a model stopped: the results are not valid.
constexpr std::int16_t kCalcStopped = 1;

constexpr int kMonths = 12;
constexpr int kSteps = 8;  // hour-angle steps of the average day
constexpr int kIAMEntries = 10;  // modifier table entries for 0, 10 ... 90 degrees

// Collector run variables, rebuilt by SetupCollector every month.
struct CollectorRun {
  double FRUL = 0;  // W/m^2-C or Btu/hr-ft^2-F
  double FRTA = 0;
  double CcPrime = 0;  // collector capacitance rate per area, kW/m^2-C or Btu/hr-ft^2-F
  double Ct = 0;       // test capacitance rate per area
  double SurfaceSlope = 0;    // degrees (one-axis: the axis slope)
  double SurfaceAzimuth = 0;  // degrees, 0 south, west positive
  int ReceiverOrientation = 0;  // 1 "EW", 2 "NS"
  double AcceptanceAngle = 0;   // degrees
  double ConcentrationRatio = 1;
  std::int32_t IAMGlazings = 0;
  double IAMConstant = 0;
  std::int32_t IAMRow = 1;
  // [row 1..2][entry 1..10]
  std::array<std::array<double, kIAMEntries + 1>, 3> IAMTable{};
};

// Outputs of MonthlyRadiation, valid until the next call.
struct RadiationRun {
  double HBarT = 0;
  double RBar = 0;
  double SBar = 0;
  double TauAlphaRatio = 0;
  double SunsetAngle = 0;
  double SinSunsetAngle = 0;
  std::array<double, kSteps + 1> StepKt{};
  std::array<double, kSteps + 1> StepI0{};
  std::array<double, kSteps + 1> StepTilt{};
  std::array<double, kSteps + 1> StepCosSlope{};
  double StepHours = 0;
  bool FullDay = false;
  double CosDecl = 0;
};

class Calculation {
 public:
  Calculation(ProjectState& state, UserPrompts& prompts);

  ProjectState& s;
  UserPrompts& prompts;
  int SystemKind = 0;
  int CollectorKind = 0;
  std::int32_t CalcMessageCode = 0;
  CollectorRun Collector;
  RadiationRun Radiation;
  // Months written by the current model run; a year without any has no annual result.
  int ComputedMonths = 0;
  // Put in front of messages: the location of a multi-location run.
  std::string MessagePrefix;

  bool English() const { return s.UnitSystem == 1; }
  bool Stopped() const { return s.ErrorCode != 0; }
  // A value by unit system: SI first, English second.
  double ByUnits(double si, double english) const { return English() ? english : si; }
  // k of the collector-loop formulas: capacitance rates per area are in kW (SI), FRUL in W.
  double CapacitanceScale() const { return ByUnits(1000, 1); }

  // Parameters of the current system and collector sets.
  double SystemParam(int row) const { return s.ParamValue(kSystemSheet, SystemKind, row); }
  double CollectorParam(int row) const { return s.ParamValue(kCollectorSheet, CollectorSheetKind(), row); }
  int CollectorSheetKind() const { return CollectorKind < 1 ? 1 : CollectorKind; }

  // The driver starts every model run with this: no message reported yet.
  void ForgetReportedMessages() { reported_.clear(); }
  // Hands a message to the user once per model run.
  void Report(const std::string& text);

 private:
  std::vector<std::string> reported_;
};

// Builds the text of CalcMessageCode into ErrorMessage and reports it; the run
// goes on.
void CalcMessage(Calculation& c);

// Stops the run: ErrorCode := kCalcStopped, ErrorMessage := text, reported.
void StopRun(Calculation& c, const std::string& text);

// Stops the run because the row (sheet, kind, row) holds a value the
// calculation cannot use; `requirement` says what it must be ("must be above 0").
void StopForParameter(Calculation& c, int sheet, int kind, int row, const std::string& requirement);

// The trimmed caption of a catalogue row, for messages.
std::string RowCaption(int sheet, int kind, int row);

}  // namespace solmon
