#include "cad/text_listing.h"

#include <algorithm>

#include "cad/cad_numbers.h"

namespace vx11 {

void TextListing::number(Real x) {
  const std::size_t start = buf_.size();
  appendCadReal(buf_, x, cad_.decimals);
  if (cad_.decimal_separator == 2) std::replace(buf_.begin() + static_cast<std::ptrdiff_t>(start), buf_.end(), '.', ',');
}

void TextListing::record(std::string_view kind, std::initializer_list<Real> values, std::string_view name) {
  buf_.assign(kind);
  if (!name.empty()) {
    buf_.push_back('\t');
    buf_.append(name);
  }
  for (Real v : values) {
    buf_.push_back('\t');
    number(v);
  }
}

void TextListing::writeLine() {
  buf_.append("\r\n");
  out_.write(buf_.data(), static_cast<std::streamsize>(buf_.size()));
}

void TextListing::plain(std::string_view line) {
  buf_.assign(line);
  writeLine();
}

void TextListing::arc(Real x, Real y, Real a1, Real a2, Real r) {
  if (isFullTurn(a1, a2))
    record("CIRCLE", {x, y, r});
  else
    record("ARC", {x, y, r, a1, a2});
  writeLine();
}

void TextListing::text(std::string_view s, Real x, Real y) {
  record("TEXT", {x, y});
  buf_.push_back('\t');
  buf_.append(cadText(cad_, format_, s));
  writeLine();
}

void TextListing::insert(std::string_view name, Real x, Real y, Real rotation, Real sx, Real sy) {
  record("INSERT", {x, y, rotation, sx, sy}, name);
  writeLine();
}

void TextListing::blockStart(std::string_view name) {
  buf_.assign("BLOCK\t");
  buf_.append(name);
  writeLine();
}

}  // namespace vx11
