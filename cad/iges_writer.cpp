#include "cad/iges_writer.h"

#include <array>
#include <cmath>
#include <istream>
#include <ostream>

#include "cad/cad_numbers.h"
#include "base/format.h"
#include "base/guarded_math.h"
#include "base/text.h"

namespace vx11 {

namespace {

constexpr std::size_t kMaxBlocks = 254;
constexpr std::size_t kBlockNameLength = 8;

std::string field8(std::string_view s) { return padLeft(s.substr(0, 8), 8); }

std::string seq7(int n) { return fmtIntZero(n, 7); }

}  // namespace

int igesColourOfExchange(int n) {
  // black, red, yellow, green, cyan, blue, magenta, white
  static constexpr std::array<int, 8> kTable = {1, 2, 5, 3, 7, 4, 6, 8};
  if (n <= 0) return kTable[0];
  if (n > 7) n = (n - 1) % 7 + 1;
  return kTable[static_cast<std::size_t>(n)];
}

std::string hollerith(std::string_view text) { return std::to_string(text.size()) + "H" + std::string(text); }

IgesWriter::IgesWriter(std::ostream& out, std::iostream& scratch, const CadSettings& cad,
                       const FormatSettings& format, MessageList& messages)
    : out_(out), scratch_(scratch), cad_(cad), point_(format), messages_(messages) {
  point_.decimal_separator = 1;
}

// The integer width of the significant-digit rule never pads these numbers, so width 0 serves.
std::string IgesWriter::num(Real x) const { return fmtFixed(point_, 0, 3, x); }
std::string IgesWriter::num6(Real x) const { return fmtFixed(point_, 0, 6, x); }

void IgesWriter::record(std::ostream& to, std::string_view data, char section, int& counter) {
  std::string rec = padRight(data.substr(0, 72), 72);
  rec.push_back(section);
  rec += seq7(++counter);
  rec += "\r\n";
  to.write(rec.data(), static_cast<std::streamsize>(rec.size()));
}

void IgesWriter::start() {
  s_count_ = g_count_ = d_count_ = p_count_ = 0;
  next_parameter_ = 1;
  defining_ = false;
  members_.clear();
  blocks_.clear();
  pen(0);
  record(out_, "IGES-Datei generiert von " + cad_.program_name, 'S', s_count_);
  record(out_, "Uebersetzer von KORVANT GMBH, Uebersetzerversion 3.1", 'S', s_count_);
}

void IgesWriter::header(std::string_view file_name, Real max_coordinate, const std::tm& date) {
  const std::string stamp = fmtIntZero((date.tm_year % 100 + 100) % 100, 2) + fmtIntZero(date.tm_mon + 1, 2) +
                            fmtIntZero(date.tm_mday, 2);
  std::string g = ",,";
  g += hollerith("FILE") + ",";
  g += hollerith(file_name) + ",";
  g += hollerith(cad_.program_name + " V" + cad_.program_version) + ",";
  g += hollerith(cad_.program_name + " CAD-Ausgabe") + ",";
  g += "16,38,6,99,15,";
  g += hollerith(file_name);
  g += ",1.0,2,";
  g += hollerith("MM");
  g += ",32767,3.2767D1,";
  g += hollerith(stamp + ".081107");
  g += ",1.0D-8,";
  g += sigWithPoint(point_, max_coordinate) + ",";
  g += hollerith(cad_.program_name) + ",";
  g += hollerith("KORVANT Industriesoftware GmbH");
  g += ",4,0;";
  for (const auto& piece : wrapText(g, ',', 64).lines) record(out_, piece, 'G', g_count_);
}

void IgesWriter::pen(int p) {
  int exchange = 7;
  line_font_ = 1;
  if (p == 0) {
    exchange = 7;
  } else if (p >= 1 && p <= 5) {
    exchange = cad_.colourOfPen(p);
    if (p == 1) line_font_ = 4;
    if (p == 2) line_font_ = 2;
  } else if (p >= 16 && p <= 31) {
    exchange = cad_.colourOfPen(p);
  } else {
    exchange = p % 16 + 1;
  }
  colour_ = igesColourOfExchange(exchange);
}

int IgesWriter::entity(int type, std::string_view form, std::string_view params, std::string_view matrix,
                       std::string_view last_record) {
  const int de = d_count_ + 1;
  std::vector<std::string> pieces = wrapText(params, ',', 64).lines;
  if (!last_record.empty()) pieces.emplace_back(last_record);
  const std::string back = padLeft(std::to_string(de), 7);
  for (const auto& piece : pieces) record(scratch_, padRight(piece, 65) + back, 'P', p_count_);
  const int count = static_cast<int>(pieces.size());
  const std::string t = std::to_string(type);
  const std::string colour = std::to_string(colour_);
  std::string d1 = field8(t) + field8(std::to_string(next_parameter_)) + field8("1") +
                   field8(std::to_string(line_font_)) + field8(colour) + field8("") + field8(matrix) + field8("") +
                   (defining_ ? "00010000" : "00000000");
  std::string d2 = field8(t) + field8("") + field8(colour) + field8(std::to_string(count)) + field8(form) +
                   field8("") + field8("") + field8("") + field8("");
  record(out_, d1, 'D', d_count_);
  record(out_, d2, 'D', d_count_);
  next_parameter_ += count;
  return de;
}

void IgesWriter::line(Real x1, Real y1, Real x2, Real y2) {
  const int de = entity(110, "", "110," + num(x1) + "," + num(y1) + ",0.0," + num(x2) + "," + num(y2) + ",0.0;", "");
  if (defining_) members_.push_back(de);
}

void IgesWriter::arc(Real cx, Real cy, Real xs, Real ys, Real xe, Real ye) {
  const int de = entity(100, "",
                        "100,0.0," + num(cx) + "," + num(cy) + "," + num(xs) + "," + num(ys) + "," + num(xe) + "," +
                            num(ye) + ";",
                        "0");
  if (defining_) members_.push_back(de);
}

void IgesWriter::solid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4) {
  std::string p = "106,1,5,0.0,";
  for (auto [x, y] : {std::pair{x1, y1}, std::pair{x4, y4}, std::pair{x3, y3}, std::pair{x2, y2}}) p += num(x) + "," + num(y) + ",";
  p += num(x1) + "," + num(y1) + ";";
  const int de = entity(106, "11", p, "0");
  if (defining_) members_.push_back(de);
}

