#include "report/number_input.h"

#include <gtest/gtest.h>

namespace vx11 {
namespace {

TEST(NumberInput, RealIsAskedAgainUntilValid) {
  ScriptedInteraction ui;
  ui.texts = {std::string("abc"), std::string("500"), std::string("12,5")};
  const FormatSettings s;
  const auto v = ask_real(ui, s, "d", 35, 1, 100);
  ASSERT_TRUE(v);
  EXPECT_EQ(*v, 12.5L);
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0], "Fehler : |Ung\x81ltige Eingabe \"abc\" !");
  EXPECT_EQ(ui.shown[1], "Fehler : |G\x81ltiger Wertebereich: 1 .. 100 !");
}

TEST(NumberInput, UnchangedTextKeepsTheExactValueAndCancelKeepsIt) {
  ScriptedInteraction ui;
  const FormatSettings s;
  EXPECT_EQ(*ask_real(ui, s, "x", 1.23456789L, 0, 10), 1.23456789L);
  ScriptedInteraction cancelling;
  cancelling.texts = {std::nullopt};
  EXPECT_FALSE(ask_real(cancelling, s, "x", 2, 0, 10));
}

TEST(NumberInput, IntegerSwapsAReversedRange) {
  ScriptedInteraction ui;
  ui.texts = {std::string("5")};
  EXPECT_EQ(*ask_integer(ui, "n", 1, 10, 1), 5);
  ScriptedInteraction again;
  again.texts = {std::string("4.5"), std::string("11"), std::string("+7")};
  EXPECT_EQ(*ask_integer(again, "n", 1, 10, 1), 7);
  EXPECT_EQ(again.shown.size(), 2u);
}

}  // namespace
}  // namespace vx11
