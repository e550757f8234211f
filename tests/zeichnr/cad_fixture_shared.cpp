// The shared pieces of the CAD tests: scratch folders, the sample drawings.
#include "tests/cad/cad_fixture.cpp"
