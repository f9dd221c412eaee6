// Reading a project file into a fresh state; the open project is replaced
// only when the whole file was read.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "core/files/byte_image.h"
#include "core/files/project_file.h"
#include "core/model/catalogue.h"
#include "core/weather/weather_file.h"

namespace solmon {

namespace {

constexpr std::size_t kSetBytes = kValuesPerSet * 6;  // one parameter set
constexpr std::size_t kPlotMinBytes = TPlotWInfo::kImageSize + 4 + 4;  // record and two counts

// The file as a stream of named fields. Every failure names the file, the
// field and the byte offset where the field starts.
class FieldSource {
 public:
  FieldSource(std::istream& in, std::string name, std::uint64_t size)
      : in_(in), name_(std::move(name)), size_(size) {}

  std::uint64_t Offset() const { return pos_; }
  std::uint64_t Remaining() const { return size_ - pos_; }

  void Read(std::uint8_t* out, std::size_t n, const std::string& field) {
    if (n > Remaining())
      Fail(pos_, field,
           "the file ends here (" + std::to_string(n) + " bytes needed, " +
               std::to_string(Remaining()) + " left); it is cut short or damaged");
    if (!in_.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(n)))
      Fail(pos_, field, "the file could not be read");
    pos_ += n;
  }

  template <class T>
  T Int(const std::string& field) {
    std::uint8_t b[sizeof(T)];
    Read(b, sizeof(T), field);
    return GetLE<T>(b);
  }

  template <std::size_t N>
  std::array<std::uint8_t, N> Bytes(const std::string& field) {
    std::array<std::uint8_t, N> b;
    Read(b.data(), N, field);
    return b;
  }

  template <std::size_t N>
  void Reals(std::array<Real6, N>& values, const std::string& field) {
    const auto b = Bytes<N * 6>(field);
    for (std::size_t i = 0; i < N; ++i) values[i] = Real6FromBytes(b.data() + 6 * i);
  }

  Real6 Real(const std::string& field) {
    const auto b = Bytes<6>(field);
    return Real6FromBytes(b.data());
  }

  template <class R>
  R Record(const std::string& field) {
    const auto b = Bytes<R::kImageSize>(field);
    return ReadImage<R>(b.data());
  }

  // A count or number that must lie in lo..hi.
  template <class T>
  T Within(const std::string& field, long long lo, long long hi) {
    const std::uint64_t at = pos_;
    const T v = Int<T>(field);
    if (v < lo || v > hi)
      Fail(at, field,
           std::to_string(v) + " is outside " + std::to_string(lo) + ".." + std::to_string(hi) +
               "; the file is damaged");
    return v;
  }

  [[noreturn]] void Fail(std::uint64_t at, const std::string& field,
                         const std::string& problem) const {
    throw ProjectFileError("\"" + name_ + "\": " + field + " at byte " + std::to_string(at) +
                           ": " + problem);
  }

