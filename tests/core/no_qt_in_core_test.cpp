// The core folders build and run without a display: none of them may include Qt. And every folder
// uses only the folders below it, so each one can be read, built and tested on top of its lower ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

TEST(CoreIsFreeOfQt, NoQtIncludeInCoreFolders) {
  const fs::path root = VX11_SOURCE_DIR;
  std::string hits;
  for (const char* dir : {"base", "calc", "project", "report", "draw", "cad", "docu", "help"}) {
    if (!fs::exists(root / dir)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(root / dir)) {
      if (!entry.is_regular_file()) continue;
      const auto rel = fs::relative(entry.path(), root).generic_string();
      if (rel.starts_with("draw/qt/")) continue;  // the Qt painter of the drawings sits on top
      const auto ext = entry.path().extension();
      if (ext != ".h" && ext != ".cpp") continue;
      std::ifstream in(entry.path());
      std::string line;
      for (int n = 1; std::getline(in, line); ++n)
        if (line.find("#include <Q") != std::string::npos || line.find("#include \"Q") != std::string::npos)
          hits += rel + ":" + std::to_string(n) + "\n";
    }
  }
  EXPECT_EQ(hits, "");
}

// The layers, bottom up: base < calc < report, draw < docu < cad, help < project < ui, app.
// Each folder with the folders it may include besides itself. draw/qt, the Qt painter of the
// drawings, is a library of its own on top of the core.
const std::map<std::string, std::set<std::string>>& allowed_below() {
  static const std::map<std::string, std::set<std::string>> table = [] {
    std::map<std::string, std::set<std::string>> t;
    t["base"] = {};
    t["calc"] = {"base"};
    t["report"] = {"base", "calc"};
    t["draw"] = {"base", "calc"};
    t["docu"] = {"base", "calc", "report"};
    t["cad"] = {"base", "calc", "report", "draw", "docu"};
    t["help"] = {"base", "calc", "report", "draw", "docu"};
    t["project"] = {"base", "calc", "report", "draw", "docu", "cad", "help"};
    t["draw/qt"] = {"base", "calc", "report", "draw", "docu", "cad", "help", "project"};
    t["ui"] = {"base", "calc", "report", "draw", "docu", "cad", "help", "project", "draw/qt"};
    t["app"] = {"base", "calc", "report", "draw", "docu", "cad", "help", "project", "draw/qt", "ui"};
    return t;
  }();
  return table;
}

// The layer folder of a path inside the tree ("calc/rating.h" -> "calc", "draw/qt/x.h" -> "draw/qt").
std::string folder_of(const std::string& path) {
  if (path.starts_with("draw/qt/")) return "draw/qt";
  return path.substr(0, path.find('/'));
}

// The folder a quoted include names; empty for other includes.
std::string included_folder(const std::string& line) {
  const auto hash = line.find_first_not_of(" \t");
  if (hash == std::string::npos || line[hash] != '#') return {};
  const auto word = line.find_first_not_of(" \t", hash + 1);
  if (word == std::string::npos || line.compare(word, 7, "include") != 0) return {};
  const auto quote = line.find('"', word + 7);
  if (quote == std::string::npos) return {};
  const auto slash = line.find('/', quote + 1);
  const auto end = line.find('"', quote + 1);
  if (slash == std::string::npos || end == std::string::npos || slash > end) return {};
  return folder_of(line.substr(quote + 1, end - quote - 1));
}

// Every include of a layer folder (sources and headers, subfolders counted to their folder) that
// names a folder not below it, as "file:line: folder -> included".
std::string layer_violations(const fs::path& root) {
  std::string hits;
  for (const auto& [dir, below] : allowed_below()) {
    if (!fs::exists(root / dir)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(root / dir)) {
      const auto ext = entry.path().extension();
      if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
      const auto rel = fs::relative(entry.path(), root).generic_string();
      if (folder_of(rel) != dir) continue;  // a subfolder with a row of its own
      std::ifstream in(entry.path());
      std::string line;
      for (int n = 1; std::getline(in, line); ++n) {
        const std::string target = included_folder(line);
        if (target.empty() || target == dir || below.contains(target)) continue;
        // Headers the build generates (vx11/install_layout.h) belong to no layer.
        if (!allowed_below().contains(target)) continue;
        hits += rel + ":" + std::to_string(n) + ": " + dir + " -> " + target + "\n";
      }
    }
  }
  return hits;
}

TEST(LayerOrder, EveryIncludeGoesDown) { EXPECT_EQ(layer_violations(VX11_SOURCE_DIR), ""); }

TEST(LayerOrder, AnUpwardOrSidewaysIncludeIsNamedWithFileAndLine) {
  const fs::path root = fs::path(::testing::TempDir()) / ("layer_order_" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root / "calc");
  fs::create_directories(root / "report" / "deep");
  fs::create_directories(root / "draw" / "qt");
  std::ofstream(root / "calc" / "a.cpp") << "#include \"calc/a.h\"\n#include \"base/text.h\"\n"
                                         << "  #  include \"project/session.h\"\n";
  std::ofstream(root / "report" / "deep" / "b.h") << "// #include \"ui/x.h\" is only a comment\n"
                                                  << "#include <vector>\n#include \"draw/geometry.h\"\n";
  std::ofstream(root / "draw" / "qt" / "c.cpp") << "#include \"project/program_state.h\"\n";
  std::ofstream(root / "draw" / "d.cpp") << "#include \"draw/qt/painter.h\"\n";
  const std::string found = layer_violations(root);
  fs::remove_all(root);
  EXPECT_EQ(found,
            "calc/a.cpp:3: calc -> project\n"
            "draw/d.cpp:1: draw -> draw/qt\n"
            "report/deep/b.h:3: report -> draw\n");
}

}  // namespace
