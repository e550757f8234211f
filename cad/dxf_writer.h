// The DXF file in the classic ASCII group-code form: header, tables, blocks, entities, end of file.
// Every line ends in CR LF; the caller owns the stream and checks it after each element.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "cad/cad_settings.h"
#include "calc/connection_record.h"
#include "base/format_settings.h"

namespace vx11 {

// Text attributes of a TEXT entity.
struct CadTextStyle {
  Real height = 5.0L;
  Real width_factor = 1.0L;
  Real angle = 0;
  Real oblique = 0;
};

class DxfWriter {
 public:
  DxfWriter(std::ostream& out, const CadSettings& cad, const FormatSettings& format);

  void setLayer(std::string_view layer);
  const std::string& layer() const { return layer_; }
  // Block files of the screen keep texts in the program's own code page.
  void setTextConversion(bool on) { convert_text_ = on; }

  void header(Real x1, Real y1, Real x2, Real y2);
  // Kind 0: the five named pens; 1: sixteen numbered layers; 2: the named pens and pens 16..31.
  void tables(int kind);
  void blocksStart();
  void blockStart(std::string_view name);
  void blockEnd();
  void sectionEnd();
  void entitiesStart();

  void line(Real x1, Real y1, Real x2, Real y2);
  void circle(Real x, Real y, Real r);
  void arc(Real x, Real y, Real a1, Real a2, Real r);
  void text(std::string_view s, Real x, Real y, const CadTextStyle& style);
  void solid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4);
  void insert(std::string_view name, Real x, Real y, Real rotation, Real sx, Real sy);
  void polylineStart(int flags);
  void vertex(Real x, Real y, Real bulge);
  void polylineEnd();
  void endOfFile();

 private:
  void code(int c);
  void str(int c, std::string_view value);
  void real(int c, Real value);
  void integer(int c, long long value);
  void entity(std::string_view kind);  // "  0", kind, "  8", layer
  void flush();

  std::ostream& out_;
  const CadSettings& cad_;
  const FormatSettings& format_;
  std::string layer_ = "0";
  bool convert_text_ = true;
  std::string buf_;
};

}  // namespace vx11
