// SPDX-License-Identifier: MIT
#include "core/puzzle_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app_state.h"
#include "core/encoding.h"

namespace gridora {
namespace {

// A file made of `lines` (UTF-8) in Shift-JIS, each ended by CR LF.
std::string FileOf(const std::vector<std::string>& lines, const char* ending = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + ending;
  const auto sjis = Utf8ToShiftJis(text);
  EXPECT_TRUE(sjis);
  return sjis.value_or("");
}

std::vector<std::string> Rows9() {
  return {"530070000", "600195000", "098000060", "800060003", "400803001",
          "700020006", "060000280", "000419005", "000080079"};
}

// A version 2.1 file; `middle` replaces the sections between the header
// and the data rows when given.
std::vector<std::string> File21(std::vector<std::string> middle = {}) {
  std::vector<std::string> lines = {"Gridoraデータ ver 2.1", ""};
  if (middle.empty()) {
    middle = {"[Size]    // 9 or 16",
              " 9",
              "[Author]  // 作者の名前",
              "鈴木",
              "[Date]    // 制作日",
              "2026/01/02",
              "[Comment] // コメント",
              "やさしい",
              "[Character] // キャラクター",
              "A,B,C,D,E,F,G,H,I",
              "[Enabled] // データの変更可能か",
              "False",
              "",
              "[Data]    // データ"};
  }
  lines.insert(lines.end(), middle.begin(), middle.end());
  for (const std::string& row : Rows9()) lines.push_back(row);
  return lines;
}

PuzzleFile MustParse(const std::string& bytes) {
  const PuzzleParse parse = ParsePuzzleFile(bytes);
  EXPECT_EQ(parse.error, PuzzleFileError::None) << DescribePuzzleFileError(parse.error);
  return parse.puzzle.value_or(PuzzleFile{});
}

PuzzleFileError ErrorOf(const std::string& bytes) {
  const PuzzleParse parse = ParsePuzzleFile(bytes);
  EXPECT_EQ(parse.puzzle.has_value(), parse.error == PuzzleFileError::None);
  return parse.error;
}

TEST(PuzzleFormatTest, version21ReadsEverySection) {
  const PuzzleFile p = MustParse(FileOf(File21()));
  EXPECT_EQ(p.version, 21);
  EXPECT_EQ(p.BoardSize, 9);
  EXPECT_EQ(p.PuzzleAuthor, "鈴木");
  EXPECT_EQ(p.PuzzleDate, "2026/01/02");
  EXPECT_EQ(p.PuzzleComment, "やさしい");
  EXPECT_EQ(p.CharacterList, "A,B,C,D,E,F,G,H,I");
  EXPECT_FALSE(p.PuzzleEnabled);
  EXPECT_EQ(p.Board[0], 5);
  EXPECT_EQ(p.Board[4], 7);
  EXPECT_EQ(p.Board[80], 9);
  EXPECT_EQ(p.Board[81], 0);
}

TEST(PuzzleFormatTest, version20HasNoCharacterSectionAndTakesTheDefaultList) {
  // Version 2.1 needs the section.
  EXPECT_EQ(ErrorOf(FileOf(File21({"[Size]", " 9", "[Author]", "a", "[Date]", "d", "[Comment]", "c",
                                   "[Enabled]", "True", "[Data]"}))),
            PuzzleFileError::MissingSection);
  std::vector<std::string> lines =
      File21({"[Size]    // 9 or 16", "16", "[Author]", "作者", "[Date]", "日付", "[Comment]",
              "コメント", "[Enabled]", "True", "[Data]"});
  lines[0] = "Gridoraデータ ver 2.0";
  lines.resize(lines.size() - 9);
  for (int r = 0; r < 16; ++r) lines.push_back(r == 3 ? "000000000000000g" : "0000000000000000");
  const PuzzleFile q = MustParse(FileOf(lines));
  EXPECT_EQ(q.version, 20);
  EXPECT_EQ(q.BoardSize, 16);
  EXPECT_EQ(q.CharacterList, kDigits16);
  EXPECT_EQ(q.PuzzleAuthor, "作者");
  EXPECT_EQ(q.PuzzleComment, "コメント");
  EXPECT_TRUE(q.PuzzleEnabled);
  EXPECT_EQ(q.Board[3 * 16 + 15], 16);
}

TEST(PuzzleFormatTest, version10IsA9x9BoardWithUnknownProperties) {
  std::vector<std::string> lines = {"Gridoraデータ ver 1.0", "anything at all"};
  for (const std::string& row : Rows9()) lines.push_back(row);
  const PuzzleFile p = MustParse(FileOf(lines));
  EXPECT_EQ(p.version, 10);
  EXPECT_EQ(p.BoardSize, 9);
  EXPECT_EQ(p.PuzzleAuthor, "(不明)");
  EXPECT_EQ(p.PuzzleDate, "(不明)");
  EXPECT_EQ(p.PuzzleComment, "(なし)");
  EXPECT_EQ(p.CharacterList, kDigits9);
  EXPECT_TRUE(p.PuzzleEnabled);
  EXPECT_EQ(p.Board[8 * 9 + 8], 9);
}

TEST(PuzzleFormatTest, headersAreComparedExactly) {
  for (const char* header :
       {"Gridoraデータ ver 2.2", "gridoraデータ ver 2.1", "GRIDORAデータ VER 2.1",
        "Gridoraデータ ver 2.1 ", "Gridoraデータ  ver 2.1", ""}) {
    std::vector<std::string> lines = File21();
    lines[0] = header;
    EXPECT_EQ(ErrorOf(FileOf(lines)), PuzzleFileError::UnknownHeader) << header;
  }
  EXPECT_EQ(ErrorOf(""), PuzzleFileError::UnknownHeader);
  // The header is a field: leading blanks and what follows a comma do not count.
  std::vector<std::string> lines = File21();
  lines[0] = "  Gridoraデータ ver 2.1,extra";
  EXPECT_EQ(MustParse(FileOf(lines)).PuzzleAuthor, "鈴木");
}

TEST(PuzzleFormatTest, sizeOtherThanNineMeans16) {
  for (const char* size : {" 16", "16", "12", "abc"}) {
    std::vector<std::string> lines =
        File21({"[Size]", size, "[Author]", "a", "[Date]", "d", "[Comment]", "c", "[Character]",
                kDigits16, "[Enabled]", "True", "[Data]"});
    lines.resize(lines.size() - 9);
    for (int r = 0; r < 16; ++r) lines.push_back("123456789abcdefg");
    const PuzzleFile p = MustParse(FileOf(lines));
    EXPECT_EQ(p.BoardSize, 16) << size;
    EXPECT_EQ(p.Board[255], 16) << size;
  }
  EXPECT_EQ(MustParse(FileOf(File21({"[Size]", "9", "[Author]", "a", "[Date]", "d", "[Comment]",
                                     "c", "[Character]", kDigits9, "[Enabled]", "1", "[Data]"})))
                .BoardSize,
            9);
}

TEST(PuzzleFormatTest, enabledValueReadsWordsAndNumbers) {
  const std::vector<std::pair<const char*, bool>> cases = {
      {"True", true},
      {"FALSE", false},
      {"false", false},
      {"tRuE", true},
      {"0", false},
      {" 0 ", false},
      {"-1", true},
      {"2.5", true},
      {"0.0", false},
      {"&H0", false},
      {"&H1F", true},
      {"yes", true},
      {"", true},
      {"0x", true},
      {"Falsehood", true},
      // Too large for a double is still a number other than 0; too small
      // is 0, as the double holds it.
      {"1e999", true},
      {"-1E999", true},
      {"0.001e400", true},
      {"1e-999", false},
      {"0e999", false},
  };
  for (const auto& [value, expected] : cases) {
    const PuzzleFile p =
        MustParse(FileOf(File21({"[Size]", " 9", "[Author]", "a", "[Date]", "d", "[Comment]", "c",
                                 "[Character]", kDigits9, "[Enabled]", value, "[Data]"})));
    EXPECT_EQ(p.PuzzleEnabled, expected) << '"' << value << '"';
  }
}

TEST(PuzzleFormatTest, valueNamingTheNextTagStaysAValue) {
  const PuzzleFile p =
      MustParse(FileOf(File21({"[Size]", " 9", "[Author]", "see [Date]", "[Date]", "2026/03/04",
                               "[Comment]", "[Character] and [Enabled] and [Data]", "[Character]",
                               "1,2,3,4,5,6,7,8,9", "[Enabled]", "[Data]?", "[Data]"})));
  EXPECT_EQ(p.PuzzleAuthor, "see [Date]");
  EXPECT_EQ(p.PuzzleDate, "2026/03/04");
  EXPECT_EQ(p.PuzzleComment, "[Character] and [Enabled] and [Data]");
  EXPECT_EQ(p.CharacterList, "1,2,3,4,5,6,7,8,9");
  EXPECT_EQ(p.Board[0], 5);
}

TEST(PuzzleFormatTest, textBetweenSectionsIsSkippedAndTagsStandAnywhere) {
  const PuzzleFile p = MustParse(FileOf(File21({"; a note",
                                                "",
                                                "  here is [Size] with words",
                                                " 9",
                                                "junk",
                                                "junk, with comma",
                                                "[Author][Date]",
                                                "山本, 一郎",
                                                "x[Date]x",
                                                "d",
                                                "[Comment]",
                                                "c",
                                                "",
                                                "",
                                                "[Character]",
                                                "1,2,3,4,5,6,7,8,9",
                                                "[Enabled]",
                                                "True",
                                                "more junk",
                                                "before,[Data]"})));
  EXPECT_EQ(p.PuzzleAuthor, "山本, 一郎");  // a line read keeps commas
  EXPECT_EQ(p.PuzzleDate, "d");
  // "after" is the rest of the [Data] line: a field, which then fails as row 0.
  std::vector<std::string> lines = File21();
  lines[15] = "[Data],after";
  EXPECT_EQ(ErrorOf(FileOf(lines)), PuzzleFileError::ShortRow);
}

TEST(PuzzleFormatTest, rowsAreFields) {
  std::vector<std::string> lines = File21();
  lines[16] = "  530070000";     // leading blanks skipped
  lines[17] = "\"600195000\"";   // a quoted field
  lines[18] = "098000060,1234";  // the rest goes to the next read...
  EXPECT_EQ(ErrorOf(FileOf(lines)), PuzzleFileError::ShortRow);  // ...which is row 3
  lines[18] = "0980000601234";                                   // longer rows are cut to N
  const PuzzleFile p = MustParse(FileOf(lines));
  EXPECT_EQ(p.Board[0], 5);
  EXPECT_EQ(p.Board[9], 6);
  EXPECT_EQ(p.Board[2 * 9 + 8], 0);
}

TEST(PuzzleFormatTest, fieldReadsSkipLeadingSpacesButNotTabs) {
  std::vector<std::string> lines = File21();
  lines[0] = "\tGridoraデータ ver 2.1";
  EXPECT_EQ(ErrorOf(FileOf(lines)), PuzzleFileError::UnknownHeader);
  lines = File21();
  lines[16] = "\t530070000";  // the tab is the row's first cell character
  EXPECT_EQ(ErrorOf(FileOf(lines)), PuzzleFileError::BadCharacter);
  lines[16] = "   530070000";
  EXPECT_EQ(MustParse(FileOf(lines)).Board[0], 5);
}

TEST(PuzzleFormatTest, anyLineEndingReadsAlike) {
  const PuzzleFile crlf = MustParse(FileOf(File21()));
  for (const char* ending : {"\n", "\r"}) {
    const PuzzleFile other = MustParse(FileOf(File21(), ending));
    EXPECT_EQ(other.Board, crlf.Board);
    EXPECT_EQ(other.PuzzleComment, crlf.PuzzleComment);
    EXPECT_EQ(other.CharacterList, crlf.CharacterList);
  }
  std::string noFinalEnding = FileOf(File21());
  noFinalEnding.resize(noFinalEnding.size() - 2);
  EXPECT_EQ(MustParse(noFinalEnding).Board, crlf.Board);
}

TEST(PuzzleFormatTest, malformedBodiesAreRefused) {
  const auto withRow = [](int r, const std::string& row) {
    std::vector<std::string> lines = File21();
    lines[16 + static_cast<std::size_t>(r)] = row;
    return FileOf(lines);
  };
  EXPECT_EQ(ErrorOf(withRow(4, "40080300")), PuzzleFileError::ShortRow);
  EXPECT_EQ(ErrorOf(withRow(4, "")), PuzzleFileError::ShortRow);
  EXPECT_EQ(ErrorOf(withRow(0, "53007000h")), PuzzleFileError::BadCharacter);
  EXPECT_EQ(ErrorOf(withRow(0, "5300700A0")), PuzzleFileError::BadCharacter);
  EXPECT_EQ(ErrorOf(withRow(0, "53007 000")), PuzzleFileError::BadCharacter);
  EXPECT_EQ(ErrorOf(withRow(0, "53007/000")), PuzzleFileError::BadCharacter);
  EXPECT_EQ(ErrorOf(withRow(0, "５30070000")), PuzzleFileError::BadCharacter);
  EXPECT_EQ(ErrorOf(withRow(8, "00008007a")), PuzzleFileError::DigitTooLarge);

  std::vector<std::string> lines = File21();
  lines.pop_back();
  const PuzzleParse missing = ParsePuzzleFile(FileOf(lines));
  EXPECT_EQ(missing.error, PuzzleFileError::MissingRow);
  EXPECT_EQ(missing.line, 25u);

  for (std::size_t cut : {2u, 3u, 4u, 5u, 13u, 15u}) {  // end before a tag, a value or [Data]
    const std::vector<std::string> all = File21();
    const std::vector<std::string> head(all.begin(), all.begin() + static_cast<long>(cut));
    EXPECT_EQ(ErrorOf(FileOf(head)), PuzzleFileError::MissingSection) << cut;
  }
  std::vector<std::string> v1 = {"Gridoraデータ ver 1.0"};
  EXPECT_EQ(ErrorOf(FileOf(v1)), PuzzleFileError::MissingRow);

  EXPECT_EQ(ErrorOf(FileOf(File21()) + std::string(kMaxPuzzleFileBytes, ' ')),
            PuzzleFileError::TooLarge);
}

TEST(PuzzleFormatTest, strayBytesInTextsBecomeQuestionMarks) {
  std::string bytes = FileOf(File21());
  const std::string comment = *Utf8ToShiftJis("やさしい");
  const std::size_t at = bytes.find(comment);
  ASSERT_NE(at, std::string::npos);
  bytes.replace(at, 2, "\xFF");  // not a Shift-JIS byte
  const PuzzleFile p = MustParse(bytes);
  EXPECT_EQ(p.PuzzleComment, "?さしい");
  // A lead byte at the end of a line has no trail byte.
  bytes = FileOf(File21());
  bytes.insert(bytes.find("\r\n", bytes.find(comment)), "\x82");
  EXPECT_EQ(MustParse(bytes).PuzzleComment, "やさしい?");
  EXPECT_EQ(MustParse(bytes).Board[0], 5);
}

TEST(PuzzleFormatTest, cellCharactersRoundTrip) {
  const std::string expected = "0123456789abcdefg";
  for (int digit = 0; digit <= 16; ++digit) {
    EXPECT_EQ(CellCharacterOf(digit), expected[static_cast<std::size_t>(digit)]);
    EXPECT_EQ(DigitOfCellCharacter(expected[static_cast<std::size_t>(digit)]), digit);
  }
  for (char c : std::string("h/:AG` ,\x81")) EXPECT_EQ(DigitOfCellCharacter(c), -1) << c;
}

PuzzleFile Sample9() {
  PuzzleFile p;
  p.BoardSize = 9;
  p.CharacterList = kDigits9;
  p.PuzzleAuthor = "a";
  p.PuzzleDate = "d";
  p.PuzzleComment = "c";
  return p;
}

TEST(PuzzleFormatTest, writerStoresBlackDigitsOnly) {
  PuzzleFile p = Sample9();
  p.Board[0] = MakeCode(7, kClassGreen);
  p.Board[1] = MakeCode(7, kClassBlack);
  p.Board[2] = MakeCode(3, kClassYellow);
  p.Board[80] = MakeCode(12, kClassBlack);  // no such digit on a 9 x 9 board
  const std::string bytes = FormatPuzzleFile(p);
  EXPECT_NE(bytes.find("\r\n070000000\r\n"), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 13), "\r\n000000000\r\n");
  const PuzzleFile back = MustParse(bytes);
  EXPECT_EQ(back.Board[0], 0);
  EXPECT_EQ(back.Board[1], 7);
  EXPECT_EQ(back.Board[2], 0);
  EXPECT_EQ(back.Board[80], 0);
}

TEST(PuzzleFormatTest, writerKeepsTheFirstLineOfEachTextAndReplacesUnknownCharacters) {
  PuzzleFile p = Sample9();
  p.PuzzleComment = "first line\r\n[Character]\nA,B";
  p.PuzzleAuthor = "smile \xF0\x9F\x98\x80 end";  // an emoji has no Shift-JIS form
  p.CharacterList = "1,2,3,4,5,6,7,8,9";
  const std::string bytes = FormatPuzzleFile(p);
  EXPECT_NE(bytes.find("[Comment] // \x83\x52\x83\x81\x83\x93\x83\x67\r\nfirst line\r\n[Char"),
            std::string::npos);
  const PuzzleFile back = MustParse(bytes);
  EXPECT_EQ(back.PuzzleComment, "first line");
  EXPECT_EQ(back.CharacterList, "1,2,3,4,5,6,7,8,9");
  EXPECT_EQ(back.PuzzleAuthor, "smile ? end");
}

}  // namespace
}  // namespace gridora
