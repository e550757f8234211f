#include "app/window_loader.h"

#include <dlfcn.h>

#include <system_error>

namespace vx11 {

namespace fs = std::filesystem;

using WindowEntry = int (*)(int argc, char** argv);

std::vector<fs::path> window_module_candidates(const fs::path& executable) {
  const fs::path lib = executable.parent_path().parent_path() / "lib";
  return {lib / "vx11" / kWindowModuleFile, lib / kWindowModuleFile};
}

fs::path running_executable() {
  std::error_code ec;
  fs::path p = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : p;
}

int run_window_module(const std::vector<fs::path>& candidates, int argc, char** argv, std::ostream& err) {
  const fs::path* found = nullptr;
  for (const auto& c : candidates) {
    std::error_code ec;
    if (fs::is_regular_file(c, ec)) {
      found = &c;
      break;
    }
  }
  if (!found) {
    err << "Fenstermodul " << kWindowModuleFile << " nicht gefunden (gesucht:";
    for (const auto& c : candidates) err << ' ' << c.string();
    err << ") !\n";
    return 1;
  }
  // Resolved at once, so a module that does not fit the program fails here with a reason,
  // not later in the middle of a command. It stays loaded until the process ends.
  void* module = dlopen(found->c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) {
    const char* why = dlerror();
    err << "Fenstermodul " << found->string() << " kann nicht geladen werden: " << (why ? why : "?") << '\n';
    return 1;
  }
  auto entry = reinterpret_cast<WindowEntry>(dlsym(module, kWindowEntryPoint));
  if (!entry) {
    err << "Fenstermodul " << found->string() << " hat keinen Einstieg " << kWindowEntryPoint << '\n';
    return 1;
  }
  return entry(argc, argv);
}

int run_window_module(int argc, char** argv, std::ostream& err) {
  return run_window_module(window_module_candidates(running_executable()), argc, argv, err);
}

}  // namespace vx11
