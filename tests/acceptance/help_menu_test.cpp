// The Help menu: the four languages and back, Qt's own dialogs in the chosen language, help
// pictures in a window of their own above the dialog that asked for them.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QImage>
#include <QPointer>

#include <algorithm>

#include "draw/display_list.h"
#include "tests/acceptance/window_fixture.h"
#include "ui/canvas.h"
#include "ui/help_picture_window.h"
#include "ui/main_window.h"

namespace vx11::test {
namespace {

class HelpMenu : public WindowAcceptance {
 protected:
  QString caption(Command c) { return window().action(c)->text(); }
  QString title(const char* menu) { return window().findChild<QMenu*>(menu)->title(); }
  // The file menu as it opens, grabbed.
  void shoot_file_menu(const QString& name) {
    QMenu* m = window().findChild<QMenu*>("mi_file");
    m->popup(window().mapToGlobal(QPoint(0, 0)));
    QApplication::processEvents();
    screenshot(m, name);
    m->hide();
  }
};

TEST_F(HelpMenu, FourLanguagesAndBack) {
  start({example("beispiel.vxk")});
  struct Case {
    Command command;
    const char* file_menu;
    const char* open_table;
    const char* key;
    const char* ok_button;  // Qt's own message box
  };
  const Case cases[] = {
      {Command::LanguageEnglish, "&File", "&Open... (&Table)", "&Woodruff Key", "OK"},
      {Command::LanguageRomanian, "&Fisier", "&Deschide... (&Tabele)", "&Woodruff Key", "OK"},
      {Command::LanguageKorean, "파일(&F)", "열기 (테이블)(&b)", "&Woodruff Key", "확인"},
      {Command::LanguageGerman, "&Datei", "Ö&ffnen... (&Tabelle)", "&Scheibenfeder", "OK"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file_menu);
    menu(c.command);
    EXPECT_EQ(title("mi_file"), QString::fromUtf8(c.file_menu));
    EXPECT_EQ(caption(Command::FileOpenTable), QString::fromUtf8(c.open_table));
    EXPECT_EQ(caption(Command::ViewKey), QString::fromUtf8(c.key));
    EXPECT_EQ(state().config.language, static_cast<int>(c.command == Command::LanguageEnglish    ? 2
                                                         : c.command == Command::LanguageRomanian ? 7
                                                         : c.command == Command::LanguageKorean   ? 8
                                                                                                  : 1));
    // Qt's own dialogs speak the language (where Qt's translation is installed).
    QString ok;
    {
      Person person({{"QMessageBox", [&](QWidget* box) {
                        ok = qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->text();
                        answer(box, QMessageBox::Ok);
                      }}});
      menu(Command::HelpAbout);
    }
    EXPECT_EQ(ok.remove(u'&'), QString::fromUtf8(c.ok_button));
    if (c.command == Command::LanguageKorean) shoot_file_menu(QStringLiteral("menu_file_korean"));
  }
}

TEST_F(HelpMenu, QtsFileDialogSpeaksGermanInGerman) {
  start({example("beispiel.vxk")});
  QString label;
  {
    Person person({{"QFileDialog", [&](QWidget* d) {
                      for (QLabel* l : d->findChildren<QLabel*>())
                        if (l->objectName() == QLatin1String("fileNameLabel")) label = l->text();
                      screenshot(d, QStringLiteral("file_dialog_german"));
                      close_dialog(d);
                    }}});
    menu(Command::FileOpen);
  }
  EXPECT_EQ(label.remove(u'&'), QStringLiteral("Dateiname:"));
}

std::vector<std::string> texts_of(const HelpPictureWindow* w) {
  std::vector<std::string> texts;
  if (!w) return texts;
  const DisplayList& list = const_cast<HelpPictureWindow*>(w)->canvas().display_list();
  DisplayRecord r;
  for (std::size_t i = 0; i < list.size(); ++i)
    if (parseDisplayRecord(list.record(i), r) && r.code == kRecText) texts.emplace_back(r.text);
  return texts;
}

bool holds(const std::vector<std::string>& texts, const std::string& part) {
  return std::any_of(texts.begin(), texts.end(), [&](const std::string& t) { return t.find(part) != std::string::npos; });
}

TEST_F(HelpMenu, HelpPicturesOpenAboveTheDialogThatAskedForThemAndCloseWithIt) {
  start({example("beispiel.vxk")});
  ASSERT_TRUE(canvas_shows("WERKSTOFF"));
  QPointer<HelpPictureWindow> picture;
  bool above = false, ka = false, fw = false;
  {
    Person person({{"Form_vx3last", [&](QWidget* d) {
                      press_button(d, QStringLiteral("Button_ka"));
                      picture = HelpPictureWindow::find(d);
                      if (picture) {
                        // A window of its own that belongs to the dialog: the window system keeps it above.
                        above = picture->isVisible() && picture->isWindow() && picture->parentWidget() == d;
                        ka = holds(texts_of(picture), "Teq = TN * KA");
                        picture->canvas().render_now();
                        const QImage shown = picture->canvas().picture();
                        int drawn = 0;
                        for (int y = 0; y < shown.height(); y += 2)
                          for (int x = 0; x < shown.width(); x += 2) drawn += shown.pixel(x, y) != shown.pixel(0, 0);
                        EXPECT_GT(drawn, 500) << "the picture is painted";
                        screenshot(picture, QStringLiteral("help_picture_ka"));
                      }
                      press_button(d, QStringLiteral("Button_fw"));
                      fw = HelpPictureWindow::find(d) == picture && !holds(texts_of(picture), "Teq = TN * KA");
                      close_dialog(d);
                    }}});
    menu(Command::EditLoad);
  }
  EXPECT_TRUE(above);
  EXPECT_TRUE(ka);
  EXPECT_TRUE(fw) << "the next picture replaces the first in the same window";
  QApplication::processEvents();
  EXPECT_TRUE(picture.isNull() || !picture->isVisible()) << "it closes with the dialog";
  EXPECT_TRUE(canvas_shows("WERKSTOFF")) << "the main window keeps its view";
  EXPECT_FALSE(canvas_shows("Teq = TN * KA"));

  // The picture list of the Help menu shows its pictures in a window beside the main window.
  {
    Person person({{"", [](QWidget* list) {
                      screenshot(list, QStringLiteral("help_picture_list"));
                      press_ok(list);
                    }}});
    menu(Command::HelpPictures);
  }
  const HelpPictureWindow* own = HelpPictureWindow::find(&window());
  ASSERT_NE(own, nullptr);
  EXPECT_TRUE(own->isVisible());
  EXPECT_TRUE(holds(texts_of(own), "Anwendungsfaktor KA"));
  EXPECT_TRUE(canvas_shows("WERKSTOFF"));
}

}  // namespace
}  // namespace vx11::test
