#include "draw/connection_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "draw/hatch_contour.h"
#include "draw/hatch_drawing_output.h"
#include "base/format.h"
#include "base/guarded_math.h"

namespace vx11 {

namespace {

constexpr int kPenCentre = 1;
constexpr int kPenOutline = 5;
constexpr const char* kShaftBreakBlock = "wlstump";


// Key and groove measures every view derives from the record.
struct Measures {
  Real d, b, h, d2, r1, r1_tol, t1, t1_tol, t2, t2_tol, r2, r2_tol;
  Real R, e, phi_deg, yc, l1, eps;

  explicit Measures(const ConnectionRecord& rec) {
    d = rec.shaft_diameter_d;
    b = rec.key_row.key_width_b;
    h = rec.key_row.key_height_h;
    d2 = rec.key_row.key_diameter_d2;
    r1 = rec.key_row.key_rounding_r1;
    r1_tol = rec.r1_tolerance;
    t1 = rec.shaft_groove_depth_t1;
    t1_tol = rec.t1_tolerance;
    t2 = rec.hub_groove_depth_t2;
    t2_tol = rec.t2_tolerance;
    r2 = rec.groove_rounding_r2;
    r2_tol = rec.r2_tolerance;
    R = d2 / 2;
    // The roots and arc sines are clamped: a rated record keeps them inside, a hand-made one must not crash.
    e = std::sqrt(std::max<Real>(0, R * R - (R - h) * (R - h)));
    phi_deg = R != 0 ? toDegrees(std::asin(std::clamp<Real>((R - h) / R, -1, 1))) : 0;
    yc = std::sqrt(std::max<Real>(0, d * d - b * b)) / 2;
    l1 = 2 * std::sqrt(std::max<Real>(0, R * R - (R - t1) * (R - t1)));
    eps = d2 != 0 ? std::asin(std::clamp<Real>(l1 / d2, -1, 1)) : 0;
  }
  Real roundingOfKey() const { return r1 + r1_tol / 2; }
  Real halfAngleOfGroove() const { return d != 0 ? std::asin(std::clamp<Real>(b / d, -1, 1)) : 0; }
};

// A contour vertex touched twice gives hatch spans of no length; exchange readers refuse such lines.
class HatchSink : public HatchDrawingOutput {
 public:
  using HatchDrawingOutput::HatchDrawingOutput;
  void line(Real x1, Real y1, Real x2, Real y2) override {
    if (std::hypot(x2 - x1, y2 - y1) > 1e-9L) HatchDrawingOutput::line(x1, y1, x2, y2);
  }
};

class Drawer {
 public:
  explicit Drawer(DrawingContext& c) : c_(c), o_(c.out), m_(c.rec), sink_(c.out), hatch_(sink_, c.messages, c.cancelled) {}

  void draw(int view) {
    o_.SetPen(0);
    const ViewFrame f = viewFrame(c_.rec, view);
    o_.DrawingHeader(f.x1, f.y1, f.x2, f.y2);
    o_.BeginBlocks();
    if (view == kViewAssembly) {
      o_.BeginBlock(kShaftBreakBlock);
      hatch_.HatchMode(1);
      shaftBreak(0, 0, m_.d);
      o_.EndBlock();
    }
    o_.EndBlocks();
    o_.BeginEntities();
    switch (view) {
      case kViewKey:
        key();
        break;
      case kViewShaft:
        shaft();
        break;
      case kViewHub:
        hub();
        break;
      case kViewAssembly:
        assembly();
        break;
      default:
        break;
    }
    // CloseOutput ends the entities section; a second section end here would break the file.
  }

 private:
  std::string sig(Real x) const { return fmtSig(c_.format, x); }

  void centreCross() {
    const Real d = m_.d;
    o_.SetPen(kPenCentre);
    o_.DrawLine(-0.6L * d, 0, 0.6L * d, 0);
    o_.DrawLine(0, -0.6L * d, 0, 0.6L * d);
  }

