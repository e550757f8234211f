#include "help/hpgl_reader.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <optional>

#include "help/help_paths.h"
#include "base/guarded_math.h"

namespace vx11 {

namespace {

constexpr Real kMaxUnits = 1073741824.0L;  // 2^30: the plotter's coordinate range
constexpr Real kUnitsPerCm = 400;
constexpr char kEtx = 3;
constexpr char kEsc = 27;
// Character size in centimetres until "SI" sets one.
constexpr Real kDefaultCharWidth = 0.19L;
constexpr Real kDefaultCharHeight = 0.27L;

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
char upperLetter(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
Real clampUnits(Real v) { return std::isfinite(v) ? std::clamp(v, -kMaxUnits, kMaxUnits) : 0; }
Real mm(Real units) { return units * kPlotterUnitMm; }

int penColour(int pen, int current) {
  static constexpr int kColours[] = {12, 14, 10, 11, 9, 13, 15};
  return pen >= 1 && pen <= 7 ? kColours[pen - 1] : current;
}

class Reader {
 public:
  Reader(std::string_view plot, HpglSink& sink, const bool& cancelled)
      : p_(plot), sink_(sink), cancelled_(cancelled) {}

  void run() {
    sink_.clear();
    sink_.moveTo(0, 0);
    while (pos_ < p_.size() && !cancelled_) {
      const char c = p_[pos_];
      if (c == kEsc) {
        skipEscape();
        continue;
      }
      if (!isLetter(c) || pos_ + 1 >= p_.size() || !isLetter(p_[pos_ + 1])) {
        ++pos_;  // ";" between commands, blanks, line ends and stray bytes
        continue;
      }
      const char a = upperLetter(c);
      const char b = upperLetter(p_[pos_ + 1]);
      pos_ += 2;
      command(a, b);
    }
  }

 private:
  void command(char a, char b) {
    if (a == 'P' && b == 'U') {
      pen_down_ = false;
      pairs();
    } else if (a == 'P' && b == 'D') {
      pen_down_ = true;
      pairs();
    } else if (a == 'P' && b == 'A') {
      absolute_ = true;
      pairs();
    } else if (a == 'P' && b == 'R') {
      absolute_ = false;
      pairs();
    } else if (a == 'S' && b == 'P') {
      selectPen(number().value_or(0));
    } else if (a == 'C' && b == 'I') {
      if (std::optional<Real> r = number()) sink_.circle(mm(x_), mm(y_), mm(std::fabs(*r)));
      skipParameters();
    } else if (a == 'S' && b == 'I') {
      characterSize();
    } else if (a == 'D' && b == 'I') {
      direction();
    } else if (a == 'L' && b == 'B') {
      label();
    } else if (a == 'D' && b == 'T') {
      terminator();
    } else if (a == 'A' && b == 'A') {
      arc();
    } else if (a == 'P' && b == 'E') {
      encodedPolyline();
    } else if (a == 'C' && b == 'S') {
      charset_ = static_cast<int>(number().value_or(0));
      skipParameters();
    } else {
      skipParameters();
    }
  }

  void skipParameters() {
    while (pos_ < p_.size() && p_[pos_] != ';' && p_[pos_] != kEsc && !isLetter(p_[pos_])) ++pos_;
  }

  // Printer control sequences (ESC E, ESC %0B, ESC &l1O ...) that HP-GL/2 files may carry.
  void skipEscape() {
    ++pos_;
    if (pos_ >= p_.size()) return;
    const char c = p_[pos_];
    if (c < '!' || c > '/') {
      ++pos_;
      return;
    }
    ++pos_;
    if (pos_ < p_.size() && p_[pos_] >= '`' && p_[pos_] <= '~') ++pos_;  // group character
    while (pos_ < p_.size()) {
      const char v = p_[pos_];
      if (isDigit(v) || v == '+' || v == '-' || v == '.') {
        ++pos_;
      } else if (v >= '`' && v <= '~') {
        ++pos_;  // combined sequence goes on
      } else {
        if (v >= '@' && v <= '^') ++pos_;
        return;
      }
    }
  }

  void skipSeparators() {
    while (pos_ < p_.size()) {
      const char c = p_[pos_];
      if (c != ' ' && c != ',' && c != '\t' && c != '\r' && c != '\n') return;
      ++pos_;
    }
  }

  // The next numeric parameter; nullopt (and nothing consumed but blanks) when none follows.
  std::optional<Real> number() {
    skipSeparators();
    if (pos_ >= p_.size()) return std::nullopt;
    char c = p_[pos_];
    if (!isDigit(c) && c != '+' && c != '-' && c != '.') return std::nullopt;
    bool negative = false;
    if (c == '+' || c == '-') {
      negative = c == '-';
      ++pos_;
    }
    Real value = 0;
    Real scale = 1;
    bool digits = false;
    bool fraction = false;
    while (pos_ < p_.size()) {
      c = p_[pos_];
      if (c == '.' && !fraction) {
        fraction = true;
      } else if (isDigit(c)) {
        digits = true;
        if (!fraction) {
          if (value < kMaxUnits) value = value * 10 + (c - '0');
        } else if (scale > 1e-20L) {
          scale /= 10;
          value += (c - '0') * scale;
        }
      } else {
        break;
      }
      ++pos_;
    }
    if (!digits) return std::nullopt;
    return clampUnits(negative ? -value : value);
  }

  void plot(Real x, Real y) {
    if (!absolute_) {
      x += x_;
      y += y_;
    }
    x_ = clampUnits(x);
    y_ = clampUnits(y);
    if (pen_down_) {
      sink_.lineTo(mm(x_), mm(y_));
    } else {
      sink_.moveTo(mm(x_), mm(y_));
    }
  }

  void pairs() {
    while (!cancelled_) {
      const std::optional<Real> x = number();
      if (!x) return;
      const std::optional<Real> y = number();
      if (!y) return;
      plot(*x, *y);
    }
  }

  void selectPen(Real n) {
    const int pen = static_cast<int>(std::clamp(n, Real{-1000000}, Real{1000000}));
    colour_ = penColour(pen, colour_);
    sink_.selectPen(pen, colour_);
  }

  void characterSize() {
    const std::optional<Real> w = number();
    const std::optional<Real> h = number();
    if (w && h) {
      char_w_ = *w;
      char_h_ = *h;
    } else if (!w) {
      char_w_ = kDefaultCharWidth;
      char_h_ = kDefaultCharHeight;
    }
    skipParameters();
  }

  void direction() {
    const std::optional<Real> run = number();
    const std::optional<Real> rise = number();
    if (!run) {
      direction_ = 0;
    } else if (rise && (*run != 0 || *rise != 0)) {
      direction_ = toDegrees(std::atan2(*rise, *run));
    }
    skipParameters();
  }

  void terminator() {
    if (pos_ < p_.size() && p_[pos_] != ';') {
      terminator_ = p_[pos_++];
    } else {
      terminator_ = kEtx;
    }
    skipParameters();
  }

  // Text up to the terminator; CR goes back to the start of the line, LF one line down.
  void label() {
    const Real a = toRadians(direction_);
    const Real ca = std::cos(a), sa = std::sin(a);
    const Real advance = 1.5L * char_w_ * kUnitsPerCm;
    const Real line_step = 2 * char_h_ * kUnitsPerCm;
    Real line_x = x_, line_y = y_;
    std::string piece;
    auto flush = [&] {
      if (piece.empty()) return;
      sink_.text(mm(x_), mm(y_), piece, char_w_ * 10, char_h_ * 10, direction_);
      x_ = clampUnits(x_ + ca * advance * static_cast<Real>(piece.size()));
      y_ = clampUnits(y_ + sa * advance * static_cast<Real>(piece.size()));
      piece.clear();
    };
    while (pos_ < p_.size()) {
      const char c = p_[pos_++];
      if (c == terminator_) break;
      if (c == '\r') {
        flush();
        x_ = line_x;
        y_ = line_y;
      } else if (c == '\n') {
        flush();
        line_x = clampUnits(line_x + sa * line_step);
        line_y = clampUnits(line_y - ca * line_step);
        x_ = clampUnits(x_ + sa * line_step);
        y_ = clampUnits(y_ - ca * line_step);
      } else if (static_cast<unsigned char>(c) >= 32) {
        piece += c;
      }
    }
    flush();
    sink_.moveTo(mm(x_), mm(y_));
  }

  void arc() {
    const std::optional<Real> cx = number();
    const std::optional<Real> cy = number();
    const std::optional<Real> sweep = number();
    skipParameters();
    if (!cx || !cy || !sweep) return;
    const Real r = std::hypot(x_ - *cx, y_ - *cy);
    const Real start = toDegrees(std::atan2(y_ - *cy, x_ - *cx));
    const Real turn = std::clamp(*sweep, Real{-360}, Real{360});
    const Real end = toRadians(start + turn);
    if (pen_down_ && r > 0) sink_.arc(mm(*cx), mm(*cy), mm(r), start, turn);
    x_ = clampUnits(*cx + r * std::cos(end));
    y_ = clampUnits(*cy + r * std::sin(end));
    sink_.moveTo(mm(x_), mm(y_));
  }

  // One base-64 (base-32 in 7-bit mode) number of an encoded polyline, least significant digit
  // first, the sign in the lowest bit. nullopt when a flag or the end comes first.
  std::optional<long long> encodedNumber(bool seven) {
    unsigned long long v = 0;
    int shift = 0;
    while (pos_ < p_.size()) {
      const int b = static_cast<unsigned char>(p_[pos_]);
      int digit = -1;
      bool last = false;
      if (seven) {
        if (b >= 63 && b <= 94) digit = b - 63;
        if (b >= 95 && b <= 126) digit = b - 95, last = true;
      } else {
        if (b >= 63 && b <= 126) digit = b - 63;
        if (b >= 191 && b <= 254) digit = b - 191, last = true;
      }
      if (digit < 0) {
        if (b == ';' || b == ':' || b == '<' || b == '>' || b == '=' || b == '7') return std::nullopt;
        ++pos_;  // bytes outside the code ranges are ignored
        continue;
      }
      ++pos_;
      if (shift < 56) v |= static_cast<unsigned long long>(digit) << shift;
      shift += seven ? 5 : 6;
      if (last) {
        const long long magnitude = static_cast<long long>(v >> 1);
        return (v & 1) ? -magnitude : magnitude;
      }
    }
    return std::nullopt;
  }

  void encodedPolyline() {
    bool seven = false;
    bool up_next = false;
    bool absolute_next = false;
    int fraction_bits = 0;
    const bool pen_was_down = pen_down_;
    const bool absolute_was = absolute_;
    while (pos_ < p_.size() && !cancelled_) {
      const char c = p_[pos_];
      if (c == ';') {
        ++pos_;
        break;
      }
      if (c == ':' || c == '>') {
        ++pos_;
        const std::optional<long long> v = encodedNumber(seven);
        if (v && c == ':') selectPen(static_cast<Real>(*v));
        if (v && c == '>') fraction_bits = static_cast<int>(std::clamp<long long>(*v, 0, 26));
        continue;
      }
      if (c == '<' || c == '=' || c == '7') {
        up_next |= c == '<';
        absolute_next |= c == '=';
        seven |= c == '7';
        ++pos_;
        continue;
      }
      const std::optional<long long> x = encodedNumber(seven);
      if (!x) continue;
      const std::optional<long long> y = encodedNumber(seven);
      if (!y) continue;
      const Real scale = std::ldexp(Real{1}, -fraction_bits);
      pen_down_ = !up_next;
      absolute_ = absolute_next;
      plot(static_cast<Real>(*x) * scale, static_cast<Real>(*y) * scale);
      up_next = absolute_next = false;
    }
    pen_down_ = pen_was_down;
    absolute_ = absolute_was;
  }

  std::string_view p_;
  std::size_t pos_ = 0;
  HpglSink& sink_;
  const bool& cancelled_;
  bool pen_down_ = false;
  bool absolute_ = true;
  Real x_ = 0, y_ = 0;  // plotter units
  int colour_ = 0;
  Real char_w_ = kDefaultCharWidth, char_h_ = kDefaultCharHeight;  // centimetres
  Real direction_ = 0;                                               // degrees
  char terminator_ = kEtx;
  int charset_ = 0;  // kept, not used for drawing
};

}  // namespace

void readHpgl(std::string_view plot, HpglSink& sink, const bool& cancelled) {
  Reader(plot, sink, cancelled).run();
}

bool drawPlotFile(const std::string& path, HpglSink& sink, const bool& cancelled, Interaction& ui) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    ui.message(kCaptionHelp, fileNotFoundText(path));
    return false;
  }
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  readHpgl(bytes, sink, cancelled);
  return true;
}

}  // namespace vx11
