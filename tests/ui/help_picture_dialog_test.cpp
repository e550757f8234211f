// The help-picture list dialog and the index edits made through it.
#include "ui/help_picture_dialog.h"

#include <QComboBox>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <fstream>

#include "tests/ui/help_fixture.h"
#include "tests/ui/qt_test_support.h"
#include "ui/help_desk.h"
#include "tests/support/files.h"

namespace vx11 {
namespace {

using test::click;
using test::ModalDriver;

const std::vector<std::string> kEntries = {"ka      : Anwendungsfaktor KA", "fw      : Lastrichtungswechsel",
                                           "-----  Erweitern  -----", "-----  L\x94schen  -----"};

PictureListAnswer answer_of(const std::function<void(TForm_hilfebild&)>& act, int current = 1) {
  TForm_hilfebild d(FormatSettings{}, QStringLiteral("VX11 Hilfebilder"), kEntries, current);
  d.show();
  act(d);
  return d.answer();
}

TEST(HelpPictureDialog, ControlsAndPreselection) {
  test::ensure_application();
  TForm_hilfebild d(FormatSettings{}, QStringLiteral("VX11 Hilfebilder"), kEntries, 1);
  EXPECT_EQ(d.windowTitle(), QStringLiteral("VX11 Hilfebilder"));
  auto* list = d.findChild<QComboBox*>("ListBox1");
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->count(), 4);
  EXPECT_EQ(list->currentIndex(), 1);
  EXPECT_EQ(list->itemText(3), QString::fromUtf8("-----  Löschen  -----"));
  const std::pair<const char*, const char*> buttons[] = {
      {"Button_ok", "OK"},           {"Button_help", "&Hilfe"},         {"Button_neu", "&Neu"},
      {"Button_aendern", "&Ändern"}, {"Button_einfuegen", "&Einfügen"}, {"Button_loeschen", "&Löschen"}};
  for (const auto& [name, caption] : buttons) {
    auto* b = d.findChild<QPushButton*>(name);
    ASSERT_NE(b, nullptr) << name;
    EXPECT_EQ(b->text(), QString::fromUtf8(caption));
  }
  EXPECT_TRUE(d.findChild<QPushButton*>("Button_ok")->isDefault());
  EXPECT_NE(d.findChild<QWidget*>("SpinButton1"), nullptr);
}

TEST(HelpPictureDialog, EachControlAnswers) {
  test::ensure_application();
  struct Case {
    const char* control;
    PictureListCommand command;
  };
  const Case cases[] = {
      {"Button_ok", PictureListCommand::Ok},           {"Button_help", PictureListCommand::Help},
      {"Button_neu", PictureListCommand::Append},      {"Button_aendern", PictureListCommand::Change},
      {"Button_einfuegen", PictureListCommand::Insert}, {"Button_loeschen", PictureListCommand::Delete},
      {"SpinButton1_up", PictureListCommand::Up},      {"SpinButton1_down", PictureListCommand::Down},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control);
    const PictureListAnswer a = answer_of([&](TForm_hilfebild& d) {
      auto* b = d.findChild<QAbstractButton*>(c.control);
      ASSERT_NE(b, nullptr);
      b->click();
    });
    EXPECT_EQ(a.command, c.command);
  }
  // Choosing an entry answers with it, also the one already shown; Escape cancels.
  const PictureListAnswer chosen = answer_of([](TForm_hilfebild& d) {
    auto* list = d.findChild<QComboBox*>("ListBox1");
    emit list->activated(1);
  });
  EXPECT_EQ(chosen.command, PictureListCommand::Select);
  EXPECT_EQ(chosen.entry, 1);
  const PictureListAnswer escaped = answer_of([](TForm_hilfebild& d) { QTest::keyClick(&d, Qt::Key_Escape); });
  EXPECT_EQ(escaped.command, PictureListCommand::Cancel);
}

class HelpPictureList : public test::HelpTest {
 protected:
  void SetUp() override {
    HelpTest::SetUp();
    start();
  }
  // Runs the list with one step per dialog; returns the index file afterwards.
  std::string run(std::vector<ModalDriver::Step> steps) {
    ModalDriver driver(std::move(steps));
    HelpDesk::of(&window, *state).show_pictures();
    EXPECT_EQ(driver.unexpected(), 0);
    return test::read_file(plt + "/vx11.dbh");
  }
  static QStringList entries(QWidget* w) {
    QStringList l;
    auto* list = w->findChild<QComboBox*>("ListBox1");
    for (int i = 0; i < list->count(); ++i) l << list->itemText(i);
    return l;
  }
  static void choose(QWidget* w, int entry) { emit w->findChild<QComboBox*>("ListBox1")->activated(entry); }

  QMainWindow window;
  const std::string shipped = "\"ka\",\"Anwendungsfaktor KA\"\r\n\"fw\",\"Lastrichtungswechselfaktor fW\"\r\n"
                              "\"fl\",\"Lastspitzenh\x84ufigkeitsfaktor fL\"\r\n"
                              "\"werkst\",\"Werkstoffe: plim = Re * fS * fH\"\r\n";
};

