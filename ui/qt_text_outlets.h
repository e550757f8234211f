// The report stream's text window and text printer in the window: the window shows the converted
// copy of a printout, the printer prints the code page 850 stream file on the platform printer.
#pragma once

#include <istream>

#include "project/configuration.h"
#include "base/identity.h"
#include "base/interaction.h"
#include "report/report_outlets.h"
#include "ui/text_printout.h"

class QWidget;

namespace vx11 {

// Font and lines per sheet of text printouts from the settings.
TextPrintout text_printout(const Configuration& config);
// A code page 850 text converted line by line for the printer (line ends become "\n").
QString printed_text(const FormatSettings& format, std::istream& in);

class QtTextPrinter : public TextPrinter {
 public:
  QtTextPrinter(const FormatSettings& format, const Configuration& config, Interaction& ui, QWidget* parent = nullptr)
      : format_(format), config_(config), ui_(ui), parent_(parent) {}
  void print(const std::string& cp850_path) override;

 private:
  const FormatSettings& format_;
  const Configuration& config_;
  Interaction& ui_;
  QWidget* parent_;
};

class QtTextWindow : public TextWindow {
 public:
  // The window's position comes from and goes back to `config.text_window`; its export command
  // opens the copy with the configured text program.
  QtTextWindow(const ProgramIdentity& identity, Configuration& config, TextPrinter& printer,
               ProcessStarter& starter, Interaction& ui, QWidget* parent = nullptr)
      : identity_(identity), config_(config), printer_(printer), starter_(starter), ui_(ui), parent_(parent) {}
  void show(const TextWindowRequest& request) override;

 private:
  const ProgramIdentity& identity_;
  Configuration& config_;
  TextPrinter& printer_;
  ProcessStarter& starter_;
  Interaction& ui_;
  QWidget* parent_;
};

}  // namespace vx11
