#pragma once
// The one destination the reports and the input sheets write through: a
// canvas (window or printer page), an open text file, a character count or
// the clipboard text buffer. Cells of the text forms end with a tab; lines of
// the clipboard text end with a carriage return alone.

#include <cstddef>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "core/report/print_job.h"
#include "core/report/report_canvas.h"

namespace solmon {

enum class OutputMode {
  Canvas = 0,           // draw on the canvas
  TextFile = 1,         // write to the open text file
  CountCharacters = 2,  // count what the clipboard buffer will need
  ClipboardBuffer = 3,  // append to the clipboard text buffer
};

// The scroll range a rendering needs.
struct ReportExtent {
  int width = 0;
  int height = 0;
};

class ReportOutput {
 public:
  static constexpr int kMargin = 5;     // added to every column position
  static constexpr int kLineSpace = 4;  // between screen lines, beyond the font height
  static constexpr int kScrollSlack = 25;

  OutputMode Mode = OutputMode::Canvas;
  int Y = 0;     // current line position, device units from the top
  int HMax = 0;  // right-most x drawn on the canvas
  ReportCanvas* Canvas = nullptr;
  std::ostream* TextFile = nullptr;
  PrintJobHooks* PrintJob = nullptr;  // set while printing
  // Screen metrics, taken when a report or sheet window is activated.
  int ScreenFontHeight = 13;
  int ScreenGWidth = 7;  // width of the letter "g"
  std::size_t ClipCount = 0;
  std::string ClipBuffer;

  bool Printing() const { return PrintJob != nullptr; }

  // Advances `lines` lines and ends the text line: on screen by the font
  // height plus 4 per line; when printing through the print job's line
  // counter, which may start a new page.
  void CheckBottom(int lines);
  // Draws s on the canvas at (x, y), or writes it as a tab-ended cell.
  void DrawtheString(int x, int y, const std::string& s);
  // A unit string: on the canvas the character after "^" is drawn as a
  // superscript; elsewhere the string is written whole ("[10^6 Btu]").
  void DrawUnitString(int x, int y, const std::string& s);
  // Text that is not a cell, for the text forms only (no tab is added).
  void WriteRaw(const std::string& s);
  int StringWidth(const std::string& s) const;
  void TextFace(TextFaceStyle face);

  // A screen column position as a device x: scaled to the printer by
  // num/den x printer character width / screen "g" width, plus the margin
  // and the page's left margin.
  int ColumnX(int position, int num = 1, int den = 1) const;
  // s right-aligned at x (its right edge at x), `raise` units above the line.
  void DrawRightAligned(int x, const std::string& s, int raise = 0);
  void DrawLeftAligned(int x, const std::string& s, int raise = 0);

  ReportExtent Extent() const { return {HMax + kScrollSlack, Y + kScrollSlack}; }

 private:
  void WriteCell(const std::string& s);
  void WriteText(const std::string& s);
};

using ReportRenderer = std::function<void(ReportOutput&)>;

// Paints a report on a window's canvas from the top; returns the scroll range.
// The output's mode and canvas are restored.
ReportExtent PaintReport(ReportOutput& out, ReportCanvas& canvas, const ReportRenderer& render);

// Renders a report on a print job's canvas (the print job keeps the page and
// its line counter); the output's canvas and print job are restored.
void PrintReport(ReportOutput& out, ReportCanvas& printerCanvas, PrintJobHooks& job,
                 const ReportRenderer& render);

// The clipboard text of a report: counts first, then fills a buffer of that
// size. Empty when there is nothing to copy or no memory for it (the caller
// beeps). The output mode is restored.
std::optional<std::string> ReportClipboardText(ReportOutput& out, const ReportRenderer& render);

// Renders into an open text file (cells tab-ended, lines ended by CR LF).
// Throws std::ios_base::failure when the file cannot be written.
void WriteReportFile(ReportOutput& out, std::ostream& file, const ReportRenderer& render);

}  // namespace solmon
