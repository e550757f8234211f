#include "ui/text_printout.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

#include <algorithm>

namespace vx11 {

namespace {

constexpr QChar kFormFeed = u'\f';

QStringList text_lines(const QString& text) {
  QString t = text;
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QStringList lines = t.split(u'\n');
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();  // the text's final line end
  return lines;
}

}  // namespace

int count_text_pages(const QString& text) {
  // Every form feed starts a page; one that only ends the text does not.
  int pages = 1;
  bool content_after_feed = true;
  for (const QString& line : text_lines(text)) {
    if (line.startsWith(kFormFeed)) {
      if (content_after_feed) ++pages;
      content_after_feed = line.size() > 1;
    } else if (!line.trimmed().isEmpty()) {
      content_after_feed = true;
    }
  }
  return content_after_feed ? pages : pages - 1;
}

int print_text_pages(QPrinter& printer, const QString& text, const TextPrintout& how, int from, int to) {
  from = std::max(from, 1);
  to = std::min({to, kLastPrintedPage, count_text_pages(text)});
  if (from > to) return 0;
  QPainter painter;
  int sheets = 0;
  int line_height = 1;
  int y = 0;
  const auto start_sheet = [&] {
    y = 0;
    if (sheets > 0) {
      printer.newPage();
    } else {
      if (!painter.begin(&printer)) return false;
      painter.setFont(how.font);
      const int height = printer.pageLayout().paintRectPixels(printer.resolution()).height();
      line_height = std::max(1, height / std::max(1, how.lines_per_page));
    }
    ++sheets;
    return true;
  };
  int page = 1;
  if (page >= from && !start_sheet()) return 0;
  for (const QString& raw : text_lines(text)) {
    QString line = raw;
    if (line.startsWith(kFormFeed)) {
      ++page;
      if (page > to) break;
      if (page >= from && !start_sheet()) return 0;
      // Text behind the form feed belongs to the new page.
      line.remove(0, 1);
      if (line.isEmpty()) continue;
    }
    if (page < from) continue;
    painter.drawText(0, y + painter.fontMetrics().ascent(), line);
    y += line_height;
  }
  if (painter.isActive()) painter.end();
  return sheets;
}

PrintOutcome print_text_with_dialog(QWidget* parent, const QString& text, const TextPrintout& how, QString* failure) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Portrait);
  const int pages = std::clamp(count_text_pages(text), 1, kLastPrintedPage);
  printer.setFromTo(1, pages);
  QPrintDialog dialog(&printer, parent);
  dialog.setMinMax(1, pages);
  dialog.setPrintRange(QAbstractPrintDialog::PageRange);
  if (dialog.exec() != QDialog::Accepted) return PrintOutcome::Cancelled;
  const bool all = printer.fromPage() == 0;
  if (print_text_pages(printer, text, how, all ? 1 : printer.fromPage(), all ? pages : printer.toPage()) > 0)
    return PrintOutcome::Printed;
  if (failure) {
    *failure = printer.outputFileName().isEmpty() ? printer.printerName()
                                                  : QStringLiteral("PDF: ") + printer.outputFileName();
  }
  return PrintOutcome::Failed;
}

}  // namespace vx11
