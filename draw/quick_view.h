// The quick view: the essentials of a rating drawn as six titled tables.
#pragma once

#include <string>
#include <vector>

#include "calc/connection_record.h"
#include "draw/connection_drawing.h"
#include "base/format_settings.h"
#include "base/message_list.h"

namespace vx11 {

// World window of the quick view. The tables reach 153.5 units to the right, so the long side is x.
inline constexpr Real kQuickViewWidth = 160;
inline constexpr Real kQuickViewHeight = 120;
inline constexpr Real kQuickTextHeight = 2.5L;
inline constexpr int kQuickLinePen = 17;
inline constexpr int kQuickTextPen = 18;

struct QuickRow {
  std::string label;
  std::vector<std::string> values;
};

// A titled table: the first row holds the title and the column heads, each further row a label and values.
struct QuickBlock {
  Real x = 0, top = 0;
  std::vector<int> widths;  // characters per column
  std::string title;
  std::vector<std::string> heads;
  std::vector<QuickRow> rows;

  Real columnWidth(std::size_t i) const { return widths[i] * 0.9L * kQuickTextHeight; }
  Real width() const;
  Real bottom() const { return top - 2 * kQuickTextHeight * static_cast<Real>(rows.size() + 1); }
};

// The blocks in drawing order (the message block only when there are messages).
std::vector<QuickBlock> quickViewBlocks(const ConnectionRecord& rec, const MessageList& messages,
                                        const FormatSettings& format);

// Draws one block: cell texts with pen 18, frame and separators with pen 17.
void drawQuickBlock(EntitySink& out, const QuickBlock& block);

// Opens the output (code 0 asks) on the quick view's world window, ready for entities; false when
// the output was cancelled.
bool openQuickOutput(DrawingContext& c, int output_code);

// The quick view in one output (code 0 asks); the message dialog instead after a fatal run.
void DrawQuickView(DrawingContext& c, int output_code);

}  // namespace vx11
