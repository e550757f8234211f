// Test support for the window: one application object, and a driver that acts on the modal
// dialogs opening while the code under test waits in exec().
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

namespace vx11::test {

// The application object exists for every test (offscreen platform unless one is set).
void ensure_application();

class ModalDriver {
 public:
  using Step = std::function<void(QWidget* dialog)>;
  explicit ModalDriver(std::vector<Step> steps);
  int steps_run() const { return next_; }
  int unexpected() const { return unexpected_; }  // dialogs that found no step left; rejected

 private:
  void poll();
  std::vector<Step> steps_;
  int next_ = 0;
  int unexpected_ = 0;
  QTimer timer_;
  QPointer<QWidget> last_;
  QElapsedTimer acted_;
};

// The widget a key press reaches in the dialog.
QWidget* focus_of(QWidget* dialog);
void press(QWidget* dialog, Qt::Key key);
void click(QWidget* dialog, const char* button_name);
void reject(QWidget* dialog);
// Types into a line edit: key clicks for plain ASCII, an insertion for other letters.
void type_into(QWidget* edit, const QString& text);

}  // namespace vx11::test
