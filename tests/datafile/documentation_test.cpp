// The documentation records: start and New, the dialogs' OK and Cancel, the change-log commands,
// and how linked documents are started.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "docu/change_log.h"
#include "docu/linked_document.h"
#include "tests/datafile/sample_inputs.h"

namespace vx11 {
namespace {

class FakeDialogs : public DocumentationDialogs {
 public:
  bool ok = true;
  std::function<void(int, ChangeEntry&)> on_change = [](int, ChangeEntry&) {};
  std::function<void(TitleBlockForm&)> on_title = [](TitleBlockForm&) {};
  std::function<void(DrawingNamesForm&)> on_names = [](DrawingNamesForm&) {};
  std::vector<int> change_numbers;
  TitleBlockForm shown_title;

  bool change_entry(int number, ChangeEntry& entry) override {
    change_numbers.push_back(number);
    on_change(number, entry);
    return ok;
  }
  bool title_block(TitleBlockForm& form) override {
    shown_title = form;
    on_title(form);
    return ok;
  }
  bool drawing_names(DrawingNamesForm& form) override {
    on_names(form);
    return ok;
  }
  bool linked_documents(std::array<LinkedDocument, limits::kDocuments>& docs) override {
    docs[0] = {std::string(60, 'p'), "plan.pdf"};
    return ok;
  }
};

class Printouts : public ChangeLogPrinter {
 public:
  std::vector<std::string> shown;  // "screen n" or "print n"
  void print(const Documentation& doc, bool to_screen) override {
    shown.push_back(std::string(to_screen ? "screen " : "print ") + std::to_string(doc.change_count));
  }
};

class DocumentationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::SampleInputs s = test::full_inputs();
    rec = s.rec;
    doc = s.doc;
  }
  DocuContext ctx() { return {rec, doc, format, dialogs, ui, help_number}; }
  void run(ChangeLogOperation op) {
    auto c = ctx();
    change_log(c, op, settings, printer);
  }

  ConnectionRecord rec;
  Documentation doc;
  FormatSettings format;
  FakeDialogs dialogs;
  ScriptedInteraction ui;
  int help_number = 0;
  ChangeLogSettings settings{"Freigabe", "24.12.2024"};
  Printouts printer;
};

TEST_F(DocumentationTest, StartAndNewResetWhatTheyShould) {
  reset_documentation(doc, "09.12.2026");
  EXPECT_EQ(doc.change_count, 0);
  EXPECT_EQ(doc.drawing_text_count, 0);
  EXPECT_EQ(doc.changes[3].description, "");
  EXPECT_EQ(doc.drawing_texts[7].text, "");
  EXPECT_EQ(doc.title.drawn.date, "09.12.2026");
  EXPECT_EQ(doc.title.checked.date, "09.12.2026");
  EXPECT_EQ(doc.title.standards.date, "09.12.2026");
  EXPECT_EQ(doc.title.fourth.date, "");
  EXPECT_EQ(doc.title.drawn.name, "");
  EXPECT_EQ(doc.title.replaces, "");

  doc = test::full_inputs().doc;
  new_documentation(doc, "10.12.2026");
  EXPECT_EQ(doc.change_count, 0);
  EXPECT_EQ(doc.changes[0].change_text, "\x8E" "nderung Nr. 1");  // the slot keeps its texts
  EXPECT_EQ(doc.title.drawn.date, "10.12.2026");
  EXPECT_EQ(doc.title.drawn.name, "");
  EXPECT_EQ(doc.title.checked.date, "");
  EXPECT_EQ(doc.title.replaces, "");
  EXPECT_EQ(doc.title.replaced_by, "");
  EXPECT_EQ(doc.drawing_text_count, 8);  // drawing texts stay
  EXPECT_EQ(doc.info_text[0], "");
  EXPECT_EQ(doc.info_text[2], "");
  EXPECT_EQ(Documentation{}.documents[4].program, "xdg-open");
}

