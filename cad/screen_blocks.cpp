#include "cad/screen_blocks.h"

#include <cmath>
#include <filesystem>
#include <string>
#include <system_error>

#include "cad/block_files.h"
#include "draw/geometry.h"
#include "base/format.h"
#include "base/guarded_math.h"

namespace vx11 {

namespace {

constexpr int kMaxBlockDepth = 4;

}  // namespace

bool ScreenBlocks::start(std::string_view name, std::string_view layer) {
  dxf_.reset();
  file_ = std::make_unique<std::ofstream>(temporary_block_file(c_.cad.temp_folder, name),
                                          std::ios::binary | std::ios::trunc);
  if (!*file_) {
    file_.reset();
    c_.fail("Invalid temp directory");
    return false;
  }
  dxf_ = std::make_unique<DxfWriter>(*file_, c_.cad, c_.format);
  dxf_->setTextConversion(false);
  dxf_->setLayer(layer);
  return true;
}

void ScreenBlocks::end() {
  if (!dxf_) return;
  dxf_->endOfFile();
  file_->close();
  // The file is gone after this; its failure must stay visible to the output's stream check.
  if (!*file_) closed_bad_ = true;
  dxf_.reset();
  file_.reset();
}

void ScreenBlocks::abandon() {
  dxf_.reset();
  file_.reset();
}

int ScreenBlocks::penOfLayer(std::string_view layer) const {
  for (int p = 0; p <= 4; ++p)
    if (c_.cad.layerOfPen(p) == layer) return p;
  return static_cast<int>(parseInt(layer));
}

void ScreenBlocks::expand(std::string_view name, Real x, Real y, Real rotation, Real sx, Real sy) {
  if (depth_ + 1 > kMaxBlockDepth) {
    c_.fail("error blockno." + std::to_string(depth_ + 1));
    return;
  }
  std::error_code ec;
  if (!std::filesystem::is_directory(c_.cad.temp_folder, ec)) {
    c_.fail("Invalid temp directory");
    return;
  }
  std::ifstream in(temporary_block_file(c_.cad.temp_folder, name), std::ios::binary);
  if (!in) {
    c_.messages.add("Blockname " + std::string(name) + " not found !");
    return;
  }
  ++depth_;
  const Transform saved = transform_;
  const PlacedPoint at = PlacePoint(x, y, saved.rotation, saved.x, saved.y, saved.sx, saved.sy);
  transform_ = {at.x, at.y, saved.rotation + rotation, saved.sx * sx, saved.sy * sy};
  BlockFileReader reader(in);
  BlockEntity e;
  for (;;) {
    const auto status = reader.next(e);
    if (status == BlockFileReader::Status::End) break;
    if (status == BlockFileReader::Status::Error) {
      c_.ui.message(kCaptionError, "Error in DXF File");
      break;
    }
    drawEntity(e);
    if (c_.cancelled) break;
  }
  transform_ = saved;
  --depth_;
}

void ScreenBlocks::drawEntity(const BlockEntity& e) {
  GraphicsSurface& s = c_.surface;
  const Transform& t = transform_;
  auto place = [&](Real x, Real y) { return PlacePoint(x, y, t.rotation, t.x, t.y, t.sx, t.sy); };
  using K = BlockEntity::Kind;
  if (e.kind != K::Insert) pens_.SetPen(penOfLayer(e.layer));
  switch (e.kind) {
    case K::Line: {
      const auto a = place(e.p[0], e.p[1]), b = place(e.p[2], e.p[3]);
      s.line(a.x, a.y, b.x, b.y);
      break;
    }
    case K::Circle: {
      const auto m = place(e.p[0], e.p[1]);
      s.circle(m.x, m.y, e.r * t.sx);
      break;
    }
    case K::Arc: {
      const auto m = place(e.p[0], e.p[1]);
      if (e.r != 0) s.Arc(m.x, m.y, e.a1 + t.rotation, e.a2 + t.rotation, e.r * t.sx);
      break;
    }
    case K::Text: {
      const auto m = place(e.p[0], e.p[1]);
      const Real k = c_.cad.cad_text_width_factor != 0 ? c_.cad.cad_text_width_factor : 1;
      s.SetTextStyle(2, e.angle, e.height, 0.95L * e.width_factor * e.height / k);
      s.OutTextXY(m.x, m.y, e.text);
      break;
    }
    case K::Solid: {
      const auto p1 = place(e.p[0], e.p[1]), p2 = place(e.p[2], e.p[3]);
      const auto p3 = place(e.p[4], e.p[5]), p4 = place(e.p[6], e.p[7]);
      s.Solid(p1.x, p1.y, p2.x, p2.y, p4.x, p4.y, p3.x, p3.y);
      break;
    }
    case K::Insert:
      pens_.SetPen(penOfLayer(e.layer));
      expand(e.name, e.p[0], e.p[1], e.angle, e.sx, e.sy);
      break;
    case K::Polyline: {
      const auto& v = e.vertices;
      // A mirrored placement turns counter-clockwise arcs into clockwise ones.
      const Real turn = t.sx * t.sy < 0 ? -1 : 1;
      for (std::size_t i = 0; i + 1 < v.size(); ++i) {
        const auto a = place(v[i].x, v[i].y), b = place(v[i + 1].x, v[i + 1].y);
        if (v[i].bulge == 0) {
          s.line(a.x, a.y, b.x, b.y);
          continue;
        }
        ArcGeometry g;
        if (GetArcCenter(c_.messages, c_.format, a.x, a.y, b.x, b.y, turn * 4 * std::atan(v[i].bulge), g))
          s.Arc(g.xm, g.ym, toDegrees(g.phi1), toDegrees(g.phi2), g.r);
      }
      if ((e.flags & 1) && v.size() > 1) {
        const auto a = place(v.back().x, v.back().y), b = place(v.front().x, v.front().y);
        s.line(a.x, a.y, b.x, b.y);
      }
      break;
    }
  }
}

}  // namespace vx11
