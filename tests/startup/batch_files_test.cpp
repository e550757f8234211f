// The pieces the command-line outputs share: output names, the same-file check, the private
// temporary folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "base/output_name.h"
#include "project/private_temp_folder.h"
#include "tests/support/scratch_folder.h"

namespace vx11 {
namespace {

namespace fs = std::filesystem;

TEST(OutputName, LastExtensionIsReplaced) {
  const struct {
    const char* input;
    const char* ext;
    const char* output;
  } cases[] = {
      {"welle.vxk", "txt", "welle.txt"},
      {"welle.v2.vxk", "txt", "welle.v2.txt"},
      {".hidden.vxk", "txt", ".hidden.txt"},
      {".hidden", "txt", ".hidden.txt"},
      {"kunde.vxk.vxk", "dxf", "kunde.vxk.dxf"},
      {"ohne", "igs", "ohne.igs"},
      {"ordner.d/welle", "txt", "ordner.d/welle.txt"},
      {"/daten/pr\xC3\xBC" "fst\xC3\xBC" "ck.vxk", "json", "/daten/pr\xC3\xBC" "fst\xC3\xBC" "ck.json"},
      {"job.txt", "txt", "job.txt"},
  };
  for (const auto& c : cases) EXPECT_EQ(output_file_name(c.input, c.ext), c.output) << c.input;
}

TEST(OutputName, SameFileThroughLinksAndDots) {
  const fs::path dir = vx11::test::make_unique_folder("/tmp/vx11_same_XXXXXX");
  ASSERT_FALSE(dir.empty());
  std::ofstream(dir / "job.txt") << "x";
  fs::create_symlink("job.txt", dir / "link.txt");
  fs::create_hard_link(dir / "job.txt", dir / "hard.txt");
  EXPECT_TRUE(same_file((dir / "job.txt").string(), (dir / "job.txt").string()));
  EXPECT_TRUE(same_file((dir / "job.txt").string(), (dir / "." / "sub" / ".." / "job.txt").string()));
  EXPECT_TRUE(same_file((dir / "link.txt").string(), (dir / "job.txt").string()));
  EXPECT_TRUE(same_file((dir / "hard.txt").string(), (dir / "job.txt").string()));
  EXPECT_TRUE(same_file((dir / "neu.txt").string(), (dir / "." / "neu.txt").string()));
  EXPECT_FALSE(same_file((dir / "job.txt").string(), (dir / "job.vxk").string()));
  fs::remove_all(dir);
}

TEST(PrivateTempFolder, OwnerOnlyInsideTheBaseMadeWhenFirstNeededAndGoneAtTheEnd) {
  const fs::path base = vx11::test::make_unique_folder("/tmp/vx11_private_XXXXXX");
  ASSERT_FALSE(base.empty());
  std::string first;
  {
    PrivateTempFolder a(base.string());
    PrivateTempFolder b(base.string());
    EXPECT_FALSE(a.made()) << "a run that needs no temporary file makes no folder";
    EXPECT_TRUE(fs::is_empty(base));
    EXPECT_NE(a.path(), b.path()) << "two runs never share a folder";
    ASSERT_TRUE(a.made());
    EXPECT_EQ(a.path().rfind(base.string() + "/vx11-", 0), 0u) << a.path();
    EXPECT_EQ(a.path().back(), '/');
    struct stat st {};
    ASSERT_EQ(::stat(a.path().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(st.st_uid, ::geteuid());
    std::ofstream(a.path() + "outwin.txt") << "x";
    fs::create_directories(a.path() + "sub");
    first = a.path();
    a.place_in(base.string());  // the same base: the same folder
    EXPECT_EQ(a.path(), first);
    fs::create_directories(base / "other");
    a.place_in((base / "other").string());  // another base: the old folder is gone, a new one follows
    EXPECT_FALSE(fs::exists(first));
    EXPECT_EQ(a.path().rfind((base / "other").string() + "/vx11-", 0), 0u);
    first = a.path();
  }
  EXPECT_FALSE(fs::exists(first));
  EXPECT_TRUE(fs::is_empty(base / "other"));
  // Where no folder can be made the files go to the base itself, and fail there as they would.
  PrivateTempFolder missing((base / "fehlt").string());
  EXPECT_EQ(missing.path(), (base / "fehlt").string() + "/");
  EXPECT_FALSE(missing.made());
  fs::remove_all(base);
}

}  // namespace
}  // namespace vx11
