// SPDX-License-Identifier: MIT
// Writes the HTML export of a puzzle file to a file, as the export dialog
// would put it on the clipboard (UTF-8), for the checks in a real browser.
//   gridora_export_page table PUZZLE.gdr OUT.html
//   gridora_export_page game PUZZLE.gdr TEMPLATE OUT.html

#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "core/board.h"
#include "core/html_export.h"
#include "core/puzzle_file.h"
#include "core/recording_screen.h"
#include "core/startup.h"

int main(int argc, char** argv) {
  using namespace gridora;
  const std::string form = argc > 1 ? argv[1] : "";
  if (!((form == "table" && argc == 4) || (form == "game" && argc == 5))) {
    std::cerr << "usage: gridora_export_page table PUZZLE OUT | game PUZZLE TEMPLATE OUT\n";
    return 2;
  }
  AppState state;
  RecordingScreen screen;
  App app{state, screen};
  InitTables(state);
  ApplyDefaultSettings(app);
  NewPuzzle9(app);
  if (!LoadPuzzleFile(app, argv[2])) {
    std::cerr << "cannot load " << argv[2] << "\n";
    return 1;
  }
  std::string html;
  if (form == "table") {
    html = BuildHtmlTable(state);
  } else {
    const std::optional<std::string> text = ReadGameTemplate(argv[3]);
    if (!text) {
      std::cerr << kTemplateMissingText << "\n";
      return 1;
    }
    html = BuildGamePage(state, *text);
  }
  std::ofstream out(argv[argc - 1], std::ios::binary | std::ios::trunc);
  out << html;
  return out.good() ? 0 : 1;
}
