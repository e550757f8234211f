#include "cad/drawing_output.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "cad/block_files.h"
#include "cad/dxf_target.h"
#include "cad/iges_target.h"
#include "cad/listing_target.h"
#include "cad/output_choice.h"
#include "cad/plot_target.h"
#include "cad/screen_target.h"
#include "draw/geometry.h"
#include "base/file_create.h"
#include "base/paths.h"
#include "base/safe_file.h"
#include "base/guarded_math.h"
#include "base/text.h"

namespace vx11 {

namespace {

constexpr int kFramePen = 19;
constexpr int kFooterPen = 30;
constexpr const char* kIoError = "I/O-Error 101";

}  // namespace

DrawingOutput::~DrawingOutput() { closeFiles(); }

std::tm DrawingOutput::now() const {
  if (clock) return *clock;
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return tm;
}

std::string DrawingOutput::blockFilePath(std::string_view name) const {
  return temporary_block_file(c_.cad.temp_folder, name);
}

void DrawingOutput::checkStreams() {
  const bool bad = (out_ && !*out_) || (target_ && !target_->good()) || (scratch_ && !*scratch_);
  if (bad && !io_failed_) {
    io_failed_ = true;
    c_.fail(kIoError);
  }
}

void DrawingOutput::reset() {
  dx_ = dy_ = 0;
  ds_ = c_.cad.drawing_scale;
  height_ = 5;
  width_factor_ = 1;
  angle_ = 0;
  pen_ = 0;
  layer_ = "0";
  cur_x_ = cur_y_ = 0;
  vertex_counter_ = 1;
  previous_arc_ = 0;
  io_failed_ = false;
  frame_pending_ = false;
  defined_blocks_.clear();
}

void DrawingOutput::closeFiles() {
  target_.reset();
  out_ = nullptr;
  file_.reset();
  scratch_.reset();
}

void DrawingOutput::writeFile() {
  if (!file_ || c_.cancelled || io_failed_) return;
  if (const int err = replace_file(file_name_, file_->view(), target_->links()); err != 0) {
    c_.fail(not_written_text(file_name_, err));
    return;
  }
  written_ = true;
}

void DrawingOutput::OpenOutput(int code) {
  closeFiles();
  code_ = 0;
  written_ = false;
  dx_ = dy_ = 0;
  if (code == kOutAsk) {
    const auto pick = askOutputCode(c_.ui);
    if (!pick) {
      c_.cancelled = true;
      return;
    }
    code = *pick;
  }
  if (code < kOutDxf || code > kOutListing) return;
  if (code == kOutPlot) {
    auto line = choosePlotCommandLine(c_, plotFolder());
    if (!line) {
      c_.cancelled = true;
      return;
    }
    plot_line_ = *line;
  }
  if (code == kOutScreen) {
    begin(code, nullptr, nullptr);
    return;
  }
  if (code == kOutPlot) {
    file_name_ = with_slash(plotFolder()) + "zeichnr.dxf";
    c_.surface.view().showStatus(file_name_ + " wird geplottet..");
  } else if (auto name = chooseOutputFile(c_, code, batch, project_file)) {
    file_name_ = *name;
  } else {
    c_.cancelled = true;
    return;
  }
  file_ = std::make_unique<std::ostringstream>();
  if (code == kOutIges) scratch_ = std::make_unique<std::stringstream>();
  begin(code, file_.get(), scratch_.get());
}

void DrawingOutput::OpenOutputOn(int code, std::ostream& out, const std::string& file_name, std::iostream* scratch) {
  closeFiles();
  code_ = 0;
  if (code == kOutScreen || (code == kOutIges && !scratch) || code < kOutDxf || code > kOutListing) return;
  file_name_ = file_name;
  plot_line_.clear();
  begin(code, &out, scratch);
}

std::unique_ptr<OutputTarget> DrawingOutput::makeTarget(int code, std::ostream* out, std::iostream* scratch) {
  switch (code) {
    case kOutDxf:
      return std::make_unique<DxfTarget>(*out, c_.cad, c_.format);
    case kOutIges:
      return std::make_unique<IgesTarget>(*out, *scratch, c_, file_name_, [this] { return now(); });
    case kOutScreen:
      return std::make_unique<ScreenTarget>(c_, *this);
    case kOutPlot:
      return std::make_unique<PlotTarget>(*out, c_, plot_line_);
    default:
      return std::make_unique<ListingTarget>(*out, c_.cad, c_.format);
  }
}

void DrawingOutput::begin(int code, std::ostream* out, std::iostream* scratch) {
  reset();
  code_ = code;
  out_ = out;
  target_ = makeTarget(code, out, scratch);
  target_->open();
  SetScreenLineStyle(0);
  checkStreams();
}

void DrawingOutput::CloseOutput() {
  if (code_ == 0) return;
  written_ = false;
  target_->close();
  checkStreams();
  writeFile();
  const std::unique_ptr<OutputTarget> closed = std::move(target_);
  closeFiles();
  code_ = 0;
  if (!c_.cancelled) closed->afterClose();
}

void DrawingOutput::SetCadTextStyle(int font, Real angle, Real height, Real width) {
  height_ = height;
  width_factor_ = c_.cad.cad_text_width_factor * (width != 0 && height != 0 ? width / height : 0.7L);
  angle_ = angle;
  if (target_ && !c_.cancelled) target_->textStyle(font, angle, height, width);
}

void DrawingOutput::SetPen(int p) {
  if (idle()) return;
  if (p > 31) p = p % 16 + 16;
  if (p < 0) p = 0;
  pen_ = p;
  layer_ = c_.cad.layerOfPen(p);
  target_->pen(p, layer_);
}

void DrawingOutput::SetScreenLineStyle(int style) {
  if (target_ && !c_.cancelled) target_->lineStyle(style);
}

void DrawingOutput::line(Real x1, Real y1, Real x2, Real y2) {
  target_->line(x1, y1, x2, y2);
  checkStreams();
}

void DrawingOutput::arc(Real x, Real y, Real a1, Real a2, Real r) {
  if (r == 0) return;
  target_->arc(x, y, a1, a2, r);
  checkStreams();
}

void DrawingOutput::DrawLine(Real x1, Real y1, Real x2, Real y2) {
  if (idle()) return;
  line(x1 + dx_, y1 + dy_, x2 + dx_, y2 + dy_);
}

void DrawingOutput::DrawCircle(Real x, Real y, Real r) {
  if (idle()) return;
  target_->circle(x + dx_, y + dy_, r);
  checkStreams();
}

void DrawingOutput::DrawArc(Real x, Real y, Real a1, Real a2, Real r) {
  if (idle()) return;
  arc(x + dx_, y + dy_, a1, a2, r);
}

void DrawingOutput::DrawText(std::string_view s, Real x, Real y) {
  if (idle()) return;
  target_->text(s, x + dx_, y + dy_, textStyle());
  checkStreams();
}

void DrawingOutput::DrawSolid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4) {
  if (idle()) return;
  x1 += dx_, x2 += dx_, x3 += dx_, x4 += dx_;
  y1 += dy_, y2 += dy_, y3 += dy_, y4 += dy_;
  target_->solid(x1, y1, x2, y2, x3, y3, x4, y4);
  checkStreams();
}

