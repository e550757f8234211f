#include "calc/diameter_sweep.h"

#include <algorithm>

#include "calc/table_object.h"

namespace vx11 {

std::optional<std::vector<Real>> shaft_series_between(CalcContext& ctx, Real from, Real to) {
  TableObject& t = ctx.tables;
  if (!t.open_table(ctx, "dwelle")) return std::nullopt;
  std::vector<Real> diameters;
  for (int n = 1; n <= t.record_count(); ++n) {
    if (t.is_deleted(n)) continue;
    t.go_to_record(ctx, n);
    const Real d = field_real(t, 1);
    if (d >= from && d <= to) diameters.push_back(d);
  }
  t.close_table();
  std::sort(diameters.begin(), diameters.end());
  diameters.erase(std::unique(diameters.begin(), diameters.end()), diameters.end());
  return diameters;
}

std::vector<SweepStep> sweep_diameters(const ConnectionRecord& design, const std::vector<KeyTableRow>& rows,
                                       const std::vector<Real>& diameters, const FormatSettings& format,
                                       const DesignTargets& targets) {
  std::vector<SweepStep> steps;
  steps.reserve(diameters.size());
  ConnectionRecord at = design;
  for (const Real d : diameters) {
    at.shaft_diameter_d = d;
    const std::vector<KeyVariant> ranked = search_keys(at, rows, format, targets);
    const KeyVariant* best = key_proposal(ranked);
    steps.push_back({d, best ? std::optional<KeyVariant>(*best) : std::nullopt});
  }
  return steps;
}

}  // namespace vx11
