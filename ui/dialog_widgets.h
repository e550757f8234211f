// Small widget makers shared by the dialogs.
#pragma once

#include <QString>
#include <QStringList>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QWidget;

namespace vx11 {

// A push button that never becomes the default: Enter stays with OK wherever the focus is.
QPushButton* side_button(const QString& caption, const QString& name, QWidget* parent);

// A titled column of radio buttons; `group` numbers them from 0 and item `checked` is chosen.
QGroupBox* radio_group(const char* name, const QString& title, const QStringList& items, int checked,
                       QButtonGroup*& group, QWidget* parent);

}  // namespace vx11
