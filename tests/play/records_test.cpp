// SPDX-License-Identifier: MIT
#include "play/records.h"

#include "play/kept_games.h"
#include "support/temp_dir.h"

namespace gridora::testing {
namespace {

using play::GameResult;
using play::Records;

// Best and average count unhelped results only; the last twenty are kept
// one by one, newest first; the store reads back what it wrote and skips
// lines it cannot read.
TEST(RecordsTest, summariesSurviveTheFileAndDamagedLinesAreSkipped) {
  Records records;
  const std::string nine = play::RecordKey(9, "標準");
  EXPECT_EQ(nine, "9 x 9 標準");
  EXPECT_TRUE(records.Add(nine, {300000, false, "2026-12-07 20:00"}));
  EXPECT_FALSE(records.Add(nine, {200000, true, "2026-12-07 20:10"})) << "helped: never a best";
  EXPECT_TRUE(records.Add(nine, {240000, false, "2026-12-07 20:20"}));
  EXPECT_FALSE(records.Add(nine, {270000, false, "2026-12-07 20:30"}));
  for (int k = 0; k < 20; ++k) records.Add("book\t7", {1000 + k, false, "d"});

  TempDir dir;
  const std::string path = play::RecordsPath(dir / "data");
  ASSERT_TRUE(records.Save(path));
  const Records back = Records::Load(path);
  EXPECT_EQ(back.Text(), records.Text());

  const play::RecordSummary s = back.SummaryOf(nine);
  EXPECT_EQ(s.solved, 4);
  EXPECT_EQ(s.unhelped, 3);
  EXPECT_EQ(s.best, 240000);
  EXPECT_EQ(s.average, 270000);
  ASSERT_EQ(s.last.size(), 4u);
  EXPECT_EQ(s.last[0], (GameResult{270000, false, "2026-12-07 20:30"}));
  EXPECT_TRUE(s.last[2].helped);

  const play::RecordSummary book = back.SummaryOf("book 7");  // the tab became a blank
  EXPECT_EQ(book.solved, 20);
  EXPECT_EQ(book.best, 1000);
  records.Add("book 7", {5, false, "d"});
  EXPECT_EQ(records.SummaryOf("book 7").last.size(), play::kKeptResults);
  EXPECT_EQ(back.Keys(), (std::vector<std::string>{"9 x 9 標準", "book 7"}));

  std::string damaged = records.Text();
  damaged += "result\tnowhere\t5\t0\td\nkey\tbad\tx\t1\t1\t-\nresult\t9 x 9 標準\t-1\t0\td\n";
  EXPECT_EQ(Records::FromText(damaged).Text(), records.Text());
  EXPECT_TRUE(Records::FromText("not a store\n").Keys().empty());
  EXPECT_TRUE(Records::Load(dir / "missing").Keys().empty());
}

TEST(RecordsTest, dataFolderFollowsXdg) {
  EXPECT_EQ(play::PlayDataFolderFor("/x/data", "/home/u"), "/x/data/gridora");
  EXPECT_EQ(play::PlayDataFolderFor("relative", "/home/u"), "/home/u/.local/share/gridora");
  EXPECT_EQ(play::PlayDataFolderFor(nullptr, nullptr), "");
}

}  // namespace
}  // namespace gridora::testing
