#include "project/input_data.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "base/format.h"
#include "base/value_lines.h"

namespace vx11 {

namespace {

const std::string kRule65(65, '-');
const std::string kRule20(20, '-');
const std::string kRule14(14, '-');
constexpr const char* kChangesTitle = "\x8E" "NDERUNGEN";  // "ÄNDERUNGEN" in code page 850
constexpr const char* kDocumentsTitle = "Dokumente";

// A text that must stay on its own line: line breaks would shift every later line.
std::string one_line(std::string_view text) {
  std::string t(text);
  for (char& c : t)
    if (c == '\r' || c == '\n') c = ' ';
  return t;
}

// A text inside a "|"-separated line: a "|" of its own would shift the later fields.
std::string field(std::string_view text) {
  std::string t = one_line(text);
  for (char& c : t)
    if (c == '|') c = ' ';
  return t;
}

// Every line break of the description (CR LF, CR or LF) becomes one "|".
std::string description_line(std::string_view text) {
  std::string t;
  t.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      t += '|';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      t += '|';
    } else {
      t += c;
    }
  }
  return t;
}

std::string description_text(std::string_view line) {
  std::string t;
  t.reserve(line.size());
  for (const char c : line) {
    if (c == '|')
      t += "\r\n";
    else
      t += c;
  }
  return t;
}

std::vector<std::string> split_bars(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (start <= line.size()) {
    const auto bar = line.find('|', start);
    if (bar == std::string_view::npos) {
      fields.emplace_back(line.substr(start));
      break;
    }
    fields.emplace_back(line.substr(start, bar - start));
    start = bar + 1;
  }
  return fields;
}

const std::string& nth(const std::vector<std::string>& fields, std::size_t i) {
  static const std::string kEmpty;
  return i < fields.size() ? fields[i] : kEmpty;
}

std::int32_t int32_value(long long v) {
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max()) return 0;
  return static_cast<std::int32_t>(v);
}

class Writer {
 public:
  Writer(std::ostream& out, const FormatSettings& s) : out_(out), s_(s) {}
  void text(std::string_view t) { writeTextLine(out_, one_line(t)); }
  void integer(long long v) { writeIntLine(out_, v); }
  void real(Real v) { writeRealLine(out_, s_, v); }
  void raw(std::string_view t) { writeTextLine(out_, t); }
  const FormatSettings& settings() const { return s_; }

 private:
  std::ostream& out_;
  const FormatSettings& s_;
};

void write_change_log(Writer& w, const Documentation& doc) {
  const int n = clamp_change_count(doc.change_count);
  const int m = clamp_drawing_text_count(doc.drawing_text_count);
  const TitleBlock& t = doc.title;
  w.raw(kChangesTitle);
  w.integer(n);
  w.raw(kRule20);
  for (int i = 0; i < n; ++i) {
    const ChangeEntry& e = doc.changes[i];
    w.text(e.change_text);
    w.text(e.date);
    w.text(e.editor);
    w.raw(description_line(e.description));
    w.raw(kRule14);
  }
  w.raw(field(t.checked.date) + "|" + field(t.checked.name) + "|" + field(t.standards.date) + "|" +
        field(t.standards.name) + "|" + field(t.fourth.date) + "|" + field(t.fourth.name) + "|" + fmtInt(m) +
        "||");
  w.text(t.drawn.date);
  w.text(t.replaces);
  w.text(t.replaced_by);
  w.text(t.drawn.name);
  // The significant-digit rule drops trailing zeros before the decimals setting shifts the count,
  // so with any setting but 3 every save would cut one more digit off these numbers (1.705, 1.71,
  // 1.7, 2). They are written as at the setting 3, which a file reads back unchanged.
  FormatSettings s = w.settings();
  s.decimals = 3;
  for (int i = 0; i < m; ++i) {
    const DrawingText& d = doc.drawing_texts[i];
    w.raw(fmtSig(s, d.x) + "|" + fmtSig(s, d.y) + "|" + fmtSig(s, d.height) + "|" + fmtSig(s, d.angle) + "|" +
          field(d.text) + "||");
  }
}

void write_documents(Writer& w, const Documentation& doc) {
  w.raw(kDocumentsTitle);
  w.integer(limits::kDocuments);
  w.raw(kRule20);
  for (const LinkedDocument& d : doc.documents) {
    w.text(d.program);
    w.text(d.file);
    w.raw(kRule14);
  }
}

