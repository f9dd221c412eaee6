#pragma once
// What the project state needs from the windows that show it. The desktop
// program implements it; without windows (the CLI, tests) the defaults apply.

namespace solmon {

struct SheetRect {
  short Left = 0, Top = 0, Right = 0, Bottom = 0;
  friend bool operator==(const SheetRect&, const SheetRect&) = default;
};

class WindowHooks {
 public:
  virtual ~WindowHooks() = default;
  // Results changed: the thermal and economic report windows must not show old numbers.
  virtual void HideReportWindows() {}
  // The numeric field that has, or last had, the focus is forgotten.
  virtual void ClearActiveEdit() {}
  // Input sheet windows 1..3, for saving and restoring the layout.
  virtual bool SheetWindowExists(int /*sheet*/) const { return false; }
  virtual bool SheetWindowVisible(int /*sheet*/) const { return false; }
  virtual SheetRect SheetWindowRect(int /*sheet*/) const { return {}; }
  virtual void SetSheetWindowVisible(int /*sheet*/, bool /*visible*/) {}
  // The sheet number 1..3 of the active child window, 0 when it is no input sheet.
  virtual int ActiveSheetWindow() const { return 0; }
  // Height of the system's vertical scroll-bar thumb, part of a sheet's default height.
  virtual int VerticalScrollThumbHeight() const { return 0; }
};

}  // namespace solmon
