#include "core/report/multi_location_file.h"

#include <array>

#include "core/model/numbers.h"

namespace solmon {

namespace {

const std::vector<std::string> kEconomicsNames = {"Yr1_FuelCost", "Investment", "LifeCycleSavings",
                                                  "LifeCycleCost"};

std::string PadLeft(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

}  // namespace

std::vector<std::string> ResultColumnNames(int systemKind, bool monthly) {
  switch (systemKind) {
    case 4:
    case 5: return {"Solar", "Load", "Aux", "f  "};
    case 6: {
      std::vector<std::string> names = {"Q_Coll", "Q_Pool", "Load", "Aux", "f  "};
      if (monthly) names.push_back("Pool_T");
      return names;
    }
    case 7: return {"Solar", "Load", "QTank", "Aux", "f  "};
    case 8: return {"Solar", "Load", "Loss", "Aux", "f  "};
    case 9: return {"Solar", "Dhw", "Aux", "f  "};
    default: return {"Solar", "Heat", "Dhw", "Aux", "f  "};
  }
}

const std::string& RecordLabel(int record) {
  static const std::array<std::string, kYearRecord + 1> labels = {
      "", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec", " Yr"};
  return labels.at(record);
}

std::string FormatResultValue(double value) {
  return PadLeft(FormatValue(value, {DecStyle::FixedDecimal, 4}), 12);
}

std::string FormatEconomicsValue(double value) {
  return PadLeft(FormatValue(value, {DecStyle::FixedDecimal, 0}), 10);
}

MultiLocationWriter::MultiLocationWriter(std::ostream& out, int systemKind, bool monthly, bool economics)
    : out_(out), columns_(ResultColumnNames(systemKind, monthly)), monthly_(monthly), economics_(economics) {}

void MultiLocationWriter::Item(const std::string& text) {
  out_ << text << '\t';
  out_.flush();  // an interrupted run leaves every finished item on disk
  if (!out_) throw OutputFileError("the results could not be written");
}

void MultiLocationWriter::EndLine() {
  out_ << "\r\n";
  out_.flush();
  if (!out_) throw OutputFileError("the results could not be written");
}

void MultiLocationWriter::WriteHeader() {
  Item("City");
  const int first = monthly_ ? 1 : kYearRecord;
  for (int record = first; record <= kYearRecord; ++record) {
    if (monthly_) Item(RecordLabel(record));
    for (const std::string& name : columns_) Item(name);
  }
  if (economics_)
    for (const std::string& name : kEconomicsNames) Item(name);
  EndLine();
}

void MultiLocationWriter::WriteLocation(const std::string& name, const ThermalResults& results,
                                        const EconomicsResults& economics) {
  Item(name);
  const int first = monthly_ ? 1 : kYearRecord;
  for (int record = first; record <= kYearRecord; ++record) {
    if (monthly_) Item(RecordLabel(record));
    for (std::size_t field = 1; field <= columns_.size(); ++field)
      Item(FormatResultValue(results.MonthlyResults[record][field]));
  }
  if (economics_) {
    for (double v : {economics.FirstYearFuelCost, economics.Investment, economics.LifeCycleSavings,
                     economics.LifeCycleCost})
      Item(FormatEconomicsValue(v));
  }
  EndLine();
}

}  // namespace solmon
