#include "cad/cad_settings.h"

namespace vx11 {

std::string CadSettings::layerOfPen(int pen) const {
  if (pen == 0) return "0";
  if (pen >= 1 && pen <= 5) return layer_name[static_cast<std::size_t>(pen - 1)];
  return std::to_string(pen);
}

int CadSettings::colourOfPen(int pen) const {
  if (pen >= 1 && pen <= 5) return layer_colour[static_cast<std::size_t>(pen - 1)];
  if (pen >= 16 && pen <= 31) return pen_colour[static_cast<std::size_t>(pen - 16)];
  return 1;
}

}  // namespace vx11
