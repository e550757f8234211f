// Files the program replaces (configuration, session, message descriptions, tables, input data
// files) under the faults a user meets: a full disk (a file size limit in a child process), files
// and folders without write permission (an unprivileged user), and symbolic links. The old file
// must stay byte for byte, the failure must reach the person, and nothing may be left behind.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "calc/calc_context.h"
#include "calc/table_object.h"
#include "project/configuration.h"
#include "base/file_create.h"
#include "project/input_file.h"
#include "project/program_state.h"
#include "base/safe_file.h"
#include "project/window_session.h"
#include "report/message_descriptions.h"
#include "base/text.h"
#include "tests/datafile/sample_inputs.h"
#include "tests/support/child_process.h"
#include "tests/tables/table_maker.h"
#include "tests/support/files.h"
#include "tests/support/scratch_folder.h"

namespace vx11 {
namespace {

namespace fs = std::filesystem;
using test::ChildLimits;
using test::ChildResult;
using test::run_in_child;

// Far below the size of every file written here.
constexpr rlim_t kFullDisk = 64;

using test::read_file;
using test::write_file;

std::string shown(const BatchInteraction& ui) {
  std::string all;
  for (const auto& s : ui.shown) all += s + "\n";
  return all;
}

class SavedFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = test::make_unique_folder("/tmp/vx11_saving_XXXXXX").string();
    ASSERT_FALSE(dir.empty());
    fs::permissions(dir, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                             fs::perms::others_read | fs::perms::others_exec);
    ui.echo = false;
  }
  void TearDown() override {
    std::error_code ec;
    for (const auto& e : fs::recursive_directory_iterator(dir, ec))
      if (e.is_directory()) fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir, ec);
  }
  std::string file(const std::string& name) const { return dir + "/" + name; }
  // Every name in the folder: a temporary file left behind shows up here.
  std::vector<std::string> names() const {
    std::vector<std::string> n;
    for (const auto& e : fs::directory_iterator(dir)) n.push_back(e.path().filename().string());
    std::sort(n.begin(), n.end());
    return n;
  }
  // Saves sample inputs under `path` as the command Save does; 1 when the save failed, with the
  // boxes shown in `report`.
  int save_inputs(const std::string& path, std::string& report) {
    test::SampleInputs s = test::full_inputs();
    FormatSettings format;
    Session session;
    ProgramIdentity id;
    int help = 0;
    InputFileContext ctx{s.rec, s.doc, format, ui, help, session, id};
    write_input_file(ctx, path, InputFileOptions{false, ""}, false);
    report = shown(ui);
    return s.rec.cancelled ? 1 : 0;
  }
  // A failure the child must survive and report: no signal, the abort flag as exit code 1.
  static void expect_reported_failure(const ChildResult& r, const std::string& text) {
    EXPECT_TRUE(r.exited) << "ended by signal " << r.signal;
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.report.find(text), std::string::npos) << r.report;
  }

  std::string dir;
  ScriptedInteraction ui;
};

// ---- replace_file ----------------------------------------------------------------------------

TEST_F(SavedFiles, SavingThroughALinkChangesTheTargetAndKeepsTheLink) {
  fs::create_directories(file("echt"));
  write_file(file("echt/ziel.cfg"), "alt");
  fs::create_symlink("echt/ziel.cfg", file("verweis.cfg"));  // relative to the link's folder
  fs::create_symlink(file("verweis.cfg"), file("kette.cfg"));  // a link to the link
  ASSERT_EQ(replace_file(file("kette.cfg"), "neu"), 0);
  EXPECT_TRUE(fs::is_symlink(file("kette.cfg")));
  EXPECT_TRUE(fs::is_symlink(file("verweis.cfg")));
  EXPECT_EQ(read_file(file("echt/ziel.cfg")), "neu");
  EXPECT_EQ(link_target(file("kette.cfg")), file("echt/ziel.cfg"));
  // A link to a file that does not exist yet creates that file.
  fs::create_symlink("echt/neu.cfg", file("lose.cfg"));
  ASSERT_EQ(replace_file(file("lose.cfg"), "erste"), 0);
  EXPECT_TRUE(fs::is_symlink(file("lose.cfg")));
  EXPECT_EQ(read_file(file("echt/neu.cfg")), "erste");
  EXPECT_EQ(names(), (std::vector<std::string>{"echt", "kette.cfg", "lose.cfg", "verweis.cfg"}));
}

