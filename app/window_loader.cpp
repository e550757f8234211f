#include "app/window_loader.h"

#include <dlfcn.h>

#include <cstdlib>
#include <string_view>
#include <system_error>

#include "base/paths.h"
#include "vx11/install_layout.h"

namespace vx11 {

namespace fs = std::filesystem;

using WindowEntry = int (*)(int argc, char** argv);

std::vector<fs::path> window_module_candidates(const fs::path& executable) {
  const fs::path bin = executable.parent_path();
  return {(bin / kModuleFolderFromBin / kWindowModuleFile).lexically_normal(),
          (bin / kLibFolderFromBin / kWindowModuleFile).lexically_normal()};
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

bool window_can_show(const char* (*environment)(const char*)) {
  const auto set = [&](const char* name) {
    const char* v = environment(name);
    return v != nullptr && *v != '\0';
  };
  if (set("DISPLAY") || set("WAYLAND_DISPLAY")) return true;
  // Qt takes a list of platforms separated by ";", each with options after ":".
  const char* platforms = environment("QT_QPA_PLATFORM");
  std::string_view rest = platforms ? platforms : "";
  while (!rest.empty()) {
    const auto end = rest.find(';');
    std::string_view one = rest.substr(0, end);
    one = one.substr(0, one.find(':'));
    for (std::string_view headless : {"offscreen", "minimal", "minimalegl", "vnc", "linuxfb", "eglfs", "vkkhrdisplay"})
      if (one == headless) return true;
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  return false;
}

std::string no_display_text() {
  return "wvx11: kein Bildschirm für das Fenster (DISPLAY ist nicht gesetzt).\n"
         "Ohne Fenster: wvx11 Datei.vxk /I       -> Bericht Datei.txt\n"
         "              wvx11 Datei.vxk /CADi:j  -> Zeichnung (i: 1=DXF, 2=IGS, 5=TXT; j: 1..4)\n"
         "              wvx11 /?                 -> Hilfe\n";
}

int run_window_module(int argc, char** argv, std::ostream& err) {
  if (!window_can_show([](const char* name) -> const char* { return std::getenv(name); })) {
    err << no_display_text();
    return 1;
  }
  return run_window_module(window_module_candidates(running_executable()), argc, argv, err);
}

}  // namespace vx11
