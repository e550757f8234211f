#include "ui/form_vx11wst.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "tests/ui/dialog_fixture.h"
#include "tests/ui/qt_test_support.h"

namespace vx11 {
namespace {

using test::click;

class DimensionsDialog : public test::DialogTest {
 protected:
  bool open(const std::function<void(QWidget*)>& act, Qt::Key key = Qt::Key_Return) {
    return drive([&] { return edit_dimensions(*state, help, nullptr); }, act, key);
  }
  static QString key_caption(QWidget* w) { return w->findChild<QPushButton*>("Button_din6888")->text(); }
};

TEST_F(DimensionsDialog, WithoutAKeyTheTableOpensFirst) {
  browser.confirm(3);  // 2 x 2.6
  QString caption;
  EXPECT_TRUE(open([&](QWidget* w) { caption = key_caption(w); }));
  ASSERT_EQ(browser.shown.size(), 1u);
  EXPECT_EQ(caption, QStringLiteral("DIN 6888 - 2 x 2.6"));
  EXPECT_EQ(state->rec.key_row_number, 3);
  EXPECT_EQ(state->rec.key_row.key_width_b, 2);
}

TEST_F(DimensionsDialog, CancelledKeyTableStillOpensTheDialog) {
  browser.cancel();
  QString caption;
  EXPECT_TRUE(open([&](QWidget* w) { caption = key_caption(w); }));
  EXPECT_EQ(caption, QStringLiteral("DIN 6888 - 0 x 0"));
  EXPECT_EQ(state->rec.key_row_number, 0);
  EXPECT_FALSE(state->rec.cancelled);
}

TEST_F(DimensionsDialog, KeyButtonKeepsWhatWasTyped) {
  load_worked_example();
  browser.confirm(3);
  EXPECT_TRUE(open([&](QWidget* w) {
    EXPECT_TRUE(browser.shown.empty());
    EXPECT_EQ(key_caption(w), QStringLiteral("DIN 6888 - 5 x 6.5"));
    retype(w, "Edit_d", "7,5");
    click(w, "Button_din6888");
    EXPECT_EQ(key_caption(w), QStringLiteral("DIN 6888 - 2 x 2.6"));
    EXPECT_EQ(text_of(w, "Edit_d"), QStringLiteral("7.5"));
  }));
  EXPECT_EQ(state->rec.shaft_diameter_d, 7.5L);
  EXPECT_EQ(state->rec.key_row.key_height_h, 2.6L);
}

TEST_F(DimensionsDialog, FieldsAndDefaults) {
  load_worked_example();
  state->rec.support_factor_fs[kKey] = 4;
  EXPECT_TRUE(open([&](QWidget* w) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("VX11  -  Scheibenfederberechnung"));
    EXPECT_EQ(text_of(w, "Edit_d"), QStringLiteral("20"));
    EXPECT_EQ(text_of(w, "Edit_ident3"), QStringLiteral("1.0060"));
    EXPECT_EQ(text_of(w, "Edit_ReL1"), QStringLiteral("340"));
    EXPECT_EQ(w->findChild<QPushButton*>("Button_wstdbf")->text(), QStringLiteral("1.0060  Werkstoff.."));
    w->findChild<QComboBox*>("ComboBox_anzahl")->setCurrentIndex(1);
    w->findChild<QRadioButton*>("RadioButton_b")->click();
    for (const char* e : {"Edit_isoi", "Edit_isoa", "Edit_alphakb", "Edit_fs1"}) {
      retype(w, e, "x");
      click(w, (std::string("Button_default_") + e).c_str());
    }
    retype(w, "Edit_fh1", "1,25");
  }));
  const ConnectionRecord& r = state->rec;
  EXPECT_EQ(r.key_count, 2);
  EXPECT_EQ(r.key_series, 2);
  EXPECT_EQ(r.fit_shaft, "h 6");
  EXPECT_EQ(r.fit_hub, "H 7");
  EXPECT_EQ(r.alpha_kb, 5);
  EXPECT_EQ(r.support_factor_fs[kKey], 1);
  EXPECT_EQ(r.hardness_factor_fh[kKey], 1.25L);
  EXPECT_EQ(r.support_factor_fs[kShaft], 1.2L);  // the shaft is not in this dialog
}

TEST_F(DimensionsDialog, InchDiameterAndCancel) {
  load_worked_example();
  QString shown;
  EXPECT_TRUE(open([&](QWidget* w) {
    click(w, "Button_metric");
    shown = text_of(w, "Edit_d");
    retype(w, "Edit_alphakb", "0");
  }));
  EXPECT_EQ(shown, QStringLiteral("0.7874"));
  EXPECT_EQ(state->rec.shaft_diameter_d, 20);
  EXPECT_EQ(state->rec.alpha_kb, 0);
  EXPECT_TRUE(open([&](QWidget* w) { retype(w, "Edit_d", "1"); }));
  EXPECT_EQ(state->rec.shaft_diameter_d, 25.4L);
  const ConnectionRecord before = state->rec;
  EXPECT_FALSE(open(
      [&](QWidget* w) {
        retype(w, "Edit_d", "2");
        w->findChild<QComboBox*>("ComboBox_anzahl")->setCurrentIndex(1);
      },
      Qt::Key_Escape));
  EXPECT_EQ(state->rec.shaft_diameter_d, before.shaft_diameter_d);
  EXPECT_EQ(state->rec.key_count, before.key_count);
  EXPECT_TRUE(state->rec.cancelled);
}

TEST_F(DimensionsDialog, DiameterProposalIsConfirmedInTheSeries) {
  load_worked_example();
  browser.confirm();  // the series table, on the proposal
  browser.cancel();   // the second time the person cancels
  QString first, second;
  EXPECT_TRUE(open([&](QWidget* w) {
    click(w, "Button_default_Edit_d");
    first = text_of(w, "Edit_d");
    retype(w, "Edit_d", "18");
    click(w, "Button_default_Edit_d");
    second = text_of(w, "Edit_d");
  }));
  EXPECT_EQ(first, QStringLiteral("24"));  // TN 60 Nm on the hub's Re 230, without KA
  EXPECT_EQ(second, QStringLiteral("18"));
  EXPECT_EQ(browser.shown.size(), 2u);
  EXPECT_EQ(state->rec.shaft_diameter_d, 18);
}

TEST_F(DimensionsDialog, ScreenshotOfTheWorkedExample) {
  load_worked_example();
  Form_vx11wst d(*state, help);
  d.prepare();
  screenshot(&d, "form_vx11wst");
}

}  // namespace
}  // namespace vx11
