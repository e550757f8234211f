#include "ui/form_vx3last.h"

#include <QLabel>
#include <QPushButton>

#include "tests/ui/dialog_fixture.h"
#include "tests/ui/qt_test_support.h"

namespace vx11 {
namespace {

using test::click;

class LoadsDialog : public test::DialogTest {
 protected:
  bool open(const std::function<void(QWidget*)>& act, Qt::Key key = Qt::Key_Return) {
    return drive([&] { return edit_loads(*state, help, nullptr); }, act, key);
  }
};

TEST_F(LoadsDialog, TypedNumbersGoIntoTheirFields) {
  struct Case {
    const char* edit;
    Real ConnectionRecord::*field;
  };
  const Case cases[] = {
      {"Edit_tnenn", &ConnectionRecord::nominal_torque_tn},
      {"Edit_tmax", &ConnectionRecord::max_torque_tmax},
      {"Edit_ka", &ConnectionRecord::application_factor_ka},
      {"Edit_klambda", &ConnectionRecord::load_distribution_factor_klambda},
      {"Edit_kr", &ConnectionRecord::friction_factor_kr},
      {"Edit_mbmax", &ConnectionRecord::bending_moment_mbmax},
      {"Edit_fw", &ConnectionRecord::load_reversal_factor_fw},
  };
  for (const auto& c : cases) {
    for (const auto& [typed, stored] : {std::pair{"12,5", 12.5L}, {" 7.25 ", 7.25L}, {"+3", 3.0L}}) {
      state->rec.cancelled = true;
      EXPECT_TRUE(open([&, typed = typed](QWidget* w) { retype(w, c.edit, typed); }));
      EXPECT_EQ(state->rec.*c.field, stored) << c.edit << " " << typed;
      EXPECT_FALSE(state->rec.cancelled);
    }
  }
  EXPECT_TRUE(open([](QWidget* w) {
    retype(w, "Edit_fl1", "2,5");
    retype(w, "Edit_fl2", "0,5");
    retype(w, "Edit_fl3", "0.75");
  }));
  EXPECT_EQ(state->rec.load_peak_factor_fl, (std::array<Real, 3>{2.5L, 0.5L, 0.75L}));
}

TEST_F(LoadsDialog, WhatCannotDescribeALoadKeepsTheDialogOpenAndNamesTheField) {
  struct Case {
    const char* edit;
    const char* typed;
    std::string message;  // code page 850
  };
  const std::string not_a_number = "Ung\x81ltige Eingabe \"";
  const Case cases[] = {
      {"Edit_tnenn", "abc", "Nenndrehmoment TN\n" + not_a_number + "abc\" !"},
      {"Edit_tnenn", "-60", "Nenndrehmoment TN\nG\x81ltiger Wertebereich: > 0 .. 1e12 !"},
      {"Edit_tnenn", "1e300", "Nenndrehmoment TN\nG\x81ltiger Wertebereich: > 0 .. 1e12 !"},
      {"Edit_tmax", "-1", "Maximales Drehmoment Tmax\nG\x81ltiger Wertebereich: 0 .. 1e12 !"},
      {"Edit_ka", "0", "Anwendungsfaktor KA\nG\x81ltiger Wertebereich: > 0 .. 1e12 !"},
      {"Edit_klambda", "0", "Lastverteilungsfaktor K lambda\nG\x81ltiger Wertebereich: > 0 .. 1e12 !"},
      {"Edit_kr", "-2", "Reibschlu\xE1" "faktor KR\nG\x81ltiger Wertebereich: > 0 .. 1e12 !"},
      {"Edit_mbmax", "2e12", "Max.Biegemoment Welle Mbmax\nG\x81ltiger Wertebereich: -1e12 .. 1e12 !"},
      {"Edit_fw", "0", "Lastrichtungswechselfaktor fW\nG\x81ltiger Wertebereich: > 0 .. 1e12 !"},
      {"Edit_fl2", "0", "Lastspitzenh\x84ufigkeitsfaktor fL Nabe\nG\x81ltiger Wertebereich: > 0 .. 1e12 !"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.edit) + " " + c.typed);
    ui.shown.clear();
    const ConnectionRecord before = state->rec;
    bool stayed = false, focused = false, marked = false;
    EXPECT_FALSE(open(
        [&](QWidget* w) {
          retype(w, c.edit, c.typed);
          marked = w->findChild<QLineEdit*>(c.edit)->property("vx11_not_a_number").toBool();
          click(w, "Button_ok");
          stayed = w->isVisible();
          focused = w->focusWidget() == w->findChild<QLineEdit*>(c.edit);
        },
        Qt::Key_Escape));
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(focused);
    EXPECT_EQ(marked, std::string(c.typed) == "abc");  // only what is no number is marked while typing
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0], "Fehler : |" + c.message);
    EXPECT_EQ(state->rec.nominal_torque_tn, before.nominal_torque_tn);
  }
}

TEST_F(LoadsDialog, CancelWritesNothingEvenAfterAUnitSwitch) {
  const ConnectionRecord before = state->rec;
  EXPECT_FALSE(open(
      [](QWidget* w) {
        retype(w, "Edit_tnenn", "999");
        click(w, "Button_metric");
        retype(w, "Edit_ka", "3");
        click(w, "Button_default_Edit_fl1");
      },
      Qt::Key_Escape));
  EXPECT_TRUE(state->rec.cancelled);
  EXPECT_EQ(state->rec.nominal_torque_tn, before.nominal_torque_tn);
  EXPECT_EQ(state->rec.application_factor_ka, before.application_factor_ka);
  EXPECT_EQ(state->rec.load_peak_factor_fl, before.load_peak_factor_fl);
  // The display unit system is a program setting and stays switched.
  EXPECT_TRUE(state->format.inch());
  EXPECT_EQ(state->config.unit_system, 1);
}

