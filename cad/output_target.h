// One output of the drawing output layer. DrawingOutput keeps the drawing's state (origin, pen,
// text style, current point, polyline pieces) and hands its target finished elements in world
// millimetres; after each call it checks the streams, the target's own through good().
#pragma once

#include <string>
#include <string_view>

#include "cad/dxf_writer.h"
#include "base/real.h"
#include "base/safe_file.h"

namespace vx11 {

// What DrawingOutput adds to the elements of a sheet output.
struct SheetMarks {
  enum class Frame { None, WithHeader, WithEntities };
  Frame frame = Frame::None;  // the sheet frame, when the settings ask for one
  bool footer = false;         // date, program and input file under the drawing
  bool logos = false;          // the LOGO_2 and LOGO_3 blocks, when their block files exist
  bool defined_logos_only = false;  // ... and only when the output defined them itself
};

class OutputTarget {
 public:
  virtual ~OutputTarget() = default;

  // Before the first element and after the last one.
  virtual void open() {}
  virtual void close() = 0;
  // After a close that was neither cancelled nor failed, with the file in place.
  virtual void afterClose() {}
  // How the gathered file replaces an older file of its name.
  virtual Links links() const { return Links::Follow; }
  // Whether the streams of the target itself are intact.
  virtual bool good() const { return true; }

  virtual SheetMarks marks() const { return {}; }
  // The width factor of the output's font, which the room of a dimension text depends on.
  virtual Real fontWidthFactor() const = 0;

  virtual void header(Real x1, Real y1, Real x2, Real y2) = 0;
  virtual void pen(int p, const std::string& layer) = 0;
  virtual void textStyle(int /*font*/, Real /*angle*/, Real /*height*/, Real /*width*/) {}
  virtual void lineStyle(int /*style*/) {}

  virtual void line(Real x1, Real y1, Real x2, Real y2) = 0;
  virtual void circle(Real x, Real y, Real r) = 0;
  // Angles in degrees, counter-clockwise from a1 to a2; r is never 0.
  virtual void arc(Real x, Real y, Real a1, Real a2, Real r) = 0;
  virtual void text(std::string_view s, Real x, Real y, const CadTextStyle& style) = 0;
  virtual void solid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4) = 0;

  // Whether the target takes polylines whole; the others get them piece by piece as lines and arcs.
  virtual bool polylines() const { return false; }
  virtual void polylineStart(int /*flags*/) {}
  virtual void vertex(Real /*x*/, Real /*y*/, Real /*bulge*/) {}
  virtual void polylineEnd() {}

  virtual void blocksStart() {}
  virtual void blocksEnd() {}
  // False when the block cannot be started (the run is stopped then).
  virtual bool blockStart(std::string_view name) = 0;
  virtual void blockEnd() = 0;
  // Drops the block being defined after a failure inside it.
  virtual void blockAbandoned() {}
  virtual void insert(std::string_view name, Real x, Real y, Real rotation, Real sx, Real sy) = 0;
  virtual void entitiesStart() {}
};

}  // namespace vx11
