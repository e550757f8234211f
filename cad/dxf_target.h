// The DXF file output.
#pragma once

#include <ostream>

#include "cad/dxf_writer.h"
#include "cad/output_target.h"

namespace vx11 {

class DxfTarget : public OutputTarget {
 public:
  DxfTarget(std::ostream& out, const CadSettings& cad, const FormatSettings& format)
      : cad_(cad), dxf_(out, cad, format) {}

  void close() override;
  Real fontWidthFactor() const override { return cad_.cad_text_width_factor; }

  void header(Real x1, Real y1, Real x2, Real y2) override;
  void pen(int, const std::string& layer) override { dxf_.setLayer(layer); }

  void line(Real x1, Real y1, Real x2, Real y2) override { dxf_.line(x1, y1, x2, y2); }
  void circle(Real x, Real y, Real r) override { dxf_.circle(x, y, r); }
  void arc(Real x, Real y, Real a1, Real a2, Real r) override { dxf_.arc(x, y, a1, a2, r); }
  void text(std::string_view s, Real x, Real y, const CadTextStyle& style) override { dxf_.text(s, x, y, style); }
  void solid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4) override {
    dxf_.solid(x1, y1, x2, y2, x3, y3, x4, y4);
  }

  bool polylines() const override { return true; }
  void polylineStart(int flags) override { dxf_.polylineStart(flags); }
  void vertex(Real x, Real y, Real bulge) override { dxf_.vertex(x, y, bulge); }
  void polylineEnd() override { dxf_.polylineEnd(); }

  void blocksStart() override { dxf_.blocksStart(); }
  void blocksEnd() override { dxf_.sectionEnd(); }
  bool blockStart(std::string_view name) override;
  void blockEnd() override { dxf_.blockEnd(); }
  void insert(std::string_view name, Real x, Real y, Real rotation, Real sx, Real sy) override {
    dxf_.insert(name, x, y, rotation, sx, sy);
  }
  void entitiesStart() override;

 private:
  const CadSettings& cad_;
  DxfWriter dxf_;
  bool entities_open_ = false;
};

}  // namespace vx11
