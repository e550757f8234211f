#include "ui/help_picture_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/text.h"
#include "ui/generic_dialog.h"

namespace vx11 {

namespace {

QToolButton* arrow(QWidget* parent, const char* name, Qt::ArrowType type) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setArrowType(type);
  b->setAutoRaise(false);
  return b;
}

}  // namespace

TForm_hilfebild::TForm_hilfebild(const FormatSettings& format, const QString& caption,
                                 const std::vector<std::string>& entries, int current, QWidget* parent)
    : QDialog(parent), list_(new QComboBox(this)) {
  setWindowTitle(caption);
  setModal(true);
  list_->setObjectName("ListBox1");
  list_->setMaxVisibleItems(20);
  list_->setMinimumContentsLength(48);
  for (const std::string& e : entries) list_->addItem(QString::fromStdString(toWindows(format, e)));
  if (current >= 0 && current < list_->count()) list_->setCurrentIndex(current);
  // Choosing an entry answers at once, also when it is the one already shown.
  connect(list_, &QComboBox::activated, this, [this](int i) { finish(PictureListCommand::Select, i); });

  auto* spin = new QWidget(this);
  spin->setObjectName("SpinButton1");
  auto* spin_layout = new QVBoxLayout(spin);
  spin_layout->setContentsMargins(0, 0, 0, 0);
  spin_layout->setSpacing(0);
  auto* up = arrow(spin, "SpinButton1_up", Qt::UpArrow);
  auto* down = arrow(spin, "SpinButton1_down", Qt::DownArrow);
  spin_layout->addWidget(up);
  spin_layout->addWidget(down);
  connect(up, &QToolButton::clicked, this, [this] { finish(PictureListCommand::Up); });
  connect(down, &QToolButton::clicked, this, [this] { finish(PictureListCommand::Down); });

  auto* top = new QHBoxLayout;
  top->addWidget(list_, 1);
  top->addWidget(spin);

  auto* row = new QHBoxLayout;
  struct ButtonDef {
    const char* name;
    QString caption;
    PictureListCommand command;
  };
  const ButtonDef buttons[] = {
      {"Button_ok", QStringLiteral("OK"), PictureListCommand::Ok},
      {"Button_help", QStringLiteral("&Hilfe"), PictureListCommand::Help},
      {"Button_neu", QStringLiteral("&Neu"), PictureListCommand::Append},
      {"Button_aendern", QString::fromUtf8("&\u00c4ndern"), PictureListCommand::Change},
      {"Button_einfuegen", QString::fromUtf8("&Einf\u00fcgen"), PictureListCommand::Insert},
      {"Button_loeschen", QString::fromUtf8("&L\u00f6schen"), PictureListCommand::Delete},
  };
  for (const ButtonDef& d : buttons) {
    QPushButton* b = add_dialog_button(row, this, d.name, d.caption);
    const PictureListCommand command = d.command;
    connect(b, &QPushButton::clicked, this, [this, command] { finish(command); });
    if (command == PictureListCommand::Ok) b->setDefault(true);
  }

  auto* outer = new QVBoxLayout(this);
  outer->addLayout(top);
  outer->addLayout(row);
  list_->setFocus();
}

void TForm_hilfebild::finish(PictureListCommand command, int entry) {
  answer_ = {command, entry};
  accept();
}

PictureListAnswer QtPictureListDialog::show(const std::string& caption, const std::vector<std::string>& entries,
                                            int current) {
  TForm_hilfebild dialog(format_, QString::fromStdString(toWindows(format_, caption)), entries, current, parent_);
  if (position_) dialog.move(*position_);
  dialog.exec();
  position_ = dialog.pos();
  return dialog.answer();
}

}  // namespace vx11
