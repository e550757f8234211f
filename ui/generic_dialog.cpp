#include "ui/generic_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vx11 {

QPushButton* add_dialog_button(QHBoxLayout* row, QWidget* parent, const char* name, const QString& text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  // Only OK is a default button, so Enter confirms wherever the focus is.
  b->setAutoDefault(false);
  row->addWidget(b);
  return b;
}

namespace {

void add_help_button(QHBoxLayout* row, QWidget* parent, const char* name, const QString& text,
                     const std::function<void()>& action) {
  auto* b = add_dialog_button(row, parent, name, text);
  b->setEnabled(static_cast<bool>(action));
  if (action) QObject::connect(b, &QPushButton::clicked, parent, [action] { action(); });
}

}  // namespace

GenericDialog::GenericDialog(const QString& caption, const DialogHelp& help, QWidget* parent)
    : QDialog(parent), content_(new QVBoxLayout) {
  setWindowTitle(caption);
  setModal(true);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(content_);
  auto* row = new QHBoxLayout;
  auto* ok = add_dialog_button(row, this, "Button_ok", QStringLiteral("OK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* cancel = add_dialog_button(row, this, "Button_abbrechen", QStringLiteral("Abbrechen"));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  add_help_button(row, this, "Button_hilfetext", QStringLiteral("&Hilfetext"), help.text);
  add_help_button(row, this, "Button_hilfebild", QStringLiteral("Hilfe&bild"), help.picture);
  outer->addLayout(row);
}

QLabel* GenericDialog::add_prompt(const QString& prompt, bool wrap) {
  auto* label = new QLabel(prompt, this);
  label->setObjectName("Label_prompt");
  label->setWordWrap(wrap);
  label->setTextFormat(Qt::PlainText);
  content_->addWidget(label);
  return label;
}

}  // namespace vx11
