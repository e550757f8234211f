#include "base/format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cmath>
#include <limits>

namespace vx11 {
namespace {

struct FixedCase {
  const char* name;
  int decimals_setting;
  int separator;
  int w, d;
  Real x;
  const char* expected;
};

TEST(FmtFixed, SettingsWidthsAndRounding) {
  const FixedCase cases[] = {
      {"default", 3, 1, 3, 2, 1.5L, "  1.50"},
      {"comma", 3, 2, 3, 2, 1.5L, "  1,50"},
      {"one more decimal", 4, 1, 3, 2, 1.5L, "  1.500"},
      {"no decimals", 3, 1, 6, 0, 355, "   355"},
      {"decimals 0 clamps", 0, 1, 3, 2, 1.5L, "  2"},
      {"decimals 10 clamps", 10, 1, 1, 5, 1.5L, "1.5000000000"},
      {"longer than width", 3, 1, 1, 2, 12345.678L, "12345.68"},
      {"tiny is zero", 3, 1, 2, 3, 0.000000001L, " 0.000"},
      {"negative pads to w + d + 1", 3, 1, 4, 1, -2.25L, "  -2.2"},
      {"negative zero has no sign", 3, 1, 0, 2, -0.001L, "0.00"},
  };
  for (const auto& c : cases) {
    FormatSettings s;
    s.decimals = c.decimals_setting;
    s.decimal_separator = c.separator;
    EXPECT_EQ(fmtFixed(s, c.w, c.d, c.x), c.expected) << c.name;
  }
}

TEST(FmtSig, SignificantDigitRule) {
  const FormatSettings s;
  const std::pair<Real, const char*> cases[] = {
      {0.012345L, "0.0123"}, {1.5L, "1.5"}, {12.3456L, "12.35"}, {123.0L, "123"},
      {4567.8L, "4568"},     {0.000009L, "0"}, {-2.5L, "-2.5"},  {0.5L, "0.5"},
      {1, "1"},              {35, "35"},       {0.1L, "0.1"},    {999.95L, "1000.0"},
      {-0.0123L, "-0.0123"}, {1234567, "1234567"}, {0.00001L, "0.00001"},
  };
  for (const auto& [x, expected] : cases) EXPECT_EQ(fmtSig(s, x), expected) << static_cast<double>(x);
  EXPECT_EQ(fmtSigWidth(s, 6, 1.5L), "   1.5");
  EXPECT_EQ(fmtSigWidth(s, 3, 0.0000001L), "  0");
}

TEST(FmtSig, BadNumbersGiveDefinedTexts) {
  const FormatSettings s;
  // NaN prints "nan", infinities "inf" and "-inf"; nothing crashes or loops.
  EXPECT_EQ(fmtSig(s, std::numeric_limits<Real>::quiet_NaN()), "nan");
  EXPECT_EQ(fmtSig(s, -std::numeric_limits<Real>::quiet_NaN()), "nan");
  EXPECT_EQ(fmtSig(s, std::numeric_limits<Real>::infinity()), "inf");
  EXPECT_EQ(fmtSig(s, -std::numeric_limits<Real>::infinity()), "-inf");
  EXPECT_EQ(fmtFixed(s, 5, 2, std::numeric_limits<Real>::quiet_NaN()), "     nan");
  const std::string huge = fmtSig(s, std::numeric_limits<Real>::max());
  EXPECT_EQ(huge.size(), 4933u);
  EXPECT_EQ(fmtSig(s, 1E-4000L), "0");
  EXPECT_EQ(fmtFixed(s, 0, 3, std::numeric_limits<Real>::denorm_min()), "0.000");
}

TEST(UnitFormats, MetricAndInch) {
  FormatSettings s;
  EXPECT_EQ(fmtLength(s, 25.4L), "25.4");
  EXPECT_EQ(fmtStress(s, 6, 1, 355), "   355.0");
  EXPECT_EQ(unitArea(s), "mm\xFD");
  s.unit_system = 1;
  EXPECT_EQ(fmtLength(s, 25.4L), "1.0000");
  EXPECT_EQ(fmtLengthFixed(s, 4, 2, 25.4L), "  1.000");
  EXPECT_EQ(fmtStress(s, 6, 2, 1), "     145");
  EXPECT_EQ(fmtTorqueFixed(s, 5, 1, 1), "     9");
  EXPECT_EQ(fmtTorque(s, 1), "8.85");  // the zero in the fourth digit is dropped
  EXPECT_EQ(fmtForce(s, 1000), "224.8");
  EXPECT_EQ(fmtArea(s, 1000), "1.55");
  EXPECT_EQ(unitLength(s), "in");
  EXPECT_EQ(unitTorque(s), "lbfin");
  EXPECT_NEAR(static_cast<double>(lengthToMetric(s, 1)), 25.4, 1e-12);
  EXPECT_NEAR(static_cast<double>(stressToMetric(s, 145.037L)), 1.0, 1e-9);
  EXPECT_NEAR(static_cast<double>(torqueToMetric(s, 8.850749005255468551L)), 1.0, 1e-9);
  s.ascii_mode = true;
  EXPECT_EQ(unitArea(s), "in2");
  EXPECT_EQ(unitDegree(s), "deg");
}

TEST(Parsing, CommaAndFailures) {
  EXPECT_EQ(parseReal("12,5"), 12.5L);
  EXPECT_EQ(parseReal(" 12.5 "), 12.5L);
  EXPECT_EQ(parseReal("+3"), 3);
  EXPECT_EQ(parseReal("1,2,3"), 0);  // only the first comma is a decimal point
  EXPECT_EQ(parseReal("abc"), 0);
  EXPECT_EQ(parseReal(""), 0);
  EXPECT_EQ(parseReal("nan"), 0);
  EXPECT_EQ(parseReal("1e99999"), 0);
  EXPECT_EQ(parseReal(std::string(5000, '9')), 0);
  // Non-finite values and magnitudes beyond 1e12 count as texts that do not convert.
  for (const char* text : {"inf", "-inf", "infinity", "NAN", "1e4000", "1e13", "-1.000001e12", "1000000000001"})
    EXPECT_EQ(parseReal(text), 0) << text;
  EXPECT_EQ(parseReal("1e12"), 1e12L);
  EXPECT_EQ(parseReal("-1000000000000"), -1e12L);
  EXPECT_EQ(parseReal("999999999999,5"), 999999999999.5L);
  EXPECT_EQ(parseInt("42"), 42);
  EXPECT_EQ(parseInt("-7"), -7);
  EXPECT_EQ(parseInt("4.2"), 0);
  EXPECT_EQ(parseInt("99999999999999999999999"), 0);
  FormatSettings s;
  EXPECT_EQ(toFileDecimal(s, "1.5"), "1,5");
  s.tab_file_separator = 1;
  EXPECT_EQ(toFileDecimal(s, "1,5"), "1.5");
}

TEST(Formatting, IndependentOfTheProcessLocale) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  const std::string saved = old ? old : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE"))
    GTEST_SKIP() << "no decimal-comma locale installed";
  const FormatSettings s;
  EXPECT_EQ(fmtFixed(s, 3, 2, 1.5L), "  1.50");
  EXPECT_EQ(parseReal("1.5"), 1.5L);
  std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace vx11

namespace vx11 {
namespace {

// The exact fast path must print what the C library's correctly rounded conversion prints.
TEST(FmtFixed, AgreesWithTheLibraryConversion) {
  const FormatSettings s;
  unsigned long long seed = 12345;
  auto next = [&seed] {
    seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    return seed >> 11;
  };
  for (int i = 0; i < 20000; ++i) {
    const int d = static_cast<int>(next() % 11);
    const int scale = static_cast<int>(next() % 30) - 12;
    Real x = static_cast<Real>(next() % 1000000) / 997.0L;
    for (int k = 0; k < std::abs(scale); ++k) x = scale > 0 ? x * 10 : x / 10;
    if (next() % 2) x = -x;
    if (i % 7 == 0) x = static_cast<Real>(next() % 4000) / 8.0L;  // exact halves and eighths: ties
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.*Lf", d, x);
    std::string want = buf;
    if (want.starts_with('-') && want.find_first_not_of("0.", 1) == std::string::npos) want.erase(0, 1);
    if (std::fabs(x) < 0.00000001L) continue;
    ASSERT_EQ(fmtFixed(s, 0, d, x), want) << static_cast<double>(x) << " d=" << d;
  }
}

}  // namespace
}  // namespace vx11
