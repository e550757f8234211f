// The three line forms written into a string: one value line each, and the plain form's page break.
#include <gtest/gtest.h>

#include <string>

#include "project/configuration.h"
#include "report/html_formatter.h"
#include "report/plain_formatter.h"
#include "report/report_layout.h"
#include "report/tab_formatter.h"

namespace vx11 {
namespace {

// Lines joined by "|"; drops lines once stopped, as an open channel does, and stops after
// `lines_before_failure` lines as a failing write does.
class StringSink : public LineSink {
 public:
  void put(std::string_view line, bool line_end) override {
    if (stopped_) return;
    text += line;
    if (line_end) text += "|";
    if (--lines_before_failure == 0) stop();
  }
  bool stopped() const override { return stopped_; }
  void stop() override { stopped_ = true; }
  const std::string& path() const override { return path_; }
  std::string text;
  int lines_before_failure = -1;

 private:
  bool stopped_ = false;
  std::string path_ = "/tmp/out.txt";
};

class NoStarter : public ProcessStarter {
 public:
  bool exists(const std::string&) override { return false; }
  bool start(const std::vector<std::string>&) override { return false; }
};

class NoPrinter : public TextPrinter {
 public:
  void print(const std::string&) override {}
};

class Formatter : public ::testing::Test {
 protected:
  void SetUp() override { config_.text_print_mode = kRuleStars; }

  Configuration config_ = default_configuration("/start/");
  FormatSettings format_;  // tab-separated files with a decimal comma
  ProgramIdentity identity_;
  BatchInteraction ui_;
  RecordingTextWindow window_;
  NoPrinter printer_;
  NoStarter starter_;
  ReportOutlets outlets_{window_, printer_, starter_};
  int help_ = 0;
  bool cancelled_ = false;
  ReportContext context_{config_, format_, identity_, ui_, outlets_, help_, cancelled_};
  ReportSource source_;
  PrintoutHeader header_;
  StringSink sink_;
  PageCounters counters_;
  PrintoutParts parts_{context_, source_, header_, sink_, counters_};
};

TEST_F(Formatter, TabValueLineHasTheFileDecimalSign) {
  TabFormatter(parts_).value_line("Wellendurchmesser", "d", "mm", "35.000");
  EXPECT_EQ(sink_.text, "Wellendurchmesser\td\tmm\t35,000|");
}

TEST_F(Formatter, HtmlValueLineOpensATable) {
  HtmlFormatter(parts_).value_line("Breite <b>", "b", "mm", "10.0");
  EXPECT_EQ(sink_.text,
            "<TABLE BORDER = \"2\" WIDTH= \"100%\">|"
            "<TR><TD>Breite &lt;b&gt;</TD><TD>b</TD><TD>mm</TD><TD><DIV ALIGN=RIGHT>10.0</DIV></TD></TR>|");
  EXPECT_EQ(counters_.lines, 0);
}

TEST_F(Formatter, PlainValueLineIsRuledAndCounted) {
  PlainFormatter(parts_, {}).value_line("Wellendurchmesser", "d", "mm", "35.000");
  EXPECT_EQ(sink_.text,
            "       Wellendurchmesser                 d        mm          35.000           |"
            "       " + std::string(70, '-') + "|");
  EXPECT_EQ(counters_.lines, 2);
}

TEST_F(Formatter, PlainFullPageGetsANewHeaderBeforeTheLine) {
  config_.lines_per_page = 20;
  counters_.lines = 20;
  PlainFormatter plain(parts_, {false, true, true});
  plain.body("Zeile", true);
  EXPECT_EQ(sink_.text.substr(0, 2), "\f|");
  EXPECT_NE(sink_.text.find("Bl. 1"), std::string::npos);
  EXPECT_EQ(sink_.text.substr(sink_.text.size() - 15), "||       Zeile|");  // the blank line after the header
  EXPECT_EQ(counters_.pages, 1);
}

TEST_F(Formatter, PlainRuleIsDroppedWhenTheValueLineFailed) {
  sink_.lines_before_failure = 1;
  PlainFormatter(parts_, {}).value_line("Wellendurchmesser", "d", "mm", "35.000");
  EXPECT_EQ(sink_.text, "       Wellendurchmesser                 d        mm          35.000           |");
  EXPECT_EQ(counters_.lines, 1);
}

}  // namespace
}  // namespace vx11
