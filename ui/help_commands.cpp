#include <QObject>

#include "cad/process_start.h"
#include "draw/connection_drawing.h"
#include "help/help_file.h"
#include "base/help_numbers.h"
#include "help/help_settings.h"
#include "project/printouts.h"
#include "project/program_state.h"
#include "ui/canvas.h"
#include "ui/command_groups.h"
#include "ui/window_frontend.h"
#include "ui/help_cad_output.h"
#include "ui/help_desk.h"
#include "ui/help_links.h"
#include "ui/main_window.h"
#include "ui/message_description_dialog.h"
#include "ui/qt_interaction.h"

namespace vx11 {

namespace {

// Lives as long as the window: the starter of the plot program keeps track of what it started, and
// the message browsing of every command shares one description dialog.
class HelpKeep : public QObject {
 public:
  HelpKeep(Thh& window, ProgramState& state, const DialogHelp& help)
      : QObject(&window), starter(state.outlets.starter), descriptions(state.format, help, state.help_number, &window) {}
  CommandLineStarter starter;
  QtDescriptionDialog descriptions;
};

void show_history(ProgramState& state, const HelpSettings& settings) {
  const HelpLookup found = lookupHelp(settings.folder, settings.lower_name, kHelpHistory);
  state.ui.message("History", helpBoxText(found, kHelpHistory));
}

}  // namespace

void install_help_commands(Thh& window, ProgramState& state) {
  HelpDesk& desk = HelpDesk::of(&window, state);
  // Help pictures and the CAD screen output draw into the window's canvas, configured as the
  // views are: the canvas may have replaced its surface since the last picture.
  desk.set_surface_provider([&window, &state] {
    Canvas& canvas = *window.canvas();
    canvas.configure(state.config, state.format);
    return &canvas.surface();
  });
  window.help = desk.dialog_help();
  // The one-question dialogs of the core get the help buttons too.
  if (QtInteraction* qt = qt_interaction(state.ui)) qt->help = window.help;
  auto* keep = new HelpKeep(window, state, window.help);
  window.descriptions = &keep->descriptions;

  const auto cad_command = [&window, &state, &desk, keep](int view) {
    return [&window, &state, &desk, keep, view] {
      write_cad_drawing(state, CadOutputPlace{&window, &desk.surface(), &keep->starter, window.help}, view);
    };
  };
  window.set_handler(Command::CadAssembly, cad_command(kViewAssembly));
  window.set_handler(Command::CadKey, cad_command(kViewKey));
  window.set_handler(Command::CadShaft, cad_command(kViewShaft));
  window.set_handler(Command::CadHub, cad_command(kViewHub));
  window.set_handler(Command::CadQuick, cad_command(0));

  window.set_handler(Command::HelpPictures, [&desk, &state] {
    state.rec.cancelled = false;
    desk.show_pictures();
    state.rec.cancelled = false;
  });

  const auto messages = [&state, keep](bool print) {
    return [&state, keep, print] {
      state.rec.cancelled = false;
      if (print)
        printMessages(state, keep->descriptions);
      else
        showMessages(state, keep->descriptions);
      state.rec.cancelled = false;
    };
  };
  window.set_handler(Command::ViewErrorMessages, messages(true));
  window.set_handler(Command::HelpErrorMessages, messages(false));

  window.set_handler(Command::HelpHistory, [&state, &desk] { show_history(state, desk.settings()); });
  window.set_handler(Command::HelpWww, [&state] {
    start_link(state.outlets.starter, state.ui, homepage_command(state.config.html_browser));
  });
  window.set_handler(Command::HelpEmail, [&state] {
    start_link(state.outlets.starter, state.ui, mail_command(state.identity));
  });
  window.set_handler(Command::HelpAbout, [&state] { state.ui.message(state.identity.short_name, about_text(state.identity)); });
}

}  // namespace vx11