TEST_F(HelpPictureList, FirstPassDrawsTheFirstPictureThenTheListShowsIt) {
  QStringList shown;
  QString caption;
  const std::string index = run({[&](QWidget* w) {
    shown = entries(w);
    caption = w->windowTitle();
    screenshot(w, "help_picture_list");
    click(w, "Button_ok");
  }});
  EXPECT_EQ(index, shipped);
  EXPECT_EQ(caption, QStringLiteral("VX11 Hilfebilder"));
  ASSERT_EQ(shown.size(), 9);
  EXPECT_EQ(shown[0], QStringLiteral("ka      : Anwendungsfaktor KA"));
  EXPECT_EQ(shown[8], QStringLiteral("-----  HP-GL/2 drucken/plotten  ------"));
  // The pictures of the list are drawn in a window of their own beside the main window.
  const auto texts = test::picture_texts(&window);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Anwendungsfaktor KA"), texts.end());
}

TEST_F(HelpPictureList, EditsPersistInTheIndex) {
  struct Case {
    const char* name;
    std::function<void(QWidget*)> act;
    std::vector<std::optional<std::string>> texts, files;
    std::vector<Answer> answers;
    std::string index;
  };
  const std::string ka = "\"ka\",\"Anwendungsfaktor KA\"\r\n";
  const std::string fw = "\"fw\",\"Lastrichtungswechselfaktor fW\"\r\n";
  const std::string fl = "\"fl\",\"Lastspitzenh\x84ufigkeitsfaktor fL\"\r\n";
  const std::string werkst = "\"werkst\",\"Werkstoffe: plim = Re * fS * fH\"\r\n";
  const std::vector<Case> cases = {
      {"append", [](QWidget* w) { click(w, "Button_neu"); }, {"Neues Bild"}, {plt + "/fw.plt"}, {},
       ka + fw + fl + werkst + "\"fw\",\"Neues Bild\"\r\n"},
      {"delete the selected picture", [](QWidget* w) { click(w, "Button_loeschen"); }, {}, {}, {Answer::Yes},
       fw + fl + werkst},
      {"delete answered no", [](QWidget* w) { click(w, "Button_loeschen"); }, {}, {}, {Answer::No}, shipped},
      {"change", [](QWidget* w) { click(w, "Button_aendern"); }, {"fl", "Ge\x84ndert"}, {}, {},
       "\"fl\",\"Ge\x84ndert\"\r\n" + fw + fl + werkst},
      {"insert before the selected", [](QWidget* w) { click(w, "Button_einfuegen"); }, {"Davor"},
       {plt + "/werkst.plt"}, {}, "\"werkst\",\"Davor\"\r\n" + shipped},
      {"append from the action entry", [](QWidget* w) { choose(w, 4); }, {"Am Ende"}, {plt + "/ka.plt"}, {},
       shipped + "\"ka\",\"Am Ende\"\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // A fresh list on the shipped index.
    std::ofstream(plt + "/vx11.dbh", std::ios::binary) << shipped;
    delete HelpDesk::find(&window);
    HelpDesk::of(&window, *state);
    ui = ScriptedInteraction();
    ui.texts = c.texts;
    ui.files = c.files;
    ui.answers = c.answers;
    const std::string index = run({c.act, [](QWidget* w) { click(w, "Button_ok"); }});
    EXPECT_EQ(index, c.index);
    EXPECT_FALSE(state->rec.cancelled);
  }
}

TEST_F(HelpPictureList, SelectionDrawsAndIsKeptWithThePosition) {
  QPoint first, second;
  int preselected = -1;
  run({[&](QWidget* w) {
         w->move(w->pos() + QPoint(40, 30));
         first = w->pos();
         choose(w, 2);
       },
       [&](QWidget* w) {
         second = w->pos();
         preselected = w->findChild<QComboBox*>("ListBox1")->currentIndex();
         click(w, "SpinButton1_down");
       },
       [&](QWidget* w) { click(w, "Button_ok"); }});
  EXPECT_EQ(second, first);
  EXPECT_EQ(preselected, 2);
  // The spin button moved on to the last picture, which is drawn now.
  const auto texts = test::picture_texts(&window);
  EXPECT_NE(std::find_if(texts.begin(), texts.end(), [](const std::string& t) { return t.find("plim") != std::string::npos; }),
            texts.end());
}

TEST_F(HelpPictureList, CancelEndsTheList) {
  ui.files = {std::nullopt};
  run({[](QWidget* w) { click(w, "Button_neu"); }});
  // The cancel ends the list with the abort flag set; the menu command clears it (command tests).
  EXPECT_TRUE(state->rec.cancelled);
  EXPECT_EQ(test::read_file(plt + "/vx11.dbh"), shipped);
}

}  // namespace
}  // namespace vx11
