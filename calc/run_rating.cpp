#include "calc/key_table.h"
#include "calc/rating.h"

namespace vx11 {

void run_rating(CalcContext& ctx) {
  if (!begin_rating(ctx.rec, ctx.messages)) return;
  refresh_key_row(ctx);
  // The table layer has reported a missing table; a run begun after a cancelled dialog ends quietly.
  if (ctx.rec.cancelled) return;
  compute_rating(ctx.rec, ctx.messages, ctx.format, key_height_deviation(ctx.rec));
}

}  // namespace vx11
