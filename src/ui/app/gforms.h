#pragma once
// The base of every child window of the main window: input sheets, reports
// and the plot window. Closing a child only hides it.

#include <QMdiSubWindow>

namespace solmon {
class ReportCanvas;
}

namespace solmon::ui {

class TSOLMONApp;

// Window numbers.
constexpr int kSystemWindow = 1;
constexpr int kCollectorWindow = 2;
constexpr int kEconomicsWindow = 3;
constexpr int kThermalWindow = 4;
constexpr int kEconomicWindow = 5;
constexpr int kPlotWindow = 6;
constexpr int kChildWindowSlots = 6;

class TGForm : public QMdiSubWindow {
  Q_OBJECT
 public:
  TGForm(TSOLMONApp* app, int windowNo);

  bool IsVisible = false;
  void* DC = nullptr;
  ReportCanvas* aCanvas = nullptr;  // where the window draws or prints
  int ActivateTime = 0;

  int Tag() const { return tag_; }
  TSOLMONApp* App() const { return app_; }

  void Hide();
  // Shows the window normally and repaints it.
  void Show();
  void FormHide() {
    if (IsVisible) Hide();
  }
  void FormShow() {
    if (!IsVisible) Show();
  }
  // Shows it and makes it the active child.
  void BringToFront();

  // The size of the area inside the frame and the caption.
  void SetClientSize(int width, int height);
  QSize ClientSize() const;

  virtual void FormActivate() {}
  virtual void FormDeactivate() {}

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  TSOLMONApp* app_;
  int tag_;
};

}  // namespace solmon::ui
