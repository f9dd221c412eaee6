#include "core/calc/radiation.h"

#include <algorithm>
#include <cmath>

#include "core/calc/collector.h"
#include "core/model/numbers.h"
#include "core/model/solar_constants.h"

namespace solmon {

namespace {

constexpr double kDegree = kDegreeFactor;
constexpr double kPi = 3.1415927;

// The average day of the month at the location.
struct Day {
  double phi = 0;  // latitude, degrees
  double delta = 0;  // declination, degrees
  double cosPhi = 0, sinPhi = 0, cosDelta = 0, sinDelta = 0;
  // The hour angle at which the sun crosses the east-west line, when it does
  // (|x| < 1 with x = tan(delta) / tan(phi)); the same for every step.
  bool crossesEastWest = false;
  double eastWestAngle = 0;
  // The diffuse modifier of flat and one-axis surfaces, looked up at 60 degrees.
  double diffuseAt60 = 0;
};

// The sun at one step.
struct Sun {
  double omega = 0;
  double cosZenith = 0, sinZenith = 0;
  double azimuth = 0;  // radians
};

// What the surface makes of one step.
struct SurfaceStep {
  double cosTheta = 0;
  double beamModifier = 0, diffuseModifier = 0;
  double accepted = 1;
  double cosSlope = 0;
};

// Orientation of a fixed surface, taken at the first step.
struct FixedSurface {
  double gamma = 0, sinSlope = 0, cosSlope = 1;
};

double SolarAzimuth(const Day& d, const Sun& sun) {
  const double primed = ArcSin(std::sin(sun.omega) * d.cosDelta / sun.sinZenith);
  const double c1 = d.crossesEastWest && std::fabs(sun.omega) > d.eastWestAngle ? -1 : 1;
  // On the equator itself the product is 0 whatever the season, which would
  // put the noon sun in front of a south-facing surface all year; the
  // equator is taken as the edge of the north, like its azimuths.
  const bool poleSide = d.phi != 0 ? d.phi * (d.phi - d.delta) < 0 : d.delta > 0;
  const double c2 = poleSide ? -1 : 1;
  const double c3 = sun.omega < 0 ? -1 : 1;
  return c1 * c2 * primed + c3 * (1 - c1 * c2) / 2 * kPi;
}

double IncidenceDegrees(double cosTheta) { return ArcCos(cosTheta) / kDegree; }

SurfaceStep FlatSurface(Calculation& c, const Day& d, int k, const Sun& sun, FixedSurface& f) {
  const CollectorRun& col = c.Collector;
  if (k == 1) {
    f.gamma = col.SurfaceAzimuth * kDegree;
    f.cosSlope = std::cos(col.SurfaceSlope * kDegree);
    f.sinSlope = std::sin(col.SurfaceSlope * kDegree);
    c.Radiation.FullDay = std::fabs(f.gamma) > kDegree;
  }
  SurfaceStep st;
  st.cosTheta = SurfaceCosIncidence(f.gamma, f.sinSlope, f.cosSlope, sun.azimuth, sun.sinZenith,
                                    sun.cosZenith);
  st.diffuseModifier = d.diffuseAt60;
  st.beamModifier = IAMLookup(col, 1, IncidenceDegrees(st.cosTheta));
  st.cosSlope = f.cosSlope;
  return st;
}

// Evacuated tubes (acceptance 90 degrees) and compound parabolic concentrators.
SurfaceStep TroughSurface(Calculation& c, const Sun& sun, double acceptance) {
  const CollectorRun& col = c.Collector;
  const double gamma = col.SurfaceAzimuth * kDegree;
  const double cosSlope = std::cos(col.SurfaceSlope * kDegree);
  const double sinSlope = std::sin(col.SurfaceSlope * kDegree);
  c.Radiation.FullDay = std::fabs(gamma) > kDegree;
  SurfaceStep st;
  st.cosTheta = SurfaceCosIncidence(gamma, sinSlope, cosSlope, sun.azimuth, sun.sinZenith, sun.cosZenith);
  const double transverse =
      std::atan(std::cos(gamma - sun.azimuth) * sun.sinZenith / sun.cosZenith) / kDegree - col.SurfaceSlope;
  const double longitudinal = std::atan(std::sin(gamma - sun.azimuth) * sun.sinZenith / st.cosTheta) / kDegree;
  const bool northSouth = col.ReceiverOrientation == 2;
  const double theta1 = northSouth ? longitudinal : transverse;
  const double theta2 = northSouth ? transverse : longitudinal;
  st.beamModifier = IAMLookup(col, 1, theta1) * IAMLookup(col, 2, theta2);
  st.diffuseModifier = IAMLookup(col, 1, 37) * IAMLookup(col, 2, 57);
  st.accepted = acceptance >= std::fabs(theta1) ? 1 : 0;
  st.cosSlope = cosSlope;
  return st;
}

SurfaceStep OneAxisSurface(Calculation& c, const Day& d, const Sun& sun) {
  CollectorRun& col = c.Collector;
  c.Radiation.FullDay = true;
  const double gammaA = col.SurfaceAzimuth * kDegree;
  if (col.SurfaceSlope == 0) col.SurfaceSlope = 0.1;  // a level axis is taken as slightly tilted
  const double sinA = std::sin(col.SurfaceSlope * kDegree);
  const double cosA = std::cos(col.SurfaceSlope * kDegree);
  const double cosAxis = SurfaceCosIncidence(gammaA, sinA, cosA, sun.azimuth, sun.sinZenith, sun.cosZenith);
  double gamma = std::atan(std::sin(sun.azimuth - gammaA) * sun.sinZenith / (cosAxis * sinA)) + gammaA;
  if (gamma > kPi) gamma = gamma - kPi;
  if ((gamma - gammaA) * (sun.azimuth - gammaA) < 0) gamma = gamma + (sun.azimuth - gammaA >= 0 ? 1 : -1) * kPi;
  double beta = std::atan((sinA / cosA) / std::cos(gamma - gammaA));
  if (beta < 0) beta = beta + kPi;
  SurfaceStep st;
  st.cosSlope = std::cos(beta);
  st.cosTheta = SurfaceCosIncidence(gamma, std::sin(beta), st.cosSlope, sun.azimuth, sun.sinZenith,
                                    sun.cosZenith);
  st.diffuseModifier = d.diffuseAt60;
  st.beamModifier = IAMLookup(col, 1, IncidenceDegrees(st.cosTheta));
  return st;
}

SurfaceStep TwoAxisSurface(Calculation& c, const Sun& sun) {
  c.Radiation.FullDay = false;
  SurfaceStep st;
  st.cosSlope = sun.cosZenith;
  st.cosTheta = 1;
  st.diffuseModifier = 0.88;
  st.beamModifier = 1;
  return st;
}

SurfaceStep SetupSurface(Calculation& c, const Day& d, int k, const Sun& sun, FixedSurface& fixed) {
  switch (c.CollectorKind) {
    case 2: return TroughSurface(c, sun, 90);
    case 3: return TroughSurface(c, sun, c.Collector.AcceptanceAngle);
    case 4: return OneAxisSurface(c, d, sun);
    case 5: return TwoAxisSurface(c, sun);
    default: return FlatSurface(c, d, k, sun, fixed);
  }
}

double ConcentrationOf(const Calculation& c) {
  return c.CollectorKind >= 3 && c.CollectorKind <= 5 ? c.Collector.ConcentrationRatio : 1;
}

// A month without sunrise: nothing of an earlier month may show through.
void PolarNight(Calculation& c) {
  RadiationRun& r = c.Radiation;
  r.RBar = 0;
  r.SBar = 0;
  r.TauAlphaRatio = 1;
  r.HBarT = 0;
  r.SunsetAngle = 0;
  r.SinSunsetAngle = 0;
  r.StepHours = 0;
  r.FullDay = false;
  const double cosSlope = std::cos(c.Collector.SurfaceSlope * kDegree);
  for (int k = 1; k <= kSteps; ++k) {
    r.StepKt[k] = 0;
    r.StepI0[k] = 0;
    r.StepTilt[k] = 0;
    r.StepCosSlope[k] = cosSlope;
  }
}

double TauAlphaOf(double incident, double absorbed) {
  double ratio = incident > 0 ? absorbed / incident : 0.9;
  if (!(absorbed > 0)) ratio = 0.9;
  return ratio;
}

}  // namespace

double SurfaceCosIncidence(double gamma, double sinSlope, double cosSlope, double gammaS,
                           double sinZenith, double cosZenith) {
  const double v = std::fabs(std::cos(gamma - gammaS) * sinZenith * sinSlope + cosZenith * cosSlope);
  return v <= 1 ? v : 0.9999;
}

void MonthlyRadiation(Calculation& c, int m) {
  if (c.Stopped()) return;
  RadiationRun& r = c.Radiation;
  const LocationRecord& loc = c.s.Location;
  Day d;
  d.phi = Real6ToDouble(loc.Latitude);
  d.delta = kMonthDeclination[m];
  d.cosPhi = std::cos(d.phi * kDegree);
  d.sinPhi = std::sin(d.phi * kDegree);
  d.cosDelta = std::cos(d.delta * kDegree);
  d.sinDelta = std::sin(d.delta * kDegree);
  r.CosDecl = d.cosDelta;
  if (d.sinPhi != 0) {  // on the equator x is infinite: the sun never crosses
    const double x = (d.cosPhi / d.sinPhi) * (d.sinDelta / d.cosDelta);
    d.crossesEastWest = std::fabs(x) < 1;
    if (d.crossesEastWest) d.eastWestAngle = ArcCos(x);
  }
  d.diffuseAt60 = IAMLookup(c.Collector, 1, 60);

  double t = (d.sinDelta / d.cosDelta) * d.sinPhi / d.cosPhi;
  if (t < -1) return PolarNight(c);
  if (t > 1) t = 0.9999;
  const double ws = ArcCos(-t);
  r.SunsetAngle = ws;
  r.SinSunsetAngle = std::sin(ws);

  const double hBar = Real6ToDouble(loc.HBar[m]);
  const double reflect = Real6ToDouble(loc.Reflect[m]);
  const double isc = kSolarConstant[c.s.UnitSystem == 1 ? 1 : 0];
  const double e0 = 1 - 0.033 * d.delta / 23.45;
  const double h0 = kDayFactor * e0 * isc *
                    (d.cosPhi * d.cosDelta * r.SinSunsetAngle + ws * d.sinPhi * d.sinDelta);
  const double kBar = h0 > 0 ? hBar / h0 : 0;  // no extraterrestrial day: no clearness
  const double a = 0.409 + 0.5016 * std::sin(ws - 1.047);
  const double b = 0.661 - 0.9503588516746412 * (a - 0.409);
  const double dOmega = 2 * ws / kSteps;
  r.StepHours = dOmega * 12 / kPi;
  const double concentration = ConcentrationOf(c);

  double incident = 0, absorbed = 0;
  FixedSurface fixed;
  r.FullDay = false;
  auto step = [&](int k) {
    Sun sun;
    sun.omega = (k - 0.5) * dOmega - ws;
    const double cosOmega = std::cos(sun.omega);
    sun.cosZenith = d.cosPhi * d.cosDelta * cosOmega + d.sinPhi * d.sinDelta;
    sun.sinZenith = std::sin(ArcCos(sun.cosZenith));
    sun.azimuth = SolarAzimuth(d, sun);
    r.StepI0[k] = isc * e0 * sun.cosZenith;
    r.StepKt[k] = (a + b * cosOmega) * kBar;
    const double kt = r.StepKt[k];
    const double kt2 = kt * kt;
    const double fd = std::clamp(1.317 - 3.023 * kt + 3.372 * kt2 - 1.76 * (kt2 * kt), 0.0, 1.0);
    const SurfaceStep st = SetupSurface(c, d, k, sun, fixed);
    double beamTilt = 0;
    if (!(std::fabs(sun.cosZenith) < 1e-5)) beamTilt = st.cosTheta / sun.cosZenith * (1 - fd) * st.accepted;
    if (beamTilt < 0) beamTilt = 0;
    const double diffuseTilt = reflect * (1 - st.cosSlope) / 2 + (1 + st.cosSlope) / 2 * fd;
    if (r.StepKt[k] > 1) r.StepKt[k] = 1;
    const double ktI0 = r.StepKt[k] * r.StepI0[k];
    const double stepIncident = ktI0 * (diffuseTilt / concentration + beamTilt);
    const double stepAbsorbed = (beamTilt * st.beamModifier + diffuseTilt / concentration * st.diffuseModifier) *
                                r.StepKt[k] * r.StepI0[k];
    incident += stepIncident * r.StepHours;
    absorbed += stepAbsorbed * r.StepHours;
    r.StepTilt[k] = beamTilt + diffuseTilt;
    r.StepCosSlope[k] = st.cosSlope;
  };
  for (int k = 1; k <= 4; ++k) step(k);
  r.TauAlphaRatio = TauAlphaOf(incident, absorbed);
  if (r.FullDay) {
    for (int k = 5; k <= kSteps; ++k) step(k);
    r.TauAlphaRatio = TauAlphaOf(incident, absorbed);
  } else {
    incident = 2 * incident;
    absorbed = 2 * absorbed;
  }
  r.RBar = hBar > 0 ? incident / hBar : 1;
  r.HBarT = incident;
  r.SBar = absorbed;
}

double DailyUtilizability(const RadiationRun& r, double criticalIntensity) {
  const int steps = r.FullDay ? kSteps : 4;
  const double cos2Delta = r.CosDecl * r.CosDecl;
  double above = 0, total = 0;
  for (int k = 1; k <= steps; ++k) {
    const double kt = r.StepKt[k];
    const double tilt = r.StepTilt[k];
    const double i0 = r.StepI0[k];
    const double xm = kt > 0 ? 1.85 + (0.169 * tilt - 0.0696 * r.StepCosSlope[k]) / (kt * kt) - 0.981 * kt / cos2Delta
                             : 0;
    const double g = (xm - 1) / (2 - xm);
    const double onSurface = i0 * kt * tilt;
    // A step without radiation on the surface adds nothing to either sum.
    const double xc = i0 * kt > 0 && onSurface != 0 ? criticalIntensity / onSurface : 1e35;
    double phi;
    if (xc < 0) {
      phi = 1;
    } else if (xc > xm) {
      phi = 0;
    } else {
      const double ratio = xm != 0 ? 1 - xc / xm : 1;
      if (std::isfinite(g))
        phi = std::fabs(std::fabs(g) - std::sqrt(std::max(0.0, (1 + 2 * g) * ratio * ratio + g * g)));
      else
        phi = ratio * ratio;  // the limit for g without bound (xm = 2)
    }
    above += phi * kt * tilt * i0 * r.StepHours;
    total += kt * tilt * i0 * r.StepHours;
  }
  return total > 0 ? above / total : 0;
}

}  // namespace solmon