 private:
  std::istream& in_;
  std::string name_;
  std::uint64_t size_, pos_ = 0;
};

ProjectFileVersion ReadVersion(FieldSource& src) {
  const auto b = src.Bytes<16>("version text");
  const auto end = std::find(b.begin(), b.end(), 0);
  ProjectFileVersion v;
  v.text.assign(b.begin(), end);
  if (!ParseVersionNumber(v.text, v.number))
    src.Fail(0, "version text",
             "\"" + v.text + "\" is not a version number; this is no project file or it is damaged");
  return v;
}

void ReadLayout(FieldSource& src, ProjectState& p) {
  p.UnitSystem = static_cast<std::uint8_t>(src.Within<std::uint8_t>("unit system", 0, 1));
  p.ActiveSheetNo = src.Int<std::int16_t>("active sheet");
  if (p.ActiveSheetNo < 1 || p.ActiveSheetNo > kSheets) p.ActiveSheetNo = 1;
  static constexpr int kMaxKind[kSheets + 1] = {0, 9, 5, 1};
  static constexpr int kMinKind[kSheets + 1] = {0, 1, 0, 0};
  for (int s = 1; s <= kSheets; ++s) {
    const std::string sheet = "sheet " + std::to_string(s);
    p.SheetKind[s] = src.Within<std::int16_t>(sheet + " kind", kMinKind[s], kMaxKind[s]);
    const std::uint8_t visible = src.Int<std::uint8_t>(sheet + " visible flag");
    const auto r = src.Bytes<8>(sheet + " window rectangle");
    SheetRect rect{GetLE<std::int16_t>(r.data()), GetLE<std::int16_t>(r.data() + 2),
                   GetLE<std::int16_t>(r.data() + 4), GetLE<std::int16_t>(r.data() + 6)};
    if (p.SheetKind[s] < 1) {  // no such sheet: hidden, at its default place
      const auto at = static_cast<short>((3 - s) * 25);
      const int thumb = p.Windows()->VerticalScrollThumbHeight();
      rect = {at, at, static_cast<short>(at + 420), static_cast<short>(at + 300 + thumb)};
      p.SheetVisible[s] = 0;
    } else {
      p.SheetVisible[s] = visible;
    }
    p.SheetRects[s] = rect;
    src.Bytes<2>(sheet + " reserved bytes");
  }
}

void ReadLocationFields(FieldSource& src, ProjectState& p) {
  p.LocationIndex = src.Int<std::int16_t>("location number");
  const std::uint64_t nameAt = src.Offset();
  const auto name = src.Bytes<16>("weather file name");
  if (name[0] > kWeatherFileNameMax)
    src.Fail(nameAt, "weather file name",
             "its length " + std::to_string(name[0]) + " exceeds 15; the file is damaged");
  std::string text(name.begin() + 1, name.begin() + 1 + name[0]);
  const auto kept = std::find_if(text.begin(), text.end(),
                                 [](char c) { return static_cast<unsigned char>(c) >= 20; });
  text.erase(text.begin(), kept);
  if (!text.empty()) {
    const std::string problem = WeatherFileNameProblem(text);
    if (!problem.empty()) src.Fail(nameAt, "weather file name", problem);
  }
  p.WeatherFileName = text;
  const auto record = src.Bytes<kLocationRecordSize>("location record");
  p.Location = LocationRecord::FromBytes(record.data());
  src.Reals(p.DegDays, "degree-days");
  src.Reals(p.TSky, "sky temperatures");
  p.TSigma = src.Real("temperature spread");
  p.TMean = src.Real("mean temperature");
}

// Kind 9 (active domestic hot water) did not exist before 5.80. Its rows are
// a subset of kind 2's rows with the same parameter numbers, so each of its
// rows takes the value of kind 2's row of the same parameter.
void SeedKind9FromKind2(ProjectState& p) {
  std::uint8_t* kind9 = p.ParamBlock.data() + 8 * kSetBytes;
  Real6ToBytes(p.ParamReal6(1, 2, 0), kind9);  // the units marker
  for (int row = 1; row <= SheetRowCount(1, 9); ++row) {
    const int param = CatalogueEntry(1, 9, row).param;
    for (int from = 1; from <= SheetRowCount(1, 2); ++from)
      if (CatalogueEntry(1, 2, from).param == param) {
        Real6ToBytes(p.ParamReal6(1, 2, from), kind9 + row * 6);
        break;
      }
  }
}

void ReadParamBlock(FieldSource& src, ProjectState& p, int version) {
  if (version >= kNineKindsVersion) {
    src.Read(p.ParamBlock.data(), kParamBlockSize, "parameter block");
    return;
  }
  std::vector<std::uint8_t> old(kOldParamBlockSize);
  src.Read(old.data(), old.size(), "parameter block (eight kinds)");
  p.ParamBlock.fill(0);
  for (int s = 1; s <= kSheets; ++s)
    for (int k = 1; k <= 8; ++k)
      std::memcpy(p.ParamBlock.data() + ((s - 1) * kKindsPerSheet + (k - 1)) * kSetBytes,
                  old.data() + ((s - 1) * 8 + (k - 1)) * kSetBytes, kSetBytes);
  SeedKind9FromKind2(p);
}

void ReadMonthlyTables(FieldSource& src, ProjectState& p) {
  const int m = src.Within<std::int16_t>("monthly table count", 0, kMonthlySlots);
  p.ReleaseAllMonthlyTables();
  for (int i = 1; i <= m; ++i) {
    const std::string table = "monthly table " + std::to_string(i);
    const int n = src.Within<std::int16_t>(table + " slot number", 1, kMonthlySlots);
    ValueTable values;
    src.Reals(values, table);
    p.MonthlyTables[n] = values;
  }
  // A row is owned by one table at most: the one in the highest slot wins.
  for (int n = kMonthlySlots; n >= 1; --n) {
    const int owner = p.TableOwner(n);
    if (owner <= 0) continue;
    for (int lower = 1; lower < n; ++lower)
      if (p.TableOwner(lower) == owner) p.FreeMonthlyTable(lower);
  }
}

void ReadExtraTables(FieldSource& src, ProjectState& p) {
  for (int t = 1; t <= kExtraTables; ++t)
    src.Reals(p.ExtraTables[t], "extra table " + std::to_string(t));
}

std::vector<double> ReadColumn(FieldSource& src, int n, const std::string& field) {
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(n) * 8);
  src.Read(bytes.data(), bytes.size(), field);
  std::vector<double> column(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) column[i] = GetDouble(bytes.data() + 8 * i);
  return column;
}

