// The documented worked example as the inputs of a record, shared by the tests and the benchmarks.
#pragma once

#include "calc/connection_record.h"

namespace vx11::test {

// d = 20, TN = 60, Tmax = 90, key 5 x 6.5 x 16 (row 7 of the table), series A, shaft, hub and key
// with Re 355, 230, 340 and fS 1.2, 2.0, 1.0; not rated yet.
ConnectionRecord worked_example_inputs();

}  // namespace vx11::test
