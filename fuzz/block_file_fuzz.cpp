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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ReadResult first = read_text(fuzz::bytes(data, size));
  const std::string written = write_text(first.entities);
  const ReadResult second = read_text(written);
  fuzz::require(second.complete, "a written block file reads to its end");
  fuzz::require(second.entities.size() == first.entities.size(), "every entity written reads back");
  const std::string rewritten = write_text(second.entities);
  if (rewritten == written) return 0;
  // The writer keeps 32 characters of a layer name and the reader trims its blanks, so a longer
  // name may take one more round; after that the file must stay as it is.
  bool long_layer = false;
  for (const auto& e : first.entities) long_layer = long_layer || e.layer.size() > 32;
  fuzz::require(long_layer, "a written block file reads back to the same entities");
  fuzz::require(write_text(read_text(rewritten).entities) == rewritten, "a normal block file stays as it is");
  return 0;
}
