// File and folder names through the real wvx11: a report of "Prüfstück_ä.vxk" written with a
// temporary folder named with umlauts shows both names as the file system gives them, in the report
// and in the messages on standard error; no second conversion turns them into "Pr├╝fst├╝ck".
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/files.h"
#include "tests/support/scratch_folder.h"

extern char** environ;

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
  Finished r;
  const fs::path output = folder / "output.log";
  std::vector<std::string> words = {VX11_BIN_DIR "/wvx11"};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  std::vector<std::string> environment = env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry(*e);
    if (!entry.starts_with("TEMP=") && !entry.starts_with("TMPDIR=") && !entry.starts_with("XDG_CONFIG_HOME="))
      environment.push_back(entry);
  }
  std::vector<char*> envp;
  for (auto& e : environment) envp.push_back(e.data());
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
  pid_t pid = 0;
  const int err = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (err != 0) return r;
  int status = 0;
  waitpid(pid, &status, 0);
  r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.output = vx11::test::read_file(output);
  return r;
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
