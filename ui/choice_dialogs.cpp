#include "ui/choice_dialogs.h"

#include <QButtonGroup>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vx11 {

namespace {
const QString kChoiceCaption = QStringLiteral("Auswahl");
}

int preset_entry(int value, int count) { return value >= 1 && value <= count ? value : 1; }

Tin_codedialog::Tin_codedialog(const QString& prompt, const QStringList& choices, int value,
                               const DialogHelp& help, QWidget* parent)
    : GenericDialog(kChoiceCaption, help, parent), ListBox_auswahl(new QListWidget(this)) {
  add_prompt(prompt, true);
  ListBox_auswahl->setObjectName("ListBox_auswahl");
  ListBox_auswahl->addItems(choices);
  ListBox_auswahl->setSelectionMode(QAbstractItemView::SingleSelection);
  if (!choices.isEmpty()) ListBox_auswahl->setCurrentRow(preset_entry(value, choices.size()) - 1);
  // The list ignores Enter, so it reaches the dialog's OK button; a double click confirms too.
  connect(ListBox_auswahl, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  content()->addWidget(ListBox_auswahl);
  ListBox_auswahl->setFocus();
}

int Tin_codedialog::value() const { return ListBox_auswahl->currentRow() + 1; }

Tin_radiodialog::Tin_radiodialog(const QString& prompt, const QStringList& choices, int value,
                                 const DialogHelp& help, QWidget* parent)
    : GenericDialog(kChoiceCaption, help, parent), RadioGroup_auswahl(new QButtonGroup(this)) {
  add_prompt(prompt, true);
  const int preset = preset_entry(value, choices.size());
  for (int i = 0; i < choices.size(); ++i) {
    auto* b = new QRadioButton(choices[i], this);
    b->setObjectName(QStringLiteral("RadioButton_%1").arg(i + 1));
    RadioGroup_auswahl->addButton(b, i + 1);
    content()->addWidget(b);
    if (i + 1 == preset) {
      b->setChecked(true);
      b->setFocus();
    }
  }
}

int Tin_radiodialog::value() const { return RadioGroup_auswahl->checkedId(); }

}  // namespace vx11
