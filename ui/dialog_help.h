// The actions behind the help buttons of the dialogs: help text and help picture of the current
// help number. The help system fills them; an empty action leaves its button disabled.
#pragma once

#include <functional>

namespace vx11 {

struct DialogHelp {
  std::function<void()> text;
  std::function<void()> picture;
};

}  // namespace vx11
