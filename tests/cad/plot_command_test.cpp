// Command lines of the plot program: from the dialog fields, from the prompts, batch files, start.
#include <sys/stat.h>

#include "cad/plot_command.h"
#include "cad/process_start.h"
#include "tests/cad/cad_fixture.h"

namespace vx11::test {
namespace {

namespace fs = std::filesystem;

TEST(PlotCommandLine, DialogFieldsGiveTheSwitches) {
  FormatSettings f;
  auto with = [](auto change) {
    PlotDialogFields d;
    d.program_path = "/opt/zeichnr/wzeichnr";
    d.output_folder = "/tmp/";
    change(d);
    return d;
  };
  struct Case {
    const char* name;
    PlotDialogFields fields;
    const char* line;
  } cases[] = {
      {"plain laser on parallel port 1", with([](PlotDialogFields&) {}), "/opt/zeichnr/wzeichnr /tmp/zeichnr /CHPL"},
      {"parallel port 4 is written as 4", with([](PlotDialogFields& d) { d.lpt_port = 4; }),
       "/opt/zeichnr/wzeichnr /tmp/zeichnr /CHPL /P4"},
      {"fit to sheet", with([](PlotDialogFields& d) { d.scale = 0; }), "/opt/zeichnr/wzeichnr /tmp/zeichnr /CHPL /M*"},
      {"serial port 2", with([](PlotDialogFields& d) {
         d.interface = PlotInterface::Serial;
         d.com_port = 2;
       }),
       "/opt/zeichnr/wzeichnr /tmp/zeichnr /CHPL /D1 /P2"},
      {"file", with([](PlotDialogFields& d) { d.interface = PlotInterface::File; }),
       "/opt/zeichnr/wzeichnr /tmp/zeichnr /CHPL /D3 /F/tmp/zeichnr"},
      {"everything", with([](PlotDialogFields& d) {
         d.format = PlotFormat::Ps;
         d.lpt_port = 2;
         d.scale = 2.5L;
         d.x_offset = 10;
         d.y_offset = -5;
         d.text_width_factor = 0.8L;
         d.rotate = true;
         d.ps_font = "Helvetica";
       }),
       "/opt/zeichnr/wzeichnr /tmp/zeichnr /CPS /P2 /M2.5 /X10 /Y-5 /B0.8 /R /THelvetica"},
  };
  for (const auto& c : cases) EXPECT_EQ(dialogCommandLine(f, c.fields), c.line) << c.name;
}

TEST(PlotCommandLine, PromptSequenceBuildsTheLine) {
  FormatSettings f;
  ScriptedInteraction ui;
  ui.choices = {0, 0, 1};  // WZEICHNR, HPL, parallel
  ui.texts = {std::string("/opt/z"), std::string("2"), std::string("0"), std::string("0"), std::string("0"),
              std::string("1")};
  ui.answers = {Answer::No};
  const auto line = promptCommandLine(ui, f, "C:\\ZEICHNR\\WZEICHNR ZEICHNR.DXF /M1.0", "/t");
  ASSERT_TRUE(line);
  EXPECT_EQ(*line, "/opt/z/WZEICHNR /t/zeichnr /CHPL /P2 /M*");
  EXPECT_EQ(ui.asked[1], "ZEICHNR|Programmverzeichnis von WZEICHNR.EXE");
}

TEST(PlotCommandLine, CancelAtAnyPromptEndsTheSequence) {
  FormatSettings f;
  for (int cancel_at = 0; cancel_at < 4; ++cancel_at) {
    ScriptedInteraction ui;
    ui.choices = {0, 0, 1};
    ui.texts = {std::string("/opt/z"), std::string("1"), std::string("1"), std::string("0")};
    if (cancel_at < 3)
      ui.choices[static_cast<std::size_t>(cancel_at)] = std::nullopt;
    else
      ui.texts[0] = std::nullopt;
    EXPECT_FALSE(promptCommandLine(ui, f, "", "/tmp")) << cancel_at;
  }
}

TEST(PlotCommandLine, LongLineGoesIntoAnExecutableBatchFile) {
  const fs::path dir = scratchFolder("plot_batch");
  FormatSettings f;
  ScriptedInteraction ui;
  ui.choices = {1, 1, 2};  // ZEICHNR, PostScript, file
  ui.texts = {std::string("/a/rather/long/program/folder"), std::string("plotfile.ps"), std::string("1.5"),
              std::string("0"), std::string("0"), std::string("1"), std::string("Helvetica"),
              std::string("with.dot"), std::string("plotjob")};
  ui.answers = {Answer::Yes};
  const auto line = promptCommandLine(ui, f, "", dir.string());
  ASSERT_TRUE(line);
  EXPECT_EQ(*line, (dir / "plotjob.BAT").string());
  EXPECT_EQ(ui.shown, (std::vector<std::string>{"Meldung:|Kommandozeile zu lang, Es wird eine Batch-Datei erzeugt."}));
  // The name with a "." is asked again.
  EXPECT_EQ(std::count(ui.asked.begin(), ui.asked.end(), "ZEICHNR|Name der Batch-Datei (ohne .bat)"), 2);
  const std::string script = read_file(dir / "plotjob.BAT");
  EXPECT_EQ(script, "#!/bin/sh\n/a/rather/long/program/folder/ZEICHNR " + (dir / "zeichnr").string() +
                        " /CPS /D3 /Fplotfile.ps /M1.5 /R /THelvetica\n");
  struct stat st {};
  ASSERT_EQ(stat((dir / "plotjob.BAT").c_str(), &st), 0);
  EXPECT_TRUE(st.st_mode & S_IXUSR);
}

TEST(PlotCommandLine, UnusableAnswersRepeatedForeverEndTheSequence) {
  FormatSettings f;
  ScriptedInteraction batch_name;  // after its queue it keeps answering with the preset text
  batch_name.choices = {1, 1, 2};
  batch_name.texts = {std::string("/a/rather/long/program/folder"), std::string("plotfile.ps"), std::string("1.5"),
                      std::string("0"), std::string("0"), std::string("1"), std::string("Helvetica")};
  EXPECT_FALSE(promptCommandLine(batch_name, f, "", "/t"));  // the batch name stays empty
}

TEST(PlotCommandLine, BatchFileThatCannotBeCreatedIsAskedAgain) {
  FormatSettings f;
  ScriptedInteraction ui;
  ui.choices = {1, 1, 2};
  ui.texts = {std::string("/a/rather/long/program/folder"), std::string("plotfile.ps"), std::string("1.5"),
              std::string("0"), std::string("0"), std::string("1"), std::string("Helvetica"),
              std::string("job"), std::nullopt};
  EXPECT_FALSE(promptCommandLine(ui, f, "", "/nonexistent/folder"));
  EXPECT_EQ(ui.shown.back(), "Fehler : |Datei job.BAT kann nicht angelegt werden");
}

TEST(ProcessStart, StartsWithoutShellAndReportsMissingPrograms) {
  EXPECT_EQ(split_command_line("a \"b c\"  d"), (std::vector<std::string>{"a", "b c", "d"}));
  CommandLineStarter starter;
  EXPECT_EQ(starter.start("/bin/true ignored"), kStarted);
  EXPECT_EQ(starter.start("/nonexistent/plotter x"), 2);
  EXPECT_EQ(starter.start(""), 2);
  EXPECT_EQ(startResultMessage(2), "file not found");
  EXPECT_EQ(startResultMessage(3), "file not found");
  EXPECT_EQ(startResultMessage(0), "out of memory !");
  EXPECT_EQ(startResultMessage(11), "Exec error 11");
  EXPECT_EQ(startResultMessage(kStarted), "");
}

}  // namespace
}  // namespace vx11::test
