#pragma once
// A canvas that records what the reports draw, and helpers for the texts
// the reports copy.

#include <string>
#include <vector>

#include "core/report/report_output.h"

namespace solmon::testing {

struct DrawnString {
  int x, y;
  std::string text;
  TextFaceStyle face;
  int size;
};

// Every character is 7 units wide at size 12 and proportionally narrower
// at smaller sizes.
class RecordingCanvas : public ReportCanvas {
 public:
  int TextWidth(const std::string& s) override {
    return static_cast<int>(s.size()) * size_ * 7 / 12;
  }
  void TextOut(int x, int y, const std::string& s) override {
    drawn.push_back({x, y, s, face_, size_});
  }
  void SetFace(TextFaceStyle face) override { face_ = face; }
  int FontSize() const override { return size_; }
  void SetFontSize(int size) override { size_ = size; }
  void FrameRect(int, int, int, int) override {}

  const DrawnString* Find(const std::string& text) const {
    for (const auto& d : drawn)
      if (d.text == text) return &d;
    return nullptr;
  }
  std::vector<DrawnString> drawn;

 private:
  TextFaceStyle face_ = TextFaceStyle::Plain;
  int size_ = 12;
};

// Expected clipboard texts are written with "|" for the tab that ends every
// cell and a line break for the carriage return that ends every line.
inline std::string ClipboardForm(std::string readable) {
  for (char& c : readable) {
    if (c == '|') c = '\t';
    if (c == '\n') c = '\r';
  }
  return readable;
}

inline std::string CopiedText(ReportOutput& out, const ReportRenderer& render) {
  return ReportClipboardText(out, render).value_or("(nothing copied)");
}

}  // namespace solmon::testing
