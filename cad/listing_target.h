// The text listing output.
#pragma once

#include <ostream>

#include "cad/output_target.h"
#include "cad/text_listing.h"

namespace vx11 {

class ListingTarget : public OutputTarget {
 public:
  ListingTarget(std::ostream& out, const CadSettings& cad, const FormatSettings& format)
      : cad_(cad), listing_(out, cad, format) {}

  void close() override { listing_.end(); }
  Real fontWidthFactor() const override { return cad_.cad_text_width_factor; }

  void header(Real x1, Real y1, Real x2, Real y2) override { listing_.frame(x1, y1, x2, y2); }
  // The listing names no pens.
  void pen(int, const std::string&) override {}

  void line(Real x1, Real y1, Real x2, Real y2) override { listing_.line(x1, y1, x2, y2); }
  void circle(Real x, Real y, Real r) override { listing_.circle(x, y, r); }
  void arc(Real x, Real y, Real a1, Real a2, Real r) override { listing_.arc(x, y, a1, a2, r); }
  void text(std::string_view s, Real x, Real y, const CadTextStyle&) override { listing_.text(s, x, y); }
  void solid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4) override {
    listing_.solid(x1, y1, x2, y2, x3, y3, x4, y4);
  }

  void blocksStart() override { listing_.blocksStart(); }
  bool blockStart(std::string_view name) override {
    listing_.blockStart(name);
    return true;
  }
  void blockEnd() override { listing_.blockEnd(); }
  void insert(std::string_view name, Real x, Real y, Real rotation, Real sx, Real sy) override {
    listing_.insert(name, x, y, rotation, sx, sy);
  }
  void entitiesStart() override { listing_.entitiesStart(); }

 private:
  const CadSettings& cad_;
  TextListing listing_;
};

}  // namespace vx11
