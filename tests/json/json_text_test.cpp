// The JSON text: 17 significant digits that read back to the same double, never the locale's
// format, one line for flat containers, and texts the library escapes.
#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <locale>
#include <random>

#include "report/json_text.h"

namespace vx11 {
namespace {

TEST(JsonText, NumbersCarrySeventeenSignificantDigits) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0.1, "0.10000000000000001"},
      {-0.036, "-0.035999999999999997"},
      {15.7162, "15.716200000000001"},
      {20, "20"},
      {1.3, "1.3"},  // 1.3000000000000000444: the zeros after the 17th digit are dropped
      {0, "0"},
      {1e-5, "1.0000000000000001e-05"},
      {6000, "6000"},
      {1e300, "1.0000000000000001e+300"},
  };
  for (const auto& c : cases) EXPECT_EQ(json_number(c.value), c.text) << c.value;
  EXPECT_EQ(json_number(std::numeric_limits<double>::infinity()), "null");
  EXPECT_EQ(json_number(std::nan("")), "null");
}

TEST(JsonText, EveryDoubleReadsBackExactly) {
  std::mt19937_64 random(20);
  std::uniform_real_distribution<double> mantissa(-1, 1);
  std::uniform_int_distribution<int> exponent(-30, 30);
  for (int i = 0; i < 20000; ++i) {
    const double v = std::ldexp(mantissa(random), exponent(random));
    const JsonValue back = JsonValue::parse(json_text(JsonValue{{"v", v}}));
    ASSERT_EQ(back["v"].get<double>(), v) << json_number(v);
  }
}

TEST(JsonText, LayoutAndTexts) {
  const JsonValue doc{
      {"name", "F\xC3\xB6rderband \"A\"\n"},
      {"three", JsonValue::array({1.5, 2, 3})},
      {"row", JsonValue{{"b", 5}, {"texts", JsonValue::array({"x", "y"})}}},
      {"rows", JsonValue::array({JsonValue{{"a", 1}}, JsonValue{{"a", 2}}})},
      {"empty", JsonValue::array()},
      {"flag", true},
  };
  EXPECT_EQ(json_text(doc),
            "{\n"
            "  \"name\": \"F\xC3\xB6rderband \\\"A\\\"\\n\",\n"
            "  \"three\": [1.5, 2, 3],\n"
            "  \"row\": {\"b\": 5, \"texts\": [\"x\", \"y\"]},\n"
            "  \"rows\": [\n"
            "    {\"a\": 1},\n"
            "    {\"a\": 2}\n"
            "  ],\n"
            "  \"empty\": [],\n"
            "  \"flag\": true\n"
            "}\n");
  // A file name is the file system's own bytes; what is not UTF-8 must not break the file.
  const std::string text = json_text(JsonValue{{"input", std::string("a\xFF.vxk")}});
  EXPECT_EQ(text, "{\"input\": \"a\xEF\xBF\xBD.vxk\"}\n");
  JsonValue parsed;
  EXPECT_NO_THROW(parsed = JsonValue::parse(text));
}

// The process locale of a window may have a decimal comma and digit grouping; the file must not
// change with it.
TEST(JsonText, SameTextUnderADecimalCommaLocale) {
  const JsonValue doc{{"d", 1234567.125}, {"n", 1234567}, {"small", -0.036}};
  const std::string plain = json_text(doc);
  const std::string old_c = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  const std::locale old_global = std::locale::global(std::locale("de_DE.UTF-8"));
  const std::string german = json_text(doc);
  std::locale::global(old_global);
  std::setlocale(LC_ALL, old_c.c_str());
  EXPECT_EQ(german, plain);
  EXPECT_EQ(plain, "{\"d\": 1234567.125, \"n\": 1234567, \"small\": -0.035999999999999997}\n");
}

}  // namespace
}  // namespace vx11
