// The entry point of the window module, which wvx11 loads with dlopen only when it opens a window.
#pragma once

namespace vx11 {

class ProgramState;

// Runs the main window on the program state until it closes (the application object exists);
// returns the exit code.
int run_window(ProgramState* state, int argc, char** argv);

}  // namespace vx11

// The one symbol the loader looks up. The module builds the program state itself and reads the
// configuration; it is handed nothing but the command line.
extern "C" __attribute__((visibility("default"))) int vx11_window_main(int argc, char** argv);