TEST_F(SavedFiles, ConfigurationDescriptionsAndInputFilesSaveThroughLinks) {
  fs::create_directories(file("echt"));
  Configuration config;
  ProgramIdentity id;
  write_file(file("echt/vx11.cfg"), "alt");
  fs::create_symlink("echt/vx11.cfg", file("vx11.cfg"));
  EXPECT_TRUE(write_configuration(config, dir, id, ui));
  EXPECT_TRUE(fs::is_symlink(file("vx11.cfg")));
  EXPECT_TRUE(read_file(file("echt/vx11.cfg")).starts_with("vx11 Konfiguration\r\n"));

  write_file(file("echt/vx11.err"), "Exec error 2\r\nU\r\nA\r\n");
  fs::create_symlink("echt/vx11.err", file("vx11.err"));
  ASSERT_EQ(saveDescription({file("vx11.err"), file("echt/work.err")}, "Exec error 2", {"neu", "besser"}, ui),
            DescriptionSave::Saved);
  EXPECT_TRUE(fs::is_symlink(file("vx11.err")));
  EXPECT_EQ(read_file(file("echt/vx11.err")), "Exec error 2\r\nneu\r\nbesser\r\n");

  fs::create_symlink("echt/welle.vxk", file("welle.vxk"));
  std::string report;
  EXPECT_EQ(save_inputs(file("welle.vxk"), report), 0) << report;
  EXPECT_TRUE(fs::is_symlink(file("welle.vxk")));
  EXPECT_TRUE(fs::is_regular_file(file("echt/welle.vxk")));
  EXPECT_EQ(names(), (std::vector<std::string>{"echt", "vx11.cfg", "vx11.err", "welle.vxk"}));
}

// ---- full disk -------------------------------------------------------------------------------

TEST_F(SavedFiles, FullDiskLeavesTheConfigurationAsItWas) {
  const std::string old = "vx11 Konfiguration\r\nVersion 1.1\r\nLayer\r\nNULL\r\n";
  write_file(file("vx11.cfg"), old);
  const ChildResult r = run_in_child(
      [&](std::string& report) {
        ui.answers = {Answer::No};  // the way out of the retry
        const bool written = write_configuration(Configuration{}, dir, ProgramIdentity{}, ui);
        report = shown(ui);
        return written ? 0 : 1;
      },
      ChildLimits{kFullDisk});
  expect_reported_failure(r, "Fehler : |I/O-Error " + std::to_string(EFBIG));
  EXPECT_NE(r.report.find("vx11.cfg nicht gespeichert, die bisherige Datei bleibt unver\x84ndert !"),
            std::string::npos);
  EXPECT_EQ(read_file(file("vx11.cfg")), old);
  EXPECT_EQ(names(), std::vector<std::string>{"vx11.cfg"});
}

class SessionFiles : public SavedFiles {
 protected:
  SessionFiles() : state(Frontend{ui, browser, ReportOutlets{window, printer, starter}}) {}
  void SetUp() override {
    SavedFiles::SetUp();
    state.config_folder = dir + "/";
    for (auto& r : state.session.recent) r = "/ein/recht/langer/ordnername/fuer/die/letzten/dateien/datei.vxk";
  }
  class NoPrinter : public TextPrinter {
   public:
    void print(const std::string&) override {}
  };
  ScriptedTableBrowser browser;
  RecordingTextWindow window;
  NoPrinter printer;
  SpawnProcessStarter starter;
  ProgramState state;
};

TEST_F(SessionFiles, FullDiskLeavesTheSessionFileAsItWas) {
  const std::string old = "vx11 Session /daten\r\n/daten/a.vxk\r\n\r\n\r\n\r\n";
  write_file(file("vx11.cff"), old);
  const ChildResult r = run_in_child(
      [&](std::string& report) {
        const bool saved = save_session(state);  // the batch stand-in says yes to every retry
        report = shown(ui);
        return saved ? 0 : 1;
      },
      ChildLimits{kFullDisk});
  expect_reported_failure(r, "Fehler : |I/O-Error " + std::to_string(EFBIG));
  EXPECT_EQ(read_file(file("vx11.cff")), old);
  EXPECT_EQ(names(), std::vector<std::string>{"vx11.cff"});
}

