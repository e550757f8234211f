#include "cad/plotter_writers.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

#include "base/format.h"
#include "base/guarded_math.h"
#include "base/text.h"

namespace vx11 {

namespace {

std::string num(Real v) { return trimBlanks(fmtFixed(FormatSettings{}, 0, 3, v)); }
std::string unit(Real mm) { return std::to_string(std::lround(mm * kHpglUnitsPerMm)); }

// Texts of the file are code page 850 unless they already are UTF-8; the page fonts take Latin-1.
std::string latin1(const std::string& s) {
  bool utf8 = true;
  for (std::size_t i = 0; i < s.size() && utf8;) {
    const auto c = static_cast<unsigned char>(s[i]);
    const int n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) utf8 = false;
    for (int k = 1; utf8 && k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) utf8 = false;
    i += n == 0 ? 1 : n;
  }
  const std::string u = utf8 ? s : toWindows(FormatSettings{}, s);
  std::string out;
  for (std::size_t i = 0; i < u.size();) {
    const auto c = static_cast<unsigned char>(u[i]);
    if (c < 0x80) {
      out += static_cast<char>(c), ++i;
    } else if ((c >> 5) == 6 && i + 1 < u.size()) {
      const unsigned cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(u[i + 1]) & 0x3Fu);
      out += cp < 256 ? static_cast<char>(cp) : '?';
      i += 2;
    } else {
      out += '?';
      i += (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
    }
  }
  return out;
}

std::string psFont(const std::string& font) {
  std::string f;
  for (char c : font)
    if (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') f += c;
  return f.empty() ? "Helvetica" : f;
}

std::string psString(const std::string& s) {
  std::string out = "(";
  for (char ch : latin1(s)) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '(' || c == ')' || c == '\\') out += '\\', out += ch;
    else if (c < 32 || c >= 127) {
      const char oct[5] = {'\\', static_cast<char>('0' + (c >> 6)), static_cast<char>('0' + ((c >> 3) & 7)),
                           static_cast<char>('0' + (c & 7)), 0};
      out += oct;
    } else out += ch;
  }
  return out + ")";
}

// Drawing-exchange colours on white paper; yellow and cyan darkened so they stay readable.
std::string psColour(int colour) {
  switch (colour) {
    case 1: return "1 0 0";
    case 2: return "0.6 0.5 0";
    case 3: return "0 0.6 0";
    case 4: return "0 0.5 0.6";
    case 5: return "0 0 1";
    case 6: return "0.8 0 0.8";
    default: return "0 0 0";
  }
}

void writePostScript(std::ostream& out, const PlotSheet& s, const std::string& font) {
  out << "%!PS-Adobe-3.0\n%%Creator: zeichnr\n%%BoundingBox: 0 0 595 842\n%%Pages: 1\n%%EndComments\n"
      << "%%BeginSetup\n<< /PageSize [595 842] >> setpagedevice\n%%EndSetup\n%%Page: 1 1\n"
      << "72 25.4 div dup scale 0.25 setlinewidth 1 setlinejoin 1 setlinecap\n"
      << "/m {moveto} bind def /l {lineto} bind def\n"
      << "/PlotFont /" << psFont(font)
      << " findfont dup length dict begin {1 index /FID ne {def} {pop pop} ifelse} forall"
      << " /Encoding ISOLatin1Encoding def currentdict end definefont pop\n";
  for (const auto& st : s.strokes) {
    if (st.points.size() < 2) continue;
    out << psColour(st.colour) << " setrgbcolor "
        << (st.line_type == 1 ? "[3 1.5]" : st.line_type == 2 ? "[6 1.5 0.5 1.5]" : "[]") << " 0 setdash newpath\n";
    for (std::size_t i = 0; i < st.points.size(); ++i)
      out << num(st.points[i].first) << ' ' << num(st.points[i].second) << (i == 0 ? " m\n" : " l\n");
    out << "stroke\n";
  }
  for (const auto& f : s.fills) {
    out << psColour(f.colour) << " setrgbcolor newpath\n";
    for (std::size_t i = 0; i < f.corners.size(); ++i)
      out << num(f.corners[i].first) << ' ' << num(f.corners[i].second) << (i == 0 ? " m\n" : " l\n");
    out << "closepath fill\n";
  }
  for (const auto& t : s.texts) {
    if (t.height <= 0) continue;
    out << "gsave " << psColour(t.colour) << " setrgbcolor " << num(t.x) << ' ' << num(t.y) << " translate "
        << num(t.angle) << " rotate /PlotFont findfont [" << num(t.height * t.width_factor) << " 0 0 "
        << num(t.height) << " 0 0] makefont setfont 0 0 m " << psString(t.text) << " show grestore\n";
  }
  out << "showpage\n%%EOF\n";
}

