#include "core/report/multi_location_file.h"

#include <gtest/gtest.h>

#include <sstream>

namespace solmon {
namespace {

TEST(MultiLocationFile, NumberFormats) {
  EXPECT_EQ(FormatResultValue(12.5), "     12.5000");
  EXPECT_EQ(FormatResultValue(-999), "   -999.0000");
  EXPECT_EQ(FormatResultValue(0.123456), "      0.1235");
  EXPECT_EQ(FormatResultValue(1e12), "1000000000000.0000");  // wider than 12: written in full
  EXPECT_EQ(FormatEconomicsValue(1234.5), "      1235");  // a half rounds away from zero
  EXPECT_EQ(FormatEconomicsValue(-1234.5), "     -1235");
  EXPECT_EQ(FormatEconomicsValue(1234.4), "      1234");
}

TEST(MultiLocationFile, AnnualHeaderWithEconomics) {
  std::ostringstream out;
  MultiLocationWriter(out, 2, false, true).WriteHeader();
  EXPECT_EQ(out.str(),
            "City\tSolar\tHeat\tDhw\tAux\tf  \tYr1_FuelCost\tInvestment\tLifeCycleSavings\tLifeCycleCost\t\r\n");
}

TEST(MultiLocationFile, MonthlyHeaderNamesEveryRecordAndTheEconomicsOnce) {
  std::ostringstream out;
  MultiLocationWriter(out, 6, true, true).WriteHeader();
  const std::string block = "\tQ_Coll\tQ_Pool\tLoad\tAux\tf  \tPool_T";
  std::string expected = "City";
  for (const char* label : {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec", " Yr"})
    expected += std::string("\t") + label + block;
  expected += "\tYr1_FuelCost\tInvestment\tLifeCycleSavings\tLifeCycleCost\t\r\n";
  EXPECT_EQ(out.str(), expected);
}

TEST(MultiLocationFile, ColumnsByKind) {
  EXPECT_EQ(ResultColumnNames(9, true), (std::vector<std::string>{"Solar", "Dhw", "Aux", "f  "}));
  EXPECT_EQ(ResultColumnNames(4, false), (std::vector<std::string>{"Solar", "Load", "Aux", "f  "}));
  EXPECT_EQ(ResultColumnNames(6, false).size(), 5u);  // Pool_T only in monthly output
  EXPECT_EQ(ResultColumnNames(7, false)[2], "QTank");
  EXPECT_EQ(ResultColumnNames(8, false)[2], "Loss");
  EXPECT_EQ(ResultColumnNames(3, false)[1], "Heat");
}

TEST(MultiLocationFile, LocationLines) {
  ThermalResults r;
  for (int rec = 1; rec <= kYearRecord; ++rec)
    for (int f = 1; f <= kResultFields; ++f) r.MonthlyResults[rec][f] = rec + f / 10.0;
  r.MonthlyResults[kYearRecord][6] = kNoValue;
  EconomicsResults e;
  e.FirstYearFuelCost = 512.5;
  e.Investment = 9000;
  e.LifeCycleSavings = -1500.49;
  e.LifeCycleCost = 20000.5;
  std::ostringstream annual;
  MultiLocationWriter(annual, 9, false, true).WriteLocation("SAN JUAN PR", r, e);
  EXPECT_EQ(annual.str(),
            "SAN JUAN PR\t     13.1000\t     13.2000\t     13.3000\t     13.4000\t       513\t      9000\t"
            "     -1500\t     20001\t\r\n");
  std::ostringstream monthly;
  MultiLocationWriter(monthly, 6, true, false).WriteLocation("X", r, e);
  const std::string text = monthly.str();
  EXPECT_EQ(text.rfind("X\tJan\t      1.1000\t", 0), 0u);
  EXPECT_NE(text.find("\t Yr\t     13.1000\t     13.2000\t     13.3000\t     13.4000\t     13.5000\t   -999.0000\t\r\n"),
            std::string::npos);
}

TEST(MultiLocationFile, WriteFailureIsReported) {
  std::ostringstream out;
  out.setstate(std::ios::failbit);
  MultiLocationWriter writer(out, 2, false, false);
  EXPECT_THROW(writer.WriteHeader(), OutputFileError);
}

}  // namespace
}  // namespace solmon
