// The drawing printout dialog: print placement, orientation and shading, the platform's printer
// choice, and named setups kept in the table "printout".
#pragma once

#include <QDialog>

#include "ui/dialog_help.h"
#include "ui/print_placement.h"
#include "base/help_numbers.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPrinter;

namespace vx11 {

class Canvas;
class ProgramState;

inline constexpr int kSetupNameLength = 25;

enum class PrintDialogMode { Print, PrinterInfo };

// What the dialog reaches; the remembered setup row outlives the dialog.
struct PrintDialogContext {
  ProgramState& state;
  Canvas& canvas;
  QPrinter& printer;
  int& remembered_row;
  DialogHelp help;
};

class TForm_printconf : public QDialog {
 public:
  TForm_printconf(PrintDialogContext c, PrintDialogMode mode, QWidget* parent = nullptr);

  // The placement and the fit switch as the controls hold them.
  PrintPlacement placement() const;
  bool fit_whole() const;

  // "Datenbank": takes a setup chosen in the table browser into the controls.
  void take_setup();
  // "Übernehmen Datenbank": appends the controls as a named setup.
  void store_setup();
  // "Drucker...": the platform's print dialog.
  void choose_printer();

  void accept() override;
  void reject() override;

 protected:
  bool event(QEvent* e) override;

 private:
  bool open_setups();
  void show_printer();

  PrintDialogContext c_;
  PrintDialogMode mode_;
  QLineEdit *scalex_, *scaley_, *xorigin_, *yorigin_;
  QCheckBox *umrandung_, *anpassen_;
  QButtonGroup *printmono_, *hochquer_;
  QLabel* printer_label_;
};

// Opens the dialog modally (File "&Print" and File "printer setup").
void show_print_dialog(PrintDialogContext c, PrintDialogMode mode, QWidget* parent);

}  // namespace vx11
