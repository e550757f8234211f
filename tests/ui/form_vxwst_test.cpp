#include "ui/form_vxwst.h"

#include <QLabel>
#include <QPushButton>

#include "tests/ui/dialog_fixture.h"
#include "tests/ui/qt_test_support.h"

namespace vx11 {
namespace {

using test::click;

class MaterialsDialog : public test::DialogTest {
 protected:
  bool open(const std::function<void(QWidget*)>& act, Qt::Key key = Qt::Key_Return) {
    return drive([&] { return edit_materials(*state, help, nullptr); }, act, key);
  }
  static QString label(QWidget* w, const char* name) { return w->findChild<QLabel*>(name)->text(); }
  static QString button(QWidget* w, const char* name) { return w->findChild<QPushButton*>(name)->text(); }
};

TEST_F(MaterialsDialog, ShowsTheRecordConverted) {
  state->rec.material[kHub].name = "Gu\xE1stahl";  // "Gußstahl" in code page 850
  state->rec.material[kHub].number.clear();
  EXPECT_FALSE(open(
      [](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("VX11  Werkstoff"));
        EXPECT_EQ(text_of(w, "Edit_ident1"), QStringLiteral("1.0570"));
        EXPECT_EQ(text_of(w, "Edit_Name1"), QStringLiteral("S355J2G3 (St52-3)"));
        EXPECT_EQ(text_of(w, "Edit_Re1"), QStringLiteral("355"));
        EXPECT_EQ(text_of(w, "Edit_fs1"), QStringLiteral("1.2"));
        EXPECT_EQ(text_of(w, "Edit_name2"), QString::fromUtf8("Gußstahl"));
        EXPECT_EQ(text_of(w, "Edit_re2"), QStringLiteral("230"));
        EXPECT_EQ(text_of(w, "Edit_fs2"), QStringLiteral("2"));
        EXPECT_EQ(label(w, "Label_plim1"), QString::fromUtf8("plim = Re * fs * fH = 426 N/mm²"));
        EXPECT_EQ(label(w, "Label_plim2"), QString::fromUtf8("plim = Re * fs * fH = 460 N/mm²"));
        EXPECT_EQ(button(w, "Button1"), QStringLiteral("1.0570  Werkstoffdatenbank"));
        EXPECT_EQ(button(w, "Button2"), QStringLiteral("Werkstoffdatenbank..."));
      },
      Qt::Key_Escape));
}

TEST_F(MaterialsDialog, TypedValuesAndTexts) {
  QString preview;
  EXPECT_TRUE(open([&](QWidget* w) {
    retype(w, "Edit_Re1", "12,5");
    retype(w, "Edit_fs1", "2,5");
    retype(w, "Edit_fh1", "abc");
    preview = label(w, "Label_plim1");  // the preview reads what is no number as 0
    retype(w, "Edit_fh1", "0,5");
    retype(w, "Edit_re2", "0");
    retype(w, "Edit_fs2", "0,8");
    retype(w, "Edit_ident2", "0.6025");
    retype(w, "Edit_name2", QString::fromUtf8("Grauguß GJL-250 mit sehr langem Namen"));
  }));
  EXPECT_EQ(preview, QString::fromUtf8("plim = Re * fs * fH = 0 N/mm²"));
  const ConnectionRecord& r = state->rec;
  EXPECT_EQ(r.material[kShaft].yield_re, 13);  // Re is held as a whole number
  EXPECT_EQ(r.support_factor_fs[kShaft], 2.5L);
  EXPECT_EQ(r.hardness_factor_fh[kShaft], 0.5L);
  EXPECT_EQ(r.material[kHub].yield_re, 0);
  EXPECT_EQ(r.support_factor_fs[kHub], 0.8L);
  EXPECT_EQ(r.material[kHub].number, "0.6025");
  EXPECT_EQ(r.material[kHub].name, "Graugu\xE1 GJL-250 mi");  // code page 850, cut to 18
}

TEST_F(MaterialsDialog, DefaultButtonsAndPreview) {
  state->rec.support_factor_fs = {3, 3, 3};
  state->rec.hardness_factor_fh = {3, 3, 3};
  QString preview;
  EXPECT_TRUE(open([&](QWidget* w) {
    for (const char* e : {"Edit_fs1", "Edit_fh1", "Edit_fs2", "Edit_fh2"})
      click(w, (std::string("Button_default_") + e).c_str());
    preview = label(w, "Label_plim2");
  }));
  EXPECT_EQ(preview, QString::fromUtf8("plim = Re * fs * fH = 230 N/mm²"));
  EXPECT_EQ(state->rec.support_factor_fs, (std::array<Real, 3>{1, 1, 3}));
  EXPECT_EQ(state->rec.hardness_factor_fh, (std::array<Real, 3>{1, 1, 3}));
}

TEST_F(MaterialsDialog, PsiDisplay) {
  QString re, preview;
  EXPECT_TRUE(open([&](QWidget* w) {
    click(w, "Button_metric");
    re = text_of(w, "Edit_Re1");
    preview = label(w, "Label_plim1");
    retype(w, "Edit_re2", "50000");
  }));
  EXPECT_EQ(re.toStdString().substr(0, 3), "514");
  EXPECT_TRUE(preview.endsWith(QStringLiteral(" psi"))) << preview.toStdString();
  EXPECT_EQ(state->rec.material[kShaft].yield_re, 355);
  EXPECT_EQ(state->rec.material[kHub].yield_re, 345);  // 50000 psi
}

TEST_F(MaterialsDialog, TableButtonTakesTheTypedNumber) {
  browser.confirm();
  EXPECT_TRUE(open([&](QWidget* w) {
    retype(w, "Edit_ident1", "1.0038");
    retype(w, "Edit_fs2", "0,9");
    click(w, "Button1");
    EXPECT_EQ(text_of(w, "Edit_Name1"), QStringLiteral("S235JR (St37-2)"));
    EXPECT_EQ(text_of(w, "Edit_Re1"), QStringLiteral("235"));
    EXPECT_EQ(button(w, "Button1"), QStringLiteral("1.0038  Werkstoffdatenbank"));
    // What was typed elsewhere survives the refill.
    EXPECT_EQ(text_of(w, "Edit_fs2"), QStringLiteral("0.9"));
  }));
  ASSERT_EQ(browser.opened_on.size(), 1u);
  EXPECT_EQ(browser.opened_on[0], 2);
  EXPECT_EQ(state->rec.material[kShaft].name, "S235JR (St37-2)");
  EXPECT_EQ(state->rec.material_row_number[kShaft], 2);
  EXPECT_EQ(state->rec.support_factor_fs[kHub], 0.9L);
}

TEST_F(MaterialsDialog, CancelAfterATableChoiceKeepsTheOldMaterial) {
  browser.confirm(2);
  browser.cancel();
  EXPECT_FALSE(open(
      [&](QWidget* w) {
        click(w, "Button2");
        EXPECT_EQ(text_of(w, "Edit_name2"), QStringLiteral("S235JR (St37-2)"));
        // A cancelled browser leaves the edits as they are.
        retype(w, "Edit_Name1", "getippt");
        click(w, "Button1");
        EXPECT_EQ(text_of(w, "Edit_Name1"), QStringLiteral("getippt"));
      },
      Qt::Key_Escape));
  EXPECT_TRUE(state->rec.cancelled);
  EXPECT_EQ(state->rec.material[kHub].name, "EN-GJL-300");
  EXPECT_EQ(state->rec.material[kShaft].name, "S355J2G3 (St52-3)");
  EXPECT_EQ(state->rec.material_row_number[kHub], 1);
}

TEST_F(MaterialsDialog, ScreenshotOfTheWorkedExample) {
  load_worked_example();
  Form_vxwst d(*state, help);
  d.prepare();
  screenshot(&d, "form_vxwst");
  state->config.input_window_scale = 130;
  Form_vxwst big(*state, help);
  big.prepare();
  screenshot(&big, "form_vxwst_130");
  EXPECT_GT(big.sizeHint().width(), d.sizeHint().width());
}

}  // namespace
}  // namespace vx11
