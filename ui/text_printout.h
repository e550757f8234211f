// Printing a text on the platform printer: one text line per line of a fixed number of lines per
// sheet; a line beginning with a form feed starts the next page.
#pragma once

#include <QFont>
#include <QString>

class QPrinter;
class QWidget;

namespace vx11 {

struct TextPrintout {
  QFont font;
  int lines_per_page = 66;  // "Zeilen pro Seite für Drucker"
};

inline constexpr int kLastPrintedPage = 255;

// The pages of a text: one, and one more for each form feed that has text behind it.
int count_text_pages(const QString& text);
// Prints pages from .. to (counted from 1; never past the text) and returns the sheets printed.
int print_text_pages(QPrinter& printer, const QString& text, const TextPrintout& how, int from, int to);
enum class PrintOutcome { Printed, Cancelled, Failed };

// The print dialog in portrait with the page range 1 to the text's page count preselected, then the
// printout (onto the chosen printer or into the PDF file the dialog names). Failed: the print job
// could not begin, `failure` says on which printer.
PrintOutcome print_text_with_dialog(QWidget* parent, const QString& text, const TextPrintout& how,
                                    QString* failure = nullptr);

}  // namespace vx11