void DrawingOutput::MoveTo(Real x, Real y) {
  cur_x_ = x + dx_;
  cur_y_ = y + dy_;
}

void DrawingOutput::LineTo(Real x, Real y) {
  if (idle()) return;
  x += dx_;
  y += dy_;
  line(cur_x_, cur_y_, x, y);
  cur_x_ = x;
  cur_y_ = y;
}

void DrawingOutput::DrawRect(Real x1, Real y1, Real x2, Real y2) {
  MoveTo(x1, y1);
  LineTo(x1, y2);
  LineTo(x2, y2);
  LineTo(x2, y1);
  LineTo(x1, y1);
}

void DrawingOutput::BeginPolyline(int flags) {
  if (idle()) return;
  if (target_->polylines()) {
    target_->polylineStart(flags);
    checkStreams();
  } else {
    vertex_counter_ = 1;
  }
}

void DrawingOutput::PolylineVertex(Real x, Real y, Real a) {
  if (idle()) return;
  x += dx_;
  y += dy_;
  if (target_->polylines()) {
    target_->vertex(x, y, std::tan(a / 4));
    checkStreams();
    return;
  }
  // Piece by piece: the line or arc from the previous vertex, whose angle says which.
  if (vertex_counter_ > 1) {
    if (previous_arc_ == 0) {
      line(cur_x_, cur_y_, x, y);
    } else {
      ArcGeometry g;
      if (GetArcCenter(c_.messages, c_.format, cur_x_, cur_y_, x, y, previous_arc_, g))
        arc(g.xm, g.ym, toDegrees(g.phi1), toDegrees(g.phi2), g.r);
    }
  }
  ++vertex_counter_;
  cur_x_ = x;
  cur_y_ = y;
  previous_arc_ = a;
}

void DrawingOutput::EndPolyline() {
  if (idle()) return;
  if (target_->polylines()) {
    target_->polylineEnd();
    checkStreams();
  }
  vertex_counter_ = 1;
  previous_arc_ = 0;
}

void DrawingOutput::DrawRoundRect(Real x1, Real y1, Real x2, Real y2, Real R) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  const Real q = kPi / 2;
  BeginPolyline(1);
  PolylineVertex(x1 + R, y1, 0);
  PolylineVertex(x2 - R, y1, q);
  PolylineVertex(x2, y1 + R, 0);
  PolylineVertex(x2, y2 - R, q);
  PolylineVertex(x2 - R, y2, 0);
  PolylineVertex(x1 + R, y2, q);
  PolylineVertex(x1, y2 - R, 0);
  PolylineVertex(x1, y1 + R, q);
  PolylineVertex(x1 + R, y1, 0);
  EndPolyline();
}

