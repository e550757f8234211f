// zeichnr: plots a DXF file of the drawing output onto an A4 sheet as PostScript or HP-GL.
#include <iostream>
#include <string>
#include <vector>

#include "cad/plotter_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> words(argv + 1, argv + argc);
  return vx11::runPlot(words, std::cerr);
}
