// SPDX-License-Identifier: MIT
#pragma once
// Looking a file name up in the glob lists ("globs2") of shared MIME
// databases, read afresh on every call. GIO answers the same question from a
// cache that it re-reads at most every few seconds, and never at once after
// a type has been removed; the association check box must see its own
// change at once.

#include <string>
#include <vector>

namespace gridora {

// True when a glob of one of the MIME databases in `mimeFolders` (highest
// priority first, each a ".../mime" folder) matches `fileName`. Globs match
// without regard to letter case unless flagged "cs"; a type marked
// "__NOGLOBS__" in a folder loses its globs of the folders after it.
bool MimeGlobMatches(const std::vector<std::string>& mimeFolders, const std::string& fileName);

}  // namespace gridora
