// Whole files as byte strings, for tests that check what a program wrote or prepare what it reads.
#pragma once

#include <filesystem>
#include <string>

namespace vx11::test {

// The file's bytes; empty when it cannot be read.
std::string read_file(const std::filesystem::path& path);

// Replaces the file's content with `bytes`.
void write_file(const std::filesystem::path& path, const std::string& bytes);

}  // namespace vx11::test
