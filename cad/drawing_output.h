// The one drawing interface of the drawings: calls in world millimetres routed to the output of the
// run (DXF file, IGES file, screen, DXF for the plot program, or text listing), with pens, polylines,
// dimensions and blocks.
#pragma once

#include <ctime>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cad/block_file.h"
#include "cad/cad_context.h"
#include "cad/cad_settings.h"
#include "cad/dimensioning.h"
#include "cad/dxf_writer.h"
#include "cad/iges_writer.h"
#include "cad/output_target.h"
#include "cad/plot_command.h"
#include "cad/process_start.h"
#include "cad/text_listing.h"
#include "calc/connection_record.h"
#include "draw/entity_sink.h"
#include "draw/graphics_surface.h"
#include "base/format_settings.h"
#include "base/interaction.h"
#include "base/message_list.h"

namespace vx11 {

// The output layer of the run: the drawings' entity sink. It keeps the drawing's state (origin, pen,
// text style, current point) and hands the elements to the target of the chosen output.
class DrawingOutput : public EntitySink, private DimensionCanvas {
 public:
  explicit DrawingOutput(CadContext ctx) : c_(ctx) {}
  ~DrawingOutput() override;

  // Run settings.
  bool batch = false;               // no dialogs: files take the project file name
  std::string project_file;         // the input data file of the drawing
  std::optional<std::tm> clock;     // fixed date and time for footers and file dates (tests)

  // Chooses the output and opens it; code 0 asks.
  void OpenOutput(int code) override;
  // Opens an output onto streams the caller owns (codes 1, 2, 4, 5; 2 also needs a scratch stream).
  void OpenOutputOn(int code, std::ostream& out, const std::string& file_name, std::iostream* scratch = nullptr);
  void CloseOutput() override;

  int outputCode() const { return code_; }
  const std::string& outputFile() const { return file_name_; }
  // Whether the last CloseOutput put a whole file in place under outputFile().
  bool fileWritten() const { return written_; }

  void SetOrigin(Real dx, Real dy) override {
    dx_ = dx;
    dy_ = dy;
  }
  void SetDimScale(Real s) override { ds_ = s * c_.cad.drawing_scale; }
  void SetCadTextStyle(int font, Real angle, Real height, Real width) override;
  void SetPen(int p) override;
  int pen() const { return pen_; }
  const std::string& layer() const { return layer_; }
  void SetScreenLineStyle(int style);

  void DrawLine(Real x1, Real y1, Real x2, Real y2) override;
  void DrawCircle(Real x, Real y, Real r) override;
  void DrawArc(Real x, Real y, Real a1, Real a2, Real r) override;
  void DrawText(std::string_view s, Real x, Real y) override;
  void DrawSolid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4);
  void MoveTo(Real x, Real y) override;
  void LineTo(Real x, Real y) override;
  void DrawRect(Real x1, Real y1, Real x2, Real y2) override;
  void BeginPolyline(int flags) override;
  void PolylineVertex(Real x, Real y, Real arc_angle) override;
  void EndPolyline() override;
  void DrawRoundRect(Real x1, Real y1, Real x2, Real y2, Real radius) override;
  void DrawArrow(Real x, Real y, Real direction) override;

  void DimHorizontal(Real x1, Real y1, Real x2, Real y2, Real yd, std::string_view text, std::string_view upper,
                     std::string_view lower) override;
  void DimVertical(Real x1, Real y1, Real x2, Real y2, Real xd, std::string_view text, std::string_view upper,
                   std::string_view lower) override;
  void DimLeader(Real x, Real y, Real angle, std::string_view text, std::string_view upper,
                 std::string_view lower) override;
  void DimRadius(Real cx, Real cy, Real angle, Real r) override;

  void DrawingHeader(Real x1, Real y1, Real x2, Real y2) override;
  void BeginBlocks() override;
  void EndBlocks() override;
  void BeginBlock(std::string_view name) override;
  void EndBlock() override;
  void InsertBlock(std::string_view name, Real x, Real y, Real rotation, Real sx, Real sy) override;
  void BeginEntities() override;

  // The block file of a screen block in the temporary folder.
  std::string blockFilePath(std::string_view name) const;

 private:
  bool idle() const { return code_ == 0 || c_.cancelled; }
  const std::string& plotFolder() const { return c_.cad.plot_folder.empty() ? c_.cad.temp_folder : c_.cad.plot_folder; }
  void reset();
  void begin(int code, std::ostream* out, std::iostream* scratch);
  std::unique_ptr<OutputTarget> makeTarget(int code, std::ostream* out, std::iostream* scratch);
  std::tm now() const;
  void checkStreams();
  void closeFiles();
  void writeFile();
  void drawFrame();

  // Elements after the origin offset, then the stream check.
  void line(Real x1, Real y1, Real x2, Real y2);
  void arc(Real x, Real y, Real a1, Real a2, Real r);
  CadTextStyle textStyle() const { return {height_, width_factor_, angle_, 0}; }

  // What the dimensions are drawn with.
  Real dimensionScale() const override { return ds_; }
  Real textWidthFactor() const override { return width_factor_; }
  Real fontWidthFactor() const override { return target_->fontWidthFactor(); }

  CadContext c_;
  int code_ = 0;
  std::unique_ptr<OutputTarget> target_;  // there while code_ is not 0
  std::string file_name_;
  // A file output is gathered in memory and replaces an older file of its name only when it is
  // complete; the IGES parameter records wait in memory until they are appended.
  std::unique_ptr<std::ostringstream> file_;
  std::unique_ptr<std::stringstream> scratch_;
  bool written_ = false;
  std::ostream* out_ = nullptr;
  std::vector<std::string> defined_blocks_;
  std::string plot_line_;

  Real dx_ = 0, dy_ = 0;
  Real ds_ = 1;
  Real height_ = 5, width_factor_ = 1, angle_ = 0;
  int pen_ = 0;
  std::string layer_ = "0";
  Real cur_x_ = 0, cur_y_ = 0;
  int vertex_counter_ = 1;
  Real previous_arc_ = 0;
  bool io_failed_ = false;
  bool frame_pending_ = false;
  Real fx1_ = 0, fy1_ = 0, fx2_ = 0, fy2_ = 0;
};

}  // namespace vx11
