// The table browser's file, edit and help menus and what their entries do.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>

#include <filesystem>

#include "calc/table_exchange.h"
#include "calc/table_object.h"
#include "base/text.h"
#include "ui/tdbf4.h"
#include "ui/tdbf4_model.h"

namespace vx11 {

namespace {

QAction* add_item(QMenu* menu, const char* name, const QString& caption, QObject* receiver,
                  std::function<void()> action) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(name);
  QObject::connect(a, &QAction::triggered, receiver, [action = std::move(action)] { action(); });
  return a;
}

std::string stem(const std::string& path) { return std::filesystem::path(path).stem().string(); }

std::string in_folder(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder + (folder.back() == '/' ? "" : "/") + name;
}

}  // namespace

void Tdbf4::build_menus(QMenuBar* bar) {
  const bool editing = !selecting();

  QMenu* file = bar->addMenu(QStringLiteral("&Datei"));
  file->setObjectName("mi_file");
  add_item(file, "mi_fileExportHtml", QStringLiteral("Export HTML"), this, [this] { export_html(); })
      ->setEnabled(static_cast<bool>(services_.show_page));
  add_item(file, "mi_fileSaveDelimited", QStringLiteral("Save As Delimited"), this, [this] { save_delimited(); });
  add_item(file, "mi_fileAppendDbf", QStringLiteral("Append dbf"), this, [this] { append_dbf(); })
      ->setVisible(editing);
  add_item(file, "mi_fileAppendDelimited", QStringLiteral("Append Delimited"), this, [this] { append_delimited(); })
      ->setVisible(editing);
  add_item(file, "mi_filePrint", QStringLiteral("Print.."), this, [this] { print(); })
      ->setEnabled(static_cast<bool>(services_.print));
  file->addSeparator();
  add_item(file, "mi_fileExit", QStringLiteral("&Beenden"), this, [this] { accept(); });

  QMenu* edit = bar->addMenu(QStringLiteral("&Bearbeiten"));
  edit->setObjectName("mi_edit");
  add_item(edit, "mi_editAppend", QStringLiteral("Append"), this, [this] { append_record(); });
  add_item(edit, "mi_editDelete", QStringLiteral("Delete"), this, [this] { toggle_deleted(); })
      ->setToolTip(QStringLiteral("L\u00f6schmarke setzen oder entfernen"));
  QAction* pack_item = add_item(edit, "mi_editPack", QStringLiteral("Pack"), this, [this] { pack(); });
  pack_item->setToolTip(QStringLiteral("Markierte Datens\u00e4tze l\u00f6schen"));
  pack_item->setStatusTip(pack_item->toolTip());
  edit->setToolTipsVisible(true);
  // Selection offers nothing that changes the table.
  edit->menuAction()->setVisible(editing);

  QMenu* help = bar->addMenu(QStringLiteral("&Hilfe"));
  help->setObjectName("mi_help");
  const auto with_topic = [this](const std::function<void()>& action) {
    return [this, action] {
      ctx_.help_number = request_.help_number;
      action();
    };
  };
  add_item(help, "mi_helpText", QStringLiteral("&Hilfetext"), this, with_topic(services_.help.text))
      ->setEnabled(static_cast<bool>(services_.help.text));
  add_item(help, "mi_helpPicture", QStringLiteral("Hilfe&bild"), this, with_topic(services_.help.picture))
      ->setEnabled(static_cast<bool>(services_.help.picture));
  add_item(help, "mi_helpStructure", QStringLiteral("&Struktur"), this, [this] { show_structure(); });
  add_item(help, "mi_helpFileName", QStringLiteral("&Dateiname"), this, [this] { show_file_name(); });
}

std::string Tdbf4::html_path() const {
  return in_folder(ctx_.tables.temp_folder(), stem(ctx_.tables.file_name()) + ".htm");
}

void Tdbf4::export_html() {
  begin_command();
  const std::string path = html_path();
  const HtmlPageHeader header{services_.title_line, dateText(ctx_.format), timeText()};
  if (export_table_html(ctx_, path, header) && services_.show_page) services_.show_page(path);
}

void Tdbf4::save_delimited() {
  begin_command();
  const TableObject& t = ctx_.tables;
  const auto chosen = ctx_.ui.save_file("Save As Delimited", t.table_folder(), stem(t.file_name()) + ".txt", "*.txt");
  if (!chosen || trimBlanks(*chosen).empty()) return;
  std::error_code ec;
  if (std::filesystem::exists(*chosen, ec)) {
    const std::string question = *chosen + " " + "existiert bereits" + ".   " + "\x81" "berschreiben" + " ?";
    if (ctx_.ui.ask_yes_no_cancel("", question) != Answer::Yes) return;
  }
  export_table_delimited(ctx_, *chosen);
}

void Tdbf4::append_dbf() {
  append_file("Append dbf", "*.dbf", append_from_table);
}

void Tdbf4::append_delimited() {
  append_file("Append Delimited", "*.txt", import_delimited_file);
}

void Tdbf4::append_file(const std::string& title, const std::string& filter,
                        bool (*append)(CalcContext&, const std::string&)) {
  begin_command();
  const auto chosen = ctx_.ui.open_file(title, ctx_.tables.table_folder(), filter);
  if (!chosen) return;
  append(ctx_, *chosen);
  after_records_changed();
}

void Tdbf4::print() {
  begin_command();
  if (services_.print) services_.print(ctx_.tables);
}

void Tdbf4::append_record() {
  if (selecting()) return;
  begin_command();
  if (!ctx_.tables.append_record(ctx_)) return;
  after_records_changed();
  TzGrid1->setFocus();
  TzGrid1->edit(model_->index(model_->row_of(ctx_.tables.current_record()), 0));
}

void Tdbf4::toggle_deleted() {
  if (selecting()) return;
  begin_command();
  const int record = current_record();
  if (record == 0) return;
  ctx_.tables.set_deleted(ctx_, record, !ctx_.tables.is_deleted(record));
  model_->reorder();
  show_record_label();
}

void Tdbf4::pack() {
  if (selecting()) return;
  begin_command();
  // Input files name their key and materials by record number: packing gives the records behind a
  // removed one new numbers, so the person decides.
  if (ctx_.ui.ask_yes_no_cancel("", kPackQuestion) != Answer::Yes) return;
  ctx_.tables.pack(ctx_);
  // A failed pack may have closed the table: the grid then shows nothing.
  after_records_changed();
}

void Tdbf4::show_structure() {
  const TableObject& t = ctx_.tables;
  std::string text = "Feld Name        Typ L\x84nge Dez.";
  for (int f = 1; f <= t.field_count(); ++f) {
    const DbfField& d = t.fields()[static_cast<std::size_t>(f) - 1];
    text += "\n" + padLeft(std::to_string(f), 4) + " " + padRight(d.name, 12) + d.type + "  " +
            padLeft(std::to_string(d.width), 5) + " " + padLeft(std::to_string(d.decimals), 4);
  }
  if (services_.show_columns)
    services_.show_columns(t.second_title(), text);
  else
    ctx_.ui.message(t.second_title(), text);
}

void Tdbf4::show_file_name() { ctx_.ui.message(kCaptionInfo, nameText(ctx_.tables.file_name())); }

}  // namespace vx11