  void keySide() {
    o_.SetPen(kPenCentre);
    o_.DrawLine(0, m_.R - m_.h, 0, -1.05L * m_.h);
    o_.SetPen(kPenOutline);
    o_.DrawArc(0, m_.R - m_.h, 180 + m_.phi_deg, 360 - m_.phi_deg, m_.R);
    o_.DrawLine(-m_.e, 0, m_.e, 0);
  }

  void key() {
    const Real b = m_.b, h = m_.h, e = m_.e, R = m_.R;
    const Real ds = 0.025L * h;
    o_.SetDimScale(ds);
    keySide();
    o_.DimHorizontal(-e, 0, e, 0, R - h + 12 * ds, sig(2 * e), "", "");
    o_.DimVertical(e, 0, 0, -h, R + 12 * ds, sig(h), "", "h12");
    o_.DimRadius(0, R - h, 300, R);

    o_.SetOrigin(1.5L * (b + m_.d2) / 2, 0);
    o_.SetPen(kPenCentre);
    o_.DrawLine(0, 0, 0, -1.05L * h);
    o_.SetPen(kPenOutline);
    o_.DrawRoundRect(-b / 2, 0, b / 2, -h, m_.roundingOfKey());
    o_.DimHorizontal(-b / 2, 0, b / 2, 0, 15 * ds, sig(b), "", "h9");
    o_.DimLeader(b / 2, 0, 45, "R" + sig(m_.r1), "+" + sig(m_.r1_tol), "");

    o_.SetOrigin(0, -1.5L * (b / 2 + h));
    o_.SetPen(kPenOutline);
    o_.DrawRoundRect(-e, b / 2, e, -b / 2, m_.roundingOfKey());
    o_.SetOrigin(0, 0);
  }

  // The groove as an open polyline from the wall top at yc down (shaft) or up (hub) to the bottom y.
  void groove(Real bottom, Real turn) {
    const Real b = m_.b, r1 = m_.r1, q = turn * kPi / 2;
    const Real inward = turn > 0 ? r1 : -r1;  // from the bottom back towards the wall top
    o_.SetPen(kPenOutline);
    o_.BeginPolyline(0);
    o_.PolylineVertex(-b / 2, m_.yc, 0);
    o_.PolylineVertex(-b / 2, bottom + inward, q);
    o_.PolylineVertex(-b / 2 + r1, bottom, 0);
    o_.PolylineVertex(b / 2 - r1, bottom, q);
    o_.PolylineVertex(b / 2, bottom + inward, 0);
    o_.PolylineVertex(b / 2, m_.yc, 0);
    o_.EndPolyline();
  }

  void shaft() {
    const Real d = m_.d, b = m_.b, t1 = m_.t1, yc = m_.yc;
    centreCross();
    o_.SetPen(kPenOutline);
    o_.DrawCircle(0, 0, d / 2);
    groove(d / 2 - t1, 1);

    hatch_.HatchMode(2);
    hatch_.HatchReset();
    hatch_.HatchPoint(b / 2, yc);
    const Real a = m_.halfAngleOfGroove();
    hatch_.HatchArc(25, 0, 0, d / 2, kPi / 2 + a, 5 * kPi / 2 - a);
    hatch_.HatchPoint(-b / 2, yc);
    hatch_.HatchPoint(-b / 2, d / 2 - t1);
    hatch_.HatchPoint(b / 2, d / 2 - t1);
    hatch_.HatchPoint(b / 2, yc);
    hatch_.Hatch(0, 45, 0);

    const Real ds = sectionDimensionScale(d);
    o_.SetDimScale(ds);
    o_.DimHorizontal(-b / 2, yc, b / 2, yc, d / 2 + 7 * ds, sig(b), "P9", "");
    o_.DimVertical(0, -d / 2, 0, d / 2, d / 2 + 12 * ds, sig(d), "", c_.rec.fit_shaft);
    o_.DimVertical(b / 2, d / 2 - t1, 0, d / 2, d / 2 + 7 * ds, sig(t1), sig(m_.t1_tol), "0");
    o_.DimLeader(-b / 2, d / 2 - t1, 45, "R " + sig(m_.r2), "", sig(m_.r2_tol));
  }

