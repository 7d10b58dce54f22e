// SPDX-License-Identifier: MIT
#include "core/html_export.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/encoding.h"
#include "core/line_field_reader.h"
#include "support/core_fixture.h"
#include "support/temp_dir.h"

namespace gridora {
namespace {

using testing::ReadBytes;
using testing::TestDataPath;

// Lines joined with CR LF after each, as the export writes them.
std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

class HtmlExportTest : public testing::CoreTest {
 protected:
  void Put(int row, int column, int code) {
    state.Board[static_cast<std::size_t>(row * state.BoardSize + column)] =
        static_cast<CellCode>(code);
  }
};

TEST_F(HtmlExportTest, plainTableOf9x9MatchesTheHandWrittenPage) {
  state.CharacterList = "A,,C,D,E,F,G,H,<I>";  // item 2 empty, item 9 with markup
  state.PuzzleAuthor = "<b>& 太郎";
  state.PuzzleDate = "2026/12/07";
  state.PuzzleComment = "say \"hi\"";
  Put(0, 0, 1);
  Put(0, 4, 5);
  Put(0, 8, MakeCode(3, kClassGreen));
  Put(1, 3, MakeCode(2, kClassYellow));
  Put(1, 8, 9);
  Put(2, 1, 2);
  Put(3, 3, 3);
  Put(4, 4, 4);
  Put(5, 7, 6);
  Put(6, 2, 7);
  Put(7, 0, MakeCode(8, kClassGreen));
  Put(8, 8, 8);
  EXPECT_EQ(BuildHtmlTable(state), ReadBytes(TestDataPath("html/table9.html")));
}

TEST_F(HtmlExportTest, plainTableOf16x16MatchesTheHandWrittenPage) {
  NewPuzzle16(app);
  state.CharacterList = "1,2,3,4,5,6,7,8,9,A,B,C,D,E,F,16";
  state.PuzzleAuthor = "<b>&";
  state.PuzzleDate = "";
  state.PuzzleComment = "";
  Put(0, 0, 16);
  Put(0, 15, 1);
  Put(1, 5, MakeCode(7, kClassGreen));
  Put(2, 12, 10);
  Put(5, 4, 12);
  Put(6, 6, MakeCode(3, kClassYellow));
  Put(9, 9, 9);
  Put(11, 13, 14);
  Put(14, 2, MakeCode(15, kClassGreen));
  Put(15, 15, 11);
  EXPECT_EQ(BuildHtmlTable(state), ReadBytes(TestDataPath("html/table16.html")));
}

TEST_F(HtmlExportTest, plainTableTakesTheBackgroundsFromTheSettings) {
  state.settings.HtmlColor = {Rgb(1, 2, 3), Rgb(0x12, 0x34, 0x56), Rgb(0xAB, 0xCD, 0xEF)};
  const std::string table = BuildHtmlTable(state);
  EXPECT_NE(table.find("  <TR ALIGN=center bgcolor=\"#123456\">\r\n"
                       "    <TD height=\"20\" width=\"20\">&nbsp;</TD>\r\n"),
            std::string::npos);
  EXPECT_NE(table.find("    <TD width=\"20\" bgcolor=\"#ABCDEF\">&nbsp;</TD>\r\n"),
            std::string::npos);
  EXPECT_NE(table.find("  <TR ALIGN=center bgcolor=\"#ABCDEF\">\r\n"
                       "    <TD height=\"20\">&nbsp;</TD>\r\n"
                       "    <TD>&nbsp;</TD>\r\n"
                       "    <TD>&nbsp;</TD>\r\n"
                       "    <TD bgcolor=\"#123456\">&nbsp;</TD>\r\n"),
            std::string::npos);
  EXPECT_EQ(table.find("010203"), std::string::npos);  // the text colour is no background
}

TEST(TemplateFieldsTest, splitsAndUnquotesLikeTheFieldReader) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"plain lines pass unchanged",
       "<html>\r\n<p>a \"b\" c</p>\r\n",
       {"<html>", "<p>a \"b\" c</p>"}},
      {"leading blanks are dropped", "   <p>x</p>  \r\n", {"<p>x</p>  "}},
      {"a comma splits, the next field loses its blank", "f(a, b)\r\n", {"f(a", "b)"}},
      {"two commas give three lines", "x,,y", {"x", "", "y"}},
      {"a comma at the end gives an empty field", "last,\r\n", {"last", ""}},
      {"a quoted field keeps its commas", "\"g(a, b);\"\r\n", {"g(a, b);"}},
      {"blanks before the quote go, blanks inside stay", "  \"  k(1, 2)\"\r\n", {"  k(1, 2)"}},
      {"text after the closing quote is dropped", "\"q, r\" tail\r\nnext\r\n", {"q, r", "next"}},
      {"a field after a quoted one", "\"q, r\" tail, s\r\n", {"q, r", "s"}},
      {"a quoted field runs across line ends, which stay in it",
       "\"f(a,\r\n\r\n  b)\" tail, c\nd\r\n",
       {"f(a,\r\n\r\n  b)", "c", "d"}},
      {"a quote that never closes runs to the end of the text",
       "\"open, end\r\nnext, last\r\n",
       {"open, end\r\nnext, last"}},
      {"empty lines are empty fields", "a\r\n\r\n\r\nb\r\n", {"a", "", "", "b"}},
      {"line feeds alone end lines too", "a\nb, c\n", {"a", "b", "c"}},
      {"an empty text has no fields", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadTemplateFields(c.text), CrLfLines(c.lines));
  }
}

