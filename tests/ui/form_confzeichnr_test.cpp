#include "ui/form_confzeichnr.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include "tests/ui/dialog_fixture.h"
#include "tests/ui/qt_test_support.h"

namespace vx11 {
namespace {

using test::click;

class PlotConfigDialog : public test::DialogTest {
 protected:
  static QString line_of(QWidget* w) { return w->findChild<QLabel*>("Label_commandline")->text(); }
  static void choose(QWidget* w, const char* group, int index) {
    w->findChild<QWidget*>(group)->findChildren<QRadioButton*>().at(index)->click();
  }
};

TEST_F(PlotConfigDialog, LineRebuiltOnEveryChange) {
  TForm_confzeichnr d(state->format, "C:\\ZEICHNR\\WZEICHNR ZEICHNR.DXF /M1.0", temp_folder, ui, {});
  EXPECT_EQ(d.windowTitle(), QStringLiteral("ZEICHNR"));
  EXPECT_EQ(line_of(&d), QStringLiteral("C:\\ZEICHNR\\WZEICHNR ZEICHNR.DXF /M1.0"));
  struct Step {
    const char* name;
    std::function<void()> act;
    const char* contains;
  };
  const Step steps[] = {
      {"program", [&] { retype(&d, "Edit_zeichnrPath", "/opt/plot/wzeichnr"); }, "/opt/plot/wzeichnr "},
      {"scale 0 fits the sheet", [&] { retype(&d, "Edit_scale", "0"); }, " /M*"},
      {"scale with a comma", [&] { retype(&d, "Edit_scale", "2,5"); }, " /M2.5"},
      {"x offset", [&] { retype(&d, "Edit_xnull", "10"); }, " /X10"},
      {"rotate", [&] { d.findChild<QCheckBox*>("CheckBox_rotate")->setChecked(true); }, " /R"},
      {"PostScript", [&] { choose(&d, "RadioGroup_outcode", 1); }, " /CPS"},
      {"file output", [&] { choose(&d, "RadioGroup_d", 2); }, " /D3"},
  };
  for (const auto& s : steps) {
    s.act();
    EXPECT_TRUE(line_of(&d).contains(QString::fromLatin1(s.contains))) << s.name << ": " << line_of(&d).toStdString();
  }
  EXPECT_EQ(line_of(&d), QString::fromStdString(dialogCommandLine(state->format, d.fields())));
}

TEST_F(PlotConfigDialog, PlainSettingsGiveTheShortLine) {
  TForm_confzeichnr d(state->format, "wzeichnr", temp_folder, ui, {});
  retype(&d, "Edit_scale", "1");
  EXPECT_EQ(line_of(&d), QStringLiteral("wzeichnr zeichnr /CHPL"));
}

TEST_F(PlotConfigDialog, OkStoresTheLineCancelGivesNothing) {
  QtPlotDialog plot(state->format, temp_folder, ui);
  {
    test::ModalDriver drive({[](QWidget* w) {
      click(w, "Button_temp");
      test::press(w, Qt::Key_Return);
    }});
    const auto line = plot.edit("wzeichnr ZEICHNR.DXF");
    ASSERT_TRUE(line.has_value());
    EXPECT_NE(line->find(temp_folder + "zeichnr"), std::string::npos) << *line;
  }
  test::ModalDriver drive({[](QWidget* w) { test::press(w, Qt::Key_Escape); }});
  EXPECT_FALSE(plot.edit("wzeichnr").has_value());
}

TEST_F(PlotConfigDialog, Screenshot) {
  TForm_confzeichnr d(state->format, kPlotCommandDefault, temp_folder, ui, {});
  retype(&d, "Edit_scale", "0");
  screenshot(&d, "tform_confzeichnr");
}

}  // namespace
}  // namespace vx11
