#include "report/window_copy.h"

#include <fstream>

#include "report/text.h"

namespace vx11 {

std::string window_text(const FormatSettings& format, std::string_view cp850) {
  // toWindows takes pieces shorter than 255 characters; code page 850 has one byte per character.
  constexpr std::size_t kPiece = 200;
  std::string out;
  for (std::size_t at = 0; at < cp850.size(); at += kPiece) out += toWindows(format, cp850.substr(at, kPiece));
  return out;
}

bool write_window_copy(const FormatSettings& format, const std::string& source, const std::string& target) {
  std::ifstream in(source, std::ios::binary);
  if (!in.is_open()) return false;
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  if (!out.is_open()) return false;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out << window_text(format, line) << '\n';
  }
  if (in.bad()) return false;
  out.close();
  return !out.fail();
}

}  // namespace vx11
