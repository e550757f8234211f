// Help texts as tooltips of dialog labels (and the fields they name), as far as the help level offers them.
#pragma once

#include "ui/dialog_help.h"

class QGridLayout;
class QWidget;

namespace vx11 {

// The label gets help text n as tooltip, and so does its buddy field; nothing without a text.
void set_help_tooltip(QWidget* label, const DialogHelp& help, int n);
// The same for the label in column 0 of a grid row.
void set_row_tooltip(QGridLayout* grid, int row, const DialogHelp& help, int n);

}  // namespace vx11
