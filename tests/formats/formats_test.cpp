// SPDX-License-Identifier: MIT
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

#include "formats/collection.h"
#include "formats/collection_ratings.h"
#include "formats/import_puzzle.h"
#include "formats/puzzle_index.h"
#include "formats/readers.h"
#include "formats/text_lines.h"
#include "formats/writers.h"
#include "logic/logic_engine.h"
#include "play/kept_games.h"
#include "support/core_fixture.h"
#include "support/temp_dir.h"

namespace gridora::formats {
namespace {

using testing::TempDir;
using namespace std::string_literals;

// A board from its cells in one string, row by row ("." empty).
BoardCodes BoardOf(const std::string& cells) {
  BoardCodes board{};
  const int size = cells.size() == 256 ? 16 : 9;
  for (std::size_t k = 0; k < cells.size(); ++k) {
    board[k] = static_cast<CellCode>(CellDigit(cells[k], size));
  }
  return board;
}

std::string Joined(const std::vector<std::string>& lines, const std::string& end) {
  std::string text;
  for (const std::string& line : lines) text += line + end;
  return text;
}

const std::vector<std::string> kRows = {"2..1.5..3", ".54...71.", ".1.2.3.8.",
                                        "6.28.73.4", ".........", "1.53.98.6",
                                        ".2.7.1.6.", ".81...24.", "7..4.2..1"};
const std::string kCells =
    "2..1.5..3.54...71..1.2.3.8.6.28.73.4.........1.53.98.6.2.7.1.6..81...24.7..4.2..1";
const std::string kTop1 =
    "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........";
const std::string kJanko =
    "D92.....G...43..4CF.....9D.2.6EB.E.1....F.8BC..AG56.....A3C....1.7G5A8....61....2...C....B7"
    ".......AE.964..G......F9.5.7.4............29....A.C..........645D.1......D....1.C.B7F.....E"
    ".C2G...8A9B..9.G52.....EF6.256..F.....D.B.E13.6.D........7A...8BC3....954.";
const std::string kEasy =
    "052006000160900004049803620400000800083201590001000002097305240200009056000100970";

Puzzle Givens(const std::string& cells) {
  Puzzle puzzle;
  puzzle.boardSize = cells.size() == 256 ? 16 : 9;
  puzzle.givens = BoardOf(cells);
  return puzzle;
}

std::string WriteTemp(const TempDir& dir, const std::string& name, const std::string& bytes) {
  const std::string path = dir / name;
  testing::WriteBytes(path, bytes);
  return path;
}

// Every puzzle of the file at `path` through the index.
std::vector<Puzzle> Indexed(const std::string& path, Format& format) {
  PuzzleIndex index;
  const ReadError error = PuzzleIndex::Open(path, index);
  EXPECT_FALSE(error) << DescribeError(path, error);
  std::vector<Puzzle> puzzles(index.size());
  for (std::size_t k = 0; k < index.size(); ++k) EXPECT_FALSE(index.Load(k, puzzles[k]));
  format = index.format();
  return puzzles;
}

TEST(FormatsTest, HandWrittenFilesOfEveryFormatReadIntoTheExactPuzzles) {
  Puzzle sdk = Givens(kCells);
  sdk.author = "山田 太郎";
  sdk.description = "易しい問題";
  sdk.comment = "Just start";
  sdk.date = "2026-12-07";
  sdk.source = "Newspaper";
  sdk.level = "Easy";
  sdk.url = "http://example.org/";
  sdk.entries[1] = 4;                       // the player's 4 in the state
  sdk.notes[2] = 1 << 5 | 1 << 6;           // 6 and 7
  sdk.notes[4] = 1 << 6 | 1 << 7 | 1 << 8;  // 7, 8 and 9; the 9 under the 4 is dropped
  std::vector<std::string> sdkLines = {
      "#A山田 太郎", "#D易しい問題", "#CJust start",          "#B2026-12-07",
      "#SNewspaper", "#LEasy",       "#Uhttp://example.org/", "#Xanother program's line",
      "[Puzzle]"};
  sdkLines.insert(sdkLines.end(), kRows.begin(), kRows.end());
  sdkLines.push_back("[State]");
  sdkLines.push_back("24.1.5..3");
  sdkLines.insert(sdkLines.end(), kRows.begin() + 1, kRows.end());
  sdkLines.push_back("[PencilMarks]");
  sdkLines.push_back(". 9 67 . 789 . . . .");
  for (int r = 1; r < 9; ++r) sdkLines.push_back(". . . . . . . . .");

  Puzzle zeros =
      Givens("530070000600195000098000060800060003400803001700020006060000280000419005000080079");
  std::vector<std::string> rows16;
  for (int r = 0; r < 16; ++r)
    rows16.push_back(kJanko.substr(static_cast<std::size_t>(r) * 16, 16));

  Puzzle ss = Givens(std::string("..6") + std::string(77, '.') + "1");
  Puzzle top = Givens(kTop1);
  top.comment = "top #1";
  Puzzle tdoku = Givens(kTop1);
  tdoku.comment = "1:solution";

  Puzzle v1 = Givens(kEasy);
  v1.author = "Roman & co";
  v1.description = "Ten easy ones";
  v1.date = "2009-01-01";
  v1.source = "Easy set";
  Puzzle v2 = Givens("." + std::string("5") + std::string(79, '.'));
  v2.entries[0] = 7;
  v2.notes[2] = 1 | 1 << 2;
  v2.comment = "mine";
  v2.source = "Hard";
  std::string v2data = "version: 1&#10;7|-|1|5|-|0|0|1,3,|1|";
  for (int k = 3; k < 81; ++k) v2data += "0|-|1|";

  struct Case {
    const char* what;
    std::string bytes;
    Format format;
    std::vector<Puzzle> puzzles;
  } cases[] = {
      {".sdk with properties, state and pencil marks, BOM, CR LF",
       "\xEF\xBB\xBF" + Joined(sdkLines, "\r\n"),
       Format::Sdk,
       {sdk}},
      {".sdk of rows and a property only, LF",
       "#AOnly me\n" + Joined(kRows, "\n"),
       Format::Sdk,
       {[] {
         Puzzle p = Givens(kCells);
         p.author = "Only me";
         return p;
       }()}},
      {"9 lines with zeros, LF, no last line end",
       "530070000\n600195000\n098000060\n800060003\n400803001\n700020006\n060000280\n"
       "000419005\n000080079",
       Format::Grid,
       {zeros}},
      {"16 lines of 16, BOM, CR LF",
       "\xEF\xBB\xBF" + Joined(rows16, "\r\n"),
       Format::Grid,
       {Givens(kJanko)}},
      {".ss with boxes and rules, CR LF",
       "..6|...|...\r\n...|...|...\r\n...|...|...\r\n-----------\r\n...|...|...\r\n"
       "...|...|...\r\n...|...|...\r\n-----------\r\n...|...|...\r\n...|...|...\r\n"
       "...|...|..1\r\n",
       Format::Ss,
       {ss}},
      {".sdm: comments, blank lines, a 16 x 16 line, CR LF and LF mixed, BOM",
       "\xEF\xBB\xBF# top1465, first lines\r\n" + kTop1 + " top #1\r\n\n" + kJanko + "\n" + kTop1 +
           ":1:solution\n",
       Format::Sdm,
       {top, Givens(kJanko), tdoku}},
      {".opensudoku version 1 with the collection's properties",
       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<opensudoku>\n<name>Easy set</name>\n"
       "<author>Roman &amp; co</author>\n<description>Ten easy ones</description>\n"
       "<created>2009-01-01</created>\n<game data=\"" +
           kEasy + "\"/>\n</opensudoku>\n",
       Format::OpenSudoku,
       {v1}},
      {".opensudoku version 2: a game as played, with notes",
       "<opensudoku version=\"2\"><folder name=\"Hard\" created=\"0\">\r\n<game created=\"0\" "
       "state=\"1\" time=\"0\" data=\"" +
           v2data + "\" note=\"mine\"></game>\r\n</folder></opensudoku>",
       Format::OpenSudoku,
       {v2}},
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Format format = Format::Gdr;
    std::vector<Puzzle> puzzles;
    const ReadError error = ReadAll(c.bytes, format, puzzles);
    EXPECT_FALSE(error) << DescribeError("bytes", error);
    EXPECT_EQ(format, c.format);
    EXPECT_EQ(puzzles, c.puzzles);
    // The index of the same bytes in a file gives the same puzzles.
    Format indexedFormat = Format::Gdr;
    EXPECT_EQ(Indexed(WriteTemp(dir, "case", c.bytes), indexedFormat), c.puzzles);
    EXPECT_EQ(indexedFormat, c.format);
  }
}

TEST(FormatsTest, WritersWriteTheExpectedBytesAndReadBackWhatTheFormatKeeps) {
  Puzzle played = Givens(kCells);
  played.author = "山田";
  played.comment = "コメント";
  played.entries[1] = 4;
  played.notes[2] = 1 << 5 | 1 << 6;
  std::string expected = "#A山田\r\n#Cコメント\r\n[Puzzle]\r\n" + Joined(kRows, "\r\n") +
                         "[State]\r\n24.1.5..3\r\n" +
                         Joined(std::vector<std::string>(kRows.begin() + 1, kRows.end()), "\r\n") +
                         "[PencilMarks]\r\n. . 67 . . . . . .\r\n";
  for (int r = 1; r < 9; ++r) expected += ". . . . . . . . .\r\n";
  EXPECT_EQ(WriteSdk(played), expected);
  EXPECT_EQ(WriteSdmLine(played), kCells + " コメント\r\n");
  EXPECT_EQ(WriteSs(Givens(kCells)),
            "2..|1.5|..3\r\n.54|...|71.\r\n.1.|2.3|.8.\r\n-----------\r\n6.2|8.7|3.4\r\n"
            "...|...|...\r\n1.5|3.9|8.6\r\n-----------\r\n.2.|7.1|.6.\r\n.81|...|24.\r\n"
            "7..|4.2|..1\r\n");

  Puzzle big = Givens(kJanko);
  big.comment = "16";
  for (const Format format : kAllFormats) {
    for (const Puzzle& puzzle : {played, big}) {
      SCOPED_TRACE(FormatName(format));
      if (!CanWrite(format, puzzle)) {
        EXPECT_TRUE(format == Format::OpenSudoku && puzzle.boardSize == 16);
        EXPECT_EQ(WriteFile(format, {puzzle}), "");
        continue;
      }
      Format read = Format::Gdr;
      std::vector<Puzzle> back;
      EXPECT_FALSE(ReadAll(WriteFile(format, {puzzle}), read, back));
      EXPECT_EQ(read, format);
      ASSERT_EQ(back.size(), 1u);
      Puzzle kept = KeptBy(format, puzzle);
      if (format == Format::Gdr) kept.comment = puzzle.comment;  // Shift-JIS has both texts
      EXPECT_EQ(back.front(), kept);
    }
  }
  // A file of one puzzle holds one.
  EXPECT_EQ(WriteFile(Format::Sdk, {played, played}), "");
  Format read = Format::Gdr;
  std::vector<Puzzle> back;
  EXPECT_FALSE(ReadAll(WriteFile(Format::OpenSudoku, {played, Givens(kEasy)}), read, back));
  EXPECT_EQ(back.size(), 2u);
}

TEST(FormatsTest, BrokenFilesAreRefusedWithTheLineAndNothingIsLoaded) {
  std::vector<std::string> sdk = {"#Ax", "[Puzzle]"};
  sdk.insert(sdk.end(), kRows.begin(), kRows.end());
  const auto sdkWith = [&](std::size_t from, std::vector<std::string> lines) {
    std::vector<std::string> all(sdk.begin(), sdk.begin() + static_cast<long>(from));
    all.insert(all.end(), lines.begin(), lines.end());
    return Joined(all, "\r\n");
  };
  const std::string xml = "<?xml version=\"1.0\"?>\n";
  struct Case {
    const char* what;
    std::string bytes;
    Failure failure;
    std::size_t line;
  } cases[] = {
      {".sdk cut short", sdkWith(7, {}), Failure::Truncated, 8},
      {".sdk row of 8", sdkWith(4, {"6.28.73."}), Failure::RowLength, 5},
      {".sdk with a letter", sdkWith(5, {".........", "1.53.x8.6"}), Failure::BadCharacter, 7},
      {".sdk with text after it", sdkWith(11, {"", "extra"}), Failure::ExtraText, 13},
      {".sdk state changing a given",
       sdkWith(11, {"[State]", "2..1.5..3", ".54...71.", ".1.2.3.8.", "6.28.73.4", ".........",
                    "1.53.98.6", ".2.7.1.6.", ".31...24.", "7..4.2..1"}),
       Failure::BadSection, 20},
      {".sdk pencil marks too few", sdkWith(11, {"[PencilMarks]", ". . ."}), Failure::RowLength,
       13},
      {".sdk with a NUL", "#A\0x\n"s, Failure::Binary, 1},
      {"grid of 10 rows", Joined(kRows, "\n") + "123456789\n", Failure::ExtraText, 10},
      {"grid cut short", Joined(std::vector<std::string>(kRows.begin(), kRows.begin() + 8), "\n"),
       Failure::Truncated, 9},
      {".ss with a short row", "..6|...|...\n...|...|..\n", Failure::RowLength, 2},
      {".sdm: the third line has 80 cells", kTop1 + "\n" + kTop1 + "\n" + kTop1.substr(1) + "\n",
       Failure::LineLength, 3},
      {".sdm with a letter", kTop1 + "\n" + kTop1.substr(1) + "x\n", Failure::BadCharacter, 2},
      {".opensudoku cut short", xml + "<opensudoku><game data=\"" + kEasy, Failure::BadXml, 2},
      {".opensudoku of another kind", xml + "<html/>", Failure::BadXml, 2},
      {".opensudoku with entities of its own",
       xml + "<!DOCTYPE opensudoku [<!ENTITY a \"aaaa\"><!ENTITY b \"&a;&a;&a;\">]>\n"
             "<opensudoku><game data=\"&b;\"/></opensudoku>",
       Failure::BadXml, 2},
      {".opensudoku game of 80 digits",
       xml + "<opensudoku>\n<game data=\"" + kEasy.substr(1) + "\"/></opensudoku>",
       Failure::BadGameData, 3},
      {".opensudoku game data version 9",
       xml + "<opensudoku><game data=\"version: 9&#10;\"/></opensudoku>", Failure::BadGameData, 2},
      {"binary garbage", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, Failure::Binary, 2},
      {"text of no format", "hello\nworld\n", Failure::UnknownFormat, 1},
      {"an empty file", "", Failure::NoPuzzle, 0},
  };
  TempDir dir;
  PuzzleIndex index;
  const std::string good = WriteTemp(dir, "good.sdm", kTop1 + "\n" + kEasy + "\n");
  ASSERT_FALSE(PuzzleIndex::Open(good, index));
  const auto refused = [&](const std::string& path, Failure failure, std::size_t line) {
    const ReadError error = PuzzleIndex::Open(path, index);
    EXPECT_EQ(error.failure, failure) << DescribeError(path, error);
    EXPECT_EQ(error.line, line) << DescribeError(path, error);
    // The index opened before is untouched.
    EXPECT_EQ(index.path(), good);
    EXPECT_EQ(index.size(), 2u);
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Format format = Format::Gdr;
    std::vector<Puzzle> puzzles;
    const ReadError error = ReadAll(c.bytes, format, puzzles);
    EXPECT_EQ(error.failure, c.failure) << DescribeError("bytes", error);
    EXPECT_EQ(error.line, c.line) << DescribeError("bytes", error);
    EXPECT_TRUE(puzzles.empty());
    refused(WriteTemp(dir, "broken", c.bytes), c.failure, c.line);
  }
  // Not files at all: nothing is read, and a pipe without a writer does not
  // block.
  refused(dir.path().string(), Failure::NotAFile, 0);
  const std::string fifo = dir / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  refused(fifo, Failure::NotAFile, 0);
  refused(dir / "missing.sdk", Failure::CannotOpen, 0);
  // A line of 100 MB in each kind of file is refused at that line without
  // being held.
  const std::string huge(100u << 20, '1');
  for (const auto& [name, head, tail, failure] :
       {std::tuple{"huge.sdm", kTop1 + "\n", std::string("\n"), Failure::LineTooLong},
        std::tuple{"huge.sdk", std::string("#A"), std::string("\n"), Failure::LineTooLong},
        std::tuple{"huge.opensudoku", std::string("<opensudoku><game data=\""), std::string("\"/>"),
                   Failure::LineTooLong}}) {
    SCOPED_TRACE(name);
    const std::string path = dir / name;
    {
      std::ofstream out(path, std::ios::binary);
      out << head << huge << tail;
    }
    refused(path, failure, std::string(name) == "huge.sdm" ? 2 : 1);
    std::filesystem::remove(path);
  }
}

// The place in a collection and its results survive a new opening under
// another name; the results are play mode's records, one key a puzzle; a
// state file of an earlier version gives its results to the records once.
TEST(FormatsTest, CollectionKeepsItsPlaceAndResultsUnderAnyName) {
  TempDir dir;
  // The public collection when it is there, else a small one of ours.
  const std::string shared = GRIDORA_SHARED_PUZZLES "/9x9_magictour_top1465.txt";
  const std::string path = std::filesystem::exists(shared)
                               ? shared
                               : std::string(GRIDORA_TEST_DATA_DIR) + "/../formats/data/sample.sdm";
  PuzzleIndex index;
  ASSERT_FALSE(PuzzleIndex::Open(path, index));
  const std::size_t n = index.size();
  ASSERT_GE(n, 3u);
  std::vector<std::string> lines;
  {
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
  }
  const std::string state = dir / "state";
  const std::string recordsPath = play::RecordsPath(dir / "data");

  Collection first(index, state, recordsPath);
  EXPECT_EQ(first.FirstUnsolved(), 0u);
  Puzzle puzzle;
  ASSERT_FALSE(first.Go(1, puzzle));
  EXPECT_EQ(puzzle.givens, BoardOf(lines[1].substr(0, 81)));
  EXPECT_EQ(first.StatusText(), "問題 2 / " + std::to_string(n));
  // Play mode's solved moment: its records take the result, then save it.
  play::Records records;
  first.Record(records, {312'400, false, "2026-12-07 20:15"});
  EXPECT_EQ(first.ResultOf(1), (PuzzleResult{true, 312, false}));
  ASSERT_FALSE(first.Go(n - 1, puzzle));
  const std::string last = lines[n - 1].substr(0, puzzle.boardSize * puzzle.boardSize);
  EXPECT_EQ(WriteSdmLine(Givens(last)).substr(0, last.size()),
            WriteSdmLine(puzzle).substr(0, last.size()));
  first.Record(records, {5'000, true, "2026-12-07 20:20"});
  ASSERT_TRUE(records.Save(recordsPath));
  EXPECT_TRUE(first.Go(n, puzzle));  // past the end: refused, nothing moves
  EXPECT_EQ(first.position(), n - 1);
  const std::string key = first.RecordKeyOf(1);
  EXPECT_EQ(key, "問題集 " + index.ContentKeyText() + " 2");
  EXPECT_EQ(records.SummaryOf(key).best, 312'400);

  // A copy under another name is the same collection.
  const std::string copy = dir / "copy.txt";
  std::filesystem::copy_file(path, copy);
  PuzzleIndex again;
  ASSERT_FALSE(PuzzleIndex::Open(copy, again));
  EXPECT_EQ(again.contentKey(), index.contentKey());
  Collection second(again, state, recordsPath);
  EXPECT_EQ(second.position(), n - 1);
  EXPECT_EQ(second.ResultOf(1), (PuzzleResult{true, 312, false}));
  EXPECT_EQ(second.ResultOf(n - 1), (PuzzleResult{true, 5, true}));
  EXPECT_FALSE(second.ResultOf(0).solved);
  EXPECT_EQ(second.SolvedCount(), 2u);
  EXPECT_EQ(second.FirstUnsolved(), 0u);  // wraps past the solved last one

  // Another content is another collection. Its state file of an earlier
  // version held a result: the records take it, the file keeps the place.
  const std::string other = WriteTemp(dir, "other.sdm", kTop1 + "\n" + kEasy + "\n");
  PuzzleIndex otherIndex;
  ASSERT_FALSE(PuzzleIndex::Open(other, otherIndex));
  EXPECT_NE(otherIndex.contentKey(), index.contentKey());
  EXPECT_EQ(Collection(otherIndex, state, recordsPath).SolvedCount(), 0u);
  const std::string oldState = state + "/" + otherIndex.ContentKeyText() + ".txt";
  testing::WriteBytes(oldState, "Gridora collection 1\nposition 1\nsolved 0 75 1\nsolved 9 1 0\n");
  const Collection moved(otherIndex, state, recordsPath);
  EXPECT_EQ(moved.position(), 1u);
  EXPECT_EQ(moved.ResultOf(0), (PuzzleResult{true, 75, true}));
  EXPECT_EQ(moved.SolvedCount(), 1u);  // puzzle 9 is not in the file
  EXPECT_EQ(testing::ReadBytes(oldState), "Gridora collection 1\nposition 1\n");
  const play::Records kept = play::Records::Load(recordsPath);
  EXPECT_EQ(kept.SummaryOf(moved.RecordKeyOf(0)).solved, 1);
  EXPECT_EQ(kept.SummaryOf(key).best, 312'400) << "the other collection's results stay";
  EXPECT_EQ(Collection(otherIndex, state, recordsPath).SolvedCount(), 1u) << "moved once";

  // A solved board is full with no repeat; a swap of two cells breaks it.
  BoardCodes solved =
      BoardOf("534678912672195348198342567859761423426853791713924856961537284287419635345286179");
  EXPECT_TRUE(play::IsSolvedBoard(solved, 9));
  std::swap(solved[0], solved[1]);
  EXPECT_FALSE(play::IsSolvedBoard(solved, 9));
  solved[1] = 0;
  EXPECT_FALSE(play::IsSolvedBoard(solved, 9));
}

// The list's ratings: asked for puzzle by puzzle, found on the worker
// thread with the logic engine's ER, and kept for the next list.
TEST(FormatsTest, CollectionRatingsAreFoundInTheBackgroundAndCached) {
  TempDir dir;
  const std::string path = WriteTemp(dir, "three.sdm", kEasy + "\n" + kTop1 + "\n" + kCells + "\n");
  PuzzleIndex index;
  ASSERT_FALSE(PuzzleIndex::Open(path, index));
  std::vector<Rating> expected;
  for (const std::string& cells : {kEasy, kTop1, kCells}) {
    logic::Digits digits{};
    const BoardCodes board = BoardOf(cells);
    for (std::size_t k = 0; k < 81; ++k) digits[k] = static_cast<std::uint8_t>(board[k]);
    const logic::Path solved = logic::SolvePath(9, digits);
    expected.push_back({solved.er, solved.solved});
  }
  ASSERT_GT(expected[1].er, expected[0].er) << "the hard puzzle rates above the easy one";

  std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::size_t> ready;
  const auto readyHook = [&](std::size_t k) {
    const std::lock_guard lock(mutex);
    ready.push_back(k);
    changed.notify_all();
  };
  std::string cache;
  {
    CollectionRatings ratings(index, dir / "ratings", readyHook);
    EXPECT_FALSE(ratings.Find(0));
    for (std::size_t k : {0u, 2u, 1u, 1u, 7u}) ratings.Ask(k);  // twice, and past the end
    std::unique_lock lock(mutex);
    ASSERT_TRUE(changed.wait_for(lock, std::chrono::minutes(5), [&] { return ready.size() == 3; }));
    lock.unlock();
    for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(ratings.Find(k), expected[k]) << k;
    cache = ratings.CachePath();
  }
  EXPECT_EQ(testing::ReadBytes(cache).substr(0, 17), "GridoraRatings 1\n");
  ready.clear();
  CollectionRatings again(index, dir / "ratings", readyHook);
  for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(again.Find(k), expected[k]) << k;
  again.Ask(1);  // known: not rated again
  EXPECT_TRUE(ready.empty());
  EXPECT_EQ(RatingText({90, true}), "9.0");
  EXPECT_EQ(RatingText({72, false}), "7.2+");
  EXPECT_EQ(RatingText({0, false}), "-");
}

class ImportTest : public testing::CoreTest {};

TEST_F(ImportTest, APuzzleReplacesTheModelAndABrokenFileChangesNothing) {
  TempDir dir;
  Puzzle played = Givens(kCells);
  played.author = "山田";
  played.entries[1] = 4;
  ApplyImportedPuzzle(app, played, "ファイルを開きました");
  EXPECT_EQ(state.BoardSize, 9);
  EXPECT_EQ(state.Board[0], 2);
  EXPECT_EQ(state.Board[1], 4);
  EXPECT_EQ(state.PuzzleAuthor, "山田");
  EXPECT_EQ(state.PuzzleDate, "(不明)");
  EXPECT_EQ(state.PuzzleComment, "(なし)");
  EXPECT_EQ(state.PuzzleFileName, "(未定)");
  EXPECT_FALSE(state.DataChanged);
  EXPECT_EQ(screen.informText, "ファイルを開きました");

  // Without a game the player's 4 is told apart from the givens through
  // the original; with one, through the game, which has the notes too.
  Puzzle back = PuzzleOfBoard(state, &played, nullptr);
  EXPECT_EQ(back.givens, played.givens);
  EXPECT_EQ(back.entries, played.entries);
  EXPECT_EQ(back.author, "山田");
  EXPECT_EQ(PuzzleOfBoard(state, nullptr, nullptr).givens[1], 4);
  play::Game game;
  played.notes[2] = 1 << 5;
  ASSERT_TRUE(game.Resume(state, GameOfPuzzle(played)));
  back = PuzzleOfBoard(state, nullptr, &game);
  EXPECT_EQ(back.givens, played.givens);
  EXPECT_EQ(back.entries, played.entries);
  EXPECT_EQ(back.notes, played.notes);

  const AppState before = state;
  const std::string broken = WriteTemp(dir, "broken.sdm", kTop1 + "\n" + kTop1 + "x\n");
  EXPECT_FALSE(OpenPuzzleFileOrTell(app, broken));
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].text,
            broken + " の 2 行目\r\n1行の問題のマスの数が81でも256でもありません。");
  EXPECT_EQ(screen.messages[0].title, "ロード失敗");
  EXPECT_EQ(state.Board, before.Board);
  EXPECT_EQ(state.PuzzleAuthor, before.PuzzleAuthor);
  EXPECT_EQ(screen.informText, "ファイルを開きました");
  EXPECT_TRUE(OpenPuzzleFileOrTell(app, WriteTemp(dir, "good.sdm", kTop1 + "\n")));
}

// .sdk files with the player's digits and pencil marks, read into play mode
// (the digits the player's, the marks the notes), played on, and written by
// "他の形式で保存": the bytes each case expects, written out by hand.
TEST_F(ImportTest, SdkProgressRoundTripsThroughPlayMode) {
  const std::string texts = "#A山田\r\n#Cコメント\r\n";
  const std::string givens = Joined(kRows, "\r\n");
  const std::string rest = Joined(std::vector<std::string>(kRows.begin() + 1, kRows.end()), "\r\n");
  std::string noMarks;
  for (int r = 1; r < 9; ++r) noMarks += ". . . . . . . . .\r\n";
  const std::string played = texts + "[Puzzle]\r\n" + givens + "[State]\r\n24.1.5..3\r\n" + rest +
                             "[PencilMarks]\r\n. . 67 . . . . . .\r\n" + noMarks;
  // 16 x 16: a digit of the player (10) in cell 3, notes 1 and 16 in cell 4.
  ASSERT_EQ(kJanko.substr(0, 5), "D92..");
  std::string bigGivens, bigState, bigMarks;
  for (int r = 0; r < 16; ++r) {
    std::string row = kJanko.substr(static_cast<std::size_t>(r * 16), 16);
    bigGivens += row + "\r\n";
    if (r == 0) row[3] = 'A';
    bigState += row + "\r\n";
    bigMarks +=
        r == 0 ? ". . . . 1G . . . . . . . . . . .\r\n" : ". . . . . . . . . . . . . . . .\r\n";
  }
  struct Case {
    const char* name;
    std::string bytes;
    std::function<void(play::Game&)> play;  // the player's moves, if any
    std::string saved;
  };
  const std::vector<Case> cases = {
      {"givens and texts only: no game", texts + givens, nullptr, texts + givens},
      {"a digit and two notes played", texts + givens,
       [&](play::Game& game) {
         SetCell(app, 1, 4);
         game.Sync(state, {.autoRemove = true, .byPlayer = true});
         game.ToggleNote(2, 6);
         game.ToggleNote(2, 7);
       },
       played},
      {"progress and pencil marks kept", played, nullptr, played},
      {"a digit takes its note from the row", played,
       [&](play::Game& game) {
         SetCell(app, 7, 6);
         game.Sync(state, {.autoRemove = true, .byPlayer = true});
       },
       texts + "[Puzzle]\r\n" + givens + "[State]\r\n24.1.5.63\r\n" + rest +
           "[PencilMarks]\r\n. . 7 . . . . . .\r\n" + noMarks},
      {"the player's notes all cleared", played, [](play::Game& game) { game.ReplaceNotes({}); },
       texts + "[Puzzle]\r\n" + givens + "[State]\r\n24.1.5..3\r\n" + rest},
      {"16 x 16 with progress and notes",
       "[Puzzle]\r\n" + bigGivens + "[State]\r\n" + bigState + "[PencilMarks]\r\n" + bigMarks,
       nullptr,
       "[Puzzle]\r\n" + bigGivens + "[State]\r\n" + bigState + "[PencilMarks]\r\n" + bigMarks},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Puzzle puzzle;
    ASSERT_FALSE(ReadSdk(c.bytes, puzzle));
    ApplyImportedPuzzle(app, puzzle, "ファイルを開きました");
    play::Game game;
    // As the window does: a file with the player's work is a game in play;
    // the puzzle of the second case is played from its start.
    if (puzzle.HasProgress() || c.play) {
      ASSERT_TRUE(game.Resume(state, GameOfPuzzle(puzzle)));
    }
    EXPECT_EQ(game.Active(), puzzle.HasProgress() || c.play != nullptr);
    if (c.play) c.play(game);
    EXPECT_EQ(WriteSdk(PuzzleOfBoard(state, &puzzle, &game)), c.saved);
    // A given stays a given whatever the board: the game refuses it.
    if (game.Active()) {
      EXPECT_TRUE(game.IsGiven(0));
    }
  }
}

}  // namespace
}  // namespace gridora::formats
