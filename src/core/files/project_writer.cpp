// Writing a project file: the image is built in memory first, then saved
// through a temporary file so that a failure never destroys the previous file.

#include <cstring>

#include "core/files/byte_image.h"
#include "core/files/project_file.h"

namespace solmon {

namespace {

class ImageBuilder {
 public:
  std::vector<std::uint8_t> bytes;

  template <class T>
  void Int(T v) {
    std::uint8_t b[sizeof(T)];
    PutLE(v, b);
    Append(b, sizeof(T));
  }
  void Append(const std::uint8_t* p, std::size_t n) { bytes.insert(bytes.end(), p, p + n); }
  void Zeros(std::size_t n) { bytes.resize(bytes.size() + n, 0); }
  void Real(const Real6& r) { Append(r.bytes.data(), 6); }
  template <std::size_t N>
  void Reals(const std::array<Real6, N>& values) {
    for (const Real6& r : values) Real(r);
  }
  template <class R>
  void Record(const R& r) {
    const std::size_t at = bytes.size();
    Zeros(R::kImageSize);
    WriteImage(r, bytes.data() + at);
  }
  void Column(const std::vector<double>& values, int n) {
    for (int i = 0; i < n; ++i) {
      std::uint8_t b[8];
      PutDouble(values[i], b);
      Append(b, 8);
    }
  }
};

// The active input sheet; without windows, the one the file was read with.
std::int16_t ActiveSheet(const ProjectState& s) {
  const WindowHooks* w = s.Windows();
  bool anyWindow = false;
  for (int sheet = 1; sheet <= kSheets; ++sheet) anyWindow |= w->SheetWindowExists(sheet);
  const int active = anyWindow ? w->ActiveSheetWindow() : s.ActiveSheetNo;
  return static_cast<std::int16_t>(active >= 1 && active <= kSheets ? active : 1);
}

void PutSheets(ImageBuilder& out, const ProjectState& s) {
  const WindowHooks* w = s.Windows();
  for (int sheet = 1; sheet <= kSheets; ++sheet) {
    out.Int<std::int16_t>(s.SheetKind[sheet]);
    std::uint8_t visible = 0;
    SheetRect rect{};
    if (s.SheetKind[sheet] >= 1 && w->SheetWindowExists(sheet)) {
      visible = w->SheetWindowVisible(sheet) ? 1 : 0;
      rect = w->SheetWindowRect(sheet);
    } else if (s.SheetKind[sheet] >= 1) {  // no window: keep the layout the file was read with
      visible = s.SheetVisible[sheet];
      rect = s.SheetRects[sheet];
    }
    out.Int(visible);
    for (short v : {rect.Left, rect.Top, rect.Right, rect.Bottom}) out.Int<std::int16_t>(v);
    out.Zeros(2);
  }
}

void PutLocation(ImageBuilder& out, const ProjectState& s) {
  out.Int<std::int16_t>(s.LocationIndex);
  std::array<std::uint8_t, 16> name{};
  const std::size_t len = std::min<std::size_t>(s.WeatherFileName.size(), kWeatherFileNameMax);
  name[0] = static_cast<std::uint8_t>(len);
  std::memcpy(name.data() + 1, s.WeatherFileName.data(), len);
  out.Append(name.data(), name.size());
  std::array<std::uint8_t, kLocationRecordSize> record{};
  s.Location.ToBytes(record.data());
  out.Append(record.data(), record.size());
  out.Reals(s.DegDays);
  out.Reals(s.TSky);
  out.Real(s.TSigma);
  out.Real(s.TMean);
}

void PutTables(ImageBuilder& out, const ProjectState& s) {
  std::int16_t used = 0;
  for (int n = 1; n <= kMonthlySlots; ++n) used += s.MonthlyTables[n] ? 1 : 0;
  out.Int(used);
  for (int n = 1; n <= kMonthlySlots; ++n) {
    if (!s.MonthlyTables[n]) continue;
    out.Int<std::int16_t>(static_cast<std::int16_t>(n));
    out.Reals(*s.MonthlyTables[n]);
  }
  for (int t = 1; t <= kExtraTables; ++t) out.Reals(s.ExtraTables[t]);
}

void CheckLine(const PlotLine& l, int plot, int line) {
  const int n = l.Info.NPts;
  if (n < 0 || n > kMaxPlotPoints || l.X.size() < static_cast<std::size_t>(n) ||
      l.Y.size() < static_cast<std::size_t>(n))
    throw ProjectFileError("plot " + std::to_string(plot) + ", line " + std::to_string(line) +
                           " says it has " + std::to_string(n) + " points but holds " +
                           std::to_string(l.X.size()) + " X and " + std::to_string(l.Y.size()) +
                           " Y values; nothing was written");
}

void PutPlots(ImageBuilder& out, const PlotStore& plots) {
  out.Int<std::int32_t>(plots.Count());
  int number = 0;
  for (const Plot& p : plots.PlotList()) {
    ++number;
    out.Record(p.Info);
    out.Int<std::int32_t>(static_cast<std::int32_t>(p.Lines.size()));
    int line = 0;
    for (const PlotLine& l : p.Lines) {
      CheckLine(l, number, ++line);
      out.Record(l.Info);
      out.Column(l.X, l.Info.NPts);
      out.Column(l.Y, l.Info.NPts);
    }
    out.Int<std::int32_t>(static_cast<std::int32_t>(p.Texts.size()));
    for (const PlotTextRec& t : p.Texts) out.Record(t);
  }
}

}  // namespace

std::vector<std::uint8_t> ProjectImage(const ProjectState& s) {
  ImageBuilder out;
  std::array<std::uint8_t, 16> version{};
  std::memcpy(version.data(), kProjectVersionText, std::strlen(kProjectVersionText));
  out.Append(version.data(), version.size());
  out.Int(s.UnitSystem);
  out.Int(ActiveSheet(s));
  PutSheets(out, s);
  PutLocation(out, s);
  out.Append(s.ParamBlock.data(), s.ParamBlock.size());
  PutTables(out, s);
  PutPlots(out, s.Plots);
  return std::move(out.bytes);
}

void WriteProject(ProjectState& s, const std::string& path) {
  SaveOps ops;
  WriteProject(s, path, ops);
}

void WriteProject(ProjectState& s, const std::string& path, SaveOps& ops) {
  std::vector<std::uint8_t> image;
  try {
    image = ProjectImage(s);
  } catch (const ProjectFileError& e) {
    throw ProjectFileError("Cannot save \"" + path + "\": " + e.what());
  }
  ReplaceFile(path, image, ops);
  s.Modified = false;
}

}  // namespace solmon
