#include "cad/dxf_groups.h"

#include <charconv>

namespace vx11 {

namespace {

constexpr std::size_t kMaxLine = 2048;

}  // namespace

std::string_view dxfTrimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool dxfInt(std::string_view s, int& v) {
  s = dxfTrimmed(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  auto res = std::from_chars(s.data(), s.data() + s.size(), v);
  return res.ec == std::errc{} && res.ptr == s.data() + s.size() && !s.empty();
}

bool dxfReal(std::string_view s, Real& v) {
  s = dxfTrimmed(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  double d = 0;
  auto res = std::from_chars(s.data(), s.data() + s.size(), d);
  if (res.ec != std::errc{} || res.ptr != s.data() + s.size() || s.empty()) return false;
  v = d;
  return true;
}

DxfGroupReader::Read DxfGroupReader::readLine(std::string& line) {
  line.clear();
  std::streambuf* sb = in_.rdbuf();
  if (!sb) return Read::Broken;
  for (;;) {
    const int c = sb->sbumpc();
    if (c == std::char_traits<char>::eof()) return line.empty() ? Read::End : Read::Ok;
    if (c == '\n') break;
    if (line.size() >= kMaxLine) return Read::Broken;
    line.push_back(static_cast<char>(c));
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return Read::Ok;
}

DxfGroupReader::Read DxfGroupReader::next() {
  if (pushed_) {
    pushed_ = false;
    return Read::Ok;
  }
  std::string code_line;
  const Read r = readLine(code_line);
  if (r != Read::Ok) return r;
  if (!dxfInt(code_line, code_)) return Read::Broken;
  // A group code without its value line is a cut file.
  if (readLine(value_) != Read::Ok) return Read::Broken;
  return Read::Ok;
}

}  // namespace vx11
