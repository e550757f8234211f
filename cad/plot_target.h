// The plot output: a DXF file in the plot folder for the plot program, which is started on it
// once the file is in place.
#pragma once

#include <string>
#include <utility>

#include "cad/cad_context.h"
#include "cad/dxf_target.h"

namespace vx11 {

class PlotTarget : public DxfTarget {
 public:
  // An empty `command_line` writes the file only.
  PlotTarget(std::ostream& out, const CadContext& c, std::string command_line)
      : DxfTarget(out, c.cad, c.format), c_(c), command_line_(std::move(command_line)) {}

  void afterClose() override;
  // The plot file lies in the shared temporary folder, where a planted link must not be followed.
  Links links() const override { return Links::Replace; }
  // The file can take lines only in its entities section, and refer only to blocks it defines.
  SheetMarks marks() const override {
    return {SheetMarks::Frame::WithEntities, /*footer=*/false, /*logos=*/true, /*defined_logos_only=*/true};
  }

 private:
  CadContext c_;
  std::string command_line_;
};

}  // namespace vx11
