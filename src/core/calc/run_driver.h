#pragma once
// A run: the collector-fluid plausibility question, a snapshot of every
// parameter, the system model of the chosen kind for the current location or
// for every location of the weather file, the economics, and the snapshot put
// back on every way out.

#include "core/calc/calculation.h"

namespace solmon {

enum class RunOutcome {
  Completed,  // results written (single location: ResultsValid is set)
  Cancelled,  // the fluid question was answered No, or the multi-location dialog cancelled
  Stopped,    // a model stopped the run; the message is in ErrorMessage
};

// One complete run. checkFluid: ask about an implausible fluid specific heat.
// Throws WeatherFileError or OutputFileError (a multi-location run) after
// putting the parameters back.
RunOutcome RunCalculation(ProjectState& s, bool checkFluid, UserPrompts& prompts);

// False when the user rejects the collector fluid's specific heat.
bool CheckFluidSpecificHeat(Calculation& c, bool checkFluid);

// Blank results, then the model of c.SystemKind for the current location
// (kind 9: the active model, then its fields shifted to Solar, Dhw, Aux, f).
void RunSystemModel(Calculation& c);

// The slope a multi-location run writes for each location: the ICS sheet's
// "Collector slope" for kind 8, otherwise the collector's slope or axis slope.
void WriteCollectorSlope(Calculation& c, double slope);

}  // namespace solmon