class Reader {
 public:
  explicit Reader(std::istream& in) : r_(in) {}
  std::string text(std::size_t max) { return cut_text(r_.text(), max); }
  std::string line() { return r_.text(); }
  void skip() { r_.text(); }
  long long integer() { return r_.integer(); }
  std::int16_t int16() { return r_.int16(); }
  std::int32_t int32() { return int32_value(r_.integer()); }
  Real real() { return r_.real(); }
  bool ended() const { return r_.at_end(); }
  int lines() const { return r_.line_number(); }
  bool overlong() const { return r_.overlong_line(); }

  // The first line tells the line ends of the file: CR LF as written, or LF alone after an
  // editor converted it.
  void first_line() {
    r_.text();
    crlf_file_ = !r_.bare_line_feed();
  }

  // The description line. In a CR LF file a line ended by a bare LF goes on in the next line
  // (files whose writer kept the LF of each CR LF it turned into "|").
  std::string description() {
    std::string t = r_.text();
    while (crlf_file_ && r_.bare_line_feed()) {
      if (!t.ends_with('|')) t += '|';
      t += r_.text();
    }
    return description_text(t);
  }

 private:
  ValueLineReader r_;
  bool crlf_file_ = true;
};

void read_change_log(Reader& r, Documentation& doc) {
  r.skip();  // "ÄNDERUNGEN"
  const long long n = r.integer();
  r.skip();
  int kept = 0;
  // A count beyond the table still reads its entries, so the later sections stay in place.
  for (long long i = 0; i < n && !r.ended(); ++i) {
    ChangeEntry e;
    e.change_text = r.text(limits::kChangeText);
    e.date = r.text(limits::kChangeDate);
    e.editor = r.text(limits::kChangeEditor);
    e.description = r.description();
    r.skip();
    if (kept < limits::kChangeEntries) doc.changes[kept++] = std::move(e);
  }
  doc.change_count = kept;
  // The file replaces the whole log: no slot keeps the texts of an earlier one.
  std::fill(doc.changes.begin() + kept, doc.changes.end(), ChangeEntry{});

  const auto f = split_bars(r.line());
  TitleBlock& t = doc.title;
  t.checked = {cut_text(nth(f, 0), limits::kTitleDate), cut_text(nth(f, 1), limits::kTitleName)};
  t.standards = {cut_text(nth(f, 2), limits::kTitleDate), cut_text(nth(f, 3), limits::kTitleName)};
  t.fourth = {cut_text(nth(f, 4), limits::kTitleDate), cut_text(nth(f, 5), limits::kTitleName)};
  const long long m = parseInt(nth(f, 6));
  t.drawn.date = r.text(limits::kTitleDate);
  t.replaces = r.text(limits::kReplacement);
  t.replaced_by = r.text(limits::kReplacement);
  t.drawn.name = r.text(limits::kTitleName);

  kept = 0;
  for (long long i = 0; i < m && !r.ended(); ++i) {
    const auto d = split_bars(r.line());
    if (kept < limits::kDrawingTexts)
      doc.drawing_texts[kept++] = {realLineValue(nth(d, 0)), realLineValue(nth(d, 1)), realLineValue(nth(d, 2)),
                                   realLineValue(nth(d, 3)), cut_text(nth(d, 4), limits::kDrawingText)};
  }
  doc.drawing_text_count = kept;
  std::fill(doc.drawing_texts.begin() + kept, doc.drawing_texts.end(), DrawingText{});
}

void read_documents(Reader& r, Documentation& doc) {
  r.skip();  // "Dokumente"
  r.skip();  // always 5
  r.skip();
  for (LinkedDocument& d : doc.documents) {
    d.program = r.text(limits::kDocumentPath);
    d.file = r.text(limits::kDocumentPath);
    r.skip();
  }
}

}  // namespace

