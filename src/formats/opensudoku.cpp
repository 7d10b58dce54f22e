// SPDX-License-Identifier: MIT
#include "formats/opensudoku.h"

#include <expat.h>

#include <cctype>
#include <cstring>
#include <optional>

#include "formats/text_lines.h"

namespace gridora::formats {

namespace {

constexpr int kMaxDepth = 32;
constexpr std::size_t kMaxTokenBytes = 1 << 20;

// A parser that frees itself.
struct Parser {
  explicit Parser(const char* encoding) : p(XML_ParserCreate(encoding)) {}
  ~Parser() {
    if (p) XML_ParserFree(p);
  }
  Parser(const Parser&) = delete;
  Parser& operator=(const Parser&) = delete;
  XML_Parser p;
};

const char* Attribute(const XML_Char** attributes, const char* name) {
  for (int i = 0; attributes[i]; i += 2) {
    if (std::strcmp(attributes[i], name) == 0) return attributes[i + 1];
  }
  return nullptr;
}

bool EncodingAccepted(const XML_Char* encoding) {
  if (!encoding) return true;
  const std::string_view e(encoding);
  const auto same = [&](std::string_view name) {
    if (e.size() != name.size()) return false;
    for (std::size_t i = 0; i < e.size(); ++i) {
      if (std::tolower(static_cast<unsigned char>(e[i])) != name[i]) return false;
    }
    return true;
  };
  return same("utf-8") || same("us-ascii");
}

// The digits of a "1,5," list of version 1.
std::optional<std::uint16_t> NoteList(std::string_view text) {
  if (text == "-" || text == "0") return 0;
  std::uint16_t mask = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    if (i + 1 >= text.size() || text[i] < '1' || text[i] > '9' || text[i + 1] != ',')
      return std::nullopt;
    mask = static_cast<std::uint16_t>(mask | 1u << (text[i] - '1'));
    i += 2;
  }
  return mask;
}

std::optional<std::uint16_t> NoteMask(std::string_view text) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  unsigned value = 0;
  for (const char ch : text) {
    if (ch < '0' || ch > '9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(ch - '0');
  }
  if (value > 0x1FF) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

ReadError DataError(std::string detail) {
  return {Failure::BadGameData, 0, std::move(detail)};
}

}  // namespace

ReadError ReadOpenSudokuData(std::string_view data, Puzzle& puzzle) {
  Puzzle read;
  read.boardSize = 9;
  const std::string_view trimmed = Trimmed(data);
  if (trimmed.substr(0, 8) != "version:") {
    if (trimmed.size() != 81) {
      return DataError("game data of " + std::to_string(trimmed.size()) + " characters, not 81");
    }
    for (std::size_t i = 0; i < 81; ++i) {
      if (trimmed[i] < '0' || trimmed[i] > '9') return DataError("game data that is no digit");
      read.givens[i] = static_cast<CellCode>(trimmed[i] - '0');
    }
    puzzle = std::move(read);
    return {};
  }
  std::string_view rest = trimmed.substr(8);
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  if (rest.empty() || rest.front() < '1' || rest.front() > '4') {
    return DataError("a game data version other than 1 to 4");
  }
  const int version = rest.front() - '0';
  rest.remove_prefix(1);
  if (rest.empty() || (rest.front() != '\n' && rest.front() != ' ' && rest.front() != '\r'))
    return DataError("no line break after the version");
  rest = Trimmed(rest.substr(1));
  // The fields of the cells, split at "|"; version 2 may double a bar.
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= rest.size(); ++i) {
    if (i == rest.size() || rest[i] == '|') {
      if (i > start || version != 2) fields.push_back(rest.substr(start, i - start));
      start = i + 1;
      if (fields.size() > 81 * 4 + 1) return DataError("more cells than 81");
    }
  }
  if (!fields.empty() && fields.back().empty()) fields.pop_back();  // after the last "|"
  const std::size_t per = version == 4 ? 4 : 3;
  if (fields.size() != 81 * per) {
    return DataError(std::to_string(fields.size()) + " cell fields, not " +
                     std::to_string(81 * per));
  }
  for (std::size_t k = 0; k < 81; ++k) {
    const std::string_view value = fields[k * per];
    const std::string_view editable = fields[k * per + per - 1];
    if (value.size() != 1 || value[0] < '0' || value[0] > '9')
      return DataError("a cell value that is no digit");
    if (editable != "0" && editable != "1") return DataError("an editable flag other than 0 or 1");
    std::uint16_t notes = 0;
    for (std::size_t m = 1; m + 1 < per; ++m) {
      const auto mask =
          version == 1 ? NoteList(fields[k * per + m]) : NoteMask(fields[k * per + m]);
      if (!mask) return DataError("pencil marks that are not digits");
      notes = static_cast<std::uint16_t>(notes | *mask);
    }
    const auto digit = static_cast<CellCode>(value[0] - '0');
    if (editable == "0" && digit != 0) {
      read.givens[k] = digit;
    } else if (digit != 0) {
      read.entries[k] = digit;
    } else {
      read.notes[k] = notes;
    }
  }
  puzzle = std::move(read);
  return {};
}

