#pragma once
// The three packed records of the plot store, as kept in the project file:
// TPlotWInfo (one plot, 941 bytes), PlotInfoRec (one line, 264 bytes) and
// PlotTextRec (one text item, 148 bytes). Each record lists its fields with
// their offsets once (Fields); the images are little-endian without padding.
// Pointer and handle fields have no member: they are written as zero and
// dropped on reading. Reserved fields are members so that they survive a
// read and a write unchanged.

#include <array>
#include <cstdint>
#include <string>

#include "core/files/byte_image.h"
#include "core/files/short_string.h"
#include "core/model/numbers.h"
#include "core/plot/extended.h"

namespace solmon {

using Boolean = std::uint8_t;  // 0 false, anything else true; kept as stored

// An array indexed from 1, as the records' axis arrays are.
template <class T, std::size_t N>
struct OneBased {
  static constexpr std::size_t kImageSize = N * ImageSize<T>();
  std::array<T, N> items{};
  T& operator[](int i) { return items.at(static_cast<std::size_t>(i - 1)); }
  const T& operator[](int i) const { return items.at(static_cast<std::size_t>(i - 1)); }
  template <class Io, class A>
  static void Fields(Io& io, std::size_t at, A& a) {
    io.Field(at, a.items);
  }
  friend bool operator==(const OneBased&, const OneBased&) = default;
};

struct TRect {
  static constexpr std::size_t kImageSize = 16;
  std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  template <class Io, class R>
  static void Fields(Io& io, std::size_t at, R& r) {
    io.Field(at, r.Left);
    io.Field(at + 4, r.Top);
    io.Field(at + 8, r.Right);
    io.Field(at + 12, r.Bottom);
  }
  friend bool operator==(const TRect&, const TRect&) = default;
};

struct TPoint {
  static constexpr std::size_t kImageSize = 8;
  std::int32_t X = 0, Y = 0;
  template <class Io, class P>
  static void Fields(Io& io, std::size_t at, P& p) {
    io.Field(at, p.X);
    io.Field(at + 4, p.Y);
  }
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A tick-label format with its 3-byte image: Style byte, then Digits.
struct DecFormImage : DecForm {
  static constexpr std::size_t kImageSize = 3;
  template <class Io, class F>
  static void Fields(Io& io, std::size_t at, F& f) {
    io.Field(at, f.Style);
    io.Field(at + 1, f.Digits);
  }
  friend bool operator==(const DecFormImage& a, const DecFormImage& b) {
    return a.Style == b.Style && a.Digits == b.Digits;
  }
};

enum class PlotTypeInd : std::uint8_t { Both = 0, Lines = 1, Symbols = 2, Bars = 3 };
enum class OrientationType : std::uint8_t { Horiz = 0, Vert = 1 };
enum class SelectionType : std::uint8_t { theText = 0, thePlot = 1, ReSize = 2, XAxis = 3 };

using AxisText = ShortString<80>;

// One line (curve) of a plot. Axis arrays: [1] X, [2] Y.
struct PlotInfoRec {
  static constexpr std::size_t kImageSize = 264;
  std::int16_t NPts = 0;
  std::int32_t XYDataSize = 0;
  // 6: XYData, two column pointers
  PlotTypeInd PlotType = PlotTypeInd::Both;
  Boolean DoSpline = 0;
  Boolean DoYScale = 0;
  OneBased<Boolean, 2> LogLinear;
  OneBased<Boolean, 2> GridLines;
  OneBased<Extended, 2> MinV;
  OneBased<Extended, 2> MaxV;
  std::int16_t FirstRun = 0;
  std::int16_t LastRun = 0;
  OneBased<std::int16_t, 2> AxisVar;
  OneBased<std::int16_t, 2> MajorTicks;
  OneBased<AxisText, 2> AxisName;
  std::int16_t Extra = 0;  // reserved
  std::int16_t PlotNo = 0;
  OneBased<DecFormImage, 2> Form;
  OneBased<std::int16_t, 2> MinorTicks;
  // 249: next
  std::int16_t LineNo = 0;
  std::int16_t SymbolNo = 0;
  std::int16_t ColorNo = 0;
  Boolean HotWire = 0;                 // reserved
  OneBased<std::int16_t, 2> ZeroLine;  // reserved

