#include "calc/key_table.h"
#include "calc/rating.h"

namespace vx11 {

void run_rating(CalcContext& ctx) {
  const bool cancelled_before = ctx.rec.cancelled;
  if (!begin_rating(ctx.rec, ctx.messages)) return;
  refresh_key_row(ctx);
  if (ctx.rec.cancelled) {
    // A run begun after a cancelled dialog ends quietly. A key table that cannot be opened (the
    // table layer has reported why) leaves a key row of another time or none: the run stops, so
    // no report, drawing or spreadsheet shows results of it.
    if (!cancelled_before) {
      ctx.messages.add(rating_text::kKeyTableUnreadable);
      ctx.rec.fatal_error = true;
    }
    return;
  }
  compute_rating(ctx.rec, ctx.messages, ctx.format, key_height_deviation(ctx.rec));
}

}  // namespace vx11
