#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "help/help_file.h"
#include "base/help_numbers.h"
#include "help/help_paths.h"
#include "help/help_show.h"
#include "help/hpgl_reader.h"
#include "help/picture_index.h"
#include "help_test_support.h"
#include "base/interaction.h"
#include "tests/support/files.h"

namespace vx11 {
namespace {

const std::string kData = VX11_DATA_DIR;

using test::read_file;

// Picture bounds: everything must lie in the 120 by 160 mm help window.
class BoundsSink : public test::RecordingSink {
 public:
  void moveTo(Real x, Real y) override { check(x, y); }
  void lineTo(Real x, Real y) override {
    check(x, y);
    ++lines;
  }
  void text(Real x, Real y, std::string_view t, Real, Real, Real) override {
    check(x, y);
    texts.emplace_back(t);
  }
  void check(Real x, Real y) {
    if (x < 0 || x > kHelpWorldWidth || y < 0 || y > kHelpWorldHeight) outside = true;
  }
  int lines = 0;
  bool outside = false;
  std::vector<std::string> texts;
};

TEST(ShippedHelp, EveryHelpNumberHasItsText) {
  for (int n : kHelpNumbers) {
    SCOPED_TRACE(n);
    const HelpLookup found = lookupHelp(kData, "vx11", n);
    ASSERT_EQ(found.status, HelpLookup::Status::Found);
    EXPECT_FALSE(found.entry.lines[0].empty());
    // A picture named in an entry is shipped.
    if (!found.entry.picture.empty()) {
      EXPECT_TRUE(std::filesystem::exists(helpPicturePath(kData, found.entry))) << found.entry.picture;
    }
  }
  for (int n : {kHelpDimensionsAndMaterials, kHelpPictureKA, kHelpPictureFW, kHelpPictureFL})
    EXPECT_FALSE(lookupHelp(kData, "vx11", n).entry.picture.empty()) << n;
}

TEST(ShippedHelp, FilesAreCodePage850WithCrLf) {
  for (const char* name : {"vx11.hlp", "korvant.hlp", "vx11.dbh"}) {
    SCOPED_TRACE(name);
    const std::string bytes = read_file(helpFolderFile(kData, name));
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    std::istringstream lines(bytes);
    std::string line;
    while (std::getline(lines, line)) {
      ASSERT_FALSE(line.empty());
      EXPECT_EQ(line.back(), '\r') << line;
      // UTF-8 would show as lead bytes 0xC3 (Ã in code page 850 is 0xC7).
      EXPECT_EQ(line.find('\xC3'), std::string::npos) << line;
    }
  }
  // The umlauts are the code page 850 ones.
  EXPECT_NE(read_file(helpFolderFile(kData, "vx11.hlp")).find("St\x81tzfaktor"), std::string::npos);
}

TEST(ShippedHelp, IndexNamesShippedPictures) {
  ScriptedInteraction ui;
  const std::optional<PictureIndex> index = PictureIndexFile{kData, "vx11"}.read(ui);
  ASSERT_TRUE(index);
  EXPECT_FALSE(index->malformed);
  ASSERT_GE(index->entries.size(), 4u);
  for (const PictureIndexEntry& e : index->entries) {
    SCOPED_TRACE(e.name);
    const std::string path = pictureFilePath(kData, e.name);
    ASSERT_TRUE(std::filesystem::exists(path));
    BoundsSink sink;
    const bool cancelled = false;
    readHpgl(read_file(path), sink, cancelled);
    EXPECT_GT(sink.lines, 10);
    EXPECT_FALSE(sink.texts.empty());
    EXPECT_FALSE(sink.outside);
  }
}

}  // namespace
}  // namespace vx11
