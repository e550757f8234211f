#include "ui/form_preview.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "project/program_state.h"
#include "project/startup.h"
#include "project/result_table_rater.h"
#include "report/spreadsheet_exchange.h"
#include "base/text.h"
#include "ui/main_window.h"
#include "ui/qt_interaction.h"
#include "ui/sheet_refresh.h"
#include "ui/window_frontend.h"

namespace vx11 {

namespace {

QAction* add_item(QMenu* menu, const char* name, const QString& caption, const std::function<void()>& action) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(name);
  QObject::connect(a, &QAction::triggered, menu, action);
  return a;
}

// Columns of numbers, shown right-aligned as their fixed-width texts are.
bool numeric_column(int c) { return (c >= 5 && c <= 11 && c != 8) || c >= result_column::kSafetyEq1; }

// The main window's caption names each file while it is rated.
class CaptionProgress : public ScanProgress {
 public:
  explicit CaptionProgress(QWidget& window) : window_(window) {}
  void scanning(const std::string& caption, bool&) override {
    window_.setWindowTitle(QString::fromStdString(caption));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }

 private:
  QWidget& window_;
};

// A chosen row's file becomes the current file, is read, rated and shown.
class WindowFileOpener : public ChosenFileOpener {
 public:
  WindowFileOpener(Thh& window, ProgramState& state) : window_(window), state_(state) {}
  void open(const std::string& path, bool&) override { open_input_file(window_, state_, path); }

 private:
  Thh& window_;
  ProgramState& state_;
};

}  // namespace

TForm_preview::TForm_preview(ResultTable& table, bool& cancelled, PreviewServices services, QWidget* parent)
    : QDialog(parent),
      table_(table),
      cancelled_(cancelled),
      services_(std::move(services)),
      StringGrid1(new QTableWidget(this)) {
  setObjectName("Form_preview");
  setModal(true);
  setWindowTitle(services_.caption);

  auto* bar = new QMenuBar(this);
  QMenu* file = bar->addMenu(QStringLiteral("File"));
  file->setObjectName("mi_File");
  mi_fileExportExcel = add_item(file, "mi_fileExportExcel", QStringLiteral("Export Excel"),
                                [this] { mi_fileExportExcelClick(); });
  mi_fileExportExcel->setEnabled(static_cast<bool>(services_.export_excel));
  add_item(file, "mi_fileExit", QStringLiteral("E&xit"), [this] { mi_fileExitClick(); });
  QMenu* help = bar->addMenu(QStringLiteral("Help"));
  help->setObjectName("mi_Help");
  add_item(help, "mi_HelpHelp", QStringLiteral("Help"), [this] { mi_HelpHelpClick(); })
      ->setEnabled(static_cast<bool>(services_.help.text));

  StringGrid1->setObjectName("StringGrid1");
  StringGrid1->setColumnCount(kResultTableColumns);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->verticalHeader()->setVisible(false);
  StringGrid1->verticalHeader()->setDefaultSectionSize(StringGrid1->fontMetrics().height() + 6);
  StringGrid1->horizontalHeader()->setSectionsClickable(true);
  StringGrid1->horizontalHeader()->setHighlightSections(false);
  for (int c = 0; c < kResultTableColumns; ++c)
    StringGrid1->setColumnWidth(c, kResultTableWidths[static_cast<std::size_t>(c)]);
  fill_rows();

  connect(StringGrid1->horizontalHeader(), &QHeaderView::sectionClicked, this,
          [this](int column) { StringGrid1Click(0, column); });
  connect(StringGrid1, &QTableWidget::cellClicked, this, [this](int row, int column) {
    StringGrid1Click(row + 1, column);
  });
  // Enter on a row chooses it as a click does.
  connect(StringGrid1, &QTableWidget::cellActivated, this, [this](int row, int column) {
    StringGrid1Click(row + 1, column);
  });

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(bar);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(StringGrid1);
  resize(1000, 480);
}

void TForm_preview::fill_rows() {
  const std::vector<ResultRow>& rows = table_.rows;
  QStringList heads;
  if (!rows.empty())
    for (const std::string& head : rows.front()) heads << QString::fromStdString(head);
  StringGrid1->setHorizontalHeaderLabels(heads);
  StringGrid1->setRowCount(rows.empty() ? 0 : table_.row_count() - 1);
  for (std::size_t r = 1; r < rows.size(); ++r)
    for (int c = 0; c < kResultTableColumns; ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(rows[r][static_cast<std::size_t>(c)]));
      if (numeric_column(c)) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      StringGrid1->setItem(static_cast<int>(r) - 1, c, item);
    }
  if (table_.selected_row > 0 && table_.selected_row < table_.row_count())
    StringGrid1->selectRow(table_.selected_row - 1);
  else
    StringGrid1->clearSelection();
}

void TForm_preview::StringGrid1Click(int row, int column) {
  if (row == 0) {
    table_.click(0, column, cancelled_);
    fill_rows();
    return;
  }
  if (table_.click(row, column, cancelled_)) done(QDialog::Accepted);
}

void TForm_preview::mi_fileExportExcelClick() {
  if (services_.export_excel) services_.export_excel(table_);
}

void TForm_preview::mi_fileExitClick() { reject(); }

void TForm_preview::mi_HelpHelpClick() {
  const int number = table_.help(cancelled_);
  if (!services_.help.text) return;
  if (!services_.help_number) {
    services_.help.text();
    return;
  }
  const int before = *services_.help_number;
  *services_.help_number = number;
  services_.help.text();
  *services_.help_number = before;
}

void TForm_preview::reject() {
  table_.exit(cancelled_);
  QDialog::reject();
}

void PreviewView::show_modal(ResultTable& table, bool& cancelled) {
  TForm_preview form(table, cancelled, services_, parent_);
  form.exec();
}

PreviewServices preview_services(ProgramState& state) {
  PreviewServices services;
  services.caption =
      QString::fromStdString(toWindows(state.format, result_table_caption(state.identity, state.session.data_directory)));
  if (auto* qt = qt_interaction(state.ui)) services.help = qt->help;
  services.help_number = &state.help_number;
  services.export_excel = [&state](const ResultTable& table) {
    // The grid's export creates a link of its own and leaves the program's abort flag alone.
    bool cancelled = false;
    SpreadsheetLink link;
    SpreadsheetContext ctx{state.format, state.ui, state.outlets.starter, state.temp_folder(),
                           cancelled};
    export_result_grid(ctx, link, table);
  };
  return services;
}

void open_result_table(Thh& window, ProgramState& state) {
  bool& cancelled = state.rec.cancelled;
  cancelled = false;
  ask_save_changes(state);
  if (cancelled) return;
  state.session.current_file.clear();
  show_caption(window, state);

  ResultTable table;
  {
    const BusyCursor busy;
    ProgramFileRater rater(state.format, state.identity, state.session, state.tables);
    CaptionProgress progress(window);
    table = scan_result_table(state.session.data_directory, state.session.data_extension, state.format,
                              state.identity, rater, &progress, cancelled);
  }
  show_caption(window, state);
  cancelled = false;

  PreviewView view(preview_services(state), &window);
  WindowFileOpener opener(window, state);
  run_result_table(table, view, opener, cancelled);
  // Leaving the grid ends the command, not the program's next one.
  cancelled = false;
}

}  // namespace vx11
