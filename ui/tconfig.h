// The configuration dialog: every setting on nine pages; OK applies, "&Speichern" applies and writes
// the file, "Import.." reads another file into the pages.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "project/configuration.h"
#include "ui/bound_number.h"
#include "ui/dialog_help.h"
#include "base/help_numbers.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace vx11 {

class ProgramState;

// The pickers the dialog opens; the Qt dialogs unless a test puts its own.
struct ConfigPickers {
  std::function<std::optional<QString>(const QString& current)> folder;
  std::function<std::optional<QFont>(const QFont& current)> font;
  std::function<std::optional<QColor>(const QColor& current)> colour;
  // The plot configuration of one command line; empty leaves "Config" disabled.
  std::function<bool(std::string& line)> plot_line;
};
// The Qt pickers; "Config" opens the plot configuration dialog.
ConfigPickers qt_config_pickers(ProgramState& state, QWidget* parent);

// The colour value of the configuration file (red in the low byte) and back.
QColor colour_of(int value);
int colour_value(const QColor& c);

class Tconfig : public QDialog {
 public:
  Tconfig(ProgramState& state, const ScreenMetrics& screen, const DialogHelp& help, ConfigPickers pickers,
          QWidget* parent = nullptr);

  // The controls from the working copy, and back.
  void fill();
  void store();
  // OK and "&Speichern": the controls become the program's configuration.
  void apply();
  // "&Speichern": applies, then writes the configuration file; the dialog stays open.
  void save();
  void import_file();
  // Every number field holds a number (of at most 1e12); else the first wrong one is named.
  bool numbers_acceptable();
  const Configuration& working() const { return work_; }
  // After the window size changed: the main window sets its client area to these sizes.
  std::function<void(int width, int height)> window_size_changed;

 private:
  // Binding helpers: each adds a control to `form` and remembers how to fill and store it.
  // `is_name`: the field holds a file, folder or program name, shown and stored as it is.
  QLineEdit* text_row(QFormLayout* form, const QString& label, const char* name, std::string& field,
                      QWidget* beside = nullptr, std::function<QString()> proposal = {}, bool is_name = false);
  QLineEdit* folder_row(QFormLayout* form, const QString& label, const char* name, std::string& field,
                        std::function<QString()> proposal = {});
  QLineEdit* real_row(QFormLayout* form, const QString& label, const char* name, Real& field,
                      std::optional<QString> proposal = std::nullopt, Real factor = 1);
  QLineEdit* int_row(QFormLayout* form, const QString& label, const char* name, int& field,
                     std::function<QString()> proposal = {}, int shown_offset = 0);
  // Item i stands for the value first_value + i; the truth form: item 0 is true.
  QComboBox* choice_row(QFormLayout* form, const QString& label, const char* name, const QStringList& items,
                        int& field, int first_value);
  QComboBox* choice_row(QFormLayout* form, const QString& label, const char* name, const QStringList& items,
                        bool& field);
  QCheckBox* check(QFormLayout* form, const QString& label, const char* name, bool& field, bool inverted = false);
  QPushButton* proposal_button(QLineEdit* edit, std::function<QString()> text);
  QWidget* with_beside(QWidget* main, std::initializer_list<QWidget*> beside);
  QString shown(const std::string& cp850) const;
  std::string typed(const QString& text) const;

  QWidget* two_columns(QFormLayout*& left, QFormLayout*& right);
  QWidget* directories_page();
  QWidget* graphics_page();
  QWidget* cad_page();
  QWidget* colour_page();
  QWidget* printer_page();
  QWidget* text_page();
  QWidget* settings_page();
  QWidget* external_page();
  QWidget* drawing_page();
  void edit_plot_line(int row);
  void refill_plot_lines();

  ProgramState& state_;
  ScreenMetrics screen_;
  DialogHelp help_;
  ConfigPickers pickers_;
  Configuration work_;
  std::vector<BoundNumber> numbers_;
  std::vector<std::function<void()>> fills_;
  std::vector<std::function<void()>> stores_;
  QTableWidget* layers_ = nullptr;
  QTableWidget* colours_ = nullptr;
  QListWidget* plot_lines_ = nullptr;
  QLabel* colour_sample_ = nullptr;
};

// Menu File > Config: true after OK; `state.config` then holds the new settings.
bool edit_configuration(ProgramState& state, const ScreenMetrics& screen, const DialogHelp& help,
                        ConfigPickers pickers, QWidget* parent);

}  // namespace vx11
