#include "ui/generic_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/screen_fit.h"

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
  // The content scrolls where the screen is too small for it; the buttons stay.
  auto* controls = new QWidget(this);
  controls->setLayout(content_);
  content_->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(screen_sized_area(controls, this, QSize(24, fontMetrics().height() * 3 + 24)));
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
  auto* label = new QLabel(prompt);
  label->setObjectName("Label_prompt");
  label->setWordWrap(wrap);
  label->setTextFormat(Qt::PlainText);
  content_->addWidget(label);
  return label;
}

}  // namespace vx11
