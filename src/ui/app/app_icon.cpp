#include "ui/app/app_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QtMath>

namespace solmon::ui {

namespace {

QPixmap Sun(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(size / 2.0, size / 2.0);
  p.setPen(QPen(QColor(230, 120, 0), size / 12.0, Qt::SolidLine, Qt::RoundCap));
  for (int ray = 0; ray < 8; ++ray) {
    const double a = ray * M_PI / 4;
    const QPointF dir(std::cos(a), std::sin(a));
    p.drawLine(centre + dir * (size * 0.32), centre + dir * (size * 0.46));
  }
  p.setPen(QPen(QColor(230, 120, 0), size / 24.0));
  p.setBrush(QColor(255, 200, 0));
  p.drawEllipse(centre, size * 0.24, size * 0.24);
  return pixmap;
}

}  // namespace

QIcon SolmonIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) icon.addPixmap(Sun(size));
  return icon;
}

}  // namespace solmon::ui
