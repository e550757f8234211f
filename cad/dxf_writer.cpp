#include "cad/dxf_writer.h"

#include <array>
#include <charconv>

#include "cad/cad_numbers.h"
#include "base/text.h"

namespace vx11 {

namespace {
constexpr std::string_view kEol = "\r\n";
}

DxfWriter::DxfWriter(std::ostream& out, const CadSettings& cad, const FormatSettings& format)
    : out_(out), cad_(cad), format_(format) {
  buf_.reserve(4096);
}

void DxfWriter::setLayer(std::string_view layer) { layer_ = std::string(layer.substr(0, 32)); }

void DxfWriter::code(int c) {
  char digits[8];
  auto res = std::to_chars(digits, digits + sizeof digits, c);
  const auto n = static_cast<std::size_t>(res.ptr - digits);
  if (n < 3) buf_.append(3 - n, ' ');
  buf_.append(digits, n);
  buf_.append(kEol);
}

void DxfWriter::str(int c, std::string_view value) {
  code(c);
  buf_.append(value);
  buf_.append(kEol);
}

void DxfWriter::real(int c, Real value) {
  code(c);
  appendCadReal(buf_, value, cad_.decimals);
  buf_.append(kEol);
}

void DxfWriter::integer(int c, long long value) {
  code(c);
  char digits[24];
  auto res = std::to_chars(digits, digits + sizeof digits, value);
  buf_.append(digits, res.ptr);
  buf_.append(kEol);
}

void DxfWriter::entity(std::string_view kind) {
  str(0, kind);
  str(8, layer_);
}

void DxfWriter::flush() {
  out_.write(buf_.data(), static_cast<std::streamsize>(buf_.size()));
  buf_.clear();
}

void DxfWriter::header(Real x1, Real y1, Real x2, Real y2) {
  str(0, "SECTION");
  str(2, "HEADER");
  auto point = [&](std::string_view name, Real x, Real y) {
    str(9, name);
    real(10, x);
    real(20, y);
  };
  point("$EXTMIN", x1, y1);
  point("$EXTMAX", x2, y2);
  point("$LIMMIN", x1, y1);
  point("$LIMMAX", x2, y2);
  str(9, "$LTSCALE");
  str(40, "15");
  str(0, "ENDSEC");
  flush();
}

void DxfWriter::tables(int kind) {
  str(0, "SECTION");
  str(2, "TABLES");
  // Line types, written as literal texts.
  str(0, "TABLE");
  str(2, "LTYPE");
  str(70, kind == 0 ? "6" : kind == 1 ? "17" : "23");
  struct LineType {
    const char* name;
    const char* description;
    const char* count;
    const char* length;
    std::array<const char*, 4> dashes;
  };
  static constexpr std::array<LineType, 3> kTypes = {{
      {"CONTINUOUS", "Ausgezogene Linie", "0", "0.0", {}},
      {"DASHDOT", "--. --. --.-", "4", "1.0", {"0.5", "-0.25", "0.0", "-0.25"}},
      {"DASHED", "- - - - - - ", "2", "0.375", {"0.25", "-0.125"}},
  }};
  for (const auto& t : kTypes) {
    str(0, "LTYPE");
    str(2, t.name);
    str(70, "64");
    str(3, t.description);
    str(72, "65");
    str(73, t.count);
    str(40, t.length);
    for (const char* d : t.dashes)
      if (d) str(49, d);
  }
  str(0, "ENDTAB");
  // Layers.
  str(0, "TABLE");
  str(2, "LAYER");
  str(70, "24");
  auto layer = [&](std::string_view name, int colour, std::string_view type) {
    str(0, "LAYER");
    str(2, name);
    str(70, "0");
    integer(62, cad_.layer_monochrome ? 1 : colour);
    str(6, type);
  };
  if (kind == 1) {
    for (int i = 0; i < 16; ++i) layer(std::to_string(i), i + 1, "CONTINUOUS");
  } else {
    static constexpr std::array<const char*, 5> kPenTypes = {"DASHDOT", "DASHED", "CONTINUOUS", "CONTINUOUS",
                                                             "CONTINUOUS"};
    layer("0", 1, "CONTINUOUS");
    for (int p = 1; p <= 5; ++p) layer(cad_.layerOfPen(p), cad_.colourOfPen(p), kPenTypes[static_cast<std::size_t>(p - 1)]);
    if (kind == 2)
      for (int p = 16; p <= 31; ++p) layer(std::to_string(p), cad_.colourOfPen(p), "CONTINUOUS");
  }
  str(0, "ENDTAB");
  // Text style.
  str(0, "TABLE");
  str(2, "STYLE");
  str(70, "1");
  str(0, "STYLE");
  str(2, "STANDARD");
  str(70, "0");
  str(40, "0.0");
  str(41, "1.0");
  str(50, "0.0");
  str(71, "0");
  str(42, "3.5");
  str(3, upper(cad_.text_style));
  str(4, "");
  buf_.append("0");  // this group code line is not right-aligned
  buf_.append(kEol);
  buf_.append("ENDTAB");
  buf_.append(kEol);
  str(0, "ENDSEC");
  flush();
}

void DxfWriter::blocksStart() {
  str(0, "SECTION");
  str(2, "BLOCKS");
  flush();
}

void DxfWriter::blockStart(std::string_view name) {
  entity("BLOCK");
  str(2, name);
  str(70, "0");
  str(10, "0.0");
  str(20, "0.0");
  flush();
}

void DxfWriter::blockEnd() {
  str(0, "ENDBLK");
  flush();
}

void DxfWriter::sectionEnd() {
  str(0, "ENDSEC");
  flush();
}

void DxfWriter::entitiesStart() {
  str(0, "SECTION");
  str(2, "ENTITIES");
  flush();
}

void DxfWriter::line(Real x1, Real y1, Real x2, Real y2) {
  entity("LINE");
  real(10, x1);
  real(20, y1);
  real(11, x2);
  real(21, y2);
  flush();
}

void DxfWriter::circle(Real x, Real y, Real r) {
  entity("CIRCLE");
  real(10, x);
  real(20, y);
  real(40, r);
  flush();
}

void DxfWriter::arc(Real x, Real y, Real a1, Real a2, Real r) {
  if (isFullTurn(a1, a2)) {
    circle(x, y, r);
    return;
  }
  entity("ARC");
  real(10, x);
  real(20, y);
  real(40, r);
  real(50, a1);
  real(51, a2);
  flush();
}

void DxfWriter::text(std::string_view s, Real x, Real y, const CadTextStyle& style) {
  entity("TEXT");
  real(10, x);
  real(20, y);
  real(40, style.height);
  if (convert_text_)
    str(1, cadText(cad_, format_, s));
  else
    str(1, s);
  str(7, "STANDARD");
  str(41, sigWithPoint(format_, style.width_factor));
  str(50, sigWithPoint(format_, style.angle));
  str(51, sigWithPoint(format_, style.oblique));
  flush();
}

void DxfWriter::solid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4) {
  entity("SOLID");
  real(10, x1);
  real(20, y1);
  real(11, x2);
  real(21, y2);
  real(12, x3);
  real(22, y3);
  real(13, x4);
  real(23, y4);
  flush();
}

void DxfWriter::insert(std::string_view name, Real x, Real y, Real rotation, Real sx, Real sy) {
  entity("INSERT");
  str(2, name);
  real(10, x);
  real(20, y);
  real(41, sx);
  real(42, sy);
  real(50, rotation);
  flush();
}

void DxfWriter::polylineStart(int flags) {
  entity("POLYLINE");
  str(66, "1");
  if (flags != 0) integer(70, flags);
  flush();
}

void DxfWriter::vertex(Real x, Real y, Real bulge) {
  entity("VERTEX");
  real(10, x);
  real(20, y);
  if (bulge != 0) real(42, bulge);
  flush();
}

void DxfWriter::polylineEnd() {
  entity("SEQEND");
  flush();
}

void DxfWriter::endOfFile() {
  str(0, "EOF");
  flush();
}

}  // namespace vx11
