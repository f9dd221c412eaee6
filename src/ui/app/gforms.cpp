#include "ui/app/gforms.h"

#include <QCloseEvent>
#include <QMdiArea>

#include "ui/app/solmon_app.h"

namespace solmon::ui {

TGForm::TGForm(TSOLMONApp* app, int windowNo) : app_(app), tag_(windowNo) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setOption(QMdiSubWindow::RubberBandResize, false);
}

void TGForm::Hide() {
  hide();
  IsVisible = false;
}

void TGForm::Show() {
  if (isMinimized() || isMaximized()) showNormal();
  show();
  IsVisible = true;
  update();
  if (widget()) widget()->update();
}

void TGForm::BringToFront() {
  Show();
  raise();
  if (QMdiArea* area = mdiArea()) area->setActiveSubWindow(this);
}

QSize TGForm::ClientSize() const { return contentsRect().size(); }

void TGForm::SetClientSize(int width, int height) {
  const QMargins m = contentsMargins();
  resize(width + m.left() + m.right(), height + m.top() + m.bottom());
}

void TGForm::closeEvent(QCloseEvent* event) {
  event->ignore();
  const bool wasActive = mdiArea() && mdiArea()->activeSubWindow() == this;
  Hide();
  if (wasActive && mdiArea()) mdiArea()->activateNextSubWindow();
}

}  // namespace solmon::ui
