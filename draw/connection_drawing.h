// The workshop drawings of the connection: key in three views, shaft and hub sections, assembly.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "draw/entity_sink.h"
#include "calc/connection_record.h"
#include "base/format_settings.h"
#include "base/interaction.h"
#include "base/message_list.h"
#include "base/help_numbers.h"

namespace vx11 {

enum DrawingView : int {
  kViewAsk = 0,
  kViewKey = 1,
  kViewShaft = 2,
  kViewHub = 3,
  kViewAssembly = 4,
  kViewLeave = 5,
};

inline constexpr const char* kDrawingChoiceTitle = "Bitte w\x84hlen ..";  // code page 850
// The entries of the view choice, in view order.
std::vector<std::string> drawingViewNames();

// What the drawings reach: the rated record, the person, and the output layer of the run.
struct DrawingContext {
  const ConnectionRecord& rec;
  MessageList& messages;
  const FormatSettings& format;
  Interaction& ui;
  bool& cancelled;  // the run's abort flag, the same the output layer watches
  int& help_number;
  EntitySink& out;
  std::function<void()> show_messages;  // the message dialog, shown instead after a fatal run
};

// Dimension scale of the sections by the shaft diameter rounded to whole millimetres.
Real sectionDimensionScale(Real shaft_diameter);

// Frame (x1, y1, x2, y2) of a view 1..4.
struct ViewFrame {
  Real x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
ViewFrame viewFrame(const ConnectionRecord& rec, int view);

// View 0 asks (repeatedly, until "zurück" or cancel); output code 0 lets the output layer ask.
void DrawConnection(DrawingContext& c, int view, int output_code);

}  // namespace vx11