struct OpenSudokuReader::State {
  GameSink sink;
  Parser parser{nullptr};
  ReadError error;
  Puzzle common;
  int depth = 0;
  bool rootSeen = false;
  std::string* text = nullptr;  // the property whose text is being collected
  std::string folderName;
  std::string name;  // the collection's name (version 1)
  bool inGame = false;
  int gameDepth = 0;
  Puzzle game;
  std::uint64_t gameOffset = 0;
  std::uint64_t gameLength = 0;
  std::size_t games = 0;
  std::size_t sinceTagEnd = 0;  // bytes since the last ">"

  std::size_t Line() const { return static_cast<std::size_t>(XML_GetCurrentLineNumber(parser.p)); }
  void Fail(Failure failure, std::string detail) {
    if (!error) error = {failure, Line(), std::move(detail)};
    XML_StopParser(parser.p, XML_FALSE);
  }
};

OpenSudokuReader::OpenSudokuReader(GameSink onGame) : state_(std::make_unique<State>()) {
  State& s = *state_;
  s.sink = std::move(onGame);
  XML_Parser p = s.parser.p;
  XML_SetUserData(p, &s);
  XML_SetXmlDeclHandler(p, [](void* data, const XML_Char*, const XML_Char* encoding, int) {
    auto& s = *static_cast<State*>(data);
    if (!EncodingAccepted(encoding)) s.Fail(Failure::BadXml, "an encoding other than UTF-8");
  });
  XML_SetStartDoctypeDeclHandler(
      p, [](void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
        static_cast<State*>(data)->Fail(Failure::BadXml, "a document type declaration");
      });
  XML_SetElementHandler(
      p,
      [](void* data, const XML_Char* name, const XML_Char** attributes) {
        auto& s = *static_cast<State*>(data);
        if (s.error) return;
        ++s.depth;
        if (s.depth > kMaxDepth) return s.Fail(Failure::BadXml, "elements nested too deep");
        const std::string_view element(name);
        if (s.depth == 1) {
          if (element != "opensudoku")
            return s.Fail(Failure::BadXml, "the root is not <opensudoku>");
          s.rootSeen = true;
          return;
        }
        if (s.inGame) return;
        if (element == "game" && (s.depth == 2 || (s.depth == 3 && !s.folderName.empty()))) {
          const char* gameData = Attribute(attributes, "data");
          if (!gameData) return s.Fail(Failure::BadGameData, "a game without data");
          ReadError error = ReadOpenSudokuData(gameData, s.game);
          if (error) {
            error.line = s.Line();
            s.error = error;
            XML_StopParser(s.parser.p, XML_FALSE);
            return;
          }
          if (const char* note = Attribute(attributes, "note"); note && *note) {
            const auto text = PropertyText(note);
            if (!text) return s.Fail(Failure::BadXml, "a note that is too long");
            s.game.comment = *text;
          }
          s.inGame = true;
          s.gameDepth = s.depth;
          s.gameOffset = static_cast<std::uint64_t>(XML_GetCurrentByteIndex(s.parser.p));
          s.gameLength = static_cast<std::uint64_t>(XML_GetCurrentByteCount(s.parser.p));
          return;
        }
        if (s.depth == 2 && element == "folder") {
          const char* folder = Attribute(attributes, "name");
          s.folderName = folder && *folder ? folder : " ";
          return;
        }
        if (s.depth == 2) {
          if (element == "author") s.text = &s.common.author;
          if (element == "description") s.text = &s.common.description;
          if (element == "comment") s.text = &s.common.comment;
          if (element == "created") s.text = &s.common.date;
          if (element == "source") s.text = &s.common.source;
          if (element == "level") s.text = &s.common.level;
          if (element == "sourceURL") s.text = &s.common.url;
          if (element == "name") s.text = &s.name;
          if (s.text) s.text->clear();
        }
      },
      [](void* data, const XML_Char*) {
        auto& s = *static_cast<State*>(data);
        if (s.error) return;
        if (s.inGame && s.depth == s.gameDepth) {
          const auto count = static_cast<std::uint64_t>(XML_GetCurrentByteCount(s.parser.p));
          if (count > 0) {
            s.gameLength = static_cast<std::uint64_t>(XML_GetCurrentByteIndex(s.parser.p)) + count -
                           s.gameOffset;
          }
          if (++s.games > kMaxPuzzles) return s.Fail(Failure::TooManyPuzzles, "too many games");
          Puzzle game = std::move(s.game);
          game.author = s.common.author;
          game.date = s.common.date;
          if (game.comment.empty()) game.comment = s.common.comment;
          game.description = s.common.description;
          game.source = !s.common.source.empty() ? s.common.source
                        : !s.name.empty()        ? s.name
                                                 : std::string(Trimmed(s.folderName));
          game.level = s.common.level;
          game.url = s.common.url;
          s.game = Puzzle{};
          s.inGame = false;
          s.sink(std::move(game), s.gameOffset, s.gameLength);
        }
        if (s.depth == 2) {
          s.text = nullptr;
          if (!s.inGame) s.folderName.erase();
        }
        --s.depth;
      });
  XML_SetCharacterDataHandler(p, [](void* data, const XML_Char* chars, int length) {
    auto& s = *static_cast<State*>(data);
    if (s.error || !s.text || s.depth != 2) return;
    if (s.text->size() + static_cast<std::size_t>(length) > kMaxTextBytes)
      return s.Fail(Failure::BadXml, "a text that is too long");
    s.text->append(chars, static_cast<std::size_t>(length));
  });
}

