// Stands in for the window module: reports what it was handed through its exit code.
#include <cstring>

extern "C" __attribute__((visibility("default"))) int vx11_window_main(int argc, char** argv) {
  if (argc != 2 || std::strcmp(argv[1], "welle.vxk") != 0) return 99;
  return 42;
}
