// File and folder names through the real wvx11: a report of "Prüfstück_ä.vxk" written with a
// temporary folder named with umlauts shows both names as the file system gives them, in the report
// and in the messages on standard error; no second conversion turns them into "Pr├╝fst├╝ck".
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/program_run.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

const std::string kName = "Pr\xC3\xBC" "fst\xC3\xBC" "ck_\xC3\xA4";  // UTF-8, as the file system has it
const std::string kSecondConversion = "\xE2\x94\x9C";                // "├", what a cp850 reading of "ü" starts with

struct Finished {
  int exit_code = -1;
  std::string output;  // standard output and standard error
};

// Runs wvx11 in `folder` with the given arguments and extra environment, without a shell.
Finished run_wvx11(const fs::path& folder, const std::vector<std::string>& args, const std::vector<std::string>& env) {
  vx11::test::ProgramRun run{VX11_BIN_DIR "/wvx11", args, folder.string(), env};
  run.unset = {"TEMP", "TMPDIR", "XDG_CONFIG_HOME"};
  run.merge_errors = true;
  const vx11::test::ProgramOutcome outcome = vx11::test::run_program(run);
  return {outcome.exit_code, outcome.out};
}

class FileNames : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = vx11::test::make_unique_folder("/tmp/vx11_names_XXXXXX");
    ASSERT_FALSE(dir.empty());
    temp = dir / ("Temp_" + kName);
    fs::create_directories(temp);
    fs::copy_file(fs::path(VX11_SOURCE_DIR) / "examples" / "beispiel.vxk", dir / (kName + ".vxk"));
    env = {"TEMP=" + temp.string(), "TMPDIR=" + temp.string(), "XDG_CONFIG_HOME=" + (dir / "cfg").string()};
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  fs::path dir, temp;
  std::vector<std::string> env;
};

TEST_F(FileNames, ReportOfAFileWithUmlautsShowsTheNamesUnconverted) {
  const Finished r = run_wvx11(dir, {kName + ".vxk", "/I"}, env);
  ASSERT_EQ(r.exit_code, 0) << r.output;
  const fs::path report = dir / (kName + ".txt");
  ASSERT_TRUE(fs::exists(report));
  std::ifstream in(report, std::ios::binary);
  std::string title, stream_path;
  std::getline(in, title);
  std::getline(in, stream_path);
  // The header's second line names the stream file in the temporary folder, whose name has umlauts.
  EXPECT_TRUE(stream_path.starts_with(temp.string() + "/")) << stream_path;
  std::ostringstream all;
  all << in.rdbuf();
  EXPECT_EQ((title + stream_path + all.str()).find(kSecondConversion), std::string::npos);
}

TEST_F(FileNames, MessagesOnStandardErrorNameTheFileAsItIs) {
  const std::string missing = "Fehlt_" + kName + ".vxk";
  const Finished r = run_wvx11(dir, {missing, "/I"}, env);
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.output.find(missing), std::string::npos) << r.output;
  EXPECT_EQ(r.output.find(kSecondConversion), std::string::npos) << r.output;
}

}  // namespace
