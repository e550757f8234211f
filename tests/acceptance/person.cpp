#include "tests/acceptance/person.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace vx11::test {

namespace {

constexpr int kStepTimeoutMs = 8000;

void check_fits(QWidget* w) {
  const QScreen* s = w->screen();
  if (!s) return;
  const QRect free = s->availableGeometry();
  const QSize size = w->frameGeometry().size();
  // No dialog may be larger than the screen lets it be: its buttons would be out of reach.
  EXPECT_LE(size.width(), free.width()) << dialog_name(w).toStdString() << " is wider than the screen";
  EXPECT_LE(size.height(), free.height()) << dialog_name(w).toStdString() << " is higher than the screen";
}

}  // namespace

QString dialog_name(const QWidget* dialog) {
  return dialog->objectName().isEmpty() ? QString::fromLatin1(dialog->metaObject()->className()) : dialog->objectName();
}

Person::Person(std::vector<Step> steps) : steps_(std::move(steps)) {
  QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
  timer_.start(10);
}

Person::~Person() {
  timer_.stop();
  EXPECT_EQ(next_, static_cast<int>(steps_.size())) << "dialogs seen: " << seen_.join(", ").toStdString();
}

void Person::poll() {
  QWidget* w = QApplication::activeModalWidget();
  if (!w || !w->isVisible()) return;
  if (w == last_.data()) {
    if (acting_.elapsed() > kStepTimeoutMs) {
      ADD_FAILURE() << "dialog left open: " << dialog_name(w).toStdString();
      close_dialog(w);
    }
    return;
  }
  const bool again = std::any_of(met_.begin(), met_.end(), [w](const QPointer<QWidget>& m) { return m == w; });
  const bool named_next = next_ < static_cast<int>(steps_.size()) &&
                          steps_[static_cast<std::size_t>(next_)].expect == dialog_name(w);
  if (again && !named_next) {
    // Back in front after its own dialog; it goes on by itself (or the timeout ends it).
    if (w != last_.data()) acting_.start();
    last_ = w;
    return;
  }
  last_ = w;
  acting_.start();
  met_.push_back(w);
  const QString name = dialog_name(w);
  seen_ << name;
  if (std::getenv("VX11_ACCEPTANCE_TRACE"))
    std::fprintf(stderr, "dialog %s (%s): %s\n", qPrintable(name), qPrintable(w->windowTitle()), qPrintable(message_text(w)));
  check_fits(w);
  if (next_ >= static_cast<int>(steps_.size())) {
    ADD_FAILURE() << "unexpected dialog " << name.toStdString() << " (" << w->windowTitle().toStdString() << ") "
                  << message_text(w).toStdString();
    close_dialog(w);
    return;
  }
  const Step& step = steps_[static_cast<std::size_t>(next_)];
  const bool match = step.expect.isEmpty() || step.expect == name ||
                     step.expect == QString::fromLatin1(w->metaObject()->className()) || w->inherits(step.expect.toLatin1());
  if (!match) {
    ADD_FAILURE() << "expected " << step.expect.toStdString() << ", met " << name.toStdString() << " ("
                  << w->windowTitle().toStdString() << ") " << message_text(w).toStdString();
    close_dialog(w);
    return;
  }
  ++next_;
  // Acting from a timer of its own: the poll timer must go on firing while a step waits in a dialog
  // it opened (a timer is not run again while its own slot still runs).
  QTimer::singleShot(0, w, [act = step.act, dialog = QPointer<QWidget>(w)] {
    if (dialog) act(dialog);
  });
}

void press_ok(QWidget* dialog) {
  if (auto* b = dialog->findChild<QPushButton*>("Button_ok")) {
    QTest::mouseClick(b, Qt::LeftButton);
    return;
  }
  press_button(dialog, QStringLiteral("OK"));
}

void press_button(QWidget* dialog, const QString& name_or_text) {
  for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
    QString text = b->text();
    text.remove(u'&');
    if (b->objectName() == name_or_text || text == name_or_text) {
      if (b->isEnabled() && b->isVisible()) {
        QTest::mouseClick(b, Qt::LeftButton);
      } else {
        ADD_FAILURE() << "button not usable: " << name_or_text.toStdString();
        close_dialog(dialog);
      }
      return;
    }
  }
  ADD_FAILURE() << "no button " << name_or_text.toStdString() << " in " << dialog_name(dialog).toStdString();
  close_dialog(dialog);
}

void close_dialog(QWidget* dialog) {
  if (auto* d = qobject_cast<QDialog*>(dialog))
    d->reject();
  else
    dialog->close();
}

void set_field(QWidget* dialog, const char* edit, const QString& text) {
  auto* e = dialog->findChild<QLineEdit*>(edit);
  ASSERT_NE(e, nullptr) << edit;
  e->setFocus();
  e->selectAll();
  QTest::keyClick(e, Qt::Key_Delete);
  const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
  if (ascii)
    QTest::keyClicks(e, text);
  else
    e->insert(text);
}

void choose_file(QWidget* file_dialog, const QString& name) {
  auto* d = qobject_cast<QFileDialog*>(file_dialog);
  ASSERT_NE(d, nullptr);
  auto* edit = d->findChild<QLineEdit*>("fileNameEdit");
  ASSERT_NE(edit, nullptr);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, name);
  QTest::keyClick(edit, Qt::Key_Return);
}

void answer(QWidget* box, int standard_button) {
  auto* m = qobject_cast<QMessageBox*>(box);
  ASSERT_NE(m, nullptr) << dialog_name(box).toStdString();
  QAbstractButton* b = m->button(static_cast<QMessageBox::StandardButton>(standard_button));
  ASSERT_NE(b, nullptr);
  QTest::mouseClick(b, Qt::LeftButton);
}

QString message_text(const QWidget* box) {
  if (auto* l = box->findChild<QLabel*>("qt_msgbox_label")) return l->text();
  return {};
}

void print_to_pdf(QWidget* print_dialog, const QString& path) {
  // Qt's own print dialog: the "Print to File (PDF)" entry names the file in its file field.
  for (QComboBox* c : print_dialog->findChildren<QComboBox*>("printers")) {
    for (int i = 0; i < c->count(); ++i)
      if (c->itemText(i).contains(QStringLiteral("PDF"))) c->setCurrentIndex(i);
  }
  auto* file = print_dialog->findChild<QLineEdit*>("filename");
  ASSERT_NE(file, nullptr) << "no file field in the print dialog";
  file->setText(path);
  auto* buttons = print_dialog->findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

void screenshot(QWidget* widget, const QString& name) {
  // The runs on the screens of tests/acceptance/screens keep theirs apart.
  QString folder = QStringLiteral(VX11_SCREENSHOT_OUT);
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen && (screen->name() == QLatin1String("small") || screen->name() == QLatin1String("dense")))
    folder += u'/' + screen->name();
  QDir().mkpath(folder);
  const QString path = folder + u'/' + name + QStringLiteral(".png");
  EXPECT_TRUE(widget->grab().save(path)) << path.toStdString();
}

}  // namespace vx11::test
