// The one process starter: how a command line is split, that no shell reads it, that a file name
// cannot pass for an option, and that every started program is collected when it ends.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "cad/process_start.h"
#include "docu/linked_document.h"
#include "report/process_starter.h"
#include "tests/support/files.h"
#include "tests/support/scratch_folder.h"

namespace vx11 {
namespace {

namespace fs = std::filesystem;

TEST(SplitCommandLine, OneRuleForEverySplit) {
  struct Case {
    const char* line;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {"", {}},
      {"  \t ", {}},
      {"xdg-open", {"xdg-open"}},
      {"  kate \t --new  ", {"kate", "--new"}},
      {"\"/opt/my editor/ed\" -x", {"/opt/my editor/ed", "-x"}},
      {"prog --title=\"a b\" c", {"prog", "--title=a b", "c"}},
      {"prog \"\" end", {"prog", "", "end"}},
      {"prog \"a \\\"b\\\"\"", {"prog", "a \"b\""}},
      {"prog \"a\\\\b\"", {"prog", "a\\b"}},
      // Windows paths keep their backslashes; only \" and \\ inside quotes are escapes.
      {"C:\\ZEICHNR\\WZEICHNR ZEICHNR.DXF /M1.0", {"C:\\ZEICHNR\\WZEICHNR", "ZEICHNR.DXF", "/M1.0"}},
      {"\"C:\\Programme\\Word\\winword.exe\" a.doc", {"C:\\Programme\\Word\\winword.exe", "a.doc"}},
      // No shell: quotes of other kinds, variables, separators and globs are letters.
      {"sh -c 'echo $HOME; rm *'", {"sh", "-c", "'echo", "$HOME;", "rm", "*'"}},
      {"prog \"never closed", {"prog", "never closed"}},
  };
  for (const auto& k : cases) EXPECT_EQ(split_command_line(k.line), k.words) << k.line;
}

TEST(SplitCommandLine, WindowsProgramsOpenWithTheDefaultOpener) {
  for (const char* windows : {"C:\\WINDOWS\\WRITE.EXE", "c:\\Programme\\Internet Explorer\\Iexplore.exe",
                              "NOTEPAD.EXE", "\"C:\\Program Files\\x\\y.exe\" /n", "start.bat", "", "  "}) {
    EXPECT_EQ(program_command(windows), std::vector<std::string>{kDefaultOpener}) << windows;
  }
  EXPECT_EQ(program_command("firefox --new-window"), (std::vector<std::string>{"firefox", "--new-window"}));
  EXPECT_FALSE(is_windows_program("/usr/bin/kate"));
  EXPECT_EQ(file_argument("-x"), "./-x");
  EXPECT_EQ(file_argument("--help"), "./--help");
  EXPECT_EQ(file_argument("/abs/-x"), "/abs/-x");
  EXPECT_EQ(file_argument("plan.pdf"), "plan.pdf");
}

// The state of a process from /proc ('Z' for one that has ended and waits to be collected), or 0
// when there is no such process.
char process_state(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(in, line)) return 0;
  const auto close = line.rfind(')');
  return close == std::string::npos || close + 2 >= line.size() ? 0 : line[close + 2];
}

// Children of this process that have ended and are not collected.
std::vector<pid_t> our_zombies() {
  std::vector<pid_t> found;
  for (const auto& e : fs::directory_iterator("/proc")) {
    const std::string name = e.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream in(e.path() / "stat");
    std::string line;
    if (!std::getline(in, line)) continue;
    const auto close = line.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream rest(line.substr(close + 2));
    char state = 0;
    pid_t parent = 0;
    rest >> state >> parent;
    if (state == 'Z' && parent == ::getpid()) found.push_back(std::stoi(name));
  }
  return found;
}

template <typename Done>
bool wait_for(Done&& done) {
  for (int i = 0; i < 500; ++i) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

TEST(ProcessStart, AnEndedProgramIsCollectedNoZombieStays) {
  SpawnProcessStarter starter;
  ASSERT_TRUE(starter.start({"/bin/true"}));
  ASSERT_EQ(starter.running().size(), 1u);
  const pid_t pid = starter.running().front();
  // It ends at once; until it is collected the system keeps it as a zombie of ours.
  ASSERT_TRUE(wait_for([&] { return process_state(pid) == 'Z'; }));
  starter.reap();
  EXPECT_TRUE(starter.running().empty());
  EXPECT_EQ(process_state(pid), 0);
  EXPECT_TRUE(our_zombies().empty());
  // One still running is left alone by a collection, and collected once it ends.
  ASSERT_TRUE(starter.start({"/bin/sleep", "0.3"}));
  starter.reap();
  EXPECT_EQ(starter.running().size(), 1u);
  ASSERT_TRUE(wait_for([&] {
    starter.reap();
    return starter.running().empty();
  }));
  EXPECT_TRUE(our_zombies().empty());
  // A program that is not there is not started, and the reason is kept.
  EXPECT_FALSE(starter.start({"/nonexistent/program"}));
  EXPECT_EQ(starter.last_error(), ENOENT);
  EXPECT_FALSE(starter.start({}));
  EXPECT_FALSE(find_program("sh").empty());
  EXPECT_TRUE(find_program("no-such-program-here").empty());
  EXPECT_TRUE(find_program("/tmp").empty());  // a folder is no program
}

// A program that writes each of its arguments on a line of "argv.txt" beside itself.
class ArgumentEcho : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = test::make_unique_folder("/tmp/vx11_process_XXXXXX").string();
    ASSERT_FALSE(dir.empty());
    script = dir + "/echo args";  // a blank in the program's path, too
    std::ofstream(script) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/argv.tmp\"\n"
                             "mv \"$(dirname \"$0\")/argv.tmp\" \"$(dirname \"$0\")/argv.txt\"\n";
    fs::permissions(script, fs::perms::owner_all);
    ui.echo = false;
  }
  void TearDown() override {
    starter.reap();
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  // The arguments the program got, once it has written them.
  std::string arguments() {
    const std::string path = dir + "/argv.txt";
    if (!wait_for([&] { return fs::exists(path); })) return "(nothing started)";
    std::string text = test::read_file(path);
    fs::remove(path);
    return text;
  }
  std::string quoted_script() const { return "\"" + script + "\""; }

  std::string dir, script;
  SpawnProcessStarter starter;
  ScriptedInteraction ui;
};

TEST_F(ArgumentEcho, AFileNameBeginningWithADashCannotActAsAnOption) {
  ASSERT_TRUE(start_with_file(starter, ui, quoted_script() + " --view", "-x"));
  EXPECT_EQ(arguments(), "--view\n./-x\n");
  ASSERT_TRUE(start_with_file(starter, ui, quoted_script(), dir + "/-abs"));
  EXPECT_EQ(arguments(), dir + "/-abs\n");

  // A linked document the person allowed.
  Documentation doc;
  doc.documents[0] = {quoted_script() + " $HOME;*", "--help"};
  std::set<std::string> allowed;
  DocumentStart start{starter, ui, "VX11", allowed};
  ui.answers = {Answer::Yes};
  ASSERT_TRUE(open_document(doc, 1, start));
  EXPECT_EQ(arguments(), "$HOME;*\n./--help\n");  // no shell read the line
}

TEST_F(ArgumentEcho, ThePlotProgramIsSplitByTheSameRule) {
  CommandLineStarter plot(starter);
  EXPECT_EQ(plot.start(quoted_script() + " /tmp/zeichnr /CPS \"/T Times Roman\""), kStarted);
  EXPECT_EQ(arguments(), "/tmp/zeichnr\n/CPS\n/T Times Roman\n");
  EXPECT_EQ(plot.start("/nonexistent/plotter x"), 2);
  EXPECT_EQ(startResultMessage(2), "file not found");
}

TEST_F(ArgumentEcho, AMissingProgramIsNamedInTheMessage) {
  EXPECT_FALSE(start_with_file(starter, ui, "/nonexistent/editor --x", "f.txt"));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0], "Fehler : |/nonexistent/editor not found");
}

}  // namespace
}  // namespace vx11