TEST_F(DocumentationTest, NewEntryTakesTodayAndTheSlotsOldTexts) {
  doc.change_count = 3;
  dialogs.on_change = [](int, ChangeEntry& e) { e.editor = "abcdefgh"; };
  run(ChangeLogOperation::New);
  EXPECT_EQ(doc.change_count, 4);
  EXPECT_EQ(dialogs.change_numbers, std::vector<int>{4});
  EXPECT_EQ(doc.changes[3].date, "24.12.2024");
  EXPECT_EQ(doc.changes[3].change_text, "\x8E" "nderung Nr. 4");
  EXPECT_EQ(doc.changes[3].editor, "abcde");  // cut to 5
  EXPECT_EQ(help_number, 3000);
  EXPECT_EQ(printer.shown, std::vector<std::string>{"screen 4"});

  dialogs.ok = false;  // a cancelled entry stays counted
  run(ChangeLogOperation::New);
  EXPECT_EQ(doc.change_count, 5);
  EXPECT_TRUE(rec.cancelled);
  EXPECT_EQ(doc.changes[4].editor, "mk4");
}

TEST_F(DocumentationTest, AFullLogRefusesNew) {
  run(ChangeLogOperation::New);
  EXPECT_EQ(doc.change_count, 25);
  EXPECT_TRUE(dialogs.change_numbers.empty());
  EXPECT_EQ(ui.shown, std::vector<std::string>{"Meldung:|Max. \x8Enderungen = 25 !"});
  EXPECT_TRUE(printer.shown.empty());
}

TEST_F(DocumentationTest, EditAndDeleteWorkOnTheLastEntryOnly) {
  doc.change_count = 2;
  dialogs.on_change = [](int, ChangeEntry& e) { e.description = "neu\r\nzweite Zeile"; };
  run(ChangeLogOperation::Edit);
  EXPECT_EQ(dialogs.change_numbers, std::vector<int>{2});
  EXPECT_EQ(doc.changes[1].description, "neu\r\nzweite Zeile");
  run(ChangeLogOperation::Delete);
  EXPECT_EQ(doc.change_count, 1);
  EXPECT_EQ(doc.changes[1].description, "neu\r\nzweite Zeile");  // stays in its slot
  run(ChangeLogOperation::Delete);
  run(ChangeLogOperation::Delete);  // nothing left: nothing happens
  run(ChangeLogOperation::Edit);
  EXPECT_EQ(doc.change_count, 0);
  EXPECT_EQ(dialogs.change_numbers.size(), 1u);
  EXPECT_EQ(printer.shown, (std::vector<std::string>{"screen 2", "screen 1", "screen 0"}));
  run(ChangeLogOperation::Show);
  run(ChangeLogOperation::Print);
  EXPECT_EQ(printer.shown.back(), "print 0");
}

TEST_F(DocumentationTest, ChangeIndexNumbersOnlyInStyleOne) {
  EXPECT_EQ(change_index(1, 1), "1");
  EXPECT_EQ(change_index(25, 1), "25");
  for (int style : {0, 2, 3}) {
    EXPECT_EQ(change_index(1, style), "a");
    EXPECT_EQ(change_index(3, style), "c");
  }
}

