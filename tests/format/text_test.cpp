#include "base/text.h"

#include <gtest/gtest.h>

#include "base/guarded_math.h"
#include "report/window_copy.h"

namespace vx11 {
namespace {

TEST(TextFunctions, PaddingAndTrimming) {
  EXPECT_EQ(padLeft("Stahl", 3), "Sta");
  EXPECT_EQ(padLeft("  St 37  ", 8), "   St 37");
  EXPECT_EQ(padRight("ab", 4), "ab  ");
  EXPECT_EQ(padRight("abcdef", 4), "abcd");
  EXPECT_EQ(padRight("x", -1), "");
  EXPECT_EQ(trimBlanks("    "), "");
  EXPECT_EQ(removeBlanks(" a b "), "ab");
  EXPECT_EQ(leftPart("abc", 10), "abc");
  EXPECT_EQ(rightPart("abc", 2), "bc");
  EXPECT_EQ(upper("ab\x81z"), "AB\x81Z");
  EXPECT_EQ(lower("ABz"), "abz");
  EXPECT_EQ(shortenMiddle("abcdefghijklmnopqrstuvwxyz", 16), "abcde ... vwxyz");
  EXPECT_EQ(shortenMiddle("short", 16), "short");
  const std::string longText(300, 'q');
  EXPECT_EQ(padLeft(longText, 5), "qqqqq");
}

TEST(WrapText, PiecesEndAtSeparators) {
  const auto plain = wrapText(std::string(100, 'x'), ' ');
  ASSERT_EQ(plain.count(), 2);
  EXPECT_EQ(plain.lines[0].size(), 64u);
  EXPECT_EQ(plain.lines[1].size(), 36u);
  EXPECT_EQ(plain.longest, 64);
  std::string words;
  for (int i = 0; i < 20; ++i) words += "word ";
  const auto w = wrapText(words, ' ');
  ASSERT_EQ(w.count(), 2);
  EXPECT_EQ(w.lines[0].size(), 60u);  // the separator stays at the end of the piece
  EXPECT_EQ(w.lines[0].back(), ' ');
  EXPECT_EQ(wrapText("", ' ').count(), 0);
  // A separator at position 64 does not count: only characters 1..63 are searched.
  const auto edge = wrapText(std::string(63, 'a') + " " + std::string(10, 'b'), ' ');
  EXPECT_EQ(edge.lines[0].size(), 64u);
}

TEST(CodePage, RoundTripOfEveryHighByte) {
  const FormatSettings s;
  std::string all;
  for (int b = 128; b < 256; ++b) all += static_cast<char>(b);
  for (int start = 0; start < 128; start += 64) {
    const std::string part = all.substr(start, 64);
    EXPECT_EQ(toCodePage850(toWindows(s, part)), part);
  }
  EXPECT_EQ(toWindows(s, "Au\xE1" "en\x84"), "Außenä");
  EXPECT_EQ(toCodePage850("Größe µ ±"), "Gr\x94\xE1" "e \xE6 \xF1");
  EXPECT_EQ(toCodePage850("€"), "?");
  EXPECT_EQ(toCodePage850("\xFF"), "\x98");  // a stray Latin-1 byte is kept as that letter
  // Long texts keep every letter: a whole report converts at once.
  const std::string long_text = std::string(253, 'a') + "\x84\xE1" + std::string(70000, 'b');
  EXPECT_EQ(toWindows(s, long_text), std::string(253, 'a') + "äß" + std::string(70000, 'b'));
  FormatSettings ascii;
  ascii.ascii_mode = true;
  EXPECT_EQ(toWindows(ascii, std::string(254, 'a') + "\xE1"), std::string(254, 'a') + "ss");
}

TEST(CodePage, AsciiModeAndTransliteration) {
  FormatSettings s;
  s.ascii_mode = true;
  EXPECT_EQ(transliterate("\x81\x84\x94\xE1\xF8\xFD\xF1\xC4"), "ueaeoessdeg2+/--");
  EXPECT_EQ(toWindows(s, "Gr\x94\xE1" "e \xB3\xDA\xC4"), "Groesse |+-");
  EXPECT_EQ(toWindows(s, "\x86"), "å");  // kept letters reach the window as themselves
}

TEST(CodePage, MarkedNamesPassEveryConversionUnchanged) {
  const std::string name = "/home/j\xC3\xBCrgen/Pr\xC3\xBC" "f\xE2\x82\xAC.vxk";  // UTF-8, a euro sign too
  const std::string text = "Datei " + nameText(name) + " nicht gefunden: Gr\x94\xE1" "e";
  FormatSettings plain;
  FormatSettings ascii;
  ascii.ascii_mode = true;
  EXPECT_EQ(toWindows(plain, text), "Datei " + name + " nicht gefunden: Größe");
  EXPECT_EQ(toWindows(ascii, text), "Datei " + name + " nicht gefunden: Groesse");
  EXPECT_EQ(cp850ToUtf8(text), toWindows(plain, text));
  EXPECT_EQ(plainNames(text), "Datei " + name + " nicht gefunden: Gr\x94\xE1" "e");
  // A file kept in code page 850 gets the name in it, as far as it goes ("€" is not in it).
  EXPECT_EQ(namesInCodePage850(text), "Datei /home/j\x81rgen/Pr\x81" "f?.vxk nicht gefunden: Gr\x94\xE1" "e");
  // Control characters cannot end the mark early or reach a terminal.
  EXPECT_EQ(toWindows(plain, nameText("a\x0F" "b\x1B[2J")), "a?b?[2J");
  // A text cut inside a name keeps the rest as the name.
  EXPECT_EQ(toWindows(plain, text.substr(0, 13)), "Datei /home/");
  EXPECT_EQ(toWindows(plain, "ohne Namen \x84"), "ohne Namen ä");
}

TEST(Html, EscapesMarkupCharacters) {
  EXPECT_EQ(htmlEscaped("<img src=\"//x/a\"> & Gr\xC3\xB6\xC3\x9F" "e"),
            "&lt;img src=&quot;//x/a&quot;&gt; &amp; Gr\xC3\xB6\xC3\x9F" "e");
  EXPECT_EQ(htmlEscaped(""), "");
}

TEST(Dates, OrdersAndFileDate) {
  std::tm tm{};
  tm.tm_mday = 7;
  tm.tm_mon = 2;
  tm.tm_year = 126;
  tm.tm_hour = 9;
  tm.tm_min = 5;
  FormatSettings s;
  const std::pair<int, const char*> cases[] = {
      {1, "07.03.2026"}, {2, "03/07/2026"}, {3, "2026/03/07"}, {4, "07/03/2026"}, {9, "2026/03/07"}};
  for (const auto& [code, expected] : cases) {
    s.date_code = code;
    EXPECT_EQ(dateText(s, tm), expected) << code;
  }
  EXPECT_EQ(timeText(tm), "9:05");
  tm.tm_isdst = -1;
  EXPECT_EQ(fileDateText(std::mktime(&tm)), "2026/03/07");
}

TEST(GuardedMath, DomainErrorsReportAndSubstitute) {
  MessageList m;
  EXPECT_NEAR(static_cast<double>(power(m, "Teq", 2, -3)), 9.0, 1e-15);
  EXPECT_EQ(m.entry(1), "Teq (pow)");
  EXPECT_NEAR(static_cast<double>(power(m, "", 2, -3)), 9.0, 1e-15);
  EXPECT_EQ(m.count(), 1);
  EXPECT_EQ(power(m, "x", 2, 0), 0);
  EXPECT_EQ(power(m, "x", 5000, 10), 1E3000L);
  EXPECT_EQ(power(m, "x", -5000, 10), 0);
  EXPECT_NEAR(static_cast<double>(power(m, "x", 0.5L, 16)), 4.0, 1e-15);
  EXPECT_EQ(arcSin(m, 2), kPi / 2);
  EXPECT_EQ(m.entry(2), "Error: ArcSin in unit math");
  EXPECT_EQ(arcCos(m, -2), 0);
  EXPECT_EQ(m.entry(3), "Error: function ArcCos in math");
  EXPECT_EQ(arcCos(m, -1), kPi);
  EXPECT_EQ(arcSin(m, 1), kPi / 2);
  EXPECT_NEAR(static_cast<double>(arcSin(m, 0.5L)), 0.5235987755982988, 1e-15);
  EXPECT_EQ(m.count(), 3);
  EXPECT_EQ(log10Guarded(0), -1E30L);
  EXPECT_EQ(fullAngle(0, -1), -kPi / 2);
  EXPECT_NEAR(static_cast<double>(fullAngle(-1, 0)), 3.141592653589793, 1e-15);
  EXPECT_EQ(intPower(2, 10), 1024);
  EXPECT_EQ(intPower(2, -2), 0.25L);
  EXPECT_TRUE(nearlyEqual(1, 1.000001L));
  EXPECT_EQ(clampInt(12, 0, 10), 10);
}

}  // namespace
}  // namespace vx11
