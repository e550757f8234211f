// Saving and opening input data files on disk: names, questions, archive mode, template, and
// saves that fail without harming the previous file.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "project/input_data.h"
#include "project/input_file.h"
#include "tests/datafile/sample_inputs.h"
#include "tests/support/files.h"

namespace vx11 {
namespace {

namespace fs = std::filesystem;

// Remembers the folder each file dialog opened in.
class DialogInteraction : public ScriptedInteraction {
 public:
  std::vector<std::string> folders;
  std::optional<std::string> open_file(const std::string& title, const std::string& folder,
                                       const std::string& filter) override {
    folders.push_back(folder);
    return ScriptedInteraction::open_file(title, folder, filter);
  }
  std::optional<std::string> save_file(const std::string& title, const std::string& folder, const std::string& name,
                                       const std::string& filter) override {
    folders.push_back(folder);
    return ScriptedInteraction::save_file(title, folder, name, filter);
  }
};

using test::read_file;
using test::write_file;

class InputFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("vx11_datafile_" + std::to_string(getpid()) + "_" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    session.data_directory = dir.string();  // without the trailing "/"
    test::SampleInputs s = test::full_inputs();
    rec = s.rec;
    doc = s.doc;
  }
  void TearDown() override { fs::remove_all(dir); }

  InputFileContext ctx() { return {rec, doc, format, ui, help_number, session, id}; }
  void write(const std::string& name, bool ask = true) {
    auto c = ctx();
    write_input_file(c, name, options, ask);
  }
  void read(const std::string& name) {
    auto c = ctx();
    read_input_file(c, name);
  }
  std::string expected_bytes() {
    std::ostringstream out;
    write_input_data(out, rec, doc, format, id, options.owner_line);
    return out.str();
  }
  std::size_t files_in_dir() { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }

  fs::path dir;
  ConnectionRecord rec;
  Documentation doc;
  FormatSettings format;
  DialogInteraction ui;
  int help_number = 0;
  Session session;
  ProgramIdentity id;
  InputFileOptions options{false, "Werk 2"};
};

TEST_F(InputFileTest, NamesAreCompletedInTheDataDirectory) {
  write("welle");
  ASSERT_FALSE(rec.cancelled);
  EXPECT_EQ(read_file(dir / "welle.vxk"), expected_bytes());
  // A name with "." is taken as it is.
  write((dir / "nabe.dat").string());
  EXPECT_TRUE(fs::exists(dir / "nabe.dat"));
  EXPECT_EQ(files_in_dir(), 2u);  // and no temporary file is left
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(InputFileTest, ReadingRestoresWhatWasWritten) {
  write("paar");
  const ConnectionRecord saved = rec;
  const Documentation saved_doc = doc;
  set_startup_defaults(rec);
  reset_documentation(doc, "01.01.2000");
  read("paar");
  ASSERT_FALSE(rec.cancelled);
  EXPECT_EQ(rec.shaft_diameter_d, saved.shaft_diameter_d);
  EXPECT_EQ(doc.changes[24].description, saved_doc.changes[24].description);
  EXPECT_EQ(expected_bytes(), read_file(dir / "paar.vxk"));
}

TEST_F(InputFileTest, SaveDialogSetsFolderAndCurrentName) {
  fs::create_directories(dir / "sub");
  ui.files.emplace_back((dir / "sub" / "neu.VXK").string());
  write("");
  ASSERT_FALSE(rec.cancelled);
  EXPECT_EQ(ui.folders.at(0), dir.string());
  EXPECT_EQ(session.data_directory, (dir / "sub").string() + "/");
  EXPECT_EQ(session.current_file, "neu");
  EXPECT_TRUE(fs::exists(dir / "sub" / "neu.vxk"));

  write("");  // Cancel
  EXPECT_TRUE(rec.cancelled);
  EXPECT_EQ(session.current_file, "neu");
}

TEST_F(InputFileTest, OpenDialogSetsFolderAndCurrentName) {
  write("alt");
  ui.files.emplace_back((dir / "alt.vxk").string());
  session.data_directory.clear();
  read("");
  ASSERT_FALSE(rec.cancelled);
  EXPECT_EQ(session.current_file, "alt");
  EXPECT_EQ(session.data_directory, dir.string() + "/");
  read("");  // Cancel
  EXPECT_TRUE(rec.cancelled);
}

TEST_F(InputFileTest, OverwritingAsksUnlessSaveOrAktuell) {
  write_file(dir / "da.vxk", "alt\r\n");
  const std::string path = (dir / "da.vxk").string();
  struct Case {
    const char* name;
    std::string file;
    bool ask;
    Answer answer;
    bool questioned;
    bool written;
  };
  const Case cases[] = {
      {"No keeps the file", "da", true, Answer::No, true, false},
      {"Cancel keeps the file", "da", true, Answer::Cancel, true, false},
      {"Yes overwrites", "da", true, Answer::Yes, true, true},
      {"Save does not ask", "da", false, Answer::No, false, true},
      {"aktuell does not ask", "aktuell", true, Answer::No, false, true},
  };
  write_file(dir / "aktuell.vxk", "alt\r\n");
  for (const Case& c : cases) {
    write_file(dir / (c.file + ".vxk"), "alt\r\n");
    ui = DialogInteraction{};
    ui.answers = {c.answer};
    rec.cancelled = false;
    write(c.file, c.ask);
    EXPECT_EQ(!ui.asked.empty(), c.questioned) << c.name;
    EXPECT_EQ(rec.cancelled, !c.written) << c.name;
    EXPECT_EQ(read_file(dir / (c.file + ".vxk")) == "alt\r\n", !c.written) << c.name;
  }
  ui = DialogInteraction{};
  ui.answers = {Answer::No};
  rec.cancelled = false;
  write("da");
  EXPECT_EQ(ui.asked.at(0), id.title + "|" + path + " existiert bereits.   \x81" "berschreiben ?");
  EXPECT_EQ(help_number, 3055);
}

TEST_F(InputFileTest, InvalidNamesAreRefusedBeforeAnythingIsWritten) {
  const std::string missing = (dir / "fehlt" / "x.vxk").string();
  write(missing);
  EXPECT_TRUE(rec.cancelled);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0], std::string("Fehler : |Ung\x81ltiger Dateiname \"") + missing + "\" !");
  // A folder in the file's place is not overwritten either.
  fs::create_directories(dir / "ordner.vxk");
  rec.cancelled = false;
  write("ordner", false);
  EXPECT_TRUE(rec.cancelled);
  EXPECT_TRUE(fs::is_directory(dir / "ordner.vxk"));
}