OpenSudokuReader::~OpenSudokuReader() = default;

const Puzzle& OpenSudokuReader::common() const {
  return state_->common;
}

ReadError OpenSudokuReader::Feed(std::string_view piece, bool last) {
  State& s = *state_;
  if (s.error) return s.error;
  // expat keeps a tag or a text whole until it ends: a file with megabytes
  // between two ">" is refused before expat holds them.
  for (const char ch : piece) {
    s.sinceTagEnd = ch == '>' ? 0 : s.sinceTagEnd + 1;
    if (s.sinceTagEnd > kMaxTokenBytes) {
      s.error = {Failure::LineTooLong, s.Line(), "more than a megabyte inside one tag or text"};
      return s.error;
    }
  }
  // expat takes an int length: large pieces go in parts.
  constexpr std::size_t kPart = 1 << 20;
  do {
    const std::size_t n = std::min(piece.size(), kPart);
    const bool final = last && n == piece.size();
    if (XML_Parse(s.parser.p, piece.data(), static_cast<int>(n), final) == XML_STATUS_ERROR) {
      if (!s.error) {
        s.error = {Failure::BadXml, s.Line(), XML_ErrorString(XML_GetErrorCode(s.parser.p))};
      }
      return s.error;
    }
    piece.remove_prefix(n);
  } while (!piece.empty());
  if (last && !s.rootSeen) s.error = {Failure::BadXml, s.Line(), "no <opensudoku> element"};
  return s.error;
}

ReadError ReadOpenSudokuGame(std::string_view element, Puzzle& puzzle) {
  if (element.size() > kMaxLineBytes * 4) return {Failure::Changed, 0, "a game element too long"};
  struct Game {
    Parser parser{"UTF-8"};
    ReadError error;
    Puzzle puzzle;
    bool seen = false;
  } g;
  XML_SetUserData(g.parser.p, &g);
  XML_SetStartDoctypeDeclHandler(
      g.parser.p, [](void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
        auto& g = *static_cast<Game*>(data);
        g.error = {Failure::Changed, 0, "a document type declaration"};
        XML_StopParser(g.parser.p, XML_FALSE);
      });
  XML_SetStartElementHandler(
      g.parser.p, [](void* data, const XML_Char* name, const XML_Char** attributes) {
        auto& g = *static_cast<Game*>(data);
        if (g.seen || g.error) return;
        g.seen = true;
        const char* gameData = Attribute(attributes, "data");
        if (std::string_view(name) != "game" || !gameData) {
          g.error = {Failure::Changed, 0, "no game at the indexed place"};
        } else {
          g.error = ReadOpenSudokuData(gameData, g.puzzle);
          if (const char* note = Attribute(attributes, "note"); !g.error && note && *note) {
            if (const auto text = PropertyText(note)) g.puzzle.comment = *text;
          }
        }
        if (g.error) XML_StopParser(g.parser.p, XML_FALSE);
      });
  if (XML_Parse(g.parser.p, element.data(), static_cast<int>(element.size()), XML_TRUE) ==
          XML_STATUS_ERROR &&
      !g.error) {
    g.error = {Failure::Changed, 0, XML_ErrorString(XML_GetErrorCode(g.parser.p))};
  }
  if (!g.error && !g.seen) g.error = {Failure::Changed, 0, "no game at the indexed place"};
  if (g.error) return g.error;
  puzzle = std::move(g.puzzle);
  return {};
}

}  // namespace gridora::formats
