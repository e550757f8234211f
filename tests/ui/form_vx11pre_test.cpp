#include "ui/form_vx11pre.h"

#include <QLabel>
#include <QPushButton>

#include "tests/ui/dialog_fixture.h"
#include "tests/ui/qt_test_support.h"

namespace vx11 {
namespace {

using test::click;

class PredesignDialog : public test::DialogTest {
 protected:
  bool open(const std::function<void(QWidget*)>& act, Qt::Key key = Qt::Key_Return) {
    return drive([&] { return edit_predesign(*state, help, nullptr); }, act, key);
  }
};

TEST_F(PredesignDialog, PeakTorqueRules) {
  struct Case {
    const char* name;
    Real tn_before, tmax_before;
    const char* typed_tn;
    Real tmax_after;
  };
  const Case cases[] = {
      {"below the new nominal torque", 60, 90, "100", 200},
      {"above three times", 60, 350, "100", 200},
      {"within the range stays", 60, 250, "100", 250},
      {"exactly three times stays", 60, 300, "100", 300},
      {"raised on show when below TN", 100, 90, "100", 200},
      {"comma in the torque", 60, 90, "12,5", 25},
  };
  for (const auto& c : cases) {
    state->rec.nominal_torque_tn = c.tn_before;
    state->rec.max_torque_tmax = c.tmax_before;
    browser.confirm();
    EXPECT_TRUE(open([&](QWidget* w) { retype(w, "Edit_tnenn", c.typed_tn); })) << c.name;
    EXPECT_EQ(state->rec.max_torque_tmax, c.tmax_after) << c.name;
    EXPECT_FALSE(state->rec.cancelled) << c.name;
  }
}

TEST_F(PredesignDialog, OkOffersTheKeyForTheDiameter) {
  browser.confirm();
  EXPECT_TRUE(open([](QWidget* w) {
    retype(w, "Edit_d", "20");
    retype(w, "Edit_ka", "1,5");
  }));
  ASSERT_EQ(browser.shown.size(), 1u);
  EXPECT_EQ(browser.shown[0].help_number, 9510);
  const KeyRow& k = state->rec.key_row;
  EXPECT_GE(k.shaft_range_max_d1, 20);
  EXPECT_GT(state->rec.key_row_number, 0);
  EXPECT_EQ(state->rec.shaft_diameter_d, 20);
  EXPECT_EQ(state->rec.application_factor_ka, 1.5L);
}

TEST_F(PredesignDialog, CancelledKeyTableKeepsTheKeyAndCloses) {
  load_worked_example();
  const KeyRow before = state->rec.key_row;
  browser.cancel();
  EXPECT_TRUE(open([](QWidget* w) { retype(w, "Edit_d", "40"); }));
  EXPECT_EQ(state->rec.key_row.key_width_b, before.key_width_b);
  EXPECT_EQ(state->rec.key_row_number, 1);
  EXPECT_EQ(state->rec.shaft_diameter_d, 40);
  EXPECT_FALSE(state->rec.cancelled);
}

TEST_F(PredesignDialog, CancelWritesNothing) {
  const ConnectionRecord before = state->rec;
  browser.confirm(2);  // the shaft material chosen, then discarded
  EXPECT_FALSE(open(
      [](QWidget* w) {
        retype(w, "Edit_tnenn", "500");
        click(w, "Button_mat1");
        EXPECT_EQ(w->findChild<QPushButton*>("Button_mat1")->text(), QStringLiteral("S235JR (St37-2)"));
      },
      Qt::Key_Escape));
  EXPECT_TRUE(state->rec.cancelled);
  EXPECT_EQ(state->rec.nominal_torque_tn, before.nominal_torque_tn);
  EXPECT_EQ(state->rec.max_torque_tmax, before.max_torque_tmax);
  EXPECT_EQ(state->rec.material[kShaft].name, before.material[kShaft].name);
}

TEST_F(PredesignDialog, DiameterProposal) {
  struct Case {
    const char* name;
    const char* ka;
    std::int32_t hub_re;
    QString shown;
  };
  const Case cases[] = {
      {"KA 1 on the hub's Re 230", "1", 230, QStringLiteral("24")},
      {"KA 2", "2", 230, QStringLiteral("30")},
      {"no yield stress: no proposal", "1", 0, QStringLiteral("17")},
  };
  for (const auto& c : cases) {
    state->rec.material[kHub].yield_re = c.hub_re;
    ui.shown.clear();
    QString shown;
    EXPECT_FALSE(open(
        [&](QWidget* w) {
          retype(w, "Edit_ka", c.ka);
          retype(w, "Edit_d", "17");
          click(w, "Button_default_Edit_d");
          shown = text_of(w, "Edit_d");
        },
        Qt::Key_Escape))
        << c.name;
    EXPECT_EQ(shown, c.shown) << c.name;
    EXPECT_EQ(ui.shown.size(), c.hub_re == 0 ? 1u : 0u) << c.name;
  }
}

TEST_F(PredesignDialog, InchEntry) {
  browser.confirm();
  QString unit;
  EXPECT_TRUE(open([&](QWidget* w) {
    click(w, "Button_metric");
    unit = w->findChild<QLabel*>("Label_du")->text();
    retype(w, "Edit_d", "1");
    retype(w, "Edit_tnenn", "885,0749");
  }));
  EXPECT_EQ(unit, QStringLiteral("in"));
  EXPECT_EQ(state->rec.shaft_diameter_d, 25.4L);
  EXPECT_NEAR(static_cast<double>(state->rec.nominal_torque_tn), 100, 1e-4);
}

TEST_F(PredesignDialog, ScreenshotOfTheWorkedExample) {
  load_worked_example();
  Form_vx11pre d(*state, help);
  d.prepare();
  screenshot(&d, "form_vx11pre");
}

}  // namespace
}  // namespace vx11
