#include "ui/qt_interaction.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "report/number_input.h"
#include "tests/ui/qt_test_support.h"

namespace vx11 {
namespace {

using test::ModalDriver;
using test::press;

class QtInteractionTest : public ::testing::Test {
 protected:
  void SetUp() override { test::ensure_application(); }
  FormatSettings settings;
  ProgramIdentity identity;
  QtInteraction ui{settings, identity};
};

ModalDriver::Step type_and_confirm(const QString& text) {
  return [text](QWidget* w) {
    auto* edit = w->findChild<QLineEdit*>("Edit_text");
    ASSERT_NE(edit, nullptr);
    edit->clear();
    test::type_into(edit, text);
    press(w, Qt::Key_Return);
  };
}

QString box_text(QWidget* w) {
  auto* box = qobject_cast<QMessageBox*>(w);
  return box ? box->text() : QString();
}

TEST_F(QtInteractionTest, IntegerWithSwappedLimitsAcceptsFive) {
  ModalDriver drive({type_and_confirm("5")});
  EXPECT_EQ(ask_integer(ui, "Anzahl", 1, 10, 1), 5);
  EXPECT_EQ(drive.unexpected(), 0);
}

TEST_F(QtInteractionTest, IntegerOutOfRangeAndInvalidTextAreAskedAgain) {
  QString range, invalid, preset_again;
  ModalDriver drive({
      type_and_confirm("11"),
      [&](QWidget* w) {
        range = box_text(w);
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Fehler : "));
        press(w, Qt::Key_Return);
      },
      type_and_confirm("x7"),
      [&](QWidget* w) {
        invalid = box_text(w);
        press(w, Qt::Key_Return);
      },
      [&](QWidget* w) {
        preset_again = w->findChild<QLineEdit*>("Edit_text")->text();
        press(w, Qt::Key_Escape);
      },
  });
  EXPECT_EQ(ask_integer(ui, "Anzahl", 3, 1, 10), std::nullopt);
  // Umlauts arrive in code page 850 and are shown converted.
  EXPECT_EQ(range, QStringLiteral("G\u00fcltiger Wertebereich: 1 .. 10 !"));
  EXPECT_EQ(invalid, QStringLiteral("Ung\u00fcltige Eingabe \"x7\" !"));
  EXPECT_EQ(preset_again, QStringLiteral("3"));  // asked again with the old value
  EXPECT_EQ(drive.unexpected(), 0);
}

TEST_F(QtInteractionTest, TextIsConvertedBothWays) {
  QString shown_prompt, shown_text, title;
  ModalDriver drive({[&](QWidget* w) {
    shown_prompt = w->findChild<QLabel*>("Label_prompt")->text();
    shown_text = w->findChild<QLineEdit*>("Edit_text")->text();
    title = w->windowTitle();
    type_and_confirm(QStringLiteral("\u00c4nderung \u00df"))(w);
  }});
  // "Größe" and "Maß" in code page 850.
  const auto typed = ui.ask_text("Eingabe", "Gr\x94\xe1" "e", "Ma\xe1");
  EXPECT_EQ(shown_prompt, QStringLiteral("Gr\u00f6\u00dfe"));
  EXPECT_EQ(shown_text, QStringLiteral("Ma\u00df"));
  EXPECT_EQ(title, QStringLiteral("Eingabe"));
  EXPECT_EQ(typed, std::optional<std::string>("\x8e" "nderung \xe1"));
}

TEST_F(QtInteractionTest, ChoiceListOpenedWithValueZeroPreselectsTheFirstEntry) {
  std::vector<std::string> items;
  for (int i = 1; i <= 9; ++i) items.push_back("Eintrag " + std::to_string(i));
  struct Case {
    const char* name;
    int preset;
    std::optional<int> result;
  };
  // Presets are indices here: -1 is the value 0 of the dialog.
  const Case cases[] = {{"value 0", -1, 0}, {"beyond", 9, 0}, {"inside", 4, 4}};
  for (const auto& c : cases) {
    int row = -2;
    ModalDriver drive({[&](QWidget* w) {
      row = w->findChild<QListWidget*>("ListBox_auswahl")->currentRow();
      press(w, Qt::Key_Return);
    }});
    EXPECT_EQ(ui.choose("Ausgabe auf ..", items, c.preset), c.result) << c.name;
    EXPECT_EQ(row, *c.result) << c.name;
  }
  ModalDriver escape({[](QWidget* w) { press(w, Qt::Key_Escape); }});
  EXPECT_EQ(ui.choose("Ausgabe auf ..", items, 2), std::nullopt);
  EXPECT_EQ(escape.unexpected(), 0);
}

TEST_F(QtInteractionTest, EscapeInYesNoKeepsThePreviousAnswer) {
  std::string answer = "N";
  ModalDriver drive({
      [](QWidget* w) { press(w, Qt::Key_Escape); },
      [](QWidget* w) {
        w->findChild<QRadioButton*>("RadioButton_ja")->click();
        press(w, Qt::Key_Return);
      },
  });
  const auto first = ui.ask_yes_no("Weiter ?", answer);
  if (first) answer = *first;
  EXPECT_FALSE(first);
  EXPECT_EQ(answer, "N");
  EXPECT_EQ(ui.ask_yes_no("Weiter ?", answer), std::optional<std::string>("J"));
}

TEST_F(QtInteractionTest, YesNoCancelBoxIsCaptionedWithTheProgramTitle) {
  struct Case {
    const char* name;
    ModalDriver::Step step;
    Answer answer;
  };
  const auto button = [](QMessageBox::StandardButton b) {
    return [b](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(b)->click(); };
  };
  const Case cases[] = {
      {"Escape is Cancel", [](QWidget* w) { press(w, Qt::Key_Escape); }, Answer::Cancel},
      {"Enter is Yes", [](QWidget* w) { press(w, Qt::Key_Return); }, Answer::Yes},
      {"No", button(QMessageBox::No), Answer::No},
      {"Cancel", button(QMessageBox::Cancel), Answer::Cancel},
  };
  for (const auto& c : cases) {
    QString title, yes;
    ModalDriver drive({[&](QWidget* w) {
      title = w->windowTitle();
      yes = qobject_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->text();
      c.step(w);
    }});
    EXPECT_EQ(ui.ask_yes_no_cancel("", "Save Changes ?"), c.answer) << c.name;
    EXPECT_EQ(title, QStringLiteral("VX11  -  Scheibenfederberechnung")) << c.name;
    EXPECT_EQ(yes, QStringLiteral("&Ja"));
  }
}

TEST_F(QtInteractionTest, MessageBoxesKeepTheirCaptions) {
  for (const char* caption : {kCaptionInfo, kCaptionError, kCaptionHelp}) {
    QString title, text;
    ModalDriver drive({[&](QWidget* w) {
      title = w->windowTitle();
      text = box_text(w);
      press(w, Qt::Key_Return);
    }});
    ui.message(caption, "Datei gel\x94scht");
    EXPECT_EQ(title, QString::fromUtf8(caption));
    EXPECT_EQ(text, QStringLiteral("Datei gel\u00f6scht"));
  }
}

TEST_F(QtInteractionTest, FileDialogsReturnTheChosenPathOrNothing) {
  QTemporaryDir dir;
  const QString path = dir.filePath("welle.vxk");
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  const auto choose_file = [path](QWidget* w) {
    auto* d = qobject_cast<QFileDialog*>(w);
    ASSERT_NE(d, nullptr);
    d->selectFile(path);
    static_cast<QDialog*>(d)->accept();
  };
  {
    ModalDriver open({choose_file, [](QWidget* w) { press(w, Qt::Key_Escape); }});
    EXPECT_EQ(ui.open_file("\x99" "ffnen", dir.path().toStdString(), "*.vxk"), path.toStdString());
    EXPECT_EQ(ui.open_file("\x99" "ffnen", dir.path().toStdString(), "*.vxk"), std::nullopt);
  }

  QString suffix;
  ModalDriver save({[&](QWidget* w) {
    auto* d = qobject_cast<QFileDialog*>(w);
    suffix = d->defaultSuffix();
    d->selectFile(dir.filePath("bericht"));
    static_cast<QDialog*>(d)->accept();
  }});
  const auto saved = ui.save_file("Speichern", dir.path().toStdString(), "bericht.txt", "*.txt");
  EXPECT_EQ(suffix, QStringLiteral("txt"));
  ASSERT_TRUE(saved);
  EXPECT_EQ(*saved, dir.filePath("bericht.txt").toStdString());
}

}  // namespace
}  // namespace vx11
