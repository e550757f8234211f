// Row buffers of the shaft-diameter series and the material types, filled by their table steps.
#pragma once

#include <array>
#include <string>

#include "calc/connection_record.h"

namespace vx11 {

// A row of "dwelle".
struct ShaftSeriesRow {
  Real diameter = 0;
  std::string text_1;  // up to 20 characters
  std::string text_2;  // up to 20 characters
};

// A row of "vx3wstyp": the type, its group and (fS, fH) for key, shaft and hub in table order.
struct MaterialTypeRow {
  int type_number = 0;
  std::string group_name;  // up to 20 characters
  std::array<Real, 6> factors{};  // fields 3 to 8
};

}  // namespace vx11
