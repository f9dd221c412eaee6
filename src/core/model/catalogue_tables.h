#pragma once
#include <string>
#include <vector>

namespace solmon {

struct CatalogueTable {
  int sheet;
  int kind;
  std::vector<std::string> rows;  // row 0 is the header
};

const std::vector<CatalogueTable>& CatalogueTables();

}  // namespace solmon
