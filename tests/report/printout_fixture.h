// A report stream with fixed folders, source and date, and the worked example, for printout tests.
#pragma once

#include <sstream>

#include "project/configuration.h"
#include "report/printout.h"
#include "test_support.h"
#include "worked_example.h"

namespace vx11::test {

class PrintoutFixture {
 public:
  PrintoutFixture();

  // A printout context over the current record and messages.
  PrintoutContext context() { return {stream, rec, messages, format, identity, cancelled, browsing}; }
  // Re-reads the formatting settings after a change of the configuration.
  void applyConfiguration() { apply_format_settings(config, format); }

  Configuration config = default_configuration("/start/");
  FormatSettings format;
  ProgramIdentity identity;
  RecordingInteraction ui;
  RecordingTextWindow window;
  class NoPrinter : public TextPrinter {
   public:
    void print(const std::string& path) override { printed.push_back(path); }
    std::vector<std::string> printed;
  } printer;
  class NoStarter : public ProcessStarter {
   public:
    bool exists(const std::string&) override { return true; }
    bool start(const std::vector<std::string>& argv) override {
      started.push_back(argv);
      return true;
    }
    std::vector<std::vector<std::string>> started;
  } starter;
  ReportOutlets outlets{window, printer, starter};
  int help_number = 0;
  bool cancelled = false;
  MessageList messages;
  ConnectionRecord rec = workedExample(messages);
  PassiveDescriptionDialog dialog;
  MessageBrowsing browsing{messages, cancelled, help_number, 1, false, identity.title,
                           {VX11_SOURCE_DIR "/data/vx11.err", "/tmp/vx11-golden/vx11.err"}, ui, dialog};
  ReportStream stream{{config, format, identity, ui, outlets, help_number, cancelled}};
};

}  // namespace vx11::test
