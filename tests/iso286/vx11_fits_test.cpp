// vx11-fits run as a program: the argument form, the query lines on standard input, exit codes.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "tests/support/command_run.h"

namespace {

struct FitsRun {
  std::string out;
  int exit_code = -1;
};

// Runs the tool through the shell with the given argument text; input, when given, is its stdin.
FitsRun run_fits(const std::string& arguments, const std::string* input = nullptr) {
  std::string command = std::string("'") + VX11_BIN_DIR + "/vx11-fits' " + arguments + " 2>/dev/null";
  std::string input_path;
  if (input != nullptr) {
    char name[] = "/tmp/vx11_fits_test_XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) return {};
    close(fd);
    input_path = name;
    std::ofstream(input_path, std::ios::binary) << *input;
    command += " < '" + input_path + "'";
  }
  const vx11::test::CommandRun shell = vx11::test::run_command(command);
  FitsRun run{shell.output, shell.exit_code};
  if (!input_path.empty()) std::remove(input_path.c_str());
  return run;
}

TEST(Vx11Fits, ArgumentForm) {
  struct Case {
    const char* arguments;
    const char* out;
  } const cases[] = {
      {"h9 10", "h 9\t0\t-36\t\n"},
      {"'h 9' 10.5", "h 9\t0\t-43\t\n"},
      {"h 9 10,5", "h 9\t0\t-43\t\n"},  // a blank inside the designation; comma as decimal point
      {"js6 20", "js 6\t6.5\t-6.5\t\n"},
      {"JS1 2", "JS 1\t0.4\t-0.4\t\n"},
      {"js1 100", "js 1\t1.25\t-1.25\t\n"},
      {"a7 20", "a 7\t-300\t-321\ta9..a13\n"},
      {"h 3150.001", "\t0\t0\tung\xC3\xBCltige ISO-Toleranz\n"},  // "h" alone, then the size
      {"K9 5", "K 9\t0\t0\tToleranzgrad 9 nicht definiert f\xC3\xBCr Lage K\n"},
      {"H7 3150.001", "H 7\t0\t0\tUndefinierter Nennmassbereich\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const FitsRun run = run_fits(c.arguments);
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.out, c.out);
  }
}

TEST(Vx11Fits, QueriesOnStandardInput) {
  const std::string input =
      "h9 10\n"
      "h 9 10\r\n"
      "  H7   35  \n"
      "\n"
      "m6\n"
      "M6 x\n"
      "q7 20\n";
  const FitsRun run = run_fits("", &input);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out,
            "h 9\t0\t-36\t\n"
            "h 9\t0\t-36\t\n"
            "H 7\t25\t0\t\n"
            "\t0\t0\t\n"
            "m 6\t0\t0\tUndefinierter Nennmassbereich\n"
            "M 6\t0\t0\tUndefinierter Nennmassbereich\n"
            "q 7\t0\t0\tunbekannte Toleranzlage\n");
}

TEST(Vx11Fits, UnusableArgumentsExitWith2) {
  for (const char* arguments : {"h9", "h9 ten", "h9 ''"}) {
    SCOPED_TRACE(arguments);
    const FitsRun run = run_fits(arguments);
    EXPECT_EQ(run.exit_code, 2);
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(run_fits("--help").exit_code, 0);
}

}  // namespace
