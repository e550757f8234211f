// Reading back the block files of the screen output: DXF entities in group-code form, ended by EOF.
// The reader never trusts the file: a broken group, an unknown number or a broken polyline sequence
// ends the reading with an error instead of guessing.
#pragma once

#include <array>
#include <istream>
#include <string>
#include <vector>

#include "calc/connection_record.h"

namespace vx11 {

struct BlockVertex {
  Real x = 0, y = 0, bulge = 0;
};

struct BlockEntity {
  enum class Kind { Line, Circle, Arc, Text, Solid, Insert, Polyline };
  Kind kind = Kind::Line;
  std::string layer = "0";
  std::string name;  // INSERT: block name
  std::string text;  // TEXT
  std::array<Real, 8> p{};  // points: x1, y1, x2, y2, ... (LINE 2, SOLID 4, others 1)
  Real r = 0, a1 = 0, a2 = 0;
  Real height = 0, width_factor = 1, angle = 0;
  Real sx = 1, sy = 1;
  int flags = 0;
  std::vector<BlockVertex> vertices;
};

class BlockFileReader {
 public:
  explicit BlockFileReader(std::istream& in) : in_(in) {}

  enum class Status { Entity, End, Error };
  // The next entity of a known kind; End at "EOF"; Error for a damaged file (also one without "EOF").
  Status next(BlockEntity& e);

 private:
  enum class Read { Ok, End, Broken };
  Read readLine(std::string& line);
  Read readGroup();
  // Reads the groups of the entity whose group 0 was just read, up to the next group 0.
  bool readBody(BlockEntity& e);
  bool readPolyline(BlockEntity& e);

  std::istream& in_;
  int code_ = 0;
  std::string value_;
  bool pending_ = false;  // a group 0 has been read and not yet used
};

}  // namespace vx11
