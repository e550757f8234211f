// The window's side of the person's steps: Qt dialogs, the table browser, the text window and the
// text printer over the main window, handed to the frontend switch while the window runs.
#pragma once

#include "project/frontend_switch.h"
#include "ui/qt_interaction.h"
#include "ui/qt_text_outlets.h"
#include "ui/tdbf4.h"

class QWidget;

namespace vx11 {

class ProgramState;

class WindowFrontend {
 public:
  // Programs start the same way with or without a window: `starter` is the one behind the state's.
  WindowFrontend(ProgramState& state, ProcessStarter& starter, QWidget* parent);
  FrontendTargets targets();
  // Help buttons of the one-question dialogs and the browser.
  void set_help(const DialogHelp& help);

  QtInteraction ui;
  QtTableBrowser browser;
  QtTextPrinter printer;
  QtTextWindow window;

 private:
  ProcessStarter& starter_;
};

// The window's one-question dialogs behind `ui`, also when `ui` forwards through the frontend switch;
// null without a window.
QtInteraction* qt_interaction(Interaction& ui);

}  // namespace vx11
