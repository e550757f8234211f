// The shipped description file: its format, and a description for every message the system makes.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "calc/rating.h"
#include "base/guarded_math.h"
#include "report/message_descriptions.h"
#include "base/message_list.h"
#include "test_support.h"
#include "worked_example.h"

namespace vx11 {
namespace {

const std::string kShipped = VX11_SOURCE_DIR "/data/vx11.err";

std::vector<std::string> lines(const std::string& bytes) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const auto end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      out.push_back(bytes.substr(start));
      break;
    }
    out.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return out;
}

TEST(ShippedDescriptions, RecordsOfThreeCrLfLinesWithUniqueKeys) {
  const std::string bytes = test::read_file(kShipped);
  ASSERT_FALSE(bytes.empty());
  ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
  const auto all = lines(bytes);
  ASSERT_EQ(all.size() % 3, 0u);
  for (std::size_t i = 0; i < all.size(); i += 3) {
    const std::string& key = all[i];
    SCOPED_TRACE(key);
    EXPECT_FALSE(all[i + 1].empty());
    EXPECT_FALSE(all[i + 2].empty());
    EXPECT_LT(all[i + 1].size(), 255u);  // longer texts cannot be converted for the window
    EXPECT_LT(all[i + 2].size(), 255u);
    // Every record must be reachable: no earlier line (key, cause or remedy) takes its key.
    std::istringstream in(bytes);
    const auto d = findDescription(in, key);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->cause, all[i + 1]);
    EXPECT_EQ(d->remedy, all[i + 2]);
  }
}

TEST(ShippedDescriptions, CopiedIntoTheDataFolder) {
  EXPECT_EQ(test::read_file(VX11_DATA_DIR "/vx11.err"), test::read_file(kShipped));
}

TEST(ShippedDescriptions, EveryMessageOfTheSystemIsDescribed) {
  MessageList guarded;
  arcSin(guarded, 2);
  arcCos(guarded, 2);
  std::vector<std::string> messages;
  for (int i = 1; i <= guarded.count(); ++i) messages.push_back(guarded.entry(i));
  const char* const fixed[] = {
      "Fehler : Seq<1 (0.50 Welle)", "Error: function tan in Unit math", "DBF #7 not found.", "DBF #61 not found.",
      "Werkstofftyp  5 nicht gefunden.", "Werkstofftyp 12 nicht gefunden.", "Fatal  : DIN 6885 Datenbank",
      "Fehler in GetArcCenter (dphi = 0 ! ", "GetArcCenter l12=0", "Schraffurfehler", "Fatal  : n schraff !",
      "Fatal  : schraff schnittp", "Fatal  : QSORT2 error", "ung\x81ltige ISO-Toleranz",
      "Undefinierter Nennmassbereich", "Toleranzgrad 19 nicht definiert f\x81r Lage h",
      "Toleranzgrad 25 nicht definiert f\x81r Lage H", "d>500 nicht definiert f\x81r Lage x",
      "unbekannte Toleranzlage", "a9..a13", "z6..z11", "cd 5 .. cd 10", "Invalid temp directory",
      "Error in DXF File", "error blockno.", "out of memory !", "file not found",
  };
  messages.insert(messages.end(), std::begin(fixed), std::end(fixed));
  namespace t = rating_text;
  for (const auto text : {t::kDiameterZero, t::kTorqueZero, t::kFactorZero, t::kKeyDiameterZero, t::kHeightOutside,
                          t::kRoundingTooLarge, t::kDepthOutside, t::kShaftAreaNotPositive, t::kDepthNotBelowHeight,
                          t::kHubAreaNotPositive, t::kDepthNotBelowShaft, t::kPressureEqZero, t::kPressureMaxZero,
                          t::kNotRepresentable, t::kKeyTableUnreadable, t::kOutsideRange}) {
    messages.emplace_back(text);
  }
  MessageList run;
  test::workedExample(run);  // the safety errors and the tau warning as the rating words them
  for (int i = 1; i <= run.count(); ++i) messages.push_back(run.entry(i));
  for (const auto& m : messages) {
    const auto d = describeForPrint(kShipped, m);
    EXPECT_NE(d.cause, kNoDescription) << m;
    EXPECT_FALSE(d.remedy.empty()) << m;
  }
}

}  // namespace
}  // namespace vx11
