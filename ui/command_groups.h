// The main window's commands, installed group by group onto the window and the program state.
// Each group lives in a file of its own; the window start-up calls every installer once.
#pragma once

namespace vx11 {

class ProgramState;
class Thh;

// File, Edit and Database menus, configuration, recent files, documentation menu, language.
void install_file_commands(Thh& window, ProgramState& state);
// The drawing views on the canvas, printing and printer setup.
void install_view_commands(Thh& window, ProgramState& state);
// CAD output, help pictures, message dialogs, history, homepage, e-mail, about.
void install_help_commands(Thh& window, ProgramState& state);
// The OLE menu: result table and spreadsheet hand-off.
void install_sheet_commands(Thh& window, ProgramState& state);

// Paints the current view again (after a rating, a language switch, a new file): the configured
// result graphic, else with "Hilfegrad" the quick view or the messages after a fatal run, else
// the view on the canvas with the new values.
void redraw_current_view(Thh& window, ProgramState& state);
// Draws a view (a drawing 1..4 or the quick view) on the canvas; it becomes the view that is drawn
// again after ratings. After a fatal run the notice and the message dialog instead.
void show_view(Thh& window, ProgramState& state, int view);
// The view the window opens with after a file named on the command line: the quick view (the
// messages after a fatal run) unless "Hilfegrad" is 0.
void show_start_view(Thh& window, ProgramState& state);

}  // namespace vx11
