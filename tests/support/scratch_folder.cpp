#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <stdexcept>

#include "tests/support/files.h"

namespace vx11::test {

namespace {

// "Suite_Test" of the running test, usable in a file name ("scratch" outside a test).
std::string running_test_name() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  if (info == nullptr) return "scratch";
  std::string name = std::string(info->test_suite_name()) + "_" + info->name();
  std::replace(name.begin(), name.end(), '/', '_');  // parameterised tests
  return name;
}

}  // namespace

std::filesystem::path make_unique_folder(const std::string& pattern) {
  std::string name = pattern;
  if (::mkdtemp(name.data()) == nullptr) return {};
  return name;
}

std::filesystem::path emptied_folder(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::remove_all(path, ec);
  std::filesystem::create_directories(path);
  return path;
}

ScratchFolder::ScratchFolder() : ScratchFolder(running_test_name()) {}

ScratchFolder::ScratchFolder(const std::string& name)
    : path_(make_unique_folder((std::filesystem::temp_directory_path() / ("vx11_" + name + "_XXXXXX")).string())) {
  if (path_.empty()) throw std::runtime_error("no scratch folder for " + name);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void ScratchFolder::write(const std::string& name, const std::string& bytes) const { write_file(file(name), bytes); }

std::string ScratchFolder::read(const std::string& name) const { return read_file(file(name)); }

}  // namespace vx11::test
