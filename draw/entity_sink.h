// What the drawings draw on: calls in world millimetres with pens, polylines, dimensions and blocks.
// The output layer of the run implements it; the drawings never see which output it is.
#pragma once

#include <string_view>

#include "base/real.h"

namespace vx11 {

class EntitySink {
 public:
  virtual ~EntitySink() = default;

  // Chooses the output and opens it; code 0 asks.
  virtual void OpenOutput(int code) = 0;
  virtual void CloseOutput() = 0;

  virtual void SetOrigin(Real dx, Real dy) = 0;
  virtual void SetDimScale(Real s) = 0;
  virtual void SetCadTextStyle(int font, Real angle, Real height, Real width) = 0;
  virtual void SetPen(int p) = 0;

  virtual void DrawLine(Real x1, Real y1, Real x2, Real y2) = 0;
  virtual void DrawCircle(Real x, Real y, Real r) = 0;
  virtual void DrawArc(Real x, Real y, Real a1, Real a2, Real r) = 0;
  virtual void DrawText(std::string_view s, Real x, Real y) = 0;
  virtual void MoveTo(Real x, Real y) = 0;
  virtual void LineTo(Real x, Real y) = 0;
  virtual void DrawRect(Real x1, Real y1, Real x2, Real y2) = 0;
  virtual void BeginPolyline(int flags) = 0;
  virtual void PolylineVertex(Real x, Real y, Real arc_angle) = 0;
  virtual void EndPolyline() = 0;
  virtual void DrawRoundRect(Real x1, Real y1, Real x2, Real y2, Real radius) = 0;

  virtual void DimHorizontal(Real x1, Real y1, Real x2, Real y2, Real yd, std::string_view text,
                             std::string_view upper, std::string_view lower) = 0;
  virtual void DimVertical(Real x1, Real y1, Real x2, Real y2, Real xd, std::string_view text,
                           std::string_view upper, std::string_view lower) = 0;
  virtual void DimLeader(Real x, Real y, Real angle, std::string_view text, std::string_view upper,
                         std::string_view lower) = 0;
  virtual void DimRadius(Real cx, Real cy, Real angle, Real r) = 0;

  virtual void DrawingHeader(Real x1, Real y1, Real x2, Real y2) = 0;
  virtual void BeginBlocks() = 0;
  virtual void EndBlocks() = 0;
  virtual void BeginBlock(std::string_view name) = 0;
  virtual void EndBlock() = 0;
  virtual void InsertBlock(std::string_view name, Real x, Real y, Real rotation, Real sx, Real sy) = 0;
  virtual void BeginEntities() = 0;
};

}  // namespace vx11
