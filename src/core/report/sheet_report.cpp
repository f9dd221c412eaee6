#include "core/report/sheet_report.h"

namespace solmon {

namespace {

// Screen positions of a sheet row: caption, value box, unit name.
constexpr int kCaptionX = 10;
constexpr int kValueX = 320;
constexpr int kValueWidth = 100;
constexpr int kUnitX = kValueX + kValueWidth + 5;
constexpr int kLineEnd = 520;  // table entries wrap beyond this

class SheetWriter {
 public:
  SheetWriter(const SheetModel& sheet, ReportOutput& out)
      : sheet_(sheet), out_(out), canvas_(out.Mode == OutputMode::Canvas) {}

  void Caption(const std::string& caption) {
    BeginLine();
    out_.TextFace(TextFaceStyle::Bold);
    if (canvas_)
      out_.DrawLeftAligned(out_.ColumnX(0), caption);
    else
      out_.WriteRaw(caption);
    out_.TextFace(TextFaceStyle::Plain);
    EndLine();
  }

  void Row(const SheetRow& r) {
    const std::string unit = r.UnitName(sheet_.Units());
    BeginLine();
    if (canvas_) {
      out_.DrawLeftAligned(out_.ColumnX(kCaptionX), r.Caption);
      const int left = out_.ColumnX(kValueX);
      out_.Canvas->FrameRect(left, out_.Y, out_.ColumnX(kValueX + kValueWidth),
                             out_.Y + out_.ScreenFontHeight + ReportOutput::kLineSpace);
      out_.DrawLeftAligned(left + 2, r.ValueText());
      out_.DrawLeftAligned(out_.ColumnX(kUnitX), unit);
    } else {
      out_.DrawtheString(0, out_.Y, r.Caption);
      out_.DrawtheString(0, out_.Y, r.ValueText());
      if (out_.Mode == OutputMode::TextFile)
        out_.DrawtheString(0, out_.Y, unit);
      else
        out_.WriteRaw(unit);
    }
    EndLine();
    if (r.Kind == RowKind::Numeric && r.IsMonthly) Table(r);
  }

 private:
  void BeginLine() {
    if (canvas_) out_.CheckBottom(1);
  }
  void EndLine() {
    if (!canvas_) out_.CheckBottom(1);
  }

  // The entries run on after the row in the text forms, and on lines of
  // their own on a canvas.
  void Table(const SheetRow& r) {
    const std::vector<double> entries = sheet_.TableEntries(r.ItemNo);
    if (entries.empty()) return;
    if (!canvas_) {
      for (double v : entries) out_.WriteRaw(FormatValue(v, r.form) + "  ");
      return;
    }
    BeginLine();
    int x = out_.ColumnX(kCaptionX);
    for (double v : entries) {
      const std::string text = FormatValue(v, r.form) + "  ";
      const int width = out_.StringWidth(text);
      if (x + width > out_.ColumnX(kLineEnd) && x > out_.ColumnX(kCaptionX)) {
        BeginLine();
        x = out_.ColumnX(kCaptionX);
      }
      out_.DrawLeftAligned(x, text);
      x += width;
    }
  }

  const SheetModel& sheet_;
  ReportOutput& out_;
  const bool canvas_;
};

}  // namespace

void DisplaySheet(const SheetModel& sheet, const std::string& caption, ReportOutput& out) {
  SheetWriter writer(sheet, out);
  writer.Caption(caption);
  for (int i = 1; i <= sheet.NInfo(); ++i)
    if (sheet.Row(i).Enabled()) writer.Row(sheet.Row(i));
  out.Y += ReportOutput::kLineSpace;
}

}  // namespace solmon
