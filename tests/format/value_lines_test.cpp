#include "base/value_lines.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vx11 {
namespace {

TEST(RealValueRule, BothDecimalSettings) {
  FormatSettings dot;
  FormatSettings comma;
  comma.decimal_separator = 2;
  struct Case {
    Real x;
    const char* with_dot;
    const char* with_comma;
  };
  const Case cases[] = {
      {35, "35.0000000", "35,0000000"}, {1, "1.0000000", "1,0000000"}, {0, "0", "0"},
      {0.5L, "0.5000000", "0,5000000"}, {-2, "-2", "-2"},            {-1.25L, "-1.2500000", "-1,2500000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(realValueText(dot, c.x), c.with_dot);
    EXPECT_EQ(realValueText(comma, c.x), c.with_comma);
  }
  FormatSettings more;
  more.decimals = 5;
  EXPECT_EQ(realValueText(more, 35), "35.000000000");
}

TEST(ValueLines, WriteThenRead) {
  const FormatSettings s;
  std::ostringstream out;
  writeTextLine(out, "Welle");
  writeIntLine(out, -12);
  writeRealLine(out, s, 0.5L);
  writeTruthLine(out, true);
  writeCharLine(out, ';');
  writeFieldsLine(out, {"a", "", "c", "d"});
  writeTextLine(out, "");
  EXPECT_EQ(out.str(), "Welle\r\n-12\r\n0.5000000\r\nTRUE\r\n;\r\na||c|d|\r\n\r\n");

  std::istringstream in(out.str());
  ValueLineReader r(in);
  EXPECT_EQ(r.text(), "Welle");
  EXPECT_EQ(r.integer(), -12);
  EXPECT_EQ(r.real(), 0.5L);
  EXPECT_TRUE(r.truth());
  EXPECT_EQ(r.character(), ';');
  const auto f = r.fields();
  EXPECT_EQ(f[0], "a");
  EXPECT_EQ(f[1], "");
  EXPECT_EQ(f[3], "d");
  EXPECT_EQ(r.text(), "");
  EXPECT_FALSE(r.at_end());
  // Past the end every read gives its empty value.
  EXPECT_EQ(r.integer(), 0);
  EXPECT_FALSE(r.truth());
  EXPECT_TRUE(r.at_end());
}

// A line beyond 64 KiB is not held: the reader stops there and says so; up to the limit all is kept.
TEST(ValueLines, OverlongLineEndsTheReading) {
  const std::string at_limit(kMaxValueLine, 'a');
  std::istringstream in("eins\r\n" + at_limit + "\r\n" + std::string(kMaxValueLine + 1, 'b') + "\r\nvier\r\n");
  ValueLineReader r(in);
  EXPECT_EQ(r.text(), "eins");
  EXPECT_TRUE(r.text() == at_limit);  // the CR after it does not count
  EXPECT_FALSE(r.overlong_line());
  EXPECT_EQ(r.text(), "");
  EXPECT_TRUE(r.overlong_line());
  EXPECT_TRUE(r.at_end());
  EXPECT_EQ(r.text(), "");  // "vier" is not read
  EXPECT_EQ(r.line_number(), 2);
}

TEST(ValueLines, ReadersTolerateOddLines) {
  std::istringstream in("35,0000000\n35.000000000\nFALSE\n70000\ngarbage\n\x01\x02\xFF\n");
  ValueLineReader r(in);
  EXPECT_EQ(r.real(), 35);
  EXPECT_EQ(r.real(), 35);
  EXPECT_FALSE(r.truth());
  EXPECT_EQ(r.int16(), 0);  // out of the 16-bit range
  EXPECT_EQ(r.real(), 0);
  EXPECT_EQ(r.integer(), 0);
  EXPECT_EQ(r.line_number(), 6);
}

}  // namespace
}  // namespace vx11
