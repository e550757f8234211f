// The IGES file output.
#pragma once

#include <ctime>
#include <functional>
#include <iosfwd>
#include <string>
#include <utility>

#include "cad/cad_context.h"
#include "cad/iges_writer.h"
#include "cad/output_target.h"

namespace vx11 {

class IgesTarget : public OutputTarget {
 public:
  // `file_name` and the date of `clock` go into the global section.
  IgesTarget(std::ostream& out, std::iostream& scratch, const CadContext& c, std::string file_name,
             std::function<std::tm()> clock)
      : cad_(c.cad), iges_(out, scratch, c.cad, c.format, c.messages), file_name_(std::move(file_name)),
        clock_(std::move(clock)) {}

  void open() override { iges_.start(); }
  void close() override { iges_.end(); }
  Real fontWidthFactor() const override { return cad_.cad_text_width_factor; }

  void header(Real x1, Real y1, Real x2, Real y2) override;
  void pen(int p, const std::string&) override { iges_.pen(p); }

  void line(Real x1, Real y1, Real x2, Real y2) override { iges_.line(x1, y1, x2, y2); }
  void circle(Real x, Real y, Real r) override { iges_.circle(x, y, r); }
  void arc(Real x, Real y, Real a1, Real a2, Real r) override;
  void text(std::string_view s, Real x, Real y, const CadTextStyle& style) override { iges_.text(s, x, y, style); }
  void solid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4) override {
    iges_.solid(x1, y1, x2, y2, x3, y3, x4, y4);
  }

  bool blockStart(std::string_view name) override;
  void blockEnd() override { iges_.blockEnd(); }
  // The file's block instances are not scaled.
  void insert(std::string_view name, Real x, Real y, Real rotation, Real, Real) override {
    iges_.insert(name, x, y, rotation);
  }

 private:
  const CadSettings& cad_;
  IgesWriter iges_;
  std::string file_name_;
  std::function<std::tm()> clock_;
};

}  // namespace vx11
