// Handing a closed printout over: to the text window, a program, the printer or a converted copy.
#pragma once

#include "report/channel_target.h"
#include "report/report_context.h"

namespace vx11 {

// Runs the channel's hand-over of a completely written target; channel 1 copies to the clipboard
// instead of showing the window when `clipboard_mode` is set.
void hand_over_printout(const ReportContext& context, ChannelTarget& target, bool clipboard_mode);

}  // namespace vx11