TEST_F(DocumentationTest, TitleBlockShowsTheTextsAndStoresRowsUpToTheFirstBlankText) {
  doc.drawing_text_count = 2;
  doc.drawing_texts[1] = {12.3456L, -0.5L, 3.5L, 0, "zwei"};
  dialogs.on_title = [](TitleBlockForm& f) {
    f.rows[3] = {"01.02.20245", "Freigeber-lang"};
    f.replaces = "ersetzt 1234567890";
    f.grid = {};
    f.grid[0] = {"1,5", "2", "3", "45", "eins"};
    f.grid[1] = {"x", "", "", "", "zwei"};
    f.grid[2] = {"", "", "", "", "   "};
    f.grid[3] = {"9", "9", "9", "9", "nach der L\x81" "cke"};
  };
  run(ChangeLogOperation::TitleBlock);
  EXPECT_EQ(help_number, 3010);
  EXPECT_EQ(dialogs.shown_title.fourth_label, "Freigabe");
  EXPECT_EQ(dialogs.shown_title.grid[1][0], "12.35");
  EXPECT_EQ(dialogs.shown_title.grid[1][1], "-0.5");
  EXPECT_EQ(dialogs.shown_title.grid[2][4], "");
  EXPECT_EQ(doc.title.fourth.date, "01.02.2024");
  EXPECT_EQ(doc.title.fourth.name, "Freigeber-");
  EXPECT_EQ(doc.title.replaces, "ersetzt 1234567");
  EXPECT_EQ(doc.drawing_text_count, 2);
  EXPECT_EQ(doc.drawing_texts[0].x, 1.5L);
  EXPECT_EQ(doc.drawing_texts[1].x, 0);  // failure gives 0
}

TEST_F(DocumentationTest, AnEmptyTextGridStoresOneEmptyText) {
  dialogs.on_title = [](TitleBlockForm& f) { f.grid = {}; };
  run(ChangeLogOperation::TitleBlock);
  EXPECT_EQ(doc.drawing_text_count, 1);
  EXPECT_EQ(doc.drawing_texts[0].text, "");
  EXPECT_FALSE(rec.cancelled);
}

TEST_F(DocumentationTest, CancelChangesNothingAndSetsTheAbortFlag) {
  dialogs.ok = false;
  dialogs.on_title = [](TitleBlockForm& f) { f.grid = {}; };
  dialogs.on_names = [](DrawingNamesForm& f) { f.inner_part_name = "anders"; };
  auto c = ctx();
  EXPECT_FALSE(edit_title_block(c, "Frei"));
  EXPECT_FALSE(edit_drawing_names(c));
  EXPECT_FALSE(edit_linked_documents(c));
  EXPECT_TRUE(rec.cancelled);
  EXPECT_EQ(doc.drawing_text_count, 8);
  EXPECT_EQ(rec.inner_part_name, test::full_inputs().rec.inner_part_name);
  EXPECT_EQ(doc.documents[0].file, test::full_inputs().doc.documents[0].file);
}

TEST_F(DocumentationTest, DrawingNamesAndDocumentsAreStoredWithTheirLengths) {
  dialogs.on_names = [](DrawingNamesForm& f) {
    f.inner_part_name = std::string(30, 'i');
    f.inner_part_number = std::string(30, '1');
    f.outer_part_name2 = std::string(40, 'o');
    f.info_text[1] = std::string(70, 't');
  };
  rec.cancelled = true;
  auto c = ctx();
  EXPECT_TRUE(edit_drawing_names(c));
  EXPECT_FALSE(rec.cancelled);
  EXPECT_EQ(rec.inner_part_name, std::string(25, 'i'));
  EXPECT_EQ(rec.inner_part_number, std::string(18, '1'));
  EXPECT_EQ(doc.outer_part_name2, std::string(30, 'o'));
  EXPECT_EQ(doc.info_text[1], std::string(65, 't'));
  EXPECT_EQ(doc.info_text[2], "intern");  // not edited
  EXPECT_TRUE(edit_linked_documents(c));
  EXPECT_EQ(doc.documents[0].program, std::string(50, 'p'));
  EXPECT_EQ(help_number, 2730);
}

TEST(LinkedDocuments, WindowsProgramsBecomeXdgOpen) {
  struct Case {
    LinkedDocument doc;
    std::vector<std::string> argv;
  };
  const Case cases[] = {
      {{"NOTEPAD.EXE", "notes.txt"}, {"xdg-open", "notes.txt"}},
      {{"C:\\Programme\\Word\\winword", "a.doc"}, {"xdg-open", "a.doc"}},
      {{"", "/tmp/plan mit blank.pdf"}, {"xdg-open", "/tmp/plan mit blank.pdf"}},
      {{"evince --fullscreen", "\"/tmp/x y.pdf\""}, {"evince", "--fullscreen", "/tmp/x y.pdf"}},
      {{"gimp", ""}, {"gimp"}},
      {{"", "-x.pdf"}, {"xdg-open", "./-x.pdf"}},
      {{"", "/abs/-x.pdf"}, {"xdg-open", "/abs/-x.pdf"}},
  };
  for (const Case& c : cases) EXPECT_EQ(document_command(c.doc), c.argv) << c.doc.program;
}

