// The two-dimensional IGES file in millimetres: start, global, directory, parameter and terminate
// sections in 80-column records. Parameter records collect in a scratch stream and are appended
// at the end, since the directory section must come first while both grow entity by entity.
#pragma once

#include <ctime>
#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cad/cad_settings.h"
#include "cad/dxf_writer.h"
#include "calc/connection_record.h"
#include "base/format_settings.h"
#include "base/message_list.h"

namespace vx11 {

// Drawing-exchange colour number to IGES colour number.
int igesColourOfExchange(int n);

class IgesWriter {
 public:
  IgesWriter(std::ostream& out, std::iostream& scratch, const CadSettings& cad, const FormatSettings& format,
             MessageList& messages);

  // Resets the counters and writes the start section.
  void start();
  // The global section: file name, frame maximum, file date.
  void header(std::string_view file_name, Real max_coordinate, const std::tm& date);
  void pen(int p);
  void line(Real x1, Real y1, Real x2, Real y2);
  void arc(Real cx, Real cy, Real xs, Real ys, Real xe, Real ye);
  void circle(Real x, Real y, Real r) { arc(x, y, x + r, y, x + r, y); }
  void solid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4);
  void text(std::string_view s, Real x, Real y, const CadTextStyle& style);
  void blockStart(std::string_view name);
  void blockEnd();
  void insert(std::string_view name, Real x, Real y, Real rotation);
  // Appends the parameter records and writes the terminate record.
  void end();

  int colour() const { return colour_; }
  int lineFont() const { return line_font_; }

 private:
  // Writes one entity; returns its directory entry number.
  int entity(int type, std::string_view form, std::string_view params, std::string_view matrix,
             std::string_view last_record = {});
  void record(std::ostream& to, std::string_view data, char section, int& counter);
  std::string num(Real x) const;
  std::string num6(Real x) const;

  std::ostream& out_;
  std::iostream& scratch_;
  const CadSettings& cad_;
  FormatSettings point_;  // the file's numbers always use "."
  MessageList& messages_;
  int s_count_ = 0, g_count_ = 0, d_count_ = 0, p_count_ = 0;
  int next_parameter_ = 1;
  int colour_ = 8;
  int line_font_ = 1;
  bool defining_ = false;
  std::vector<int> members_;
  std::string block_name_;
  std::vector<std::pair<std::string, int>> blocks_;
};

// Hollerith form: length, "H" and the text.
std::string hollerith(std::string_view text);

}  // namespace vx11
