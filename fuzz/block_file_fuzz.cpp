// Block files (DXF group codes) from any bytes: the entities read, written again by the DXF writer,
// read back to the same file, so the reader and the writer agree on every entity they share.
#include <sstream>
#include <vector>

#include "cad/block_file.h"
#include "cad/dxf_writer.h"
#include "fuzz/fuzz_check.h"

using namespace vx11;

namespace {

struct ReadResult {
  std::vector<BlockEntity> entities;
  bool complete = false;  // ended by EOF
};

ReadResult read_text(const std::string& text) {
  ReadResult r;
  std::istringstream in(text);
  BlockFileReader reader(in);
  BlockEntity e;
  for (;;) {
    const auto status = reader.next(e);
    if (status != BlockFileReader::Status::Entity) {
      r.complete = status == BlockFileReader::Status::End;
      return r;
    }
    r.entities.push_back(e);
  }
}

std::string write_text(const std::vector<BlockEntity>& entities) {
  const CadSettings cad;
  const FormatSettings format;
  std::ostringstream out;
  DxfWriter w(out, cad, format);
  w.setTextConversion(false);
  using K = BlockEntity::Kind;
  for (const auto& e : entities) {
    w.setLayer(e.layer);
    const auto& p = e.p;
    switch (e.kind) {
      case K::Line: w.line(p[0], p[1], p[2], p[3]); break;
      case K::Circle: w.circle(p[0], p[1], e.r); break;
      case K::Arc: w.arc(p[0], p[1], e.a1, e.a2, e.r); break;
      case K::Text: w.text(e.text, p[0], p[1], CadTextStyle{e.height, e.width_factor, e.angle, 0}); break;
      case K::Solid: w.solid(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]); break;
      case K::Insert: w.insert(e.name, p[0], p[1], e.angle, e.sx, e.sy); break;
      case K::Polyline:
        w.polylineStart(e.flags);
        for (const auto& v : e.vertices) w.vertex(v.x, v.y, v.bulge);
        w.polylineEnd();
        break;
    }
  }
  w.endOfFile();
  return out.str();
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ReadResult first = read_text(fuzz::bytes(data, size));
  const std::string written = write_text(first.entities);
  const ReadResult second = read_text(written);
  fuzz::require(second.complete, "a written block file reads to its end");
  fuzz::require(second.entities.size() == first.entities.size(), "every entity written reads back");
  const std::string rewritten = write_text(second.entities);
  if (rewritten == written) return 0;
  // Two things may take one more round. The writer keeps 32 characters of a layer name (group 8)
  // and the reader trims its blanks. And the significant-digit form of a text's width factor,
  // rotation and oblique angle (groups 41, 50, 51) may round up to a trailing zero: 2.7096 is
  // written "2.710", which reads back as 2.71 and is written "2.71". Nothing else may change, and
  // after that round the file must stay as it is.
  const std::vector<std::string> a = lines_of(written), b = lines_of(rewritten);
  fuzz::require(a.size() == b.size(), "a second round writes as many lines");
  for (std::size_t i = 1; i < a.size(); ++i) {
    if (a[i] == b[i]) continue;
    // Group code and value lines alternate: only a value line may differ.
    const std::string& group = a[i - 1];
    const bool may_settle = i % 2 == 1 && (group == "  8" || group == " 41" || group == " 50" || group == " 51");
    fuzz::require(may_settle, "a written block file reads back to the same entities");
  }
  fuzz::require(write_text(read_text(rewritten).entities) == rewritten, "a written block file stays as it is");
  return 0;
}
