// The plain text listing of a drawing: one tab-separated line per element, lines ending in CR LF.
#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

#include "cad/cad_settings.h"
#include "calc/connection_record.h"
#include "base/format_settings.h"

namespace vx11 {

class TextListing {
 public:
  TextListing(std::ostream& out, const CadSettings& cad, const FormatSettings& format)
      : out_(out), cad_(cad), format_(format) {}

  void frame(Real x1, Real y1, Real x2, Real y2) { numbers("MINMAX", {x1, y1, x2, y2}); }
  void line(Real x1, Real y1, Real x2, Real y2) { numbers("LINE", {x1, y1, x2, y2}); }
  void circle(Real x, Real y, Real r) { numbers("CIRCLE", {x, y, r}); }
  void arc(Real x, Real y, Real a1, Real a2, Real r);
  void text(std::string_view s, Real x, Real y);
  void solid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4) {
    numbers("SOLID", {x1, y1, x2, y2, x3, y3, x4, y4});
  }
  void insert(std::string_view name, Real x, Real y, Real rotation, Real sx, Real sy);
  void blockStart(std::string_view name);
  void blockEnd() { plain("END OF BLOCK"); }
  void blocksStart() { plain("SECTION BLOCKS"); }
  void entitiesStart() { plain("SECTION ENTITIES"); }
  void end() { plain("EOF"); }

 private:
  // Builds kind, the name (when given) and the values into the line buffer; writeLine() writes it
  // (not "emit": the window includes this header after Qt, which takes that word).
  void record(std::string_view kind, std::initializer_list<Real> values, std::string_view name = {});
  void writeLine();
  void numbers(std::string_view kind, std::initializer_list<Real> values) {
    record(kind, values);
    writeLine();
  }
  void number(Real x);
  void plain(std::string_view line);

  std::ostream& out_;
  const CadSettings& cad_;
  const FormatSettings& format_;
  std::string buf_;
};

}  // namespace vx11
