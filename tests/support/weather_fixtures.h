#pragma once
// Small weather records and files for the weather tests.

#include <fstream>
#include <string>

#include "core/weather/location_record.h"
#include "temp_dir.h"

namespace solmon::testing {

struct RecordValues {
  double hBar = 1000;  // Btu/ft^2 per day
  double tAmb = 50;    // F
  double humRatio = 0.006;
  double tMains = 55;  // F
  double reflect = 0.2;
};

// A record in file (English) units: the same values every month unless changed.
inline LocationRecord MakeRecord(const std::string& name, double latitude, RecordValues v = {}) {
  LocationRecord r;
  r.SetName(name);
  r.Latitude = DoubleToReal6(latitude);
  r.DegDayBase = DoubleToReal6(65);
  for (int m = 1; m <= 12; ++m) {
    r.HBar[m] = DoubleToReal6(v.hBar);
    r.TAmb[m] = DoubleToReal6(v.tAmb);
    r.HumRatio[m] = DoubleToReal6(v.humRatio);
    r.TMains[m] = DoubleToReal6(v.tMains);
    r.Reflect[m] = DoubleToReal6(v.reflect);
  }
  return r;
}

inline void WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

}  // namespace solmon::testing