TEST_F(InputFileTest, AWriteProtectedFileIsNotReplaced) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes any file";
  write_file(dir / "fest.vxk", "alt\r\n");
  fs::permissions(dir / "fest.vxk", fs::perms::owner_read);
  write("fest", false);
  EXPECT_TRUE(rec.cancelled);
  EXPECT_EQ(read_file(dir / "fest.vxk"), "alt\r\n");
}

TEST_F(InputFileTest, ArchiveModeAllowsOnlyAktuell) {
  session.started_with_file = true;
  options.archive_mode = true;
  write("kunde");
  EXPECT_TRUE(rec.cancelled);
  EXPECT_EQ(ui.shown.at(0),
            "Meldung:|File- und User- Befehle sind im Archivierungsmodus nicht m\x94glich.");
  EXPECT_FALSE(fs::exists(dir / "kunde.vxk"));
  rec.cancelled = false;
  write("aktuell");
  EXPECT_FALSE(rec.cancelled);
  EXPECT_TRUE(session.started_with_file);
  // Without the archive mode a save ends the started-with-a-file state.
  options.archive_mode = false;
  write("kunde");
  EXPECT_FALSE(rec.cancelled);
  EXPECT_FALSE(session.started_with_file);
}

TEST_F(InputFileTest, AnAbortFlagAlreadySetWritesNothing) {
  rec.cancelled = true;
  write("nie");
  EXPECT_FALSE(fs::exists(dir / "nie.vxk"));
}

TEST_F(InputFileTest, ReplacedFilesKeepTheirPermissions) {
  write_file(dir / "rechte.vxk", "alt\r\n");
  fs::permissions(dir / "rechte.vxk", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  write("rechte", false);
  EXPECT_EQ(fs::status(dir / "rechte.vxk").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// The size limit makes the operating system refuse the bytes beyond it, as a full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    old_signal_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lim = old_;
    lim.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lim);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, old_signal_);
  }

 private:
  rlimit old_{};
  void (*old_signal_)(int) = nullptr;
};

