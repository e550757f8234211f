#include "cad/plotter_sheet.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/guarded_math.h"

namespace vx11 {

namespace {

constexpr int kMaxDepth = 16;
constexpr std::size_t kMaxItems = 4000000;

struct Affine {
  Real a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;  // x' = a x + c y + e, y' = b x + d y + f
  PlotPoint apply(Real x, Real y) const { return {a * x + c * y + e, b * x + d * y + f}; }
  Affine then(const Affine& inner) const {  // this ∘ inner
    return {a * inner.a + c * inner.b, b * inner.a + d * inner.b, a * inner.c + c * inner.d,
            b * inner.c + d * inner.d, a * inner.e + c * inner.f + e, b * inner.e + d * inner.f + f};
  }
};

struct Flattener {
  const PlotDrawing& d;
  PlotSheet& s;
  std::string error;
  std::size_t items = 0;

  PlotLayer layer(const std::string& name) const {
    auto it = d.layers.find(name);
    return it == d.layers.end() ? PlotLayer{} : it->second;
  }
  static int lineType(const std::string& t) { return t == "DASHED" ? 1 : t == "DASHDOT" ? 2 : 0; }

  void arcPoints(std::vector<PlotPoint>& pts, const Affine& m, Real cx, Real cy, Real r, Real a1, Real sweep) {
    const int n = std::clamp(static_cast<int>(std::ceil(std::fabs(sweep) / (5 * kRadiansPerDegree))), 2, 180);
    for (int i = 0; i <= n; ++i) {
      const Real a = a1 + sweep * i / n;
      pts.push_back(m.apply(cx + r * std::cos(a), cy + r * std::sin(a)));
    }
  }

