#include "report/window_copy.h"

#include <fstream>
#include <iterator>

#include "base/safe_file.h"
#include "base/text.h"

namespace vx11 {

int replace_with_window_copy(const FormatSettings& format, std::string_view text, const std::string& target) {
  std::string copy;
  copy.reserve(text.size() + text.size() / 8);
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find('\n', at);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    copy += toWindows(format, line);
    copy += '\n';
    at = next;
  }
  return replace_file(target, copy);
}

bool write_window_copy_of_text(const FormatSettings& format, std::string_view text, const std::string& target) {
  return replace_with_window_copy(format, text, target) == 0;
}

bool write_window_copy(const FormatSettings& format, const std::string& source, const std::string& target) {
  std::ifstream in(source, std::ios::binary);
  if (!in.is_open()) return false;
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return false;
  return write_window_copy_of_text(format, text, target);
}

}  // namespace vx11
