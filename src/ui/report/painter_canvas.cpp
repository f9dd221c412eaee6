#include "ui/report/painter_canvas.h"

#include <QFontMetrics>
#include <QPainter>

namespace solmon::ui {

QFont PainterCanvas::ReportFont() {
  QFont f;
  f.setStyleHint(QFont::SansSerif);
  f.setFamilies({"DejaVu Sans", "Liberation Sans", "Sans Serif"});
  f.setPixelSize(13);
  return f;
}

PainterCanvas::PainterCanvas(QPainter* painter, double designScale)
    : painter_(painter), font_(ReportFont()) {
  if (painter_) {
    painter_->scale(designScale, designScale);
    painter_->setPen(Qt::black);
    painter_->setBackgroundMode(Qt::TransparentMode);
  }
  Apply();
}

void PainterCanvas::Apply() {
  if (painter_) painter_->setFont(font_);
}

int PainterCanvas::TextWidth(const std::string& s) {
  return QFontMetrics(font_).horizontalAdvance(QString::fromStdString(s));
}

void PainterCanvas::TextOut(int x, int y, const std::string& s) {
  if (!painter_) return;
  painter_->drawText(QRect(x, y, 4000, 200), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                     QString::fromStdString(s));
}

void PainterCanvas::SetFace(TextFaceStyle face) {
  font_.setBold(face == TextFaceStyle::Bold);
  font_.setUnderline(face == TextFaceStyle::Underlined);
  Apply();
}

void PainterCanvas::SetFontSize(int size) {
  font_.setPixelSize(size > 0 ? size : 1);
  Apply();
}

void PainterCanvas::FrameRect(int left, int top, int right, int bottom) {
  if (painter_) painter_->drawRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

}  // namespace solmon::ui
