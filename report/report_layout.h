// The fixed-column pieces of plain-text printouts: rule lines by separator mode, frames, columns.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace vx11 {

// A line equal to this text is never written.
inline constexpr std::string_view kSkipMarker = "$!$";

// Separator modes ("Mode für Textausdruck 1:* 2:-").
inline constexpr int kRuleStars = 1;
inline constexpr int kRuleBoxLines = 2;
inline constexpr int kRuleBlanks = 3;
inline constexpr int kRuleCompressed = 4;

enum class Rule { Single, Double, FrameTop, FrameMiddle, FrameBottom };

// The 70-character rule of a separator mode (code page 850); the skip marker in compressed mode.
// Modes outside 1..4 count as 2.
std::string rule_line(Rule rule, int mode);
// The character at both sides of framed lines.
char frame_side(int mode);
// True when the text is one of the rule lines of the mode or the skip marker.
bool is_rule_or_skip(std::string_view text, int mode);

// Places texts at 1-based columns into a line of blanks. A text that runs into the next column
// pushes everything after it to the right by its excess; the line is then cut to `width`.
std::string columns_line(std::initializer_list<std::pair<int, std::string_view>> fields, std::size_t width);

// A framed line: 71 characters, the side character in columns 1 and 70, the texts written over
// the blanks from their columns on (never over the right side). A text that would touch the one
// before it moves right (or cuts it) so that at least one blank parts them.
std::string framed_line(int mode, std::initializer_list<std::pair<int, std::string_view>> texts);
// The same for a file name from `column` on: the name is marked (nameText) and kept as the file
// system gives it; it is cut after whole characters and the frame is placed by the characters the
// name shows, so the right side stands in column 70 on screen.
std::string framed_name_line(int mode, int column, std::string_view name);

}  // namespace vx11
