#include "draw/graphics_state.h"

namespace vx11 {

namespace {
constexpr std::array<Rgb, 16> kColourTable = {{
    {0, 0, 0},     {0, 0, 128},     {0, 255, 0},     {0, 255, 255}, {255, 0, 0},   {128, 0, 128},
    {128, 0, 0},   {192, 192, 192}, {176, 176, 176}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
    {255, 0, 0},   {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
}};
constexpr std::array<int, 8> kTurboOfExchange = {0, 12, 14, 10, 11, 9, 13, 15};
}  // namespace

Rgb colourOfIndex(int index) {
  if (index < 0 || index >= static_cast<int>(kColourTable.size())) return Rgb{0, 0, 0};
  return kColourTable[static_cast<std::size_t>(index)];
}

int GetColorTurbo(int n) {
  if (n > 15) n = (n & 15) + 1;
  if (n >= 0 && n <= 7) return kTurboOfExchange[static_cast<std::size_t>(n)];
  if (n >= 8) return n - 7;
  return 0;  // negative numbers are no colour of the exchange format
}

}  // namespace vx11
