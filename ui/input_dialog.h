// The frame of the input dialogs: a working copy of the record, edits bound to its fields with unit
// conversion, "<" default buttons, the unit toggle, help buttons, and OK/Cancel on `cancelled`.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "calc/calc_context.h"
#include "calc/connection_record.h"
#include "ui/bound_number.h"
#include "ui/dialog_help.h"
#include "ui/number_check.h"

class QBoxLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace vx11 {

class ProgramState;

// How a number edit shows its field: plain, or in the display unit of a length, torque or stress.
enum class Quantity { Plain, Length, Torque, Stress };

// The font of a dialog grown or shrunk to a percentage of the standard size; layouts follow.
void apply_dialog_scale(QWidget* dialog, int percent);

class InputDialog : public QDialog {
 public:
  // The dialog edits a copy of state.rec; run() hands it back on OK only.
  InputDialog(ProgramState& state, const QString& caption, int help_number, const DialogHelp& help,
              QWidget* parent);

  // Completes the button row (once) and fills the controls; run() does it, tests may call it alone.
  void prepare();
  // Runs modally. OK: the working copy becomes the record and `cancelled` is cleared.
  // Cancel: `cancelled` is set and the record stays as it was.
  bool run();

  // Fills every edit from the working copy (also after a unit switch).
  void fill();
  // Stores every edit into the working copy (before actions that need the typed values, and on OK).
  void store();
  const ConnectionRecord& working() const { return work_; }

 protected:
  ConnectionRecord& work() { return work_; }
  CalcContext work_context();
  ProgramState& state() { return state_; }
  QVBoxLayout* content() const { return content_; }
  const DialogHelp& dialog_help() const { return help_; }

  // A number edit bound to a field: shown with fmtSig in the display unit, read with parseReal.
  // An edit the person has not touched keeps the exact stored value.
  QLineEdit* number_edit(const char* name, Quantity q, std::function<Real()> get, std::function<void(Real)> set);
  QLineEdit* number_edit(const char* name, Quantity q, Real& field);
  // The range a number edit must keep for OK; `name` names it in the error box (default: its label).
  // Every number edit is checked to hold a number of at most 1e12 even without a rule.
  void require(QLineEdit* edit, NumberRange range, const QString& name = {});
  // A text edit bound to a code page 850 field of at most max_length characters.
  QLineEdit* text_edit(const char* name, std::string& field, std::size_t max_length);
  // A "<" button that puts text() into the edit.
  QPushButton* default_button(QLineEdit* edit, std::function<QString()> text);
  QPushButton* default_button(QLineEdit* edit, const QString& text);
  // A unit label that follows the display unit system; `unit` gives the code page 850 label.
  QLabel* unit_label(std::function<std::string()> unit);
  // Adds the unit button beside OK; it stores, switches metric/inch and fills again.
  void add_unit_button(const QString& caption);
  // Dialogs with pictures of their own leave out "Hilfe&bild".
  void without_picture_button() { picture_button_ = false; }
  // A dialog whose OK takes over a choice says so on the button.
  void set_ok_caption(const QString& caption) { ok_caption_ = caption; }
  void switch_units();
  // A help-picture button for another help context (the loads dialog's "KA ?" and kin).
  QPushButton* picture_button(const char* name, const QString& caption, int help_number);
  // Hooks of a dialog for its own controls beside the bound edits.
  virtual void fill_extra() {}
  virtual void store_extra() {}
  // OK's own work before the dialog closes; false keeps it open.
  virtual bool confirm() { return true; }

  QString shown(const std::string& cp850) const;
  std::string typed(const QString& text, std::size_t max_length) const;
  const FormatSettings& format() const;

  // Tab order through the widgets in the given order.
  static void chain_tab_order(std::initializer_list<QWidget*> widgets);
  // Row helper: label, edit, then the optional widgets, in a grid row.
  static void grid_row(QGridLayout* grid, int row, const QString& label, QWidget* edit,
                       std::initializer_list<QWidget*> after = {});

 private:
  struct TextBinding {
    QLineEdit* edit;
    std::string* field;
    std::size_t max_length;
  };
  struct UnitLabel {
    QLabel* label;
    std::function<std::string()> unit;
  };
  void show_help(const std::function<void()>& action, int help_number);
  void ok_clicked();
  // The number edits in the order of their creation, each with its rule; true when all hold.
  bool numbers_acceptable();
  QString number_text(Quantity q, Real metric) const;
  Real to_metric(Quantity q, Real shown) const;

  ProgramState& state_;
  ConnectionRecord work_;
  int help_number_;
  DialogHelp help_;
  QVBoxLayout* content_;
  QBoxLayout* buttons_;
  QString unit_caption_;
  bool picture_button_ = true;
  QString ok_caption_ = QStringLiteral("OK");
  std::vector<BoundNumber> numbers_;
  std::vector<NumberField> rules_;
  std::vector<TextBinding> texts_;
  std::vector<UnitLabel> units_;
};

}  // namespace vx11
