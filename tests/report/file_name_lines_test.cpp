// The input file's name in a page header: shown as the file system gives it in everything converted
// for the window, its frame kept in place, and in code page 850 in a file kept in code page 850.
#include <gtest/gtest.h>

#include <sstream>

#include "printout_fixture.h"
#include "base/text.h"

namespace vx11 {
namespace {

const std::string kFolder = "/daten/\xC3\x96l";                             // "/daten/Öl", UTF-8
const std::string kFile = "Pr\xC3\xBC" "fst\xC3\xBC" "ck_\xC3\xA4";        // "Prüfstück_ä"

class FileNameLines : public ::testing::Test, public test::PrintoutFixture {
 protected:
  FileNameLines() {
    ReportSource source = stream.source();
    source.data_directory = kFolder;
    source.file_name = kFile;
    stream.set_source(source);
  }
  // The fourth line of a page header (the file name) on `channel`, as it stands in the stream.
  std::string name_line(int channel) {
    std::ostringstream out;
    EXPECT_TRUE(stream.open(channel, "", &out));
    stream.set_page_header("", "Zeile 1", "", "", "", 1);
    stream.page_header(1, 0);
    stream.close();
    std::istringstream lines(out.str());
    std::string line;
    for (int i = 0; i < 4; ++i) std::getline(lines, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }
};

// Characters on screen: UTF-8 lead bytes.
std::size_t characters(const std::string& utf8) {
  std::size_t n = 0;
  for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

TEST_F(FileNameLines, TheWindowShowsTheNameAndTheFrameStaysInPlace) {
  const std::string stream_line = name_line(kChannelScreen);
  FormatSettings ascii = format;
  ascii.ascii_mode = true;
  for (const FormatSettings* f : {&format, &ascii}) {
    const std::string shown = toWindows(*f, stream_line);
    const std::string expected_name = kFolder + "/" + kFile + ".vxk";
    ASSERT_NE(shown.find(expected_name), std::string::npos) << shown;
    // Margin of seven, the side at column 1 and 70 of the frame, 71 characters in all.
    EXPECT_EQ(characters(shown), 7u + 71u) << shown;
    EXPECT_EQ(shown.find(expected_name), std::string("       ").size() + std::string(f->ascii_mode ? "|" : "\xE2\x95\x91").size() + 4)
        << shown;
    EXPECT_EQ(shown.find("\xE2\x94\x9C"), std::string::npos);  // no "├" of a second conversion
  }
}

TEST_F(FileNameLines, AFileKeptInCodePage850GetsTheNameInThatCodePage) {
  const std::string line = name_line(kChannelFile);
  EXPECT_NE(line.find("/daten/\x99l/Pr\x81" "fst\x81" "ck_\x84.vxk"), std::string::npos);
  EXPECT_EQ(line.find(kNameStart), std::string::npos);
  EXPECT_EQ(line.size(), 7u + 71u);
}

TEST_F(FileNameLines, ALongNameIsCutAfterWholeCharacters) {
  ReportSource source = stream.source();
  source.data_directory = "";
  source.file_name = std::string(60, 'a') + "\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4";  // 65 characters
  stream.set_source(source);
  const std::string shown = toWindows(format, name_line(kChannelScreen));
  EXPECT_EQ(characters(shown), 7u + 71u) << shown;
  // Room for 64 characters between column 6 and the side: the fifth "ä" is cut, not a byte of one.
  EXPECT_NE(shown.find(std::string(60, 'a') + "\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xE2\x95\x91"), std::string::npos)
      << shown;
}

}  // namespace
}  // namespace vx11