  bool add(const BlockEntity& e, const Affine& m, int depth) {
    if (++items > kMaxItems) {
      error = "drawing too large";
      return false;
    }
    const PlotLayer l = layer(e.layer);
    PlotStroke st{{}, l.colour, lineType(l.line_type)};
    using K = BlockEntity::Kind;
    switch (e.kind) {
      case K::Line:
        st.points = {m.apply(e.p[0], e.p[1]), m.apply(e.p[2], e.p[3])};
        break;
      case K::Circle:
        if (e.r <= 0) return true;
        arcPoints(st.points, m, e.p[0], e.p[1], e.r, 0, 2 * kPi);
        break;
      case K::Arc: {
        if (e.r <= 0) return true;
        Real sweep = e.a2 - e.a1;
        while (sweep <= 0) sweep += 360;
        arcPoints(st.points, m, e.p[0], e.p[1], e.r, e.a1 * kRadiansPerDegree,
                  std::min<Real>(sweep, 360) * kRadiansPerDegree);
        break;
      }
      case K::Text: {
        PlotText t;
        std::tie(t.x, t.y) = m.apply(e.p[0], e.p[1]);
        const PlotPoint ux = m.apply(std::cos(e.angle * kRadiansPerDegree), std::sin(e.angle * kRadiansPerDegree));
        const PlotPoint o = m.apply(0, 0);
        t.angle = std::atan2(ux.second - o.second, ux.first - o.first) / kRadiansPerDegree;
        t.height = e.height * std::sqrt(std::fabs(m.a * m.d - m.b * m.c));
        t.width_factor = e.width_factor > 0 ? e.width_factor : 1;
        t.text = e.text;
        t.colour = l.colour;
        s.texts.push_back(std::move(t));
        return true;
      }
      case K::Solid:
        s.fills.push_back({{m.apply(e.p[0], e.p[1]), m.apply(e.p[2], e.p[3]), m.apply(e.p[6], e.p[7]),
                            m.apply(e.p[4], e.p[5])},
                           l.colour});
        return true;
      case K::Polyline: {
        const auto& v = e.vertices;
        if (v.empty()) return true;
        const std::size_t segments = (e.flags & 1) ? v.size() : v.size() - 1;
        st.points.push_back(m.apply(v[0].x, v[0].y));
        for (std::size_t i = 0; i < segments; ++i) {
          const BlockVertex& p = v[i];
          const BlockVertex& q = v[(i + 1) % v.size()];
          if (p.bulge == 0) {
            st.points.push_back(m.apply(q.x, q.y));
            continue;
          }
          // The arc of the bulge: included angle 4·atan(bulge), counter-clockwise when positive.
          const Real dx = q.x - p.x, dy = q.y - p.y, chord = std::hypot(dx, dy);
          if (chord == 0) continue;
          const Real h = chord / 2 * (1 - p.bulge * p.bulge) / (2 * p.bulge);
          const Real cx = (p.x + q.x) / 2 - dy / chord * h, cy = (p.y + q.y) / 2 + dx / chord * h;
          const Real r = std::hypot(p.x - cx, p.y - cy);
          arcPoints(st.points, m, cx, cy, r, std::atan2(p.y - cy, p.x - cx), 4 * std::atan(p.bulge));
        }
        break;
      }
      case K::Insert: {
        if (depth >= kMaxDepth) {
          error = "blocks nested too deep: " + e.name;
          return false;
        }
        auto it = d.blocks.find(e.name);
        if (it == d.blocks.end()) {
          s.warnings.push_back("Blockname " + e.name + " not found !");
          return true;
        }
        const Real c = std::cos(e.angle * kRadiansPerDegree), sn = std::sin(e.angle * kRadiansPerDegree);
        const Affine local{c * e.sx, sn * e.sx, -sn * e.sy, c * e.sy, e.p[0], e.p[1]};
        const Affine inner = m.then(local);
        for (const auto& member : it->second)
          if (!add(member, inner, depth + 1)) return false;
        return true;
      }
    }
    s.strokes.push_back(std::move(st));
    return true;
  }
};

}  // namespace

bool layOutPlot(const PlotDrawing& d, const PlotOptions& o, PlotSheet& sheet, std::string& error) {
  sheet = PlotSheet{};
  Flattener f{d, sheet, {}, 0};
  for (const auto& e : d.entities) {
    if (!f.add(e, Affine{}, 0)) {
      error = f.error;
      return false;
    }
  }
  // The extents: the header's, or those of what is drawn.
  Real x1 = d.x1, y1 = d.y1, x2 = d.x2, y2 = d.y2;
  if (!d.has_extents || !(x2 > x1) || !(y2 > y1)) {
    x1 = y1 = std::numeric_limits<Real>::max();
    x2 = y2 = -std::numeric_limits<Real>::max();
    auto grow = [&](const PlotPoint& p) {
      x1 = std::min(x1, p.first), y1 = std::min(y1, p.second);
      x2 = std::max(x2, p.first), y2 = std::max(y2, p.second);
    };
    for (const auto& s : sheet.strokes) std::for_each(s.points.begin(), s.points.end(), grow);
    for (const auto& s : sheet.fills) std::for_each(s.corners.begin(), s.corners.end(), grow);
    for (const auto& t : sheet.texts) grow({t.x, t.y});
    if (x1 > x2) x1 = y1 = x2 = y2 = 0;
  }
  const Real w = o.rotate ? PlotSheet::kHeight : PlotSheet::kWidth;
  const Real h = o.rotate ? PlotSheet::kWidth : PlotSheet::kHeight;
  const Real room_w = w - 2 * PlotSheet::kMargin, room_h = h - 2 * PlotSheet::kMargin;
  Real scale = o.scale, left = PlotSheet::kMargin, bottom = PlotSheet::kMargin;
  if (o.fit) {
    const Real ew = std::max<Real>(x2 - x1, 1e-9), eh = std::max<Real>(y2 - y1, 1e-9);
    scale = std::min(room_w / ew, room_h / eh);
    left += (room_w - ew * scale) / 2;
    bottom += (room_h - eh * scale) / 2;
  }
  sheet.scale = scale;
  // Sheet millimetres; landscape sheets are turned onto the portrait page.
  auto place = [&](PlotPoint& p) {
    const Real u = (p.first - x1) * scale + left + o.x_offset;
    const Real v = (p.second - y1) * scale + bottom + o.y_offset;
    p = o.rotate ? PlotPoint{PlotSheet::kWidth - v, u} : PlotPoint{u, v};
  };
  for (auto& s : sheet.strokes) std::for_each(s.points.begin(), s.points.end(), place);
  for (auto& s : sheet.fills) std::for_each(s.corners.begin(), s.corners.end(), place);
  for (auto& t : sheet.texts) {
    PlotPoint p{t.x, t.y};
    place(p);
    std::tie(t.x, t.y) = p;
    t.height *= scale;
    t.width_factor *= o.text_width_factor;
    if (o.rotate) t.angle += 90;
  }
  return true;
}

}  // namespace vx11
