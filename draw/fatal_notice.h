// What a result view shows after a fatal rating: no results of an earlier state, but a notice and
// the messages of the run, so nobody takes old numbers for the current inputs.
#pragma once

#include "draw/connection_drawing.h"

namespace vx11 {

// The notice's heading (code page 850).
inline constexpr const char* kFatalNoticeTitle = "Keine Ergebnisse: die Berechnung endete mit einem Fehler";

// Draws the notice with the message list into one output, in the quick view's world window.
void DrawFatalNotice(DrawingContext& c, int output_code);

}  // namespace vx11
