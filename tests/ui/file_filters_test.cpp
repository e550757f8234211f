// The core's filter texts as Qt name filters, and the default suffix a typed name gets.
#include "ui/file_filters.h"

#include <gtest/gtest.h>

namespace vx11 {
namespace {

TEST(NameFilters, CoreFilterTextsBecomeQtFilters) {
  struct Case {
    const char* core;
    QStringList filters;
    QString suffix;
  };
  const QString all = QStringLiteral("Alle Dateien (*)");
  const Case cases[] = {
      {"*.dxf|*.dxf|*.*|*.*", {QStringLiteral("DXF (*.dxf)"), all}, QStringLiteral("dxf")},
      {"*.igs|*.igs|*.*|*.*", {QStringLiteral("IGS (*.igs)"), all}, QStringLiteral("igs")},
      {"*.cfg|*.cfg", {QStringLiteral("CFG (*.cfg)"), all}, QStringLiteral("cfg")},
      {"*.vxk", {QStringLiteral("VXK (*.vxk)"), all}, QStringLiteral("vxk")},
      {"PDF|*.pdf", {QStringLiteral("PDF (*.pdf)"), all}, QStringLiteral("pdf")},
      {"*|*", {all}, QString()},
      {"*.*|*.*", {all}, QString()},
      {"wzeichnr.exe|wzeichnr.exe|zeichnr.exe|zeichnr.exe",
       {QStringLiteral("wzeichnr.exe (wzeichnr.exe)"), QStringLiteral("zeichnr.exe (zeichnr.exe)"), all}, QString()},
      {"Tabellen|*.dbf;*.DBF", {QStringLiteral("Tabellen (*.dbf *.DBF)"), all}, QString()},
      {"", {all}, QString()},
  };
  for (const Case& c : cases) {
    const NameFilters f = name_filters(c.core);
    EXPECT_EQ(f.filters, c.filters) << c.core;
    EXPECT_EQ(f.suffix, c.suffix) << c.core;
  }
}

}  // namespace
}  // namespace vx11
