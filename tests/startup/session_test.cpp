#include "project/session.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vx11 {
namespace {

TEST(Caption, TitleNameAndExtension) {
  const ProgramIdentity id;
  Session s;
  EXPECT_EQ(caption_text(id, s), "VX11  -  Scheibenfederberechnung");
  s.current_file = "test";
  EXPECT_EQ(caption_text(id, s), "VX11  -  Scheibenfederberechnung  -  " + nameText("test.vxk"));
  s.current_file = "dir/test.vxk";
  EXPECT_EQ(caption_text(id, s), "VX11  -  Scheibenfederberechnung  -  " + nameText("dir/test.vxk"));
  // A name is shown as the file system gives it, in any conversion mode.
  s.current_file = "Pr\xC3\xBC" "fst\xC3\xBC" "ck_\xC3\xA4.vxk";
  FormatSettings ascii;
  ascii.ascii_mode = true;
  for (const FormatSettings& f : {FormatSettings{}, ascii})
    EXPECT_EQ(toWindows(f, caption_text(id, s)), "VX11  -  Scheibenfederberechnung  -  Pr\xC3\xBC" "fst\xC3\xBC" "ck_\xC3\xA4.vxk");
}

TEST(RecentFiles, HeadDedupAndOverflow) {
  Session s;
  s.data_directory = "/data";
  add_recent_file(s, "a");
  add_recent_file(s, "b");
  add_recent_file(s, "A");  // the same file by the case-blind comparison
  EXPECT_EQ(s.recent[0], "/data/A.vxk");
  EXPECT_EQ(s.recent[1], "/data/b.vxk");
  EXPECT_EQ(s.recent[2], "");
  add_recent_file(s, "c");
  add_recent_file(s, "d");
  add_recent_file(s, "e");  // the fifth distinct file drops the oldest
  EXPECT_EQ(s.recent[0], "/data/e.vxk");
  EXPECT_EQ(s.recent[3], "/data/A.vxk");
  remove_recent_file(s, 2);
  EXPECT_EQ(s.recent[1], "/data/c.vxk");
  EXPECT_EQ(s.recent[3], "");
  EXPECT_EQ(recent_file_caption(s, 1), "&1 " + nameText("/data/e.vxk"));
  s.recent[0] = "/home/someone/projects/keys/2026/december/connection-17.vxk";
  EXPECT_EQ(recent_file_short_name(s, 1), "/.../connection-17.vxk");
  EXPECT_EQ(recent_file_caption(s, 1), "&1 " + nameText("/.../connection-17.vxk"));
}

TEST(SessionFile, RoundTripAndShortFile) {
  const ProgramIdentity id;
  Session s;
  s.data_directory = "/data";
  s.recent = {"/data/a.vxk", "", "/x/b.vxk", ""};
  std::ostringstream out;
  write_session_file(out, id, s);
  EXPECT_EQ(out.str(), "vx11 Session /data\r\n/data/a.vxk\r\n\r\n/x/b.vxk\r\n\r\n");
  Session back;
  std::istringstream in(out.str());
  read_session_file(in, back);
  EXPECT_EQ(back.recent, s.recent);
  std::istringstream shortFile("vx11 Session\r\n/one.vxk\r\n");
  Session partial;
  partial.recent = {"x", "y", "z", "w"};
  read_session_file(shortFile, partial);
  EXPECT_EQ(partial.recent[0], "/one.vxk");
  EXPECT_EQ(partial.recent[1], "");
}

}  // namespace
}  // namespace vx11
