// SPDX-License-Identifier: MIT
#include "core/html_export.h"

#include "core/board.h"
#include "core/color_hex.h"
#include "core/file_io.h"
#include "core/line_field_reader.h"
#include "core/lossy_encoding.h"
#include "core/text.h"

namespace gridora {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::size_t kMaxTemplateBytes = 1 << 20;

// A line of the export with its CR LF.
void AddLine(std::string& out, std::string_view line) {
  out += line;
  out += kCrLf;
}

// The text of `digit` as the HTML shows it: its character, escaped, or
// "&nbsp;" when that is empty.
std::string CellText(const AppState& state, int digit) {
  const std::string text = CharacterOf(state, digit);
  return text.empty() ? std::string("&nbsp;") : EscapeMarkup(text);
}

std::string BgColorAttribute(Color color) {
  return " bgcolor=\"#" + ColorToHex(color) + "\"";
}

}  // namespace

int ExportDigitOf(int code) {
  return code < kClassStep ? code : 0;
}

std::string BuildHtmlTable(const AppState& state) {
  const int n = state.BoardSize;
  const int box = BoxSideOf(n);
  std::string out;
  AddLine(out, "<TABLE border=1 align=left>");
  for (int r = 0; r < n; ++r) {
    const int band = (r / box) % 2;
    const Color rowColor = state.settings.HtmlColor[static_cast<std::size_t>(1 + band)];
    const Color otherColor = state.settings.HtmlColor[static_cast<std::size_t>(2 - band)];
    AddLine(out, "  <TR ALIGN=center" + BgColorAttribute(rowColor) + ">");
    for (int c = 0; c < n; ++c) {
      std::string line = "    <TD";
      if (c == 0) line += " height=\"20\"";
      if (r == 0) line += " width=\"20\"";
      if ((c / box) % 2 == 1) line += BgColorAttribute(otherColor);
      const int code = state.Board[static_cast<std::size_t>(r * n + c)];
      line += ">" + CellText(state, ExportDigitOf(code)) + "</TD>";
      AddLine(out, line);
    }
    AddLine(out, "  </TR>");
  }
  AddLine(out, "</TABLE>");
  AddLine(out, "<BR>");
  AddLine(out, "<FONT COLOR = \"Blue\">作者</FONT><BR>");
  AddLine(out, EscapeMarkup(state.PuzzleAuthor) + "<BR><BR>");
  AddLine(out, "<FONT COLOR = \"Blue\">制作日</FONT><BR>");
  AddLine(out, EscapeMarkup(state.PuzzleDate) + "<BR><BR>");
  AddLine(out, "<FONT COLOR = \"Blue\">コメント</FONT><BR>");
  AddLine(out, EscapeMarkup(state.PuzzleComment) + "<BR>");
  AddLine(out, "<BR clear=\"All\">");
  return out;
}

std::string ReadTemplateFields(std::string_view text) {
  LineFieldReader reader(SplitLines(text));
  std::string out;
  while (const std::optional<std::string> field =
             reader.ReadField(LineFieldReader::Quotes::AcrossLines))
    AddLine(out, *field);
  return out;
}

std::string CharacterItems(const AppState& state) {
  std::string items;
  for (int digit = 1; digit <= 9; ++digit) {
    items += "<li>";
    // "[" as a reference too, so that no item reads as a placeholder.
    for (const char c : CellText(state, digit))
      items += c == '[' ? std::string("&#91;") : std::string(1, c);
    items += "</li>";
  }
  return items;
}

std::string BoxOrderPuzzleString(const AppState& state) {
  std::string digits;
  for (int i = 0; i < 81; ++i) {
    const int cell = i % 3 + (i % 27) / 9 * 3 + (i % 9) / 3 * 9 + i / 27 * 27;
    const int code = state.Board[static_cast<std::size_t>(cell)];
    digits += NumberText(ExportDigitOf(code)).back();
  }
  return digits;
}

std::string ReplaceFirst(std::string_view text, std::string_view placeholder,
                         std::string_view value) {
  const std::size_t at = text.find(placeholder);
  if (at == std::string_view::npos) return std::string(text);
  std::string out(text.substr(0, at));
  out += value;
  out += text.substr(at + placeholder.size());
  return out;
}

std::string BuildGamePage(const AppState& state, std::string_view templateText) {
  // The characters first: their items hold no "[", so the placeholders
  // below are found where the template has them.
  std::string page =
      ReplaceFirst(ReadTemplateFields(templateText), "[gdrchar]", CharacterItems(state));
  page = ReplaceFirst(page, "[gifpath]", state.settings.GifPath);
  page = ReplaceFirst(page, "[gdrdata]", BoxOrderPuzzleString(state));
  std::string block;
  AddLine(block, "<FONT COLOR = \"Blue\">作者</FONT><BR>");
  AddLine(block, EscapeMarkup(state.PuzzleAuthor) + "<BR>");
  AddLine(block, "<BR>");
  AddLine(block, "<FONT COLOR = \"Blue\">コメント</FONT><BR>");
  AddLine(block, EscapeMarkup(state.PuzzleComment) + "<BR>");
  return ReplaceFirst(page, "[comment]", block);
}

std::optional<std::string> ReadGameTemplate(const std::string& path) {
  const FileBytes file = ReadWholeFile(path, kMaxTemplateBytes);
  if (file.status != ReadStatus::Ok) return std::nullopt;
  return ShiftJisToUtf8Lossy(file.bytes);
}

std::optional<std::string> ExportGamePage(App app, const std::string& templatePath) {
  const std::optional<std::string> text = ReadGameTemplate(templatePath);
  if (!text) {
    app.screen.ShowMessage(kTemplateMissingText, kTemplateMissingTitle, MessageButtons::Ok,
                           MessageIcon::Information);
    return std::nullopt;
  }
  return BuildGamePage(app.state, *text);
}

}  // namespace gridora
