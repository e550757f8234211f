// Test bench for the drawing printout: the example rated, its assembly drawing on a canvas, the
// setup table in the fresh table folder, and a PDF printer.
#pragma once

#include <QPrinter>

#include <memory>
#include <string>

#include "tests/ui/dialog_fixture.h"
#include "ui/canvas.h"
#include "ui/print_dialog.h"

namespace vx11::test {

class PrintTest : public DialogTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The example's drawing of a view on the canvas.
  void draw(int view);
  PrintDialogContext context() { return PrintDialogContext{*state, canvas, printer, setup_row, help}; }
  // The PDF printer writes <root>/<name>.pdf.
  std::string print_into(const std::string& name);
  // Pages of a PDF as an independent reader counts them; -1 when it cannot read the file.
  static int pdf_pages(const std::string& path);

  Canvas canvas;
  QPrinter printer{QPrinter::HighResolution};
  int setup_row = 0;
};

}  // namespace vx11::test
