// The help box, help pictures in a window of their own and tooltips by help level.
#include "ui/help_desk.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>

#include <cstdlib>

#include <algorithm>
#include <filesystem>

#include "draw/replay.h"
#include "base/help_numbers.h"
#include "tests/ui/help_fixture.h"
#include "tests/ui/qt_test_support.h"
#include "ui/canvas.h"
#include "ui/form_vxwst.h"
#include "ui/help_picture_window.h"

namespace vx11 {
namespace {

using test::ModalDriver;

class HelpDeskTest : public test::HelpTest {
 protected:
  // Shows help n as help box and returns its caption and text.
  std::pair<QString, QString> box_of(int n) {
    QString caption, text;
    ModalDriver driver({[&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      ASSERT_NE(box, nullptr);
      caption = box->windowTitle();
      text = box->text();
      box->accept();
    }});
    HelpDesk::of(&window, *state).show_help(n, HelpMode::TextOnly);
    EXPECT_EQ(driver.steps_run(), 1);
    return {caption, text};
  }
  QMainWindow window;
};

TEST_F(HelpDeskTest, HelpBoxCaptionAndText) {
  start(true);
  struct Case {
    const char* name;
    int n;
    const char* caption;
    const char* text_start;
  };
  const Case cases[] = {
      {"program file from 4000", 5120, "HILFETEXT Nr.5120", "Anwendungsfaktor KA: erfaßt Stöße"},
      {"shared file below 4000", 3999, "HILFETEXT Nr.3999", "Hilfetext Nr 3999: keine Hilfe vorhanden."},
      {"shared entry", 1970, "HILFETEXT Nr.1970", "Fehlerbeschreibung: Meldung, Ursache"},
      {"no such entry", 4444, "HILFETEXT Nr.4444", "Hilfetext Nr 4444: keine Hilfe vorhanden."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto [caption, text] = box_of(c.n);
    EXPECT_EQ(caption, QString::fromUtf8(c.caption));
    EXPECT_TRUE(text.startsWith(QString::fromUtf8(c.text_start))) << text.toStdString();
  }
  // The five lines are joined, each followed by a blank.
  EXPECT_TRUE(box_of(5310).second.endsWith(QStringLiteral("Zugfestigkeit Rm eingeben.    ")));
}

TEST_F(HelpDeskTest, MissingHelpFileIsNamed) {
  start(true);
  std::filesystem::remove(plt + "/korvant.hlp");
  EXPECT_EQ(box_of(1000).second, QString::fromStdString("Datei " + plt + "/korvant.hlp nicht gefunden !"));
}

TEST_F(HelpDeskTest, DialogHelpUsesTheCurrentNumber) {
  start(true);
  state->help_number = kHelpMessageDescription;
  QString caption;
  ModalDriver driver({[&](QWidget* w) {
    caption = w->windowTitle();
    qobject_cast<QDialog*>(w)->accept();
  }});
  HelpDesk::of(&window, *state).dialog_help().text();
  EXPECT_EQ(caption, QStringLiteral("HILFETEXT Nr.1970"));
  // The same desk serves every caller of the window.
  EXPECT_EQ(&HelpDesk::of(&window, *state), &HelpDesk::of(&window, *state));
}

// Paints a replay into an image, to look at a recorded help picture.
class ImageDevice : public ReplayDevice {
 public:
  explicit ImageDevice(QImage& image) : p_(&image) { p_.setRenderHint(QPainter::Antialiasing); }
  void setColour(Rgb c) override {
    pen_.setColor(QColor(c.r, c.g, c.b));
    p_.setPen(pen_);
  }
  void setLineStyle(int) override {}
  void setLineWidth(int w) override {
    pen_.setWidth(w);
    p_.setPen(pen_);
  }
  void line(PixelPoint a, PixelPoint b) override { p_.drawLine(a.x, a.y, b.x, b.y); }
  void ellipse(PixelPoint a, PixelPoint b) override { p_.drawEllipse(QRect(QPoint(a.x, a.y), QPoint(b.x, b.y))); }
  void arc(PixelPoint, PixelPoint, PixelPoint, PixelPoint) override {}
  void polygon(const std::array<PixelPoint, 4>&, Rgb) override {}
  void text(PixelPoint at, const TextLook& look, std::string_view t) override {
    QFont f(QString::fromStdString(look.face));
    f.setPixelSize(std::max(look.height, 6));
    p_.setFont(f);
    p_.drawText(at.x, at.y + look.height, QString::fromStdString(std::string(t)));
  }

 private:
  QPainter p_;
  QPen pen_;
};

TEST_F(HelpDeskTest, PictureGoesToAWindowOfItsOwnAboveWhatAskedForIt) {
  start();
  test::TestSurface s;
  HelpDesk& desk = HelpDesk::of(&window, *state);
  desk.set_surface(&s.surface);  // the CAD screen output's surface: no help pictures in it
  state->rec.cancelled = true;
  QDialog asking(&window);
  QPointer<HelpPictureWindow> shown;
  ModalDriver driver({[&](QWidget* d) {
    desk.show_help(kHelpPictureKA, HelpMode::PictureOnly);
    shown = HelpPictureWindow::find(d);
    if (shown) {
      EXPECT_TRUE(shown->isVisible());
      EXPECT_EQ(shown->parentWidget(), d);
      const auto texts = test::picture_texts(d);
      EXPECT_NE(std::find(texts.begin(), texts.end(), "Anwendungsfaktor KA"), texts.end());
      EXPECT_EQ(std::string(shown->canvas().display_list().record(0)).substr(0, 3), "10;");
      screenshot(shown, "help_picture_ka");
    }
    test::reject(d);
  }});
  asking.exec();
  EXPECT_EQ(driver.steps_run(), 1);
  EXPECT_TRUE(ui.shown.empty());  // no help box in picture mode
  EXPECT_FALSE(state->rec.cancelled);
  EXPECT_TRUE(s.list.size() == 0u);
  ASSERT_FALSE(shown.isNull());
  EXPECT_FALSE(shown->isVisible());  // it went with the dialog that asked

  // An entry without a picture opens no empty window; text and picture mode shows the box.
  desk.show_help(kHelpMaterialName, HelpMode::TextAndPicture);
  const HelpPictureWindow* own = HelpPictureWindow::find(&window);
  EXPECT_TRUE(own == nullptr || !own->isVisible());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].substr(0, 18), "HILFETEXT Nr.5300|");
}

TEST_F(HelpDeskTest, TooltipsFollowTheHelpLevel) {
  start();
  HelpDesk& desk = HelpDesk::of(&window, *state);
  struct Case {
    int level;
    bool tooltips;
  };
  for (const Case c : {Case{0, false}, Case{1, true}, Case{2, true}}) {
    SCOPED_TRACE(c.level);
    state->config.help_level = c.level;
    const QString tip = desk.tooltip(kHelpSupportFactor);
    EXPECT_EQ(tip.startsWith(QString::fromUtf8("Stützfaktor fS: Stützwirkung")), c.tooltips) << tip.toStdString();
    EXPECT_EQ(tip.isEmpty(), !c.tooltips);
    // The material dialog's labels and their fields carry them.
    Form_vxwst dialog(*state, desk.dialog_help());
    dialog.prepare();
    int with_tip = 0;
    for (QLabel* l : dialog.findChildren<QLabel*>()) {
      if (l->text() != QString::fromUtf8("Stützfaktor fS")) continue;
      EXPECT_EQ(l->toolTip(), tip);
      ASSERT_NE(l->buddy(), nullptr);
      EXPECT_EQ(l->buddy()->toolTip(), tip);
      ++with_tip;
    }
    EXPECT_EQ(with_tip, 2);  // shaft and hub
  }
  // A number without a text gives no empty tooltip.
  state->config.help_level = 1;
  EXPECT_TRUE(desk.tooltip(4444).isEmpty());
}

}  // namespace
}  // namespace vx11
