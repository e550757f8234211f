#include "ui/qt_interaction.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include "base/text.h"
#include "report/window_copy.h"
#include "ui/file_filters.h"
#include "ui/generic_dialogs.h"

namespace vx11 {

QtInteraction::QtInteraction(const FormatSettings& settings, const ProgramIdentity& identity, QWidget* parent)
    : settings_(settings), identity_(identity), parent_(parent) {}

QString QtInteraction::shown(const std::string& cp850) const {
  return QString::fromStdString(toWindows(settings_, cp850));
}

std::string QtInteraction::typed(const QString& text) { return toCodePage850(text.toStdString()); }

void QtInteraction::message(const std::string& caption, const std::string& text) {
  const bool error = caption == kCaptionError;
  if (error) QApplication::beep();
  QMessageBox box(error ? QMessageBox::Critical : QMessageBox::Information, shown(caption), shown(text),
                  QMessageBox::Ok, parent_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void QtInteraction::columns_message(const std::string& caption, const std::string& text) {
  QMessageBox box(QMessageBox::Information, shown(caption), shown(text), QMessageBox::Ok, parent_);
  box.setTextFormat(Qt::PlainText);
  if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
    label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  box.exec();
}

Answer QtInteraction::ask_yes_no_cancel(const std::string& caption, const std::string& text) {
  const QString title = shown(caption.empty() ? identity_.title : caption);
  QMessageBox box(QMessageBox::Question, title, shown(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
  box.setTextFormat(Qt::PlainText);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
  box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
  box.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  box.exec();
  if (box.clickedButton() == box.button(QMessageBox::Yes)) return Answer::Yes;
  if (box.clickedButton() == box.button(QMessageBox::No)) return Answer::No;
  return Answer::Cancel;
}

std::optional<int> QtInteraction::choose(const std::string& caption, const std::vector<std::string>& items,
                                         int preset) {
  QStringList choices;
  for (const auto& item : items) choices << shown(item);
  const auto entry = ask_choice(parent_, help, shown(caption), choices, preset + 1);
  if (!entry) return std::nullopt;
  return *entry - 1;
}

std::optional<std::string> QtInteraction::ask_text(const std::string& caption, const std::string& prompt,
                                                   const std::string& text) {
  const auto answer = vx11::ask_text(parent_, help, shown(prompt), kTextLength, shown(text), shown(caption));
  if (!answer) return std::nullopt;
  // A name is asked for as a name: what is typed is the file system's name, not a code page text.
  if (text.find(kNameStart) != std::string::npos) return answer->toStdString();
  return typed(*answer);
}

std::optional<std::string> QtInteraction::ask_yes_no(const std::string& prompt, const std::string& answer) {
  const auto result = vx11::ask_yes_no(parent_, help, shown(prompt), shown(answer));
  if (!result) return std::nullopt;
  return result->toStdString();
}

std::optional<std::string> QtInteraction::open_file(const std::string& title, const std::string& folder,
                                                    const std::string& filter) {
  // Folders and the chosen path are names, passed as the file system gives them.
  QFileDialog d(parent_, shown(title), QString::fromStdString(folder));
  d.setAcceptMode(QFileDialog::AcceptOpen);
  d.setFileMode(QFileDialog::ExistingFile);
  d.setNameFilters(name_filters(filter).filters);
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
  return d.selectedFiles().first().toStdString();
}

std::optional<std::string> QtInteraction::save_file(const std::string& title, const std::string& folder,
                                                    const std::string& name, const std::string& filter) {
  QFileDialog d(parent_, shown(title), QString::fromStdString(folder));
  d.setAcceptMode(QFileDialog::AcceptSave);
  d.setFileMode(QFileDialog::AnyFile);
  const NameFilters filters = name_filters(filter);
  d.setNameFilters(filters.filters);
  d.setDefaultSuffix(filters.suffix);
  // The core asks its own overwrite question.
  d.setOption(QFileDialog::DontConfirmOverwrite);
  if (!name.empty()) d.selectFile(QString::fromStdString(name));
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
  return d.selectedFiles().first().toStdString();
}

}  // namespace vx11