void IgesWriter::text(std::string_view s, Real x, Real y, const CadTextStyle& style) {
  const std::string converted = cadText(cad_, point_, s);
  const Real n = static_cast<Real>(converted.size());
  const std::string p = "212,1," + std::to_string(converted.size()) + "," + num(n * style.height * style.width_factor) +
                        "," + num(style.height) + ",1,," + num6(toRadians(style.angle)) + ",0,0," + num(x) + "," +
                        num(y) + ",0.0," + hollerith(converted) + ";";
  const int de = entity(212, "", p, "0");
  if (defining_) members_.push_back(de);
}

void IgesWriter::blockStart(std::string_view name) {
  defining_ = true;
  members_.clear();
  block_name_ = std::string(name.substr(0, kBlockNameLength));
}

void IgesWriter::blockEnd() {
  if (!defining_) return;
  defining_ = false;
  std::string p = "308,0," + hollerith(block_name_) + "," + std::to_string(members_.size());
  for (int de : members_) p += "," + std::to_string(de);
  p += ";";
  const int de = entity(308, "", p, "");
  if (blocks_.size() < kMaxBlocks) blocks_.emplace_back(block_name_, de);
  members_.clear();
}

void IgesWriter::insert(std::string_view name, Real x, Real y, Real rotation) {
  const std::string key(name.substr(0, kBlockNameLength));
  int definition = 0;
  for (const auto& [n, de] : blocks_)
    if (n == key) definition = de;
  if (definition == 0) {
    messages_.add("Blockname " + std::string(name) + " not found !");
    return;
  }
  const std::string def = std::to_string(definition);
  int de = 0;
  if (rotation == 0) {
    de = entity(408, "", "408," + def + "," + num(x) + "," + num(y) + ",0.0,1.0;", "0");
  } else {
    const Real t = toRadians(rotation);
    const std::string c = num6(std::cos(t)), s = num6(std::sin(t)), ms = num6(-std::sin(t));
    const int matrix = entity(124, "0", "124," + c + "," + ms + ",0.0," + num(x) + "," + s + "," + c + ",0.0," + num(y) + ",",
                              "", "0.0,0.0,1.0,0.0;");
    de = entity(408, "", "408," + def + ",0.0,0.0,0.0,1.0;", std::to_string(matrix));
  }
  if (defining_) members_.push_back(de);
}

void IgesWriter::end() {
  scratch_.flush();
  scratch_.seekg(0);
  if (p_count_ > 0) out_ << scratch_.rdbuf();  // streaming an empty buffer would mark out_ failed
  std::string t = "S" + seq7(s_count_) + "G" + seq7(g_count_) + "D" + seq7(d_count_) + "P" + seq7(p_count_);
  int t_count = 0;
  record(out_, t, 'T', t_count);
}

}  // namespace vx11
