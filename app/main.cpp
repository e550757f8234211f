// wvx11: the command-line mode and, when a window is asked for, the window.
#include <iostream>

#include "calc/connection_record.h"

int main() {
  vx11::ConnectionRecord rec;
  vx11::set_startup_defaults(rec);
  vx11::set_default_materials(rec);
  std::cout << "VX11  -  Scheibenfederberechnung 1.1\n";
  return 0;
}