TEST_F(InputFileTest, AFailedWriteLeavesThePreviousFileUntouched) {
  const std::string old = "die alte Fassung\r\n";
  write_file(dir / "voll.vxk", old);
  {
    FileSizeLimit limit(1000);  // the new file is several kilobytes
    write("voll", false);
  }
  EXPECT_TRUE(rec.cancelled);
  EXPECT_EQ(read_file(dir / "voll.vxk"), old);
  EXPECT_EQ(files_in_dir(), 1u);  // no temporary file left behind
  ASSERT_EQ(ui.shown.size(), 1u);
  const std::string path = (dir / "voll.vxk").string();
  EXPECT_EQ(ui.shown[0], "Fehler : |Datei \"" + path +
                            "\" nicht gespeichert, die bisherige Datei bleibt unver\x84ndert: I/O-Error " +
                            std::to_string(EFBIG));
}

TEST_F(InputFileTest, ATemporaryFileThatCannotBeCreatedLeavesThePreviousFileUntouched) {
  // The longest name a folder takes: the temporary name beside it is one too long.
  const std::string name = std::string(251, 'n');
  const std::string old = "die alte Fassung\r\n";
  write_file(dir / (name + ".vxk"), old);
  write(name, false);
  EXPECT_TRUE(rec.cancelled);
  EXPECT_EQ(read_file(dir / (name + ".vxk")), old);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_TRUE(ui.shown[0].ends_with("unver\x84ndert: I/O-Error " + std::to_string(ENAMETOOLONG)));
}

TEST_F(InputFileTest, UnusableFilesLeaveTheInputsAsTheyAre) {
  const ConnectionRecord before = rec;
  struct Case {
    const char* name;
    std::string file;
    std::string message;
  };
  write_file(dir / "kurz.vxk", std::string(65, '-') + "\r\nnur der Kopf\r\n");
  fs::create_directories(dir / "ordner.vxk");
  const Case cases[] = {
      {"missing", "fehlt", "Fehler : |File " + (dir / "fehlt.vxk").string() + " not found !"},
      {"too short", "kurz", "Fehler : |Unvollst\x84ndige Datei \"" + (dir / "kurz.vxk").string() + "\" !"},
      {"a folder", "ordner",
       "Fehler : |Datei \"" + (dir / "ordner.vxk").string() + "\" ist keine Datei (Ordner) !"},
  };
  for (const Case& c : cases) {
    ui.shown.clear();
    rec.cancelled = false;
    read(c.file);
    EXPECT_TRUE(rec.cancelled) << c.name;
    EXPECT_EQ(rec.inner_part_name, before.inner_part_name) << c.name;
    EXPECT_EQ(doc.change_count, 25) << c.name;
    ASSERT_EQ(ui.shown.size(), 1u) << c.name;
    EXPECT_EQ(ui.shown[0], c.message) << c.name;
  }
}

TEST_F(InputFileTest, ErrorBoxesStayHiddenWhileTheErrorDisplayIsOff) {
  session.error_display = false;
  read("fehlt");
  EXPECT_TRUE(rec.cancelled);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(InputFileTest, AFileEndingInItsDocumentationIsTakenAndReported) {
  const std::string full = expected_bytes();
  std::size_t cut = 0;
  for (int i = 0; i < 60; ++i) cut = full.find("\r\n", cut) + 2;
  write_file(dir / "halb.vxk", full.substr(0, cut));
  set_startup_defaults(rec);
  read("halb");
  EXPECT_FALSE(rec.cancelled);
  EXPECT_EQ(rec.shaft_diameter_d, 20);
  EXPECT_EQ(doc.change_count, 2);  // the second entry had begun
  EXPECT_EQ(doc.changes[1].change_text, "\x8E" "nderung Nr. 2");
  EXPECT_EQ(doc.changes[2].description, "");  // nothing left over from the earlier log
  EXPECT_EQ(doc.documents[0].program, "");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0], "Meldung:|Unvollst\x84ndige Datei \"" + (dir / "halb.vxk").string() + "\" !");
}

TEST_F(InputFileTest, TheTemplateNullIsReadAndLeavesNoCurrentName) {
  session.current_file = "vorher";
  {
    auto c = ctx();
    EXPECT_FALSE(read_template_file(c));  // none there: nothing happens
  }
  EXPECT_EQ(session.current_file, "vorher");
  rec.shaft_diameter_d = 42;
  write("null");
  rec.shaft_diameter_d = 1;
  auto c = ctx();
  EXPECT_TRUE(read_template_file(c));
  EXPECT_EQ(rec.shaft_diameter_d, 42);
  EXPECT_EQ(session.current_file, "");
}

}  // namespace
}  // namespace vx11