// Counts are checked against what the rest of the file can hold before
// anything is allocated.
int ReadCount(FieldSource& src, const std::string& field, std::size_t minBytesEach,
              std::size_t bytesAfter) {
  const std::uint64_t at = src.Offset();
  const std::int32_t n = src.Int<std::int32_t>(field);
  if (n < 0) src.Fail(at, field, std::to_string(n) + " is negative; the file is damaged");
  const std::uint64_t left = src.Remaining();
  if (static_cast<std::uint64_t>(n) * minBytesEach + bytesAfter > left)
    src.Fail(at, field,
             std::to_string(n) + " items need at least " +
                 std::to_string(static_cast<std::uint64_t>(n) * minBytesEach + bytesAfter) +
                 " more bytes but the file has " + std::to_string(left) +
                 "; it is cut short or damaged");
  return n;
}

PlotLine ReadLine(FieldSource& src, const std::string& line) {
  PlotLine l;
  const std::uint64_t at = src.Offset();
  l.Info = src.Record<PlotInfoRec>(line + " record");
  if (l.Info.NPts < 0 || l.Info.NPts > kMaxPlotPoints)
    src.Fail(at, line + " point count",
             std::to_string(l.Info.NPts) + " is outside 0.." + std::to_string(kMaxPlotPoints) +
                 "; the file is damaged");
  l.X = ReadColumn(src, l.Info.NPts, line + " X values");
  l.Y = ReadColumn(src, l.Info.NPts, line + " Y values");
  return l;
}

void ReadPlot(FieldSource& src, PlotStore& plots, int number) {
  const std::string plot = "plot " + std::to_string(number);
  const auto info = src.Record<TPlotWInfo>(plot + " record");
  Plot& p = plots.MakeNewPlot(0);
  p.Info = info;
  const int lines = ReadCount(src, plot + " line count", PlotInfoRec::kImageSize, 4);
  for (int i = 1; i <= lines; ++i)
    p.Lines.push_back(ReadLine(src, plot + ", line " + std::to_string(i)));
  const int texts = ReadCount(src, plot + " text item count", PlotTextRec::kImageSize, 0);
  for (int i = 1; i <= texts; ++i)
    p.Texts.push_back(src.Record<PlotTextRec>(plot + ", text item " + std::to_string(i)));
}

void ReadPlots(FieldSource& src, PlotStore& plots) {
  const int count = ReadCount(src, "plot count", kPlotMinBytes, 0);
  for (int i = 1; i <= count; ++i) ReadPlot(src, plots, i);
}

