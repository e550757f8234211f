// The page "Extern": external programs and the ZEICHNR command lines.
#include "ui/tconfig.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "project/program_state.h"
#include "ui/generic_dialogs.h"
#include "ui/tconfig_pages.h"

namespace vx11 {

QWidget* Tconfig::external_page() {
  auto* page = new QWidget(this);
  auto* outer = new QVBoxLayout(page);
  auto* form = new QFormLayout;
  outer->addLayout(form);
  Configuration& c = work_;
  const auto program_row = [&](const QString& label, const char* name, std::string& field) {
    auto* b = config_small_button(QStringLiteral("..."), this);
    b->setObjectName(QStringLiteral("Button_browse_") + name);
    auto* e = text_row(form, label, name, field, b, {}, true);
    connect(b, &QPushButton::clicked, this, [this, e] {
      if (auto f = state_.ui.open_file("Programm", "", "*|*")) e->setText(QString::fromStdString(*f));
    });
  };
  program_row(QStringLiteral("HTML Browser"), "Edit_html", c.html_browser);
  program_row(QStringLiteral("Textprogramm"), "Edit_textprogram", c.text_program);
  auto* box = new QGroupBox(QStringLiteral("ZEICHNR-Kommandozeilen"), this);
  auto* box_layout = new QVBoxLayout(box);
  plot_lines_ = new QListWidget(box);
  plot_lines_->setObjectName("ListBox_plot");
  box_layout->addWidget(plot_lines_);
  auto* row = new QHBoxLayout;
  auto* config = new QPushButton(QStringLiteral("Config"), box);
  config->setObjectName("Button_plotconfig");
  config->setAutoDefault(false);
  config->setEnabled(static_cast<bool>(pickers_.plot_line));
  auto* edit = new QPushButton(QStringLiteral("Edit"), box);
  edit->setObjectName("Button_plotedit");
  edit->setAutoDefault(false);
  row->addWidget(config);
  row->addWidget(edit);
  row->addStretch();
  box_layout->addLayout(row);
  outer->addWidget(box);
  fills_.push_back([this] { refill_plot_lines(); });
  connect(edit, &QPushButton::clicked, this, [this] { edit_plot_line(plot_lines_->currentRow()); });
  connect(plot_lines_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    edit_plot_line(plot_lines_->row(item));
  });
  connect(config, &QPushButton::clicked, this, [this] {
    const int row = std::max(plot_lines_->currentRow(), 0);
    std::string line = work_.plot_command_lines[static_cast<std::size_t>(row)];
    if (pickers_.plot_line && pickers_.plot_line(line)) {
      work_.plot_command_lines[static_cast<std::size_t>(row)] = line;
      work_.plot_command_count = std::max(work_.plot_command_count, row + 1);
      refill_plot_lines();
      plot_lines_->setCurrentRow(row);
    }
  });
  return page;
}

void Tconfig::refill_plot_lines() {
  const int current = plot_lines_->currentRow();
  plot_lines_->clear();
  for (std::size_t i = 0; i < work_.plot_command_lines.size(); ++i)
    plot_lines_->addItem(QStringLiteral("%1: ").arg(i + 1) + QString::fromStdString(work_.plot_command_lines[i]));
  plot_lines_->setCurrentRow(current >= 0 ? current : 0);
}

void Tconfig::edit_plot_line(int row) {
  if (row < 0 || row >= kPlotCommandSlots) return;
  auto& line = work_.plot_command_lines[static_cast<std::size_t>(row)];
  // A command line of program and folder names, kept as typed.
  const auto text = ask_text(this, help_, QStringLiteral("ZEICHNR-Kommandozeile %1").arg(row + 1), 0,
                             QString::fromStdString(line));
  if (!text) return;
  line = text->toStdString();
  work_.plot_command_count = std::max(work_.plot_command_count, row + 1);
  refill_plot_lines();
  plot_lines_->setCurrentRow(row);
}

}  // namespace vx11
