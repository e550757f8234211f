// The program state holds the documentation beside the record and hands out the file context.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "project/program_state.h"
#include "base/text.h"

namespace vx11 {
namespace {

class NoPrinter : public TextPrinter {
 public:
  void print(const std::string&) override {}
};

TEST(ProgramStateFiles, SavesAndOpensRecordAndDocumentationTogether) {
  BatchInteraction ui;
  ui.echo = false;
  BatchTableBrowser browser;
  RecordingTextWindow window;
  NoPrinter printer;
  SpawnProcessStarter starter;
  ProgramState state(Frontend{ui, browser, ReportOutlets{window, printer, starter}});
  EXPECT_EQ(state.doc.title.drawn.date, dateText(state.format));
  EXPECT_EQ(state.doc.change_count, 0);

  const auto dir = std::filesystem::temp_directory_path() / ("vx11_state_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  state.session.data_directory = dir.string();
  state.doc.changes[0].description = "eins\r\nzwei";
  state.doc.change_count = 1;
  state.rec.shaft_diameter_d = 27;
  auto files = state.input_file();
  write_input_file(files, "zustand", {});
  state.doc.change_count = 0;
  state.rec.shaft_diameter_d = 1;
  read_input_file(files, "zustand");
  EXPECT_FALSE(state.rec.cancelled);
  EXPECT_EQ(state.rec.shaft_diameter_d, 27);
  EXPECT_EQ(state.doc.change_count, 1);
  EXPECT_EQ(state.doc.changes[0].description, "eins\r\nzwei");
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vx11