  void hub() {
    const Real d = m_.d, b = m_.b, t2 = m_.t2, yc = m_.yc;
    centreCross();
    o_.SetPen(kPenOutline);
    const Real a = toDegrees(m_.halfAngleOfGroove());
    o_.DrawArc(0, 0, 90 + a, 90 - a, d / 2);
    groove(d / 2 + t2, -1);

    const Real ds = sectionDimensionScale(d);
    o_.SetDimScale(ds);
    o_.DimHorizontal(-b / 2, yc, b / 2, yc, d / 2 - 7 * ds, sig(b), "P9", "");
    o_.DimVertical(0, -d / 2, 0, d / 2, d / 2 + 12 * ds, sig(d), c_.rec.fit_hub, "");
    o_.DimVertical(b / 2, d / 2 + t2, 0, d / 2, d / 2 + 7 * ds, sig(t2), sig(m_.t2_tol), "0");
    o_.DimLeader(-b / 2, d / 2 + t2, -45, "R " + sig(m_.r2), "", sig(m_.r2_tol));
  }

  void assembly() {
    const Real d = m_.d, t1 = m_.t1, t2 = m_.t2, l1 = m_.l1, R = m_.R, eps = m_.eps;
    o_.SetPen(kPenCentre);
    o_.DrawLine(-1.21L * d, 0, 1.21L * d, 0);

    hatch_.HatchMode(2);
    hatch_.HatchRect(-0.95L * d, -0.7L * d, 0.95L * d, -0.5L * d, 0.1L * d, -45);
    hatch_.HatchRect(-0.95L * d, d / 2 + t2, 0.95L * d, 0.8L * d, 0.1L * d, -45);

    // The local section of the shaft round the key.
    const Real cy = d / 2 - t1 + R;
    hatch_.HatchMode(0);
    hatch_.HatchReset();
    hatch_.HatchPoint(-0.65L * l1, d / 2);
    hatch_.HatchArc(6, 0, cy, 0.65L * m_.d2, 3 * kPi / 2 - eps, 3 * kPi / 2 + eps);
    hatch_.HatchPoint(0.65L * l1, d / 2);
    hatch_.HatchArc(20, 0, cy, R, 3 * kPi / 2 + eps, 3 * kPi / 2 - eps);
    hatch_.Hatch(0, 45, 0.1L * d);

    o_.InsertBlock(kShaftBreakBlock, -1.1L * d, 0, 90, 1, 1);
    o_.InsertBlock(kShaftBreakBlock, 1.1L * d, 0, -90, 1, 1);

    o_.SetPen(kPenOutline);
    o_.DrawLine(-1.1L * d, -d / 2, 1.1L * d, -d / 2);
    o_.SetOrigin(0, d / 2 - t1 + m_.h);
    keySide();
    o_.SetOrigin(0, 0);
    o_.SetPen(kPenOutline);
    for (Real s : {-1.0L, 1.0L}) {
      o_.DrawLine(s * 0.95L * d, -0.5L * d, s * 0.95L * d, -0.7L * d);
      o_.DrawLine(s * 0.95L * d, 0.5L * d, s * 0.95L * d, 0.8L * d);
    }
    o_.DrawLine(-1.1L * d, d / 2, -l1 / 2, d / 2);
    o_.DrawLine(l1 / 2, d / 2, 1.1L * d, d / 2);
    o_.DrawLine(-0.95L * d, d / 2 + t2, 0.95L * d, d / 2 + t2);
  }

