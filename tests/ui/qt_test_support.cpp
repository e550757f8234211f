#include "tests/ui/qt_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace vx11::test {

namespace {

// The application object lives from the first test to the last; deleting it at process exit,
// after Qt's own globals are gone, would crash.
class Application : public ::testing::Environment {
 public:
  void SetUp() override {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[8] = "test_ui";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new Application);

}  // namespace

void ensure_application() { ASSERT_NE(QApplication::instance(), nullptr); }

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
