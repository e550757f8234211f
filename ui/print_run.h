// The print run of the drawing: the display list replayed onto the window and one printer page.
#pragma once

#include <string>

#include "ui/print_placement.h"

class QPrinter;

namespace vx11 {

class Canvas;
class Interaction;

inline constexpr const char* kPrintJobFailed = "Druckauftrag kann nicht begonnen werden: ";

// Without `fit_whole` the part shown on the screen is printed; with it the whole drawing, and the
// screen shows the full view afterwards. The print flag is set only while the job runs. A job
// that cannot begin is reported; false then.
bool print_drawing(Canvas& canvas, QPrinter& printer, const PrintPlacement& placement, bool fit_whole,
                   Interaction& ui);

// Whether the platform knows any printer; without one the print goes to a PDF file.
bool has_platform_printer();
// Whether the printer prints into a file (PDF) rather than on a platform printer.
bool prints_to_file(const QPrinter& printer);
// Whether a print needs a PDF file named first: no platform printer, or the PDF output without a file.
bool needs_pdf_file(const QPrinter& printer);
// The printer's name for the dialog: the platform printer, or "PDF: " and the file, cut to 40.
std::string printer_caption(const QPrinter& printer);

}  // namespace vx11
