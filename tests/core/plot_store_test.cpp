#include "core/plot/plot_store.h"

#include <gtest/gtest.h>

namespace solmon {
namespace {

TEST(PlotStore, NewPlotsAreNumberedByTabCount) {
  PlotStore store;
  EXPECT_EQ(store.MPtr(), nullptr);
  Plot& first = store.MakeNewPlot(0);
  EXPECT_EQ(first.Info.Title.Text(), "Plot 1");
  EXPECT_EQ(first.Info.PlotClipRect, (TRect{100, 50, 450, 300}));
  EXPECT_EQ(first.Info.ReSizeRect, (TRect{440, 290, 460, 310}));
  EXPECT_EQ(first.Info.AxisFontNo[3], 1);
  EXPECT_EQ(first.Info.AxisSizeNo[1], 12);
  EXPECT_EQ(first.Info.GridLineColorNo, 9);
  EXPECT_EQ(first.Info.MajorTickSize, 4);
  EXPECT_EQ(first.Info.MinorTickSize, 3);
  EXPECT_EQ(first.Info.TickWidth, 1);
  store.MakeNewPlot(2);
  EXPECT_EQ(store.CurrentPlot(), 2);
  EXPECT_EQ(store.MPtr()->Info.PlotType, 2);

  // Deleting the first of two and making a new one numbers it 2 again.
  store.SetCurrentPlot(1);
  store.DisposePlot();
  EXPECT_EQ(store.CurrentPlot(), 1);
  EXPECT_EQ(store.MakeNewPlot(1).Info.Title.Text(), "Plot 2");
  EXPECT_EQ(store.PlotList()[0].Info.Title.Text(), "Plot 2");

  store.DisposeAllPlots();
  EXPECT_EQ(store.Count(), 0);
  EXPECT_EQ(store.CurrentPlot(), 0);
  EXPECT_EQ(store.MakeNewPlot(0).Info.Title.Text(), "Plot 1");
}

TEST(PlotStore, NewTextItem) {
  const PlotTextRec t =
      NewTextItem(std::string(90, 'a'), OrientationType::Vert, 2, 3, 16, 1, 4);
  EXPECT_EQ(t.theText.Text(), std::string(80, 'a'));
  EXPECT_EQ(t.theRect, (TRect{200, 150, 999, 999}));
  EXPECT_EQ(t.myCopyRect, t.theRect);
  EXPECT_EQ(t.Opaque, 1);
  EXPECT_EQ(t.Box, 0);
  EXPECT_EQ(t.Orientation, OrientationType::Vert);
  EXPECT_EQ(t.LegendPlotNo, 2);
  EXPECT_EQ(t.FontNo, 3);
  EXPECT_EQ(t.SizeNo, 16);
  EXPECT_EQ(t.StyleNo, 1);
  EXPECT_EQ(t.ColorNo, 4);
}

}  // namespace
}  // namespace solmon
