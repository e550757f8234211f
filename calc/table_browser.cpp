#include "calc/table_browser.h"

#include "calc/calc_context.h"
#include "calc/table_object.h"

namespace vx11 {

BrowseResult BatchTableBrowser::show(CalcContext& ctx, const BrowseRequest& request) {
  TableObject& t = ctx.tables;
  // Selection hides records marked as deleted, so such a record cannot be the one confirmed.
  if (request.mode == BrowseMode::Select && t.is_deleted(t.current_record())) {
    const auto visible = t.records_in_order(false);
    if (visible.empty()) return BrowseResult::Cancel;
    t.go_to_record(ctx, visible.front());
  }
  return BrowseResult::Ok;
}

BrowseResult ScriptedTableBrowser::show(CalcContext& ctx, const BrowseRequest& request) {
  shown.push_back(request);
  opened_on.push_back(ctx.tables.current_record());
  if (steps.empty()) return BrowseResult::Ok;
  const Step step = steps.front();
  steps.erase(steps.begin());
  if (step.record != 0) ctx.tables.go_to_record(ctx, step.record);
  return step.result;
}

}  // namespace vx11
