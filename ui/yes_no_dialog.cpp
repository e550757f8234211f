#include "ui/yes_no_dialog.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vx11 {

Tin_janeindialog::Tin_janeindialog(const QString& prompt, const QString& answer, const DialogHelp& help,
                                   QWidget* parent)
    : GenericDialog(QStringLiteral("Eingabe"), help, parent) {
  add_prompt(prompt, true);
  auto* group = new QGroupBox(QStringLiteral("Auswahl"), this);
  group->setObjectName("RadioGroup_auswahl");
  auto* box = new QVBoxLayout(group);
  RadioButton_ja = new QRadioButton(QStringLiteral("&Ja"), group);
  RadioButton_ja->setObjectName("RadioButton_ja");
  RadioButton_nein = new QRadioButton(QStringLiteral("&Nein"), group);
  RadioButton_nein->setObjectName("RadioButton_nein");
  box->addWidget(RadioButton_ja);
  box->addWidget(RadioButton_nein);
  content()->addWidget(group);
  const QString trimmed = answer.trimmed();
  const bool no = trimmed.startsWith(u'N') || trimmed.startsWith(u'n');
  QRadioButton* preset = no ? RadioButton_nein : RadioButton_ja;
  preset->setChecked(true);
  preset->setFocus();
}

QString Tin_janeindialog::answer() const {
  return RadioButton_nein->isChecked() ? QStringLiteral("N") : QStringLiteral("J");
}

}  // namespace vx11
