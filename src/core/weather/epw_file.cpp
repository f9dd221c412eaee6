#include "core/weather/epw_file.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include "core/model/numbers.h"
#include "core/weather/psychrometrics.h"
#include "core/weather/text_fields.h"

namespace solmon {

namespace {

constexpr std::size_t kLocationFields = 10;
constexpr std::size_t kHourFields = 35;

// A numeric field of an hour line: its 1-based number, valid range and the
// marker at and above which the file means "missing".
struct FieldSpec {
  std::size_t number;
  const char* name;
  double lo, hi, missing;
};

constexpr FieldSpec kMonth{2, "month", 1, 12, 1e300};
constexpr FieldSpec kDryBulb{7, "dry bulb temperature", -70, 70, 99.9};
constexpr FieldSpec kDewPoint{8, "dew point temperature", -70, 70, 99.9};
constexpr FieldSpec kPressure{10, "station pressure", 31000, 120000, 999999};
constexpr FieldSpec kGlobal{14, "global horizontal radiation", 0, 9998, 9999};
constexpr FieldSpec kAlbedo{33, "albedo", 0, 1, 999};
constexpr FieldSpec kLatitude{7, "latitude", -90, 90, 1e300};
constexpr FieldSpec kElevation{10, "elevation", -1000, 9999.9, 1e300};

std::string NumberText(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", v);
  return text;
}

class EpwLine {
 public:
  EpwLine(const std::string& label, int number, const std::string& text)
      : label_(label), number_(number), fields_(SplitFields(text)) {}

  std::size_t FieldCount() const { return fields_.size(); }
  const std::string& Text(std::size_t field) const { return fields_[field - 1]; }

  [[noreturn]] void Fail(const std::string& why) const {
    throw ClimateDataError(label_ + " line " + std::to_string(number_) + ": " + why);
  }
  [[noreturn]] void Fail(const FieldSpec& f, const std::string& why) const {
    Fail("field " + std::to_string(f.number) + " (" + f.name + ") " + why);
  }

  void ExpectFields(std::size_t count) const {
    if (fields_.size() != count)
      Fail("has " + std::to_string(fields_.size()) + " fields, expected " + std::to_string(count));
  }

  // Nothing for a missing value (when allowed) or an empty optional field.
  std::optional<double> Value(const FieldSpec& f, bool mayBeMissing = false) const {
    const std::string& text = Text(f.number);
    if (mayBeMissing && TrimSpaces(text, text.size()).empty()) return std::nullopt;
    const auto v = FieldNumber(text);
    if (!v) Fail(f, "\"" + text + "\" is not a number");
    if (*v >= f.missing) {
      if (mayBeMissing) return std::nullopt;
      Fail(f, "is missing (" + text + ")");
    }
    if (*v < f.lo || *v > f.hi)
      Fail(f, text + " is outside " + NumberText(f.lo) + " to " + NumberText(f.hi));
    return v;
  }
  double Required(const FieldSpec& f) const { return *Value(f); }

 private:
  const std::string& label_;
  int number_;
  std::vector<std::string> fields_;
};

struct MonthSums {
  int hours = 0;
  double global = 0, dryBulb = 0, dewPoint = 0, humidity = 0;
  int albedoHours = 0;
  double albedo = 0;
};

void AddHour(const EpwLine& line, std::array<MonthSums, 13>& sums) {
  line.ExpectFields(kHourFields);
  const double month = line.Required(kMonth);
  if (month != std::floor(month)) line.Fail(kMonth, line.Text(kMonth.number) + " is not a month");
  MonthSums& s = sums[static_cast<int>(month)];
  const double dewPoint = line.Required(kDewPoint);
  s.dryBulb += line.Required(kDryBulb);
  s.dewPoint += dewPoint;
  s.humidity += HumidityRatio(SaturationPressure(dewPoint), line.Required(kPressure));
  s.global += line.Required(kGlobal);
  if (const auto albedo = line.Value(kAlbedo, true)) {
    s.albedo += *albedo;
    ++s.albedoHours;
  }
  ++s.hours;
}

std::string Squeezed(std::string text) {
  std::string out;
  for (char c : text) {
    if (c == '.' || c == '_' || static_cast<unsigned char>(c) < 0x20) c = ' ';
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += c;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

MonthlyClimate ClimateFromLocation(const EpwLine& line) {
  if (line.Text(1) != "LOCATION") line.Fail("is not the LOCATION line");
  line.ExpectFields(kLocationFields);
  MonthlyClimate c;
  c.name = EpwLocationName(line.Text(2), line.Text(3), line.Text(4));
  if (c.name.empty()) line.Fail("field 2 (city) is empty");
  c.country = TrimSpaces(line.Text(4));
  c.latitude = line.Required(kLatitude);
  c.elevation = line.Required(kElevation);
  return c;
}

void SetMonthlyMeans(const std::string& label, const std::array<MonthSums, 13>& sums,
                     MonthlyClimate& c) {
  MonthlyValues humidity{};
  for (int m = 1; m <= 12; ++m) {
    const MonthSums& s = sums[m];
    if (s.hours == 0)
      throw ClimateDataError(label + ": month " + std::to_string(m) + " has no hours");
    c.globalHorizontal[m] = s.global * 24 / s.hours;
    c.dryBulb[m] = s.dryBulb / s.hours;
    c.dewPoint[m] = s.dewPoint / s.hours;
    humidity[m] = s.humidity / s.hours;
    if (s.albedoHours > 0) c.albedo[m] = s.albedo / s.albedoHours;
  }
  c.humidityRatio = humidity;
}

bool StartsWith(const std::string& text, const char* prefix) {
  return text.rfind(prefix, 0) == 0;
}

}  // namespace

std::string EpwLocationName(const std::string& city, const std::string& region,
                            const std::string& country) {
  std::string place = UpperCaseText(Squeezed(city));
  const std::string regionText = Squeezed(region);
  std::string suffix =
      UpperCaseText(regionText.empty() || regionText == "-" ? Squeezed(country) : regionText);
  if (suffix.size() >= kLocationNameMax) suffix.clear();
  const std::size_t room = kLocationNameMax - (suffix.empty() ? 0 : suffix.size() + 1);
  if (place.size() > room) place = Squeezed(place.substr(0, room));
  if (place.empty() || suffix.empty()) return place.empty() ? suffix : place;
  return place + " " + suffix;
}

MonthlyClimate ReadEpw(std::istream& in, const std::string& label) {
  std::string text;
  if (!std::getline(in, text)) throw ClimateDataError(label + ": the file is empty");
  MonthlyClimate climate = ClimateFromLocation(EpwLine(label, 1, text));
  int number = 1;
  bool inData = false;
  std::array<MonthSums, 13> sums{};
  while (std::getline(in, text)) {
    ++number;
    if (!inData) {
      inData = StartsWith(text, "DATA PERIODS");
      continue;
    }
    if (text.empty() || text == "\r") continue;
    AddHour(EpwLine(label, number, text), sums);
  }
  if (!inData) throw ClimateDataError(label + ": there is no DATA PERIODS line");
  SetMonthlyMeans(label, sums, climate);
  return climate;
}

MonthlyClimate ReadEpwFile(const std::string& path) {
  std::ifstream in = OpenClimateFile(path);
  return ReadEpw(in, path);
}

}  // namespace solmon
