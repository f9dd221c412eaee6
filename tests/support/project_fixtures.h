#pragma once
// Projects and folders for the project file tests.

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/files/project_file.h"
#include "core/plot/plot_store.h"
#include "temp_dir.h"

namespace solmon::testing {

// Reads an image as if it were the file `name`.
inline ProjectFileVersion ReadImage(ProjectState& s, const std::vector<std::uint8_t>& bytes,
                                    const ProjectReadOptions& options = {},
                                    const std::string& name = "test.SMN") {
  std::istringstream in(std::string(bytes.begin(), bytes.end()));
  return ReadProject(s, in, name, options);
}

// Byte offsets of the fixed part of a 5.80 file.
constexpr std::size_t kUnitAt = 16, kActiveSheetAt = 17, kSheetsAt = 19;
constexpr std::size_t kLocationNumberAt = kSheetsAt + 3 * 13;          // 58
constexpr std::size_t kWeatherNameAt = kLocationNumberAt + 2;          // 60
constexpr std::size_t kLocationRecordAt = kWeatherNameAt + 16;         // 76
constexpr std::size_t kParamBlockAt = kLocationRecordAt + 455 + 78 + 78 + 6 + 6;  // 699
constexpr std::size_t kMonthlyCountAt = kParamBlockAt + kParamBlockSize;          // 5721

// An extended value no double can hold: 1 + 2^-63 (the lowest mantissa bit set).
inline Extended FullMantissaExtended(bool negative = false) {
  std::array<std::uint8_t, 10> b{0x01, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
  if (negative) b[9] |= 0x80;
  return Extended::FromBytes(b);
}

inline PlotLine SampleLine(int points, int seed) {
  PlotLine l;
  PlotInfoRec& r = l.Info;
  r.NPts = static_cast<std::int16_t>(points);
  r.XYDataSize = (points + 1) * 8;
  r.PlotType = PlotTypeInd::Lines;
  r.DoSpline = 1;
  r.DoYScale = seed % 2 ? 1 : 0;
  r.LogLinear[1] = 0;
  r.LogLinear[2] = 1;
  r.GridLines[1] = 1;
  r.MinV[1] = FullMantissaExtended(true);
  r.MaxV[1] = FullMantissaExtended();
  r.MinV[2] = Extended(0.001L);
  r.MaxV[2] = Extended(1.0L / 3);
  r.FirstRun = 1;
  r.LastRun = static_cast<std::int16_t>(points);
  r.AxisVar[1] = 0;
  r.AxisVar[2] = static_cast<std::int16_t>(seed);
  r.MajorTicks[1] = 5;
  r.MajorTicks[2] = -4;
  r.AxisName[1].SetText("Month");
  r.AxisName[2].SetText("Solar fraction " + std::to_string(seed));
  r.Extra = 0x1234;  // reserved
  r.PlotNo = static_cast<std::int16_t>(seed);
  r.Form[1] = {{DecStyle::FixedDecimal, 0}};
  r.Form[2] = {{DecStyle::FloatDecimal, 3}};
  r.MinorTicks[1] = 1;
  r.MinorTicks[2] = 4;
  r.LineNo = 2;
  r.SymbolNo = 7;
  r.ColorNo = 12;
  r.HotWire = 1;       // reserved
  r.ZeroLine[1] = -2;  // reserved
  r.ZeroLine[2] = 9;
  for (int i = 0; i < points; ++i) {
    l.X.push_back(i + 1);
    l.Y.push_back(1.0 / (i + seed + 3));
  }
  return l;
}

inline PlotTextRec SampleText(const std::string& text, int seed) {
  PlotTextRec t = NewTextItem(text, seed % 2 ? OrientationType::Vert : OrientationType::Horiz,
                              seed, 1, 12 + seed, seed % 8, seed % 16);
  t.theRect = {10 * seed, 20, 110 * seed, 999};
  t.LeftJ = 3;  // reserved
  t.Extra1 = -1;
  t.Extra2 = 0x7FFF;
  t.Extra3 = 42;
  t.ExtraB1 = 1;
  t.ExtraB2 = 0xFF;
  return t;
}

// Two plots: one with two lines and three text items, one with no line.
inline void AddSamplePlots(PlotStore& plots) {
  Plot& a = plots.MakeNewPlot(0);
  a.Info.PlotType = 2;
  a.Info.Title.SetText("Solar fraction vs collector area");
  a.Info.originalR2 = 77;  // reserved fields, carried unchanged
  a.Info.oldRect = {1, 2, 3, 4};
  a.Info.MPt = {-5, 6};
  a.Info.ButtonDown = 1;
  a.Info.Selection = SelectionType::XAxis;
  a.Info.XAxisRect = {7, 8, 9, 10};
  a.Info.Y2AxisRect = {-1, -1, -1, -1};
  a.Info.TickWidth = 3;
  a.Info.GridLineWidth = 2;
  a.Info.AxisLabel[1].SetText("reserved label");
  a.Info.SelectedTextNo = -1;
  a.Info.ExtraI = {1, -2, 3, -4, 5, -6, 7, -8, 9, 2147483647};
  a.Info.ExtraB = {1, 0, 1, 0, 2, 0, 1, 0, 0, 255};
  a.Info.ExtraR = {0.5, -1e300, 3.25, 0, 0, 0, 0, 0, 1e-310, 7};
  a.Lines = {SampleLine(12, 1), SampleLine(3, 2)};
  a.Texts = {SampleText("Collector area", 0), SampleText("Solar fraction", 1),
             SampleText(std::string(80, 'x'), 2)};
  Plot& b = plots.MakeNewPlot(0);
  b.Info.PlotType = 1;
  b.Texts = {SampleText("A note", 3)};
}

// The ICS test conditions a reader puts into files before 6.50 (all files
// this program writes say 5.80), in English units.
inline void SetIcsTestConditionsEnglish(ProjectState& s) {
  const double v[] = {58, 58, 64.3, 41045, 1500};
  for (int i = 0; i < 5; ++i) s.SetParamValue(1, 8, 21 + i, v[i]);
}

// A project with every field set to something recognisable.
inline ProjectState SampleProject() {
  ProjectState s;
  s.UnitSystem = 1;
  s.ActiveSheetNo = 2;
  s.SheetKind = {0, 2, 3, 1};
  s.SheetVisible = {0, 1, 0, 1};
  s.SheetRects[1] = {25, 50, 445, 366};
  s.SheetRects[2] = {50, 25, 470, 341};
  s.SheetRects[3] = {-4, 7, 0, 200};
  s.LocationIndex = 3;
  s.WeatherFileName = "SAMPLE.WEA";
  s.Location.Lead = {0x12, 0x34};
  s.Location.SetName("DENVER, COLORADO");
  s.Location.Latitude = DoubleToReal6(39.75);
  s.Location.Reserved[1] = DoubleToReal6(-7);
  s.Location.DegDayBase = DoubleToReal6(65);
  for (int m = 1; m <= 12; ++m) {
    s.Location.HBar[m] = DoubleToReal6(800 + 100 * m);
    s.Location.TAmb[m] = DoubleToReal6(30 + 3.5 * m);
    s.Location.HumRatio[m] = DoubleToReal6(0.002 * m);
    s.Location.TMains[m] = DoubleToReal6(50 + m / 3.0);
    s.Location.Reflect[m] = DoubleToReal6(0.2);
    s.DegDays[m] = DoubleToReal6(1000 - 70 * m);
    s.TSky[m] = DoubleToReal6(10 + m);
  }
  s.TSigma = DoubleToReal6(4.25);
  s.TMean = DoubleToReal6(50.1);
  for (int sheet = 1; sheet <= 3; ++sheet)
    for (int kind = 1; kind <= 9; ++kind) {
      s.SetParamValue(sheet, kind, 0, 1);  // English units
      for (int row = 1; row < kValuesPerSet; ++row)
        s.SetParamValue(sheet, kind, row, OwnerCode(sheet, kind, row) + 0.1);
    }
  SetIcsTestConditionsEnglish(s);
  s.SetParamValue(1, 2, 7, -991);  // monthly table 1
  ValueTable t{};
  t[0] = DoubleToReal6(1207);
  for (int m = 1; m <= 12; ++m) t[m] = DoubleToReal6(40 + m);
  s.MonthlyTables[1] = t;
  t[0] = DoubleToReal6(-1);  // a free slot is carried too
  s.MonthlyTables[4] = t;
  t[0] = DoubleToReal6(2305);
  s.MonthlyTables[18] = t;
  for (int n = 1; n <= 3; ++n)
    for (int i = 1; i <= 12; ++i) s.ExtraTables[n][i] = DoubleToReal6(1.0 - 0.05 * i * n);
  s.LocationName = s.Location.Name();
  AddSamplePlots(s.Plots);
  return s;
}

}  // namespace solmon::testing
