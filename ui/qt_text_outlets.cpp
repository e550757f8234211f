#include "ui/qt_text_outlets.h"

#include <QFile>
#include <QFileInfo>

#include <fstream>

#include "base/text.h"
#include "ui/print_run.h"
#include "ui/text_window.h"

namespace vx11 {

namespace {

// Bits of the style setting: bold, italic, underline, strike-out.
QFont printout_font(const Configuration& config) {
  QFont f(QString::fromStdString(config.printout_font), config.printout_size > 0 ? config.printout_size : 10);
  // Where the named font is missing a fixed-pitch one keeps the columns.
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  f.setBold(config.printout_style & 1);
  f.setItalic(config.printout_style & 2);
  f.setUnderline(config.printout_style & 4);
  f.setStrikeOut(config.printout_style & 8);
  return f;
}

}  // namespace

TextPrintout text_printout(const Configuration& config) {
  return TextPrintout{printout_font(config), config.lines_per_page > 0 ? config.lines_per_page : 66};
}

QString printed_text(const FormatSettings& format, std::istream& in) {
  QString text;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    text += QString::fromStdString(toWindows(format, line));
    text += u'\n';
  }
  return text;
}

void QtTextPrinter::print(const std::string& cp850_path) {
  std::ifstream in(cp850_path, std::ios::binary);
  if (!in) {
    ui_.message(kCaptionError, nameText(cp850_path) + " not found !");
    return;
  }
  const QString text = printed_text(format_, in);
  if (in.bad()) {
    ui_.message(kCaptionError, cp850_path + " kann nicht gelesen werden !");
    return;
  }
  QString failure;
  if (print_text_with_dialog(parent_, text, text_printout(config_), &failure) == PrintOutcome::Failed)
    ui_.message(kCaptionError, toCodePage850(kPrintJobFailed + failure.toStdString()));
}

void QtTextWindow::show(const TextWindowRequest& request) {
  QFile f(QString::fromStdString(request.converted_path));
  if (!f.open(QIODevice::ReadOnly)) {
    ui_.message(kCaptionError, nameText(request.converted_path) + " not found !");
    return;
  }
  const QString text = QString::fromUtf8(f.readAll());
  const QString title = QString::fromStdString(identity_.short_name) + QStringLiteral(" - ") +
                        QFileInfo(f.fileName()).fileName();
  TForm_showtextfile w(title, text, parent_);
  w.set_printout(text_printout(config_));
  if (request.copy_to_clipboard) {
    w.copy_all();
    return;
  }
  const WindowRect& r = config_.text_window;
  w.place(r.left, r.top, r.width, r.height);
  const std::string stream = request.stream_path;
  w.set_print([this, stream] { printer_.print(stream); });
  const std::string copy = request.converted_path;
  w.set_export([this, copy] { start_with_file(starter_, ui_, config_.text_program, copy); });
  w.exec();
  const QRect g = w.geometry();
  config_.text_window = WindowRect{g.x(), g.y(), g.width(), g.height()};
}

}  // namespace vx11
