#include "base/paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "vx11/install_layout.h"

namespace vx11 {

namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

}  // namespace

std::string with_slash(std::string_view folder) {
  std::string s(folder);
  if (!s.empty() && s.back() != '/') s += '/';
  return s;
}

std::string program_data_folder(std::string_view executable) {
  namespace fs = std::filesystem;
  const fs::path bin = fs::path(executable).parent_path();
  return with_slash((bin / kDataFolderFromBin).lexically_normal().generic_string());
}

std::string running_executable() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.generic_string();
}

std::string program_data_folder() {
  const std::string exe = running_executable();
  if (exe.empty()) return with_slash(current_folder() + kDataFolderFromPrefix);
  return program_data_folder(exe);
}

std::string temporary_folder() {
  for (const char* name : {"TEMP", "TMPDIR"}) {
    const std::string value = environment(name);
    if (!value.empty()) return with_slash(value);
  }
  return "/tmp/";
}

std::string fallback_config_folder() {
  std::string base = environment("XDG_CONFIG_HOME");
  if (base.empty()) {
    const std::string home = environment("HOME");
    if (home.empty()) return "korvant/";
    base = with_slash(home) + ".config";
  }
  return with_slash(base) + "korvant/";
}

std::string current_folder() {
  std::error_code ec;
  const auto here = std::filesystem::current_path(ec);
  return ec ? std::string("./") : with_slash(here.generic_string());
}

}  // namespace vx11
