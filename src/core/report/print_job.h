#pragma once
// What the shared report output needs from a print job while it prints:
// the page metrics and the line counter that breaks pages. The print job of
// the desktop program implements it.

namespace solmon {

class PrintJobHooks {
 public:
  virtual ~PrintJobHooks() = default;
  // Counts n lines; starts a new page when the page is full.
  virtual void AdvanceLines(int n) = 0;
  // The current line on the page (1-based); a line's y is PrintLineNo x PrintLineHeight.
  virtual int PrintLineNo() const = 0;
  virtual int PrintLineHeight() const = 0;
  // Average character width of the normal printer font.
  virtual int PrintCharWidth() const = 0;
  // Left margin of the page in dots, added to every report column.
  virtual int PageLeftMargin() const = 0;
};

}  // namespace solmon
