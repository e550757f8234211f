// The diameter sweep: the key search's proposal for each preferred shaft diameter of a range, so
// that the person sees which key suits which shaft for the loads of the connection.
#pragma once

#include <optional>
#include <vector>

#include "calc/key_search.h"

namespace vx11 {

// The diameters of "dwelle" from `from` to `to` (both included), ascending, each once. Empty
// (with `cancelled` set by the table layer) when the table cannot be opened.
std::optional<std::vector<Real>> shaft_series_between(CalcContext& ctx, Real from, Real to);

struct SweepStep {
  Real diameter = 0;
  std::optional<KeyVariant> proposal;  // none when no variant meets the targets
};

// The key search of `design` at each diameter, on the key rows read once.
std::vector<SweepStep> sweep_diameters(const ConnectionRecord& design, const std::vector<KeyTableRow>& rows,
                                       const std::vector<Real>& diameters, const FormatSettings& format,
                                       const DesignTargets& targets);

}  // namespace vx11
