// The message section in each channel kind, the message printout, and the report's stop paths.
#include <gtest/gtest.h>

#include "golden.h"
#include "printout_fixture.h"
#include "report/message_section.h"
#include "report/result_report.h"

namespace vx11 {
namespace {

int occurrences(const std::string& text, std::string_view piece) {
  int n = 0;
  for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
  return n;
}

class Printout : public ::testing::Test, public test::PrintoutFixture {
 protected:
  // The message section alone on a channel, with the given description file.
  std::string section(int channel, const std::string& source) {
    std::ostringstream out;
    EXPECT_TRUE(stream.open(channel, "", &out));
    writeMessageSection(stream, messages, source);
    stream.close();
    return out.str();
  }
  std::string report(int channel) {
    std::ostringstream out;
    auto p = context();
    writeResultReport(p, {channel, &out});
    return out.str();
  }
  test::ScratchFolder folder{"printout"};
};

TEST_F(Printout, MessagePrintoutOnTheScreenChannel) {
  std::ostringstream out;
  auto p = context();
  printMessages(p, {kChannelScreen, &out});
  EXPECT_FALSE(cancelled);
  test::expectGolden("messages_channel1.txt", out.str());
}

TEST_F(Printout, MessagePrintoutWithoutMessagesOrAfterAFatalRun) {
  auto p = context();
  bool fatal = false;
  messages.clear(fatal);
  std::ostringstream out;
  printMessages(p, {kChannelScreen, &out});
  EXPECT_TRUE(out.str().empty());
  EXPECT_EQ(ui.shown, (std::vector<std::string>{"Meldung:|Berechnung erfolgreich ohne Fehlermeldungen"}));

  messages.add("Fatal  : d = 0 !");
  rec.fatal_error = true;
  printMessages(p, {kChannelScreen, &out});
  EXPECT_TRUE(out.str().empty());
  ASSERT_EQ(ui.presets.size(), 1u);  // the message dialog instead
  EXPECT_EQ(ui.choice_items.front(), "Fatal  : d = 0 !");
}

TEST_F(Printout, FatalRunOpensTheMessageDialogAndWritesNoFile) {
  config.temp_folder = folder.path().string() + "/";
  rec.fatal_error = true;
  auto p = context();
  writeResultReport(p, {kChannelBatchTabFile, nullptr});
  writeExcerpt(p, {kChannelBatchTabFile, nullptr});
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
  EXPECT_EQ(ui.presets.size(), 2u);
  EXPECT_EQ(ui.asked.front().rfind(kMessageChoiceTitle, 0), 0u);

  browsing.no_prompts = true;  // "/NOGUI": not even the dialog
  writeResultReport(p, {kChannelBatchTabFile, nullptr});
  EXPECT_EQ(ui.presets.size(), 2u);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST_F(Printout, ReportWithoutMessagesEndsAfterTheSafeties) {
  bool fatal = false;
  messages.clear(fatal);
  const std::string text = report(kChannelFile);
  EXPECT_EQ(text.find(kMessageSectionHeading), std::string::npos);
  EXPECT_EQ(occurrences(text, "Bl. "), 4);
  EXPECT_NE(text.find("SICHERHEIT SCHEIBENFEDER"), std::string::npos);
}

TEST_F(Printout, CancelledPageQuestionStopsAfterTheBlock) {
  // The text printer pauses before every page; the second page is refused.
  ui.answers = {Answer::Yes, Answer::Yes, Answer::No};
  const std::string text = report(kChannelTextPrinter);
  EXPECT_TRUE(cancelled);
  EXPECT_NE(text.find("Scheibenfeder DIN 6888 - 5 x 6.5"), std::string::npos);
  EXPECT_EQ(text.find("ABMESSUNGEN"), std::string::npos);
  EXPECT_EQ(ui.asked.back(), identity.title + "|Blatt in Drucker einlegen.  Fortfahren ?");
}

TEST_F(Printout, CancelledChannelChoiceWritesNothing) {
  config.text_device_window = true;
  ui.choices = {std::nullopt};
  std::ostringstream out;
  auto p = context();
  writeResultReport(p, {0, &out});
  EXPECT_TRUE(cancelled);
  EXPECT_TRUE(out.str().empty());
  EXPECT_TRUE(window.shown.empty());
}

TEST_F(Printout, SectionLinesPerChannelKind) {
  bool fatal = false;
  messages.clear(fatal);
  messages.add("Schraffurfehler");
  messages.add("Exec error 2");
  const std::string file = folder.file("vx11.err");
  test::write_file(file, "Schraffurfehler\r\n" + std::string(80, 'u') + "\r\nweniger Punkte\r\n");

  const std::string tab = section(kChannelBatchTabFile, file);
  EXPECT_NE(tab.find("\r\nSchraffurfehler\t" + std::string(80, 'u') + "\tweniger Punkte\r\n"), std::string::npos);
  EXPECT_NE(tab.find("\r\nExec error 2\tkeine Beschreibung dieser Fehlermeldung vorhanden.\t\r\n"),
            std::string::npos);
  EXPECT_EQ(tab.find("\xC4\xC4\xC4"), std::string::npos);

  const std::string plain = section(kChannelDosFile, file);
  EXPECT_NE(plain.find("       " + std::string(64, 'u') + "\r\n       " + std::string(16, 'u') + "\r\n"),
            std::string::npos);
  EXPECT_EQ(occurrences(plain, std::string(70, '\xC4')), 3);  // under the heading block and each message

  config.text_print_mode = kRuleCompressed;
  const std::string compressed = section(kChannelDosFile, file);
  EXPECT_EQ(occurrences(compressed, "\xC4\xC4\xC4"), 0);
  EXPECT_EQ(compressed.find("$!$"), std::string::npos);

  const std::string html = section(kChannelHtml, file);
  EXPECT_EQ(occurrences(html, "<TR><TD>"), 6);
  EXPECT_EQ(occurrences(html, "<TABLE"), 2);
  EXPECT_EQ(occurrences(html, "</TABLE>"), 2);
}

TEST_F(Printout, MissingDescriptionFilePrintsEmptyCauseAndRemedy) {
  bool fatal = false;
  messages.clear(fatal);
  messages.add("Schraffurfehler");
  const std::string tab = section(kChannelBatchTabFile, folder.file("none.err"));
  EXPECT_NE(tab.find("\r\nSchraffurfehler\t\t\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vx11
