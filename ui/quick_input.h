// The quick input sequence of the command New: drawing names, predesign, dimensions and loads.
#pragma once

#include "docu/documentation_dialogs.h"
#include "ui/dialog_help.h"

class QWidget;

namespace vx11 {

class ProgramState;

// Each dialog opens only when the one before ended with OK. True when all four did; the caller
// then rates, marks the inputs as changed and shows the messages. After a Cancel the abort flag
// is cleared (the caller still rates) and the result is false.
bool run_quick_input(ProgramState& state, DocumentationDialogs& docu, const DialogHelp& help, QWidget* parent);

}  // namespace vx11
