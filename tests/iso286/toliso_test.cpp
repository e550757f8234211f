#include "calc/toliso.h"

#include <gtest/gtest.h>

#include <limits>

namespace vx11 {
namespace {

struct Case {
  const char* name;
  const char* text;
  Real size_mm;
  const char* normal_form;
  Real upper;
  Real lower;
  const char* message;  // code page 850
};

void expect_case(const Case& c) {
  SCOPED_TRACE(c.name);
  std::string text = c.text;
  const ToleranceLimits r = tolerance_limits(text, c.size_mm);
  EXPECT_EQ(text, c.normal_form);
  EXPECT_EQ(r.upper, c.upper);
  EXPECT_EQ(r.lower, c.lower);
  EXPECT_EQ(r.message, c.message);
}

TEST(ToleranceLimits, SizeRangeBoundaries) {
  const Case cases[] = {
      {"h9 inside 6..10", "h9", 6.5L, "h 9", 0, -36, ""},
      {"h9 at 10 stays in 6..10", "h9", 10, "h 9", 0, -36, ""},
      {"h9 just above 10", "h9", 10.5L, "h 9", 0, -43, ""},
      {"h9 at 10.001 is above 10", "h9", 10.001L, "h 9", 0, -43, ""},
      {"3 mm is the first range", "h9", 3, "h 9", 0, -25, ""},
      {"3.01 mm is the second range", "h9", 3.01L, "h 9", 0, -30, ""},
      {"zero size is the first range", "h9", 0, "h 9", 0, -25, ""},
      {"3150 mm is the last range", "h9", 3150, "h 9", 0, -540, ""},
      {"3150.001 mm is beyond", "h9", 3150.001L, "h 9", 0, 0, "Undefinierter Nennmassbereich"},
      {"far beyond", "h9", 1e30L, "h 9", 0, 0, "Undefinierter Nennmassbereich"},
      {"not a number", "h9", std::numeric_limits<Real>::quiet_NaN(), "h 9", 0, 0,
       "Undefinierter Nennmassbereich"},
      {"infinite", "H7", std::numeric_limits<Real>::infinity(), "H 7", 0, 0, "Undefinierter Nennmassbereich"},
      {"t just above 24", "t6", 24.001L, "t 6", 54, 41, ""},
      {"H7 at 35", "H7", 35, "H 7", 25, 0, ""},
  };
  for (const Case& c : cases) expect_case(c);
}

TEST(ToleranceLimits, DesignationForms) {
  const Case cases[] = {
      {"no blank", "h9", 20, "h 9", 0, -52, ""},
      {"blank", "h 9", 20, "h 9", 0, -52, ""},
      {"two letters, no blank", "js12", 20, "js 12", 105, -105, ""},
      {"two letters, blank", "CD 8", 5, "CD 8", 64, 46, ""},
      {"leading zero", "h09", 20, "h 9", 0, -52, ""},
      {"two-digit grade", "H11", 20, "H 11", 130, 0, ""},
      {"empty text is no lookup", "", 20, "", 0, 0, ""},
      {"a blank is no lookup", " ", 20, " ", 0, 0, ""},
      {"position alone", "h", 20, "", 0, 0, "ung\x81ltige ISO-Toleranz"},
      {"two letters alone", "js", 20, "", 0, 0, "ung\x81ltige ISO-Toleranz"},
      {"grade 0", "h0", 20, "", 0, 0, "ung\x81ltige ISO-Toleranz"},
      {"grade 0 after blank", "H 0", 20, "", 0, 0, "ung\x81ltige ISO-Toleranz"},
      {"grade no number", "h 9x", 20, "", 0, 0, "ung\x81ltige ISO-Toleranz"},
      {"three letters", "abc7", 20, "", 0, 0, "ung\x81ltige ISO-Toleranz"},
      {"absurd grade", "h 123456789", 20, "", 0, 0, "ung\x81ltige ISO-Toleranz"},
      {"unknown position", "q7", 20, "q 7", 0, 0, "unbekannte Toleranzlage"},
      {"mixed case is unknown", "Js7", 20, "Js 7", 0, 0, "unbekannte Toleranzlage"},
  };
  for (const Case& c : cases) expect_case(c);
}

TEST(ToleranceLimits, UndefinedGradesAndSizes) {
  const Case cases[] = {
      {"grade 19", "h19", 20, "h 19", 0, 0, "Toleranzgrad 19 nicht definiert f\x81r Lage h"},
      {"size checked before grade", "h19", 4000, "h 19", 0, 0, "Undefinierter Nennmassbereich"},
      {"a above 500", "a11", 501, "a 11", 0, 0, "d>500 nicht definiert f\x81r Lage a"},
      {"a at 500", "a11", 500, "a 11", -1650, -2050, ""},
      {"C above 500", "C11", 600, "C 11", 0, 0, "d>500 nicht definiert f\x81r Lage C"},
      {"J above 500", "J7", 600, "J 7", 0, 0, "d>500 nicht definiert f\x81r Lage J"},
      {"z above 500", "z7", 600, "z 7", 0, 0, "d>500 nicht definiert f\x81r Lage z"},
      {"zc above 500", "zc7", 600, "zc 7", 0, 0, "d>500 nicht definiert f\x81r Lage zc"},
      {"ZA above 500", "ZA7", 600, "ZA 7", 0, 0, "d>500 nicht definiert f\x81r Lage ZA"},
      {"cd above 10", "cd7", 10.5L, "cd 7", 0, 0, "cd 7 ist nur im Bereich 1 bis 10 mm definiert"},
      {"FG above 10", "FG 6", 20, "FG 6", 0, 0, "FG 6 ist nur im Bereich 1 bis 10 mm definiert"},
      {"t up to 24", "t6", 24, "t 6", 0, 0, "t 6 ist nur im Bereich > 24 mm definiert"},
      {"T up to 24", "T7", 10, "T 7", 0, 0, "T 7 ist nur im Bereich > 24 mm definiert"},
      {"v up to 14", "v6", 14, "v 6", 0, 0, "v 6 ist nur im Bereich > 14 bis 500 mm definiert"},
      {"V up to 14", "V7", 5, "V 7", 0, 0, "V 7 ist nur im Bereich > 14 mm definiert"},
      {"y up to 18", "y6", 18, "y 6", 0, 0, "y 6 ist nur im Bereich > 18 bis 500 mm definiert"},
      {"Y up to 18", "Y7", 18, "Y 7", 0, 0, "Y 7 ist nur im Bereich > 18 mm definiert"},
      {"j has no grade 9", "j9", 20, "j 9", 0, 0, "Toleranzgrad 9 nicht definiert f\x81r Lage j"},
      {"j8 only up to 3", "j8", 4, "j 8", 0, 0, "Toleranzgrad 8 nicht definiert f\x81r Lage j"},
      {"J has no grade 5", "J5", 20, "J 5", 0, 0, "Toleranzgrad 5 nicht definiert f\x81r Lage J"},
      {"K9 only up to 3", "K9", 4, "K 9", 0, 0, "Toleranzgrad 9 nicht definiert f\x81r Lage K"},
      {"K1 has no delta", "K1", 20, "K 1", 0, 0, "Toleranzgrad 1 nicht definiert f\x81r Lage K"},
      {"P2 has no delta", "P2", 20, "P 2", 0, 0, "Toleranzgrad 2 nicht definiert f\x81r Lage P"},
  };
  for (const Case& c : cases) expect_case(c);
}

TEST(ToleranceLimits, UsualGradesGiveValuesAndRange) {
  const Case cases[] = {
      {"a7", "a7", 20, "a 7", -300, -321, "a9..a13"},
      {"b14", "b14", 20, "b 14", -160, -680, "b8..b13"},
      {"d4", "d4", 20, "d 4", -65, -71, "d5..d13"},
      {"m10", "m10", 20, "m 10", 92, 8, "m3..m9"},
      {"z5", "z5", 20, "z 5", 82, 73, "z6..z11"},
      {"cd4", "cd4", 5, "cd 4", -46, -50, "cd 5 .. cd 10"},
      {"ef11", "ef11", 5, "ef 11", -14, -89, "ef 3 .. ef 10"},
      {"fg2", "fg2", 5, "fg 2", -6, -7.5L, "fg 3 .. fg 10"},
      {"upper bound is usual", "a13", 20, "a 13", -300, -630, ""},
      {"holes have no usual range", "A7", 20, "A 7", 321, 300, ""},
  };
  for (const Case& c : cases) expect_case(c);
}

TEST(ToleranceLimits, HalfMicrometresOfOddStandardTolerances) {
  const Case cases[] = {
      {"js6 at 20", "js6", 20, "js 6", 6.5L, -6.5L, ""},
      {"JS1 at 2", "JS1", 2, "JS 1", 0.4L, -0.4L, ""},
      {"js3 at 150", "js 3", 150, "js 3", 4, -4, ""},
      {"js1 at 100", "js1", 100, "js 1", 1.25L, -1.25L, ""},
      {"K4 at 5 adds delta 1.5", "K4", 5, "K 4", 0.5L, -3.5L, ""},
      {"K1 at 2", "K1", 2, "K 1", 0, -0.8L, ""},
  };
  for (const Case& c : cases) expect_case(c);
}

TEST(ToleranceLimits, MessagesAreCodePage850) {
  std::string text = "h";
  const std::string message = tolerance_limits(text, 10).message;
  ASSERT_EQ(message.size(), 22u);
  EXPECT_EQ(static_cast<unsigned char>(message[3]), 0x81);  // u-umlaut, not UTF-8
  for (const char c : message) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      EXPECT_EQ(static_cast<unsigned char>(c), 0x81);
    }
  }
}

TEST(ToleranceLimitsForRating, MessageSetsCancelled) {
  ConnectionRecord rec;
  ToleranceLimits r = tolerance_limits_for_rating(rec, "h9", 10);
  EXPECT_EQ(r.lower, -36);
  EXPECT_FALSE(rec.cancelled);

  r = tolerance_limits_for_rating(rec, "h9", 4000);
  EXPECT_EQ(r.lower, 0);
  EXPECT_EQ(r.upper, 0);
  EXPECT_TRUE(rec.cancelled);

  // A grade outside the usual range still yields its deviations, but stops the chain.
  rec.cancelled = false;
  r = tolerance_limits_for_rating(rec, "a7", 20);
  EXPECT_EQ(r.upper, -300);
  EXPECT_TRUE(rec.cancelled);

  // A lookup without a text leaves the flag alone.
  rec.cancelled = false;
  tolerance_limits_for_rating(rec, "", 20);
  EXPECT_FALSE(rec.cancelled);
}

}  // namespace
}  // namespace vx11
