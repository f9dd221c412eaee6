#pragma once
// The plots of the open project: each plot (one tab) with its lines and its
// free text items. The plot window shows this store; the project file reads
// and writes it.

#include <string>
#include <vector>

#include "core/plot/plot_records.h"

namespace solmon {

constexpr int kMaxPlotPoints = 10000;

// A line with its two columns of NPts values each (X, then Y).
struct PlotLine {
  PlotInfoRec Info;
  std::vector<double> X, Y;
  friend bool operator==(const PlotLine&, const PlotLine&) = default;
};

struct Plot {
  TPlotWInfo Info;
  std::vector<PlotLine> Lines;        // in list order (FirstPlotInfo, next, ...)
  std::vector<PlotTextRec> Texts;     // PlotText
  friend bool operator==(const Plot&, const Plot&) = default;
};

class PlotStore {
 public:
  // Tab order.
  const std::vector<Plot>& PlotList() const { return plots_; }
  std::vector<Plot>& PlotList() { return plots_; }
  int Count() const { return static_cast<int>(plots_.size()); }

  // 1-based tab number of the current plot; 0 while there is none.
  int CurrentPlot() const { return current_; }
  void SetCurrentPlot(int tab);  // throws std::out_of_range
  // The current plot (MPtr); nullptr while there is none.
  Plot* MPtr() { return current_ ? &plots_[current_ - 1] : nullptr; }
  const Plot* MPtr() const { return current_ ? &plots_[current_ - 1] : nullptr; }

  // Appends a plot captioned "Plot " + (count before + 1), with the plot area,
  // fonts, ticks and colours of a new plot, and makes it current. The plot
  // type 1 (monthly) or 2 (parametric) builder then hands over its lines and
  // makes the default titles and legends.
  Plot& MakeNewPlot(int plotType);
  // Frees the current plot; the first plot, if any, becomes current.
  void DisposePlot();
  void DisposeAllPlots();

  friend bool operator==(const PlotStore&, const PlotStore&) = default;

 private:
  std::vector<Plot> plots_;
  int current_ = 0;
};

// A new text item: the text cut to 80 characters, placed at (200, 150) and
// not yet drawn (right and bottom 999), opaque, without a frame.
PlotTextRec NewTextItem(const std::string& text, OrientationType orientation, int legendPlotNo,
                        int fontNo, int sizeNo, int styleNo, int colorNo);

}  // namespace solmon
