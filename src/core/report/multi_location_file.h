#pragma once
// The text file of a multi-location run: a header line and one line per
// location, every item followed by a tab, lines ended by CR LF, each item
// handed to the file at once.

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/calc/results.h"

namespace solmon {

// Writing failed (disk full, closed pipe ...).
class OutputFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The value columns of a system kind; "Pool_T" (kind 6) only in monthly output.
std::vector<std::string> ResultColumnNames(int systemKind, bool monthly);
// "Jan" .. "Dec" for records 1..12, " Yr" for 13.
const std::string& RecordLabel(int record);

// 4 decimals right-aligned in 12; economics: whole, half away from zero, in 10.
std::string FormatResultValue(double value);
std::string FormatEconomicsValue(double value);

class MultiLocationWriter {
 public:
  MultiLocationWriter(std::ostream& out, int systemKind, bool monthly, bool economics);
  void WriteHeader();
  void WriteLocation(const std::string& name, const ThermalResults& results,
                     const EconomicsResults& economics);

 private:
  void Item(const std::string& text);
  void EndLine();
  std::ostream& out_;
  std::vector<std::string> columns_;
  bool monthly_;
  bool economics_;
};

}  // namespace solmon
