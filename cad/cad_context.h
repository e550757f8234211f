// What the drawing output layer reaches besides its arguments, and the codes of its outputs.
#pragma once

#include <string>

#include "cad/cad_settings.h"
#include "cad/plot_command.h"
#include "cad/process_start.h"
#include "draw/graphics_surface.h"
#include "base/format_settings.h"
#include "base/interaction.h"
#include "base/message_list.h"

namespace vx11 {

enum OutputCode : int { kOutAsk = 0, kOutDxf = 1, kOutIges = 2, kOutScreen = 3, kOutPlot = 4, kOutListing = 5 };

struct CadContext {
  CadSettings& cad;
  const FormatSettings& format;
  MessageList& messages;
  Interaction& ui;
  bool& cancelled;
  GraphicsSurface& surface;
  CommandLineStarter& starter;
  PlotDialog* plot_dialog = nullptr;  // the plot configuration dialog, when there is a window

  // Shows the error and stops the run.
  void fail(const std::string& message) const {
    ui.message(kCaptionError, message);
    cancelled = true;
  }
};

}  // namespace vx11
