// solmon-cli catalogue [SHEET KIND]

#include <cstdio>
#include <iostream>
#include <string>

#include "cli/commands.h"
#include "core/model/catalogue.h"
#include "core/model/units.h"

namespace solmon::cli {

namespace {

void PrintSummary() {
  for (int sheet = 1; sheet <= 3; ++sheet)
    for (int kind = 1; kind <= SheetKindCount(sheet); ++kind)
      std::printf("%d %d  %-40s %2d rows\n", sheet, kind, SheetTitle(sheet, kind).c_str(),
                  SheetRowCount(sheet, kind));
}

void PrintSheet(int sheet, int kind) {
  std::printf("%s\n", SheetTitle(sheet, kind).c_str());
  std::printf("%3s  %-44s %-12s %-14s %5s %6s %5s\n", "Row", "Caption", "SI", "English", "Code",
              "Digits", "Param");
  for (int row = 1; row <= SheetRowCount(sheet, kind); ++row) {
    const CatalogueRow r = CatalogueEntry(sheet, kind, row);
    const Unit u = UnitEntry(r.unit);
    const std::string caption = "\"" + r.caption + "\"";
    std::printf("%3d  %-44s %-12s %-14s %5d %6d %5d\n", row, caption.c_str(), u.si.c_str(),
                u.english.c_str(), r.code, r.digits, r.param);
  }
}

bool ToNumber(const std::string& s, int& out) {
  try {
    std::size_t used = 0;
    out = std::stoi(s, &used);
    return used == s.size();
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

int CatalogueCommand(const Args& args) {
  if (args.empty()) {
    PrintSummary();
    return kOk;
  }
  int sheet = 0, kind = 0;
  if (args.size() != 2 || !ToNumber(args[0], sheet) || !ToNumber(args[1], kind)) {
    std::cerr << "usage: solmon-cli catalogue [SHEET KIND]\n";
    return kUsage;
  }
  if (!SheetKindExists(sheet, kind)) {
    std::cerr << "solmon-cli: there is no parameter table for sheet " << sheet << ", kind " << kind
              << " (sheets 1 system 1..9, 2 collector 1..5, 3 economics 1)\n";
    return kUsage;
  }
  PrintSheet(sheet, kind);
  return kOk;
}

}  // namespace solmon::cli
