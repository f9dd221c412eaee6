#pragma once
// The collector as it works in the system: the rated efficiency line of the
// collector sheet corrected to the system's flow, the corrections for a
// collector-store heat exchanger and for pipe or duct losses, and the
// incidence angle modifier table.

#include "core/calc/calculation.h"

namespace solmon {

// Rows of a collector sheet (0: the kind has no such row).
struct CollectorRows {
  int panels = 1, panelArea = 2, frul = 3, frta = 4;
  int slope = 0, azimuth = 0, orientation = 0, concentration = 0, acceptance = 0;
  int modifierCalculation = 0, covers = 0, modifierConstant = 0, modifierValues = 0;
  int perpendicular = 0, parallel = 0;
  int flow = 0, specificHeat = 0, modifyTest = 0, testFlow = 0, testSpecificHeat = 0;
};
// Collector kind 1..5; 0 is read as the flat plate.
const CollectorRows& CollectorRowsOf(int collectorKind);

// Reads the collector sheet of c.CollectorKind into c.Collector and
// CollectorArea, fills the modifier table and corrects for the test flow when
// the sheet asks for it. May stop the run for a value it cannot use.
void SetupCollector(Calculation& c);

// FRUL and FRTA from the test flow rate to the system flow rate; message 4
// when the test slope is too steep for the test flow.
void TestFlowCorrection(Calculation& c);

// The collector-store heat exchanger: tank-side capacitance rate per area
// (same units as Cc') and effectiveness. The caller makes sure both are above
// 0. Returns false (the run stopped) when the collector loop has no flow.
bool HeatExchangerCorrection(Calculation& c, double tankSideRate, double effectiveness);

// Pipe or duct losses with inlet and outlet UA. Returns false (the run
// stopped) when the collector loop has no area, no flow or no loss slope.
bool PipeLossCorrection(Calculation& c, double inletUA, double outletUA);

// Stops the run unless the collector has an area, naming the row that makes it 0.
bool RequireCollectorArea(Calculation& c);

// Stops the run unless the collector loop has an area and a flow (the
// capacitance rate divides in the loop corrections).
bool RequireCollectorLoop(Calculation& c);

// Row 1 of the modifier table for 0..4 glass covers, or from IAMConstant when
// n < 0. Returns false, changing nothing, for more than 4 covers.
bool FillIAMByGlazings(CollectorRun& k, int n);
// Row 1 or 2 of the modifier table from a "value(s)" row: the angle table
// a reference designates (extra table 1 or 2), or the one value at every angle.
void FillModifierRow(Calculation& c, int tableRow, double value);
// Entries 1..10 of row IAMRow := IAMConstant.
void FillIAMConstant(CollectorRun& k);
// Linear interpolation between the 10-degree entries; 0 beyond 89 degrees.
double IAMLookup(const CollectorRun& k, int row, double angle);

// Stops the run unless FR(ta)n is not 0: the critical radiation level of the
// utilizability divides by it.
bool RequireCollectorIntercept(Calculation& c);

}  // namespace solmon
