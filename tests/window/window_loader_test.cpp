#include "app/window_loader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "base/paths.h"

namespace vx11 {
namespace {

namespace fs = std::filesystem;

class WindowLoader : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("vx11_loader_" + std::to_string(::getpid()));
    fs::remove_all(root);
  }
  void TearDown() override { fs::remove_all(root); }
  // Places a module where a program in <root>/<prefix>/bin looks for it. Every case takes its
  // own prefix: a loaded module stays loaded, and its path would give back the same one.
  void place(const std::string& prefix, const char* module, const fs::path& folder) {
    fs::create_directories(root / prefix / folder);
    fs::copy_file(module, root / prefix / folder / kWindowModuleFile);
  }
  int run(const std::string& prefix, std::ostringstream& err) {
    char name[] = "wvx11", file[] = "welle.vxk";
    char* argv[] = {name, file, nullptr};
    return run_window_module(window_module_candidates(root / prefix / "bin" / "wvx11"), 2, argv, err);
  }
  fs::path root;
};

// A window needs a display, or a Qt platform that needs none; otherwise the start is refused
// before the module is loaded.
TEST(WindowDisplay, ADisplayOrAPlatformWithoutOne) {
  static std::map<std::string, std::string> env;
  const auto get = [](const char* name) -> const char* {
    const auto it = env.find(name);
    return it == env.end() ? nullptr : it->second.c_str();
  };
  const struct {
    std::map<std::string, std::string> vars;
    bool shows;
  } cases[] = {
      {{}, false},
      {{{"DISPLAY", ":0"}}, true},
      {{{"DISPLAY", ""}}, false},
      {{{"WAYLAND_DISPLAY", "wayland-0"}}, true},
      {{{"QT_QPA_PLATFORM", "offscreen"}}, true},
      {{{"QT_QPA_PLATFORM", "minimal"}}, true},
      {{{"QT_QPA_PLATFORM", "vnc:size=800x600"}}, true},
      {{{"QT_QPA_PLATFORM", "xcb"}}, false},
      {{{"QT_QPA_PLATFORM", "wayland;xcb"}}, false},
      {{{"QT_QPA_PLATFORM", "xcb;offscreen"}}, true},
  };
  for (const auto& c : cases) {
    env = c.vars;
    EXPECT_EQ(window_can_show(get), c.shows) << (c.vars.empty() ? "nothing set" : c.vars.begin()->second);
  }
  const std::string text = no_display_text();
  EXPECT_NE(text.find("/I"), std::string::npos);
  EXPECT_NE(text.find("/CADi:j"), std::string::npos);
}

TEST_F(WindowLoader, LooksInTheInstalledThenTheBuildTreeFolder) {
  const auto c = window_module_candidates("/opt/vx11/bin/wvx11");
  ASSERT_EQ(c.size(), 2u);
  EXPECT_EQ(c[0], fs::path("/opt/vx11/lib/vx11/vx11_ui.so"));
  EXPECT_EQ(c[1], fs::path("/opt/vx11/lib/vx11_ui.so"));
  EXPECT_EQ(fs::path(running_executable()).filename(), "test_window");
}

TEST_F(WindowLoader, MissingModuleIsReportedWithThePlacesSearched) {
  std::ostringstream err;
  EXPECT_EQ(run("none", err), 1);
  EXPECT_NE(err.str().find("Fenstermodul vx11_ui.so nicht gefunden"), std::string::npos) << err.str();
  EXPECT_NE(err.str().find((root / "none" / "lib" / "vx11" / "vx11_ui.so").string()), std::string::npos);
  EXPECT_NE(err.str().find((root / "none" / "lib" / "vx11_ui.so").string()), std::string::npos);
}

TEST_F(WindowLoader, EntryPointGetsTheArgumentsAndItsExitCodeIsReturned) {
  for (const char* folder : {"lib/vx11", "lib"}) {
    const std::string prefix = fs::path(folder).filename().string();
    place(prefix, VX11_STUB_MODULE, folder);
    std::ostringstream err;
    EXPECT_EQ(run(prefix, err), 42) << folder;
    EXPECT_EQ(err.str(), "");
  }
}

TEST_F(WindowLoader, BrokenModulesAreReported) {
  struct Case {
    const char* name;
    const char* module;
    const char* message;
  };
  fs::create_directories(root / "junk");
  const std::string junk = (root / "junk" / "not_a_library").string();
  { std::ofstream(junk) << "no ELF here"; }
  const Case cases[] = {
      {"no_entry", VX11_NO_ENTRY_MODULE, "hat keinen Einstieg vx11_window_main"},
      {"not_a_library", junk.c_str(), "kann nicht geladen werden"},
  };
  for (const auto& c : cases) {
    place(c.name, c.module, "lib/vx11");
    std::ostringstream err;
    EXPECT_EQ(run(c.name, err), 1) << c.name;
    EXPECT_NE(err.str().find(c.message), std::string::npos) << c.name << ": " << err.str();
  }
}

// The real module holds its own core: it binds at once in a program that exports nothing, as
// wvx11 does.
TEST(WindowModule, IsSelfContained) {
  void* module = dlopen(VX11_UI_MODULE, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(module, nullptr) << dlerror();
  EXPECT_NE(dlsym(module, kWindowEntryPoint), nullptr);
  EXPECT_EQ(fs::path(VX11_UI_MODULE).parent_path(), fs::path(VX11_BIN_DIR).parent_path() / "lib");
}

}  // namespace
}  // namespace vx11
