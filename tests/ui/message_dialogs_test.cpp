// The description dialog `Thelperr`, its answers to "Save Changes ?", and the error-message commands.
#include "ui/message_description_dialog.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <fstream>

#include "project/printouts.h"
#include "base/text.h"
#include "tests/ui/help_fixture.h"
#include "tests/support/files.h"
#include "tests/ui/qt_test_support.h"
#include "ui/command_groups.h"
#include "ui/main_window.h"

namespace vx11 {
namespace {

using test::click;
using test::ModalDriver;

const char* const kMessage = "Warnung: Probe mit Umlaut \x84";  // code page 850
const std::string kRecord = std::string(kMessage) + "\r\nAlte Ursache\r\nAlte Abhilfe\r\n";
const std::string kOther = "Fehler : andere Meldung\r\nU\r\nA\r\n";

QPlainTextEdit* memo(QWidget* w, const char* name) { return w->findChild<QPlainTextEdit*>(name); }

TEST(Thelperr, ShowsConvertedTextsAndCollectsEdits) {
  test::ensure_application();
  int help_number = 0;
  const FormatSettings format;
  Thelperr d(format, DialogHelp{}, help_number);
  d.set_texts("Fehler : Seq<1 (0.95 Welle)", {"Gr\x94\xe1" "e", "Abhilfe"});
  EXPECT_EQ(d.windowTitle(), QStringLiteral("Fehlermeldung"));
  const std::pair<const char*, const char*> labels[] = {
      {"Label_meldung", "Fehlermeldung"}, {"Label_ursache", "Ursache"}, {"Label_abhilfe", "Abhilfe"}};
  for (const auto& [name, text] : labels) EXPECT_EQ(d.findChild<QLabel*>(name)->text(), QString::fromUtf8(text));
  auto* message = d.findChild<QLineEdit*>("Edit_meldung");
  EXPECT_TRUE(message->isReadOnly());
  EXPECT_EQ(message->text(), QStringLiteral("Fehler : Seq<1 (0.95 Welle)"));
  EXPECT_EQ(memo(&d, "Memo_ursache")->toPlainText(), QString::fromUtf8("Größe"));
  EXPECT_TRUE(d.findChild<QPushButton*>("Button_ok")->isDefault());
  EXPECT_FALSE(d.findChild<QPushButton*>("Button_help")->isEnabled());  // no help action given
  EXPECT_FALSE(d.changed());

  // Any edit of a memo counts; line breaks would split the record, so they become blanks.
  memo(&d, "Memo_abhilfe")->setPlainText(QString::fromUtf8("zwei\nZeilen mit ä"));
  EXPECT_TRUE(d.changed());
  EXPECT_EQ(d.texts().remedy, "zwei Zeilen mit \x84");
  EXPECT_EQ(d.texts().cause, "Gr\x94\xe1" "e");
  // Showing new texts clears the flag again.
  d.set_texts("x", {"a", "b"});
  EXPECT_FALSE(d.changed());
  // A cause too long for the window conversion is still shown, so an edit elsewhere keeps it.
  const std::string long_cause = std::string(300, 'x') + "\x84";
  d.set_texts("x", {long_cause, "b"});
  memo(&d, "Memo_abhilfe")->setPlainText(QStringLiteral("neu"));
  EXPECT_EQ(d.texts().cause, long_cause);
}

TEST(Thelperr, HelpButtonShowsTheDialogsOwnText) {
  test::ensure_application();
  int help_number = 2070;
  int seen = 0;
  DialogHelp help;
  help.text = [&] { seen = help_number; };
  const FormatSettings format;
  Thelperr d(format, help, help_number);
  click(&d, "Button_help");
  EXPECT_EQ(seen, 1970);
  EXPECT_EQ(help_number, 2070);
}

class MessageDialogs : public test::HelpTest {
 protected:
  void SetUp() override {
    HelpTest::SetUp();
    std::ofstream(plt + "/vx11.err", std::ios::binary) << kOther << kRecord;
  }
  // Browses the one message: the first choice opens its description, `act` works on the dialog.
  void browse(const std::function<void(QWidget*)>& act) {
    state->messages.add(kMessage);
    ui.choices = {0};
    ModalDriver driver({act});
    QtDescriptionDialog dialog(state->format, DialogHelp{}, state->help_number, nullptr);
    showMessages(*state, dialog);
    EXPECT_EQ(driver.steps_run(), 1);
    EXPECT_EQ(driver.unexpected(), 0);
  }
  std::string descriptions() const { return test::read_file(plt + "/vx11.err"); }
};

TEST_F(MessageDialogs, SaveChangesAnswers) {
  struct Case {
    const char* name;
    bool edit;
    bool escape;
    std::vector<Answer> answers;
    std::string file;
    bool cancelled;
    int questions;
  };
  const std::string saved = kOther + kMessage + "\r\nNeue Ursache \x94\r\nAlte Abhilfe\r\n";
  const Case cases[] = {
      {"edited, yes saves", true, false, {Answer::Yes}, saved, false, 1},
      {"edited, no keeps the file", true, false, {Answer::No}, kOther + kRecord, false, 1},
      {"edited, cancel keeps it and ends browsing", true, false, {Answer::Cancel}, kOther + kRecord, true, 1},
      {"unchanged OK asks nothing", false, false, {}, kOther + kRecord, false, 0},
      {"Escape drops the edit unasked", true, true, {}, kOther + kRecord, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    start();
    ui.answers = c.answers;
    QString shown_cause;
    browse([&](QWidget* w) {
      shown_cause = memo(w, "Memo_ursache")->toPlainText();
      if (c.edit) memo(w, "Memo_ursache")->setPlainText(QString::fromUtf8("Neue Ursache ö"));
      if (c.escape)
        QTest::keyClick(w, Qt::Key_Escape);
      else
        click(w, "Button_ok");
    });
    EXPECT_EQ(shown_cause, QStringLiteral("Alte Ursache"));
    EXPECT_EQ(descriptions(), c.file);
    EXPECT_EQ(state->rec.cancelled, c.cancelled);
    // The message choice, then the question when there is one.
    ASSERT_EQ(static_cast<int>(ui.asked.size()), 1 + c.questions);
    if (c.questions) {
      EXPECT_EQ(ui.asked[1], "VX11  -  Scheibenfederberechnung|Save Changes ?");
    }
  }
}

class MessageCommands : public test::HelpTest {
 protected:
  void SetUp() override {
    HelpTest::SetUp();
    start();
    install_help_commands(window, *state);
  }
  Thh window;
};

TEST_F(MessageCommands, NoMessagesGiveTheSuccessNote) {
  ASSERT_TRUE(window.run_command(Command::HelpErrorMessages));
  ASSERT_TRUE(window.run_command(Command::ViewErrorMessages));
  EXPECT_EQ(ui.shown, (std::vector<std::string>(2, "Meldung:|Berechnung erfolgreich ohne Fehlermeldungen")));
  EXPECT_TRUE(text_window.shown.empty());
}

TEST_F(MessageCommands, ViewPrintsTheListWithCausesAndHelpBrowses) {
  load_example();
  ASSERT_GT(state->messages.count(), 0);
  window.set_message_count(state->messages.count());
  EXPECT_TRUE(window.action(Command::ViewErrorMessages)->isEnabled());
  EXPECT_TRUE(window.action(Command::HelpErrorMessages)->isEnabled());

  ASSERT_TRUE(window.run_command(Command::ViewErrorMessages));
  ASSERT_EQ(text_window.shown.size(), 1u);
  const std::string printout = test::read_file(text_window.shown[0].converted_path);
  EXPECT_NE(printout.find("BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN"), std::string::npos);
  EXPECT_NE(printout.find(state->messages.entry(1)), std::string::npos);

  // Browsing: "Weiter/zurück..." is preselected below help level 2 and ends at once.
  ASSERT_TRUE(window.run_command(Command::HelpErrorMessages));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_FALSE(state->rec.cancelled);
}

class WorkedExampleDialogs : public test::HelpTest {};

TEST_F(WorkedExampleDialogs, MessagesInTheWindowDialogs) {
  // Window interaction and help level 2: the first message is preselected.
  start(true);
  load_example();
  state->config.help_level = 2;
  const int count = state->messages.count();
  QStringList items;
  QString meldung, ursache;
  ModalDriver driver({[&](QWidget* w) {
                        for (auto* b : w->findChildren<QAbstractButton*>()) items << b->text();
                        for (auto* l : w->findChildren<QListWidget*>())
                          for (int i = 0; i < l->count(); ++i) items << l->item(i)->text();
                        screenshot(w, "message_choice");
                        test::press(w, Qt::Key_Return);
                      },
                      [&](QWidget* w) {
                        meldung = w->findChild<QLineEdit*>("Edit_meldung")->text();
                        ursache = memo(w, "Memo_ursache")->toPlainText();
                        screenshot(w, "message_description");
                        click(w, "Button_ok");
                      },
                      [&](QWidget* w) { test::reject(w); }});
  QtDescriptionDialog dialog(state->format, DialogHelp{}, state->help_number, nullptr);
  showMessages(*state, dialog);
  EXPECT_EQ(driver.steps_run(), count >= 2 ? 3 : 2);
  EXPECT_EQ(meldung.toStdString(), toWindows(state->format, state->messages.entry(1)));
  EXPECT_FALSE(ursache.isEmpty());
  for (int i = 1; i <= count; ++i)
    EXPECT_TRUE(items.contains(QString::fromStdString(toWindows(state->format, state->messages.entry(i))))) << i;
  EXPECT_TRUE(items.contains(QString::fromUtf8("Weiter/zurück...")));
}

}  // namespace
}  // namespace vx11
