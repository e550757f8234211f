#include "cad/plotter_drawing.h"

#include "cad/dxf_groups.h"

namespace vx11 {

namespace {

using Read = DxfGroupReader::Read;

// Skips the groups up to the next group 0, which is left to be read.
bool skipBody(DxfGroupReader& g) {
  for (;;) {
    if (g.next() != Read::Ok) return false;
    if (g.code() == 0) {
      g.pushBack();
      return true;
    }
  }
}

bool readHeader(DxfGroupReader& g, PlotDrawing& d) {
  bool min = false, max = false;
  Real* target_x = nullptr;
  Real* target_y = nullptr;
  for (;;) {
    if (g.next() != Read::Ok) return false;
    if (g.code() == 0) {
      g.pushBack();
      d.has_extents = min && max;
      return true;
    }
    if (g.code() == 9) {
      target_x = target_y = nullptr;
      if (g.word() == "$EXTMIN") target_x = &d.x1, target_y = &d.y1, min = true;
      if (g.word() == "$EXTMAX") target_x = &d.x2, target_y = &d.y2, max = true;
    } else if (target_x && (g.code() == 10 || g.code() == 20)) {
      if (!dxfReal(g.value(), g.code() == 10 ? *target_x : *target_y)) return false;
    }
  }
}

bool readLayer(DxfGroupReader& g, PlotDrawing& d) {
  std::string name;
  PlotLayer layer;
  for (;;) {
    if (g.next() != Read::Ok) return false;
    switch (g.code()) {
      case 0:
        g.pushBack();
        if (!name.empty()) d.layers[name] = layer;
        return true;
      case 2: name = std::string(g.word()); break;
      case 6: layer.line_type = std::string(g.word()); break;
      case 62:
        if (!dxfInt(g.value(), layer.colour)) return false;
        break;
      default: break;
    }
  }
}

// Entities up to the group 0 that ends them (ENDBLK, ENDSEC), which is left to be read.
bool readEntities(DxfGroupReader& g, std::vector<BlockEntity>& into) {
  BlockFileReader entities(g, true);
  for (;;) {
    BlockEntity e;
    switch (entities.next(e)) {
      case BlockFileReader::Status::Entity: into.push_back(std::move(e)); break;
      case BlockFileReader::Status::Other: return true;
      case BlockFileReader::Status::End:  // "EOF" inside a section
        g.pushBack();
        return true;
      case BlockFileReader::Status::Error: return false;
    }
  }
}

}  // namespace

std::optional<PlotDrawing> readPlotDrawing(std::istream& in, std::string& error) {
  DxfGroupReader g(in);
  PlotDrawing d;
  std::string section;
  bool any_section = false;
  auto broken = [&]() -> std::optional<PlotDrawing> {
    error = "Error in DXF File";
    return std::nullopt;
  };
  for (;;) {
    const Read r = g.next();
    if (r == Read::End) break;  // a file cut after its last section still plots what it has
    if (r == Read::Broken) return broken();
    if (g.code() != 0) {
      if (section.empty() && !any_section) return broken();  // not even a DXF start
      continue;
    }
    const std::string word(g.word());
    if (word == "EOF") break;
    if (word == "SECTION") {
      if (g.next() != Read::Ok || g.code() != 2) return broken();
      section = std::string(g.word());
      any_section = true;
      if (section == "HEADER" && !readHeader(g, d)) return broken();
      if (section == "ENTITIES" && !readEntities(g, d.entities)) return broken();
      continue;
    }
    if (word == "ENDSEC") {
      section.clear();
      if (!skipBody(g)) return broken();
      continue;
    }
    if (section == "TABLES" && word == "LAYER") {
      if (!readLayer(g, d)) return broken();
      continue;
    }
    if (section == "BLOCKS" && word == "BLOCK") {
      BlockEntity head;
      std::string name;
      for (;;) {
        if (g.next() != Read::Ok) return broken();
        if (g.code() == 0) break;
        if (g.code() == 2) name = std::string(g.word());
      }
      g.pushBack();
      std::vector<BlockEntity> members;
      if (!readEntities(g, members)) return broken();
      d.blocks[name] = std::move(members);
      continue;
    }
    if (!any_section) return broken();
    if (!skipBody(g)) return broken();
  }
  if (!any_section) {
    error = "Error in DXF File: no sections";
    return std::nullopt;
  }
  return d;
}

}  // namespace vx11
