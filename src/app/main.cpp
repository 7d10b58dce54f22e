// SPDX-License-Identifier: MIT
// Gridora's entry point: the application object, fonts and translations,
// then the start-up sequence; from there on the main window's events drive
// the program.

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "system/app_paths.h"
#include "system/profile.h"
#include "ui/main/fonts.h"
#include "ui/main/log_categories.h"
#include "ui/main/start_up.h"
#include "ui/main/zoom.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Gridora"));
  // Every window and dialog, Qt's own included, takes the program's icon.
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/gridora/icon.png")));
  gridora::ui::RegisterFontSubstitutions();
  gridora::ui::InstallQtLogSink();
  // The standard buttons of message boxes and file dialogs speak Japanese
  // like the rest of the program.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);

  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  gridora::AppState state;
  // The zoom applies before any window exists, so that the stored window
  // position means what it meant when it was saved.
  gridora::SetIniFile(state, gridora::kIniFileName);
  gridora::ui::ApplyZoom(gridora::ReadZoomSetting(state));
  auto window = gridora::ui::StartMain(state, arguments);
  window->StartPuzzleStock(gridora::CacheFolder());
  gridora::ui::EndWithSession(*window);
  return QApplication::exec();
}
