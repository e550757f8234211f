// The Qt pickers of the configuration dialog and the colour value of the configuration file.
#include "ui/tconfig.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>

#include "project/program_state.h"
#include "ui/form_confzeichnr.h"

namespace vx11 {

QColor colour_of(int value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }
int colour_value(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

ConfigPickers qt_config_pickers(ProgramState& state, QWidget* parent) {
  ConfigPickers p;
  p.plot_line = [&state, parent](std::string& line) {
    QtPlotDialog dialog(state.format, state.config.temp_folder, state.ui, parent);
    const auto edited = dialog.edit(line);
    if (edited) line = *edited;
    return edited.has_value();
  };
  p.folder = [parent](const QString& current) -> std::optional<QString> {
    const QString f = QFileDialog::getExistingDirectory(parent, QString(), current);
    if (f.isEmpty()) return std::nullopt;
    return f;
  };
  p.font = [parent](const QFont& current) -> std::optional<QFont> {
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, current, parent);
    if (!ok) return std::nullopt;
    return f;
  };
  p.colour = [parent](const QColor& current) -> std::optional<QColor> {
    const QColor c = QColorDialog::getColor(current, parent);
    if (!c.isValid()) return std::nullopt;
    return c;
  };
  return p;
}

}  // namespace vx11
