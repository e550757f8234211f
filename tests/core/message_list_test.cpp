#include "base/message_list.h"

#include <gtest/gtest.h>

namespace vx11 {
namespace {

TEST(MessageList, RepeatsAndOverflowAreDropped) {
  MessageList m;
  m.add("Warnung: tau zu gross");
  m.add("Warnung: tau zu gross");
  EXPECT_EQ(m.count(), 1);
  // Texts that differ only after character 36 count as the same.
  const std::string base(36, 'x');
  m.add(base + "A");
  m.add(base + "B");
  EXPECT_EQ(m.count(), 2);
  EXPECT_EQ(m.entry(2), base);
  for (int i = 0; i < 20; ++i) m.add("Meldung " + std::to_string(i));
  EXPECT_EQ(m.count(), 11);
  EXPECT_EQ(m.entry(11), "Meldung 8");
  EXPECT_EQ(m.entry(12), "");
  EXPECT_EQ(m.entry(0), "");
}

TEST(MessageList, ClearResetsCountAndFatalFlag) {
  MessageList m;
  bool fatal = true;
  m.add("Fatal  : x");
  m.clear(fatal);
  EXPECT_EQ(m.count(), 0);
  EXPECT_FALSE(fatal);
  m.add("Fatal  : x");
  EXPECT_EQ(m.count(), 1);
}

}  // namespace
}  // namespace vx11
