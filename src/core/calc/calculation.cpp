#include "core/calc/calculation.h"

#include <algorithm>

#include "core/model/messages.h"
#include "core/model/numbers.h"

namespace solmon {

Calculation::Calculation(ProjectState& state, UserPrompts& userPrompts)
    : s(state), prompts(userPrompts) {}

void Calculation::Report(const std::string& text) {
  const std::string full = MessagePrefix + text;
  if (std::find(reported_.begin(), reported_.end(), full) != reported_.end()) return;
  reported_.push_back(full);
  prompts.CalculationMessage(full);
}

namespace {

// ErrorMessage is a short string.
std::string Short(const std::string& text) { return text.size() > 255 ? text.substr(0, 255) : text; }

}  // namespace

void CalcMessage(Calculation& c) {
  std::string text;
  switch (c.CalcMessageCode) {
    case 1: text = MessageText(30) + MessageText(c.English() ? 35 : 36); break;
    case 2: text = MessageText(31) + MessageText(c.English() ? 37 : 38); break;
    case 4: text = MessageText(33); break;
    case 5: text = MessageText(34); break;
    default: return;
  }
  c.s.ErrorMessage = Short(text);
  c.Report(c.s.ErrorMessage);
}

void StopRun(Calculation& c, const std::string& text) {
  c.s.ErrorCode = kCalcStopped;
  c.s.ErrorMessage = Short(text);
  c.Report(c.s.ErrorMessage);
}

std::string RowCaption(int sheet, int kind, int row) {
  if (!SheetKindExists(sheet, kind) || row < 1 || row > SheetRowCount(sheet, kind))
    return "row " + std::to_string(row);
  return TrimSpaces(CatalogueEntry(sheet, kind, row).caption);
}

void StopForParameter(Calculation& c, int sheet, int kind, int row, const std::string& requirement) {
  static const char* sheetNames[] = {"", "system", "collector", "economics"};
  const char* sheetName = sheet >= 1 && sheet <= 3 ? sheetNames[sheet] : "";
  StopRun(c, "Calculation stopped: \"" + RowCaption(sheet, kind, row) + "\" of the " + sheetName +
                 " sheet " + requirement + ".");
}

}  // namespace solmon
