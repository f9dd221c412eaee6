#include "core/report/report_output.h"

#include <new>

namespace solmon {

namespace {

// Restores a value when the scope ends, also when rendering throws.
template <typename T>
class Restore {
 public:
  explicit Restore(T& ref) : ref_(ref), saved_(ref) {}
  ~Restore() { ref_ = saved_; }
  Restore(const Restore&) = delete;
  Restore& operator=(const Restore&) = delete;

 private:
  T& ref_;
  T saved_;
};

}  // namespace

void ReportOutput::CheckBottom(int lines) {
  if (Printing()) {
    PrintJob->AdvanceLines(lines);
    Y = PrintJob->PrintLineNo() * PrintJob->PrintLineHeight();
  } else {
    Y += lines * (ScreenFontHeight + kLineSpace);
  }
  switch (Mode) {
    case OutputMode::TextFile:
      WriteText("\r\n");
      break;
    case OutputMode::CountCharacters:
      ++ClipCount;
      break;
    case OutputMode::ClipboardBuffer:
      ClipBuffer += '\r';
      break;
    case OutputMode::Canvas:
      break;
  }
}

void ReportOutput::WriteText(const std::string& s) {
  if (!TextFile) return;
  TextFile->write(s.data(), static_cast<std::streamsize>(s.size()));
  TextFile->flush();
  if (!*TextFile) throw std::ios_base::failure("the report could not be written to the text file");
}

void ReportOutput::WriteCell(const std::string& s) {
  switch (Mode) {
    case OutputMode::TextFile:
      WriteText(s + '\t');
      break;
    case OutputMode::CountCharacters:
      ClipCount += s.size() + 2;
      break;
    case OutputMode::ClipboardBuffer:
      ClipBuffer += s + '\t';
      break;
    case OutputMode::Canvas:
      break;
  }
}

void ReportOutput::DrawtheString(int x, int y, const std::string& s) {
  if (Mode != OutputMode::Canvas) {
    WriteCell(s);
    return;
  }
  if (!Canvas) return;
  Canvas->TextOut(x, y, s);
  const int right = x + Canvas->TextWidth(s);
  if (right > HMax) HMax = right;
}

void ReportOutput::DrawUnitString(int x, int y, const std::string& s) {
  const auto caret = s.find('^');
  if (Mode != OutputMode::Canvas || !Canvas || caret == std::string::npos) {
    DrawtheString(x, y, s);
    return;
  }
  const std::string before = s.substr(0, caret);
  const std::string raised = s.substr(caret + 1, 1);
  const std::string rest = caret + 2 <= s.size() ? s.substr(caret + 2) : std::string{};
  DrawtheString(x, y, before);
  const int raisedX = x + Canvas->TextWidth(before);
  const int size = Canvas->FontSize();
  Canvas->SetFontSize(size * 3 / 4);
  DrawtheString(raisedX, y - ScreenFontHeight / 3, raised);
  Canvas->SetFontSize(size);
  DrawtheString(raisedX + Canvas->TextWidth(raised), y, rest);
}

void ReportOutput::WriteRaw(const std::string& s) {
  switch (Mode) {
    case OutputMode::TextFile:
      WriteText(s);
      break;
    case OutputMode::CountCharacters:
      ClipCount += s.size();
      break;
    case OutputMode::ClipboardBuffer:
      ClipBuffer += s;
      break;
    case OutputMode::Canvas:
      break;
  }
}

int ReportOutput::StringWidth(const std::string& s) const {
  return Canvas ? Canvas->TextWidth(s) : 0;
}

void ReportOutput::TextFace(TextFaceStyle face) {
  if (Mode == OutputMode::Canvas && Canvas) Canvas->SetFace(face);
}

int ReportOutput::ColumnX(int position, int num, int den) const {
  if (!Printing()) return position + kMargin;
  const int g = ScreenGWidth > 0 ? ScreenGWidth : 1;
  return position * num * PrintJob->PrintCharWidth() / (den * g) + kMargin +
         PrintJob->PageLeftMargin();
}

void ReportOutput::DrawRightAligned(int x, const std::string& s, int raise) {
  DrawtheString(x - StringWidth(s), Y - raise, s);
}

void ReportOutput::DrawLeftAligned(int x, const std::string& s, int raise) {
  DrawtheString(x, Y - raise, s);
}

ReportExtent PaintReport(ReportOutput& out, ReportCanvas& canvas, const ReportRenderer& render) {
  Restore<OutputMode> mode(out.Mode);
  Restore<ReportCanvas*> saved(out.Canvas);  // the canvas lives only for this paint
  out.Mode = OutputMode::Canvas;
  out.Canvas = &canvas;
  out.Y = 0;
  out.HMax = 100;
  render(out);
  return out.Extent();
}

void PrintReport(ReportOutput& out, ReportCanvas& printerCanvas, PrintJobHooks& job,
                 const ReportRenderer& render) {
  Restore<OutputMode> mode(out.Mode);
  Restore<ReportCanvas*> canvas(out.Canvas);
  Restore<PrintJobHooks*> printJob(out.PrintJob);
  out.Mode = OutputMode::Canvas;
  out.Canvas = &printerCanvas;
  out.PrintJob = &job;
  render(out);
}

std::optional<std::string> ReportClipboardText(ReportOutput& out, const ReportRenderer& render) {
  Restore<OutputMode> mode(out.Mode);
  Restore<int> y(out.Y);
  Restore<int> hmax(out.HMax);
  out.ClipCount = 0;
  out.Mode = OutputMode::CountCharacters;
  render(out);
  if (out.ClipCount == 0) return std::nullopt;
  std::string text;
  try {
    out.ClipBuffer.clear();
    out.ClipBuffer.reserve(out.ClipCount);
    out.Mode = OutputMode::ClipboardBuffer;
    render(out);
    text.swap(out.ClipBuffer);
  } catch (const std::bad_alloc&) {
    out.ClipBuffer.clear();
    return std::nullopt;
  }
  out.ClipBuffer.shrink_to_fit();
  return text;
}

void WriteReportFile(ReportOutput& out, std::ostream& file, const ReportRenderer& render) {
  Restore<OutputMode> mode(out.Mode);
  Restore<std::ostream*> textFile(out.TextFile);
  Restore<int> y(out.Y);
  out.Mode = OutputMode::TextFile;
  out.TextFile = &file;
  render(out);
}

}  // namespace solmon