  template <class Io, class R>
  static void Fields(Io& io, std::size_t at, R& r) {
    io.Field(at + 0, r.NPts);
    io.Field(at + 2, r.XYDataSize);
    io.Handle(at + 6, 8);
    io.Field(at + 14, r.PlotType);
    io.Field(at + 15, r.DoSpline);
    io.Field(at + 16, r.DoYScale);
    io.Field(at + 17, r.LogLinear);
    io.Field(at + 19, r.GridLines);
    io.Field(at + 21, r.MinV);
    io.Field(at + 41, r.MaxV);
    io.Field(at + 61, r.FirstRun);
    io.Field(at + 63, r.LastRun);
    io.Field(at + 65, r.AxisVar);
    io.Field(at + 69, r.MajorTicks);
    io.Field(at + 73, r.AxisName);
    io.Field(at + 235, r.Extra);
    io.Field(at + 237, r.PlotNo);
    io.Field(at + 239, r.Form);
    io.Field(at + 245, r.MinorTicks);
    io.Handle(at + 249, 4);
    io.Field(at + 253, r.LineNo);
    io.Field(at + 255, r.SymbolNo);
    io.Field(at + 257, r.ColorNo);
    io.Field(at + 259, r.HotWire);
    io.Field(at + 260, r.ZeroLine);
  }
  friend bool operator==(const PlotInfoRec&, const PlotInfoRec&) = default;
};

// One free text item of a plot.
struct PlotTextRec {
  static constexpr std::size_t kImageSize = 148;
  AxisText theText;
  TRect theRect;
  TRect myCopyRect;
  // 113: HF, 117: CopyHF (font handles)
  std::int16_t LegendPlotNo = 0;
  std::int16_t ColorNo = 0;
  std::int16_t SizeNo = 0;
  std::int16_t FontNo = 0;
  std::int16_t LeftJ = 0;  // reserved
  std::int16_t StyleNo = 0;
  Boolean Opaque = 0;
  Boolean Box = 0;
  OrientationType Orientation = OrientationType::Horiz;
  // 136: next
  std::int16_t Extra1 = 0, Extra2 = 0, Extra3 = 0;  // reserved
  Boolean ExtraB1 = 0, ExtraB2 = 0;                 // reserved

  template <class Io, class R>
  static void Fields(Io& io, std::size_t at, R& r) {
    io.Field(at + 0, r.theText);
    io.Field(at + 81, r.theRect);
    io.Field(at + 97, r.myCopyRect);
    io.Handle(at + 113, 8);
    io.Field(at + 121, r.LegendPlotNo);
    io.Field(at + 123, r.ColorNo);
    io.Field(at + 125, r.SizeNo);
    io.Field(at + 127, r.FontNo);
    io.Field(at + 129, r.LeftJ);
    io.Field(at + 131, r.StyleNo);
    io.Field(at + 133, r.Opaque);
    io.Field(at + 134, r.Box);
    io.Field(at + 135, r.Orientation);
    io.Handle(at + 136, 4);
    io.Field(at + 140, r.Extra1);
    io.Field(at + 142, r.Extra2);
    io.Field(at + 144, r.Extra3);
    io.Field(at + 146, r.ExtraB1);
    io.Field(at + 147, r.ExtraB2);
  }
  friend bool operator==(const PlotTextRec&, const PlotTextRec&) = default;
};

// One plot (one tab of the plot window). Four-element axis arrays: [2] X-axis
// scale, [3] left Y-axis scale, [4] right Y-axis scale, [1] unused.
struct TPlotWInfo {
  static constexpr std::size_t kImageSize = 941;
  // 0: ClipRgn
  std::int32_t originalR2 = 0;  // reserved
  TRect oldRect;                // reserved
  std::int32_t H0 = 0, HMax = 0, V0 = 0, VMax = 0;
  TRect PlotMinMax;
  TPoint MPt;                                    // reserved
  Boolean ButtonDown = 0;                        // reserved
  SelectionType Selection = SelectionType::theText;  // reserved
  // 66: SelectedText
  TRect ReSizeRect;
  TRect XAxisRect, Y1AxisRect, Y2AxisRect;  // reserved
  TRect PlotRect;
  std::int32_t HoldH0 = 0, HoldHMax = 0, HoldV0 = 0, HoldVMax = 0;
  std::int32_t BorderColorNo = 0;
  Boolean BorderPenThick = 0;
  std::int32_t TickWidth = 0;  // reserved
  std::int32_t MajorTickSize = 0;
  std::int32_t MinorTickSize = 0;
  std::int32_t YScale = 0;
  TRect PlotClipRect;
  std::int32_t LineNo = 0, SymbolNo = 0, ColorNo = 0;
  OneBased<std::int32_t, 2> ZeroLine;
  // 223: AxisHF, four font handles
  OneBased<std::int32_t, 4> AxisColorNo;
  OneBased<std::int32_t, 4> AxisStyleNo;
  OneBased<std::int32_t, 4> AxisFontNo;
  std::int32_t MaxYAxisWidth = 0;
  std::int32_t SelectedTextNo = 0;
  TRect oldPlotClipRect;
  TRect PlotTextRect;
  TPoint LastClickPt;
  std::int32_t GridLineWidth = 0;  // reserved
  std::int32_t GridLineColorNo = 0;
  Boolean processedY2Scale = 0;
  OneBased<AxisText, 2> AxisLabel;  // reserved
  std::int32_t oldRight = 0, oldBottom = 0;
  std::int32_t CenterX = 0;
  std::int32_t TopMargin = 0;
  OneBased<std::int32_t, 4> AxisSizeNo;
  // 538: PlotText
  Boolean doSpline = 0;
  std::int32_t PlotType = 0;  // 0 read from a file, 1 monthly plot, 2 parametric plot
  // 547: FirstPlotInfo
  std::int32_t PlotNo = 0;
  ShortString<255> Title;
  std::array<std::int32_t, 10> ExtraI{};  // reserved
  std::array<Boolean, 10> ExtraB{};       // reserved
  std::array<double, 10> ExtraR{};        // reserved

