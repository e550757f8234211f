#include "report/line_formatter.h"

namespace vx11 {

std::tm LineFormatter::now() const {
  if (parts_.source.when) return *parts_.source.when;
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return tm;
}

}  // namespace vx11
