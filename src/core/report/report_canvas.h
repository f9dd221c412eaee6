#pragma once
// What the reports draw on: a window, a printer page or, in tests, a
// recorder. The desktop program implements it with a painter.

#include <string>

namespace solmon {

// The text faces of the reports.
enum class TextFaceStyle { Plain = 0, Bold = 1, Underlined = 2 };

class ReportCanvas {
 public:
  virtual ~ReportCanvas() = default;
  // Width of s in the current font, in device units.
  virtual int TextWidth(const std::string& s) = 0;
  // Draws s with its top left corner at (x, y); y grows downwards.
  virtual void TextOut(int x, int y, const std::string& s) = 0;
  virtual void SetFace(TextFaceStyle face) = 0;
  // The font size in the canvas's own unit; superscripts use 3/4 of it.
  virtual int FontSize() const = 0;
  virtual void SetFontSize(int size) = 0;
  // A frame, as printed around the values of an input sheet.
  virtual void FrameRect(int left, int top, int right, int bottom) = 0;
};

}  // namespace solmon
