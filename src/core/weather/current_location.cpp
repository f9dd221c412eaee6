// The current location: loading it, its derived tables (sky temperatures,
// degree-days, mean and spread of the ambient temperature) and unit switches.

#include <cmath>
#include <stdexcept>

#include "core/model/numbers.h"
#include "core/model/solar_constants.h"
#include "core/model/units.h"
#include "core/weather/weather_file.h"

namespace solmon {

namespace {

double Get(const Real6& r) {
  return Real6ToDouble(r);
}

void CheckMonth(int m) {
  if (m < 1 || m > 12) throw std::out_of_range("no month " + std::to_string(m));
}

// The cloud term 1 - 1.1 exp(-5.15 KT) of the sky emissivity vanishes at
// KT = ln(1.1) / 5.15 (about 0.0185). Within this band around it the
// clearness index is treated like an overcast month (KT <= 0.01), so the sky
// temperature never comes from a division by (nearly) zero.
constexpr double kCloudPoleBand = 1e-4;

// Monthly clearness index from the English-unit record (solar constant 428).
double ClearnessIndex(int m, double sinPhi, double cosPhi, double hBar) {
  const double delta = kMonthDeclination[m];
  const double sinDelta = std::sin(delta * kDegreeFactor);
  const double cosDelta = std::cos(delta * kDegreeFactor);
  double t = (sinDelta / cosDelta) * (sinPhi / cosPhi);
  if (t < -1) return 0.001;  // the sun does not rise
  if (t > 0.9999) t = 0.9999;
  const double ws = ArcCos(-t);
  const double h0 = kDayFactor * (1 - 0.033 * delta / 23.45) * kSolarConstant[kEnglish] *
                    (cosPhi * cosDelta * std::sin(ws) + ws * sinPhi * sinDelta);
  return h0 > 0 ? hBar / h0 : 0;
}

// Sky temperature in kelvin from the ambient (kelvin), clear-sky emissivity
// and clearness index.
double SkyTemperature(double ta, double emissivity, double kt) {
  static const double cloudPole = std::log(1.1) / 5.15;
  if (kt <= 0.01 || kt >= 1 || std::fabs(kt - cloudPole) < kCloudPoleBand) return ta - 20;
  const double ratio = std::fabs(emissivity / (1 - 1.1 * std::exp(-5.15 * kt)));
  return std::sqrt(std::sqrt(ta * ta * ta * ta * ratio));
}

// Dew point in degrees C from the humidity ratio.
double DewPoint(double w) {
  const double x = w / (w + 0.622);
  const double rankine = 1 / (1.0 / 530 - std::log(x / 0.0247) / 9548);
  return rankine / 1.8 - 273.15;
}

double FahrenheitToCelsius(double t) {
  return (t - 32) / 1.8;
}
double CelsiusToFahrenheit(double t) {
  return t * 1.8 + 32;
}

// -999 marks a month without a value in either unit system.
constexpr double kNoValueMark = -999;

template <typename F>
void ConvertEach(MonthlyReal6& table, F convert) {
  for (int m = 1; m <= 12; ++m)
    if (Get(table[m]) != kNoValueMark) StoreReal6(table[m], convert(Get(table[m])));
}

template <typename F>
void ConvertOne(Real6& value, F convert) {
  StoreReal6(value, convert(Get(value)));
}

bool UsesSkyTemperature(const ProjectState& s) {
  return s.SheetKind[1] == 6 || s.SheetKind[1] == 8;
}

// English <-> SI of every converted value. `temperature` converts absolute
// temperatures, `difference` temperature differences, `radiation` HBar.
template <typename T, typename D, typename R>
void ConvertValues(ProjectState& s, T temperature, D difference, R radiation) {
  LocationRecord& loc = s.Location;
  ConvertEach(loc.HBar, radiation);
  ConvertEach(loc.TAmb, temperature);
  ConvertEach(loc.TMains, temperature);
  if (UsesSkyTemperature(s))
    ConvertEach(s.TSky, temperature);
  else
    ConvertEach(s.DegDays, difference);
  ConvertOne(s.TSigma, difference);
  ConvertOne(s.TMean, temperature);
  ConvertOne(loc.DegDayBase, temperature);
}

void CommitLocation(ProjectState& s, const ProjectState& work) {
  s.Location = work.Location;
  s.DegDays = work.DegDays;
  s.TSky = work.TSky;
  s.TSigma = work.TSigma;
  s.TMean = work.TMean;
}

// TMean and TSigma of the English record, in degrees F.
void ComputeTemperatureSpread(ProjectState& s) {
  double sum = 0;
  for (int m = 1; m <= 12; ++m) sum += Get(s.Location.TAmb[m]);
  StoreReal6(s.TMean, sum / 12);
  const double mean = Get(s.TMean);
  double squares = 0;
  for (int m = 1; m <= 12; ++m) {
    const double d = Get(s.Location.TAmb[m]) - mean;
    squares += d * d;
  }
  StoreReal6(s.TSigma, std::sqrt(squares / 11));
}

}  // namespace

void ComputeSkyTemperatures(ProjectState& s) {
  LocationRecord& loc = s.Location;
  const double phi = Get(loc.Latitude) * kDegreeFactor;
  const double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
  // All twelve values are formed before any is stored, so that an overflow
  // leaves the tables as they were.
  MonthlyReal6 humidity = loc.HumRatio;
  std::array<Real6, 13> sky = s.TSky;
  for (int m = 1; m <= 12; ++m) {
    if (!(Get(humidity[m]) > 0)) humidity[m] = DoubleToReal6(0.001);
    const double tdp = DewPoint(Get(humidity[m]));
    const double emissivity = 0.711 + 0.56 * (tdp / 100) + 0.73 * (tdp / 100) * (tdp / 100);
    const double kt = ClearnessIndex(m, sinPhi, cosPhi, Get(loc.HBar[m]));
    const double ta = (Get(loc.TAmb[m]) + 459.67) / 1.8;
    sky[m] = DoubleToReal6(SkyTemperature(ta, emissivity, kt) * 1.8 - 459.67);
  }
  loc.HumRatio = humidity;
  s.TSky = sky;
}

void ComputeDegreeDays(ProjectState& s, int m, double tb) {
  CheckMonth(m);
  const double n = kMonthDays[m];
  const double c = s.UnitSystem == kEnglish ? 3.537 : 1.45;
  const double tAmb = Get(s.Location.TAmb[m]);
  const double sigma = c - 0.029 * tAmb + 0.0664 * Get(s.TSigma);
  const double h = (tb - tAmb) / std::sqrt(n) / sigma;
  double degreeDays = 0;
  if (!(h <= -1))
    degreeDays =
        sigma * PowerOf(1.5, n) *
        (std::log((std::exp(-1.698 * h) + std::exp(1.698 * h)) / 2) / 2 / 1.698 + h / 2 + 0.2041);
  if (!(degreeDays > 0)) degreeDays = 0;  // also a NaN from a degenerate spread
  StoreReal6(s.DegDays[m], degreeDays);
}

void ConvertLocationUnits(ProjectState& s, int from, int to) {
  if (s.SheetKind[1] < 1) return;
  const bool toSI = from == kEnglish && to == kSI;
  const bool toEnglish = from == kSI && to == kEnglish;
  if (!toSI && !toEnglish) return;
  ProjectState work = s;
  if (toSI) {
    ComputeSkyTemperatures(work);
    ConvertValues(
        work, FahrenheitToCelsius, [](double t) { return t / 1.8; },
        [](double h) { return h / 0.088; });
  } else {
    ConvertValues(
        work, CelsiusToFahrenheit, [](double t) { return t * 1.8; },
        [](double h) { return h * 0.088; });
  }
  CommitLocation(s, work);
}

void SetCurrentLocation(ProjectState& s, const LocationRecord& englishRecord) {
  ProjectState work = s;
  work.Location = englishRecord;
  try {
    ComputeTemperatureSpread(work);
    if (work.UnitSystem == kEnglish) ComputeSkyTemperatures(work);
    ConvertLocationUnits(work, kEnglish, work.UnitSystem);
    for (int m = 1; m <= 12; ++m) ComputeDegreeDays(work, m, Get(work.Location.DegDayBase));
  } catch (const Real6Overflow&) {
    throw WeatherFileError("location \"" + englishRecord.Name() +
                           "\" holds a value out of range; it was not loaded");
  }
  CommitLocation(s, work);
}

void LoadLocationFrom(ProjectState& s, const std::string& path, int n) {
  const LocationRecord record = ReadLocation(path, n);
  try {
    SetCurrentLocation(s, record);
  } catch (const WeatherFileError& e) {
    throw WeatherFileError("weather file \"" + path + "\", " + e.what());
  }
}

void LoadLocation(ProjectState& s, int n) {
  LoadLocationFrom(s, WeatherFilePath(s), n);
}

}  // namespace solmon
