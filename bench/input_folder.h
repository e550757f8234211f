// A folder of generated input data files for the benchmarks that read many files.
#pragma once

#include <string>

namespace vx11 {

// Creates a new folder below the temporary folder holding `count` input data files w0.vxk, w1.vxk,
// ... of varied diameter and torque with the key 5 x 6.5; returns its path.
std::string make_input_folder(const std::string& name, int count);

}  // namespace vx11
