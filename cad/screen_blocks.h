// The blocks of the screen output. A block defined on the screen is recorded as a block file in the
// temporary folder; an insertion outside a definition reads the file back and draws it on the
// surface, nested up to four deep.
#pragma once

#include <fstream>
#include <memory>
#include <string_view>

#include "cad/block_file.h"
#include "cad/cad_context.h"
#include "cad/dxf_writer.h"
#include "draw/entity_sink.h"

namespace vx11 {

class ScreenBlocks {
 public:
  // `pens` takes the pens of the drawn elements, so that the output's pen and layer follow them.
  ScreenBlocks(const CadContext& c, EntitySink& pens) : c_(c), pens_(pens) {}

  // Whether a block file is being written; its writer takes the elements then.
  bool recording() const { return dxf_ != nullptr; }
  DxfWriter& recorder() { return *dxf_; }

  // Starts the block file of `name` with the current layer; false (and the run stopped) when it
  // cannot be created.
  bool start(std::string_view name, std::string_view layer);
  // Ends and closes the block file.
  void end();
  // Drops the block file being written.
  void abandon();
  // Whether the block files written so far are intact.
  bool good() const { return !closed_bad_ && !(file_ && !*file_); }

  // Draws the block file of `name` at the point, turned and scaled.
  void expand(std::string_view name, Real x, Real y, Real rotation, Real sx, Real sy);

 private:
  struct Transform {
    Real x = 0, y = 0, rotation = 0, sx = 1, sy = 1;
  };

  void drawEntity(const BlockEntity& e);
  int penOfLayer(std::string_view layer) const;

  CadContext c_;
  EntitySink& pens_;
  std::unique_ptr<std::ofstream> file_;
  std::unique_ptr<DxfWriter> dxf_;
  bool closed_bad_ = false;
  int depth_ = 0;
  Transform transform_;
};

}  // namespace vx11
