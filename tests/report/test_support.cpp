#include "test_support.h"

#include <fstream>
#include <sstream>

#include <unistd.h>

namespace vx11::test {

std::optional<int> RecordingInteraction::choose(const std::string& caption, const std::vector<std::string>& items,
                                                int preset) {
  presets.push_back(preset);
  choice_items = items;
  return ScriptedInteraction::choose(caption, items, preset);
}

ScratchFolder::ScratchFolder(const std::string& name)
    : path_(std::filesystem::temp_directory_path() / ("vx11_" + name + "_" + std::to_string(::getpid()))) {
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace vx11::test
