// How an output file is named after its input, and the check that it is not the input itself.
#pragma once

#include <string>
#include <string_view>

namespace vx11 {

// The input's name with its last extension replaced by `extension` (given without the dot), in the
// input's folder: "welle.v2.vxk" gives "welle.v2.txt", ".hidden.vxk" ".hidden.txt", "kunde.vxk.vxk"
// "kunde.vxk.txt"; a name without extension gets one.
std::string output_file_name(const std::string& input, std::string_view extension);

// Whether two names lead to the same file: the same file on disk (also through links), or, while
// either is missing, the same path once "." and ".." are resolved.
bool same_file(const std::string& a, const std::string& b);

}  // namespace vx11
