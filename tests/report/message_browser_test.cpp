#include "report/message_browser.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace vx11 {
namespace {

class RecordingDialog : public DescriptionDialog {
 public:
  DescriptionEdit edit(const std::string& message, const MessageDescription& d) override {
    seen.push_back(message + "|" + d.cause + "|" + d.remedy);
    if (!change) return {d, false};
    return {*change, true};
  }
  std::vector<std::string> seen;
  std::optional<MessageDescription> change;
};

const std::string kFile =
    "Fehler : Smax<1 (0.93 Nabe)\r\nU Smax\r\nA Smax\r\n"
    "Warnung: tau max / Re > 0.7 ! (1.16)\r\nU tau\r\nA tau\r\n";

class MessageBrowserTest : public ::testing::Test {
 protected:
  MessageBrowserTest() {
    test::write_file(folder.file("vx11.err"), kFile);
    messages.add("Fehler : Smax<1 (0.93 Nabe)");
    messages.add("Warnung: tau max / Re > 0.7 ! (1.156");
  }
  MessageBrowsing browsing() {
    return {messages, cancelled, help_number, 1, false, "VX11  -  Scheibenfederberechnung",
            {folder.file("vx11.err"), folder.file("work/vx11.err")}, ui, dialog};
  }
  test::ScratchFolder folder{"browser"};
  MessageList messages;
  bool cancelled = true;
  int help_number = 0;
  test::RecordingInteraction ui;
  RecordingDialog dialog;
};

TEST_F(MessageBrowserTest, NothingWithoutPromptsAndOnlyTheNoteWithoutMessages) {
  auto b = browsing();
  b.no_prompts = true;
  showMessages(b);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(ui.presets.empty());

  bool fatal = false;
  messages.clear(fatal);
  auto empty = browsing();
  showMessages(empty);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0], "Meldung:|Berechnung erfolgreich ohne Fehlermeldungen");
  EXPECT_TRUE(ui.presets.empty());
}

TEST_F(MessageBrowserTest, NormalHelpLevelPreselectsGoingOn) {
  auto b = browsing();
  showMessages(b);  // the batch default takes the preselected "Weiter/zurück..."
  ASSERT_EQ(ui.presets.size(), 1u);
  EXPECT_EQ(ui.presets[0], 2);
  ASSERT_EQ(ui.choice_items.size(), 3u);
  EXPECT_EQ(ui.choice_items[2], "Weiter/zur\x81" "ck...");
  EXPECT_TRUE(dialog.seen.empty());
  EXPECT_FALSE(cancelled);
  EXPECT_EQ(help_number, kHelpMessageChoice);
}

TEST_F(MessageBrowserTest, ExtendedHelpLevelWalksThroughEveryMessage) {
  auto b = browsing();
  b.help_level = 2;
  showMessages(b);
  EXPECT_EQ(ui.presets, (std::vector<int>{0, 1}));
  EXPECT_EQ(dialog.seen, (std::vector<std::string>{"Fehler : Smax<1 (0.93 Nabe)|U Smax|A Smax",
                                                   "Warnung: tau max / Re > 0.7 ! (1.156|U tau|A tau"}));
}

TEST_F(MessageBrowserTest, CancelAndGoingOnEndTheLoopAtOnce) {
  // Cancel; then the first message and "Weiter/zurück..." instead of the preselected second;
  // then the last message, after which the preselection passes the end and the loop stops.
  ui.choices = {std::nullopt, 0, 2, 1};
  auto b = browsing();
  showMessages(b);
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(ui.presets.size(), 1u);

  showMessages(b);
  EXPECT_FALSE(cancelled);
  EXPECT_EQ(ui.presets, (std::vector<int>{2, 2, 1}));
  EXPECT_EQ(dialog.seen.size(), 1u);

  showMessages(b);
  EXPECT_EQ(ui.presets.size(), 4u);
  EXPECT_EQ(dialog.seen.size(), 2u);
}

TEST_F(MessageBrowserTest, MissingFileStopsBrowsing) {
  auto b = browsing();
  b.help_level = 2;
  b.files.source = folder.file("none.err");
  showMessages(b);
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(ui.presets.size(), 1u);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].rfind("Fehler : |Datei ", 0), 0u);
}

TEST_F(MessageBrowserTest, ChangedDescriptionIsSavedOnlyOnYes) {
  dialog.change = MessageDescription{"neu U", "neu A"};
  std::filesystem::create_directories(folder.path() / "work");
  auto b = browsing();
  ui.answers = {Answer::No, Answer::Yes, Answer::Cancel};
  showDescription(b, 1);
  EXPECT_EQ(test::read_file(folder.file("vx11.err")), kFile);

  showDescription(b, 1);
  EXPECT_EQ(ui.asked.back(), "VX11  -  Scheibenfederberechnung|Save Changes ?");
  std::string expected = kFile;
  expected.replace(expected.find("U Smax"), 6, "neu U");
  expected.replace(expected.find("A Smax"), 6, "neu A");
  EXPECT_EQ(test::read_file(folder.file("vx11.err")), expected);

  cancelled = false;
  showDescription(b, 2);
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(test::read_file(folder.file("vx11.err")), expected);
}

}  // namespace
}  // namespace vx11