TEST_F(HtmlExportTest, boxOrderStringReadsBoxByBoxAndRowByRowInside) {
  for (int i = 0; i < 81; ++i)
    state.Board[static_cast<std::size_t>(i)] = static_cast<CellCode>(i % 9 + 1);
  EXPECT_EQ(BoxOrderPuzzleString(state),
            "123123123456456456789789789"
            "123123123456456456789789789"
            "123123123456456456789789789");
  for (int i = 0; i < 81; ++i)
    state.Board[static_cast<std::size_t>(i)] = static_cast<CellCode>(i / 9 + 1);
  EXPECT_EQ(BoxOrderPuzzleString(state),
            "111222333111222333111222333"
            "444555666444555666444555666"
            "777888999777888999777888999");
}

TEST_F(HtmlExportTest, boxOrderStringWritesSolverDigitsAndEmptyCellsAsZero) {
  Put(0, 1, MakeCode(4, kClassGreen));
  Put(0, 3, 7);
  Put(1, 0, MakeCode(9, kClassYellow));
  Put(4, 4, 5);
  Put(8, 8, 12);  // a code past 9 from a file: the last character of " 12"
  EXPECT_EQ(BoxOrderPuzzleString(state),
            "000000000700000000000000000"
            "000000000000050000000000000"
            "000000000000000000000000002");
}

// The characters go in escaped as the table's cells, an empty one as
// "&nbsp;", and neither they nor the author can take another's placeholder.
TEST_F(HtmlExportTest, gamePageFillsTheFirstOfEachPlaceholder) {
  state.settings.GifPath = "img/";
  state.PuzzleAuthor = "<b>&[gdrchar]";
  state.PuzzleComment = "a \"b\" c";
  state.CharacterList = "A,<b>,&,[comment],,six,7,8,9,10";
  Put(0, 0, 5);
  Put(0, 1, MakeCode(3, kClassGreen));
  Put(8, 8, 9);
  const std::string page = BuildGamePage(state,
                                         "<html>\r\n"
                                         "<div>[comment]</div>\r\n"
                                         "<ol>[gdrchar]</ol>\r\n"
                                         "<script>const gif = '[gifpath]';</script>\r\n"
                                         "  \"const data = '[gdrdata]', n = 81;\"\r\n"
                                         "again [gifpath][gdrdata][comment][gdrchar]\r\n");
  EXPECT_EQ(page, CrLfLines({
                      "<html>",
                      "<div><FONT COLOR = \"Blue\">作者</FONT><BR>",
                      "&lt;b&gt;&amp;[gdrchar]<BR>",
                      "<BR>",
                      "<FONT COLOR = \"Blue\">コメント</FONT><BR>",
                      "a &quot;b&quot; c<BR>",
                      "</div>",
                      "<ol><li>A</li><li>&lt;b&gt;</li><li>&amp;</li><li>&#91;comment]</li>"
                      "<li>&nbsp;</li><li>six</li><li>7</li><li>8</li><li>9</li></ol>",
                      "<script>const gif = 'img/';</script>",
                      "const data = '500000000000000000000000000"
                      "000000000000000000000000000"
                      "000000000000000000000000009', n = 81;",
                      "again [gifpath][gdrdata][comment][gdrchar]",
                  }));
}

