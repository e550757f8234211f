#include "cad/drawing_output.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <type_traits>

#include "cad/block_files.h"
#include "cad/cad_numbers.h"
#include "draw/geometry.h"
#include "base/file_create.h"
#include "base/output_name.h"
#include "base/paths.h"
#include "base/safe_file.h"
#include "base/format.h"
#include "base/guarded_math.h"
#include "base/text.h"

namespace vx11 {

namespace fs = std::filesystem;

namespace {

// The folder of the running program, where zeichnr is installed beside it.
std::string programFolder() { return fs::path(running_executable()).parent_path().string(); }

constexpr int kMaxBlockDepth = 4;
constexpr int kDimensionPen = 3;
constexpr int kFramePen = 19;
constexpr int kFooterPen = 30;
constexpr const char* kPlusMinus = "\xF1";  // code page 850
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

void DrawingOutput::fail(const std::string& message) {
  c_.ui.message(kCaptionError, message);
  c_.cancelled = true;
}

void DrawingOutput::checkStreams() {
  const bool bad = (out_ && !*out_) || (block_file_ && !*block_file_) || (scratch_ && !*scratch_);
  if (bad && !io_failed_) {
    io_failed_ = true;
    fail(kIoError);
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
  recording_ = false;
  entities_open_ = false;
  depth_ = 0;
  io_failed_ = false;
  frame_pending_ = false;
  transform_ = Transform{};
  defined_blocks_.clear();
}

void DrawingOutput::closeFiles() {
  block_dxf_.reset();
  block_file_.reset();
  dxf_.reset();
  iges_.reset();
  listing_.reset();
  out_ = nullptr;
  file_.reset();
  scratch_.reset();
}

void DrawingOutput::writeFile() {
  if (!file_ || c_.cancelled || io_failed_) return;
  // The plot file lies in the shared temporary folder, where a planted link must not be followed.
  const Links links = code_ == kOutPlot ? Links::Replace : Links::Follow;
  if (const int err = replace_file(file_name_, file_->view(), links); err != 0) {
    fail(not_written_text(file_name_, err));
    return;
  }
  written_ = true;
}

bool DrawingOutput::choosePlotLine() {
  CadSettings& cad = c_.cad;
  int chosen = std::clamp(cad.plot_command_chosen, 1, 5);
  const int count = std::clamp(cad.plot_command_count, 1, 5);
  if (count > 1) {
    std::vector<std::string> lines(cad.plot_command_lines.begin(), cad.plot_command_lines.begin() + count);
    auto pick = c_.ui.choose("ZEICHNR Command Line", lines, std::min(chosen, count) - 1);
    if (!pick) return false;
    chosen = *pick + 1;
  }
  cad.plot_command_chosen = chosen;
  std::string& line = cad.plot_command_lines[static_cast<std::size_t>(chosen - 1)];
  if (c_.plot_dialog) {
    auto edited = c_.plot_dialog->edit(line);
    if (!edited) return false;
    line = *edited;
  }
  auto typed = c_.ui.ask_text("ZEICHNR", "ZEICHNR-Kommandozeile (0=Parameter)", line);
  if (!typed) return false;
  std::string answer = leftPart(*typed, static_cast<int>(kMaxPassedCommandLine));
  const std::string t = trimBlanks(answer);
  if (t.empty() || t.front() == '0') {
    auto built = promptCommandLine(c_.ui, c_.format, line, plotFolder());
    if (!built) return false;
    answer = *built;
  }
  line = answer;
  plot_line_ = answer;
  return true;
}

bool DrawingOutput::chooseFile(int code) {
  const std::string ext = code == kOutDxf ? "dxf" : code == kOutIges ? "igs" : "txt";
  fs::path project(project_file);
  std::string name;
  if (batch) {
    name = output_file_name(project_file, ext);
  } else {
    const std::string filter = "*." + ext + "|*." + ext + "|*.*|*.*";
    auto answer = c_.ui.save_file(upper(ext), c_.cad.cad_folder, project.stem().string(), filter);
    if (!answer || trimBlanks(*answer).empty()) return false;
    name = trimBlanks(*answer);
    if (fs::path(name).filename().string().find('.') == std::string::npos) name += "." + ext;
  }
  file_name_ = name;
  return true;
}

void DrawingOutput::OpenOutput(int code) {
  closeFiles();
  code_ = 0;
  written_ = false;
  dx_ = dy_ = 0;
  if (code == kOutAsk) {
    auto pick = c_.ui.choose("CAD-Code",
                             {"DXF", "IGES", "Kontrollausgabe auf Bildschirm",
                              "Ausgabe auf Laserprinter/Plotter mit ZEICHNR", "TXT"},
                             0);
    if (!pick) {
      c_.cancelled = true;
      return;
    }
    code = *pick + 1;
  }
  if (code < kOutDxf || code > kOutListing) return;
  if (code == kOutPlot && !choosePlotLine()) {
    c_.cancelled = true;
    return;
  }
  if (code == kOutScreen) {
    begin(code, nullptr, nullptr);
    return;
  }
  if (code == kOutPlot) {
    file_name_ = with_slash(plotFolder()) + "zeichnr.dxf";
    c_.surface.view().showStatus(file_name_ + " wird geplottet..");
  } else if (!chooseFile(code)) {
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

void DrawingOutput::begin(int code, std::ostream* out, std::iostream* scratch) {
  reset();
  code_ = code;
  out_ = out;
  switch (code) {
    case kOutDxf:
    case kOutPlot:
      dxf_ = std::make_unique<DxfWriter>(*out, c_.cad, c_.format);
      break;
    case kOutIges:
      iges_ = std::make_unique<IgesWriter>(*out, *scratch, c_.cad, c_.format, c_.messages);
      iges_->start();
      break;
    case kOutScreen:
      c_.surface.Clear();
      c_.surface.SetWaitCursor();
      break;
    case kOutListing:
      listing_ = std::make_unique<TextListing>(*out, c_.cad, c_.format);
      break;
    default:
      break;
  }
  SetScreenLineStyle(0);
  checkStreams();
}

void DrawingOutput::CloseOutput() {
  const int code = code_;
  if (code == 0) return;
  written_ = false;
  switch (code) {
    case kOutDxf:
    case kOutPlot:
      if (entities_open_) dxf_->sectionEnd();
      dxf_->endOfFile();
      break;
    case kOutIges:
      iges_->end();
      break;
    case kOutListing:
      listing_->end();
      break;
    case kOutScreen: {
      c_.surface.view().repaint();
      c_.surface.SetOldCursor();
      remove_temporary_block_files(c_.cad.temp_folder);
      break;
    }
    default:
      break;
  }
  checkStreams();
  writeFile();
  closeFiles();
  code_ = 0;
  if (code == kOutPlot && !c_.cancelled && !plot_line_.empty()) {
    const std::string message = startResultMessage(c_.starter.start(resolvePlotProgram(plot_line_, programFolder())));
    if (!message.empty()) c_.ui.message(kCaptionError, message);
  }
}

void DrawingOutput::SetCadTextStyle(int font, Real angle, Real height, Real width) {
  height_ = height;
  width_factor_ = c_.cad.cad_text_width_factor * (width != 0 && height != 0 ? width / height : 0.7L);
  angle_ = angle;
  if (code_ == kOutScreen && !c_.cancelled && !toBlockFile()) c_.surface.SetTextStyle(font, angle, height, 0.95L * width);
}

int DrawingOutput::screenLineWidth(int p) const {
  if (p >= 1 && p <= 5) return std::max(1, c_.cad.line_width_layer[static_cast<std::size_t>(p)]);
  if (p >= 16 && p <= 31) {
    const int w = c_.cad.pen_line_width[static_cast<std::size_t>(p - 16)];
    return w >= 2 && w <= 50 ? w : 1;
  }
  return 1;
}

void DrawingOutput::screenPen(int p) {
  GraphicsSurface& s = c_.surface;
  if (p <= 5) {
    s.SetLineStyle(p == 1 ? 2 : p == 2 ? 3 : 0);
    s.SetColorAcad(c_.cad.colourOfPen(p));
  } else {
    s.SetLineStyle(0);
    if (p >= 16) s.SetColorAcad(c_.cad.colourOfPen(p));
  }
  s.SetLineWidth(screenLineWidth(p));
}

void DrawingOutput::SetPen(int p) {
  if (idle()) return;
  if (p > 31) p = p % 16 + 16;
  if (p < 0) p = 0;
  pen_ = p;
  layer_ = c_.cad.layerOfPen(p);
  switch (code_) {
    case kOutDxf:
    case kOutPlot:
      dxf_->setLayer(layer_);
      break;
    case kOutIges:
      iges_->pen(p);
      break;
    case kOutScreen:
      if (block_dxf_)
        block_dxf_->setLayer(layer_);
      else
        screenPen(p);
      break;
    default:
      break;
  }
}

void DrawingOutput::SetScreenLineStyle(int style) {
  if (code_ == kOutScreen && !c_.cancelled && !toBlockFile()) c_.surface.SetLineStyle(style);
}

template <class ToWriter, class ToScreen>
void DrawingOutput::element(ToWriter to_writer, ToScreen to_screen) {
  switch (code_) {
    case kOutDxf:
    case kOutPlot:
      to_writer(*dxf_);
      break;
    case kOutIges:
      to_writer(*iges_);
      break;
    case kOutScreen:
      if (block_dxf_)
        to_writer(*block_dxf_);
      else
        to_screen(c_.surface);
      break;
    case kOutListing:
      to_writer(*listing_);
      break;
    default:
      break;
  }
  checkStreams();
}

void DrawingOutput::line(Real x1, Real y1, Real x2, Real y2) {
  element([&](auto& w) { w.line(x1, y1, x2, y2); }, [&](GraphicsSurface& s) { s.line(x1, y1, x2, y2); });
}

void DrawingOutput::arc(Real x, Real y, Real a1, Real a2, Real r) {
  if (r == 0) return;
  element(
      [&](auto& w) {
        if constexpr (std::is_same_v<std::decay_t<decltype(w)>, IgesWriter>)
          w.arc(x, y, x + r * std::cos(toRadians(a1)), y + r * std::sin(toRadians(a1)), x + r * std::cos(toRadians(a2)),
                y + r * std::sin(toRadians(a2)));
        else
          w.arc(x, y, a1, a2, r);
      },
      [&](GraphicsSurface& s) { s.Arc(x, y, a1, a2, r); });
}

void DrawingOutput::DrawLine(Real x1, Real y1, Real x2, Real y2) {
  if (idle()) return;
  line(x1 + dx_, y1 + dy_, x2 + dx_, y2 + dy_);
}

void DrawingOutput::DrawCircle(Real x, Real y, Real r) {
  if (idle()) return;
  x += dx_;
  y += dy_;
  element([&](auto& w) { w.circle(x, y, r); }, [&](GraphicsSurface& s) { s.circle(x, y, r); });
}

void DrawingOutput::DrawArc(Real x, Real y, Real a1, Real a2, Real r) {
  if (idle()) return;
  arc(x + dx_, y + dy_, a1, a2, r);
}

void DrawingOutput::DrawText(std::string_view s, Real x, Real y) {
  if (idle()) return;
  x += dx_;
  y += dy_;
  element(
      [&](auto& w) {
        if constexpr (std::is_same_v<std::decay_t<decltype(w)>, TextListing>)
          w.text(s, x, y);
        else
          w.text(s, x, y, textStyle());
      },
      [&](GraphicsSurface& surface) { surface.OutTextXY(x, y, s); });
}

void DrawingOutput::DrawSolid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4) {
  if (idle()) return;
  x1 += dx_, x2 += dx_, x3 += dx_, x4 += dx_;
  y1 += dy_, y2 += dy_, y3 += dy_, y4 += dy_;
  element([&](auto& w) { w.solid(x1, y1, x2, y2, x3, y3, x4, y4); },
          // the outline order of the fill
          [&](GraphicsSurface& s) { s.Solid(x1, y1, x2, y2, x4, y4, x3, y3); });
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
  if (dxfLike()) {
    dxf_->polylineStart(flags);
    checkStreams();
  } else {
    vertex_counter_ = 1;
  }
}

void DrawingOutput::PolylineVertex(Real x, Real y, Real a) {
  if (idle()) return;
  x += dx_;
  y += dy_;
  if (dxfLike()) {
    dxf_->vertex(x, y, std::tan(a / 4));
    checkStreams();
    return;
  }
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
  if (dxfLike()) {
    dxf_->polylineEnd();
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

Real DrawingOutput::textRoom(std::string_view text, std::string_view upper, std::string_view lower) {
  const Real n = static_cast<Real>(text.size());
  const Real m = static_cast<Real>(std::max(upper.size(), lower.size()));
  const Real k = code_ == kOutScreen ? c_.surface.state().textWidthFactor() : c_.cad.cad_text_width_factor;
  const Real tolerance_room = (m + 1) * 1.8L * width_factor_ * ds_ * 1.1L;
  return n * 2.5L * k * ds_ * 1.2L + tolerance_room;
}

void DrawingOutput::tolerances(Real along, Real base, bool vertical, std::string_view upper, std::string_view lower) {
  auto put = [&](const std::string& s, Real offset) {
    if (vertical)
      DrawText(s, base - offset, along);
    else
      DrawText(s, along, base + offset);
  };
  const std::string up = trimBlanks(upper), low = trimBlanks(lower);
  if (up.empty() && low.empty()) return;
  if (up.empty()) {
    put(low, 0.5L * ds_);
    return;
  }
  if (low.empty()) {
    put(up, 2.5L * ds_);
    return;
  }
  const Real u = parseReal(up), l = parseReal(low);
  if (u == -l && u != 0) {
    put(kPlusMinus + up, 1.25L * ds_);
    return;
  }
  auto signed_text = [](const std::string& s, Real v) { return v > 0 && s.front() != '+' ? "+" + s : s; };
  if (u != 0) put(signed_text(up, u), 2.5L * ds_);
  if (l != 0) put(signed_text(low, l), 0.5L * ds_);
}

void DrawingOutput::DimHorizontal(Real x1, Real y1, Real x2, Real y2, Real yd, std::string_view text,
                                  std::string_view upper, std::string_view lower) {
  if (idle()) return;
  SetPen(kDimensionPen);
  auto beyond = [&](Real y) { return yd >= y ? yd + ds_ : yd - ds_; };
  DrawLine(x1, y1, x1, beyond(y1));
  DrawLine(x2, y2, x2, beyond(y2));
  Real xa = std::min(x1, x2), xb = std::max(x1, x2);
  if ((xb - xa) / ds_ <= 10) std::swap(xa, xb);  // short: the arrowheads stand outside
  SetCadTextStyle(2, 0, 3.5L * ds_, 2.5L * ds_);
  const Real n = static_cast<Real>(text.size());
  const Real x0 = (xa + xb) / 2 - textRoom(text, upper, lower) / 2;
  DrawText(text, x0, yd + ds_);
  SetCadTextStyle(2, 0, 2.5L * ds_, 1.8L * ds_);
  tolerances(x0 + (n + 1) * 2.5L * width_factor_ * ds_ * 1.2L, yd, false, upper, lower);
  DrawLine(xa, yd, xb, yd);
  DrawArrow(xa, yd, 0);
  DrawArrow(xb, yd, 180);
}

void DrawingOutput::DimVertical(Real x1, Real y1, Real x2, Real y2, Real xd, std::string_view text,
                                std::string_view upper, std::string_view lower) {
  if (idle()) return;
  SetPen(kDimensionPen);
  auto beyond = [&](Real x) { return xd >= x ? xd + ds_ : xd - ds_; };
  DrawLine(x1, y1, beyond(x1), y1);
  DrawLine(x2, y2, beyond(x2), y2);
  Real ya = std::min(y1, y2), yb = std::max(y1, y2);
  if ((yb - ya) / ds_ <= 10) std::swap(ya, yb);
  SetCadTextStyle(2, 90, 3.5L * ds_, 2.5L * ds_);
  const Real n = static_cast<Real>(text.size());
  const Real y0 = (ya + yb) / 2 - textRoom(text, upper, lower) / 2;
  DrawText(text, xd - ds_, y0);
  SetCadTextStyle(2, 90, 2.5L * ds_, 1.8L * ds_);
  tolerances(y0 + (n + 1) * 2.5L * width_factor_ * ds_ * 1.2L, xd, true, upper, lower);
  DrawLine(xd, ya, xd, yb);
  DrawArrow(xd, ya, 90);
  DrawArrow(xd, yb, 270);
}

void DrawingOutput::DimLeader(Real x, Real y, Real a, std::string_view text, std::string_view upper,
                              std::string_view lower) {
  if (idle()) return;
  SetPen(kDimensionPen);
  DrawArrow(x, y, a);
  const Real kx = x + 5 * ds_ * std::sin(toRadians(a));
  const Real ky = y + 5 * ds_ * std::cos(toRadians(a));
  DrawLine(x, y, kx, ky);
  SetCadTextStyle(2, 0, 3.5L * ds_, 2.5L * ds_);
  const Real n = static_cast<Real>(text.size());
  DrawLine(kx, ky, kx + textRoom(text, upper, lower), ky);
  DrawText(text, kx, ky + ds_);
  SetCadTextStyle(2, 0, 2.5L * ds_, 1.8L * ds_);
  tolerances(kx + (n + 1) * 2.5L * width_factor_ * ds_ * 1.2L, ky, false, upper, lower);
}

void DrawingOutput::DimRadius(Real cx, Real cy, Real a, Real r) {
  if (idle()) return;
  SetPen(kDimensionPen);
  const Real c = std::cos(toRadians(a)), s = std::sin(toRadians(a));
  const Real px = cx + r * c, py = cy + r * s;
  DrawArrow(px, py, a + 180);
  const Real l = std::min(30 * ds_, r);
  const Real qx = px - l * c, qy = py - l * s;
  DrawLine(px, py, qx, qy);
  SetCadTextStyle(2, a, 3.5L * ds_, 2.5L * ds_);
  DrawText("R " + fmtSig(c_.format, r), qx + 7 * ds_, qy + 2 * ds_);
}

void DrawingOutput::DrawingHeader(Real x1, Real y1, Real x2, Real y2) {
  if (idle()) return;
  fx1_ = x1 + dx_;
  fy1_ = y1 + dy_;
  fx2_ = x2 + dx_;
  fy2_ = y2 + dy_;
  switch (code_) {
    case kOutDxf:
    case kOutPlot:
      dxf_->header(fx1_, fy1_, fx2_, fy2_);
      dxf_->tables(2);
      break;
    case kOutIges:
      iges_->header(file_name_, std::max(fx2_, fy2_), now());
      break;
    case kOutScreen:
      c_.surface.Header(fx1_, fy1_, fx2_, fy2_);
      break;
    case kOutListing:
      listing_->frame(fx1_, fy1_, fx2_, fy2_);
      break;
    default:
      break;
  }
  checkStreams();
  // The plot file can take lines only in its entities section: its frame waits for BeginEntities.
  frame_pending_ = code_ == kOutPlot && c_.cad.print_frame;
  if (code_ == kOutScreen && c_.cad.print_frame) drawFrame();
  if (code_ == kOutScreen && !c_.cancelled) {
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
  recording_ = true;
  if (dxfLike()) dxf_->blocksStart();
  if (code_ == kOutListing) listing_->blocksStart();
  checkStreams();
}

void DrawingOutput::EndBlocks() {
  if (idle()) return;
  recording_ = false;
  if (dxfLike()) dxf_->sectionEnd();
  checkStreams();
}

void DrawingOutput::BeginBlock(std::string_view name) {
  if (idle()) return;
  switch (code_) {
    case kOutDxf:
    case kOutPlot:
      dxf_->blockStart(name);
      break;
    case kOutIges:
      iges_->blockStart(name);
      break;
    case kOutListing:
      listing_->blockStart(name);
      break;
    case kOutScreen: {
      block_dxf_.reset();
      block_file_ = std::make_unique<std::ofstream>(blockFilePath(name), std::ios::binary | std::ios::trunc);
      if (!*block_file_) {
        block_file_.reset();
        fail("Invalid temp directory");
        return;
      }
      block_dxf_ = std::make_unique<DxfWriter>(*block_file_, c_.cad, c_.format);
      block_dxf_->setTextConversion(false);
      block_dxf_->setLayer(layer_);
      break;
    }
    default:
      break;
  }
  defined_blocks_.emplace_back(name);
  checkStreams();
}

void DrawingOutput::EndBlock() {
  if (c_.cancelled) {
    // A failed block is given up and the drawing goes on; a failed file or a cancelled start stays so.
    if (code_ != 0 && !io_failed_) c_.cancelled = false;
    block_dxf_.reset();
    block_file_.reset();
    return;
  }
  if (code_ == 0) return;
  switch (code_) {
    case kOutDxf:
    case kOutPlot:
      dxf_->blockEnd();
      break;
    case kOutIges:
      iges_->blockEnd();
      break;
    case kOutListing:
      listing_->blockEnd();
      break;
    case kOutScreen:
      if (block_dxf_) {
        block_dxf_->endOfFile();
        block_file_->close();
        checkStreams();
        block_dxf_.reset();
        block_file_.reset();
      }
      break;
    default:
      break;
  }
  checkStreams();
}

void DrawingOutput::InsertBlock(std::string_view name, Real x, Real y, Real rotation, Real sx, Real sy) {
  if (idle()) return;
  x += dx_;
  y += dy_;
  switch (code_) {
    case kOutDxf:
    case kOutPlot:
      dxf_->insert(name, x, y, rotation, sx, sy);
      break;
    case kOutIges:
      iges_->insert(name, x, y, rotation);
      break;
    case kOutListing:
      listing_->insert(name, x, y, rotation, sx, sy);
      break;
    case kOutScreen:
      if (block_dxf_) {
        block_dxf_->insert(name, x, y, rotation, sx, sy);
      } else {
        const int saved_pen = pen_;
        expand(name, x, y, rotation, sx, sy);
        if (!c_.cancelled) SetPen(saved_pen);
      }
      break;
    default:
      break;
  }
  checkStreams();
}

void DrawingOutput::BeginEntities() {
  if (idle()) return;
  switch (code_) {
    case kOutDxf:
    case kOutPlot:
      dxf_->entitiesStart();
      entities_open_ = true;
      break;
    case kOutScreen:
      c_.surface.view().repaint();
      SetScreenLineStyle(0);
      break;
    case kOutListing:
      listing_->entitiesStart();
      break;
    default:
      break;
  }
  checkStreams();
  if (code_ != kOutScreen && code_ != kOutPlot) return;
  if (frame_pending_) {
    frame_pending_ = false;
    drawFrame();
  }
  const Real w = fx2_ - fx1_, h = fy2_ - fy1_;
  auto logo = [&](const char* name, Real fy) {
    std::error_code ec;
    if (!fs::exists(blockFilePath(name), ec)) return;
    // The plot file can only refer to blocks it defines itself.
    if (code_ == kOutPlot && std::find(defined_blocks_.begin(), defined_blocks_.end(), name) == defined_blocks_.end())
      return;
    InsertBlock(name, fx1_ + 0.91L * w - dx_, fy1_ + fy * h - dy_, 0, w / 480, h / 360);
  };
  logo("LOGO_2", 0.01L);
  logo("LOGO_3", 0.96L);
}

int DrawingOutput::penOfLayer(std::string_view layer) const {
  for (int p = 0; p <= 4; ++p)
    if (c_.cad.layerOfPen(p) == layer) return p;
  return static_cast<int>(parseInt(layer));
}

void DrawingOutput::expand(std::string_view name, Real x, Real y, Real rotation, Real sx, Real sy) {
  if (depth_ + 1 > kMaxBlockDepth) {
    fail("error blockno." + std::to_string(depth_ + 1));
    return;
  }
  std::error_code ec;
  if (!fs::is_directory(c_.cad.temp_folder, ec)) {
    fail("Invalid temp directory");
    return;
  }
  std::ifstream in(blockFilePath(name), std::ios::binary);
  if (!in) {
    c_.messages.add("Blockname " + std::string(name) + " not found !");
    return;
  }
  ++depth_;
  const Transform saved = transform_;
  const PlacedPoint at = PlacePoint(x, y, saved.rotation, saved.x, saved.y, saved.sx, saved.sy);
  transform_ = {at.x, at.y, saved.rotation + rotation, saved.sx * sx, saved.sy * sy};
  BlockFileReader reader(in);
  BlockEntity e;
  for (;;) {
    const auto status = reader.next(e);
    if (status == BlockFileReader::Status::End) break;
    if (status == BlockFileReader::Status::Error) {
      c_.ui.message(kCaptionError, "Error in DXF File");
      break;
    }
    drawEntity(e);
    if (c_.cancelled) break;
  }
  transform_ = saved;
  --depth_;
}

void DrawingOutput::drawEntity(const BlockEntity& e) {
  GraphicsSurface& s = c_.surface;
  const Transform& t = transform_;
  auto place = [&](Real x, Real y) { return PlacePoint(x, y, t.rotation, t.x, t.y, t.sx, t.sy); };
  using K = BlockEntity::Kind;
  if (e.kind != K::Insert) SetPen(penOfLayer(e.layer));
  switch (e.kind) {
    case K::Line: {
      const auto a = place(e.p[0], e.p[1]), b = place(e.p[2], e.p[3]);
      s.line(a.x, a.y, b.x, b.y);
      break;
    }
    case K::Circle: {
      const auto m = place(e.p[0], e.p[1]);
      s.circle(m.x, m.y, e.r * t.sx);
      break;
    }
    case K::Arc: {
      const auto m = place(e.p[0], e.p[1]);
      if (e.r != 0) s.Arc(m.x, m.y, e.a1 + t.rotation, e.a2 + t.rotation, e.r * t.sx);
      break;
    }
    case K::Text: {
      const auto m = place(e.p[0], e.p[1]);
      const Real k = c_.cad.cad_text_width_factor != 0 ? c_.cad.cad_text_width_factor : 1;
      s.SetTextStyle(2, e.angle, e.height, 0.95L * e.width_factor * e.height / k);
      s.OutTextXY(m.x, m.y, e.text);
      break;
    }
    case K::Solid: {
      const auto p1 = place(e.p[0], e.p[1]), p2 = place(e.p[2], e.p[3]);
      const auto p3 = place(e.p[4], e.p[5]), p4 = place(e.p[6], e.p[7]);
      s.Solid(p1.x, p1.y, p2.x, p2.y, p4.x, p4.y, p3.x, p3.y);
      break;
    }
    case K::Insert:
      SetPen(penOfLayer(e.layer));
      expand(e.name, e.p[0], e.p[1], e.angle, e.sx, e.sy);
      break;
    case K::Polyline: {
      const auto& v = e.vertices;
      // A mirrored placement turns counter-clockwise arcs into clockwise ones.
      const Real turn = t.sx * t.sy < 0 ? -1 : 1;
      for (std::size_t i = 0; i + 1 < v.size(); ++i) {
        const auto a = place(v[i].x, v[i].y), b = place(v[i + 1].x, v[i + 1].y);
        if (v[i].bulge == 0) {
          s.line(a.x, a.y, b.x, b.y);
          continue;
        }
        ArcGeometry g;
        if (GetArcCenter(c_.messages, c_.format, a.x, a.y, b.x, b.y, turn * 4 * std::atan(v[i].bulge), g))
          s.Arc(g.xm, g.ym, toDegrees(g.phi1), toDegrees(g.phi2), g.r);
      }
      if ((e.flags & 1) && v.size() > 1) {
        const auto a = place(v.back().x, v.back().y), b = place(v.front().x, v.front().y);
        s.line(a.x, a.y, b.x, b.y);
      }
      break;
    }
  }
}

}  // namespace vx11
