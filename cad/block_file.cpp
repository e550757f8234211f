#include "cad/block_file.h"

#include <string_view>

namespace vx11 {

namespace {

constexpr std::size_t kMaxVertices = 1000000;

}  // namespace

bool BlockFileReader::readBody(BlockEntity& e) {
  for (;;) {
    if (groups_.next() != DxfGroupReader::Read::Ok) return false;
    const int code = groups_.code();
    const std::string& value = groups_.value();
    if (code == 0) {
      groups_.pushBack();
      return true;
    }
    Real v = 0;
    const bool numeric = code >= 10 && code < 60;
    if (numeric && !dxfReal(value, v)) return false;
    auto point = [&](int index) { e.p[static_cast<std::size_t>(index)] = v; };
    switch (code) {
      case 1: e.text = value; break;
      case 2: e.name = value; break;
      case 8: e.layer = std::string(dxfTrimmed(value)); break;
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
        if (!dxfInt(value, e.flags)) return false;
        break;
      default: break;
    }
  }
}

bool BlockFileReader::readPolyline(BlockEntity& e) {
  // After the header: VERTEX entities, then SEQEND; anything else breaks the sequence.
  for (;;) {
    if (groups_.next() != DxfGroupReader::Read::Ok || groups_.code() != 0) return false;
    const std::string_view kind = groups_.word();
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
    if (groups_.next() != DxfGroupReader::Read::Ok) return Status::Error;  // the end comes only with "EOF"
    if (groups_.code() != 0) continue;                                     // groups of nothing we know
    const std::string kind(groups_.word());
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
    else if (stop_at_others_) {
      groups_.pushBack();
      return Status::Other;
    } else {
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
