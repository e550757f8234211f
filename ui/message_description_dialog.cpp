#include "ui/message_description_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/text.h"
#include "ui/generic_dialog.h"

namespace vx11 {

namespace {

QPlainTextEdit* memo(const char* name, QWidget* parent) {
  auto* m = new QPlainTextEdit(parent);
  m->setObjectName(name);
  m->setTabChangesFocus(true);
  m->setMinimumWidth(420);
  m->setFixedHeight(72);
  return m;
}

QLabel* label(const char* name, const QString& text, QWidget* buddy, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setBuddy(buddy);
  return l;
}

}  // namespace

Thelperr::Thelperr(const FormatSettings& format, const DialogHelp& help, int& help_number, QWidget* parent)
    : QDialog(parent),
      format_(format),
      edit_meldung_(new QLineEdit(this)),
      memo_ursache_(memo("Memo_ursache", this)),
      memo_abhilfe_(memo("Memo_abhilfe", this)) {
  setWindowTitle(QStringLiteral("Fehlermeldung"));
  setModal(true);
  edit_meldung_->setObjectName("Edit_meldung");
  edit_meldung_->setReadOnly(true);

  auto* grid = new QGridLayout;
  grid->addWidget(label("Label_meldung", QStringLiteral("Fehlermeldung"), edit_meldung_, this), 0, 0);
  grid->addWidget(edit_meldung_, 1, 0);
  grid->addWidget(label("Label_ursache", QStringLiteral("Ursache"), memo_ursache_, this), 2, 0);
  grid->addWidget(memo_ursache_, 3, 0);
  grid->addWidget(label("Label_abhilfe", QStringLiteral("Abhilfe"), memo_abhilfe_, this), 4, 0);
  grid->addWidget(memo_abhilfe_, 5, 0);

  auto* row = new QHBoxLayout;
  row->addStretch();
  auto* ok = add_dialog_button(row, this, "Button_ok", QStringLiteral("OK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* help_button = add_dialog_button(row, this, "Button_help", QStringLiteral("&Hilfe"));
  help_button->setEnabled(static_cast<bool>(help.text));
  connect(help_button, &QPushButton::clicked, this, [help, &help_number] {
    const int before = help_number;
    help_number = kHelpMessageDescription;
    help.text();
    help_number = before;
  });

  auto* outer = new QVBoxLayout(this);
  outer->addLayout(grid);
  outer->addLayout(row);

  for (QPlainTextEdit* m : {memo_ursache_, memo_abhilfe_})
    connect(m, &QPlainTextEdit::textChanged, this, [this] {
      if (!filling_) changed_ = true;
    });
}

QString Thelperr::shown(const std::string& cp850) const {
  return QString::fromStdString(toWindows(format_, cp850));
}

std::string Thelperr::typed(const QPlainTextEdit* m) const {
  // A line break typed into a memo would split the record of the description file.
  QString text = m->toPlainText();
  text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  text.replace(u'\n', u' ');
  text.replace(u'\r', u' ');
  return toCodePage850(text.toStdString());
}

void Thelperr::set_texts(const std::string& message, const MessageDescription& description) {
  filling_ = true;
  edit_meldung_->setText(shown(message));
  memo_ursache_->setPlainText(shown(description.cause));
  memo_abhilfe_->setPlainText(shown(description.remedy));
  filling_ = false;
  changed_ = false;
}

MessageDescription Thelperr::texts() const { return {typed(memo_ursache_), typed(memo_abhilfe_)}; }

DescriptionEdit QtDescriptionDialog::edit(const std::string& message, const MessageDescription& description) {
  Thelperr dialog(format_, help_, help_number_, parent_);
  dialog.set_texts(message, description);
  if (dialog.exec() != QDialog::Accepted) return {description, false};
  return {dialog.texts(), dialog.changed()};
}

}  // namespace vx11
