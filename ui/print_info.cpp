#include "ui/print_info.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

#include "ui/print_run.h"

namespace vx11 {

namespace {

QString num(qreal v) { return QString::number(std::lround(v)); }

}  // namespace

std::vector<std::pair<QString, QString>> printer_info_rows(QPrinter& printer) {
  const bool file = prints_to_file(printer);
  const QPrinterInfo info(printer);
  const QRectF mm = printer.pageLayout().paintRect(QPageLayout::Millimeter);
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
  const QStringList fonts = QFontDatabase::families();
  // The counts of brushes, pens and markers: -1, as devices report no limit.
  std::vector<std::pair<QString, QString>> rows = {
      {QStringLiteral("Name"), QString::fromStdString(printer_caption(printer))},
      {QStringLiteral("Treiberversion"), file ? QStringLiteral("PDF") : info.makeAndModel()},
      {QStringLiteral("Technologie"), file ? QStringLiteral("Metafile") : QStringLiteral("Rasterdrucker")},
      {QStringLiteral("Druckbreite (mm)"), num(mm.width())},
      {QStringLiteral("Druckhöhe (mm)"), num(mm.height())},
      {QStringLiteral("Breite (Pixel)"), QString::number(printer.width())},
      {QStringLiteral("Höhe (Pixel)"), QString::number(printer.height())},
      {QStringLiteral("Linker Seitenoffset (Pixel)"), num(page.left() - paper.left())},
      {QStringLiteral("Oberer Seitenoffset (Pixel)"), num(page.top() - paper.top())},
      {QStringLiteral("DPI (horizontal)"), QString::number(printer.logicalDpiX())},
      {QStringLiteral("DPI (vertikal)"), QString::number(printer.logicalDpiY())},
      {QStringLiteral("Pinsel"), QStringLiteral("-1")},
      {QStringLiteral("Stifte"), QStringLiteral("-1")},
      {QStringLiteral("Markierer"), QStringLiteral("-1")},
      {QStringLiteral("Farben"), QString::number(printer.colorCount())},
      {QStringLiteral("Schriften"), QString::number(fonts.size())},
  };
  for (const QString& f : fonts) rows.emplace_back(QString(), f);
  return rows;
}

TForm_printerinfo::TForm_printerinfo(QPrinter& printer, QWidget* parent) : QDialog(parent) {
  setObjectName("TForm_printerinfo");
  setWindowTitle(QStringLiteral("Printer Info"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  const auto rows = printer_info_rows(printer);
  auto* grid = new QTableWidget(static_cast<int>(rows.size()), 2, this);
  grid->setObjectName("StringGrid1");
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    grid->setItem(static_cast<int>(i), 0, new QTableWidgetItem(rows[i].first));
    grid->setItem(static_cast<int>(i), 1, new QTableWidgetItem(rows[i].second));
  }
  grid->resizeColumnsToContents();
  layout->addWidget(grid);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName("Button_ok");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok);
  resize(420, 480);
}

}  // namespace vx11
