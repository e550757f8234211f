#include <QObject>

#include "cad/process_start.h"
#include "draw/connection_drawing.h"
#include "help/help_file.h"
#include "help/help_numbers.h"
#include "help/help_settings.h"
#include "project/printouts.h"
#include "project/program_state.h"
#include "ui/command_groups.h"
#include "ui/help_cad_output.h"
#include "ui/help_desk.h"
#include "ui/help_links.h"
#include "ui/main_window.h"
#include "ui/message_description_dialog.h"
#include "ui/qt_interaction.h"

namespace vx11 {

namespace {

// Lives as long as the window: the starter of the plot program keeps track of what it started.
class CadStarter : public QObject {
 public:
  explicit CadStarter(QObject* parent) : QObject(parent) {}
  CommandLineStarter starter;
};

void show_history(ProgramState& state, const HelpSettings& settings) {
  const HelpLookup found = lookupHelp(settings.folder, settings.lower_name, kHelpHistory);
  state.ui.message("History", helpBoxText(found, kHelpHistory));
}

}  // namespace

void install_help_commands(Thh& window, ProgramState& state) {
  HelpDesk& desk = HelpDesk::of(&window, state);
  // The one-question dialogs of the core get the help buttons too.
  if (auto* qt = dynamic_cast<QtInteraction*>(&state.ui)) qt->help = desk.dialog_help();
  auto* cad = new CadStarter(&window);

  const auto cad_command = [&window, &state, &desk, cad](int view) {
    return [&window, &state, &desk, cad, view] {
      write_cad_drawing(state, CadOutputPlace{&window, &desk.surface(), &cad->starter, desk.dialog_help()}, view);
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

  const auto messages = [&window, &state, &desk](bool print) {
    return [&window, &state, &desk, print] {
      state.rec.cancelled = false;
      QtDescriptionDialog dialog(state.format, desk.dialog_help(), state.help_number, &window);
      if (print)
        printMessages(state, dialog);
      else
        showMessages(state, dialog);
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
