#include "draw/replay.h"

#include <cmath>

#include "base/guarded_math.h"

namespace vx11 {

namespace {

constexpr std::size_t kServeEvery = 50000;

class Replay {
 public:
  Replay(GraphicsState& g, ReplayDevice& window, const PrinterPage* printer, bool& cancelled)
      : g_(g), window_(window), printer_(printer && printer->device ? printer : nullptr), cancelled_(cancelled) {}

  void start() {
    window_.setLineWidth(1);
    if (printer_) printer_->device->setLineWidth(4);
    if (printer_ && g_.print_frame) {
      ReplayDevice& p = *printer_->device;
      if (g_.colour_graphics) p.setColour(colourOfIndex(11));
      const std::array<std::array<Real, 2>, 5> frame = {
          {{g_.wx1, g_.wy1}, {g_.wx1, g_.wy2}, {g_.wx2, g_.wy2}, {g_.wx2, g_.wy1}, {g_.wx1, g_.wy1}}};
      for (std::size_t i = 0; i + 1 < frame.size(); ++i)
        p.line(onPrinter(frame[i][0], frame[i][1]), onPrinter(frame[i + 1][0], frame[i + 1][1]));
    }
  }

  // False when the replay has to end.
  bool play(const DisplayRecord& r) {
    const auto& v = r.v;
    switch (r.code) {
      case kRecCircle:
        both([&](ReplayDevice& d, auto map) { d.ellipse(map(v[0] - v[2], v[1] + v[2]), map(v[0] + v[2], v[1] - v[2])); });
        break;
      case kRecLine:
        both([&](ReplayDevice& d, auto map) { d.line(map(v[0], v[1]), map(v[2], v[3])); });
        break;
      case kRecArc:
        both([&](ReplayDevice& d, auto map) {
          d.arc(map(v[0], v[3]), map(v[2], v[1]), map(v[4], v[5]), map(v[6], v[7]));
        });
        break;
      case kRecText:
        text(v[0], v[1], r.text);
        break;
      case kRecSolid: {
        const bool mono = !g_.colour_graphics;
        const Rgb fill = current_;
        window_.polygon({toWindow(g_, v[0], v[1]), toWindow(g_, v[2], v[3]), toWindow(g_, v[4], v[5]),
                         toWindow(g_, v[6], v[7])},
                        mono ? Rgb{} : fill);
        if (printer_)
          printer_->device->polygon({onPrinter(v[0], v[1]), onPrinter(v[2], v[3]), onPrinter(v[4], v[5]),
                                     onPrinter(v[6], v[7])},
                                    mono || g_.printer_colour_mode != 2 ? Rgb{} : fill);
        break;
      }
      case kRecColour:
        colour(static_cast<int>(v[0]));
        break;
      case kRecTextStyle:
        text_height_ = static_cast<Real>(v[0]) * 1.6L * g_.textHeightFactor();
        text_width_ = static_cast<Real>(v[1]) * 1.1L * g_.textWidthFactor();
        text_angle_ = static_cast<Real>(v[3]);
        break;
      case kRecWindow:
        g_.vx1 = static_cast<std::int32_t>(std::llround(v[0]));
        g_.vy1 = static_cast<std::int32_t>(std::llround(v[1]));
        g_.vx2 = static_cast<std::int32_t>(std::llround(v[2]));
        g_.vy2 = static_cast<std::int32_t>(std::llround(v[3]));
        g_.wx1 = v[4], g_.wy1 = v[5], g_.wx2 = v[6], g_.wy2 = v[7];
        if (g_.wx1 == g_.wx2 || g_.wy1 == g_.wy2) {
          cancelled_ = true;
          return false;
        }
        deriveScale(g_, g_.zx1, g_.zy1, g_.zx2, g_.zy2);  // the zoom survives window changes
        break;
      case kRecLineStyle: {
        const int style = static_cast<int>(v[0]);
        const int s = style >= 0 && style <= 3 ? style : 0;
        window_.setLineStyle(s);
        if (printer_) printer_->device->setLineStyle(s);
        break;
      }
      case kRecLineWidth: {
        const int n = static_cast<int>(v[0]);
        window_.setLineWidth(n);
        if (printer_) printer_->device->setLineWidth(4 * n);
        break;
      }
      default:
        break;
    }
    return true;
  }

 private:
  PixelPoint onPrinter(Real x, Real y) const { return toPrinter(g_, printer_->width, printer_->height, x, y); }

  template <class Paint>
  void both(Paint paint) {
    paint(window_, [&](Real x, Real y) { return toWindow(g_, x, y); });
    if (printer_) paint(*printer_->device, [&](Real x, Real y) { return onPrinter(x, y); });
  }

  void colour(int index) {
    if (index == 0) {
      window_.setColour(g_.background);
      if (printer_) printer_->device->setColour(g_.background);
    } else if (index >= 1 && index <= 16) {
      current_ = colourOfIndex(index);
      window_.setColour(g_.colour_graphics ? current_ : Rgb{});
      if (printer_) printer_->device->setColour(g_.printer_colour_mode == 2 ? current_ : Rgb{});
    } else {
      return;
    }
    text_colour_ = index;
  }

  void text(Real x, Real y, std::string_view s) {
    TextLook look;
    look.face = g_.font_name;
    const std::uint16_t style = g_.font_style >= 1 && g_.font_style <= 15 ? g_.font_style : 0;
    look.weight = (style & 1) ? 700 : 100;
    look.italic = style & 2;
    look.underline = style & 4;
    look.strike_out = style & 8;
    look.escapement = static_cast<int>(std::llround(text_angle_ * 10));
    const Real h = text_height_;
    Real ax = x, ay = y + 0.75L * h;
    if (text_angle_ != 0) {
      ax = x - std::sin(toRadians(text_angle_)) * 0.7L * h;
      ay = y + std::cos(toRadians(text_angle_)) * 0.75L * h;
    }
    auto colourFor = [&](bool printing) {
      if (text_colour_ == 0) return g_.background;
      if (!g_.colour_graphics || (printing && g_.printer_colour_mode == 1)) return Rgb{};
      return text_colour_ <= 15 ? colourOfIndex(text_colour_) : Rgb{};
    };
    look.colour = colourFor(false);
    look.height = windowFontHeight(g_, h);
    look.width = windowFontWidth(g_, text_width_);
    window_.text(toWindow(g_, ax, ay), look, s);
    if (printer_) {
      look.colour = colourFor(true);
      look.height = printerFontHeight(g_, printer_->width, printer_->height, h);
      look.width = printerFontWidth(g_, printer_->width, printer_->height, text_width_);
      printer_->device->text(onPrinter(ax, ay), look, s);
    }
  }

  GraphicsState& g_;
  ReplayDevice& window_;
  const PrinterPage* printer_;
  bool& cancelled_;
  Real text_height_ = 3.5L, text_width_ = 3.5L, text_angle_ = 0;
  int text_colour_ = 1;
  Rgb current_ = colourOfIndex(1);
};

}  // namespace

void replayDisplayList(GraphicsState& state, const DisplayList& list, ReplayDevice& window,
                       const PrinterPage* printer, bool& cancelled, ReplayPacer* pacer) {
  Replay replay(state, window, printer, cancelled);
  replay.start();
  DisplayRecord r;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (pacer && i > 0 && i % kServeEvery == 0) pacer->serveEvents();
    if (!parseDisplayRecord(list.record(i), r)) continue;  // a record of no known form paints nothing
    if (!replay.play(r)) return;
  }
}

}  // namespace vx11
