// Every input dialog at 100 % and at a larger input-window scale: nothing cut off, and never larger
// than the screen (what does not fit scrolls).
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

#include "tests/ui/dialog_fixture.h"
#include "ui/form_vx11pre.h"
#include "ui/form_vx11wst.h"
#include "ui/form_vx3last.h"
#include "ui/form_vxwst.h"
#include "ui/screen_fit.h"
#include "ui/tconfig.h"

namespace vx11 {
namespace {

class DialogLayout : public test::DialogTest {
 protected:
  // The dialog fits the screen; every visible control lies inside the dialog, or inside the
  // scrolled content that holds it, and is at least as wide as its text needs.
  static void expect_fits(QWidget* d, const std::string& name) {
    d->show();
    d->adjustSize();
    QApplication::processEvents();
    const QSize room = screen_room(d);
    EXPECT_LE(d->width(), room.width()) << name;
    EXPECT_LE(d->height(), room.height()) << name;
    for (QWidget* w : d->findChildren<QWidget*>()) {
      if (!w->isVisible() || !(qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) ||
                               qobject_cast<QLineEdit*>(w)))
        continue;
      QWidget* frame = d;
      for (QWidget* p = w->parentWidget(); p && p != d; p = p->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(p)) {
          frame = area->widget();
          break;
        }
      const QRect r(w->mapTo(frame, QPoint(0, 0)), w->size());
      EXPECT_TRUE(frame->rect().contains(r)) << name << ": " << w->objectName().toStdString();
      if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        const int text = b->fontMetrics().horizontalAdvance(QString(b->text()).remove(QLatin1Char('&')));
        EXPECT_GE(b->width(), text + 6) << name << ": " << b->objectName().toStdString();
      } else if (auto* l = qobject_cast<QLabel*>(w)) {
        EXPECT_GE(l->width(), l->minimumSizeHint().width()) << name << ": " << l->text().toStdString();
      }
    }
    d->hide();
  }
};

TEST_F(DialogLayout, InputDialogsFitAtEveryScale) {
  load_worked_example();
  for (const int scale : {100, 102, 150}) {
    state->config.input_window_scale = scale;
    const std::string at = " at " + std::to_string(scale) + " %";
    {
      Form_vx3last d(*state, help);
      d.prepare();
      expect_fits(&d, "loads" + at);
    }
    {
      Form_vxwst d(*state, help);
      d.prepare();
      expect_fits(&d, "materials" + at);
    }
    {
      Form_vx11wst d(*state, help);
      d.prepare();
      expect_fits(&d, "dimensions" + at);
    }
    {
      Form_vx11pre d(*state, help);
      d.prepare();
      expect_fits(&d, "predesign" + at);
    }
    {
      Tconfig d(*state, ScreenMetrics{}, help, ConfigPickers{});
      expect_fits(&d, "configuration" + at);
    }
  }
}

}  // namespace
}  // namespace vx11
