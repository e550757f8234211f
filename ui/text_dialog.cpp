#include "ui/text_dialog.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace vx11 {

Tin_textdialog::Tin_textdialog(const QString& prompt, int max_length, const QString& text,
                               const DialogHelp& help, QWidget* parent)
    : GenericDialog(QStringLiteral("Eingabe"), help, parent), Edit_text(new QLineEdit(this)) {
  add_prompt(prompt, true);
  Edit_text->setObjectName("Edit_text");
  if (max_length > 0) Edit_text->setMaxLength(max_length);
  Edit_text->setText(text);
  Edit_text->selectAll();
  // Wide enough for the longest allowed text, within reason.
  const int chars = std::clamp(max_length > 0 ? max_length : 40, 12, 80);
  Edit_text->setMinimumWidth(Edit_text->fontMetrics().averageCharWidth() * (chars + 2));
  content()->addWidget(Edit_text);
  Edit_text->setFocus();
}

QString Tin_textdialog::text() const { return Edit_text->text(); }

}  // namespace vx11