TEST_F(SessionFiles, TheRetryOfAnUnwritableSessionFileHasAWayOut) {
  state.config_folder = dir + "/fehlt/";
  ui.answers = {Answer::No};
  EXPECT_FALSE(save_session(state));
  EXPECT_EQ(ui.asked.size(), 1u);  // one try, one question, and the answer No ends it
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0], "Fehler : |I/O-Error " + std::to_string(ENOENT));
  EXPECT_EQ(ui.asked[0], state.identity.title + "|Datei " + dir + "/fehlt/vx11.cff nicht gespeichert.  " +
                             "Nochmals versuchen ?");
  // Yes tries again, a few times at most.
  ui.shown.clear();
  ui.asked.clear();
  ui.answers = {Answer::Yes, Answer::Yes, Answer::Yes, Answer::Yes};
  EXPECT_FALSE(save_session(state));
  EXPECT_EQ(ui.asked.size(), static_cast<std::size_t>(kCreateAttempts - 1));
  EXPECT_EQ(ui.shown.size(), static_cast<std::size_t>(kCreateAttempts + 1));
}

TEST_F(SavedFiles, FullDiskLeavesTheMessageDescriptionsAsTheyWere) {
  std::string old;
  for (int i = 0; i < 30; ++i) old += "Meldung " + std::to_string(i) + "\r\nUrsache\r\nAbhilfe\r\n";
  write_file(file("vx11.err"), old);
  const DescriptionFiles files{file("vx11.err"), file("work/vx11.err")};
  const ChildResult r = run_in_child(
      [&](std::string& report) {
        const DescriptionSave saved = saveDescription(files, "Meldung 29", {"neu", "besser"}, ui);
        report = shown(ui);
        return saved == DescriptionSave::Failed ? 1 : 0;
      },
      ChildLimits{kFullDisk});
  expect_reported_failure(r, "vx11.err nicht gespeichert, die bisherige Datei bleibt unver\x84ndert: I/O-Error " +
                                 std::to_string(EFBIG));
  EXPECT_EQ(read_file(file("vx11.err")), old);
  EXPECT_EQ(names(), std::vector<std::string>{"vx11.err"});
}

TEST_F(SavedFiles, FullDiskLeavesAnInputFileAsItWas) {
  const std::string old = "die alte Fassung\r\n";
  write_file(file("voll.vxk"), old);
  const ChildResult r = run_in_child(
      [&](std::string& report) { return save_inputs(file("voll.vxk"), report); },
      ChildLimits{kFullDisk});
  expect_reported_failure(r, "nicht gespeichert, die bisherige Datei bleibt unver\x84ndert: I/O-Error " +
                                 std::to_string(EFBIG));
  EXPECT_EQ(read_file(file("voll.vxk")), old);
  EXPECT_EQ(names(), std::vector<std::string>{"voll.vxk"});
}

class TableFiles : public SavedFiles {
 protected:
  void SetUp() override {
    SavedFiles::SetUp();
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= 20; ++i) rows.push_back({std::to_string(i), "Satz " + std::to_string(i)});
    make_dbf_table(file("t.dbf"), {{"NR", 'N', 4, 0, 0}, {"TEXT", 'C', 20, 0, 0}}, rows);
    tables.set_folders(dir, dir + "/temp");
    CalcContext ctx = context();
    ASSERT_TRUE(tables.open_table(ctx, "t"));
    for (int r : {2, 5, 7}) ASSERT_TRUE(tables.set_deleted(ctx, r, true));
    tables.close_table();
    old = read_file(file("t.dbf"));
  }
  CalcContext context() { return CalcContext{rec, messages, format, tables, ui, help}; }
  // Opens the table in the child, runs `change` under the write limit and reports what was shown.
  ChildResult under_full_disk(const std::function<bool(CalcContext&)>& change) {
    return run_in_child(
        [&](std::string& report) {
          CalcContext ctx = context();
          if (!tables.open_table(ctx, "t")) return 2;
          const bool done = change(ctx);
          report = shown(ui);
          // The table stays usable: still open on the old file.
          if (!tables.is_open() || tables.record_count() != 20) return 3;
          return done ? 0 : 1;
        },
        ChildLimits{kFullDisk});
  }

  ConnectionRecord rec;
  MessageList messages;
  FormatSettings format;
  ScriptedTableBrowser browser;
  TableObject tables{browser};
  int help = 0;
  std::string old;
};

