#pragma once
// The economics sheet and the run's figures as the economics reads them,
// shared by the present-worth terms and the cash-flow table.

#include <array>
#include <string>

#include "core/model/project_state.h"

namespace solmon {

struct EconomicsInputs {
  int level = 0;  // D: 2 brief, 3 detailed, 4 cash flow
  double costPerArea = 0, fixedCost = 0;
  double fuelInflation = 0;  // of the fuel the system sheet burns
  int period = 0;            // N
  double downPayment = 0, mortgageRate = 0;
  int term = 0;  // Nm
  double discount = 0, maintIns = 0, maintInsIncrease = 0, taxRate = 0, propertyTax = 0,
         propertyTaxIncrease = 0, resale = 0, credit1 = 0, tier1 = 0, credit2 = 0, tier2 = 0;
  bool commercial = false;
  bool straightLine = false;          // the depreciation row holds a positive number
  std::array<double, 11> schedule{};  // [1..10] percent depreciated in years 1..10
  double area = 0;
  int fuel = 0;
  double fuelUnits = 0;  // fuel units per GJ or per 10^6 Btu of the chosen fuel
  double costSolar = 0, costNoSolar = 0;
  double taxFactor = 1;  // tf
  double investment = 0;
};

// Reads the economics sheet (sheet 3, kind 1) and the results store. Returns
// an empty text, or why the sheet's values cannot be used (a value outside
// the range the sheet accepts, as only a damaged project can hold).
std::string ReadEconomicsInputs(const ProjectState& s, EconomicsInputs& in);

// Fills CashFlow and the cash-flow-level results from the present-worth
// results already in `r`. Returns an empty text, or why the table cannot be
// built.
std::string BuildCashFlow(const EconomicsInputs& in, EconomicsResults& r);

}  // namespace solmon
