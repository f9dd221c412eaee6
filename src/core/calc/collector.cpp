#include "core/calc/collector.h"

#include <cmath>

#include "core/model/numbers.h"
#include "core/model/solar_constants.h"

namespace solmon {

namespace {

constexpr double kDegree = kDegreeFactor;

// Modifier of a flat plate with 0..4 covers at 0, 10 ... 80 degrees.
constexpr double kGlazingModifiers[5][9] = {
    {1.0, 0.9958, 0.9905, 0.984, 0.9787, 0.965, 0.9294, 0.8486, 0.6351},
    {1.0, 0.9961, 0.9905, 0.9816, 0.9685, 0.9357, 0.8555, 0.6776, 0.3288},
    {1.0, 0.9962, 0.9901, 0.9803, 0.9649, 0.9273, 0.8323, 0.6141, 0.2457},
    {1.0, 0.9959, 0.9893, 0.9792, 0.9647, 0.9292, 0.8284, 0.5761, 0.1994},
    {1.0, 0.9957, 0.9887, 0.979, 0.9675, 0.9384, 0.8361, 0.5514, 0.171},
};

CollectorRows MakeRows(int kind) {
  CollectorRows r;
  switch (kind) {
    case 2:
      r.slope = 5, r.azimuth = 6, r.orientation = 7, r.perpendicular = 8, r.parallel = 9;
      r.flow = 10, r.specificHeat = 11, r.modifyTest = 12, r.testFlow = 13, r.testSpecificHeat = 14;
      break;
    case 3:
      r.concentration = 5, r.acceptance = 6, r.slope = 7, r.azimuth = 8, r.orientation = 9;
      r.perpendicular = 10, r.parallel = 11;
      r.flow = 12, r.specificHeat = 13, r.modifyTest = 14, r.testFlow = 15, r.testSpecificHeat = 16;
      break;
    case 4:
      r.concentration = 5, r.slope = 6, r.azimuth = 7, r.perpendicular = 8;
      r.flow = 9, r.specificHeat = 10, r.modifyTest = 11, r.testFlow = 12, r.testSpecificHeat = 13;
      break;
    case 5:
      r.concentration = 5;
      r.flow = 6, r.specificHeat = 7, r.modifyTest = 8, r.testFlow = 9, r.testSpecificHeat = 10;
      break;
    default:
      r.slope = 5, r.azimuth = 6, r.modifierCalculation = 7, r.covers = 8, r.modifierConstant = 9;
      r.modifierValues = 10;
      r.flow = 11, r.specificHeat = 12, r.modifyTest = 13, r.testFlow = 14, r.testSpecificHeat = 15;
      break;
  }
  return r;
}

void StopForCollectorRow(Calculation& c, int row, const std::string& requirement) {
  StopForParameter(c, kCollectorSheet, c.CollectorSheetKind(), row, requirement);
}

// The flat plate's own modifier choice: glazings, constant or values.
void FillFlatPlateModifiers(Calculation& c, const CollectorRows& r) {
  CollectorRun& k = c.Collector;
  k.IAMGlazings = static_cast<std::int32_t>(RoundToInt(c.CollectorParam(r.covers)));
  k.IAMConstant = c.CollectorParam(r.modifierConstant);
  switch (RoundToInt(c.CollectorParam(r.modifierCalculation))) {
    case 1:
      if (!FillIAMByGlazings(k, k.IAMGlazings)) StopForCollectorRow(c, r.covers, "must be 0 to 4");
      break;
    case 2:
      k.IAMGlazings = -1;
      FillIAMByGlazings(k, -1);
      break;
    case 3:
      FillModifierRow(c, 1, c.CollectorParam(r.modifierValues));
      break;
    default:
      break;  // row 1 stays as it was
  }
}

}  // namespace

void FillModifierRow(Calculation& c, int tableRow, double value) {
  CollectorRun& k = c.Collector;
  if (IsTableReference(value)) {
    const ValueTable& t = c.s.ExtraTables[tableRow];
    for (int i = 1; i <= kIAMEntries; ++i) k.IAMTable[tableRow][i] = Real6ToDouble(t[i]);
  } else {
    k.IAMConstant = value;
    k.IAMRow = tableRow;
    FillIAMConstant(k);
  }
}

const CollectorRows& CollectorRowsOf(int collectorKind) {
  static const CollectorRows rows[6] = {MakeRows(1), MakeRows(1), MakeRows(2),
                                        MakeRows(3), MakeRows(4), MakeRows(5)};
  return rows[collectorKind >= 1 && collectorKind <= 5 ? collectorKind : 0];
}

void SetupCollector(Calculation& c) {
  const int kind = c.CollectorSheetKind();
  const CollectorRows& r = CollectorRowsOf(kind);
  CollectorRun& k = c.Collector;
  double area = c.CollectorParam(r.panels) * c.CollectorParam(r.panelArea);
  k.FRUL = c.CollectorParam(r.frul);
  k.FRTA = c.CollectorParam(r.frta);
  if (r.slope) k.SurfaceSlope = c.CollectorParam(r.slope);
  if (r.azimuth) k.SurfaceAzimuth = std::fabs(c.CollectorParam(r.azimuth));
  if (r.orientation) k.ReceiverOrientation = static_cast<int>(RoundToInt(c.CollectorParam(r.orientation)));
  if (r.concentration) k.ConcentrationRatio = c.CollectorParam(r.concentration);
  if (r.acceptance) k.AcceptanceAngle = c.CollectorParam(r.acceptance);
  if (kind == 1) {
    k.AcceptanceAngle = 0;
    k.ConcentrationRatio = 1;
    k.ReceiverOrientation = 0;
    if (!(area > 0)) area = 1e-6;
    FillFlatPlateModifiers(c, r);
  } else {
    if (r.perpendicular) FillModifierRow(c, 1, c.CollectorParam(r.perpendicular));
    if (r.parallel) FillModifierRow(c, 2, c.CollectorParam(r.parallel));
  }
  c.s.Results.CollectorArea = area;
  if (c.Stopped()) return;
  if (r.concentration && !(k.ConcentrationRatio > 0))
    return StopForCollectorRow(c, r.concentration, "must be above 0");

  k.CcPrime = c.CollectorParam(r.flow) * c.CollectorParam(r.specificHeat);
  if (RoundToInt(c.CollectorParam(r.modifyTest)) == 2) return;
  k.Ct = c.CollectorParam(r.testFlow) * c.CollectorParam(r.testSpecificHeat);
  TestFlowCorrection(c);
}

void TestFlowCorrection(Calculation& c) {
  CollectorRun& k = c.Collector;
  const double unit = c.CapacitanceScale();
  const double x = k.FRUL / k.Ct / unit;
  if (!(x <= 1)) {  // too steep, or undefined
    c.CalcMessageCode = 4;
    CalcMessage(c);
    return;
  }
  double r;
  if (x == 1) {
    r = k.CcPrime / k.Ct;  // the limit of the formula below
  } else {
    const double y = -k.Ct * std::log(1 - x);
    if (y == 0)
      r = 1;  // no loss slope: the limit
    else
      r = (k.CcPrime / k.Ct) * (1 - std::exp(-y / k.CcPrime)) / (1 - std::exp(-y / k.Ct));
  }
  if (!std::isfinite(r)) {
    const CollectorRows& rows = CollectorRowsOf(c.CollectorSheetKind());
    return StopForCollectorRow(c, k.CcPrime > 0 ? rows.testFlow : rows.flow, "must be above 0");
  }
  k.FRUL = k.FRUL * r;
  k.FRTA = k.FRTA * r;
}

bool RequireCollectorArea(Calculation& c) {
  if (c.s.Results.CollectorArea > 0) return true;
  const CollectorRows& r = CollectorRowsOf(c.CollectorSheetKind());
  StopForCollectorRow(c, c.CollectorParam(r.panels) > 0 ? r.panelArea : r.panels, "must be above 0");
  return false;
}

bool RequireCollectorLoop(Calculation& c) {
  if (!RequireCollectorArea(c)) return false;
  const CollectorRows& r = CollectorRowsOf(c.CollectorSheetKind());
  if (!(c.Collector.CcPrime > 0)) {
    StopForCollectorRow(c, c.CollectorParam(r.flow) > 0 ? r.specificHeat : r.flow, "must be above 0");
    return false;
  }
  return true;
}

bool HeatExchangerCorrection(Calculation& c, double tankSideRate, double effectiveness) {
  if (!RequireCollectorLoop(c)) return false;
  CollectorRun& k = c.Collector;
  const double unit = c.CapacitanceScale();
  const double cc = unit * k.CcPrime;
  const double ch = unit * tankSideRate;
  const double cmin = cc < ch ? cc : ch;
  const double f = 1 / (1 + (k.FRUL / cc) * (cc / (effectiveness * cmin) - 1));
  k.FRUL = k.FRUL * f;
  k.FRTA = k.FRTA * f;
  return true;
}

bool PipeLossCorrection(Calculation& c, double inletUA, double outletUA) {
  if (!RequireCollectorLoop(c)) return false;
  CollectorRun& k = c.Collector;
  const double area = c.s.Results.CollectorArea;
  if (k.FRUL == 0) {
    StopForCollectorRow(c, CollectorRowsOf(c.CollectorSheetKind()).frul, "must be above 0");
    return false;
  }
  const double cap = k.CcPrime * area * c.CapacitanceScale();
  const double d = 1 / (1 + outletUA / cap);
  k.FRUL = k.FRUL * ((1 - inletUA / cap) + (inletUA + outletUA) / (area * k.FRUL)) * d;
  k.FRTA = k.FRTA * d;
  return true;
}

bool FillIAMByGlazings(CollectorRun& k, int n) {
  if (n > 4) return false;
  auto& row = k.IAMTable[1];
  row[1] = 1;
  row[10] = 0;
  for (int i = 2; i <= 9; ++i) {
    if (n >= 0) {
      row[i] = kGlazingModifiers[n][i - 1];
    } else {
      const double theta = (i - 1) * 10 * kDegree;
      row[i] = 1 - k.IAMConstant * (1 / std::cos(theta) - 1);
    }
  }
  return true;
}

void FillIAMConstant(CollectorRun& k) {
  const int row = k.IAMRow == 2 ? 2 : 1;
  for (int i = 1; i <= kIAMEntries; ++i) k.IAMTable[row][i] = k.IAMConstant;
}

double IAMLookup(const CollectorRun& k, int row, double angle) {
  const double x = std::fabs(angle);
  if (!(x <= 89)) return 0;
  const auto& e = k.IAMTable[row == 2 ? 2 : 1];
  const int i = static_cast<int>(std::trunc(x / 10)) + 1;
  return e[i] + (x / 10 - i + 1) * (e[i + 1] - e[i]);
}

bool RequireCollectorIntercept(Calculation& c) {
  if (c.Collector.FRTA != 0) return true;
  StopForCollectorRow(c, CollectorRowsOf(c.CollectorSheetKind()).frta, "must not be 0");
  return false;
}

}  // namespace solmon
