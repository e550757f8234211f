// The CAD menu: a drawing or the quick view through the output layer, format and file asked.
#pragma once

#include <memory>

#include "draw/graphics_surface.h"
#include "ui/dialog_help.h"

class QWidget;

namespace vx11 {

class CommandLineStarter;
class ProgramState;

// What a CAD command needs beside the program state; one per window.
struct CadOutputPlace {
  QWidget* parent = nullptr;
  GraphicsSurface* surface = nullptr;  // the screen output (code 3) goes here
  CommandLineStarter* starter = nullptr;
  DialogHelp help;  // for the message dialog shown instead after a fatal run
};

// View 1 key, 2 shaft, 3 hub, 4 assembly; 0 the quick view. `output_code` 0 asks ("CAD-Code").
// The plot command line edited on the way is kept in the configuration; the abort flag ends clear.
void write_cad_drawing(ProgramState& state, const CadOutputPlace& place, int view, int output_code = 0);

}  // namespace vx11
