// The names of the screen's block files and their clean-up, shared by the output layer and the
// program's end.
#include "cad/block_files.h"

#include "tests/cad/cad_fixture.h"

namespace vx11::test {
namespace {

namespace fs = std::filesystem;

TEST(BlockFiles, NameStaysInTheFolder) {
  EXPECT_EQ(temporary_block_file("/tmp/x", "LOGO_2"), "/tmp/x/$LOGO_2.dx$");
  EXPECT_EQ(temporary_block_file("/tmp/x/", "a/../b"), "/tmp/x/$a_.._b.dx$");
  EXPECT_EQ(temporary_block_file("", "B"), "$B.dx$");
}

TEST(BlockFiles, CleanUpRemovesOnlyBlockFiles) {
  const fs::path folder = scratchFolder("block_files_clean_up");
  for (const char* name : {"$B1.dx$", "$.dx$", "B1.dx$", "$B1.dxf", "$B1.dx"}) test::write_file(folder / name, "EOF");
  remove_temporary_block_files(folder.string());
  EXPECT_FALSE(fs::exists(folder / "$B1.dx$"));
  EXPECT_FALSE(fs::exists(folder / "$.dx$"));
  EXPECT_TRUE(fs::exists(folder / "B1.dx$"));
  EXPECT_TRUE(fs::exists(folder / "$B1.dxf"));
  EXPECT_TRUE(fs::exists(folder / "$B1.dx"));
  remove_temporary_block_files((folder / "missing").string());  // no folder: nothing to do
}

}  // namespace
}  // namespace vx11::test