  template <class Io, class R>
  static void Fields(Io& io, std::size_t at, R& r) {
    io.Handle(at + 0, 4);
    io.Field(at + 4, r.originalR2);
    io.Field(at + 8, r.oldRect);
    io.Field(at + 24, r.H0);
    io.Field(at + 28, r.HMax);
    io.Field(at + 32, r.V0);
    io.Field(at + 36, r.VMax);
    io.Field(at + 40, r.PlotMinMax);
    io.Field(at + 56, r.MPt);
    io.Field(at + 64, r.ButtonDown);
    io.Field(at + 65, r.Selection);
    io.Handle(at + 66, 4);
    io.Field(at + 70, r.ReSizeRect);
    io.Field(at + 86, r.XAxisRect);
    io.Field(at + 102, r.Y1AxisRect);
    io.Field(at + 118, r.Y2AxisRect);
    io.Field(at + 134, r.PlotRect);
    io.Field(at + 150, r.HoldH0);
    io.Field(at + 154, r.HoldHMax);
    io.Field(at + 158, r.HoldV0);
    io.Field(at + 162, r.HoldVMax);
    io.Field(at + 166, r.BorderColorNo);
    io.Field(at + 170, r.BorderPenThick);
    io.Field(at + 171, r.TickWidth);
    io.Field(at + 175, r.MajorTickSize);
    io.Field(at + 179, r.MinorTickSize);
    io.Field(at + 183, r.YScale);
    io.Field(at + 187, r.PlotClipRect);
    io.Field(at + 203, r.LineNo);
    io.Field(at + 207, r.SymbolNo);
    io.Field(at + 211, r.ColorNo);
    io.Field(at + 215, r.ZeroLine);
    io.Handle(at + 223, 16);
    io.Field(at + 239, r.AxisColorNo);
    io.Field(at + 255, r.AxisStyleNo);
    io.Field(at + 271, r.AxisFontNo);
    io.Field(at + 287, r.MaxYAxisWidth);
    io.Field(at + 291, r.SelectedTextNo);
    io.Field(at + 295, r.oldPlotClipRect);
    io.Field(at + 311, r.PlotTextRect);
    io.Field(at + 327, r.LastClickPt);
    io.Field(at + 335, r.GridLineWidth);
    io.Field(at + 339, r.GridLineColorNo);
    io.Field(at + 343, r.processedY2Scale);
    io.Field(at + 344, r.AxisLabel);
    io.Field(at + 506, r.oldRight);
    io.Field(at + 510, r.oldBottom);
    io.Field(at + 514, r.CenterX);
    io.Field(at + 518, r.TopMargin);
    io.Field(at + 522, r.AxisSizeNo);
    io.Handle(at + 538, 4);
    io.Field(at + 542, r.doSpline);
    io.Field(at + 543, r.PlotType);
    io.Handle(at + 547, 4);
    io.Field(at + 551, r.PlotNo);
    io.Field(at + 555, r.Title);
    io.Field(at + 811, r.ExtraI);
    io.Field(at + 851, r.ExtraB);
    io.Field(at + 861, r.ExtraR);
  }
  friend bool operator==(const TPlotWInfo&, const TPlotWInfo&) = default;
};

}  // namespace solmon
