#include "ui/report/output_form.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollArea>

#include "core/report/economic_report.h"
#include "core/report/thermal_report.h"
#include "ui/app/qt_prompts.h"
#include "ui/app/screen_scale.h"
#include "ui/app/solmon_app.h"
#include "ui/report/painter_canvas.h"

namespace solmon::ui {

TReportPaintBox::TReportPaintBox(TOutputForm* form) : form_(form) {
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

void TReportPaintBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  form_->PaintBox1Paint(painter);
}

TOutputForm::TOutputForm(TSOLMONApp* app) : TGForm(app, app->CreatingWindow) {
  setWindowTitle(Tag() == kThermalWindow ? "Thermal Output" : "Economics Output");
  ScrollBox1 = new QScrollArea;
  ScrollBox1->setFrameShape(QFrame::NoFrame);
  ScrollBox1->setBackgroundRole(QPalette::Base);
  PaintBox1 = new TReportPaintBox(this);
  PaintBox1->resize(Px(560), Px(330));
  ScrollBox1->setWidget(PaintBox1);
  setWidget(ScrollBox1);
}

TOutputForm::~TOutputForm() { App()->FormDestroyed(this); }

void TOutputForm::Render(ReportOutput& out) {
  if (Tag() == kThermalWindow)
    DisplayThermal(App()->State(), out);
  else
    DisplayEcon(App()->State(), out);
}

void TOutputForm::PaintBox1Paint(QPainter& painter) {
  const double scale = ScreenScale();
  PainterCanvas canvas(&painter, scale);
  ReportOutput& out = App()->Output;
  const ReportExtent extent = PaintReport(out, canvas, [this](ReportOutput& o) { Render(o); });
  out.Canvas = nullptr;  // the canvas lives only for this paint
  // The scroll ranges reach 25 beyond the last line and the widest text.
  const QSize wanted(static_cast<int>(extent.width * scale), static_cast<int>(extent.height * scale));
  if (PaintBox1->size() != wanted) PaintBox1->resize(wanted);
}

void TOutputForm::FormActivate() {
  TSOLMONApp* app = App();
  app->ActiveChild = this;
  ReportOutput& out = app->Output;
  const QFontMetrics metrics(PainterCanvas::ReportFont());
  out.ScreenFontHeight = PainterCanvas::ReportFont().pixelSize();
  out.ScreenGWidth = metrics.horizontalAdvance('g');
  IsVisible = true;
  HelpContext = Tag() == kThermalWindow ? 2100 + app->State().SheetKind[1] : 2200;
}

std::optional<std::string> TOutputForm::CopyText() {
  return ReportClipboardText(App()->Output, [this](ReportOutput& o) { Render(o); });
}

void TOutputForm::Print(ReportCanvas& printerCanvas, PrintJobHooks& job) {
  PrintReport(App()->Output, printerCanvas, job, [this](ReportOutput& o) { Render(o); });
}

void TOutputForm::CopyWindow() {
  const std::optional<std::string> text = CopyText();
  if (!text) {
    App()->Prompts().Beep();
    return;
  }
  QGuiApplication::clipboard()->setText(QString::fromStdString(*text));
}

void TOutputForm::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_F1) {
    App()->ShowHelpTopic(HelpContext);
    return;
  }
  TGForm::keyPressEvent(e);
}

}  // namespace solmon::ui
