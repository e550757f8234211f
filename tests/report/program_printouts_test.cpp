// The printouts reached from the program state: the configured description file and "/NOGUI".
#include <gtest/gtest.h>

#include <sstream>

#include "calc/table_browser.h"
#include "project/printouts.h"
#include "test_support.h"
#include "worked_example.h"

namespace vx11 {
namespace {

class ProgramPrintouts : public ::testing::Test {
 protected:
  ProgramPrintouts() {
    state.config.plt_folder = VX11_SOURCE_DIR "/data";
    state.config.temp_folder = folder.path().string();
    state.apply_configuration();
    state.rec = test::workedExample(state.messages);
  }
  test::ScratchFolder folder{"program_printouts"};
  test::RecordingInteraction ui;
  BatchTableBrowser browser;
  RecordingTextWindow window;
  class NoPrinter : public TextPrinter {
    void print(const std::string&) override {}
  } printer;
  SpawnProcessStarter starter;
  ProgramState state{{ui, browser, {window, printer, starter}}};
  PassiveDescriptionDialog dialog;
};

TEST_F(ProgramPrintouts, ReportTakesCausesFromThePictureFolder) {
  const auto b = messageBrowsing(state, dialog);
  EXPECT_EQ(b.files.source, VX11_SOURCE_DIR "/data/vx11.err");
  // Descriptions are replaced whole, so no work file is written; its name only keeps a file that
  // lies in the temporary folder itself from being saved over. Looking them up makes no folder.
  EXPECT_EQ(b.files.work, folder.path().string() + "/vx11.err");
  EXPECT_FALSE(state.temp_folder_made());
  EXPECT_EQ(state.temp_folder().rfind(folder.path().string() + "/vx11-", 0), 0u) << state.temp_folder();
  std::ostringstream out;
  writeResultReport(state, dialog, {kChannelBatchTabFile, &out});
  EXPECT_NE(out.str().find("Fehler : Smax<1 (0.93 Nabe)\tDie Sicherheit fL*pzul/pmax"), std::string::npos);
}

// Every printout takes its header from the program state as it is now: the current file and its
// information lines, not what an earlier printout left in the stream.
TEST_F(ProgramPrintouts, EveryPrintoutIsHeadedByTheCurrentFile) {
  state.session.current_file = "/daten/welle.v2.vxk";
  state.doc.info_text = {"Welle eins", "Zeile zwei", "Zeile drei"};
  std::ostringstream report;
  writeResultReport(state, dialog, {kChannelBatchTabFile, &report});
  EXPECT_NE(report.str().find("\r\nWelle eins\r\nZeile zwei\r\nZeile drei\r\n"), std::string::npos) << report.str();

  state.session.current_file = "/daten/nabe.vxk";
  state.doc.info_text = {"Nabe eins", "", "Nabe drei"};
  std::ostringstream excerpt;
  writeExcerpt(state, dialog, {kChannelBatchTabFile, &excerpt});
  EXPECT_NE(excerpt.str().find("\r\nNabe eins\r\n\r\nNabe drei\r\n"), std::string::npos) << excerpt.str();

  printMessages(state, dialog);
  ASSERT_EQ(window.shown.size(), 1u);
  const std::string shown = test::read_file(window.shown[0].converted_path);
  EXPECT_NE(shown.find("/daten/nabe.vxk"), std::string::npos) << shown;
  EXPECT_EQ(shown.find("welle"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Nabe eins"), std::string::npos);
  EXPECT_NE(shown.find("Nabe drei"), std::string::npos);
}

TEST_F(ProgramPrintouts, NoGuiFatalRunShowsNothing) {
  state.rec.fatal_error = true;
  state.no_gui = true;
  std::ostringstream out;
  writeResultReport(state, dialog, {kChannelBatchTabFile, &out});
  writeExcerpt(state, dialog, {kChannelBatchTabFile, &out});
  showMessages(state, dialog);
  EXPECT_TRUE(out.str().empty());
  EXPECT_TRUE(ui.asked.empty());
  EXPECT_TRUE(ui.shown.empty());

  state.no_gui = false;
  showMessages(state, dialog, true);  // start-up without prompts
  EXPECT_TRUE(ui.asked.empty());
  showMessages(state, dialog);
  EXPECT_EQ(ui.presets.size(), 1u);
}

}  // namespace
}  // namespace vx11
