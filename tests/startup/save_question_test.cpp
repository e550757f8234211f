#include <gtest/gtest.h>

#include "calc/table_browser.h"
#include "project/startup.h"

namespace vx11 {
namespace {

struct State {
  ScriptedInteraction ui;
  BatchTableBrowser browser;
  RecordingTextWindow window;
  SpawnProcessStarter starter;
  LpTextPrinter printer{format_, temp_, starter, ui};
  ProgramState st{Frontend{ui, browser, ReportOutlets{window, printer, starter}}};

 private:
  FormatSettings format_;
  std::string temp_ = "/tmp";
};

TEST(AskSaveChanges, NothingChangedAsksNothing) {
  State s;
  ask_save_changes(s.st);
  EXPECT_TRUE(s.ui.asked.empty());
  EXPECT_FALSE(s.st.rec.cancelled);
}

TEST(AskSaveChanges, NamedFileNoAndCancel) {
  State s;
  s.st.session.current_file = "welle";
  s.st.session.data_directory = "/data";
  s.st.session.unsaved_changes = true;
  s.ui.answers = {Answer::No, Answer::Cancel};
  ask_save_changes(s.st);
  ASSERT_EQ(s.ui.asked.size(), 1u);
  EXPECT_EQ(s.ui.asked[0], "VX11  -  Scheibenfederberechnung|Datei speichern (/data/welle.vxk) ?");
  EXPECT_FALSE(s.st.session.unsaved_changes);
  s.st.session.unsaved_changes = true;
  ask_save_changes(s.st);
  EXPECT_TRUE(s.st.rec.cancelled);
  EXPECT_TRUE(s.st.session.unsaved_changes);
}

TEST(AskSaveChanges, QuestionNamesTheFileYesWrites) {
  struct Case {
    const char* name;
    std::string current, directory;
    bool started;
    std::string shown;
  };
  const Case cases[] = {
      {"typed on the command line", "beispiele/welle.vxk", "", true, "beispiele/welle.vxk"},
      {"typed, then saved under the same name", "beispiele/welle.vxk", "", false, "beispiele/welle.vxk"},
      {"opened in the dialog after a start with a file", "welle", "/data/", true, "/data/welle.vxk"},
  };
  for (const auto& c : cases) {
    State s;
    s.st.session.current_file = c.current;
    s.st.session.data_directory = c.directory;
    s.st.session.started_with_file = c.started;
    s.st.session.unsaved_changes = true;
    s.ui.answers = {Answer::Cancel};
    ask_save_changes(s.st);
    ASSERT_EQ(s.ui.asked.size(), 1u) << c.name;
    EXPECT_EQ(s.ui.asked[0], "VX11  -  Scheibenfederberechnung|Datei speichern (" + c.shown + ") ?") << c.name;
  }
}

TEST(AskSaveChanges, UnnamedInputsAreDiscardedOnlyOnYes) {
  State s;
  s.st.session.unsaved_changes = true;
  s.ui.answers = {Answer::No};
  ask_save_changes(s.st);
  EXPECT_EQ(s.ui.asked.back(), "VX11  -  Scheibenfederberechnung|Bisherige Eingaben verwerfen ?");
  EXPECT_TRUE(s.st.rec.cancelled);
  s.st.session.started_with_file = true;
  s.st.config.archive_flag = true;
  s.st.rec.cancelled = false;
  ask_save_changes(s.st);  // archive mode drops changes without a question
  EXPECT_FALSE(s.st.session.unsaved_changes);
  EXPECT_EQ(s.ui.asked.size(), 1u);
}

}  // namespace
}  // namespace vx11
