#include "ui/print_run.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "draw/mapping.h"
#include "draw/qt/painter_device.h"
#include "base/interaction.h"
#include "base/text.h"
#include "ui/canvas.h"

namespace vx11 {

bool has_platform_printer() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

bool prints_to_file(const QPrinter& printer) {
  return printer.outputFormat() == QPrinter::PdfFormat || !printer.outputFileName().isEmpty();
}

bool needs_pdf_file(const QPrinter& printer) {
  return printer.outputFileName().isEmpty() && (prints_to_file(printer) || !has_platform_printer());
}

std::string printer_caption(const QPrinter& printer) {
  QString name = printer.printerName();
  if (prints_to_file(printer))
    name = printer.outputFileName().isEmpty() ? QStringLiteral("PDF") : QStringLiteral("PDF: ") + printer.outputFileName();
  return name.left(40).toStdString();
}

bool print_drawing(Canvas& canvas, QPrinter& printer, const PrintPlacement& placement, bool fit_whole,
                   Interaction& ui) {
  GraphicsState& g = canvas.graphics();
  apply_placement(placement, g);
  printer.setPageOrientation(placement.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  GraphicsSurface& s = canvas.surface();
  if (fit_whole) {
    s.RestoreLimit();
    s.ResetZoom();
    s.ReSetWindow();
    s.ClearViewPort();
  }
  canvas.render_now();
  QPainter painter;
  if (!painter.begin(&printer)) {
    s.SetOldCursor();
    ui.message(kCaptionError, toCodePage850(kPrintJobFailed + printer_caption(printer)));
    canvas.abort_flag() = true;
    return false;
  }
  QPainterDevice page_device(painter, canvas.text_format());
  page_device.setDashUnit(static_cast<double>(printerScale(g, printer.width(), printer.height())));
  const PrinterPage page{&page_device, printer.width(), printer.height()};
  g.print_flag = true;
  canvas.render_with_printer(page);
  g.print_flag = false;
  page_device.flush();
  painter.end();
  s.SetOldCursor();
  return true;
}

}  // namespace vx11
