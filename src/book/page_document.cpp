// SPDX-License-Identifier: MIT
#include "book/page_document.h"

#include <strings.h>

namespace gridora::book {

Paper PaperA4() {
  return {"A4", 210 * kPointsPerMm, 297 * kPointsPerMm};
}

Paper PaperLetter() {
  return {"Letter", 612, 792};
}

std::optional<Paper> PaperFromName(std::string_view name) {
  const std::string text(name);
  if (strcasecmp(text.c_str(), "A4") == 0) return PaperA4();
  if (strcasecmp(text.c_str(), "Letter") == 0) return PaperLetter();
  return std::nullopt;
}

}  // namespace gridora::book
