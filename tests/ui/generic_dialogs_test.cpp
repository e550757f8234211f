#include "ui/generic_dialogs.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/ui/qt_test_support.h"
#include "ui/choice_dialogs.h"
#include "ui/text_dialog.h"
#include "ui/yes_no_dialog.h"

namespace vx11 {
namespace {

using test::ModalDriver;
using test::press;

QStringList numbered(int n) {
  QStringList l;
  for (int i = 1; i <= n; ++i) l << QStringLiteral("Eintrag %1").arg(i);
  return l;
}

class GenericDialogs : public ::testing::Test {
 protected:
  void SetUp() override { test::ensure_application(); }
  DialogHelp no_help;
};

TEST_F(GenericDialogs, ChoicePresetsInBothForms) {
  struct Case {
    const char* name;
    int value, count, selected;
  };
  const Case cases[] = {
      {"zero selects the first", 0, 9, 1},    {"negative selects the first", -3, 9, 1},
      {"beyond the list", 10, 9, 1},          {"last entry", 9, 9, 9},
      {"inside the list", 4, 9, 4},           {"buttons: zero", 0, 5, 1},
      {"buttons: beyond", 6, 5, 1},           {"buttons: inside", 3, 5, 3},
      {"buttons: seven is the last", 7, 7, 7},
  };
  for (const auto& c : cases) {
    if (c.count > kMaxRadioChoices) {
      Tin_codedialog d(QStringLiteral("Bitte w\u00e4hlen"), numbered(c.count), c.value, no_help);
      EXPECT_EQ(d.value(), c.selected) << c.name;
      EXPECT_EQ(d.windowTitle(), QStringLiteral("Auswahl"));
    } else {
      Tin_radiodialog d(QStringLiteral("Bitte w\u00e4hlen"), numbered(c.count), c.value, no_help);
      EXPECT_EQ(d.value(), c.selected) << c.name;
      EXPECT_EQ(d.windowTitle(), QStringLiteral("Auswahl"));
    }
  }
}

TEST_F(GenericDialogs, MoreThanSevenChoicesUseTheList) {
  for (const int n : {1, 7, 8, 135}) {
    bool list = false, buttons = false;
    ModalDriver drive({[&](QWidget* w) {
      list = dynamic_cast<Tin_codedialog*>(w) != nullptr;
      buttons = dynamic_cast<Tin_radiodialog*>(w) != nullptr;
      press(w, Qt::Key_Return);
    }});
    EXPECT_EQ(ask_choice(nullptr, no_help, "Wahl", numbered(n), 1), 1);
    EXPECT_EQ(list, n > 7) << n;
    EXPECT_EQ(buttons, n <= 7) << n;
    EXPECT_EQ(drive.unexpected(), 0);
  }
}

TEST_F(GenericDialogs, ChoiceListKeysButtonsAndDoubleClick) {
  struct Case {
    const char* name;
    ModalDriver::Step step;
    std::optional<int> result;
  };
  const Case cases[] = {
      {"Enter confirms the preset", [](QWidget* w) { press(w, Qt::Key_Return); }, 3},
      {"keypad Enter confirms", [](QWidget* w) { press(w, Qt::Key_Enter); }, 3},
      {"Escape cancels", [](QWidget* w) { press(w, Qt::Key_Escape); }, std::nullopt},
      {"arrow then Enter",
       [](QWidget* w) {
         press(w, Qt::Key_Down);
         press(w, Qt::Key_Return);
       },
       4},
      {"OK button", [](QWidget* w) { test::click(w, "Button_ok"); }, 3},
      {"Abbrechen button", [](QWidget* w) { test::click(w, "Button_abbrechen"); }, std::nullopt},
      {"double click confirms",
       [](QWidget* w) {
         auto* list = w->findChild<QListWidget*>("ListBox_auswahl");
         list->doItemsLayout();
         const QRect r = list->visualItemRect(list->item(6));
         // A person's double click is a click followed by the double-click event.
         QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
         QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
       },
       7},
  };
  for (const auto& c : cases) {
    ModalDriver drive({c.step});
    EXPECT_EQ(ask_choice(nullptr, no_help, "Wahl", numbered(12), 3), c.result) << c.name;
    EXPECT_EQ(drive.unexpected(), 0) << c.name;
  }
}

TEST_F(GenericDialogs, ChoiceButtonsKeys) {
  {
    ModalDriver pick({[](QWidget* w) {
      w->findChild<QRadioButton*>("RadioButton_5")->click();
      press(w, Qt::Key_Return);
    }});
    EXPECT_EQ(ask_choice(nullptr, no_help, "Wahl", numbered(6), 2), 5);
  }
  ModalDriver escape({[](QWidget* w) { press(w, Qt::Key_Escape); }});
  EXPECT_EQ(ask_choice(nullptr, no_help, "Wahl", numbered(6), 2), std::nullopt);
  EXPECT_EQ(escape.unexpected(), 0);
  EXPECT_EQ(ask_choice(nullptr, no_help, "Wahl", {}, 1), std::nullopt);  // nothing to choose, no dialog
}

TEST_F(GenericDialogs, YesNoPresetAndKeys) {
  struct Case {
    const char* name;
    QString preset;
    ModalDriver::Step step;
    std::optional<QString> result;
  };
  const auto enter = [](QWidget* w) { press(w, Qt::Key_Return); };
  const Case cases[] = {
      {"N presets No", "N", enter, "N"},
      {"n presets No", "n", enter, "N"},
      {"Nein presets No", " Nein", enter, "N"},
      {"J presets Yes", "J", enter, "J"},
      {"empty presets Yes", "", enter, "J"},
      {"other text presets Yes", "x", enter, "J"},
      {"Escape cancels", "N", [](QWidget* w) { press(w, Qt::Key_Escape); }, std::nullopt},
      {"choose No",
       "J",
       [](QWidget* w) {
         w->findChild<QRadioButton*>("RadioButton_nein")->click();
         test::click(w, "Button_ok");
       },
       "N"},
  };
  for (const auto& c : cases) {
    ModalDriver drive({c.step});
    EXPECT_EQ(ask_yes_no(nullptr, no_help, "Weiter ?", c.preset), c.result) << c.name;
  }
  Tin_janeindialog d("Weiter ?", "J", no_help);
  EXPECT_EQ(d.windowTitle(), QStringLiteral("Eingabe"));
  EXPECT_NE(d.findChild<QWidget*>("RadioGroup_auswahl"), nullptr);
}

TEST_F(GenericDialogs, TextInputTypingLengthAndCancel) {
  const auto type = [](const QString& s) {
    return [s](QWidget* w) {
      auto* edit = w->findChild<QLineEdit*>("Edit_text");
      edit->clear();
      test::type_into(edit, s);
      press(w, Qt::Key_Return);
    };
  };
  struct Case {
    const char* name;
    int max_length;
    ModalDriver::Step step;
    std::optional<QString> result;
  };
  const Case cases[] = {
      {"Enter keeps the preset", 20, [](QWidget* w) { press(w, Qt::Key_Return); }, "Welle 1"},
      {"typed text", 20, type("Nabe \u00e4"), "Nabe \u00e4"},
      {"typing stops at the maximum", 5, type("1234567"), "12345"},
      {"Escape cancels", 20, [](QWidget* w) { press(w, Qt::Key_Escape); }, std::nullopt},
  };
  for (const auto& c : cases) {
    ModalDriver drive({c.step});
    EXPECT_EQ(ask_text(nullptr, no_help, "Name", c.max_length, "Welle 1"), c.result) << c.name;
  }
  Tin_textdialog d("Ein langer Text, der umbrochen wird", 4, "abcdef", no_help);
  EXPECT_EQ(d.text(), "abcd");  // a preset longer than the maximum is cut
  EXPECT_TRUE(d.findChild<QLabel*>("Label_prompt")->wordWrap());
}

TEST_F(GenericDialogs, HelpButtonsRunTheirActionAndKeepTheDialogOpen) {
  int texts = 0, pictures = 0;
  DialogHelp help{[&] { ++texts; }, [&] { ++pictures; }};
  ModalDriver drive({[](QWidget* w) {
    test::click(w, "Button_hilfetext");
    test::click(w, "Button_hilfebild");
    test::click(w, "Button_hilfebild");
    EXPECT_TRUE(w->isVisible());
    press(w, Qt::Key_Return);
  }});
  EXPECT_EQ(ask_text(nullptr, help, "Name", 10, "x"), QStringLiteral("x"));
  EXPECT_EQ(texts, 1);
  EXPECT_EQ(pictures, 2);

  Tin_textdialog plain("Name", 10, "x", no_help);
  EXPECT_FALSE(plain.findChild<QPushButton*>("Button_hilfetext")->isEnabled());
  EXPECT_FALSE(plain.findChild<QPushButton*>("Button_hilfebild")->isEnabled());
  EXPECT_EQ(plain.findChild<QPushButton*>("Button_hilfebild")->text(), QStringLiteral("Hilfe&bild"));
  EXPECT_EQ(plain.findChild<QPushButton*>("Button_abbrechen")->text(), QStringLiteral("Abbrechen"));
}

}  // namespace
}  // namespace vx11
