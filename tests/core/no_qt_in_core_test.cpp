// The core folders build and run without a display: none of them may include Qt.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

TEST(CoreIsFreeOfQt, NoQtIncludeInCoreFolders) {
  namespace fs = std::filesystem;
  const fs::path root = VX11_SOURCE_DIR;
  std::string hits;
  for (const char* dir : {"calc", "project", "report", "draw", "cad", "docu", "help"}) {
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

}  // namespace
