// A module without the window entry point.
extern "C" __attribute__((visibility("default"))) int some_other_function() { return 0; }
