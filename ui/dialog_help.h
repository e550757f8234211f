// The actions behind the help buttons of the dialogs: help text and help picture of the current
// help number, and the tooltips of labels. The help system fills them; an empty action leaves its
// button disabled, an empty tooltip maker leaves labels without tooltips.
#pragma once

#include <QString>

#include <functional>

namespace vx11 {

struct DialogHelp {
  std::function<void()> text;
  std::function<void()> picture;
  std::function<QString(int help_number)> tooltip = {};
};

}  // namespace vx11
