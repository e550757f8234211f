// Test bench of the result table window and the OLE menu: the dialog bench over a process starter
// that only records, a data directory for generated input data files, and the main window.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/ui/dialog_fixture.h"
#include "ui/main_window.h"
#include "tests/support/files.h"

namespace vx11::test {

// Knows the programs it is told about; records what it was asked to start, starts nothing.
class FakeStarter : public ProcessStarter {
 public:
  bool exists(const std::string& program) override { return programs.count(program) > 0; }
  bool start(const std::vector<std::string>& argv) override {
    started.push_back(argv);
    return exists(argv.at(0));
  }
  std::set<std::string> programs;
  std::vector<std::vector<std::string>> started;
};

class SheetTest : public DialogTest {
 protected:
  void SetUp() override;

  // An input data file in the data directory: the worked example with shaft diameter `d` (17 to 22
  // for its key) and the shaft part number; returns its path.
  std::string write_input(const std::string& file_name, Real d, const std::string& shaft_number = "11111111");
  // The texts of the message boxes shown so far, without their captions.
  std::vector<std::string> messages() const;

  std::string data;  // the data directory, with "/"
  FakeStarter fake;
  std::unique_ptr<Thh> main_window;  // a fresh window for every SetUp
  Thh& main() { return *main_window; }
};

}  // namespace vx11::test
