#include "ui/app/screen_scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace solmon::ui {

double ScreenScale() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
  return dpi > 0 ? dpi / 96.0 : 1.0;
}

int Px(int designPixels) { return static_cast<int>(std::lround(designPixels * ScreenScale())); }

QFont SansSerifPixels(int designPixels) {
  QFont f;
  f.setStyleHint(QFont::SansSerif);
  f.setFamilies({"DejaVu Sans", "Liberation Sans", "Sans Serif"});
  f.setPixelSize(Px(designPixels));
  return f;
}

QFont SansSerifPoints(int points) {
  QFont f;
  f.setStyleHint(QFont::SansSerif);
  f.setFamilies({"DejaVu Sans", "Liberation Sans", "Sans Serif"});
  f.setPointSize(points);
  return f;
}

}  // namespace solmon::ui
