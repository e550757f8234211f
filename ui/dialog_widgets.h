// Small widget makers shared by the dialogs.
#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace vx11 {

// A push button that never becomes the default: Enter stays with OK wherever the focus is.
QPushButton* side_button(const QString& caption, const QString& name, QWidget* parent);

}  // namespace vx11
