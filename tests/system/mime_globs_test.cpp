// SPDX-License-Identifier: MIT
#include "system/mime_globs.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace gridora::testing {
namespace {

TEST(MimeGlobsTest, globsOfEveryFolderMatchWithoutRegardToCase) {
  TempDir dir;
  WriteBytes(dir / "user/mime/globs2", "# comment\n50:application/x-gridora:*.gdr\nbroken line\n");
  WriteBytes(dir / "sys/mime/globs2", "50:text/plain:*.txt\n50:text/x-readme:README:cs\n");
  const std::vector<std::string> folders = {dir / "user/mime", dir / "missing/mime",
                                            dir / "sys/mime"};
  EXPECT_TRUE(MimeGlobMatches(folders, "x.gdr"));
  EXPECT_TRUE(MimeGlobMatches(folders, "x.GDR"));
  EXPECT_TRUE(MimeGlobMatches(folders, "x.txt"));
  EXPECT_TRUE(MimeGlobMatches(folders, "README"));
  EXPECT_FALSE(MimeGlobMatches(folders, "readme"));  // flagged case-sensitive
  EXPECT_FALSE(MimeGlobMatches(folders, "x.gdrx"));
  EXPECT_FALSE(MimeGlobMatches({}, "x.gdr"));
}

TEST(MimeGlobsTest, noGlobsMarkHidesGlobsOfLaterFoldersOnly) {
  TempDir dir;
  WriteBytes(dir / "user/mime/globs2",
             "50:application/x-old:__NOGLOBS__\n50:application/x-new:*.new\n");
  WriteBytes(dir / "sys/mime/globs2", "50:application/x-old:*.old\n50:application/x-new:*.n2\n");
  const std::vector<std::string> folders = {dir / "user/mime", dir / "sys/mime"};
  EXPECT_FALSE(MimeGlobMatches(folders, "x.old"));
  EXPECT_TRUE(MimeGlobMatches(folders, "x.n2"));
  EXPECT_TRUE(MimeGlobMatches({dir / "sys/mime"}, "x.old"));
}

}  // namespace
}  // namespace gridora::testing
