#pragma once
// Small weather records and files for the weather tests.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/weather/location_record.h"

namespace solmon::weather_test {

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

// A fresh directory per test, removed afterwards.
class TempDir {
 public:
  explicit TempDir(const std::string& tag) : path_(UniquePath(tag)) {
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string Dir() const { return path_.string() + "/"; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  void WriteBytes(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    std::ofstream out(File(name), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  void WriteText(const std::string& name, const std::string& text) const {
    std::ofstream out(File(name), std::ios::binary);
    out << text;
  }

 private:
  static std::filesystem::path UniquePath(const std::string& tag) {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::filesystem::temp_directory_path() /
           ("solmon-" + tag + "-" + std::to_string(stamp) + "-" + std::to_string(++counter));
  }
  std::filesystem::path path_;
};

}  // namespace solmon::weather_test