// Records the commands instead of starting them.
class RecordingDocumentStarter : public ProcessStarter {
 public:
  bool exists(const std::string&) override { return true; }
  bool start(const std::vector<std::string>& argv) override {
    started.push_back(argv);
    return argv.front() != "/nonexistent/program";
  }
  std::vector<std::vector<std::string>> started;
};

TEST(LinkedDocuments, ForeignProgramsStartOnlyAfterYesAskedOncePerSession) {
  RecordingDocumentStarter starter;
  ScriptedInteraction ui;
  std::set<std::string> allowed;
  DocumentStart start{starter, ui, "VX11", allowed};
  Documentation doc;
  doc.documents[0] = {"true", ""};
  doc.documents[1] = {"/nonexistent/program", "x"};
  doc.documents[2] = {"sh -c \"echo owned\"", "-rf"};
  doc.documents[4] = {"", "plan.pdf"};

  // The default opener needs no question.
  EXPECT_TRUE(open_document(doc, 5, start));
  EXPECT_TRUE(ui.asked.empty());

  // A program of the file's own: No (and Cancel) start nothing, and the question comes again.
  ui.answers = {Answer::No, Answer::Cancel, Answer::Yes};
  EXPECT_FALSE(open_document(doc, 3, start));
  EXPECT_FALSE(open_document(doc, 3, start));
  ASSERT_EQ(ui.asked.size(), 2u);
  EXPECT_EQ(ui.asked[0], "VX11|Dokument 3 startet das Programm\nsh -c \"echo owned\"\nmit der Datei\n-rf\n\n"
                         "Die Eingabedatei bestimmt dieses Programm.  Programm starten ?");
  EXPECT_EQ(starter.started.size(), 1u);  // only the default opener so far
  // Yes starts it, with the file unable to pass for an option; later starts ask no more.
  EXPECT_TRUE(open_document(doc, 3, start));
  EXPECT_TRUE(open_document(doc, 3, start));
  EXPECT_EQ(ui.asked.size(), 3u);
  EXPECT_EQ(starter.started.back(), (std::vector<std::string>{"sh", "-c", "echo owned", "./-rf"}));

  // A changed document is another command: asked again.
  doc.documents[2].file = "other";
  ui.answers.push_back(Answer::No);
  EXPECT_FALSE(open_document(doc, 3, start));
  EXPECT_EQ(ui.asked.size(), 4u);

  ui.answers.push_back(Answer::Yes);
  EXPECT_TRUE(open_document(doc, 1, start));
  ui.answers.push_back(Answer::Yes);
  EXPECT_FALSE(open_document(doc, 2, start));  // asked, allowed, but it cannot start
  EXPECT_FALSE(open_document(doc, 0, start));
  EXPECT_FALSE(open_document(doc, 6, start));
  EXPECT_EQ(starter.started.back(), (std::vector<std::string>{"/nonexistent/program", "x"}));
}

TEST(LinkedDocuments, BatchModeNeverStartsOne) {
  RecordingDocumentStarter starter;
  BatchInteraction ui;  // would answer every question with yes
  ui.echo = false;
  std::set<std::string> allowed;
  DocumentStart start{starter, ui, "VX11", allowed, true};
  Documentation doc;
  doc.documents[0] = {"gimp", "a.png"};
  doc.documents[1] = {"", "plan.pdf"};
  EXPECT_FALSE(open_document(doc, 1, start));
  EXPECT_FALSE(open_document(doc, 2, start));
  EXPECT_TRUE(starter.started.empty());
}

}  // namespace
}  // namespace vx11
