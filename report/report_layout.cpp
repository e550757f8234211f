#include "report/report_layout.h"

#include <algorithm>

#include "base/text.h"

namespace vx11 {

namespace {

constexpr std::size_t kRuleWidth = 70;
constexpr std::size_t kFrameWidth = 71;

int known_mode(int mode) { return mode >= 1 && mode <= 4 ? mode : kRuleBoxLines; }

std::string box_rule(char left, char fill, char right) {
  return std::string(1, left) + std::string(kRuleWidth - 2, fill) + std::string(1, right);
}

}  // namespace

std::string rule_line(Rule rule, int mode) {
  switch (known_mode(mode)) {
    case kRuleStars:
      if (rule == Rule::Single) return std::string(kRuleWidth, '-');
      if (rule == Rule::Double) return std::string(kRuleWidth, '=');
      return std::string(kRuleWidth, '*');
    case kRuleBlanks:
      return std::string(kRuleWidth, ' ');
    case kRuleCompressed:
      return std::string(kSkipMarker);
    default:
      break;
  }
  switch (rule) {
    case Rule::Single: return std::string(kRuleWidth, '\xC4');
    case Rule::Double: return std::string(kRuleWidth, '\xCD');
    case Rule::FrameTop: return box_rule('\xC9', '\xCD', '\xBB');
    case Rule::FrameMiddle: return box_rule('\xCC', '\xCD', '\xB9');
    case Rule::FrameBottom: return box_rule('\xC8', '\xCD', '\xBC');
  }
  return {};
}

char frame_side(int mode) {
  switch (known_mode(mode)) {
    case kRuleStars: return '*';
    case kRuleBoxLines: return '\xBA';
    default: return ' ';
  }
}

bool is_rule_or_skip(std::string_view text, int mode) {
  if (text == kSkipMarker) return true;
  if (text.size() != kRuleWidth) return false;  // every rule but the skip marker has the full width
  for (Rule r : {Rule::Single, Rule::Double, Rule::FrameTop, Rule::FrameMiddle, Rule::FrameBottom})
    if (text == rule_line(r, mode)) return true;
  return false;
}

std::string columns_line(std::initializer_list<std::pair<int, std::string_view>> fields, std::size_t width) {
  std::string line;
  std::size_t shift = 0;
  for (const auto& [column, text] : fields) {
    const std::size_t at = static_cast<std::size_t>(column > 0 ? column - 1 : 0) + shift;
    if (line.size() > at) shift += line.size() - at;
    else line.resize(at, ' ');
    line += text;
  }
  line.resize(width, ' ');
  return line;
}

std::string framed_line(int mode, std::initializer_list<std::pair<int, std::string_view>> texts) {
  std::string line(kFrameWidth, ' ');
  const char side = frame_side(mode);
  line[0] = side;
  line[kRuleWidth - 1] = side;
  const std::size_t last = kRuleWidth - 2;  // the last column a text may use
  std::size_t used = 0;                     // one past the last non-blank character written
  for (const auto& [column, raw] : texts) {
    std::string_view text = raw;
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    std::size_t at = static_cast<std::size_t>(column > 1 ? column - 1 : 1);
    if (used > 0 && !text.empty() && at <= used) {
      // A text that would touch the one before it moves right, as far as the frame allows; what
      // then still meets it cuts the one before, so that one blank always parts them.
      at = used + 1;
      if (at + text.size() > last + 1 && text.size() <= last) {
        at = std::max<std::size_t>(last + 1 - text.size(), 2);
        line[at - 1] = ' ';
      }
    }
    for (char ch : text) {
      if (at > last) break;
      line[at++] = ch;
    }
    if (!text.empty()) used = std::max(used, at);
  }
  return line;
}

std::string framed_name_line(int mode, int column, std::string_view name) {
  const char side = frame_side(mode);
  const std::size_t from = static_cast<std::size_t>(column > 1 ? column - 1 : 1);
  const std::size_t room = kRuleWidth - 1 - from;  // characters between `column` and the right side
  std::size_t shown = 0;
  std::size_t bytes = 0;
  for (; bytes < name.size(); ++bytes) {
    const bool continuation = (static_cast<unsigned char>(name[bytes]) & 0xC0) == 0x80;
    if (!continuation && shown == room) break;
    if (!continuation) ++shown;
  }
  std::string line(1, side);
  line.append(from - 1, ' ');
  line += nameText(name.substr(0, bytes));
  line.append(room - shown, ' ');
  line += side;
  line.append(kFrameWidth - kRuleWidth, ' ');
  return line;
}

}  // namespace vx11
