#include "ui/generic_dialogs.h"

#include "ui/choice_dialogs.h"
#include "ui/text_dialog.h"
#include "ui/yes_no_dialog.h"

namespace vx11 {

namespace {

template <class Dialog>
std::optional<int> run_choice(QWidget* parent, const DialogHelp& help, const QString& prompt,
                              const QStringList& choices, int value) {
  Dialog d(prompt, choices, value, help, parent);
  if (d.exec() != QDialog::Accepted) return std::nullopt;
  return d.value();
}

}  // namespace

std::optional<int> ask_choice(QWidget* parent, const DialogHelp& help, const QString& prompt,
                              const QStringList& choices, int value) {
  if (choices.isEmpty()) return std::nullopt;
  if (choices.size() > kMaxRadioChoices) return run_choice<Tin_codedialog>(parent, help, prompt, choices, value);
  return run_choice<Tin_radiodialog>(parent, help, prompt, choices, value);
}

std::optional<QString> ask_yes_no(QWidget* parent, const DialogHelp& help, const QString& prompt,
                                  const QString& answer) {
  Tin_janeindialog d(prompt, answer, help, parent);
  if (d.exec() != QDialog::Accepted) return std::nullopt;
  return d.answer();
}

std::optional<QString> ask_text(QWidget* parent, const DialogHelp& help, const QString& prompt,
                                int max_length, const QString& text, const QString& caption) {
  Tin_textdialog d(prompt, max_length, text, help, parent);
  if (!caption.isEmpty()) d.setWindowTitle(caption);
  if (d.exec() != QDialog::Accepted) return std::nullopt;
  return d.text();
}

}  // namespace vx11
