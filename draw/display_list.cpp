#include "draw/display_list.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace vx11 {

namespace {

constexpr std::array<double, 17> kPow10 = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7, 1e8,
                                           1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16};

// Eight significant digits of a value of moderate size, without exponent, trailing zeros dropped.
// Returns false for values that need the exponent form.
bool appendFast(std::string& out, double x) {
  if (x == 0) {
    out.push_back('0');
    return true;
  }
  const double a = std::fabs(x);
  if (!(a >= 1e-4 && a < 1e8)) return false;
  // Bounds 10^e for e = -4 .. 7, index e + 4.
  static constexpr std::array<double, 12> kBound = {1e-4, 1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7};
  int e = 7;
  while (e > -4 && a < kBound[static_cast<std::size_t>(e + 4)]) --e;
  int shift = 7 - e;  // 0..11
  auto digits = static_cast<std::uint64_t>(a * kPow10[static_cast<std::size_t>(shift)] + 0.5);
  if (digits >= 100000000ULL) {  // rounding carried into a new digit
    if (shift == 0) return false;
    digits = (digits + 5) / 10;
    --shift;
  }
  // Digits in reverse, padded so that there is an integer digit.
  char d[24];
  int nd = 0;
  for (std::uint64_t t = digits; t > 0; t /= 10) d[nd++] = static_cast<char>('0' + t % 10);
  while (nd <= shift) d[nd++] = '0';
  int frac_end = 0;  // trailing zeros of the fraction are dropped
  while (frac_end < shift && d[frac_end] == '0') ++frac_end;
  char buf[32];
  int n = 0;
  if (x < 0) buf[n++] = '-';
  for (int i = nd - 1; i >= shift; --i) buf[n++] = d[i];
  if (frac_end < shift) {
    buf[n++] = '.';
    for (int i = shift - 1; i >= frac_end; --i) buf[n++] = d[i];
  }
  out.append(buf, static_cast<std::size_t>(n));
  return true;
}

}  // namespace

void appendGeneral8(std::string& out, Real x) {
  const double v = static_cast<double>(x);
  if (appendFast(out, v)) return;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 8);
  out.append(buf, res.ptr);
}

void DisplayList::clear() {
  text_.clear();
  ends_.clear();
}

std::string_view DisplayList::record(std::size_t i) const {
  const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
  return std::string_view(text_).substr(begin, ends_[i] - begin);
}

void DisplayList::finish() { ends_.push_back(text_.size()); }

void DisplayList::add(int code, std::initializer_list<Real> values) {
  char buf[16];
  auto res = std::to_chars(buf, buf + sizeof buf, code);
  text_.append(buf, res.ptr);
  for (Real v : values) {
    text_.push_back(';');
    appendGeneral8(text_, v);
  }
  finish();
}

void DisplayList::addText(Real x, Real y, std::string_view text) {
  text_.append("6;");
  appendGeneral8(text_, x);
  text_.push_back(';');
  appendGeneral8(text_, y);
  text_.push_back(';');
  text_.append(text);
  finish();
}

bool parseDisplayRecord(std::string_view record, DisplayRecord& out) {
  out = DisplayRecord{};
  const char* p = record.data();
  const char* end = p + record.size();
  auto res = std::from_chars(p, end, out.code);
  if (res.ec != std::errc{}) return false;
  p = res.ptr;
  const int wanted = out.code == kRecText ? 2 : 8;
  while (p < end && out.count < wanted) {
    if (*p != ';') return false;
    ++p;
    auto r = std::from_chars(p, end, out.v[static_cast<std::size_t>(out.count)]);
    if (r.ec != std::errc{}) return false;
    ++out.count;
    p = r.ptr;
  }
  if (out.code == kRecText) {
    if (out.count != 2 || p >= end || *p != ';') return false;
    out.text = std::string_view(p + 1, static_cast<std::size_t>(end - p - 1));
    return true;
  }
  if (p != end) return false;
  static constexpr std::array<int, 13> kFields = {0, 0, 0, 3, 4, 8, 0, 8, 1, 4, 8, 1, 1};
  if (out.code < 3 || out.code > 12) return false;
  return out.count == kFields[static_cast<std::size_t>(out.code)];
}

}  // namespace vx11