  // The hatched break symbol of a shaft of diameter D about (x0, y0), in the current hatch mode.
  void shaftBreak(Real x0, Real y0, Real D) {
    static constexpr std::array<Real, 24> k = {0,     0.043L, 0.079L, 0.129L, 0.177L, 0.221L, 0.268L, 0.321L,
                                               0.379L, 0.464L, 0.564L, 0.618L, 0.714L, 0.804L, 0.846L, 0.879L,
                                               0.914L, 0.936L, 0.954L, 0.968L, 0.979L, 0.986L, 0.9964L, 1.0L};
    std::array<Real, 47> px{}, py{};
    const Real u = 0.075L * D;
    for (int i = 0; i < 24; ++i) px[i] = x0 + D * k[i] / 2;
    for (int i = 0; i <= 10; ++i) py[i] = y0 + i * u / 11;
    py[11] = y0 + 10.5L * u / 11;
    py[12] = y0 + u;
    for (int j = 0; j <= 10; ++j) py[13 + j] = py[11 - j];
    for (int j = 0; j <= 22; ++j) {
      px[24 + j] = px[22 - j];
      py[24 + j] = 2 * y0 - py[j];
    }
    hatch_.HatchReset();
    for (int i = 0; i < 47; ++i) hatch_.HatchPoint(px[i], py[i]);
    hatch_.Hatch(0, 45, 0);
    if (hatch_.mode() == 1) {
      o_.SetPen(kPenOutline);
      o_.MoveTo(px[46], py[46]);
      for (int j = 1; j <= 23; ++j) o_.LineTo(2 * x0 - px[j], py[j]);
    }
  }

  DrawingContext& c_;
  EntitySink& o_;
  Measures m_;
  HatchSink sink_;
  Hatching hatch_;
};

}  // namespace

std::vector<std::string> drawingViewNames() {
  return {"Scheibenfeder", "Welle", "Nabe", "Scheibenfeder, Welle, Nabe", "zur\x81" "ck"};
}

Real sectionDimensionScale(Real shaft_diameter) {
  const Real d = std::round(shaft_diameter);
  if (d < 21) return 0.2L;
  if (d <= 60) return 0.4L;
  return 1.0L;
}

ViewFrame viewFrame(const ConnectionRecord& rec, int view) {
  const Measures m(rec);
  switch (view) {
    case kViewKey: {
      // The top edge leaves room for the dimensions above the key, which stand up to 19.5 scale units high.
      const Real ds = 0.025L * m.h;
      return {-m.d2, -m.d2 / 2 - 2 * m.b, 2 * m.b + m.d2, std::max(m.d2 / 2 - m.h, m.R - m.h + 22 * ds)};
    }
    case kViewShaft:
    case kViewHub:
      return {-0.7L * m.d, -0.7L * m.d, 0.7L * m.d + 10, 0.7L * m.d + 7};
    case kViewAssembly:
      return {-1.5L * m.d, -0.9L * m.d, 1.5L * m.d, 0.9L * m.d};
    default:
      return {};
  }
}

void DrawConnection(DrawingContext& c, int view, int output_code) {
  if (c.rec.fatal_error) {
    if (c.show_messages) c.show_messages();
    return;
  }
  int preset = 0;
  for (;;) {
    int v = view;
    if (view == kViewAsk) {
      c.help_number = kHelpDrawingChoice;
      const auto pick = c.ui.choose(kDrawingChoiceTitle, drawingViewNames(), preset);
      if (!pick || c.cancelled || *pick + 1 == kViewLeave) return;
      v = *pick + 1;
      preset = *pick;
    }
    if (v < kViewKey || v > kViewAssembly) return;
    c.out.OpenOutput(output_code);
    if (c.cancelled) return;
    Drawer(c).draw(v);
    c.out.CloseOutput();
    if (view != kViewAsk || c.cancelled) return;
  }
}

}  // namespace vx11
