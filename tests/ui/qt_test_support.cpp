#include "tests/ui/qt_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace vx11::test {

void ensure_application() {
  if (QApplication::instance()) return;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "test_ui";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
}

ModalDriver::ModalDriver(std::vector<Step> steps) : steps_(std::move(steps)) {
  QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
  timer_.start(5);
}

void ModalDriver::poll() {
  QWidget* w = QApplication::activeModalWidget();
  if (!w) return;
  if (w == last_.data()) {
    // A step that left its dialog open would hang the test.
    if (acted_.elapsed() > 3000) {
      ++unexpected_;
      reject(w);
    }
    return;
  }
  last_ = w;
  acted_.start();
  if (next_ < static_cast<int>(steps_.size())) {
    steps_[next_++](w);
    return;
  }
  ++unexpected_;
  reject(w);
}

void reject(QWidget* dialog) {
  if (auto* d = qobject_cast<QDialog*>(dialog)) d->reject();
  else dialog->close();
}

QWidget* focus_of(QWidget* dialog) {
  QWidget* f = dialog->focusWidget();
  return f ? f : dialog;
}

void press(QWidget* dialog, Qt::Key key) { QTest::keyClick(focus_of(dialog), key); }

void click(QWidget* dialog, const char* button_name) {
  auto* b = dialog->findChild<QAbstractButton*>(button_name);
  if (b) {
    b->click();
    return;
  }
  ADD_FAILURE() << "no button " << button_name;
  reject(dialog);
}

void type_into(QWidget* edit, const QString& text) {
  const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
  if (ascii) {
    QTest::keyClicks(edit, text);
    return;
  }
  if (auto* line = qobject_cast<QLineEdit*>(edit)) line->insert(text);
}

}  // namespace vx11::test
