// The full printout of a rating and its one-page excerpt, written through the report stream.
#pragma once

#include "report/printout.h"

namespace vx11 {

// The six blocks with their page ends, then the message page when there are messages, then the
// hand-over of the channel. After a fatal run the message dialog opens instead and nothing is written.
void writeResultReport(PrintoutContext& p, PrintTarget target = {});

// The one-page summary; no message page. After a fatal run the message dialog instead.
void writeExcerpt(PrintoutContext& p, PrintTarget target = {});

}  // namespace vx11
