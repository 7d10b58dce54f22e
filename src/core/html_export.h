// SPDX-License-Identifier: MIT
#pragma once
// The HTML source of the puzzle on the board, in two forms: a plain table
// that any browser shows, and a game page made from the template file
// "js-gdr.dat", in which a visitor plays the puzzle. Only the puzzle itself
// is exported: digits placed by the solver (colour classes 1 and 2) count
// as empty. Every line ends with CR LF.
//
// Texts that come from a puzzle file (author, date, comment, the display
// characters) are escaped, so a file from someone else cannot put markup or
// a script into the user's page.
//
//   std::string table = BuildHtmlTable(state);
//   std::optional<std::string> page = ReadGameTemplate(path);
//   if (page) page = BuildGamePage(state, *page);

#include <optional>
#include <string>
#include <string_view>

#include "core/app.h"

namespace gridora {

inline constexpr const char* kGameTemplateName = "js-gdr.dat";
inline constexpr const char* kTemplateMissingTitle = "変換失敗";
inline constexpr const char* kTemplateMissingText =
    "ファイル\"js-gdr.dat\"が見つかりません\r\nHTMLに変換できません";

// The digit a cell contributes to an export: the code itself in colour
// class 0, 0 (empty) for the solver's green and yellow digits.
int ExportDigitOf(int code);

// The plain table of the board with the author, date and comment below it:
// boxes in a checkerboard of HtmlColor[1] and HtmlColor[2].
std::string BuildHtmlTable(const AppState& state);

// The template text as its fields, each followed by CR LF. Fields end at a
// comma or a line end, an empty line is one empty field, leading spaces are
// skipped, and a field that starts with a double quote runs to the next
// double quote, commas and line ends included (the line ends come out as
// CR LF), and loses both quotes; text between that quote and the next comma
// is dropped. A line with no comma, no leading blank and no leading quote
// therefore comes through unchanged. Only the template is read so: the
// puzzle's texts are put in after, escaped, and cannot reach the fields.
std::string ReadTemplateFields(std::string_view text);

// The 81 digits of a 9 x 9 board in box order: box by box, top-left first,
// across then down; inside a box row by row. "0" for an empty cell.
std::string BoxOrderPuzzleString(const AppState& state);

// `text` with the first `placeholder` replaced by `value`; unchanged when
// the placeholder does not occur.
std::string ReplaceFirst(std::string_view text, std::string_view placeholder,
                         std::string_view value);

// The display texts of the digits 1 to 9 for the game page, as HTML list
// items escaped as the table's cells are, and "[" as "&#91;":
// "<li>1</li><li>2</li>...".
std::string CharacterItems(const AppState& state);

// The game page: the template (as text, read already) through
// ReadTemplateFields, then "[gdrchar]" replaced by the CharacterItems (a
// template without it shows the digits), "[gifpath]" by GifPath,
// "[gdrdata]" by the box-order string and "[comment]" by the author and
// comment block, the first occurrence of each.
std::string BuildGamePage(const AppState& state, std::string_view templateText);

// The template file at `path`, converted from Shift-JIS; nullopt when it
// cannot be read (missing, not a regular file, larger than 1 MiB).
std::optional<std::string> ReadGameTemplate(const std::string& path);

// The game page of the current puzzle from the template at `templatePath`.
// When the template cannot be read: the message "ファイル"js-gdr.dat"が見つ
// かりません" / "HTMLに変換できません" titled "変換失敗", and nullopt.
std::optional<std::string> ExportGamePage(App app, const std::string& templatePath);

}  // namespace gridora
