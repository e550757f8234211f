// The screen output: the elements go onto the graphics surface, or into the block file of a block
// being defined, which insertions draw back.
#pragma once

#include <string>

#include "cad/cad_context.h"
#include "cad/output_target.h"
#include "cad/screen_blocks.h"
#include "draw/entity_sink.h"

namespace vx11 {

class ScreenTarget : public OutputTarget {
 public:
  // `pens` is the output the drawing draws on: drawn blocks set their pens through it.
  ScreenTarget(const CadContext& c, EntitySink& pens) : c_(c), pens_(pens), blocks_(c, pens) {}

  void open() override;
  // Also deletes the block files of the run.
  void close() override;
  bool good() const override { return blocks_.good(); }
  SheetMarks marks() const override {
    return {SheetMarks::Frame::WithHeader, /*footer=*/true, /*logos=*/true, /*defined_logos_only=*/false};
  }
  Real fontWidthFactor() const override;

  void header(Real x1, Real y1, Real x2, Real y2) override { c_.surface.Header(x1, y1, x2, y2); }
  void pen(int p, const std::string& layer) override;
  void textStyle(int font, Real angle, Real height, Real width) override;
  void lineStyle(int style) override;

  void line(Real x1, Real y1, Real x2, Real y2) override;
  void circle(Real x, Real y, Real r) override;
  void arc(Real x, Real y, Real a1, Real a2, Real r) override;
  void text(std::string_view s, Real x, Real y, const CadTextStyle& style) override;
  void solid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4) override;

  bool blockStart(std::string_view name) override { return blocks_.start(name, layer_); }
  void blockEnd() override { blocks_.end(); }
  void blockAbandoned() override { blocks_.abandon(); }
  void insert(std::string_view name, Real x, Real y, Real rotation, Real sx, Real sy) override;
  void entitiesStart() override;

 private:
  void surfacePen(int p);
  int surfaceLineWidth(int p) const;

  CadContext c_;
  EntitySink& pens_;
  ScreenBlocks blocks_;
  int pen_ = 0;
  std::string layer_ = "0";
};

}  // namespace vx11