TEST_F(LoadsDialog, DefaultButtons) {
  state->rec.application_factor_ka = 2;
  state->rec.load_distribution_factor_klambda = 2;
  state->rec.friction_factor_kr = 2;
  state->rec.bending_moment_mbmax = 40;
  state->rec.load_reversal_factor_fw = 0.5L;
  state->rec.load_peak_factor_fl = {3, 4, 5};
  QString tmax_shown;
  EXPECT_TRUE(open([&](QWidget* w) {
    retype(w, "Edit_tnenn", "12,5");
    for (const char* e : {"Edit_tmax", "Edit_ka", "Edit_klambda", "Edit_kr", "Edit_mbmax", "Edit_fw", "Edit_fl1"})
      click(w, (std::string("Button_default_") + e).c_str());
    tmax_shown = text_of(w, "Edit_tmax");
  }));
  EXPECT_EQ(tmax_shown, QStringLiteral("37.5"));
  const ConnectionRecord& r = state->rec;
  EXPECT_EQ(r.nominal_torque_tn, 12.5L);
  EXPECT_EQ(r.max_torque_tmax, 37.5L);
  EXPECT_EQ(r.application_factor_ka, 1);
  EXPECT_EQ(r.load_distribution_factor_klambda, 1);
  EXPECT_EQ(r.friction_factor_kr, 1);
  EXPECT_EQ(r.bending_moment_mbmax, 0);
  EXPECT_EQ(r.load_reversal_factor_fw, 1);
  EXPECT_EQ(r.load_peak_factor_fl, (std::array<Real, 3>{1, 1, 1}));
}

TEST_F(LoadsDialog, InchSystem) {
  state->rec.nominal_torque_tn = 61.3L;
  state->rec.max_torque_tmax = 97.77L;
  // Switching there and back without typing keeps every stored value exactly.
  EXPECT_TRUE(open([](QWidget* w) {
    click(w, "Button_metric");
    click(w, "Button_metric");
  }));
  EXPECT_EQ(state->rec.nominal_torque_tn, 61.3L);
  EXPECT_EQ(state->rec.max_torque_tmax, 97.77L);
  // A value retyped as shown in lb-in comes back but for the rounding of the display.
  QString shown, unit;
  EXPECT_TRUE(open([&](QWidget* w) {
    click(w, "Button_metric");
    shown = text_of(w, "Edit_tnenn");
    retype(w, "Edit_tnenn", shown);
    retype(w, "Edit_mbmax", "100");
    for (auto* l : w->findChildren<QLabel*>())
      if (l->text() == QStringLiteral("lbfin")) unit = l->text();
  }));
  EXPECT_EQ(shown, QStringLiteral("542.6"));
  EXPECT_EQ(unit, QStringLiteral("lbfin"));
  EXPECT_NEAR(static_cast<double>(state->rec.nominal_torque_tn), 61.3, 0.01);
  EXPECT_NEAR(static_cast<double>(state->rec.bending_moment_mbmax), 11.2984788, 1e-9);
  EXPECT_EQ(state->rec.max_torque_tmax, 97.77L);
}

TEST_F(LoadsDialog, HelpButtonsUseTheirContexts) {
  std::vector<int> numbers;
  help.text = [&] { numbers.push_back(state->help_number); };
  help.picture = [&] {
    numbers.push_back(state->help_number);
    state->rec.cancelled = true;
  };
  EXPECT_TRUE(open([](QWidget* w) {
    EXPECT_EQ(w->findChild<QPushButton*>("Button_helppicture"), nullptr);
    for (const char* b : {"Button_help", "Button_ka", "Button_fw", "Button_fl"}) click(w, b);
  }));
  EXPECT_EQ(numbers, (std::vector<int>{kHelpLoads, kHelpPictureKA, kHelpPictureFW, kHelpPictureFL}));
  EXPECT_EQ(state->help_number, kHelpLoads);
  EXPECT_FALSE(state->rec.cancelled);
}

TEST_F(LoadsDialog, CaptionsAndTabOrder) {
  Form_vx3last d(*state, help);
  d.prepare();
  EXPECT_EQ(d.windowTitle(), QStringLiteral("VX11"));
  QStringList texts;
  for (auto* l : d.findChildren<QLabel*>()) texts << l->text();
  for (const char* t : {"Teq = TN * KA", "S eq = plim * fw / peq ", "S max = plim * fL / pmax ", "    Welle",
                        "    Nabe", "    Scheibenfeder", "Lastspitzenhäufigkeitsfaktor fL"})
    EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;
  // Tab runs from the first edit through the rows to OK.
  QStringList order;
  QWidget* w = d.findChild<QWidget*>("Edit_tnenn");
  for (int i = 0; i < 300 && w; ++i, w = w->nextInFocusChain())
    if (w->focusPolicy() & Qt::TabFocus && !w->objectName().isEmpty()) order << w->objectName();
  const auto at = [&](const char* n) { return order.indexOf(QString::fromLatin1(n)); };
  EXPECT_LT(at("Edit_tnenn"), at("Edit_tmax"));
  EXPECT_LT(at("Edit_tmax"), at("Edit_ka"));
  EXPECT_LT(at("Edit_fw"), at("Edit_fl1"));
  EXPECT_LT(at("Edit_fl3"), at("Button_ok"));
  EXPECT_LT(at("Button_ok"), at("Button_cancel"));
}

TEST_F(LoadsDialog, ScreenshotOfTheWorkedExample) {
  load_worked_example();
  Form_vx3last d(*state, help);
  d.prepare();
  screenshot(&d, "form_vx3last");
}

}  // namespace
}  // namespace vx11
