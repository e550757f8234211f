// Tolerance designations from any text and size: the normal form parses to the same limits and stays put.
#include <cmath>
#include <cstring>

#include "calc/toliso.h"
#include "fuzz/fuzz_check.h"

using namespace vx11;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  // First byte chooses how the size is made: hundredths of a millimetre, or any double.
  Real nominal = 0;
  std::size_t used = 3;
  if (data[0] & 1) {
    nominal = static_cast<Real>(data[1] | (data[2] << 8)) / 100;
  } else if (size >= 9) {
    double d = 0;
    std::memcpy(&d, data + 1, sizeof d);
    nominal = d;
    used = 9;
  }
  std::string text = fuzz::bytes(data + used, size - used);
  const ToleranceLimits first = tolerance_limits(text, nominal);
  if (text.empty()) {
    fuzz::require(first.lower == 0 && first.upper == 0, "no designation gives zero limits");
    return 0;
  }
  fuzz::require(std::isfinite(first.lower) && std::isfinite(first.upper), "limits are finite");
  fuzz::require(first.lower <= first.upper, "the lower limit is not above the upper one");
  std::string normal = text;
  const ToleranceLimits second = tolerance_limits(normal, nominal);
  fuzz::require(normal == text, "the normal form is its own normal form");
  fuzz::require(second.lower == first.lower && second.upper == first.upper && second.message == first.message,
                "the normal form gives the same limits and message");
  return 0;
}
