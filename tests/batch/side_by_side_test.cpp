// Runs side by side and runs of other users share nothing: as the unprivileged user "nobody", with
// the installed, read-only table folder, and with links planted in the shared temporary folder.
#include <sys/stat.h>

#include "tests/batch/batch_fixture.h"

namespace vx11::test {
namespace {

namespace fs = std::filesystem;

// Item 4: forty /I runs at once, all from the read-only installed tables: every report is the
// correct one, and nothing is left in the shared temporary folder.
TEST(BatchSideBySide, FortyRunsOfAnUnprivilegedUserGiveFortyCorrectReports) {
  std::string as, why;
  if (!unprivileged(as, why)) GTEST_SKIP() << why;
  BatchFolder f("forty");
  f.example("beispiel.vxk");
  // The reference: one run alone.
  ASSERT_EQ(f.run("beispiel.vxk /I").exit_code, 0);
  const std::string reference = masked(f.read("beispiel.txt"));
  ASSERT_NE(reference.find("Scheibenfeder DIN 6888 - 6 x 7.5"), std::string::npos);
  for (int i = 1; i <= 40; ++i) f.example("beispiel.vxk", "r" + std::to_string(i) + ".vxk");
  // The unprivileged user cannot write the tables: the folder belongs to the build's owner.
  const Outcome probe = f.script("test -w '" VX11_DATA_DIR "' || test -w '" VX11_DATA_DIR "/din6888.dbf' && echo writable", as);
  if (probe.out.find("writable") != std::string::npos) GTEST_SKIP() << "the table folder is writable for the test user";
  const Outcome r = f.script(
      "pids=; for i in $(seq 1 40); do \"$WVX11\" r$i.vxk /I & pids=\"$pids $!\"; done; fails=0; "
      "for p in $pids; do wait $p || fails=$((fails+1)); done; echo failed=$fails",
      as);
  EXPECT_NE(r.out.find("failed=0"), std::string::npos) << r.out << r.err;
  EXPECT_EQ(r.err, "");
  for (int i = 1; i <= 40; ++i) {
    const std::string report = f.read("r" + std::to_string(i) + ".txt");
    EXPECT_EQ(masked(report), reference) << "report " << i;
  }
  EXPECT_TRUE(f.temp_leftovers().empty()) << "no table copy and no private folder is left behind";
}

// Item 4: files and links another user plants in the shared temporary folder under the names a run
// used to write there are neither read nor followed.
// As the unprivileged user where the machine has one, so that the installed tables are read-only.
TEST(BatchSideBySide, PlantedLinksInTheTemporaryFolderAreNotFollowed) {
  std::string as, why;
  if (!unprivileged(as, why)) as.clear();
  BatchFolder f("planted");
  f.example("beispiel.vxk");
  const fs::path victim = f.root / "victim.txt";
  write_file(victim, "darf sich nicht \xE4ndern\n");
  fs::permissions(victim, fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec));
  for (const char* name : {"din6888.dbf", "KORVIGES.$$$", "$$$1.txt", "$$1.txt", "outwin.txt", "$OUT1.TMP",
                           "OUTDOS.TXT", "TEST.$$$", "vx11.err"})
    fs::create_symlink(victim, f.temp / name);
  // A bogus key table of the same name as the real one, as another user could leave it.
  fs::remove(f.temp / "din6888.dbf");
  write_file(f.temp / "din6888.dbf", std::string(600, '\0'));
  const auto planted = f.temp_leftovers();
  for (const char* option : {"/I", "/CAD1:1", "/CAD2:1", "/CAD5:4"}) {
    SCOPED_TRACE(option);
    const Outcome r = f.run(std::string("beispiel.vxk ") + option, "", as);
    EXPECT_EQ(r.exit_code, 0) << r.err;
  }
  EXPECT_EQ(read_file(victim), "darf sich nicht \xE4ndern\n");
  EXPECT_NE(f.read("beispiel.txt").find("Scheibenfeder DIN 6888 - 6 x 7.5"), std::string::npos);
  auto left = f.temp_leftovers();
  std::sort(left.begin(), left.end());
  auto before = planted;
  std::sort(before.begin(), before.end());
  EXPECT_EQ(left, before) << "the runs add nothing to the shared folder and remove nothing of others";
}

// Item 3: a folder the user cannot write to: the run says so and ends with 1; an older output of
// another user stays as it is.
TEST(BatchSideBySide, UnwritableFolderEndsWithOne) {
  std::string as, why;
  if (!unprivileged(as, why)) GTEST_SKIP() << why;
  BatchFolder f("unwritable");
  f.example("beispiel.vxk");
  f.write("beispiel.dxf", "alt\n");
  fs::permissions(f.work, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
  for (const auto& [option, output] : {std::pair{"/I", "beispiel.txt"}, {"/CAD1:1", "beispiel.dxf"}}) {
    SCOPED_TRACE(option);
    const Outcome r = f.run(std::string("beispiel.vxk ") + option, "", as);
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_NE(r.err.find(std::string(output) + " nicht geschrieben, eine vorhandene Datei bleibt unver\xC3\xA4ndert: "
                                               "Schreibschutz entfernen !"),
              std::string::npos)
        << r.err;
  }
  EXPECT_FALSE(f.exists("beispiel.txt"));
  EXPECT_EQ(f.read("beispiel.dxf"), "alt\n");
  // A fatal run cannot remove the older file it leaves: it says so.
  f.write("tn0.vxk", with_line(f.read("beispiel.vxk"), 21, "0"));
  f.write("tn0.txt", "alt\n");
  const Outcome r = f.run("tn0.vxk /I", "", as);
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("konnte nicht gel\xC3\xB6scht werden"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace vx11::test
