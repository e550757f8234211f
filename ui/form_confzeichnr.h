// The plot configuration dialog: the fields of the external plot program's command line, with the
// resulting line rebuilt on every change.
#pragma once

#include <QDialog>

#include <functional>
#include <optional>

#include "cad/plot_command.h"
#include "ui/dialog_help.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace vx11 {

class TForm_confzeichnr : public QDialog {
 public:
  // `line` is the slot's current line: shown until the first change; its first word is the program.
  TForm_confzeichnr(const FormatSettings& format, const std::string& line, const std::string& temp_folder,
                    Interaction& ui, std::function<std::optional<QString>(const QString&)> pick_folder,
                    QWidget* parent = nullptr);
  PlotDialogFields fields() const;
  QString command_line() const;

 private:
  void rebuild();
  const FormatSettings& format_;
  QLineEdit *path_, *outdir_, *com_, *lpt_, *scale_, *xnull_, *ynull_, *textwidth_;
  QButtonGroup *outcode_, *interface_;
  QCheckBox* rotate_;
  QComboBox* psfont_;
  QLabel* line_;
};

// The window's plot dialog for the drawing output and the configuration dialog's "Config".
class QtPlotDialog : public PlotDialog {
 public:
  QtPlotDialog(const FormatSettings& format, const std::string& temp_folder, Interaction& ui, QWidget* parent = nullptr)
      : format_(format), temp_folder_(temp_folder), ui_(ui), parent_(parent) {}
  std::optional<std::string> edit(const std::string& line) override;

 private:
  const FormatSettings& format_;
  const std::string& temp_folder_;
  Interaction& ui_;
  QWidget* parent_;
};

}  // namespace vx11
