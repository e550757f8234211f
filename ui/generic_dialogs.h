// The one-question dialogs as functions: each runs its dialog modally and returns nullopt for Cancel.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "ui/dialog_help.h"

class QWidget;

namespace vx11 {

// Entry counted from 1; the list form for more than seven choices. No choices: nullopt at once.
std::optional<int> ask_choice(QWidget* parent, const DialogHelp& help, const QString& prompt,
                              const QStringList& choices, int value);
// "J" or "N".
std::optional<QString> ask_yes_no(QWidget* parent, const DialogHelp& help, const QString& prompt,
                                  const QString& answer);
// An empty caption keeps "Eingabe".
std::optional<QString> ask_text(QWidget* parent, const DialogHelp& help, const QString& prompt,
                                int max_length, const QString& text, const QString& caption = {});

}  // namespace vx11
