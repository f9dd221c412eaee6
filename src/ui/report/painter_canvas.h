#pragma once
// The report canvas on a Qt painter: reports draw in pixels of a 96 dpi
// screen, which the painter's scale maps to the device.

#include <QFont>

#include "core/report/report_canvas.h"

class QPainter;

namespace solmon::ui {

class PainterCanvas : public ReportCanvas {
 public:
  // `designScale` maps design pixels to device pixels.
  PainterCanvas(QPainter* painter, double designScale);

  int TextWidth(const std::string& s) override;
  void TextOut(int x, int y, const std::string& s) override;
  void SetFace(TextFaceStyle face) override;
  int FontSize() const override { return font_.pixelSize(); }
  void SetFontSize(int size) override;
  void FrameRect(int left, int top, int right, int bottom) override;

  // The report font: the platform's sans-serif face, 13 pixels high.
  static QFont ReportFont();

 private:
  void Apply();
  QPainter* painter_;
  QFont font_;
};

}  // namespace solmon::ui
