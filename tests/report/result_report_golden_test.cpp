// The report and the excerpt of the worked example, byte for byte, on the plain, tab-separated and
// HTML channels (golden files reviewed by hand; see golden/README.md).
#include <gtest/gtest.h>

#include "golden.h"
#include "printout_fixture.h"
#include "report/result_report.h"

namespace vx11 {
namespace {

class ReportGolden : public ::testing::Test, public test::PrintoutFixture {
 protected:
  std::string report(int channel) {
    std::ostringstream out;
    auto p = context();
    writeResultReport(p, {channel, &out});
    EXPECT_FALSE(cancelled);
    return out.str();
  }
  std::string excerpt(int channel) {
    std::ostringstream out;
    auto p = context();
    writeExcerpt(p, {channel, &out});
    EXPECT_FALSE(cancelled);
    return out.str();
  }
};

TEST_F(ReportGolden, WorkedExampleAsTextFile) { test::expectGolden("report_channel3.txt", report(kChannelFile)); }

TEST_F(ReportGolden, WorkedExampleTabSeparated) {
  test::expectGolden("report_channel9.txt", report(kChannelBatchTabFile));
}

TEST_F(ReportGolden, WorkedExampleAsHtml) { test::expectGolden("report_channel7.htm", report(kChannelHtml)); }

TEST_F(ReportGolden, ExcerptOnTheThreeChannelKinds) {
  test::expectGolden("excerpt_channel3.txt", excerpt(kChannelFile));
  test::expectGolden("excerpt_channel9.txt", excerpt(kChannelBatchTabFile));
  test::expectGolden("excerpt_channel7.htm", excerpt(kChannelHtml));
}

TEST_F(ReportGolden, TwoKeysInInchUnits) {
  rec = test::workedExampleTwoKeys(messages);
  config.unit_system = 1;
  applyConfiguration();
  test::expectGolden("report_inch_two_keys.txt", report(kChannelFile));
  test::expectGolden("excerpt_inch_two_keys.txt", excerpt(kChannelFile));
}

}  // namespace
}  // namespace vx11