// Files before 6.50 lack valid test conditions of the integral
// collector-storage system; they are set in the units of its parameter set.
void SetIcsTestConditions(ProjectState& p) {
  static constexpr double kEnglish[] = {58, 58, 64.3, 41045, 1500};
  static constexpr double kSI[] = {130.0 / 9, 130.0 / 9, 243.4, 43305, 16920};
  const double marker = p.ParamValue(1, 8, 0);
  const bool english = marker == 1 || (marker != 0 && p.UnitSystem == 1);
  for (int i = 0; i < 5; ++i) p.SetParamValue(1, 8, 21 + i, english ? kEnglish[i] : kSI[i]);
}

void SetLocationName(ProjectState& p) {
  p.LocationName = p.LocationIndex < 0 ? ("All in " + p.WeatherFileName).substr(0, 22)
                                       : p.Location.Name();
}

void ShowSheetWindows(ProjectState& s) {
  WindowHooks* w = s.Windows();
  for (int sheet = 1; sheet <= kSheets; ++sheet)
    if (w->SheetWindowExists(sheet))
      w->SetSheetWindowVisible(sheet, s.SheetKind[sheet] >= 1 && s.SheetVisible[sheet] != 0);
}

std::uint64_t StreamSize(std::istream& in) {
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  return size > 0 ? static_cast<std::uint64_t>(size) : 0;
}

}  // namespace

void TakeProjectFields(ProjectState& to, ProjectState& from) {
  to.UnitSystem = from.UnitSystem;
  to.ActiveSheetNo = from.ActiveSheetNo;
  to.SheetKind = from.SheetKind;
  to.SheetVisible = from.SheetVisible;
  to.SheetRects = from.SheetRects;
  to.LocationIndex = from.LocationIndex;
  to.WeatherFileName = std::move(from.WeatherFileName);
  to.Location = from.Location;
  to.DegDays = from.DegDays;
  to.TSky = from.TSky;
  to.TSigma = from.TSigma;
  to.TMean = from.TMean;
  to.LocationName = std::move(from.LocationName);
  to.ParamBlock = from.ParamBlock;
  to.MonthlyTables = from.MonthlyTables;
  to.ExtraTables = from.ExtraTables;
  to.Plots = std::move(from.Plots);
}

bool ParseVersionNumber(const std::string& text, int& number) {
  std::string digits = text;
  if (const auto dot = digits.find('.'); dot != std::string::npos) digits.erase(dot, 1);
  const char* first = digits.data();
  const char* last = first + digits.size();
  if (first != last && *first == '+') ++first;
  const auto [end, ec] = std::from_chars(first, last, number);
  return ec == std::errc() && end == last && first != last;
}

ProjectFileVersion ReadProject(ProjectState& s, std::istream& in, const std::string& name,
                               const ProjectReadOptions& options) {
  FieldSource src(in, name, StreamSize(in));
  ProjectState fresh;
  fresh.SetWindows(s.Windows());
  const ProjectFileVersion version = ReadVersion(src);
  ReadLayout(src, fresh);
  ReadLocationFields(src, fresh);
  ReadParamBlock(src, fresh, version.number);
  ReadMonthlyTables(src, fresh);
  ReadExtraTables(src, fresh);
  if (!options.skipPlots && src.Remaining() > 0) ReadPlots(src, fresh.Plots);
  if (version.number < kIcsTestConditionsVersion) SetIcsTestConditions(fresh);
  SetLocationName(fresh);

  TakeProjectFields(s, fresh);
  s.ResultsValid = false;
  ShowSheetWindows(s);
  return version;
}

ProjectFileVersion ReadProject(ProjectState& s, const std::string& path,
                               const ProjectReadOptions& options) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status st = fs::status(path, ec);
  if (!fs::exists(st))
    throw ProjectFileError("Cannot open \"" + path + "\": there is no such file");
  if (!fs::is_regular_file(st))
    throw ProjectFileError("Cannot open \"" + path + "\": it is not a file");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ProjectFileError("Cannot open \"" + path + "\": " + FileErrorReason(errno));
  return ReadProject(s, in, path, options);
}

}  // namespace solmon
