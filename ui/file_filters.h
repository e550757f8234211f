// The one place where the core's filter texts become Qt name filters. The core names filters as
// "*.dxf", "PDF|*.pdf" or in pairs of description and pattern ("*.dxf|*.dxf|*.*|*.*").
#pragma once

#include <QString>
#include <QStringList>

#include <string_view>

namespace vx11 {

struct NameFilters {
  QStringList filters;  // "DXF (*.dxf)", ..., always ending with "Alle Dateien (*)"
  QString suffix;       // the first filter's extension ("dxf"), empty when it names no single one
};

NameFilters name_filters(std::string_view core_filter);

}  // namespace vx11
