// The two HTML pages (report channel 7 and the table browser's "Export HTML") read back by Python's
// own HTML parser: texts from the input and the tables are text, never markup, and the page says
// that its bytes are UTF-8.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "calc/calc_context.h"
#include "calc/table_exchange.h"
#include "calc/table_object.h"
#include "printout_fixture.h"
#include "report/result_report.h"
#include "base/text.h"
#include "tests/support/command_run.h"
#include "tests/tables/table_maker.h"

namespace vx11 {
namespace {

// The tags, the declared character set and the text of a page as html.parser sees them; the page
// must decode as UTF-8 for the parser to see anything.
constexpr const char* kParser = R"(
import sys, html.parser
class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.tags, self.text, self.charset = [], [], 'none'
    def handle_starttag(self, tag, attrs):
        self.tags.append(tag)
        content = dict(attrs).get('content') or ''
        if tag == 'meta' and 'charset=utf-8' in content.lower():
            self.charset = 'utf-8'
    def handle_data(self, data):
        self.text.append(data)
page = Page()
page.feed(open(sys.argv[1], 'rb').read().decode('utf-8'))
print('charset:', page.charset)
print('tags:', ' '.join(sorted(set(page.tags))))
print('text:', ''.join(page.text).replace('\r', '').replace('\n', '|'))
)";

std::string parse_page(const std::string& folder, const std::string& page) {
  const std::string html = folder + "/page.htm";
  const std::string script = folder + "/parse.py";
  std::ofstream(html, std::ios::binary) << page;
  std::ofstream(script, std::ios::binary) << kParser;
  return test::run_command("/usr/bin/python3 '" + script + "' '" + html + "' 2>&1").output;
}

class HtmlPages : public ::testing::Test, public test::PrintoutFixture {
 protected:
  test::ScratchFolder folder{"html"};
};

TEST_F(HtmlPages, ReportChannelSevenEscapesInputTextsAndDeclaresUtf8) {
  rec.inner_part_name = "<img src=//x/a>";
  rec.outer_part_name = "Nabe \"A\" & B";
  ReportSource source = stream.source();
  source.info_text = {"Ma\xE1 & Gr\x94\xE1" "e", "", ""};  // code page 850: "Maß & Größe"
  stream.set_source(source);
  std::ostringstream out;
  auto p = context();
  writeResultReport(p, {kChannelHtml, &out});
  ASSERT_FALSE(cancelled);
  EXPECT_EQ(out.str().find("<img"), std::string::npos);
  const std::string parsed = parse_page(folder.path().string(), out.str());
  EXPECT_NE(parsed.find("charset: utf-8\n"), std::string::npos) << parsed;
  EXPECT_NE(parsed.find("<img src=//x/a>"), std::string::npos) << parsed;  // as text
  EXPECT_NE(parsed.find("Nabe \"A\" & B"), std::string::npos) << parsed;
  EXPECT_NE(parsed.find("Maß & Größe"), std::string::npos) << parsed;
  const auto tags = parsed.substr(parsed.find("tags:"), parsed.find("\ntext:") - parsed.find("tags:"));
  EXPECT_EQ(tags.find(" img"), std::string::npos) << tags;
}

TEST_F(HtmlPages, TableExportEscapesFieldsAndTheFileName) {
  // A file name is the file system's own: umlauts as they are, markup characters escaped.
  const std::string path = folder.file("Pr\xC3\xBC" "f<b>&.dbf");
  make_dbf_table(path, {{"TEXT", 'C', 20, 0, 0}}, {{"<img src=//x/a>"}, {"Gr\x94\xE1" "e & Ma\xE1"}});
  ConnectionRecord r;
  MessageList m;
  BatchInteraction batch_ui;
  ScriptedTableBrowser browser;
  TableObject tables{browser};
  int help = 0;
  tables.set_folders(folder.path().string(), folder.path().string());
  CalcContext ctx{r, m, format, tables, batch_ui, help};
  ASSERT_TRUE(tables.open_table(ctx, path));
  std::ostringstream out;
  write_table_html(out, tables, format, {"VX11", "01.02.2026", "9:05"});
  EXPECT_EQ(out.str().find("<img"), std::string::npos);
  const std::string parsed = parse_page(folder.path().string(), out.str());
  EXPECT_NE(parsed.find("charset: utf-8\n"), std::string::npos) << parsed;
  EXPECT_NE(parsed.find("<img src=//x/a>"), std::string::npos) << parsed;
  EXPECT_NE(parsed.find("Größe & Maß"), std::string::npos) << parsed;
  EXPECT_NE(parsed.find("Prüf<b>&.dbf"), std::string::npos) << parsed;
  EXPECT_EQ(parsed.find(" b "), std::string::npos) << parsed;
  EXPECT_EQ(parsed.find(" img"), std::string::npos) << parsed;
}

}  // namespace
}  // namespace vx11
