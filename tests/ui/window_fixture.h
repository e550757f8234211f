// Test bench for the main window's commands: the dialog bench with a window whose commands are
// installed, the shipped examples in the test folder, and the record fields a file round trip keeps.
#pragma once

#include <string>

#include "tests/ui/dialog_fixture.h"
#include "ui/main_window.h"

namespace vx11::test {

class WindowTest : public DialogTest {
 protected:
  void SetUp() override;
  // Copies examples/<name>.vxk into the test folder; returns its path.
  std::string example(const std::string& name) const;
  QString caption() const { return w.windowTitle(); }

  Thh w;
};

// The inputs a saved file must give back.
void expect_same_inputs(const ConnectionRecord& a, const ConnectionRecord& b);

}  // namespace vx11::test
