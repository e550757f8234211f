#include "calc/table_browser.h"

#include "calc/calc_context.h"
#include "calc/table_object.h"

namespace vx11 {

BrowseResult BatchTableBrowser::show(CalcContext&, const BrowseRequest&) { return BrowseResult::Ok; }

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