TEST_F(HtmlExportTest, gamePageWithoutCommentPlaceholderHasNoAuthorBlock) {
  state.PuzzleAuthor = "someone";
  const std::string page = BuildGamePage(state, "<p>[gdrdata]</p>\r\n<p>[gifpath]</p>\r\n");
  EXPECT_EQ(page, CrLfLines({"<p>" + std::string(81, '0') + "</p>", "<p>gdr_cg/</p>"}));
}

TEST(ReplaceFirstTest, replacesOnlyTheFirstOccurrence) {
  EXPECT_EQ(ReplaceFirst("a[x]b[x]", "[x]", "1"), "a1b[x]");
  EXPECT_EQ(ReplaceFirst("[x]", "[x]", ""), "");
  EXPECT_EQ(ReplaceFirst("none", "[x]", "1"), "none");
  EXPECT_EQ(ReplaceFirst("[x", "[x]", "1"), "[x");
}

// The shipped template, written for the field reader: every line comes out
// as one line of its own, flush left, and a line wrapped in double quotes
// loses exactly those quotes.
TEST(ShippedTemplateTest, everyLineComesThroughAsWritten) {
  const std::string path = std::string(GRIDORA_APP_DATA_DIR) + "/" + kGameTemplateName;
  const std::optional<std::string> text = ReadGameTemplate(path);
  ASSERT_TRUE(text.has_value()) << path;
  ASSERT_TRUE(Utf8ToShiftJis(*text).has_value()) << "the template is Shift-JIS";
  std::vector<std::string> intended;
  for (std::string line : SplitLines(*text)) {
    line.erase(0, line.find_first_not_of(' ') == std::string::npos ? line.size()
                                                                   : line.find_first_not_of(' '));
    if (!line.empty() && line.front() == '"') {
      ASSERT_EQ(line.back(), '"') << line;
      line = line.substr(1, line.size() - 2);
      ASSERT_EQ(line.find('"'), std::string::npos) << line;
    } else {
      ASSERT_EQ(line.find(','), std::string::npos) << "a comma outside quotes: " << line;
    }
    intended.push_back(line);
  }
  EXPECT_EQ(ReadTemplateFields(*text), CrLfLines(intended));
  // One of each placeholder, so the export fills them all.
  for (const char* placeholder : {"[gifpath]", "[gdrdata]", "[comment]", "[gdrchar]"}) {
    const std::size_t first = text->find(placeholder);
    EXPECT_NE(first, std::string::npos) << placeholder;
    EXPECT_EQ(text->find(placeholder, first + 1), std::string::npos) << placeholder;
  }
}

TEST_F(HtmlExportTest, missingTemplateIsReportedAndGivesNoPage) {
  testing::TempDir scratch;
  for (const std::string& path : {scratch / "js-gdr.dat", scratch.path().string()}) {
    SCOPED_TRACE(path);
    screen.messages.clear();
    EXPECT_FALSE(ExportGamePage(app, path).has_value());
    ASSERT_EQ(screen.messages.size(), 1u);
    EXPECT_EQ(screen.messages[0].text,
              "ファイル\"js-gdr.dat\"が見つかりません\r\nHTMLに変換できません");
    EXPECT_EQ(screen.messages[0].title, "変換失敗");
    EXPECT_EQ(screen.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(screen.messages[0].icon, MessageIcon::Information);
  }
}

TEST_F(HtmlExportTest, templateIsReadAsShiftJis) {
  testing::TempDir scratch;
  testing::WriteBytes(scratch / "js-gdr.dat",
                      *Utf8ToShiftJis("<title>ナンプレ</title>\r\n[gdrdata]\r\n"));
  const std::optional<std::string> page = ExportGamePage(app, scratch / "js-gdr.dat");
  ASSERT_TRUE(page.has_value());
  EXPECT_EQ(*page, CrLfLines({"<title>ナンプレ</title>", std::string(81, '0')}));
  EXPECT_TRUE(screen.messages.empty());
}

}  // namespace
}  // namespace gridora
