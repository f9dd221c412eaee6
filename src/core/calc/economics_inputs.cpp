#include "core/calc/economics_inputs.h"

#include <cmath>

#include "core/model/catalogue.h"
#include "core/model/numbers.h"
#include "core/model/validation.h"

namespace solmon {

namespace {

constexpr int kSheet = kEconomicsSheet;
constexpr int kKind = 1;
constexpr int kDepreciationRow = 28;
constexpr int kDepreciationTable = 3;

// Fuel units per GJ (SI) or per 10^6 Btu (English), fuels 1..4.
constexpr double kFuelUnitsPerEnergy[2][5] = {{0, 278.9, 26.83, 27.63, 1.0},
                                              {0, 293.0, 10.0, 7.3, 1.0}};

// The increase row of the fuel the system sheet burns; natural gas for any other.
int FuelInflationRow(int fuel) {
  switch (fuel) {
    case 1:
      return 5;
    case 3:
      return 9;
    case 4:
      return 11;
    default:
      return 7;
  }
}

// The sheet's own rule for the periods and the rates of growth and discount,
// as the sheet applies it to typed values; outside it the present worths and
// the cash-flow table have no meaning (a rate of -100 % divides by zero, a
// period of 40 years overflows the table). Empty when the value passes.
std::string RowProblem(const ProjectState& s, int row) {
  static const std::array<CatalogueRow, kValuesPerSet> rows = [] {
    std::array<CatalogueRow, kValuesPerSet> all{};
    for (int i = 1; i <= SheetRowCount(kSheet, kKind); ++i)
      all[i] = CatalogueEntry(kSheet, kKind, i);
    return all;
  }();
  const CatalogueRow& r = rows[row];
  const DecForm form{DecStyle::FixedDecimal, static_cast<std::int16_t>(r.digits)};
  const double v = s.ParamValue(kSheet, kKind, row);
  const std::string rule = ValidationMessage(r.code, form, v, s.UnitSystem);
  if (rule.empty()) return {};
  return "The economics cannot be calculated: \"" + TrimSpaces(r.caption) + "\" holds " +
         FormatValue(v, form) + ". " + rule;
}

}  // namespace

std::string ReadEconomicsInputs(const ProjectState& s, EconomicsInputs& in) {
  in = EconomicsInputs{};
  in.fuel = s.Results.Fuel;
  const int rows[] = {FuelInflationRow(in.fuel), 12, 14, 15, 16, 18, 21};
  for (int row : rows)
    if (std::string problem = RowProblem(s, row); !problem.empty()) return problem;

  const auto value = [&](int row) { return s.ParamValue(kSheet, kKind, row); };
  // D = choice + 1; a choice outside the list (a damaged project) computes nothing.
  const double level = RoundHalfEven(value(1)) + 1;
  in.level = level >= 1 && level <= 4 ? static_cast<int>(level) : 0;
  in.costPerArea = value(2);
  in.fixedCost = value(3);
  in.fuelInflation = value(FuelInflationRow(in.fuel));
  in.period = static_cast<int>(RoundToInt(value(12)));
  in.downPayment = value(13);
  in.mortgageRate = value(14);
  in.term = static_cast<int>(RoundToInt(value(15)));
  in.discount = value(16);
  in.maintIns = value(17);
  in.maintInsIncrease = value(18);
  in.taxRate = value(19);
  in.propertyTax = value(20);
  in.propertyTaxIncrease = value(21);
  in.resale = value(22);
  in.credit1 = value(23);
  in.tier1 = value(24);
  in.credit2 = value(25);
  in.tier2 = value(26);
  in.commercial = RoundToInt(value(27)) == 1;
  in.straightLine = value(kDepreciationRow) > 0;
  for (int y = 1; y <= 10; ++y)
    in.schedule[y] = Real6ToDouble(s.ExtraTables[kDepreciationTable][y]);

  in.area = s.Results.CollectorArea;
  in.costSolar = s.Results.FuelCostSolar;
  in.costNoSolar = s.Results.FuelCostNoSolar;
  // Only the four fuels of the system sheet have a unit; any other value
  // (a damaged project) counts as no fuel.
  if (in.fuel >= 1 && in.fuel <= 4)
    in.fuelUnits = kFuelUnitsPerEnergy[s.UnitSystem == 1 ? 1 : 0][in.fuel];
  in.taxFactor = in.commercial ? 1 - in.taxRate / 100 : 1;
  in.investment = in.costPerArea * in.area + in.fixedCost;
  return {};
}

}  // namespace solmon
