#include "draw/fatal_notice.h"

#include "draw/quick_view.h"

namespace vx11 {

void DrawFatalNotice(DrawingContext& c, int output_code) {
  if (!openQuickOutput(c, output_code)) return;
  EntitySink& out = c.out;
  out.SetPen(kQuickTextPen);
  out.SetCadTextStyle(2, 0, kQuickTextHeight, 0.75L * kQuickTextHeight);
  out.DrawText(kFatalNoticeTitle, 5, 110);
  QuickBlock messages{5, 100, {60}, "Fehlermeldungen:", {}, {}};
  for (int i = 1; i <= c.messages.count(); ++i) messages.rows.push_back({c.messages.entry(i), {}});
  drawQuickBlock(out, messages);
  out.CloseOutput();
}

}  // namespace vx11
