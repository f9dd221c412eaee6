#include "core/plot/plot_store.h"

#include <stdexcept>

namespace solmon {

namespace {

// Plot area, ticks, colours and fonts of a new plot.
void SetNewPlotLayout(TPlotWInfo& w) {
  w.H0 = 100;
  w.HMax = 450;
  w.VMax = 50;
  w.V0 = 300;
  w.PlotClipRect = {.Left = w.H0, .Top = w.VMax, .Right = w.HMax, .Bottom = w.V0};
  w.ReSizeRect = {.Left = w.HMax - 10, .Top = w.V0 - 10, .Right = w.HMax + 10, .Bottom = w.V0 + 10};
  for (int i = 1; i <= 4; ++i) {
    w.AxisColorNo[i] = 0;
    w.AxisStyleNo[i] = 0;
    w.AxisFontNo[i] = 1;
    w.AxisSizeNo[i] = 12;
  }
  w.BorderPenThick = 0;
  w.BorderColorNo = 0;
  w.TickWidth = 1;
  w.MajorTickSize = 4;
  w.MinorTickSize = 3;
  w.GridLineWidth = 0;
  w.GridLineColorNo = 9;
}

}  // namespace

void PlotStore::SetCurrentPlot(int tab) {
  if (tab < 1 || tab > Count()) throw std::out_of_range("no plot " + std::to_string(tab));
  current_ = tab;
}

Plot& PlotStore::MakeNewPlot(int plotType) {
  Plot plot;
  plot.Info.Title.SetText("Plot " + std::to_string(Count() + 1));
  plot.Info.PlotType = plotType;
  SetNewPlotLayout(plot.Info);
  plots_.push_back(std::move(plot));
  current_ = Count();
  return plots_.back();
}

void PlotStore::DisposePlot() {
  if (!current_) return;
  plots_.erase(plots_.begin() + (current_ - 1));
  current_ = plots_.empty() ? 0 : 1;
}

void PlotStore::DisposeAllPlots() {
  while (!plots_.empty()) {
    current_ = Count();
    DisposePlot();
  }
}

PlotTextRec NewTextItem(const std::string& text, OrientationType orientation, int legendPlotNo,
                        int fontNo, int sizeNo, int styleNo, int colorNo) {
  PlotTextRec t;
  t.theText.SetText(text);
  t.theRect = {.Left = 200, .Top = 150, .Right = 999, .Bottom = 999};
  t.myCopyRect = t.theRect;
  t.LeftJ = 0;
  t.Box = 0;
  t.Opaque = 1;
  t.Orientation = orientation;
  t.LegendPlotNo = static_cast<std::int16_t>(legendPlotNo);
  t.FontNo = static_cast<std::int16_t>(fontNo);
  t.SizeNo = static_cast<std::int16_t>(sizeNo);
  t.StyleNo = static_cast<std::int16_t>(styleNo);
  t.ColorNo = static_cast<std::int16_t>(colorNo);
  return t;
}

}  // namespace solmon
