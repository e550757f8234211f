// The input data file's lines: layout, round trip, and a reader that survives any input.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "project/input_data.h"
#include "tests/datafile/sample_inputs.h"

namespace vx11 {
namespace {

using test::full_inputs;
using test::SampleInputs;

std::string written(const ConnectionRecord& rec, const Documentation& doc, const FormatSettings& s = {}) {
  std::ostringstream out;
  write_input_data(out, rec, doc, s, ProgramIdentity{}, "Konstruktion M\x81ller");
  return out.str();
}

std::string written(const SampleInputs& in, const FormatSettings& s = {}) { return written(in.rec, in.doc, s); }

// The file's lines without their CR LF; a line ended by a bare LF shows as its own line.
std::vector<std::string> lines_of(const std::string& file) {
  std::vector<std::string> lines;
  std::istringstream in(file);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

SampleInputs read_back(const std::string& file, InputReadResult* result = nullptr) {
  SampleInputs in;
  std::istringstream stream(file);
  const InputReadResult r = read_input_data(stream, in.rec, in.doc);
  if (result) *result = r;
  return in;
}

SampleInputs fresh_inputs() {
  SampleInputs s;
  set_startup_defaults(s.rec);
  set_default_materials(s.rec);
  reset_documentation(s.doc, "01.01.2024");
  return s;
}

TEST(InputDataFile, FullRecordSurvivesWriteReadWriteByteForByte) {
  const SampleInputs full = full_inputs();
  const std::string first = written(full);
  InputReadResult result;
  const SampleInputs back = read_back(first, &result);
  EXPECT_TRUE(result.complete);
  EXPECT_EQ(written(back), first);

  // Every line ends with CR LF, one value per line.
  EXPECT_EQ(first.find("\n"), first.find("\r\n") + 1);
  for (std::size_t p = first.find('\n'); p != std::string::npos; p = first.find('\n', p + 1))
    ASSERT_EQ(first[p - 1], '\r') << "bare line feed at byte " << p;

  // The fields themselves, not only the bytes.
  EXPECT_EQ(back.doc.change_count, 25);
  for (int i = 0; i < 25; ++i) {
    EXPECT_EQ(back.doc.changes[i].description, full.doc.changes[i].description) << i;
    EXPECT_EQ(back.doc.changes[i].change_text, full.doc.changes[i].change_text) << i;
  }
  EXPECT_EQ(back.doc.drawing_text_count, 8);
  EXPECT_EQ(back.doc.drawing_texts[7].text, full.doc.drawing_texts[7].text);
  EXPECT_EQ(back.doc.drawing_texts[7].y, -15.75L);
  EXPECT_EQ(back.doc.documents[3].program, "libreoffice --writer");
  EXPECT_EQ(back.doc.info_text, full.doc.info_text);
  EXPECT_EQ(back.doc.title.replaces, "4711-0815-000");
  EXPECT_EQ(back.doc.title.drawn.name, "M\x81ller");
  EXPECT_EQ(back.doc.title.fourth.date, "07.03.2024");
  EXPECT_EQ(back.rec.outer_part_name, full.rec.outer_part_name);
  EXPECT_EQ(back.rec.shaft_diameter_d, 20);
  EXPECT_EQ(back.rec.load_block_unused[1], -2);
  EXPECT_EQ(back.rec.key_count, 2);
  EXPECT_EQ(back.rec.material[kKey].number, "1.0060");
  EXPECT_EQ(back.rec.material[kHub].yield_re, 250);
  EXPECT_EQ(back.rec.material_row_number[kKey], 5);
  EXPECT_EQ(back.rec.load_peak_factor_fl[2], 0.8L);
}

TEST(InputDataFile, LinesStandWhereTheLayoutPutsThem) {
  SampleInputs in = full_inputs();
  const auto l = lines_of(written(in));
  const auto line = [&](int n) { return l.at(n - 1); };
  EXPECT_EQ(line(1), std::string(65, '-'));
  EXPECT_TRUE(line(2).starts_with("VX11  -  Scheibenfederberechnung"));
  EXPECT_TRUE(line(3).starts_with("Version 1.1"));
  EXPECT_EQ(line(5), std::string(65, '-'));
  EXPECT_EQ(line(8), "intern");
  EXPECT_EQ(line(10), "4711-0815-001");
  EXPECT_EQ(line(13), "16MnCr5");
  EXPECT_EQ(line(14), "635");
  EXPECT_EQ(line(15), "9");
  EXPECT_EQ(line(16), "16");
  EXPECT_EQ(line(20), "27");
  EXPECT_EQ(line(21), "60.5000000");
  EXPECT_EQ(line(23), "1.2500000");
  EXPECT_EQ(line(24), "20.0000000");
  EXPECT_EQ(line(25), "12");
  EXPECT_EQ(line(26), "1");
  EXPECT_EQ(line(27), "2");
  EXPECT_EQ(line(29), "0");
  EXPECT_EQ(line(30), "-2");
  EXPECT_EQ(line(32), "k6");
  EXPECT_EQ(line(33), "H7");
  EXPECT_EQ(line(35), "4.5000000");
  EXPECT_EQ(line(37), "0.7000000");
  EXPECT_EQ(line(41), "1.1500000");
  EXPECT_EQ(line(46), "1.0000000");
  EXPECT_EQ(line(47), "5");
  EXPECT_EQ(line(48), "1");
  EXPECT_EQ(line(49), "\x8E" "NDERUNGEN");
  EXPECT_EQ(line(50), "25");
  EXPECT_EQ(line(51), std::string(20, '-'));
  EXPECT_EQ(line(52), "\x8E" "nderung Nr. 1");
  EXPECT_EQ(line(55), "Zeile eins der \x8E" "nderung 1|Zeile zwei: Ma\xE1" "e gepr\x81" "ft||Nach einer Leerzeile.");
  EXPECT_EQ(line(56), std::string(14, '-'));
  const int title = 52 + 25 * 5;
  EXPECT_EQ(line(title), "05.03.2024|Schr\x94" "der|06.03.2024|Krau\xE1|07.03.2024|Freigabe|8||");
  EXPECT_EQ(line(title + 1), "02.03.2024");
  EXPECT_EQ(line(title + 2), "4711-0815-000");
  EXPECT_EQ(line(title + 3), "");
  EXPECT_EQ(line(title + 4), "M\x81ller");
  EXPECT_EQ(line(title + 6), "10.5|-2.25|3.5|90|Text 2 \x84\x94\x81||");
  const int docs = title + 5 + 8;
  EXPECT_EQ(line(docs), "Dokumente");
  EXPECT_EQ(line(docs + 1), "5");
  EXPECT_EQ(line(docs + 4), "/home/konstrukteur/Dokumente/blatt1.pdf");
  const int closing = docs + 18;
  EXPECT_EQ(line(closing), "Antriebsseite, gro\xE1" "e Stufe");
  EXPECT_EQ(line(closing + 2), "E335 (St 60)");
  EXPECT_EQ(line(closing + 3), "335");
  EXPECT_EQ(line(closing + 5), "5");
  EXPECT_EQ(line(closing + 8), "1.0060");
  EXPECT_EQ(static_cast<int>(l.size()), closing + 8);
}

TEST(InputDataFile, LineTwentySixCarriesTheKeySeries) {
  SampleInputs in = full_inputs();
  const std::string series_a = written(in);
  in.rec.key_series = 2;
  const std::string series_b = written(in);
  EXPECT_EQ(lines_of(series_a).at(25), "1");
  EXPECT_EQ(lines_of(series_b).at(25), "2");
  EXPECT_EQ(read_back(series_b).rec.key_series, 2);
  EXPECT_EQ(read_back(series_a).rec.key_series, 1);
  EXPECT_EQ(written(read_back(series_b)), series_b);

  // Old files wrote a reserved 1 there; anything but 2 reads as series A.
  for (const char* value : {"0", "1", "3", "-2", "B", ""}) {
    auto l = lines_of(series_b);
    l.at(25) = value;
    std::string file;
    for (const auto& line : l) file += line + "\r\n";
    EXPECT_EQ(read_back(file).rec.key_series, 1) << '"' << value << '"';
  }
}

TEST(InputDataFile, EmptyLogGoesStraightToTheTitleBlockLine) {
  SampleInputs in = fresh_inputs();
  const auto l = lines_of(written(in));
  EXPECT_EQ(l.at(48), "\x8E" "NDERUNGEN");
  EXPECT_EQ(l.at(49), "0");
  EXPECT_EQ(l.at(50), std::string(20, '-'));
  EXPECT_EQ(l.at(51), "01.01.2024||01.01.2024||||0||");
  EXPECT_EQ(l.at(56), "Dokumente");
  // The documents section has 18 lines also when the documents are empty.
  in.doc.documents.fill(LinkedDocument{});
  const auto e = lines_of(written(in));
  EXPECT_EQ(e.at(56 + 18), "");  // the first closing line, inner_part_name2
  EXPECT_EQ(e.size(), 56u + 18u + 9u);
  EXPECT_EQ(e.at(56 + 3), "");
  EXPECT_EQ(e.at(56 + 5), std::string(14, '-'));
}

TEST(InputDataFile, RealLinesFollowDecimalsAndSeparator) {
  struct Case {
    const char* name;
    int decimals;
    int separator;
    const char* diameter;
    const char* ka;
  };
  const Case cases[] = {
      {"default", 3, 1, "35.0000000", "1.0000000"},
      {"five decimals", 5, 1, "35.000000000", "1.000000000"},
      {"comma", 3, 2, "35,0000000", "1,0000000"},
  };
  for (const Case& c : cases) {
    FormatSettings s;
    s.decimals = c.decimals;
    s.decimal_separator = c.separator;
    SampleInputs in = fresh_inputs();
    const std::string file = written(in, s);
    const auto l = lines_of(file);
    EXPECT_EQ(l.at(23), c.diameter) << c.name;
    EXPECT_EQ(l.at(22), c.ka) << c.name;
    EXPECT_EQ(l.at(33), "0") << c.name;  // no bending moment
    // Read back under any settings: commas count as points.
    const SampleInputs back = read_back(file);
    EXPECT_EQ(back.rec.shaft_diameter_d, 35) << c.name;
    EXPECT_EQ(back.rec.alpha_kb, 5) << c.name;
  }
}

TEST(InputDataFile, DrawingTextNumbersWithCommasReadAsPoints) {
  SampleInputs in = full_inputs();
  FormatSettings comma;
  comma.decimal_separator = 2;
  const std::string file = written(in, comma);
  EXPECT_NE(file.find("10,5|-2,25|3,5|90|Text 2"), std::string::npos);
  const SampleInputs back = read_back(file);
  EXPECT_EQ(back.doc.drawing_texts[1].x, 10.5L);
  EXPECT_EQ(back.doc.drawing_texts[1].y, -2.25L);
  EXPECT_EQ(written(back, comma), file);
}

TEST(InputDataFile, DescriptionsWhoseLineFeedsStayedInTheFileAreJoined) {
  // A writer that turned only the CR of each CR LF into "|" leaves the LF inside the line.
  SampleInputs in = full_inputs();
  std::string file = written(in);
  const std::string kept = "Zeile eins der \x8E" "nderung 2|Zeile zwei";
  const auto at = file.find(kept);
  ASSERT_NE(at, std::string::npos);
  file.insert(at + std::string("Zeile eins der \x8E" "nderung 2|").size(), "\n");
  // and one that ends with a line break: "...|" LF, then the CR LF of the line.
  const std::string tail = "Zeile zwei: Ma\xE1" "e gepr\x81" "ft\r\n" + std::string(14, '-');
  const auto t = file.find(tail, at);
  file.insert(t + tail.size() - 16, "|\n");
  const SampleInputs back = read_back(file);
  EXPECT_EQ(back.doc.changes[1].description,
            "Zeile eins der \x8E" "nderung 2\r\nZeile zwei: Ma\xE1" "e gepr\x81" "ft\r\n");
  EXPECT_EQ(back.doc.changes[2].change_text, full_inputs().doc.changes[2].change_text);
  EXPECT_EQ(back.doc.drawing_text_count, 8);
  EXPECT_EQ(back.rec.material[kKey].number, "1.0060");
}

TEST(InputDataFile, AFileWithLineFeedsOnlyReadsAllItsFields) {
  const SampleInputs full = full_inputs();
  const std::string file = written(full);
  std::string lf;
  for (const char c : file)
    if (c != '\r') lf += c;
  InputReadResult r;
  const SampleInputs back = read_back(lf, &r);
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(written(back), file);
}

TEST(InputDataFile, LineBreaksAndBarsInsideTextsCannotShiftLines) {
  SampleInputs in = full_inputs();
  in.rec.inner_part_name = "zwei\r\nZeilen";
  in.doc.changes[0].description = "nur LF\nund CR\rEnde";
  in.doc.title.checked.name = "A|B";
  in.doc.drawing_texts[0].text = "x|y";
  const SampleInputs back = read_back(written(in));
  EXPECT_EQ(back.rec.inner_part_name, "zwei  Zeilen");
  EXPECT_EQ(back.doc.changes[0].description, "nur LF\r\nund CR\r\nEnde");
  EXPECT_EQ(back.doc.title.checked.name, "A B");
  EXPECT_EQ(back.doc.title.standards.name, "Krau\xE1");
  EXPECT_EQ(back.doc.drawing_texts[0].text, "x y");
  EXPECT_EQ(back.doc.drawing_text_count, 8);
  EXPECT_EQ(back.rec.material[kKey].number, "1.0060");
}

TEST(InputDataFile, TheKeyMaterialRowIsTakenFromItsFirstLine) {
  SampleInputs in = full_inputs();
  auto l = lines_of(written(in));
  l.at(l.size() - 4) = "77";  // the second copy
  std::string file;
  for (const auto& line : l) file += line + "\r\n";
  EXPECT_EQ(read_back(file).rec.material_row_number[kKey], 5);
}

// Every prefix of a full file, cut inside a line or after it, reads without fault: what is there
// is taken, what is missing reads as empty texts and zeros, and the counts stay in their tables.
TEST(InputDataFile, EveryTruncationReadsToDefinedValues) {
  const SampleInputs full = full_inputs();
  const std::string file = written(full);
  const auto total = static_cast<int>(lines_of(file).size());
  const std::size_t last_line = file.rfind("\r\n", file.size() - 3) + 2;
  int line_ends = 0;
  for (std::size_t cut = 0; cut <= file.size(); ++cut) {
    InputReadResult r;
    const SampleInputs back = read_back(file.substr(0, cut), &r);
    const bool at_line_end = cut > 0 && file[cut - 1] == '\n';
    if (at_line_end) ++line_ends;
    ASSERT_EQ(r.complete, cut > last_line) << cut;  // complete once the last line has begun
    ASSERT_GE(back.doc.change_count, 0);
    ASSERT_LE(back.doc.change_count, 25);
    ASSERT_GE(back.doc.drawing_text_count, 0);
    ASSERT_LE(back.doc.drawing_text_count, 8);
    if (at_line_end && line_ends == 24) {
      EXPECT_EQ(back.rec.shaft_diameter_d, 20);
      EXPECT_EQ(back.rec.key_row_number, 0);
      EXPECT_EQ(back.rec.fit_shaft, "");
    }
    if (at_line_end && line_ends == 48) {
      EXPECT_EQ(written(back.rec, full.doc).substr(0, cut), file.substr(0, cut));
      EXPECT_EQ(back.doc.change_count, 0);
      EXPECT_EQ(back.doc.drawing_text_count, 0);
      EXPECT_EQ(back.doc.documents[0].program, "");
      EXPECT_EQ(back.rec.material[kKey].name, "");
    }
  }
  EXPECT_EQ(line_ends, total);
}

std::string with_line(const std::string& file, int n, const std::string& text) {
  auto l = lines_of(file);
  l.at(n - 1) = text;
  std::string out;
  for (const auto& line : l) out += line + "\r\n";
  return out;
}

TEST(InputDataFile, AbsurdCountsStayInsideTheTables) {
  struct Case {
    const char* name;
    int line;  // 50: n; 52: the title-block line of an empty log
    std::string text;
    int changes;
    int texts;
  };
  SampleInputs empty = fresh_inputs();
  empty.doc.drawing_texts[0] = {1, 2, 3, 4, "eins"};
  empty.doc.drawing_text_count = 1;
  const std::string base = written(empty);
  const Case cases[] = {
      {"n 10000 with nothing behind it", 50, "10000", 1, 0},
      {"n negative", 50, "-3", 0, 1},
      {"n not a number", 50, "viele", 0, 1},
      {"n beyond 64 bits", 50, "99999999999999999999999", 0, 1},
      {"m 99 eats the later sections", 52, "a|b|c|d|e|f|99||", 0, 8},
      {"m negative", 52, "a|b|c|d|e|f|-1||", 0, 0},
      {"m missing", 52, "", 0, 0},
  };
  for (const Case& c : cases) {
    InputReadResult r;
    const SampleInputs back = read_back(with_line(base, c.line, c.text), &r);
    EXPECT_LE(back.doc.change_count, 25) << c.name;
    EXPECT_LE(back.doc.drawing_text_count, 8) << c.name;
    if (c.line == 50 && c.text != "10000") {
      EXPECT_EQ(back.doc.change_count, c.changes) << c.name;
      EXPECT_EQ(back.doc.drawing_text_count, c.texts) << c.name;
      EXPECT_TRUE(r.complete) << c.name;
    }
    if (c.line == 52) {
      EXPECT_EQ(back.doc.drawing_text_count, c.texts) << c.name;
    }
  }
}

TEST(InputDataFile, MoreEntriesThanTheTableHoldsAreReadAndDropped) {
  // A log of 10000 entries and 99 drawing texts: the first 25 and 8 are kept, and the sections
  // behind them are still found in place.
  SampleInputs full = full_inputs();
  auto l = lines_of(written(full));
  std::vector<std::string> out(l.begin(), l.begin() + 49);
  out.push_back("10000");
  out.push_back(std::string(20, '-'));
  for (int i = 0; i < 10000; ++i)
    for (const char* t : {"Text", "01.01.2024", "ab", "Beschreibung", "--------------"})
      out.push_back(i == 30 ? "dreissig" : t);
  std::string title = l.at(51 + 125);
  title.replace(title.find("|8|"), 3, "|99|");
  out.push_back(title);
  for (int k = 1; k <= 4; ++k) out.push_back(l.at(51 + 125 + k));
  for (int i = 0; i < 99; ++i) out.push_back("1|2|3|4|Text " + std::to_string(i) + "||");
  out.insert(out.end(), l.begin() + 51 + 125 + 5 + 8, l.end());
  std::string file;
  for (const auto& line : out) file += line + "\r\n";

  InputReadResult r;
  const SampleInputs back = read_back(file, &r);
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(back.doc.change_count, 25);
  EXPECT_EQ(back.doc.changes[24].change_text, "Text");
  EXPECT_EQ(back.doc.drawing_text_count, 8);
  EXPECT_EQ(back.doc.drawing_texts[7].text, "Text 7");
  EXPECT_EQ(back.doc.documents[4].file, full.doc.documents[4].file);
  EXPECT_EQ(back.rec.material[kKey].number, "1.0060");
}

TEST(InputDataFile, HugeLinesAndBinaryBytesGiveCutTextsAndZeros) {
  const SampleInputs full = full_inputs();
  const std::string file = written(full);
  const std::string long_line(60 * 1024, 'X');
  {
    std::string f = with_line(file, 9, long_line);  // inner_part_name
    f = with_line(f, 24, long_line);                // the diameter
    f = with_line(f, 55, long_line);                // a description: kept up to the line limit
    InputReadResult r;
    const SampleInputs back = read_back(f, &r);
    EXPECT_FALSE(r.overlong_line);
    EXPECT_EQ(back.rec.inner_part_name, std::string(25, 'X'));
    EXPECT_EQ(back.rec.shaft_diameter_d, 0);
    EXPECT_EQ(back.doc.changes[0].description.size(), long_line.size());
    EXPECT_EQ(back.rec.material[kKey].number, "1.0060");
  }
  {
    // A line beyond 64 KiB marks the file as damaged; reading stops there.
    InputReadResult r;
    read_back(with_line(file, 9, std::string(1 << 20, 'X')), &r);
    EXPECT_TRUE(r.overlong_line);
    EXPECT_EQ(r.lines, 8);
    EXPECT_FALSE(r.complete);
  }
  std::mt19937 random(6888);
  for (int run = 0; run < 200; ++run) {
    std::string junk(random() % 4096, '\0');
    for (char& c : junk) c = static_cast<char>(random() % 256);
    if (run % 2) junk = file.substr(0, random() % file.size()) + junk;  // a damaged tail
    InputReadResult r;
    const SampleInputs back = read_back(junk, &r);
    ASSERT_LE(back.doc.change_count, 25);
    ASSERT_LE(back.doc.drawing_text_count, 8);
    ASSERT_LE(back.rec.inner_part_name.size(), 25u);
    ASSERT_LE(back.rec.material[kShaft].name.size(), 18u);
    ASSERT_LE(back.doc.documents[0].program.size(), 50u);
  }
}

TEST(InputDataFile, ExtraLinesAfterTheLastOneAreIgnored) {
  const SampleInputs full = full_inputs();
  const std::string file = written(full);
  InputReadResult r;
  const SampleInputs back = read_back(file + "noch eine Zeile\r\nund noch eine\r\n", &r);
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(written(back), file);
}

}  // namespace
}  // namespace vx11
