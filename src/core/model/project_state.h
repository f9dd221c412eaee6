#pragma once
// The open project: every parameter of every system kind, collector kind and
// the economics sheet, the value tables, the unit system, the current location
// and the status flags. One object per program, passed explicitly.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/calc/results.h"
#include "core/files/real6.h"
#include "core/model/window_hooks.h"
#include "core/plot/plot_store.h"
#include "core/weather/location_record.h"

namespace solmon {

constexpr int kSheets = 3;
constexpr int kKindsPerSheet = 9;
constexpr int kValuesPerSet = 31;  // row 0 is the units marker
constexpr std::size_t kParamBlockSize = kSheets * kKindsPerSheet * kValuesPerSet * 6;  // 5022
constexpr int kMonthlySlots = 18;
constexpr int kExtraTables = 3;
constexpr int kWeatherFileNameMax = 15;

// Entry 0 is the owner code (monthly) or unused (extra); 1..12 the values.
using ValueTable = std::array<Real6, 13>;

struct OwnerAddress {
  int sheet, kind, row;
};

enum class TableFamily { None, Monthly, Extra };
struct TableRef {
  TableFamily family = TableFamily::None;
  int number = 0;  // 1..18 monthly, 1..3 extra
};

inline bool IsTableReference(double value) { return value <= -990; }

class ProjectState {
 public:
  // Parameter block.
  std::array<std::uint8_t, kParamBlockSize> ParamBlock{};
  std::array<std::int16_t, kSheets + 1> SheetKind{};  // 1 system, 2 collector (0 none), 3 economics (0/1)
  std::uint8_t UnitSystem = 0;                        // 0 SI, 1 English

  // Value tables.
  std::array<std::optional<ValueTable>, kMonthlySlots + 1> MonthlyTables;  // slots 1..18
  std::array<ValueTable, kExtraTables + 1> ExtraTables{};                 // tables 1..3

  // Current location.
  std::int16_t LocationIndex = 1;  // below 1: all locations of the weather file
  std::string WeatherFileName;
  LocationRecord Location;
  std::array<Real6, 13> DegDays{};
  std::array<Real6, 13> TSky{};
  Real6 TSigma, TMean;
  std::string LocationName;

  // Status.
  bool Modified = false;
  bool ResultsValid = false;
  std::int16_t ErrorCode = 0;
  std::string ErrorMessage;

  // Window layout.
  std::array<std::array<std::int16_t, kKindsPerSheet + 1>, 6> RowCount{};  // [window 1..5][kind 1..9]
  std::array<SheetRect, kSheets + 1> SheetRects{};
  // Visible flag of each sheet as read from the project file; written back
  // where no sheet window exists (the CLI), so a re-save keeps the layout.
  std::array<std::uint8_t, kSheets + 1> SheetVisible{};
  std::int16_t ActiveSheetNo = 1;

  // The plots of the project.
  PlotStore Plots;

  std::string ProgramDir;  // with a trailing separator; weather files live here

  // The last run.
  ThermalResults Results;
  EconomicsResults Economics;

  // The windows that show the project; none in the CLI.
  WindowHooks* Windows() const { return windows_ ? windows_ : &noWindows_; }
  void SetWindows(WindowHooks* w) { windows_ = w; }

  // Parameter access by (sheet 1..3, kind 1..9, row 0..30). Throws
  // std::out_of_range outside the block.
  // Inline: the calculation reads parameters this way many times per month.
  Real6 ParamReal6(int sheet, int kind, int row) const {
    return Real6FromBytes(ParamBlock.data() + Offset(sheet, kind, row));
  }
  double ParamValue(int sheet, int kind, int row) const {
    return Real6ToDouble(ParamReal6(sheet, kind, row));
  }
  // Rounds to a six-byte real. On overflow throws Real6Overflow and the row
  // keeps its value.
  void SetParamValue(int sheet, int kind, int row, double value);
  double CurrentParamValue(int sheet, int row) const;

  // Monthly tables.
  int AllocateMonthlyTable();
  void FreeMonthlyTable(int table);
  void ReleaseOtherOwners(int table, int ownerCode);
  // Owner code of a slot, rounded; 0 when the slot is empty.
  int TableOwner(int table) const;
  void ReleaseAllMonthlyTables();

  // What a stored value designates for a row of the given code.
  static TableRef ResolveReference(int code, double value);

  void InvalidateResults();
  void MarkModified() { Modified = true; }

 private:
  static std::size_t Offset(int sheet, int kind, int row) {
    if (sheet < 1 || sheet > kSheets || kind < 1 || kind > kKindsPerSheet || row < 0 ||
        row >= kValuesPerSet) [[unlikely]]
      ThrowNoParameter(sheet, kind, row);
    return (sheet - 1) * 1674 + (kind - 1) * 186 + row * 6;
  }
  [[noreturn]] static void ThrowNoParameter(int sheet, int kind, int row);
  WindowHooks* windows_ = nullptr;
  static WindowHooks noWindows_;
};

inline int OwnerCode(int sheet, int kind, int row) { return sheet * 1000 + kind * 100 + row; }
OwnerAddress DecodeOwnerCode(int code);

}  // namespace solmon