// The part of a segment inside the page, or none.
std::optional<std::pair<PlotPoint, PlotPoint>> clip(PlotPoint a, PlotPoint b) {
  Real t0 = 0, t1 = 1;
  const Real dx = b.first - a.first, dy = b.second - a.second;
  const Real p[4] = {-dx, dx, -dy, dy};
  const Real q[4] = {a.first, PlotSheet::kWidth - a.first, a.second, PlotSheet::kHeight - a.second};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    const Real t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
  }
  if (t0 > t1) return std::nullopt;
  return std::pair{PlotPoint{a.first + t0 * dx, a.second + t0 * dy}, PlotPoint{a.first + t1 * dx, a.second + t1 * dy}};
}

bool inside(const PlotPoint& p) {
  return p.first >= 0 && p.first <= PlotSheet::kWidth && p.second >= 0 && p.second <= PlotSheet::kHeight;
}

int pen(int colour) { return colour >= 1 ? (colour - 1) % 8 + 1 : 1; }

void writeHpgl(std::ostream& out, const PlotSheet& s, PlotFormat format) {
  const bool laser = format == PlotFormat::Hpl;
  const bool polygons = format != PlotFormat::Plt;  // polygon mode is HP-GL/2
  // The laser printer: reset, A4 portrait, then into HP-GL/2.
  if (laser) out << "\x1b" "E" "\x1b&l26A" "\x1b&l0O" "\x1b%0B";
  out << "IN;SP1;";
  int current = 1;
  auto select = [&](int colour) {
    if (pen(colour) != current) out << "SP" << (current = pen(colour)) << ';';
  };
  for (const auto& st : s.strokes) {
    select(st.colour);
    out << (st.line_type == 1 ? "LT2,2;" : st.line_type == 2 ? "LT4,3;" : "LT;");
    bool down = false;
    PlotPoint last{-1, -1};
    for (std::size_t i = 1; i < st.points.size(); ++i) {
      const auto seg = clip(st.points[i - 1], st.points[i]);
      if (!seg) {
        down = false;
        continue;
      }
      const std::string from = unit(seg->first.first) + "," + unit(seg->first.second);
      if (!down || unit(last.first) + "," + unit(last.second) != from) out << "PU" << from << ';';
      out << "PD" << unit(seg->second.first) << ',' << unit(seg->second.second) << ';';
      last = seg->second;
      down = true;
    }
  }
  out << "LT;";
  for (const auto& f : s.fills) {
    if (!std::all_of(f.corners.begin(), f.corners.end(), inside)) continue;
    select(f.colour);
    const auto& c = f.corners;
    if (polygons) {
      out << "PU" << unit(c[0].first) << ',' << unit(c[0].second) << ";PM0;PD";
      for (std::size_t i = 1; i < c.size(); ++i) out << (i > 1 ? "," : "") << unit(c[i].first) << ',' << unit(c[i].second);
      out << ";PM2;FP;EP;";
    } else {
      // Pen plotters: the outline and hatching lines from the first corner to points of the far edges.
      for (int k = 0; k <= 8; ++k) {
        const Real t = k / 8.0L;
        const PlotPoint a{c[1].first + t * (c[2].first - c[1].first), c[1].second + t * (c[2].second - c[1].second)};
        const PlotPoint b{c[3].first + t * (c[2].first - c[3].first), c[3].second + t * (c[2].second - c[3].second)};
        for (const PlotPoint& p : {a, b})
          out << "PU" << unit(c[0].first) << ',' << unit(c[0].second) << ";PD" << unit(p.first) << ',' << unit(p.second)
              << ';';
      }
    }
  }
  for (const auto& t : s.texts) {
    if (!inside({t.x, t.y}) || t.height <= 0) continue;
    select(t.colour);
    const Real a = toRadians(t.angle);
    out << "SI" << num(t.height * t.width_factor * 0.06L) << ',' << num(t.height * 0.1L) << ";DI" << num(std::cos(a))
        << ',' << num(std::sin(a)) << ";PU" << unit(t.x) << ',' << unit(t.y) << ";LB";
    for (char ch : latin1(t.text)) out << (static_cast<unsigned char>(ch) < 32 ? ' ' : ch);
    out << "\x03";
  }
  out << "PU;SP0;";
  if (format == PlotFormat::Pl2) out << "PG;";
  if (laser) out << "\x1b%0A" "\x1b" "E";
  out << "\n";
}

}  // namespace

bool writePlot(std::ostream& out, const PlotSheet& sheet, PlotFormat format, const std::string& ps_font) {
  switch (format) {
    case PlotFormat::Ps: writePostScript(out, sheet, ps_font); return true;
    case PlotFormat::Hpl:
    case PlotFormat::Plt:
    case PlotFormat::Pl2: writeHpgl(out, sheet, format); return true;
    case PlotFormat::Art: return false;
  }
  return false;
}

}  // namespace vx11
