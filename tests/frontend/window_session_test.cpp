#include "project/window_session.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "project/frontend_switch.h"
#include "project/report_source.h"
#include "tests/support/files.h"
#include "tests/support/scratch_folder.h"

namespace vx11 {
namespace {

namespace fs = std::filesystem;

class WindowSessionTest : public ::testing::Test {
 protected:
  WindowSessionTest() : state(Frontend{ui, browser, ReportOutlets{window, printer, starter}}) {
    root = test::make_unique_folder("/tmp/vx11_session_XXXXXX").string();
    state.config_folder = root + "/";
    state.config.temp_folder = root;
    state.config.dbf_folder = VX11_DATA_DIR;
    state.apply_configuration();
  }
  ~WindowSessionTest() override {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  std::string example(const std::string& name) {
    const std::string to = root + "/" + name + ".vxk";
    fs::copy_file(std::string(VX11_SOURCE_DIR) + "/examples/beispiel.vxk", to);
    return to;
  }

  class NoPrinter : public TextPrinter {
   public:
    void print(const std::string&) override {}
  };
  ScriptedInteraction ui;
  ScriptedTableBrowser browser;
  RecordingTextWindow window;
  NoPrinter printer;
  SpawnProcessStarter starter;
  ProgramState state;
  std::string root;
};

TEST_F(WindowSessionTest, SessionFileBesideTheConfigurationRoundTrip) {
  EXPECT_EQ(session_file_path(state), root + "/vx11.cff");
  state.session.data_directory = "/daten";
  state.session.recent = {"/a/eins.vxk", "/b/zwei.vxk", "", ""};
  ASSERT_TRUE(save_session(state));
  EXPECT_EQ(test::read_file(root + "/vx11.cff"), "vx11 Session /daten\r\n/a/eins.vxk\r\n/b/zwei.vxk\r\n\r\n\r\n");
  state.session.recent = {"x", "y", "z", "w"};
  state.rec.cancelled = true;
  load_session(state);
  EXPECT_EQ(state.session.recent, (std::array<std::string, 4>{"/a/eins.vxk", "/b/zwei.vxk", "", ""}));
  EXPECT_FALSE(state.rec.cancelled);
}

TEST_F(WindowSessionTest, MissingSessionFileClearsTheList) {
  state.session.recent = {"x", "y", "z", "w"};
  state.rec.cancelled = true;
  load_session(state);
  EXPECT_EQ(state.session.recent, (std::array<std::string, 4>{}));
  EXPECT_FALSE(state.rec.cancelled);
}

TEST_F(WindowSessionTest, UnwritableSessionFileIsReportedNotRetriedForever) {
  state.config_folder = root + "/kein/ordner/";
  EXPECT_FALSE(save_session(state));
  ASSERT_FALSE(ui.shown.empty());
  EXPECT_NE(ui.shown.back().find("nicht gespeichert, die bisherige Datei bleibt unver\x84ndert !"), std::string::npos);
}

TEST_F(WindowSessionTest, RecentFileIsReadAndMovesToTheHead) {
  const std::string a = example("a"), b = example("b");
  state.session.recent = {a, b, "", ""};
  state.rec.shaft_diameter_d = 999;
  ASSERT_TRUE(open_recent_file(state, 2));
  EXPECT_EQ(state.session.current_file, "b");
  EXPECT_EQ(state.session.data_directory, root + "/");
  EXPECT_EQ(state.session.recent, (std::array<std::string, 4>{b, a, "", ""}));
  EXPECT_NE(state.rec.shaft_diameter_d, 999);
  EXPECT_FALSE(state.session.unsaved_changes);
  EXPECT_TRUE(ui.asked.empty());  // nothing unsaved, nothing asked
}

TEST_F(WindowSessionTest, RecentFileThatHasGoneIsRemoved) {
  const std::string a = example("a");
  const std::string gone = root + "/weg.vxk";
  state.session.recent = {a, gone, "", ""};
  EXPECT_FALSE(open_recent_file(state, 2));
  EXPECT_EQ(state.session.recent, (std::array<std::string, 4>{a, "", "", ""}));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0], "Meldung:|File " + gone + " not found !");
}

TEST_F(WindowSessionTest, CancelledQuestionOrFailedReadKeepsEverything) {
  const std::string a = example("a");
  fs::resize_file(example("kurz"), 100);  // ends before the last input line
  struct Case {
    const char* name;
    int slot;
    std::vector<Answer> answers;
  };
  const Case cases[] = {{"cancel in the save question", 1, {Answer::Cancel}},
                        {"file that cannot be used", 2, {Answer::No}}};
  for (const auto& c : cases) {
    state.session.recent = {a, root + "/kurz.vxk", "", ""};
    state.session.current_file = "alt";
    state.session.data_directory = "/alt/";
    state.session.unsaved_changes = true;
    state.rec.shaft_diameter_d = 999;
    ui.answers = c.answers;
    EXPECT_FALSE(open_recent_file(state, c.slot)) << c.name;
    EXPECT_EQ(state.rec.shaft_diameter_d, 999) << c.name;
    EXPECT_EQ(state.session.current_file, "alt") << c.name;
    EXPECT_EQ(state.session.data_directory, "/alt/") << c.name;
    EXPECT_EQ(state.session.recent[0], a) << c.name;
    ui = ScriptedInteraction{};
  }
}

TEST_F(WindowSessionTest, ReportIsNamedAfterTheInputNeverAsTheInput) {
  struct Case {
    const char* name;
    std::string current, directory;
    std::string file, folder;
  };
  const Case cases[] = {
      {"chosen in the window", "welle", "/daten/", "welle", "/daten"},
      {"typed on the command line", "beispiele/welle.vxk", "", "welle", "beispiele"},
      {"new, unnamed", "", "/daten/", "", "/daten/"},
  };
  for (const auto& c : cases) {
    state.session.current_file = c.current;
    state.session.data_directory = c.directory;
    state.doc.info_text[0] = "Info";
    update_report_source(state);
    EXPECT_EQ(state.report.source().file_name, c.file) << c.name;
    EXPECT_EQ(state.report.source().output_folder, c.folder) << c.name;
    EXPECT_EQ(state.report.source().data_directory, c.folder) << c.name;
    EXPECT_EQ(state.report.source().info_text[0], "Info") << c.name;
  }
}

}  // namespace
}  // namespace vx11
