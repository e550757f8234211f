#include "ui/tdbf4.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "calc/table_object.h"
#include "base/text.h"
#include "ui/generic_dialog.h"
#include "ui/generic_dialogs.h"
#include "ui/screen_fit.h"
#include "ui/tdbf4_model.h"

namespace vx11 {

namespace {

QLabel* add_label(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// Room for the wider of the field's width and its name, within reason.
int column_width(const QFontMetrics& fm, const DbfField& field) {
  const int chars = std::clamp(std::max(field.width, static_cast<int>(field.name.size())), 3, 40);
  return fm.horizontalAdvance(QString(chars, u'0')) + 16;
}

}  // namespace

Tdbf4::Tdbf4(CalcContext& ctx, const BrowseRequest& request, const Tdbf4Services& services, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      request_(request),
      services_(services),
      model_(new Tdbf4Model(ctx, request.mode == BrowseMode::Edit, this)),
      TzGrid1(new QTableView(this)) {
  setObjectName("dbf4");
  setModal(true);
  const auto shown = [&](const std::string& cp850) { return QString::fromStdString(toWindows(ctx.format, cp850)); };
  setWindowTitle(shown(request.caption));
  const TableObject& t = ctx.tables;

  auto* bar = new QMenuBar(this);
  build_menus(bar);

  auto* titles = new QVBoxLayout;
  Label_title2 = add_label(this, "Label_title2", shown(t.second_title()));
  QFont bold = Label_title2->font();
  bold.setBold(true);
  Label_title2->setFont(bold);
  Label_title1 = add_label(this, "Label_title1", shown(t.first_title()));
  Label_filename = add_label(this, "Label_filename", QString::fromStdString(t.file_name()));
  titles->addWidget(Label_title2);
  titles->addWidget(Label_title1);
  titles->addWidget(Label_filename);

  TzGrid1->setObjectName("TzGrid1");
  TzGrid1->setModel(model_);
  TzGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  TzGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  TzGrid1->setAlternatingRowColors(true);
  TzGrid1->setEditTriggers(selecting() ? QAbstractItemView::NoEditTriggers
                                       : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                             QAbstractItemView::AnyKeyPressed);
  TzGrid1->verticalHeader()->setDefaultSectionSize(TzGrid1->fontMetrics().height() + 6);
  QHeaderView* heads = TzGrid1->horizontalHeader();
  heads->setSectionsClickable(true);
  heads->setHighlightSections(false);
  connect(heads, &QHeaderView::sectionClicked, this, &Tdbf4::order_by_column);
  int grid_width = TzGrid1->verticalHeader()->sizeHint().width() + 24;
  for (int c = 0; c < t.field_count(); ++c) {
    TzGrid1->setColumnWidth(c, column_width(TzGrid1->fontMetrics(), t.fields()[static_cast<std::size_t>(c)]));
    grid_width += TzGrid1->columnWidth(c);
  }
  connect(TzGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this, &Tdbf4::current_changed);
  connect(TzGrid1, &QTableView::clicked, this, &Tdbf4::show_record_label);
  if (selecting()) connect(TzGrid1, &QTableView::doubleClicked, this, &Tdbf4::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(build_navigator());
  Label_recno = add_label(this, "Label_recno", QString());
  Label_recno->setMinimumWidth(Label_recno->fontMetrics().horizontalAdvance(QStringLiteral("00000/00000")));
  buttons->addWidget(Label_recno);
  buttons->addStretch();
  Button_search = add_dialog_button(buttons, this, "Button_search", QStringLiteral("&Suchen"));
  connect(Button_search, &QPushButton::clicked, this, &Tdbf4::search);
  Button_SearchNext = add_dialog_button(buttons, this, "Button_SearchNext", QStringLiteral("&Weitersuchen"));
  connect(Button_SearchNext, &QPushButton::clicked, this, &Tdbf4::search_next);
  Button_ok = add_dialog_button(buttons, this, "Button_ok", QStringLiteral("OK"));
  Button_ok->setDefault(true);
  connect(Button_ok, &QPushButton::clicked, this, &Tdbf4::accept);
  Button_cancel = add_dialog_button(buttons, this, "Button_cancel", QStringLiteral("Abbrechen"));
  // On a narrow screen OK and Abbrechen take a row of their own below.
  QHBoxLayout* closing = nullptr;
  if (buttons->sizeHint().width() + 40 > screen_room(this).width()) {
    closing = new QHBoxLayout;
    closing->addStretch();
    for (QPushButton* b : {Button_ok, Button_cancel}) {
      buttons->removeWidget(b);
      closing->addWidget(b);
    }
  }
  connect(Button_cancel, &QPushButton::clicked, this, &Tdbf4::reject);

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(bar);
  layout->addLayout(titles);
  layout->addWidget(TzGrid1, 1);
  layout->addLayout(buttons);
  if (closing) layout->addLayout(closing);

  const QFontMetrics fm(font());
  resize(std::clamp(grid_width + 24, 640, 1200), fm.height() * 34);
  // A wide table scrolls inside the grid rather than pushing the buttons off the screen.
  fit_into_screen(this);
  go_to(t.current_record());
  TzGrid1->setFocus();
}

QWidget* Tdbf4::build_navigator() {
  auto* nav = new QWidget(this);
  nav->setObjectName("TzNavigator1");
  auto* row = new QHBoxLayout(nav);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(1);
  const auto add = [&](const char* name, const char* text, const QString& hint, auto action) {
    auto* b = new QToolButton(nav);
    b->setObjectName(name);
    b->setText(QString::fromLatin1(text));
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QToolButton::clicked, this, action);
    row->addWidget(b);
    return b;
  };
  add("nbFirst", "|<", QStringLiteral("Erster Datensatz"), [this] { step(-model_->rowCount()); });
  add("nbPrior", "<", QStringLiteral("Vorheriger Datensatz"), [this] { step(-1); });
  add("nbNext", ">", QStringLiteral("N\u00e4chster Datensatz"), [this] { step(1); });
  add("nbLast", ">|", QStringLiteral("Letzter Datensatz"), [this] { step(model_->rowCount()); });
  if (!selecting()) {
    add("nbInsert", "+", QStringLiteral("Datensatz anf\u00fcgen"), [this] { append_record(); });
    add("nbDelete", "-", QStringLiteral("L\u00f6schmarke setzen oder entfernen"), [this] { toggle_deleted(); });
    add("nbRefresh", "~", QStringLiteral("Neu anzeigen"), [this] {
      ctx_.tables.refresh_order();
      after_records_changed();
    });
  }
  return nav;
}

int Tdbf4::current_record() const { return model_->record_at(TzGrid1->currentIndex().row()); }

void Tdbf4::go_to(int record) {
  if (model_->rowCount() == 0) {
    show_record_label();
    return;
  }
  const int row = std::max(model_->row_of(record), 0);
  const int column = std::max(TzGrid1->currentIndex().column(), 0);
  const QModelIndex at = model_->index(row, column);
  TzGrid1->setCurrentIndex(at);
  TzGrid1->scrollTo(at, QAbstractItemView::PositionAtCenter);
  current_changed();
}

void Tdbf4::step(int rows) {
  if (model_->rowCount() == 0) return;
  const int row = std::clamp(TzGrid1->currentIndex().row() + rows, 0, model_->rowCount() - 1);
  go_to(model_->record_at(row));
}

void Tdbf4::current_changed() {
  const int record = current_record();
  if (record != 0 && record != ctx_.tables.current_record()) ctx_.tables.go_to_record(ctx_, record);
  show_record_label();
}

void Tdbf4::show_record_label() {
  const int record = current_record();
  Label_recno->setText(record == 0 ? QString()
                                   : QString::number(record) + u'/' + QString::number(ctx_.tables.record_count()));
}

void Tdbf4::begin_command() {
  ctx_.rec.cancelled = false;
  const int record = current_record();
  if (record != 0) ctx_.tables.go_to_record(ctx_, record);
}

void Tdbf4::after_records_changed() {
  model_->reload();
  go_to(ctx_.tables.current_record());
}

void Tdbf4::order_by_column(int column) {
  begin_command();
  const int record = current_record();
  if (!ctx_.tables.create_index(ctx_, ctx_.tables.field_name(column + 1), kColumnIndexName)) return;
  TzGrid1->horizontalHeader()->setSortIndicatorShown(true);
  TzGrid1->horizontalHeader()->setSortIndicator(column, Qt::AscendingOrder);
  model_->reorder();
  go_to(record);
}

void Tdbf4::search() {
  begin_command();
  const int help = ctx_.help_number;
  ctx_.help_number = kHelpTableSearch;
  const auto text = ask_text(this, services_.help, QStringLiteral("Suchbegriff eingeben"), kSearchTextLength,
                             QString::fromStdString(toWindows(ctx_.format, ctx_.tables.last_search_text())));
  ctx_.help_number = help;
  if (!text || text->isEmpty()) return;
  find(toCodePage850(text->toStdString()), false);
}

void Tdbf4::search_next() {
  if (ctx_.tables.last_search_text().empty()) {
    search();
    return;
  }
  begin_command();
  find(ctx_.tables.last_search_text(), true);
}

void Tdbf4::find(const std::string& text, bool continue_search) {
  TableObject& t = ctx_.tables;
  const int from = t.current_record();
  bool hit = t.search(text, continue_search);
  // Records marked as deleted are not in the selection grid: look on behind them.
  while (hit && selecting() && t.is_deleted(t.current_record())) hit = t.search(text, true);
  if (!hit) {
    if (from != 0) t.go_to_record(ctx_, from);
    ctx_.ui.message(kCaptionInfo, text + " " + "nicht gefunden");
    return;
  }
  go_to(t.current_record());
}

void Tdbf4::accept() {
  // Nothing can be confirmed when no record is shown.
  if (current_record() == 0) {
    reject();
    return;
  }
  ctx_.tables.go_to_record(ctx_, current_record());
  QDialog::accept();
}

BrowseResult QtTableBrowser::show(CalcContext& ctx, const BrowseRequest& request) {
  Tdbf4 dialog(ctx, request, services_, parent_);
  return dialog.exec() == QDialog::Accepted ? BrowseResult::Ok : BrowseResult::Cancel;
}

}  // namespace vx11
