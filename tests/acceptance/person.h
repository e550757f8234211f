// A person at the screen: answers the modal dialogs that open while the program waits in exec(), one
// step per dialog and in order, and checks that each one is the dialog expected and fits the screen
// (a dialog larger than the screen's free area fails the test).
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

namespace vx11::test {

// A dialog that comes back to the front after one it opened (a message box, a file dialog) is
// left alone, unless the next step names it: then that step acts on it again.
struct Step {
  QString expect;                       // object name or class name of the dialog ("QFileDialog")
  std::function<void(QWidget*)> act;    // closes the dialog, or leaves it for a step that names it again
};

class Person {
 public:
  explicit Person(std::vector<Step> steps);
  // Fails the test for steps left over and for dialogs nobody expected.
  ~Person();
  Person(const Person&) = delete;
  Person& operator=(const Person&) = delete;

  int steps_run() const { return next_; }
  // Object or class names of every dialog met, in order.
  const QStringList& seen() const { return seen_; }

 private:
  void poll();
  std::vector<Step> steps_;
  int next_ = 0;
  QStringList seen_;
  QTimer timer_;
  QPointer<QWidget> last_;
  QElapsedTimer acting_;
  std::vector<QPointer<QWidget>> met_;  // dialogs acted on; one that comes back needs a step naming it
};

// The name a step matches a dialog by: its object name, else its class name.
QString dialog_name(const QWidget* dialog);

// What a person does in a dialog.
void press_ok(QWidget* dialog);                       // the "OK" push button (Button_ok or text OK)
void press_button(QWidget* dialog, const QString& name_or_text);
void close_dialog(QWidget* dialog);                   // Escape: reject
void set_field(QWidget* dialog, const char* edit, const QString& text);  // select all, type
// QFileDialog: the name typed into the file name field, then "Save"/"Open".
void choose_file(QWidget* file_dialog, const QString& name);
// QMessageBox: the button with the standard role (Yes, No, Cancel, Ok).
void answer(QWidget* box, int standard_button);
QString message_text(const QWidget* box);
// QPrintDialog: printing into the PDF file `path`, the page range as preselected.
void print_to_pdf(QWidget* print_dialog, const QString& path);

// The dialog grabbed into the build folder's screenshots (name.png).
void screenshot(QWidget* widget, const QString& name);

}  // namespace vx11::test
