#include "cad/block_file.h"

#include <charconv>
#include <string_view>

namespace vx11 {

namespace {

constexpr std::size_t kMaxLine = 2048;
constexpr std::size_t kMaxVertices = 1000000;

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool toInt(std::string_view s, int& v) {
  s = trimmed(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  auto res = std::from_chars(s.data(), s.data() + s.size(), v);
  return res.ec == std::errc{} && res.ptr == s.data() + s.size() && !s.empty();
}

bool toReal(std::string_view s, Real& v) {
  s = trimmed(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  double d = 0;
  auto res = std::from_chars(s.data(), s.data() + s.size(), d);
  if (res.ec != std::errc{} || res.ptr != s.data() + s.size() || s.empty()) return false;
  v = d;
  return true;
}

}  // namespace

BlockFileReader::Read BlockFileReader::readLine(std::string& line) {
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

BlockFileReader::Read BlockFileReader::readGroup() {
  std::string code_line;
  const Read r = readLine(code_line);
  if (r != Read::Ok) return r;
  if (!toInt(code_line, code_)) return Read::Broken;
  // A group code without its value line is a cut file.
  if (readLine(value_) != Read::Ok) return Read::Broken;
  return Read::Ok;
}

bool BlockFileReader::readBody(BlockEntity& e) {
  for (;;) {
    if (readGroup() != Read::Ok) return false;
    if (code_ == 0) {
      pending_ = true;
      return true;
    }
    Real v = 0;
    const bool numeric = code_ >= 10 && code_ < 60;
    if (numeric && !toReal(value_, v)) return false;
    auto point = [&](int index) { e.p[static_cast<std::size_t>(index)] = v; };
    switch (code_) {
      case 1: e.text = value_; break;
      case 2: e.name = value_; break;
      case 8: e.layer = std::string(trimmed(value_)); break;
      case 10: point(0); break;
      case 20: point(1); break;
      case 11: point(2); break;
      case 21: point(3); break;
      case 12: point(4); break;
      case 22: point(5); break;
      case 13: point(6); break;
      case 23: point(7); break;
      case 40: (e.kind == BlockEntity::Kind::Text ? e.height : e.r) = v; break;
      case 41: (e.kind == BlockEntity::Kind::Text ? e.width_factor : e.sx) = v; break;
      case 42: e.sy = v; break;  // VERTEX bulges are read by readPolyline
      case 50: (e.kind == BlockEntity::Kind::Arc ? e.a1 : e.angle) = v; break;
      case 51: e.a2 = v; break;
      case 70:
        if (!toInt(value_, e.flags)) return false;
        break;
      default: break;
    }
  }
}

bool BlockFileReader::readPolyline(BlockEntity& e) {
  // After the header: VERTEX entities, then SEQEND; anything else breaks the sequence.
  for (;;) {
    if (!pending_) return false;
    pending_ = false;
    const std::string_view kind = trimmed(value_);
    if (kind == "SEQEND") {
      BlockEntity end;
      return readBody(end);
    }
    if (kind != "VERTEX" || e.vertices.size() >= kMaxVertices) return false;
    BlockEntity v;
    v.kind = BlockEntity::Kind::Insert;  // 41/42 land in sx/sy; the bulge is group 42
    v.sy = 0;
    if (!readBody(v)) return false;
    e.vertices.push_back({v.p[0], v.p[1], v.sy});
  }
}

BlockFileReader::Status BlockFileReader::next(BlockEntity& e) {
  for (;;) {
    if (!pending_) {
      if (readGroup() != Read::Ok) return Status::Error;  // the end comes only with "EOF"
      if (code_ != 0) continue;                           // groups of nothing we know
    }
    pending_ = false;
    const std::string kind(trimmed(value_));
    if (kind == "EOF") return Status::End;
    e = BlockEntity{};
    using K = BlockEntity::Kind;
    if (kind == "LINE") e.kind = K::Line;
    else if (kind == "CIRCLE") e.kind = K::Circle;
    else if (kind == "ARC") e.kind = K::Arc;
    else if (kind == "TEXT") e.kind = K::Text;
    else if (kind == "SOLID") e.kind = K::Solid;
    else if (kind == "INSERT") e.kind = K::Insert;
    else if (kind == "POLYLINE") e.kind = K::Polyline;
    else if (kind == "VERTEX" || kind == "SEQEND") return Status::Error;  // outside a polyline
    else {
      BlockEntity skipped;
      if (!readBody(skipped)) return Status::Error;
      continue;
    }
    if (!readBody(e)) return Status::Error;
    if (e.kind == K::Polyline && !readPolyline(e)) return Status::Error;
    return Status::Entity;
  }
}

}  // namespace vx11
