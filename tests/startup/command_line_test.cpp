// The command-line mode as a user runs it: the built wvx11 in a temporary folder.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/command_run.h"
#include "tests/support/files.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int exit_code = -1;
  std::string out;  // standard output and standard error together
};

class CommandLine : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vx11_cli_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::copy_file(fs::path(VX11_SOURCE_DIR) / "examples" / "beispiel.vxk", dir_ / "test.vxk");
  }
  void TearDown() override { fs::remove_all(dir_); }

  Outcome run(const std::string& arguments) { return run_script("'" VX11_BIN_DIR "/wvx11' " + arguments); }

  // Runs a shell command line in the test folder.
  Outcome run_script(const std::string& script) {
    // A private configuration folder keeps the user's own configuration out of the test.
    const std::string cmd = "cd '" + dir_.string() + "' && export XDG_CONFIG_HOME='" + dir_.string() + "/cfg' && { " +
                            script + "; } 2>&1";
    const vx11::test::CommandRun shell = vx11::test::run_command(cmd);
    return {shell.exit_code, shell.output};
  }

  std::string read(const std::string& name) {
    return vx11::test::read_file(dir_ / name);
  }

  fs::path dir_;
};

TEST_F(CommandLine, HelpScreenWithoutParametersAndWithQuestionMarks) {
  for (const char* args : {"", "/?", "?"}) {
    const Outcome r = run(args);
    EXPECT_EQ(r.exit_code, 0) << args;
    EXPECT_TRUE(r.out.starts_with("VX11 Command Line Mode\n")) << args << "\n" << r.out;
    EXPECT_NE(r.out.find("wvx11 Filename [/I] [/CADi:j] [/NOGUI]"), std::string::npos);
  }
}

TEST_F(CommandLine, ReportOfTheFileIsWrittenBesideIt) {
  const Outcome r = run("test.vxk /I");
  EXPECT_EQ(r.exit_code, 0) << r.out;
  const std::string report = read("test.txt");
  EXPECT_NE(report.find("Scheibenfeder DIN 6888 - 6 x 7.5"), std::string::npos);
  EXPECT_NE(report.find("Wellendurchmesser\td1\tmm"), std::string::npos);
  fs::create_directories(dir_ / "sub");
  fs::copy_file(dir_ / "test.vxk", dir_ / "sub" / "other.vxk");
  EXPECT_EQ(run("sub/other.vxk /i").exit_code, 0);
  EXPECT_TRUE(fs::exists(dir_ / "sub" / "other.txt"));
}

TEST_F(CommandLine, RunsAtTheSameTimeKeepTheirOwnReports) {
  // Every run writes its report through the same scratch names in the temporary folder; runs side
  // by side must not swap or mix their reports.
  fs::copy_file(fs::path(VX11_SOURCE_DIR) / "examples" / "ueberlast.vxk", dir_ / "other.vxk");
  std::string script = "export TEMP='" + dir_.string() + "/tmp'; mkdir -p \"$TEMP\"; for i in 1 2 3 4 5 6 7 8; do ";
  script += "cp test.vxk a$i.vxk; cp other.vxk b$i.vxk; '" + std::string(VX11_BIN_DIR) + "/wvx11' a$i.vxk /I & '";
  script += std::string(VX11_BIN_DIR) + "/wvx11' b$i.vxk /I & done; wait";
  const Outcome r = run_script(script);
  EXPECT_EQ(r.exit_code, 0) << r.out;
  for (int i = 1; i <= 8; ++i) {
    const std::string a = read("a" + std::to_string(i) + ".txt"), b = read("b" + std::to_string(i) + ".txt");
    EXPECT_NE(a.find("DIN 6888 - 6 x 7.5"), std::string::npos) << i;
    EXPECT_EQ(a.find("DIN 6888 - 4 x 6.5"), std::string::npos) << i;
    EXPECT_NE(b.find("DIN 6888 - 4 x 6.5"), std::string::npos) << i;
    EXPECT_EQ(b.find("DIN 6888 - 6 x 7.5"), std::string::npos) << i;
    // The header names the scratch file of the temporary folder, the same in every run.
    const auto second_line = [](const std::string& report) {
      const auto from = report.find('\n') + 1;
      return report.substr(from, report.find('\n', from) - from);
    };
    EXPECT_EQ(second_line(a), (dir_ / "tmp" / "$$$1.txt").string()) << i;
  }
  EXPECT_TRUE(fs::is_empty(dir_ / "tmp")) << "no scratch folder is left behind";
}

TEST_F(CommandLine, MissingFileEndsWithExitCodeOne) {
  const Outcome r = run("missing.vxk /I");
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.out.find("File missing.vxk not found !"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir_ / "missing.txt"));
}

TEST_F(CommandLine, NameWithoutExtensionIsRefused) {
  const Outcome r = run("test");
  EXPECT_EQ(r.exit_code, 1);  // a refused start is no success
  EXPECT_NE(r.out.find("Erweiterung .vxk muß mit angegeben werden"), std::string::npos);
}

TEST_F(CommandLine, NoGuiRatesWithoutAWindow) {
  EXPECT_EQ(run("test.vxk /NOGUI").exit_code, 0);
  EXPECT_EQ(run("test.vxk /I /nogui").exit_code, 0);
  EXPECT_TRUE(fs::exists(dir_ / "test.txt"));
}

}  // namespace