void write_input_data(std::ostream& out, const ConnectionRecord& rec, const Documentation& doc,
                      const FormatSettings& s, const ProgramIdentity& id, std::string_view owner_line) {
  Writer w(out, s);
  w.raw(kRule65);
  w.raw(id.title + "   Eingabedaten");
  w.raw("Version " + id.version);
  w.text(owner_line);
  w.raw(kRule65);
  for (const auto& info : doc.info_text) w.text(info);
  w.text(rec.inner_part_name);
  w.text(rec.inner_part_number);
  w.text(rec.outer_part_name);
  w.text(rec.outer_part_number);
  for (int i : {kShaft, kHub}) {
    w.text(rec.material[i].name);
    w.integer(rec.material[i].yield_re);
    w.integer(rec.material[i].table_int_7);
    w.integer(rec.material_row_number[i]);
  }
  w.real(rec.nominal_torque_tn);
  w.real(rec.max_torque_tmax);
  w.real(rec.application_factor_ka);
  w.real(rec.shaft_diameter_d);
  w.integer(rec.key_row_number);
  // Line 26 was a reserved flag that every file wrote as 1; it now carries the series, so files in
  // series A stay as they were and a file saved in series B reopens in series B.
  w.integer(rec.key_series == 2 ? 2 : 1);
  w.integer(rec.key_count);
  w.real(rec.key_length_l);
  w.real(rec.load_block_unused[0]);
  w.real(rec.load_block_unused[1]);
  w.real(rec.load_distribution_factor_klambda);
  w.text(rec.fit_shaft);
  w.text(rec.fit_hub);
  w.real(rec.bending_moment_mbmax);
  w.real(rec.alpha_kb);
  w.real(rec.friction_factor_kr);
  w.real(rec.load_reversal_factor_fw);
  for (Real v : rec.load_peak_factor_fl) w.real(v);
  for (Real v : rec.hardness_factor_fh) w.real(v);
  for (Real v : rec.support_factor_fs) w.real(v);
  w.integer(rec.material_row_number[kKey]);
  w.integer(rec.material_reserved_flag);

  write_change_log(w, doc);
  write_documents(w, doc);

  w.text(doc.inner_part_name2);
  w.text(doc.outer_part_name2);
  w.text(rec.material[kKey].name);
  w.integer(rec.material[kKey].yield_re);
  w.integer(rec.material[kKey].table_int_7);
  w.integer(rec.material_row_number[kKey]);
  for (int i : {kShaft, kHub, kKey}) w.text(rec.material[i].number);
}

InputReadResult read_input_data(std::istream& in, ConnectionRecord& rec, Documentation& doc) {
  Reader r(in);
  r.first_line();
  for (int i = 0; i < 4; ++i) r.skip();  // title, version, owner, rule
  for (auto& info : doc.info_text) info = r.text(limits::kInfoText);
  rec.inner_part_name = r.text(limits::kPartName);
  rec.inner_part_number = r.text(limits::kPartNumber);
  rec.outer_part_name = r.text(limits::kPartName);
  rec.outer_part_number = r.text(limits::kPartNumber);
  for (int i : {kShaft, kHub}) {
    rec.material[i].name = r.text(limits::kMaterialName);
    rec.material[i].yield_re = r.int32();
    rec.material[i].table_int_7 = r.int32();
    rec.material_row_number[i] = r.int16();
  }
  rec.nominal_torque_tn = r.real();
  rec.max_torque_tmax = r.real();
  rec.application_factor_ka = r.real();
  rec.shaft_diameter_d = r.real();
  rec.key_row_number = r.int32();
  rec.key_series = r.int16() == 2 ? 2 : 1;
  rec.key_count = r.int16();
  rec.key_length_l = r.real();
  rec.load_block_unused[0] = r.real();
  rec.load_block_unused[1] = r.real();
  rec.load_distribution_factor_klambda = r.real();
  rec.fit_shaft = r.text(limits::kFitText);
  rec.fit_hub = r.text(limits::kFitText);
  rec.bending_moment_mbmax = r.real();
  rec.alpha_kb = r.real();
  rec.friction_factor_kr = r.real();
  rec.load_reversal_factor_fw = r.real();
  for (Real& v : rec.load_peak_factor_fl) v = r.real();
  for (Real& v : rec.hardness_factor_fh) v = r.real();
  for (Real& v : rec.support_factor_fs) v = r.real();
  rec.material_row_number[kKey] = r.int16();
  rec.material_reserved_flag = r.int16();

  read_change_log(r, doc);
  read_documents(r, doc);

  doc.inner_part_name2 = r.text(limits::kPartName2);
  doc.outer_part_name2 = r.text(limits::kPartName2);
  rec.material[kKey].name = r.text(limits::kMaterialName);
  rec.material[kKey].yield_re = r.int32();
  rec.material[kKey].table_int_7 = r.int32();
  r.skip();  // the key's material row number a second time
  for (int i : {kShaft, kHub, kKey}) rec.material[i].number = r.text(limits::kMaterialNumber);
  return {!r.ended(), r.lines(), r.overlong()};
}

}  // namespace vx11
