// Reading workbooks that other programs wrote, and damaged ones.
#include <gtest/gtest.h>

#include <fstream>

#include "report/spreadsheet_reader.h"
#include "sheet_helpers.h"
#include "base/text.h"

namespace vx11 {
namespace {

using test::PackagePart;
using test::ScratchFolder;

struct ReadCase {
  const char* name;
  std::string sheet;
  std::string strings;
  std::vector<std::string> column_a;
};

TEST(SpreadsheetReader, CellKindsOfOtherWriters) {
  const std::vector<ReadCase> cases = {
      {"shared strings",
       "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>1</v></c></row><row r=\"2\"><c r=\"A2\" t=\"s\"><v>0</v></c></row>",
       "<si><t>erste</t></si><si><t xml:space=\"preserve\">  zweite </t></si>",
       {"  zweite ", "erste"}},
      {"rich text runs and phonetic hints",
       "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>",
       "<si><r><rPr><b/></rPr><t>fett</t></r><r><t xml:space=\"preserve\"> und </t></r><r><t>normal</t></r>"
       "<rPh sb=\"0\" eb=\"1\"><t>x</t></rPh></si>",
       {"fett und normal"}},
      {"inline strings", "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>Gr\xC3\xB6\xC3\x9F" "e</t></is></c></row>", "",
       {"Gr\xC3\xB6\xC3\x9F" "e"}},
      {"blank-only text kept", "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t xml:space=\"preserve\">   </t></is></c></row>",
       "", {"   "}},
      {"numbers read as their shortest text",
       "<row r=\"1\"><c r=\"A1\"><v>35</v></c></row><row r=\"2\"><c r=\"A2\" t=\"n\"><v>0.5</v></c></row>"
       "<row r=\"3\"><c r=\"A3\"><v>1E-3</v></c></row><row r=\"4\"><c r=\"A4\"><v>3.5000000000000003E-2</v></c></row>"
       "<row r=\"5\"><c r=\"A5\"><v>-12.25</v></c></row><row r=\"6\"><c r=\"A6\"><v>0.30000000000000004</v></c></row>",
       "", {"35", "0.5", "0.001", "0.035", "-12.25", "0.30000000000000004"}},
      {"booleans, formula texts and errors",
       "<row r=\"1\"><c r=\"A1\" t=\"b\"><v>1</v></c></row><row r=\"2\"><c r=\"A2\" t=\"b\"><v>0</v></c></row>"
       "<row r=\"3\"><c r=\"A3\" t=\"str\"><f>A1&amp;\"x\"</f><v>TRUEx</v></c></row>"
       "<row r=\"4\"><c r=\"A4\" t=\"e\"><v>#DIV/0!</v></c></row><row r=\"5\"><c r=\"A5\"><f>1+1</f><v>2</v></c></row>",
       "", {"TRUE", "FALSE", "TRUEx", "#DIV/0!", "2"}},
      {"empty rows between and empty cells",
       "<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>zwei</t></is></c></row>"
       "<row r=\"5\"><c r=\"A5\" s=\"1\"/></row><row r=\"6\"><c r=\"B6\"><v>9</v></c></row>",
       "", {"", "zwei", "", "", "", ""}},
      {"rows and cells without references",
       "<row><c t=\"inlineStr\"><is><t>a</t></is></c><c><v>1</v></c></row><row><c t=\"inlineStr\"><is><t>b</t></is></c></row>",
       "", {"a", "b"}},
      {"other columns do not count for column A",
       "<row r=\"1\"><c r=\"C1\"><v>3</v></c><c r=\"D1\"><v>4</v></c></row>"
       "<row r=\"2\"><c r=\"A2\"><v>1</v></c><c r=\"B2\"><v>2</v></c></row>",
       "", {"", "1"}},
      {"escaped characters", "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>",
       "<si><t>a_x0009_b_x005F_x0041_c_x00e4_</t></si>", {"a\tb_x0041_c\xC3\xA4"}},
      {"no rows", "", "", {}},
  };
  for (const ReadCase& c : cases) {
    ScratchFolder dir;
    test::write_package(dir.file("w.xlsx"), test::workbook_parts(c.sheet, c.strings));
    WorksheetCells cells;
    std::string error;
    ASSERT_TRUE(read_worksheet(dir.file("w.xlsx"), cells, error)) << c.name << ": " << error;
    EXPECT_EQ(cells.column_a(), c.column_a) << c.name;
  }
}

TEST(SpreadsheetReader, WholeRowsAreKept) {
  ScratchFolder dir;
  test::write_package(dir.file("w.xlsx"),
                      test::workbook_parts("<row r=\"1\"><c r=\"A1\"><v>1</v></c><c r=\"C1\" t=\"inlineStr\"><is><t>c</t>"
                                           "</is></c></row><row r=\"3\"><c r=\"B3\"><v>2</v></c></row>"));
  WorksheetCells cells;
  std::string error;
  ASSERT_TRUE(read_worksheet(dir.file("w.xlsx"), cells, error)) << error;
  ASSERT_EQ(cells.rows.size(), 3u);
  EXPECT_EQ(cells.rows[0], (SheetRow{"1", "", "c"}));
  EXPECT_TRUE(cells.rows[1].empty());
  EXPECT_EQ(cells.rows[2], (SheetRow{"", "2"}));
}

// A workbook with prefixed elements, a second sheet that is the active one, and relationship targets
// given from the package root, as some writers do.
TEST(SpreadsheetReader, ActiveSheetPrefixedElementsAndRootTargets) {
  const std::string main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
  const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
  const std::string pkg = "http://schemas.openxmlformats.org/package/2006/relationships";
  const std::vector<PackagePart> parts = {
      {"_rels/.rels", "<Relationships xmlns=\"" + pkg + "\"><Relationship Id=\"a\" Type=\"" + rel +
                          "/officeDocument\" Target=\"/xl/book.xml\"/></Relationships>"},
      {"xl/book.xml", "<x:workbook xmlns:x=\"" + main + "\" xmlns:r=\"" + rel +
                          "\"><x:bookViews><x:workbookView activeTab=\"1\"/></x:bookViews><x:sheets>"
                          "<x:sheet name=\"eins\" sheetId=\"1\" r:id=\"s1\"/><x:sheet name=\"zwei\" sheetId=\"2\" "
                          "r:id=\"s2\"/></x:sheets></x:workbook>"},
      {"xl/_rels/book.xml.rels", "<Relationships xmlns=\"" + pkg + "\"><Relationship Id=\"s1\" Type=\"" + rel +
                                     "/worksheet\" Target=\"/xl/sheets/one.xml\"/><Relationship Id=\"s2\" Type=\"" +
                                     rel + "/worksheet\" Target=\"sheets/../sheets/two.xml\"/><Relationship Id=\"t\" "
                                     "Type=\"" + rel + "/sharedStrings\" Target=\"/xl/strings.xml\"/></Relationships>"},
      {"xl/sheets/one.xml", "<x:worksheet xmlns:x=\"" + main +
                                "\"><x:sheetData><x:row r=\"1\"><x:c r=\"A1\" t=\"s\"><x:v>0</x:v></x:c></x:row>"
                                "</x:sheetData></x:worksheet>"},
      {"xl/sheets/two.xml", "<x:worksheet xmlns:x=\"" + main +
                                "\"><x:sheetData><x:row r=\"1\"><x:c r=\"A1\" t=\"s\"><x:v>1</x:v></x:c></x:row>"
                                "</x:sheetData></x:worksheet>"},
      {"xl/strings.xml", "<x:sst xmlns:x=\"" + main + "\"><x:si><x:t>eins</x:t></x:si><x:si><x:t>zwei</x:t></x:si></x:sst>"},
  };
  ScratchFolder dir;
  test::write_package(dir.file("w.xlsx"), parts);
  WorksheetCells cells;
  std::string error;
  ASSERT_TRUE(read_worksheet(dir.file("w.xlsx"), cells, error)) << error;
  EXPECT_EQ(cells.column_a(), (std::vector<std::string>{"zwei"}));
}

// Replaces one part of the plain one-sheet workbook (an empty content removes it).
std::vector<PackagePart> with_part(std::vector<PackagePart> parts, const std::string& name, const std::string& content) {
  std::erase_if(parts, [&](const PackagePart& p) { return p.first == name; });
  if (!content.empty()) parts.push_back({name, content});
  return parts;
}

TEST(SpreadsheetReader, DamagedWorkbooksGiveAMessage) {
  const std::string row = "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>a</t></is></c></row>";
  const auto plain = test::workbook_parts(row);
  struct Damaged {
    const char* name;
    std::vector<PackagePart> parts;  // empty: the raw bytes below
    std::string raw;
    const char* message_start;
  };
  const std::vector<Damaged> cases = {
      {"empty file", {}, "", "Keine Arbeitsmappe"},
      {"text file", {}, "VX11  -  Scheibenfederberechnung\r\n", "Keine Arbeitsmappe"},
      {"zip header only", {}, std::string("PK\x03\x04", 4) + std::string(40, '\0'), "Keine Arbeitsmappe"},
      {"no workbook part", with_part(plain, "xl/workbook.xml", ""), "", "Arbeitsmappe"},
      {"workbook without sheets", with_part(plain, "xl/workbook.xml", "<workbook><sheets/></workbook>"), "",
       "Arbeitsmappe"},
      {"workbook not XML", with_part(plain, "xl/workbook.xml", "<workbook><sheets>"), "", "Arbeitsmappe"},
      {"sheet part missing", with_part(plain, "xl/worksheets/sheet1.xml", ""), "", "Arbeitsmappe"},
      {"no workbook relationships", with_part(plain, "xl/_rels/workbook.xml.rels", ""), "", "Arbeitsmappe"},
      {"sheet not XML", with_part(plain, "xl/worksheets/sheet1.xml", "<worksheet><sheetData><row>"), "",
       "Arbeitsmappe"},
      {"shared string missing", test::workbook_parts("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>3</v></c></row>", "<si><t>a</t></si>"),
       "", "Arbeitsmappe"},
      {"shared string index not a number",
       test::workbook_parts("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>x</v></c></row>", "<si><t>a</t></si>"), "", "Arbeitsmappe"},
      {"shared strings part missing",
       with_part(test::workbook_parts(row, "<si><t>a</t></si>"), "xl/sharedStrings.xml", ""), "", "Arbeitsmappe"},
      {"rows out of order", test::workbook_parts("<row r=\"2\"/><row r=\"1\"/>"), "", "Arbeitsmappe"},
      {"row beyond the last row", test::workbook_parts("<row r=\"1048577\"/>"), "", "Arbeitsmappe"},
      {"row number not a number", test::workbook_parts("<row r=\"zwei\"/>"), "", "Arbeitsmappe"},
      {"cell reference malformed", test::workbook_parts("<row r=\"1\"><c r=\"1A\"><v>1</v></c></row>"), "",
       "Arbeitsmappe"},
      {"cell in another row", test::workbook_parts("<row r=\"1\"><c r=\"A2\"><v>1</v></c></row>"), "", "Arbeitsmappe"},
      {"column beyond the last column", test::workbook_parts("<row r=\"1\"><c r=\"XFE1\"><v>1</v></c></row>"), "",
       "Arbeitsmappe"},
      {"cells out of order", test::workbook_parts("<row r=\"1\"><c r=\"B1\"/><c r=\"A1\"/></row>"), "", "Arbeitsmappe"},
  };
  for (const Damaged& c : cases) {
    ScratchFolder dir;
    const std::string path = dir.file("w.xlsx");
    if (c.parts.empty()) dir.write("w.xlsx", c.raw);
    else test::write_package(path, c.parts);
    WorksheetCells cells;
    cells.rows.push_back({"alt"});
    std::string error;
    EXPECT_FALSE(read_worksheet(path, cells, error)) << c.name;
    EXPECT_TRUE(error.starts_with(c.message_start)) << c.name << ": " << error;
    EXPECT_NE(error.find(path), std::string::npos) << c.name << ": " << error;
    EXPECT_TRUE(cells.rows.empty()) << c.name;
  }
}

TEST(SpreadsheetReader, MissingFileAndFolder) {
  ScratchFolder dir;
  WorksheetCells cells;
  std::string error;
  EXPECT_FALSE(read_worksheet(dir.file("weg.xlsx"), cells, error));
  EXPECT_EQ(error, "File " + nameText(dir.file("weg.xlsx")) + " not found !");
  EXPECT_FALSE(read_worksheet(dir.str(), cells, error));
  EXPECT_FALSE(error.empty());
}

TEST(SpreadsheetReader, TruncatedWorkbookOfOurOwnWriter) {
  ScratchFolder dir;
  std::vector<SheetRow> rows;
  for (int i = 0; i < 2000; ++i) rows.push_back({"Zeile " + std::to_string(i)});
  std::string error;
  ASSERT_TRUE(write_workbook(dir.file("w.xlsx"), rows, WorkbookLayout{true, '.', {}}, error)) << error;
  const std::string bytes = test::read_file(dir.file("w.xlsx"));
  for (const std::size_t keep : {bytes.size() / 2, bytes.size() - 30, std::size_t{100}}) {
    dir.write("cut.xlsx", bytes.substr(0, keep));
    WorksheetCells cells;
    EXPECT_FALSE(read_worksheet(dir.file("cut.xlsx"), cells, error)) << keep;
    EXPECT_FALSE(error.empty());
  }
  // A flipped byte inside the compressed data: the checksum or the inflater notices.
  std::string flipped = bytes;
  flipped[bytes.size() / 3] = static_cast<char>(flipped[bytes.size() / 3] ^ 0x55);
  dir.write("flip.xlsx", flipped);
  WorksheetCells cells;
  if (!read_worksheet(dir.file("flip.xlsx"), cells, error)) {
    EXPECT_FALSE(error.empty());
  }
}

TEST(SpreadsheetReader, OwnWriterRoundTripOfTextsAndNumbers) {
  ScratchFolder dir;
  const std::vector<SheetRow> rows = {{"Kopf", "", "  1.25"}, {}, {"", "007"}, {"\xC3\xA4_x0041_\x01"}};
  std::string error;
  ASSERT_TRUE(write_workbook(dir.file("w.xlsx"), rows, WorkbookLayout{false, '.', {100, 50}}, error)) << error;
  WorksheetCells cells;
  ASSERT_TRUE(read_worksheet(dir.file("w.xlsx"), cells, error)) << error;
  ASSERT_EQ(cells.rows.size(), 4u);
  EXPECT_EQ(cells.rows[0], (SheetRow{"Kopf", "", "1.25"}));
  EXPECT_TRUE(cells.rows[1].empty());
  EXPECT_EQ(cells.rows[2], (SheetRow{"", "007"}));
  EXPECT_EQ(cells.rows[3], (SheetRow{"\xC3\xA4_x0041_\x01"}));
}

TEST(SpreadsheetWriter, FailuresLeaveThePreviousWorkbook) {
  ScratchFolder dir;
  dir.write("w.xlsx", "bisher");
  std::string error;
  const std::vector<SheetRow> too_long = {{std::string(32768, 'x')}};
  EXPECT_FALSE(write_workbook(dir.file("w.xlsx"), too_long, WorkbookLayout{}, error));
  EXPECT_NE(error.find("zu lang"), std::string::npos) << error;
  EXPECT_EQ(test::read_file(dir.file("w.xlsx")), "bisher");
  EXPECT_FALSE(std::filesystem::exists(dir.file("w.xlsx.part")));

  EXPECT_FALSE(write_workbook(dir.file("nicht/da/w.xlsx"), {{"a"}}, WorkbookLayout{}, error));
  EXPECT_TRUE(error.starts_with("Arbeitsmappe ")) << error;

  // Exactly the most a cell holds is still fine (counted in characters, not bytes).
  const std::vector<SheetRow> longest = {{std::string(32767 / 2, 'x') + std::string(32767 / 2 + 1, 'y')},
                                         {[] {
                                           std::string s;
                                           for (int i = 0; i < 32767; ++i) s += "\xC3\xA4";
                                           return s;
                                         }()}};
  EXPECT_TRUE(write_workbook(dir.file("w.xlsx"), longest, WorkbookLayout{true, '.', {}}, error)) << error;
}

}  // namespace
}  // namespace vx11