void DrawingOutput::DrawArrow(Real x, Real y, Real d) {
  const Real l = 3.5L * ds_;
  auto at = [&](Real a, Real& px, Real& py) {
    px = x + l * std::cos(toRadians(a));
    py = y + l * std::sin(toRadians(a));
  };
  Real x2, y2, x3, y3, x4, y4;
  at(d + 10, x2, y2);
  at(d - 10, x3, y3);
  at(d, x4, y4);
  DrawSolid(x, y, x2, y2, x3, y3, x4, y4);
  DrawLine(x, y, x4, y4);
}

void DrawingOutput::DimHorizontal(Real x1, Real y1, Real x2, Real y2, Real yd, std::string_view text,
                                  std::string_view upper, std::string_view lower) {
  if (idle()) return;
  dimensionHorizontal(*this, x1, y1, x2, y2, yd, text, upper, lower);
}

void DrawingOutput::DimVertical(Real x1, Real y1, Real x2, Real y2, Real xd, std::string_view text,
                                std::string_view upper, std::string_view lower) {
  if (idle()) return;
  dimensionVertical(*this, x1, y1, x2, y2, xd, text, upper, lower);
}

void DrawingOutput::DimLeader(Real x, Real y, Real a, std::string_view text, std::string_view upper,
                              std::string_view lower) {
  if (idle()) return;
  dimensionLeader(*this, x, y, a, text, upper, lower);
}

void DrawingOutput::DimRadius(Real cx, Real cy, Real a, Real r) {
  if (idle()) return;
  dimensionRadius(*this, c_.format, cx, cy, a, r);
}

void DrawingOutput::DrawingHeader(Real x1, Real y1, Real x2, Real y2) {
  if (idle()) return;
  fx1_ = x1 + dx_;
  fy1_ = y1 + dy_;
  fx2_ = x2 + dx_;
  fy2_ = y2 + dy_;
  target_->header(fx1_, fy1_, fx2_, fy2_);
  checkStreams();
  const SheetMarks marks = target_->marks();
  const bool frame = c_.cad.print_frame;
  frame_pending_ = frame && marks.frame == SheetMarks::Frame::WithEntities;
  if (frame && marks.frame == SheetMarks::Frame::WithHeader) drawFrame();
  if (marks.footer && !c_.cancelled) {
    const Real w = fx2_ - fx1_, h = fy2_ - fy1_;
    SetPen(kFooterPen);
    SetCadTextStyle(2, 0, 0.006L * h, 0.0045L * w);
    const std::tm t = now();
    const std::string footer = dateText(c_.format, t) + "  " + timeText(t) + "  " + c_.cad.program_name + " V" +
                               c_.cad.program_version + "  " + leftPart(project_file, 120);
    DrawText(footer, x1 + 0.005L * w, y1 + 0.002L * h);
  }
}

void DrawingOutput::drawFrame() {
  SetPen(kFramePen);
  DrawRect(fx1_ - dx_, fy1_ - dy_, fx2_ - dx_, fy2_ - dy_);
}

void DrawingOutput::BeginBlocks() {
  if (idle()) return;
  target_->blocksStart();
  checkStreams();
}

void DrawingOutput::EndBlocks() {
  if (idle()) return;
  target_->blocksEnd();
  checkStreams();
}

void DrawingOutput::BeginBlock(std::string_view name) {
  if (idle()) return;
  if (!target_->blockStart(name)) return;
  defined_blocks_.emplace_back(name);
  checkStreams();
}

void DrawingOutput::EndBlock() {
  if (c_.cancelled) {
    // A failed block is given up and the drawing goes on; a failed file or a cancelled start stays so.
    if (code_ != 0 && !io_failed_) c_.cancelled = false;
    if (target_) target_->blockAbandoned();
    return;
  }
  if (code_ == 0) return;
  target_->blockEnd();
  checkStreams();
}

void DrawingOutput::InsertBlock(std::string_view name, Real x, Real y, Real rotation, Real sx, Real sy) {
  if (idle()) return;
  target_->insert(name, x + dx_, y + dy_, rotation, sx, sy);
  checkStreams();
}

void DrawingOutput::BeginEntities() {
  if (idle()) return;
  target_->entitiesStart();
  checkStreams();
  const SheetMarks marks = target_->marks();
  if (!marks.logos) return;
  if (frame_pending_) {
    frame_pending_ = false;
    drawFrame();
  }
  const Real w = fx2_ - fx1_, h = fy2_ - fy1_;
  auto logo = [&](const char* name, Real fy) {
    std::error_code ec;
    if (!std::filesystem::exists(blockFilePath(name), ec)) return;
    if (marks.defined_logos_only &&
        std::find(defined_blocks_.begin(), defined_blocks_.end(), name) == defined_blocks_.end())
      return;
    InsertBlock(name, fx1_ + 0.91L * w - dx_, fy1_ + fy * h - dy_, 0, w / 480, h / 360);
  };
  logo("LOGO_2", 0.01L);
  logo("LOGO_3", 0.96L);
}

}  // namespace vx11