TEST_F(TableFiles, FullDiskLeavesTheTableAsItWasWhateverTheChange) {
  const std::string error = "Schreibfehler in " + file("t.dbf") + " (I/O-Error " + std::to_string(EFBIG) +
                            "), die Tabelle bleibt unver\x84ndert";
  struct Case {
    const char* name;
    std::function<bool(CalcContext&)> change;
  };
  const Case cases[] = {
      {"pack", [this](CalcContext& c) { return tables.pack(c); }},
      {"edit", [this](CalcContext& c) { return tables.set_field_text(c, 2, "anders"); }},
      {"mark", [this](CalcContext& c) { return tables.set_deleted(c, 1, true); }},
      {"append", [this](CalcContext& c) { return tables.append_values(c, {"21", "neu"}); }},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    const ChildResult r = under_full_disk(k.change);
    expect_reported_failure(r, error);
    EXPECT_EQ(read_file(file("t.dbf")), old);
    EXPECT_EQ(names(), std::vector<std::string>{"t.dbf"});  // no temporary table, not even an empty one
  }
  // Without the limit the same pack works and keeps the records not marked.
  CalcContext ctx = context();
  ASSERT_TRUE(tables.open_table(ctx, "t"));
  ASSERT_TRUE(tables.pack(ctx)) << shown(ui);
  EXPECT_EQ(tables.record_count(), 17);
  tables.go_to_record(ctx, 2);
  EXPECT_EQ(tables.field_text(2), "Satz 3");
  EXPECT_EQ(names(), std::vector<std::string>{"t.dbf"});
}

// ---- no write permission ---------------------------------------------------------------------

class Unprivileged : public SavedFiles {
 protected:
  void SetUp() override {
    SavedFiles::SetUp();
    const std::string why = test::unprivileged_unavailable();
    if (!why.empty()) GTEST_SKIP() << why;
    test::give_to_unprivileged(dir);
  }
  // Puts a file the unprivileged user owns but may only read.
  void put_read_only(const std::string& name, const std::string& bytes) {
    write_file(file(name), bytes);
    test::give_to_unprivileged(file(name));
    fs::permissions(file(name), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  }
  ChildResult as_unprivileged(const std::function<int(std::string&)>& body) {
    return run_in_child(body, ChildLimits{RLIM_INFINITY, true});
  }
};

TEST_F(Unprivileged, AWriteProtectedConfigurationOrFolderIsNotReplaced) {
  const std::string old = "vx11 Konfiguration\r\n";
  put_read_only("vx11.cfg", old);
  const auto write = [&](std::string& report) {
    ui.answers = {Answer::No};
    const bool written = write_configuration(Configuration{}, dir, ProgramIdentity{}, ui);
    report = shown(ui);
    return written ? 0 : 1;
  };
  expect_reported_failure(as_unprivileged(write), "Fehler : |Schreibschutz entfernen !");
  EXPECT_EQ(read_file(file("vx11.cfg")), old);
  // A writable file in a folder that takes no new file: there is no writing in place.
  fs::permissions(file("vx11.cfg"), fs::perms::owner_write, fs::perm_options::add);
  fs::permissions(dir, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  expect_reported_failure(as_unprivileged(write), "Fehler : |Schreibschutz entfernen !");
  EXPECT_EQ(read_file(file("vx11.cfg")), old);
  EXPECT_EQ(names(), std::vector<std::string>{"vx11.cfg"});
}

TEST_F(Unprivileged, AWriteProtectedDescriptionOrInputFileIsNotReplaced) {
  const std::string old = "Exec error 2\r\nU\r\nA\r\n";
  put_read_only("vx11.err", old);
  const ChildResult description = as_unprivileged([&](std::string& report) {
    const DescriptionSave saved = saveDescription({file("vx11.err"), file("w.err")}, "Exec error 2", {"u", "a"}, ui);
    report = shown(ui);
    return saved == DescriptionSave::Failed ? 1 : 0;
  });
  expect_reported_failure(description, "bleibt unver\x84ndert: Schreibschutz entfernen !");
  EXPECT_EQ(read_file(file("vx11.err")), old);

  put_read_only("fest.vxk", "alt\r\n");
  const ChildResult input =
      as_unprivileged([&](std::string& report) { return save_inputs(file("fest.vxk"), report); });
  expect_reported_failure(input, "Ung\x81ltiger Dateiname \"" + file("fest.vxk") + "\" !");
  EXPECT_EQ(read_file(file("fest.vxk")), "alt\r\n");
  EXPECT_EQ(names(), (std::vector<std::string>{"fest.vxk", "vx11.err"}));
}

}  // namespace
}  // namespace vx11
