#pragma once
// The choices of a multi-location run ("Output from Multiple City
// Calculation"): where the lines go, monthly or annual, and the collector slope.

#include <ostream>
#include <string>

namespace solmon {

struct MultiLocationOptions {
  std::string FileName = "Output.txt";  // created or overwritten
  bool Monthly = false;                 // all 13 records instead of the year
  bool FixedSlope = true;               // the slope rows keep their values
  double Slope = 0;                     // otherwise: slope = latitude + Slope, degrees
  // When set, the lines go to this stream instead of FileName.
  std::ostream* Stream = nullptr;
};

}  // namespace solmon
